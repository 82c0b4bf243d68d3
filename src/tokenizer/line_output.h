// The last stage of the tokenizer: every piece becomes a line ending in CR LF, with Windows
// punctuation converted on request, handed on in large blocks.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "tokenizer/string_sink.h"

namespace tokenizer {

class LineOutput : public StringSink {
 public:
  using BlockWriter = std::function<void(std::string_view)>;

  LineOutput(bool convert_punctuation, BlockWriter write);

  void Add(std::string_view line) override;
  // Hands on what is still buffered.
  void Finish();

 private:
  void HandOn();

  const bool convert_punctuation_;
  BlockWriter write_;
  std::string buffer_;  // its size is the capacity; `used_` bytes of it are filled
  std::size_t used_ = 0;
};

}  // namespace tokenizer
