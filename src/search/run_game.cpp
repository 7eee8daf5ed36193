#include "search/run_game.h"

#include "anagrams/anagram_search.h"
#include "cerca/cerca_search.h"
#include "dictionary/word_orders.h"
#include "search/dictionary_game.h"
#include "search/workbench.h"

namespace sillabor {

bool GameNeedsByteOrder(int game, int option) {
    switch (game) {
        case 0:
        case 1:
        case 2:
        case 3:
        case 4:
            return true;
        case 5:
            return option == 1;
        case 6:
            switch (option) {
                case 1: case 2: case 3: case 4: case 7: case 18: case 19:
                case 20: case 23: case 24: case 25: case 28: case 29: case 30:
                    return true;
                default:
                    return false;
            }
        default:
            return false;
    }
}

int RunGame(Workbench& wb, int game, int option) {
    wb.random.ReseedRandom();
    wb.state.StopRequested = false;
    wb.state.FoundCount = 0;
    if (wb.dict.NotAlphabetical && GameNeedsByteOrder(game, option)) RestoreByteOrder(wb.dict);
    switch (game) {
        case kGameAnagrams:
            return AnagramSearch(wb, option);
        case kGameCerca:
            return CercaSearch(wb, option);
        case kGameDictionary:
            return DictionaryGame(wb, option);
        default:
            return 2;
    }
}

}  // namespace sillabor
