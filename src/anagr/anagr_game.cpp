#include "anagr/anagr_game.h"

#include "anagr/anagr_run.h"
#include "anagr/anagram_search.h"

namespace sillabor {

int AnagrGame::Run(GameContext& ctx, int option) { return Job(AnagrRequest{}, option).run(ctx); }

SearchJob AnagrGame::Job(const AnagrRequest& request, int option, std::shared_ptr<AnagrResult> result) {
    if (option != kAnagramSearch && option != kAnagramShowCandidates)
        return {Id(), option, [](GameContext&) { return kNoSuchSearch; }};
    if (!result) result = std::make_shared<AnagrResult>();
    std::optional<ParoleRequest> filterFields;
    if (request.filterHow != kFilterNone) filterFields = NormaliseParoleFields(request.filters);
    return {Id(), option,
            [this, option, checked = CheckAnagrRequest(request), filterFields = std::move(filterFields),
             result = std::move(result)](GameContext& ctx) mutable {
                *result = AnagrResult{};
                result->filterFields = filterFields;
                auto* accepted = std::get_if<CheckedAnagr>(&checked);
                if (accepted == nullptr) {
                    for (const std::string& line : std::get<Refusal>(checked).lines) ctx.out.PrintLine(line);
                    return 1;
                }
                AnagrRun run{ctx.dict,          ctx.out,         ctx.state, ctx.random, accepted->request,
                             accepted->schemaLengths, accepted->filter, state,     *result};
                return AnagramSearch(run, option);
            }};
}

}  // namespace sillabor
