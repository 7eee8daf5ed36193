#include "base/help_file.h"

#include <fstream>
#include <iterator>
#include <string_view>

#include "base/output.h"
#include "base/text_encoding.h"

namespace sillabor {

namespace {

// Longest piece of a help line printed as one output line.
constexpr size_t kHelpPiece = 249;

void PrintHelpLine(Output& out, std::string_view line) {
    if (line.empty()) {
        out.PrintLine(line);
        return;
    }
    while (!line.empty()) {
        out.PrintLine(line.substr(0, kHelpPiece));
        line.remove_prefix(line.size() < kHelpPiece ? line.size() : kHelpPiece);
    }
}

}  // namespace

bool PrintHelpSection(Output& out, const std::filesystem::path& helpFile, const std::string& key) {
    std::ifstream file(helpFile, std::ios::binary);
    if (!file) {
        out.PrintLine("Impossibile trovare il file di help (sillaboraiut.txt)");
        return false;
    }
    const std::string raw((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    const std::string text = ExternalToCp1252(raw);

    const std::string opening = "###" + key;
    bool inside = false;
    size_t start = 0;
    while (start < text.size()) {
        // Lines end with LF, CR LF or a lone CR; a NUL ends what a line shows.
        size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos) end = text.size();
        std::string_view line(text.data() + start, end - start);
        start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
        line = line.substr(0, line.find('\0'));
        while (!line.empty() && static_cast<unsigned char>(line.back()) < 32) line.remove_suffix(1);
        if (!inside) {
            inside = line.substr(0, opening.size()) == opening;
        } else {
            if (line.substr(0, 3) == "**#") break;
            PrintHelpLine(out, line);
        }
    }
    return true;
}

}  // namespace sillabor
