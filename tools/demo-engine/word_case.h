// Letter case of the words the demo engine looks up, in the encoding of its parameter file:
// Windows-1252 bytes, or UTF-8 characters with the Unicode case rules.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace demo_engine {

enum class TextEncoding { kWindows1252, kUtf8 };

std::string LowerCaseWord(std::string_view word, TextEncoding encoding);
// The first character in upper case, the rest in lower case.
std::string CapitalisedWord(std::string_view word, TextEncoding encoding);
bool BeginsWithUpperCaseLetter(std::string_view word, TextEncoding encoding);
// A letter or a digit: the token is a word, not punctuation.
bool BeginsWithWordCharacter(std::string_view word, TextEncoding encoding);
// Where each character of `word` begins, in bytes.
std::vector<std::size_t> CharacterStarts(std::string_view word, TextEncoding encoding);

}  // namespace demo_engine
