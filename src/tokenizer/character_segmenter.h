// The first pass of the tokenizer's Unicode path: UTF-8 text into segments, as the first pass of
// the Windows-1252 path does, with the horizontal ellipsis U+2026 in the place of byte 0x85.
#pragma once

#include <cstddef>
#include <string>

#include "tokenizer/characters.h"
#include "tokenizer/line_output.h"
#include "tokenizer/messages.h"

namespace tokenizer {

class CharacterSink {
 public:
  virtual ~CharacterSink() = default;
  // `piece` is valid only during the call.
  virtual void Add(const CharacterText& piece) = 0;
};

// Splits `text` (UTF-8 up to its first NUL) into segments, in order, making the tags in `text`
// itself; one that has no room there to grow by its lone line ends goes to `lines`, the last
// stage, as the start of a line that its last part, a segment, ends. Each markup message is
// reported at its first occurrence only, and NotUtf8 at the first byte that starts no
// well-formed sequence, with its place plus `file_offset`, the place of the text in the input
// file; all in text order.
void SplitIntoCharacterSegments(std::string& text, std::size_t file_offset,
                                const MessageReport& report, CharacterSink& segments,
                                LineOutput& lines);

}  // namespace tokenizer
