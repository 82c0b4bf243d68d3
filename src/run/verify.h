// Verification of the option set before a run: the file names, the files that must exist and
// the numbers. It collects every problem and reports them in at most two message boxes.
#pragma once

#include <string>
#include <vector>

#include "ui_text/text_set.h"

namespace run {

// The choices verification looks at, read from the controls when it runs. A choice that is not
// in effect (its control disabled) is given as not in use.
struct VerificationInput {
  bool tree_task = false;
  std::string input_name;
  std::string output_name;
  bool pairwise_checked = false;  // only the checked state counts here
  std::string parameter_file;     // the full path
  std::string language_name;
  bool own_program_in_use = false;
  std::string own_program_command;
  bool auxiliary_lexicon_in_use = false;
  std::string auxiliary_lexicon_name;
  bool probability_factor_in_use = false;
  std::string probability_factor;
  bool replacement_frequency_in_use = false;
  std::string replacement_frequency;
  char decimal_separator = '.';
};

// The texts of the message boxes to show, in order: none when everything is in order, else the
// file-name box, the number box, or both.
std::vector<std::string> VerifyOptions(const VerificationInput& input,
                                       const ui_text::NamedTexts& texts);

}  // namespace run
