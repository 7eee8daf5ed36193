#pragma once
// The options of a dictionary build, as bits: which words of the sources to
// leave out.

namespace sillabor {

enum BuildOption : int {
    kBuildSkipCapitalised = 1,       // "Con maiuscole"
    kBuildSkipBeforeApostrophe = 2,  // "Prima di apostrofo"
    kBuildSkipHyphenated = 4,        // "Prima e dopo il "-""
};

}  // namespace sillabor
