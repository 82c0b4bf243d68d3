// The characters of a piece of UTF-8 text, for the tokenizer's Unicode path: each well-formed
// sequence is one character, and every other byte is a character of its own, kept as it is.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "utils/utf8.h"

namespace tokenizer {

struct Character {
  // A byte that starts no well-formed sequence has kLoneByte plus its value: past every code
  // point, so it has no case, is no letter and equals no character of a table.
  static constexpr char32_t kLoneByte = 0x110000;

  char32_t code_point;
  std::size_t length;  // in bytes
};

// The places in a segment glued together from pieces of the text (around a dropped ">") where a
// piece begins with a byte that could continue a character: no character spans such a place, so
// the characters are those of the text. One bit for each byte of the segment, and none at all
// for the segments without such a place, which are almost all.
class Seams {
 public:
  // Forgets every mark; marks count from `base`, the segment's first byte.
  void Clear(const char* base) {
    base_ = base;
    bits_.clear();
  }
  void Mark(const char* place) {
    const auto offset = static_cast<std::size_t>(place - base_);
    if (bits_.size() <= offset / 64)
      bits_.resize(offset / 64 + 1, 0);
    bits_[offset / 64] |= std::uint64_t{1} << (offset % 64);
  }
  // `place` lies in the segment.
  bool Marked(const char* place) const {
    const auto offset = static_cast<std::size_t>(place - base_);
    return offset / 64 < bits_.size() && (bits_[offset / 64] >> (offset % 64) & 1) != 0;
  }

 private:
  const char* base_ = nullptr;
  std::vector<std::uint64_t> bits_;
};

// Bytes of a segment, with the seams of a glued segment.
class CharacterText {
 public:
  explicit CharacterText(std::string_view bytes, const Seams* seams = nullptr)
      : bytes_(bytes), seams_(seams) {}

  std::string_view Bytes() const { return bytes_; }
  std::size_t Size() const { return bytes_.size(); }
  // The bytes from `from` to `to`, with the same seams.
  CharacterText Part(std::size_t from, std::size_t to) const {
    return CharacterText(bytes_.substr(from, to - from), seams_);
  }

  // The character that begins at byte `i`, which is a character's first byte.
  Character At(std::size_t i) const {
    const auto byte = static_cast<unsigned char>(bytes_[i]);
    if (byte < 0x80)
      return {byte, 1};
    std::size_t limit = bytes_.size();
    // A character is at most four bytes long.
    for (std::size_t place = i + 1; seams_ != nullptr && place < limit && place < i + 4; ++place) {
      if (seams_->Marked(bytes_.data() + place))
        limit = place;
    }
    const utils::DecodedCharacter decoded = utils::DecodeUtf8(bytes_.substr(i, limit - i));
    if (decoded.code_point == utils::kNotACharacter)
      return {Character::kLoneByte + byte, 1};
    return {decoded.code_point, decoded.length};
  }
  // The character that ends at byte `end`, which ends a character.
  Character Before(std::size_t end) const;
  // CaselessHash of the text, made once: the refiner's abbreviation look-up and the multi-word
  // joiner ask for it of the same word.
  std::uint64_t CaselessHash() const {
    if (!caseless_hash_known_) {
      caseless_hash_ = MakeCaselessHash();
      caseless_hash_known_ = true;
    }
    return caseless_hash_;
  }
  // Whether the text holds at least two characters.
  bool HasTwoCharacters() const { return !bytes_.empty() && At(0).length < bytes_.size(); }

  // Calls `take(character)` for each character, in order.
  template <typename Take>
  void ForEach(Take take) const {
    for (std::size_t i = 0; i < bytes_.size();) {
      const Character character = At(i);
      take(character);
      i += character.length;
    }
  }

 private:
  std::uint64_t MakeCaselessHash() const;

  std::string_view bytes_;
  const Seams* seams_;
  mutable std::uint64_t caseless_hash_ = 0;
  mutable bool caseless_hash_known_ = false;
};

// A hash of the characters' caseless keys (utils::CaselessKey): the same for every case form of
// the text and for every text with the same simple case folding, so that a look-up by case
// forms or folding can first ask a filter whether anything may match.
inline std::uint64_t CaselessHash(const CharacterText& characters) {
  return characters.CaselessHash();
}

// Appends the characters in simple lower case, simple case folding, or capitalised (the first in
// simple upper case, the rest in lower case). Lone bytes stay as they are.
void AppendLowerCase(std::string& text, const CharacterText& characters);
void AppendCaseFolded(std::string& text, const CharacterText& characters);
void AppendCapitalised(std::string& text, const CharacterText& characters);

}  // namespace tokenizer
