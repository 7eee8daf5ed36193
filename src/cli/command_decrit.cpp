// sillabor-cli decrit: the "Decrit" page: cryptograms solved ("risolvi") and
// made ("critta", "coppie").

#include <CLI/CLI.hpp>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "base/text_encoding.h"
#include "cli/cli_commands.h"
#include "cli/cli_context.h"
#include "decrit/cipher_boxes.h"
#include "decrit/cipher_text.h"
#include "decrit/decrit_game.h"
#include "decrit/cryptogram_reader.h"

namespace sillabor::cli {

namespace {

struct DecritOptions {
    std::string text;
    std::string file;
    std::string boxes;
    std::vector<std::string> buttons;
    bool numeri1 = false;
    bool numeri2 = false;
};

// The text as the field holds it: Windows-1252, lines ended by '\n', within the field's limit.
bool FieldText(CliContext& ctx, const std::string& external, std::string& field) {
    field.clear();
    for (char c : ExternalToCp1252(external))
        if (c != '\r') field.push_back(c);
    if (field.size() > static_cast<size_t>(kCryptogramMaxLength)) {
        ctx.UsageError("il testo supera i " + std::to_string(kCryptogramMaxLength) + " caratteri");
        return false;
    }
    return true;
}

// The text of --file: a regular file, read whole; a folder or a file far
// beyond the field's limit is refused before anything is read.
bool ReadTextFile(CliContext& ctx, const std::string& path, std::string& text) {
    std::error_code error;
    const bool regular = std::filesystem::is_regular_file(path, error);
    const uintmax_t size = regular ? std::filesystem::file_size(path, error) : 0;
    std::ifstream file(path, std::ios::binary);
    if (!regular || error || !file) {
        ctx.UsageError("impossibile leggere il file " + path);
        return false;
    }
    // Four bytes a character at most in UTF-8, two for a line break as "\r\n".
    if (size > static_cast<uintmax_t>(kCryptogramMaxLength) * 4) {
        ctx.UsageError("il testo supera i " + std::to_string(kCryptogramMaxLength) + " caratteri");
        return false;
    }
    std::ostringstream read;
    read << file.rdbuf();
    if (file.bad()) {
        ctx.UsageError("impossibile leggere il file " + path);
        return false;
    }
    text = read.str();
    return true;
}

// --caselle: box i for plain letter 'a' + i, '-' for an empty box.
bool ParseBoxes(CliContext& ctx, const std::string& typed, CipherBoxes& boxes) {
    if (typed.size() != boxes.size()) {
        ctx.UsageError("--caselle vuole 26 caratteri: una lettera o '-' per ogni lettera da a a z");
        return false;
    }
    for (size_t i = 0; i < boxes.size(); ++i) {
        boxes[i] = BoxLetter(typed[i]);
        if (boxes[i] == '\0' && typed[i] != '-') {
            ctx.UsageError(std::string("--caselle: carattere non valido '") + typed[i] + "'");
            return false;
        }
    }
    return true;
}

// The panel's buttons, pressed in the order given.
bool PressButtons(CliContext& ctx, const std::vector<std::string>& buttons, CipherBoxes& boxes) {
    int randomKind = 0;
    for (const std::string& button : buttons) {
        if (button == "nulla") {
            boxes = kIdentityBoxes;
        } else if (button == "specchio") {
            boxes = MirrorBoxes(boxes);
        } else if (button == "ruota") {
            boxes = RotateBoxes(boxes);
        } else if (button == "caso") {
            boxes = PressRandom(randomKind, ctx.app().random);
        } else if (IsPermutation(boxes)) {
            boxes = InvertBoxes(boxes);
        } else {
            ctx.UsageError("inverti: ogni lettera deve stare in una sola casella, e nessuna casella vuota");
            return false;
        }
    }
    return true;
}

int Solve(CliContext& ctx, const DecritOptions& o) {
    std::string external = o.text;
    if (!o.file.empty() && !ReadTextFile(ctx, o.file, external)) return kExitUsage;
    DecritRequest request;
    request.search = kDecrittaSearch;
    if (!FieldText(ctx, external, request.cryptogram)) return kExitUsage;
    return ctx.RunPageJob<DecritGame>([&](DecritGame& game) {
        // The text as the solver reads it, one word a line, before the solutions.
        for (const std::string& word : SplitCryptogram(request.cryptogram).words)
            ctx.err << "# " << Cp1252ToUtf8(word) << '\n';
        ctx.err.flush();
        return game.Job(request, nullptr);
    });
}

int Encipher(CliContext& ctx, const DecritOptions& o) {
    std::string text;
    CipherBoxes boxes = kIdentityBoxes;
    if (!FieldText(ctx, o.text, text) || !ParseBoxes(ctx, o.boxes, boxes) || !PressButtons(ctx, o.buttons, boxes))
        return kExitUsage;
    Output& out = ctx.app().out;
    if (o.numeri1 || o.numeri2)
        PrintNumeric(out, text, boxes, o.numeri1 ? kNumeri1 : kNumeri2);
    else
        PrintEnciphered(out, text, boxes);
    ctx.out.flush();
    return kExitOk;
}

int Pairs(CliContext& ctx, const DecritOptions& o) {
    DecritRequest request;
    request.search = kCoppieSearch;
    if (!ParseBoxes(ctx, o.boxes, request.boxes) || !PressButtons(ctx, o.buttons, request.boxes)) return kExitUsage;
    return ctx.RunPageJob<DecritGame>([&request](DecritGame& game) { return game.Job(request, nullptr); });
}

void AddBoxOptions(CLI::App& command, DecritOptions& o) {
    command.add_option("--caselle", o.boxes, "Le 26 caselle: l'immagine di a, di b, ... di z; '-' per una casella vuota")
        ->type_name("LETTERE")
        ->required();
    command.add_option("--bottone", o.buttons,
                       "Un bottone del pannello, premuto dopo aver riempito le caselle: nulla (A = A), specchio, "
                       "ruota, inverti, caso (A Caso); si ripete, nell'ordine dato")
        ->type_name("BOTTONE")
        ->expected(1)
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll)
        ->check(CLI::IsMember({"nulla", "specchio", "ruota", "inverti", "caso"}).description(""));
}

}  // namespace

