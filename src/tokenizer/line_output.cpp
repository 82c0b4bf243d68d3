#include "tokenizer/line_output.h"

#include <cstdint>
#include <cstring>
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

void LineOutput::Add(std::string_view line) {
  if (buffer_.size() - used_ < line.size() + 2) {
    HandOn();
    if (buffer_.size() < line.size() + 2)
      buffer_.resize(line.size() + 2);
  }
  char* end = buffer_.data() + used_;
  std::memcpy(end, line.data(), line.size());
  end[line.size()] = '\r';
  end[line.size() + 1] = '\n';
  used_ += line.size() + 2;
}

void LineOutput::HandOn() {
  if (used_ == 0)
    return;
  if (convert_punctuation_)
    ConvertBlock(buffer_.data(), used_);
  write_(std::string_view(buffer_.data(), used_));
  used_ = 0;
}

void LineOutput::Finish() {
  HandOn();
}

}  // namespace tokenizer
