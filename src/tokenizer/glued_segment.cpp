#include "tokenizer/glued_segment.h"

#include <algorithm>

namespace tokenizer {

std::size_t GluedSegment::Append(std::string& text, std::string_view piece) {
  if (piece.empty())
    return end_;
  const auto from = static_cast<std::size_t>(piece.data() - text.data());
  if (end_ == kNone) {
    start_ = from;
    end_ = from;
  }
  // Moved towards the start of the text, the piece can be copied from its first byte on.
  if (from != end_)
    std::copy(piece.begin(), piece.end(), text.begin() + static_cast<std::ptrdiff_t>(end_));
  const std::size_t at = end_;
  end_ += piece.size();
  return at;
}

std::string_view GluedSegment::Take(const std::string& text) {
  const std::string_view segment = std::string_view(text).substr(start_, end_ - start_);
  end_ = kNone;
  return segment;
}

}  // namespace tokenizer
