// Feeds arbitrary text, options and language files to the tokenizer and checks that the
// streaming stages agree with the list forms and that no byte of the text is lost.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_checks.h"
#include "support/plain_multi_word_joiner.h"
#include "tokenizer/punctuation.h"
#include "tokenizer/tokenizer.h"

namespace {

using namespace tokenizer;
using test_support::JoinMultiWords;

std::vector<std::string> SplitLines(std::string_view lines) {
  std::vector<std::string> result;
  while (!lines.empty()) {
    const std::size_t end = lines.find("\r\n");
    fuzz::Check(end != std::string_view::npos, "every line ends in CR LF");
    result.emplace_back(lines.substr(0, end));
    lines.remove_prefix(end + 2);
  }
  return result;
}

// The text without its blanks, as the tokens of a text without markup add up to.
std::string WithoutBlanks(std::string_view text) {
  std::string result;
  for (char c : text.substr(0, text.find('\0'))) {
    if (c != ' ' && c != '\t' && c != '\r' && c != '\n')
      result += c;
  }
  return result;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 3)
    return 0;
  const std::uint8_t flags = data[0];
  std::string_view rest(reinterpret_cast<const char*>(data + 3), size - 3);
  const std::string_view multi_word_file = rest.substr(0, data[1]);
  rest.remove_prefix(multi_word_file.size());
  const std::string_view abbreviation_file = rest.substr(0, data[2]);
  rest.remove_prefix(abbreviation_file.size());
  const std::string_view text = rest;

  TokenizerOptions options;
  options.detach_apostrophes = flags & 2;
  options.detach_clitics = flags & 4;
  options.one_letter_abbreviations = flags & 8;
  const bool convert = flags & 16;
  const char* languages[] = {"english", "french", "italian", "none"};
  TokenizerData data_without_units;
  data_without_units.clitics = CliticTablesFor((flags >> 5 & 3) != 3, languages[flags >> 5 & 3]);
  data_without_units.abbreviations = AbbreviationList(ReadAbbreviationEntries(abbreviation_file));

  std::vector<Message> messages;
  const auto report = [&messages](Message message) { messages.push_back(message); };
  const TokenizedText tokens = TokenizeText(text, options, data_without_units, report);
  for (std::size_t i = 0; i < messages.size(); ++i) {
    for (std::size_t k = i + 1; k < messages.size(); ++k)
      fuzz::Check(messages[i] != messages[k], "each message at most once");
  }
  const std::vector<std::string> token_list = SplitLines(tokens.lines);
  for (const std::string& token : token_list)
    fuzz::Check(!token.empty(), "no empty token");
  if (tokens.outcome == TokenizeOutcome::Tokenized &&
      text.substr(0, text.find('\0')).find_first_of("<>") == std::string_view::npos) {
    std::string joined;
    for (const std::string& token : token_list)
      joined += token;
    fuzz::Check(joined == WithoutBlanks(text), "the tokens hold every byte of the text");
  }

  // The streaming joiner and conversion give what the list forms give.
  TokenizerData data_with_units = data_without_units;
  data_with_units.multi_words = ReadMultiWordFile(multi_word_file);
  options.convert_punctuation = convert;
  const TokenizedText joined = TokenizeText(text, options, data_with_units, [](Message) {});
  std::string expected;
  for (const std::string& line : JoinMultiWords(*data_with_units.multi_words, token_list)) {
    for (char c : line)
      expected += convert ? ConvertWindowsPunctuation(c) : c;
    expected += "\r\n";
  }
  fuzz::Check(joined.outcome == tokens.outcome, "the same outcome");
  fuzz::Check(joined.lines == expected, "streamed joining equals joining the list");
  return 0;
}
