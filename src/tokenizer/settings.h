// What one tokenizer call is told: the choices of the window, and the language data that the run
// prepares before the call.
#pragma once

#include <optional>

#include "tokenizer/abbreviations.h"
#include "tokenizer/clitics.h"
#include "tokenizer/multi_words.h"

namespace tokenizer {

struct TokenizerOptions {
  // The training encoding is Unicode: the text is UTF-8 or UTF-16, and the tokenizer works on
  // its characters. Otherwise it works on Windows-1252 bytes and stops at a byte-order mark.
  bool unicode = false;
  bool detach_apostrophes = false;  // the apostrophe joins the trailing punctuation
  bool detach_clitics = false;
  bool one_letter_abbreviations = false;  // "A." stays whole
  bool convert_punctuation = false;       // Windows quotes and dashes become Latin-1; not Unicode
};

struct TokenizerData {
  AbbreviationList abbreviations;
  // Read only with TokenizerOptions::detach_clitics; Windows-1252 also for a Unicode text.
  CliticTables clitics;
  // When present, listed word sequences are joined into one line with their annotation.
  std::optional<MultiWordAutomaton> multi_words;
};

}  // namespace tokenizer
