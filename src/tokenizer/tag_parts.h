// A markup tag grows by one byte for each lone CR or LF in it, which becomes two spaces. The
// first passes make a grown tag in the text, moved over bytes already handed on; a tag without
// that much room goes to the lines in parts instead, so that it is never held whole beside the
// text. These are the parts of that work that both passes share.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "tokenizer/line_output.h"

namespace tokenizer {

struct LoneLineEnds {
  std::size_t count = 0;
  std::size_t last = 0;  // the place of the last one, when there is one
};

// The lone CR and LF bytes of the tag from `i` up to its ">" or the text's end; a CR LF pair is
// none of them.
LoneLineEnds FindLoneLineEnds(std::string_view text, std::size_t i);

// Writes the tag from `tag_start` to `lines` as the start of a line, up to its last lone line
// end `last`, with its first lone line end at `i`: the bytes before `i` are made already and go
// as they are, then each line end becomes two spaces and each TAB one, and `less_than(place)` is
// called for each "<". The last lone line end becomes two spaces in the text, over the byte
// before it, which is written; so the rest of the tag is made in the text from the place
// returned on, and ends the line as a segment that begins with a blank. Such a segment, ending
// in ">" or a blank, passes the refiners whole, as the whole tag would, and takes no multi-word
// step, since no word of a multi-word file holds a blank.
std::size_t WriteTagStart(std::string& text, std::size_t tag_start, std::size_t i, std::size_t last,
                          LineOutput& lines, const std::function<void(std::size_t)>& less_than);

}  // namespace tokenizer
