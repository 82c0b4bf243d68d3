#include "tokenizer/byte_case.h"

#include "utils/cp1252.h"

namespace tokenizer {

ByteCase::ByteCase() {
  for (int i = 0; i < 256; ++i) {
    const char c = static_cast<char>(i);
    lower_[i] = utils::ToLowerCp1252(c);
    upper_[i] = utils::ToUpperCp1252(c);
  }
}

}  // namespace tokenizer
