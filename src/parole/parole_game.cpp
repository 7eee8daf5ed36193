#include "parole/parole_game.h"

#include "parole/parole_search.h"

namespace sillabor {

Checked<PatternFilter> CheckParoleRequest(const ParoleRequest& request) {
    PatternFilter filter;
    std::vector<std::string> refusal = CompileWordFilter(request, filter);
    if (!refusal.empty()) return Refusal{std::move(refusal)};
    return filter;
}

int ParoleGame::Run(GameContext& ctx, int option) {
    if (option != 0) return kNoSuchSearch;
    return Job(ParoleRequest{}).run(ctx);
}

SearchJob ParoleGame::Job(const ParoleRequest& request, std::shared_ptr<ParoleResult> result) {
    return {Id(), 0,
            [checked = CheckParoleRequest(request), shown = NormaliseParoleFields(request),
             result = std::move(result)](GameContext& ctx) mutable {
                if (result) result->fields = shown;
                int status = 1;
                if (auto* filter = std::get_if<PatternFilter>(&checked))
                    status = ParoleSearch(ctx, *filter);
                else
                    for (const std::string& line : std::get<Refusal>(checked).lines) ctx.out.PrintLine(line);
                ctx.out.PrintSeparator();
                ctx.out.PrintLine("Fine Ricerca");
                return status;
            }};
}

}  // namespace sillabor
