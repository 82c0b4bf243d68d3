// Builds the engine's command lines from hostile names (every character the command interpreter
// treats specially, line ends, NUL, very long names) and checks that each line is either refused
// with a message or, read as the command interpreter and the C runtime read it, gives back
// exactly the arguments it was built from.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "command_line_split.h"
#include "fuzz_checks.h"
#include "run/engine_command.h"
#include "ui_text/text_set.h"

namespace {

// A piece of a folder or language name: Windows paths hold no control bytes and none of these.
std::string PathPart(std::string text) {
  std::string part;
  for (const char c : text) {
    if (static_cast<unsigned char>(c) >= 32 &&
        std::string_view("\"<>|?*").find(c) == std::string_view::npos)
      part += c;
  }
  return part;
}

std::string HostileName(FuzzedDataProvider& provider) {
  std::string name = provider.ConsumeRandomLengthString(64);
  if (provider.ConsumeIntegralInRange(0, 15) == 0)
    name.append(provider.ConsumeIntegralInRange<std::size_t>(0, 40000),
                name.empty() ? 'x' : name.back());
  return name;
}

// A refusal in a text of its own: the interface's text sets are not part of the fuzzer's build.
ui_text::NamedTexts RefusalTexts() {
  ui_text::NamedTexts texts;
  texts.UnpassableMsg = "%1 refused: %2";
  return texts;
}

bool Unpassable(const std::string& value) {
  return value.find_first_of(std::string_view("\"\r\n\0", 4)) != std::string::npos;
}

void CheckLine(const std::string& line, const std::vector<std::string>& expected,
               const std::optional<std::string>& redirection) {
  const fuzz::BatchLine read = fuzz::ReadBatchLine(run::EscapePercentSigns(line));
  fuzz::Check(read.readable, "the command interpreter reads the line as one command");
  fuzz::Check(read.arguments == expected, "the arguments come back as they were given");
  fuzz::Check(read.redirection == redirection, "the output file comes back as it was given");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider provider(data, size);
  run::InstallationFolders folders;
  folders.RootFolder = PathPart(provider.ConsumeRandomLengthString(64)) + "\\";
  const bool subfolders = provider.ConsumeBool();
  folders.BinSubfolder = subfolders ? "bin\\" : "";
  folders.LibSubfolder = subfolders ? "lib\\" : "";
  const std::string language = PathPart(provider.ConsumeRandomLengthString(32));
  run::EngineFlagChoices choices;
  choices.token = true;
  choices.eos_tag = true;
  choices.eos_tag_text = HostileName(provider);
  choices.lex = true;
  choices.lex_text = HostileName(provider);
  choices.quiet = provider.ConsumeBool();
  const bool pairwise = provider.ConsumeBool();
  const std::string input = HostileName(provider);
  const std::string output = HostileName(provider);

  const std::string engine = folders.RootFolder + folders.BinSubfolder + "vandrel";
  const ui_text::NamedTexts texts = RefusalTexts();
  try {
    const std::string flags = run::EngineFlags(choices, ',', texts);
    std::vector<std::string> flag_arguments = {"-token"};
    if (!choices.eos_tag_text.empty())
      flag_arguments.insert(flag_arguments.end(), {"-eos-tag", choices.eos_tag_text});
    if (choices.quiet)
      flag_arguments.push_back("-quiet");
    if (!choices.lex_text.empty())
      flag_arguments.insert(flag_arguments.end(), {"-lex", choices.lex_text});
    const std::string line =
        run::TaggingCommandLine(folders, language, input, output, flags, pairwise, texts);
    std::vector<std::string> expected = {engine, run::ParameterFilePath(folders, language)};
    if (pairwise) {
      expected.insert(expected.end(), flag_arguments.begin(), flag_arguments.end());
      expected.insert(expected.end(), {"-files", input});
    } else {
      expected.insert(expected.end(), {input, output});
      expected.insert(expected.end(), flag_arguments.begin(), flag_arguments.end());
    }
    CheckLine(line, expected, std::nullopt);
  } catch (const std::runtime_error& error) {
    fuzz::Check(std::string(error.what()).size() > 0, "a refusal says why");
    fuzz::Check(Unpassable(input) || (!pairwise && Unpassable(output)) ||
                    Unpassable(choices.eos_tag_text) || Unpassable(choices.lex_text),
                "only a name that cannot be passed is refused");
  }

  const run::TreeTask task =
      provider.ConsumeBool() ? run::TreeTask::ProbabilityTree : run::TreeTask::SuffixTree;
  try {
    const std::string line =
        run::TreeCommandLine(folders, language, task, choices.quiet, output, texts);
    std::vector<std::string> expected = {
        engine, folders.LibSubfolder + language + ".par",
        task == run::TreeTask::ProbabilityTree ? "-print-prob-tree" : "-print-suffix-tree"};
    if (choices.quiet)
      expected.push_back("-quiet");
    CheckLine(line, expected, output);
  } catch (const std::runtime_error& error) {
    fuzz::Check(std::string(error.what()).size() > 0, "a refusal says why");
    fuzz::Check(Unpassable(output), "only a name that cannot be passed is refused");
  }
  return 0;
}
