// The tokenizer's Unicode path: the input read as UTF-8 (or UTF-16, turned into UTF-8), and the
// passes of the tokenizer on its characters.
#pragma once

#include <cstddef>
#include <string>

#include "tokenizer/line_output.h"
#include "tokenizer/messages.h"
#include "tokenizer/settings.h"

namespace tokenizer {

// Turns the bytes of an input file into the UTF-8 text to tokenize: a text that begins with
// FF FE or FE FF is UTF-16 (little- or big-endian) and becomes UTF-8; then a leading UTF-8
// byte-order mark is dropped. Returns the place in the input file of the text's first byte,
// for the messages (3 after a dropped mark, else 0).
std::size_t PrepareUnicodeText(std::string& bytes);

// Runs the passes over the UTF-8 `text` (up to its first NUL), which begins at `file_offset` in
// the input file, into `lines`; the tags' TABs and line ends become spaces in `text`.
void TokenizeCharacters(std::string& text, std::size_t file_offset, const TokenizerOptions& options,
                        const TokenizerData& data, const MessageReport& report, LineOutput& lines);

}  // namespace tokenizer
