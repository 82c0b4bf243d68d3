// The first pass of the tokenizer: running text into segments, that is words with their
// punctuation still attached, and markup tags from "<" to ">".
#pragma once

#include <string>

#include "tokenizer/line_output.h"
#include "tokenizer/messages.h"
#include "tokenizer/string_sink.h"

namespace tokenizer {

// Splits `text` (the input up to its first NUL byte) into segments, in order. Line ends are read
// as if every line, the last included, ended in CR LF, and TAB, CR and LF count as spaces; so a
// line end inside a tag becomes two spaces. Each markup message is reported at its first
// occurrence only: a text with thousands of stray ">" gives one message, not thousands. The tags
// are made in `text` itself; one that has no room there to grow by its lone line ends goes to
// `lines`, the last stage, as the start of a line that its last part, a segment, ends.
void SplitIntoSegments(std::string& text, const MessageReport& report, StringSink& segments,
                       LineOutput& lines);

}  // namespace tokenizer
