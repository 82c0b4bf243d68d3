#include "command.h"

#include <initializer_list>
#include <optional>
#include <stdexcept>

#include "tokenizer/tokenizer.h"

namespace vandrel_tokenize {
namespace {

constexpr const char* kUsage =
    "Usage: vandrel-tokenize [options] INPUT OUTPUT\n"
    "Tokenizes the text INPUT into OUTPUT, one token per line: Windows-1252 bytes, or with\n"
    "--coding unicode the characters of UTF-8 or UTF-16 text, written as UTF-8.\n"
    "  --abbreviations FILE        load the abbreviation list from FILE\n"
    "  --multiwords FILE           join multi-word units listed in FILE\n"
    "  --clitics english|french|italian|none   clitic detachment on, with that language's tables\n"
    "                              (none: on, with empty tables); without it, detachment is off\n"
    "  --detach-apostrophes        the apostrophe joins the trailing set\n"
    "  --one-letter-abbreviations  a single letter with its period is an abbreviation\n"
    "  --convert-punctuation       convert Windows punctuation to Latin-1 (not with unicode)\n"
    "  --coding latin1|windowswe|unicode|none   the training encoding (none: no item chosen);\n"
    "                              default latin1\n"
    "  --help                      print this help\n"
    "Exit status: 0 after tokenizing (also when a byte-order mark stopped it), 1 when a file\n"
    "cannot be read or written, 2 for bad arguments.\n";

struct Command {
  bool help = false;
  std::optional<std::string> abbreviations;
  std::optional<std::string> multi_words;
  std::optional<std::string> clitic_language;  // "none" for empty tables
  tokenizer::TokenizerOptions options;
  std::vector<std::string> files;
};

class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

bool IsOneOf(const std::string& value, std::initializer_list<const char*> choices) {
  for (const char* choice : choices) {
    if (value == choice)
      return true;
  }
  return false;
}

Command Parse(const std::vector<std::string>& arguments) {
  Command command;
  bool options_ended = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (options_ended || argument.size() < 2 || argument[0] != '-') {
      command.files.push_back(argument);
      continue;
    }
    auto value = [&]() -> const std::string& {
      if (i + 1 == arguments.size())
        throw UsageError("option " + argument + " needs a value");
      return arguments[++i];
    };
    if (argument == "--") {
      options_ended = true;
    } else if (argument == "--help") {
      command.help = true;
      return command;
    } else if (argument == "--abbreviations") {
      command.abbreviations = value();
    } else if (argument == "--multiwords") {
      command.multi_words = value();
    } else if (argument == "--clitics") {
      const std::string& language = value();
      if (!IsOneOf(language, {"english", "french", "italian", "none"}))
        throw UsageError("unknown clitic language '" + language + "'");
      command.clitic_language = language;
    } else if (argument == "--detach-apostrophes") {
      command.options.detach_apostrophes = true;
    } else if (argument == "--one-letter-abbreviations") {
      command.options.one_letter_abbreviations = true;
    } else if (argument == "--convert-punctuation") {
      command.options.convert_punctuation = true;
    } else if (argument == "--coding") {
      const std::string& coding = value();
      if (!IsOneOf(coding, {"latin1", "windowswe", "unicode", "none"}))
        throw UsageError("unknown coding '" + coding + "'");
      command.options.unicode = coding == "unicode";
    } else {
      throw UsageError("unknown option " + argument);
    }
  }
  if (command.files.size() != 2)
    throw UsageError("expected INPUT and OUTPUT");
  if (command.options.unicode && command.options.convert_punctuation)
    throw UsageError("--convert-punctuation does not apply to --coding unicode");
  return command;
}

tokenizer::TokenizerData LoadData(const Command& command) {
  tokenizer::TokenizerData data;
  if (command.abbreviations)
    data.abbreviations =
        tokenizer::LoadAbbreviationFile(*command.abbreviations, command.options.unicode);
  if (command.multi_words)
    data.multi_words = tokenizer::LoadMultiWordFile(*command.multi_words, command.options.unicode);
  if (command.clitic_language) {
    const bool listed = *command.clitic_language != "none";
    data.clitics = tokenizer::CliticTablesFor(listed, *command.clitic_language);
  }
  return data;
}

}  // namespace

int RunCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
  Command command;
  try {
    command = Parse(arguments);
  } catch (const UsageError& error) {
    err << "vandrel-tokenize: " << error.what() << "\n" << kUsage;
    return kUsageError;
  }
  if (command.help) {
    out << kUsage;
    return kSuccess;
  }
  command.options.detach_clitics = command.clitic_language.has_value();
  const std::string& input = command.files[0];
  try {
    const tokenizer::TokenizerData data = LoadData(command);
    tokenizer::TokenizeFile(input, command.files[1], command.options, data,
                            [&err, &input](const tokenizer::MessageEvent& message) {
                              err << tokenizer::EnglishMessageText(message, input) << std::endl;
                            });
  } catch (const std::exception& error) {
    err << error.what() << std::endl;
    return kFileError;
  }
  return kSuccess;
}

}  // namespace vandrel_tokenize
