// The stages of the tokenizer hand their pieces on one at a time, so a long text flows from the
// input to the output file without a second full copy in memory.
#pragma once

#include <string_view>

namespace tokenizer {

class StringSink {
 public:
  virtual ~StringSink() = default;
  // `piece` is valid only during the call.
  virtual void Add(std::string_view piece) = 0;
};

}  // namespace tokenizer
