#include "run/engine_command.h"

#include <stdexcept>

namespace run {
namespace {

std::string Quoted(std::string_view text) {
  return '"' + std::string(text) + '"';
}

std::string EngineName(const InstallationFolders& folders) {
  return Quoted(folders.RootFolder + folders.BinSubfolder + "vandrel");
}

}  // namespace

std::string ToEngineNumber(std::string_view text, char decimal_separator) {
  std::string number(text);
  const std::size_t separator = number.find(decimal_separator);
  if (separator != std::string::npos)
    number[separator] = '.';
  return number;
}

void RequirePassable(std::string_view value, ValueNoun what, const ui_text::NamedTexts& texts) {
  if (value.find_first_of(std::string_view("\"\r\n\0", 4)) == std::string_view::npos)
    return;
  // One pass, so that a "%1" or "%2" in the value stays as it is.
  const std::string_view shown = value.substr(0, value.find('\0'));
  const std::string& refusal = texts.UnpassableMsg;
  std::string message;
  for (std::size_t i = 0; i < refusal.size(); ++i) {
    if (refusal[i] == '%' && i + 1 < refusal.size() &&
        (refusal[i + 1] == '1' || refusal[i + 1] == '2')) {
      message += refusal[i + 1] == '1' ? texts.*what : std::string(shown);
      ++i;
    } else {
      message += refusal[i];
    }
  }
  throw std::runtime_error(message);
}

std::string BatchArgument(std::string_view value, ValueNoun what,
                          const ui_text::NamedTexts& texts) {
  RequirePassable(value, what, texts);
  if (!value.empty() && value.find_first_of(" \t&|<>^(),;=%") == std::string_view::npos)
    return std::string(value);
  // Backslashes before the closing quote are doubled, or the program's C runtime would read
  // the last one as escaping the quote.
  const std::size_t kept = value.find_last_not_of('\\') + 1;
  return '"' + std::string(value) + std::string(value.size() - kept, '\\') + '"';
}

std::string EngineFlags(const EngineFlagChoices& choices, char decimal_separator,
                        const ui_text::NamedTexts& texts) {
  std::string flags;
  const auto add = [&flags](bool condition, std::string_view flag) {
    if (condition)
      flags += flag;
  };
  add(choices.token, " -token");
  add(choices.lemma, " -lemma");
  add(choices.no_unknown, " -no-unknown");
  add(choices.sgml, " -sgml");
  add(choices.pt_with_prob, " -pt-with-prob");
  add(choices.pt_with_lemma, " -pt-with-lemma");
  add(choices.cap_heuristics, " -cap-heuristics");
  add(choices.hyphen_heuristics, " -hyphen-heuristics");
  if (choices.eos_tag && !choices.eos_tag_text.empty()) {
    flags +=
        " -eos-tag " + BatchArgument(choices.eos_tag_text, &ui_text::NamedTexts::EosTagNoun, texts);
  }
  add(choices.base, " -base");
  if (choices.eps && !choices.eps_text.empty()) {
    flags += " -eps " + ToEngineNumber(choices.eps_text, decimal_separator);
  }
  if (choices.threshold) {
    flags += " -threshold " + ToEngineNumber(choices.threshold_text, decimal_separator);
  }
  add(choices.threshold && choices.prob, " -prob");
  add(choices.lex_info == 1, " -proto");
  add(choices.lex_info == 2, " -gramotron");
  add(choices.lex_info == 3, " -proto-with-prob");
  add(choices.quiet, " -quiet");
  add(choices.ignore_prefix, " -ignore-prefix");
  if (choices.lex && !choices.lex_text.empty()) {
    flags +=
        " -lex " + BatchArgument(choices.lex_text, &ui_text::NamedTexts::AuxLexNameNoun, texts);
  }
  return flags;
}

std::string TaggingCommandLine(const InstallationFolders& folders, std::string_view language_name,
                               std::string_view engine_input, std::string_view output_name,
                               std::string_view flags, bool pairwise,
                               const ui_text::NamedTexts& texts) {
  std::string line =
      EngineName(folders) + " " + Quoted(ParameterFilePath(folders, language_name)) + " ";
  if (pairwise) {
    line += std::string(flags) + " -files " +
            BatchArgument(engine_input, &ui_text::NamedTexts::ListNameNoun, texts);
  } else {
    line += BatchArgument(engine_input, &ui_text::NamedTexts::InputNameNoun, texts) + " " +
            BatchArgument(output_name, &ui_text::NamedTexts::OutputNameNoun, texts) +
            std::string(flags);
  }
  return line;
}

std::string TreeCommandLine(const InstallationFolders& folders, std::string_view language_name,
                            TreeTask task, bool quiet, std::string_view output_name,
                            const ui_text::NamedTexts& texts) {
  std::string line =
      EngineName(folders) + " " +
      BatchArgument(folders.LibSubfolder + std::string(language_name) + ".par",
                    &ui_text::NamedTexts::ParameterNameNoun, texts) +
      (task == TreeTask::ProbabilityTree ? " -print-prob-tree" : " -print-suffix-tree");
  if (quiet)
    line += " -quiet";
  RequirePassable(output_name, &ui_text::NamedTexts::OutputNameNoun, texts);
  return line + " >" + Quoted(output_name);
}

std::string EscapePercentSigns(std::string_view command_line) {
  std::string escaped;
  for (char c : command_line) {
    escaped += c;
    if (c == '%')
      escaped += '%';
  }
  return escaped;
}

std::string OwnProgramCommandLine(std::string_view command, std::string_view input_name,
                                  std::string_view output_path, const ui_text::NamedTexts& texts) {
  return std::string(command) + " " +
         BatchArgument(input_name, &ui_text::NamedTexts::InputNameNoun, texts) + " " +
         BatchArgument(output_path, &ui_text::NamedTexts::OwnOutputNameNoun, texts);
}

}  // namespace run
