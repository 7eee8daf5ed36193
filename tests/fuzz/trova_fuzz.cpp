// The "Trova" page's length and letter fields as typed, for any of the ten
// games of its list, run on the tiny dictionary. A refused input prints one of
// the page's messages and nothing else; an accepted one prints its title, the
// separator, then only result lines, each counted once.
//
// Input: one byte of choices (bits 0-3 the game, modulo 10; bit 4 letters
// asked for; bit 5 "Anche Finali"), then the minimum and maximum length and the
// two letter fields, one a line.

#include <set>

#include "app/run_game.h"
#include "fuzz_support.h"
#include "trova/trova_game.h"

using namespace sillabor;
using namespace sillabor::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    App& app = LoadedApp();
    if (size == 0) return 0;
    const uint8_t choices = data[0];
    const std::vector<std::string> f = Fields(data + 1, size - 1, 4);

    TrovaRequest request;
    request.game = (choices & 15) % kTrovaListGames;
    request.lettersGiven = (choices & 16) != 0;
    request.alsoLast = (choices & 32) != 0;
    request.minLength = ParseLength(f[0]);
    request.maxLength = ParseLength(f[1]);
    request.letter1 = TrovaLetter(f[2]);
    request.letter2 = TrovaLetter(f[3]);

    Sink().Reset();
    app.random.SeedFrom(size);
    const int status = RunGame(app, app.Get<TrovaGame>().Job(request));
    const std::vector<std::string>& lines = Sink().Lines();
    const int32_t found = app.state.FoundCount.load();
    Require(status == 0 || status == 1, "the search returned neither success nor failure");
    if (status == 1) {
        static const std::set<std::string> kMessages = {
            "La lunghezza minima deve essere tra 0 e 40", "La lunghezza massima deve essere tra 0 e 40",
            "e deve essere maggiore o uguale alla minima", "Devi specificare correttamente la lettera",
            "sulla quale e' basato il gioco", "Devi specificare correttamente le 2 lettere (diverse)",
            "sulle quali e' basato il gioco"};
        Require(!lines.empty() && lines.size() <= 2, "a refusal without its message");
        for (const std::string& line : lines) Require(kMessages.count(line) == 1, "a refusal printed more", line);
        Require(found == 0, "a refused input counted results");
        return 0;
    }
    Require(lines.size() >= 2 && lines[1] == kSeparatorLine, "no title and separator");
    Require(static_cast<int32_t>(lines.size()) - 2 == found, "the count differs from the printed results");
    for (size_t k = 2; k < lines.size(); ++k)
        Require(lines[k].find(" <-> ") != std::string::npos, "a result line that is no pair", lines[k]);
    return 0;
}
