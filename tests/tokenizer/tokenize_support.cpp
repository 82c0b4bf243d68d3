#include "tokenize_support.h"

namespace tokenizer::test {

std::string Lines(std::initializer_list<std::string_view> lines) {
  std::string bytes;
  for (std::string_view line : lines) {
    bytes.append(line);
    bytes.append("\r\n");
  }
  return bytes;
}

Run TokenizeWithMessages(std::string_view text, const TokenizerOptions& options,
                         const TokenizerData& data) {
  Run run;
  run.result = TokenizeText(text, options, data, [&run](const MessageEvent& message) {
    run.messages.push_back(message);
    run.offsets.push_back(message.byte_offset);
  });
  return run;
}

std::string Tokenize(std::string_view text, const TokenizerOptions& options,
                     const TokenizerData& data) {
  return TokenizeWithMessages(text, options, data).result.lines;
}

TokenizerOptions WithClitics() {
  TokenizerOptions options;
  options.detach_clitics = true;
  return options;
}

TokenizerData CliticsOf(std::string_view language_name) {
  TokenizerData data;
  data.clitics = CliticTablesFor(true, language_name);
  return data;
}

}  // namespace tokenizer::test
