#include "tokenizer/line_output.h"

#include <utility>

#include "tokenizer/punctuation.h"

namespace tokenizer {
namespace {

constexpr std::size_t kBlockSize = 1 << 16;

}  // namespace

LineOutput::LineOutput(bool convert_punctuation, BlockWriter write)
    : convert_punctuation_(convert_punctuation), write_(std::move(write)) {
  buffer_.reserve(kBlockSize * 2);
}

void LineOutput::Add(std::string_view line) {
  buffer_.append(line);
  buffer_.append("\r\n");
  if (buffer_.size() >= kBlockSize)
    HandOn();
}

void LineOutput::HandOn() {
  if (buffer_.empty())
    return;
  if (convert_punctuation_) {
    for (char& c : buffer_)
      c = ConvertWindowsPunctuation(c);
  }
  write_(buffer_);
  buffer_.clear();
}

void LineOutput::Finish() {
  HandOn();
}

}  // namespace tokenizer
