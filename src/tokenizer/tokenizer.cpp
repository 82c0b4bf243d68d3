#include "tokenizer/tokenizer.h"

#include <optional>

#include "tokenizer/character_tokenizer.h"
#include "tokenizer/line_output.h"
#include "tokenizer/multi_word_joiner.h"
#include "tokenizer/refiner.h"
#include "tokenizer/segmenter.h"
#include "utils/files.h"

namespace tokenizer {
namespace {

std::optional<Message> ByteOrderMarkOf(std::string_view text) {
  if (text.starts_with("\xFF\xFE"))
    return Message::Utf16ByteOrderMark;
  if (text.starts_with("\xEF\xBB\xBF"))
    return Message::Utf8ByteOrderMark;
  return std::nullopt;
}

// Reports a byte-order mark that stops the call; nullopt when tokenizing goes ahead.
std::optional<TokenizeOutcome> CheckByteOrderMark(std::string_view text,
                                                  const TokenizerOptions& options,
                                                  const MessageReport& report) {
  if (options.unicode)
    return std::nullopt;
  const std::optional<Message> mark = ByteOrderMarkOf(text);
  if (!mark)
    return std::nullopt;
  report(*mark);
  return TokenizeOutcome::StoppedAtByteOrderMark;
}

// Runs the passes over `text`, which begins at `file_offset` in the input file, with every stage
// streaming into the next; the tags' TABs and line ends become spaces in `text`.
void Tokenize(std::string& text, std::size_t file_offset, const TokenizerOptions& options,
              const TokenizerData& data, const MessageReport& report,
              LineOutput::BlockWriter write) {
  LineOutput lines(options.convert_punctuation && !options.unicode, std::move(write));
  if (options.unicode) {
    TokenizeCharacters(text, file_offset, options, data, report, lines);
    lines.Finish();
    return;
  }
  std::optional<MultiWordJoiner> joiner;
  // Without transitions every token passes unchanged, so the stage is left out.
  if (data.multi_words && !data.multi_words->Empty())
    joiner.emplace(*data.multi_words, lines);
  StringSink& tokens = joiner ? static_cast<StringSink&>(*joiner) : lines;
  SegmentRefiner refiner(options, data, tokens);
  SplitIntoSegments(text, report, refiner, lines);
  if (joiner)
    joiner->Finish();
  lines.Finish();
}

std::string_view UpToFirstNul(std::string_view bytes) {
  return bytes.substr(0, bytes.find('\0'));
}

}  // namespace

TokenizedText TokenizeText(std::string_view input_bytes, const TokenizerOptions& options,
                           const TokenizerData& data, const MessageReport& report) {
  std::string text(input_bytes);
  const std::size_t file_offset = options.unicode ? PrepareUnicodeText(text) : 0;
  text.resize(UpToFirstNul(text).size());
  if (const auto stop = CheckByteOrderMark(text, options, report))
    return {*stop, {}};
  TokenizedText result{TokenizeOutcome::Tokenized, {}};
  Tokenize(text, file_offset, options, data, report,
           [&result](std::string_view block) { result.lines.append(block); });
  return result;
}

TokenizeOutcome TokenizeFile(const std::string& input_name, const std::string& output_name,
                             const TokenizerOptions& options, const TokenizerData& data,
                             const MessageReport& report) {
  // Held once, and changed in place by the first pass; the room for two more bytes takes the
  // spaces of the implied last line end of a tag left open, so that the tag is not copied. A
  // Unicode text gets room for half its size more, into which UTF-16 grows as it becomes UTF-8.
  std::string text = utils::ReadWholeFile(input_name, 4, options.unicode);
  const std::size_t file_offset = options.unicode ? PrepareUnicodeText(text) : 0;
  text.resize(UpToFirstNul(text).size());
  if (const auto stop = CheckByteOrderMark(text, options, report)) {
    // Emptying the output would destroy an input that is its own output, for nothing.
    if (!utils::SameFile(input_name, output_name))
      utils::ReplaceFileSafely(output_name, {});
    return *stop;
  }
  // The lines go to a temporary file that takes the output's place only when complete, so a
  // failure leaves an earlier output, or an input that is its own output, as it was.
  utils::ReplacingFileWriter writer(output_name);
  Tokenize(text, file_offset, options, data, report,
           [&writer](std::string_view block) { writer.Write(block); });
  writer.Commit();
  return TokenizeOutcome::Tokenized;
}

}  // namespace tokenizer
