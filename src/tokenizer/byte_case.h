// Windows-1252 case rules as byte tables, for the loops that touch every byte of a text. The
// tables are built once from the rules in utils/cp1252.h, so both agree byte for byte.
#pragma once

#include <array>

namespace tokenizer {

class ByteCase {
 public:
  static const ByteCase& Get() {
    static const ByteCase tables;
    return tables;
  }

  char Lower(char c) const { return lower_[static_cast<unsigned char>(c)]; }
  char Upper(char c) const { return upper_[static_cast<unsigned char>(c)]; }

 private:
  ByteCase();

  std::array<char, 256> lower_;
  std::array<char, 256> upper_;
};

}  // namespace tokenizer
