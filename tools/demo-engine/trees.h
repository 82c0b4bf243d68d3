// Readable dumps of a parameter file, printed in place of the probability tree and the
// suffix/prefix tree that a full engine keeps: the tag counts of the lexicon, and the word
// endings and beginnings that guess unknown words.
#pragma once

#include <string>

#include "parameter_file.h"

namespace demo_engine {

// Lines end with CR LF.
std::string ProbabilityTreeText(const ParameterFile& parameters, const std::string& name);
std::string SuffixTreeText(const ParameterFile& parameters, const std::string& name);

}  // namespace demo_engine
