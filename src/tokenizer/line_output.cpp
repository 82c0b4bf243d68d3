#include "tokenizer/line_output.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "tokenizer/punctuation.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace tokenizer {
namespace {

constexpr std::size_t kBlockSize = 1 << 16;

// Converts the bytes in place. Every byte that changes lies from 0x82 to 0x97, so sixteen bytes
// with none in that range are passed over whole where the processor allows it; accented letters
// lie outside it and do not stop the pass.
void ConvertBlock(char* bytes, std::size_t size) {
  std::size_t i = 0;
#if defined(__SSE2__)
  const __m128i lowest = _mm_set1_epi8(static_cast<char>(0x82));
  const __m128i span = _mm_set1_epi8(0x97 - 0x82);
  for (; i + 16 <= size; i += 16) {
    const __m128i sixteen = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + i));
    // From 0x82 to 0x97 exactly when the distance from 0x82, wrapping, is at most the span.
    const __m128i distance = _mm_sub_epi8(sixteen, lowest);
    const __m128i inside = _mm_cmpeq_epi8(_mm_max_epu8(distance, span), span);
    if (_mm_movemask_epi8(inside) == 0)
      continue;
    for (std::size_t k = i; k < i + 16; ++k)
      bytes[k] = ConvertWindowsPunctuation(bytes[k]);
  }
#endif
  for (; i < size; ++i)
    bytes[i] = ConvertWindowsPunctuation(bytes[i]);
}

}  // namespace

LineOutput::LineOutput(bool convert_punctuation, BlockWriter write)
    : convert_punctuation_(convert_punctuation), write_(std::move(write)), buffer_(kBlockSize, 0) {}

void LineOutput::HandOnUnheld() {
  const std::size_t done = held_count_ == 0 ? used_ : held_start_;
  if (done == 0)
    return;
  if (convert_punctuation_)
    ConvertBlock(buffer_.data(), done);
  write_(std::string_view(buffer_.data(), done));
  std::memmove(buffer_.data(), buffer_.data() + done, used_ - done);
  used_ -= done;
  held_start_ = 0;
  for (std::size_t i = 0; i < held_count_; ++i)
    held_ends_[i] -= done;
}

void LineOutput::AddBeyondRoom(std::string_view line, bool held) {
  HandOnUnheld();
  if (held || held_count_ > 0) {
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

void LineOutput::AddLineStart(std::string_view bytes) {
  ReleaseHeld();
  while (!bytes.empty()) {
    if (used_ == buffer_.size())
      HandOnUnheld();
    const std::size_t piece = std::min(buffer_.size() - used_, bytes.size());
    std::memcpy(buffer_.data() + used_, bytes.data(), piece);
    used_ += piece;
    bytes.remove_prefix(piece);
  }
}

void LineOutput::JoinHeld(std::string_view annotation) {
  // Each held line's CR LF becomes one space, the last one a TAB.
  std::size_t joined_end = held_start_;
  std::size_t line_start = held_start_;
  for (std::size_t i = 0; i < held_count_; ++i) {
    const std::size_t end = held_ends_[i];
    const std::size_t length = end - 2 - line_start;
    std::memmove(buffer_.data() + joined_end, buffer_.data() + line_start, length);
    joined_end += length;
    buffer_[joined_end++] = ' ';
    line_start = end;
  }
  buffer_[joined_end - 1] = '\t';
  used_ = joined_end;
  held_count_ = 0;
  Add(annotation);
}

void LineOutput::Finish() {
  held_count_ = 0;
  HandOnUnheld();
}

}  // namespace tokenizer
