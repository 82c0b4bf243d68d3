// A ">" outside a tag is dropped, and the word it cut in two stays one segment. Both first
// passes glue such a segment together in the text itself: each later piece is moved back over
// the ">" before it, onto bytes already read, so that a long word is never copied.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tokenizer {

class GluedSegment {
 public:
  // Whether a segment is being glued.
  bool Active() const { return end_ != kNone; }
  // Where the segment begins in the text.
  std::size_t Start() const { return start_; }
  // Adds `piece`, which lies in `text` after the pieces glued so far, to the segment (the first
  // piece begins it); returns where the piece now begins. An empty piece changes nothing.
  std::size_t Append(std::string& text, std::string_view piece);
  // The whole segment; a new one may begin after it.
  std::string_view Take(const std::string& text);

 private:
  static constexpr std::size_t kNone = std::string::npos;

  std::size_t start_ = 0;
  std::size_t end_ = kNone;
};

}  // namespace tokenizer
