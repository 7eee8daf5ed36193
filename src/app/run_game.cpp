#include "app/run_game.h"

#include <exception>
#include <new>
#include <string>

#include "app/app.h"
#include "dictionary/word_orders.h"

namespace sillabor {

int RunGame(App& app, int game, int option) { return RunGame(app, SearchJob{game, option, {}}); }

int RunGame(App& app, const SearchJob& job) {
    const int option = job.option;
    Game* found = app.FindGame(job.game);
    if (found == nullptr) return kNoSuchSearch;
    app.random.ReseedRandom();
    app.state.StopRequested = false;
    app.state.FoundCount = 0;
    try {
        if (app.dict.NotAlphabetical && found->NeedsByteOrder(option)) RestoreByteOrder(app.dict);
        GameContext ctx = app.Context();
        return job.run ? job.run(ctx) : found->Run(ctx, option);
    } catch (const std::bad_alloc&) {
        app.out.PrintLine("Errore: memoria insufficiente, ricerca interrotta");
    } catch (const std::exception& e) {
        app.out.PrintLine(std::string("Errore interno: ") + e.what() + ", ricerca interrotta");
    } catch (...) {
        app.out.PrintLine("Errore interno, ricerca interrotta");
    }
    return 1;
}

}  // namespace sillabor
