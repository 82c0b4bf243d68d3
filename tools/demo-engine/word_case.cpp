#include "word_case.h"

#include "utils/cp1252.h"
#include "utils/unicode_case.h"
#include "utils/utf8.h"

namespace demo_engine {
namespace {

// Appends `word` with each character mapped; a byte that is not UTF-8 stays as it is.
template <typename Map>
std::string MappedUtf8(std::string_view word, Map map) {
  std::string result;
  for (std::size_t i = 0; i < word.size();) {
    const utils::DecodedCharacter character = utils::DecodeUtf8(word.substr(i));
    if (character.code_point == utils::kNotACharacter)
      result.push_back(word[i]);
    else
      utils::AppendUtf8(result, map(character.code_point, i));
    i += character.length;
  }
  return result;
}

char32_t FirstCodePoint(std::string_view word) {
  return word.empty() ? 0 : utils::DecodeUtf8(word).code_point;
}

}  // namespace

std::string LowerCaseWord(std::string_view word, TextEncoding encoding) {
  if (encoding == TextEncoding::kWindows1252)
    return utils::LowerCase(word);
  return MappedUtf8(word, [](char32_t c, std::size_t) { return utils::SimpleLowerCase(c); });
}

std::string CapitalisedWord(std::string_view word, TextEncoding encoding) {
  if (encoding == TextEncoding::kWindows1252) {
    std::string result = utils::LowerCase(word);
    if (!result.empty())
      result[0] = utils::ToUpperCp1252(result[0]);
    return result;
  }
  return MappedUtf8(word, [](char32_t c, std::size_t i) {
    return i == 0 ? utils::SimpleUpperCase(c) : utils::SimpleLowerCase(c);
  });
}

bool BeginsWithUpperCaseLetter(std::string_view word, TextEncoding encoding) {
  if (word.empty())
    return false;
  if (encoding == TextEncoding::kWindows1252)
    return utils::ToLowerCp1252(word[0]) != word[0];
  const char32_t c = FirstCodePoint(word);
  return utils::SimpleLowerCase(c) != c;
}

bool BeginsWithWordCharacter(std::string_view word, TextEncoding encoding) {
  if (word.empty())
    return false;
  if (word[0] >= '0' && word[0] <= '9')
    return true;
  if (encoding == TextEncoding::kUtf8)
    return utils::IsUnicodeLetter(FirstCodePoint(word));
  const char c = word[0];
  return utils::ToLowerCp1252(c) != utils::ToUpperCp1252(c) || utils::FoldToBaseLetter(c) != c ||
         c == '\xDF';
}

std::vector<std::size_t> CharacterStarts(std::string_view word, TextEncoding encoding) {
  std::vector<std::size_t> starts;
  for (std::size_t i = 0; i < word.size();) {
    starts.push_back(i);
    i += encoding == TextEncoding::kUtf8 ? utils::DecodeUtf8(word.substr(i)).length : 1;
  }
  return starts;
}

}  // namespace demo_engine
