// Stops the fuzzing run with a message when a property of the tokenizer does not hold.
#pragma once

#include <cstdio>
#include <cstdlib>

namespace fuzz {

inline void Check(bool holds, const char* property) {
  if (!holds) {
    std::fprintf(stderr, "property does not hold: %s\n", property);
    std::abort();
  }
}

}  // namespace fuzz
