#include "tokenizer/characters.h"

#include "utils/unicode_case.h"

namespace tokenizer {
namespace {

void AppendCharacter(std::string& text, char32_t code_point) {
  if (code_point >= Character::kLoneByte)
    text.push_back(static_cast<char>(code_point - Character::kLoneByte));
  else
    utils::AppendUtf8(text, code_point);
}

template <typename Map>
void AppendMapped(std::string& text, const CharacterText& characters, Map map) {
  characters.ForEach(
      [&](const Character& character) { AppendCharacter(text, map(character.code_point)); });
}

}  // namespace

Character CharacterText::Before(std::size_t end) const {
  // A well-formed sequence is always a character: its first byte can be no other's tail.
  for (std::size_t length = 2; length <= 4 && length <= end; ++length) {
    if (At(end - length).length == length)
      return At(end - length);
  }
  return At(end - 1);
}

std::uint64_t CharacterText::MakeCaselessHash() const {
  std::uint64_t hash = 0;
  ForEach([&hash](const Character& character) {
    hash = (hash ^ utils::CaselessKey(character.code_point)) * 0x9E3779B97F4A7C15ULL;
    hash ^= hash >> 32;
  });
  // The filters read the top bits.
  return hash * 0x9E3779B97F4A7C15ULL;
}

void AppendLowerCase(std::string& text, const CharacterText& characters) {
  AppendMapped(text, characters, utils::SimpleLowerCase);
}

void AppendCaseFolded(std::string& text, const CharacterText& characters) {
  AppendMapped(text, characters, utils::SimpleCaseFold);
}

void AppendCapitalised(std::string& text, const CharacterText& characters) {
  if (characters.Size() == 0)
    return;
  const Character first = characters.At(0);
  AppendCharacter(text, utils::SimpleUpperCase(first.code_point));
  AppendLowerCase(text, characters.Part(first.length, characters.Size()));
}

}  // namespace tokenizer
