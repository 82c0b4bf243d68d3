// The first pass of the tokenizer: running text into segments, that is words with their
// punctuation still attached, and markup tags from "<" to ">".
#pragma once

#include <string>

#include "tokenizer/messages.h"
#include "tokenizer/string_sink.h"

namespace tokenizer {

// Splits `text` (the input up to its first NUL byte) into segments, in order. Line ends are read
// as if every line, the last included, ended in CR LF, and TAB, CR and LF count as spaces; so a
// line end inside a tag becomes two spaces. Each markup message is reported at its first
// occurrence only: a text with thousands of stray ">" gives one message, not thousands. The TABs
// and CR LF pairs of tags are turned into spaces in `text` itself.
void SplitIntoSegments(std::string& text, const MessageReport& report, StringSink& segments);

}  // namespace tokenizer
