#pragma once

#include <array>
#include <string_view>

namespace options_file {

// Every key of the options file, in the order in which Save writes them.
inline constexpr std::array<std::string_view, 35> OptionKeys = {
    "Lang",           "Task",           "IONames",      "WriteToken",        "WritePOS",
    "WritePOSFactor", "WriteProb",      "WriteLemma",   "WriteUnknownLemma", "WriteLexInfo",
    "WriteQuiet",     "ReadManProb",    "ReadManLemma", "ReadSGML",          "ReadEOS",
    "ReadEOSTag",     "TokChoice",      "OwnProgram",   "TokAbbrevs",        "TokMultiW",
    "TokDetClit",     "TokDetApost",    "TokPunctConv", "TagCapHeur",        "TagHyphenHeur",
    "TagLexProbOnly", "TagReplaceZero", "TagReplaceBy", "TagIgnorePrefix",   "TagAuxLex",
    "TagAuxLexFile",  "ReadFile",       "WriteFile",    "TrainCoding",       "OneLetAbbrev"};

inline constexpr std::string_view kOptionsFileHeader = "# Options file for Vandrel";

}  // namespace options_file