std::vector<TextField> DecritTextFields() {
    return {
        {{"decrit", "risolvi", kTextField}, kCryptogramMaxLength},
        {{"decrit", "critta", kTextField, "--caselle", "qwertyuiopasdfghjklzxcvbnm", "--numeri2"}, kCryptogramMaxLength},
        {{"decrit", "critta", "Roma", "--caselle", kTextField}, kAlphabetSize},
        {{"decrit", "coppie", "--caselle", kTextField, "--bottone", "inverti"}, kAlphabetSize},
    };
}

void AddDecritCommand(CLI::App& app, CommandAction& action) {
    auto o = std::make_shared<DecritOptions>();
    CLI::App* decrit = app.add_subcommand("decrit", "Pagina Decrit: risolve e crea crittogrammi");
    decrit->require_subcommand(1);

    CLI::App* risolvi = decrit->add_subcommand("risolvi", "Risolve un crittogramma, in lettere o in numeri da 1 a 26");
    CLI::Option* text = risolvi->add_option("TESTO", o->text, "Il crittogramma (puo' andare a capo)");
    CLI::Option* file = risolvi->add_option("--file", o->file, "Legge il crittogramma da un file UTF-8")->type_name("PERCORSO");
    text->excludes(file);
    file->excludes(text);
    risolvi->callback([&action, o, text, file] {
        action = [o, given = text->count() + file->count()](CliContext& ctx) {
            if (given == 0) {
                ctx.UsageError("manca il crittogramma: TESTO o --file");
                return kExitUsage;
            }
            return Solve(ctx, *o);
        };
    });

    CLI::App* critta = decrit->add_subcommand("critta", "Cifra un testo con la sostituzione delle caselle");
    critta->add_option("TESTO", o->text, "Il testo in chiaro (puo' andare a capo)")->required();
    AddBoxOptions(*critta, *o);
    CLI::Option* numeri1 = critta->add_flag("--numeri1", o->numeri1, "Numeri 1: le lettere numerate nell'ordine in cui compaiono");
    CLI::Option* numeri2 = critta->add_flag("--numeri2", o->numeri2, "Numeri 2: il posto nell'alfabeto dell'immagine di ogni lettera");
    numeri1->excludes(numeri2);
    numeri2->excludes(numeri1);
    critta->callback([&action, o] { action = [o](CliContext& ctx) { return Encipher(ctx, *o); }; });

    CLI::App* coppie = decrit->add_subcommand("coppie", "Le parole che, cifrate, danno ancora una parola del dizionario");
    AddBoxOptions(*coppie, *o);
    coppie->callback([&action, o] { action = [o](CliContext& ctx) { return Pairs(ctx, *o); }; });
}

}  // namespace sillabor::cli
