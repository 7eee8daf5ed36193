#include "dictionary/character_map.h"
#include "base/letter_case.h"

#include "dictionary/build_options.h"
#include "dictionary/letter_count.h"

namespace sillabor {

CharacterMap MakeCharacterMap(int options) {
    const bool keepCapitals = (options & kBuildSkipCapitalised) != 0;
    CharacterMap map{};
    for (int code = 0; code < 256; ++code) {
        char c = FoldedAccent(static_cast<char>(code));
        char mapped = '\0';
        if (c >= 'a' && c <= 'z')
            mapped = c;
        else if (c >= 'A' && c <= 'Z')
            mapped = keepCapitals ? c : ToLowerAscii(c);
        map[code] = mapped;
    }
    if (options & kBuildSkipHyphenated) map['-'] = '-';
    if (options & kBuildSkipBeforeApostrophe) {
        map['\''] = kApostropheMarker;
        map[0xB4] = kApostropheMarker;
    }
    return map;
}

}  // namespace sillabor
