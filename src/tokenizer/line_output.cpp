#include "tokenizer/line_output.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "tokenizer/punctuation.h"

namespace tokenizer {
namespace {

constexpr std::size_t kBlockSize = 1 << 16;

// Converts the bytes in place. Only bytes from 0x80 up change, so runs of eight ASCII bytes are
// passed over whole.
void ConvertBlock(char* bytes, std::size_t size) {
  constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;
  std::size_t i = 0;
  for (; i + 8 <= size; i += 8) {
    std::uint64_t eight;
    std::memcpy(&eight, bytes + i, 8);
    if ((eight & kHighBits) == 0)
      continue;
    for (std::size_t k = i; k < i + 8; ++k)
      bytes[k] = ConvertWindowsPunctuation(bytes[k]);
  }
  for (; i < size; ++i)
    bytes[i] = ConvertWindowsPunctuation(bytes[i]);
}

}  // namespace

LineOutput::LineOutput(bool convert_punctuation, BlockWriter write)
    : convert_punctuation_(convert_punctuation), write_(std::move(write)), buffer_(kBlockSize, 0) {}

void LineOutput::HandOnUnheld() {
  const std::size_t done = held_ends_.empty() ? used_ : held_start_;
  if (done == 0)
    return;
  if (convert_punctuation_)
    ConvertBlock(buffer_.data(), done);
  write_(std::string_view(buffer_.data(), done));
  std::memmove(buffer_.data(), buffer_.data() + done, used_ - done);
  used_ -= done;
  held_start_ = 0;
  for (std::size_t& end : held_ends_)
    end -= done;
}

void LineOutput::AddBeyondRoom(std::string_view line, bool held) {
  HandOnUnheld();
  if (held || !held_ends_.empty()) {
    // Held lines must stay together in the buffer to be joined.
    if (buffer_.size() - used_ < line.size() + 2)
      buffer_.resize(used_ + line.size() + 2);
  } else {
    // A line longer than the buffer (an unclosed tag that runs to the end of a long text, say)
    // goes out a buffer at a time rather than making the buffer as large as itself.
    while (buffer_.size() - used_ < line.size() + 2) {
      const std::size_t piece = std::min(buffer_.size() - used_, line.size());
      std::memcpy(buffer_.data() + used_, line.data(), piece);
      used_ += piece;
      line.remove_prefix(piece);
      HandOnUnheld();
    }
  }
  Append(line);
}

void LineOutput::JoinHeld(std::string_view annotation) {
  // Each held line's CR LF becomes one space, the last one a TAB.
  std::size_t joined_end = held_start_;
  std::size_t line_start = held_start_;
  for (const std::size_t end : held_ends_) {
    const std::size_t length = end - 2 - line_start;
    std::memmove(buffer_.data() + joined_end, buffer_.data() + line_start, length);
    joined_end += length;
    buffer_[joined_end++] = ' ';
    line_start = end;
  }
  buffer_[joined_end - 1] = '\t';
  used_ = joined_end;
  held_ends_.clear();
  Add(annotation);
}

void LineOutput::Finish() {
  held_ends_.clear();
  HandOnUnheld();
}

}  // namespace tokenizer
