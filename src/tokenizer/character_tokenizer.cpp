#include "tokenizer/character_tokenizer.h"

#include <optional>

#include "tokenizer/character_joiner.h"
#include "tokenizer/character_refiner.h"
#include "tokenizer/character_segmenter.h"
#include "utils/utf8.h"

namespace tokenizer {
namespace {

class LineSink final : public CharacterSink {
 public:
  explicit LineSink(LineOutput& lines) : lines_(lines) {}
  void Add(const CharacterText& piece) override { lines_.Add(piece.Bytes()); }

 private:
  LineOutput& lines_;
};

}  // namespace

std::size_t PrepareUnicodeText(std::string& bytes) {
  const bool little_endian = bytes.starts_with("\xFF\xFE");
  if (little_endian || bytes.starts_with("\xFE\xFF"))
    utils::Utf16ToUtf8InPlace(bytes, !little_endian);
  const std::size_t mark = bytes.size() - utils::WithoutUtf8ByteOrderMark(bytes).size();
  bytes.erase(0, mark);
  return mark;
}

void TokenizeCharacters(std::string& text, std::size_t file_offset, const TokenizerOptions& options,
                        const TokenizerData& data, const MessageReport& report, LineOutput& lines) {
  std::optional<CharacterJoiner> joiner;
  if (data.multi_words && !data.multi_words->Empty())
    joiner.emplace(*data.multi_words, lines);
  LineSink line_sink(lines);
  CharacterSink& tokens = joiner ? static_cast<CharacterSink&>(*joiner) : line_sink;
  CharacterRefiner refiner(options, data, tokens);
  SplitIntoCharacterSegments(text, file_offset, report, refiner, lines);
  if (joiner)
    joiner->Finish();
}

}  // namespace tokenizer
