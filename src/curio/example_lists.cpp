#include "curio/example_lists.h"

#include "dictionary/random_choices.h"

namespace sillabor {

void ExampleList::Offer(const GameExample& example) {
    auto before = [](const GameExample& a, const GameExample& b) {
        return a.rank != b.rank ? a.rank < b.rank : a.first < b.first;
    };
    if (Full() && !before(example, examples_[count_ - 1])) return;
    int k = Full() ? count_ - 1 : count_++;
    for (; k > 0 && before(example, examples_[k - 1]); --k) examples_[k] = examples_[k - 1];
    examples_[k] = example;
}

ScrambledWalk::ScrambledWalk(RandomSource& random, int32_t n) {
    start = random.Below(n);
    step = RandomCoprimeStep(random, n);
}

std::vector<int32_t> ScrambledRanks(RandomSource& random, int32_t n, bool skipZero) {
    const ScrambledWalk walk(random, n);
    std::vector<int32_t> ranks(static_cast<size_t>(n), -1);
    int64_t position = walk.start;
    int32_t rank = 0;
    for (int32_t k = 0; k < n; ++k) {
        if (!(skipZero && position == 0)) ranks[static_cast<size_t>(position)] = rank++;
        position = (position + walk.step) % n;
    }
    return ranks;
}

}  // namespace sillabor
