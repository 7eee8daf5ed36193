#include "base/top_table.h"

namespace sillabor {

void TopTable::TopInsert(int32_t item, int32_t score) {
    int pos = TopCount;
    while (pos > 0 && entries[pos - 1].score < score) {
        entries[pos] = entries[pos - 1];
        --pos;
    }
    entries[pos] = {score, item};
    if (TopCount < TopLimit) ++TopCount;
}

}  // namespace sillabor
