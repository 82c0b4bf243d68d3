// What one tokenizer call is told: the choices of the window, and the language data that the run
// prepares before the call.
#pragma once

#include <optional>

#include "tokenizer/abbreviations.h"
#include "tokenizer/clitics.h"
#include "tokenizer/multi_words.h"

namespace tokenizer {

struct TokenizerOptions {
  bool check_byte_order_mark = true;  // the training encoding is not Unicode
  bool detach_apostrophes = false;    // the apostrophe joins the trailing punctuation
  bool detach_clitics = false;
  bool one_letter_abbreviations = false;  // "A." stays whole
  bool convert_punctuation = false;       // Windows quotes and dashes become Latin-1
};

struct TokenizerData {
  AbbreviationList abbreviations;
  CliticTables clitics;  // read only with TokenizerOptions::detach_clitics
  // When present, listed word sequences are joined into one line with their annotation.
  std::optional<MultiWordAutomaton> multi_words;
};

}  // namespace tokenizer
