#include <sys/wait.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <sstream>

#include "command.h"
#include "support/temp_folder.h"
#include "utils/files.h"

namespace vandrel_tokenize {
namespace {

using test_support::TempFolder;

struct Result {
  int status;
  std::string out;
  std::string err;
};

Result RunTool(const std::vector<std::string>& arguments) {
  std::ostringstream out;
  std::ostringstream err;
  const int status = RunCommand(arguments, out, err);
  return {status, out.str(), err.str()};
}

// Tokenizes `text` with the given options and returns the output file's bytes.
std::string Output(TempFolder& folder, const std::string& text, std::vector<std::string> options) {
  utils::WriteWholeFile(folder.File("in.txt"), text);
  options.push_back(folder.File("in.txt"));
  options.push_back(folder.File("out.txt"));
  const Result result = RunTool(options);
  EXPECT_EQ(result.status, kSuccess) << result.err;
  return utils::ReadWholeFile(folder.File("out.txt"));
}

TEST(TokenizeDriver, HelpPrintsTheUsage) {
  const Result result = RunTool({"--help"});
  EXPECT_EQ(result.status, kSuccess);
  EXPECT_NE(result.out.find("Usage: vandrel-tokenize [options] INPUT OUTPUT"), std::string::npos);
  EXPECT_NE(result.out.find("--one-letter-abbreviations"), std::string::npos);
  EXPECT_EQ(result.err, "");
}

TEST(TokenizeDriver, BadArgumentsGiveTheUsageAndStatus2) {
  TempFolder folder;
  const std::string in = folder.File("in.txt");
  const std::string out = folder.File("out.txt");
  utils::WriteWholeFile(in, "word");
  const std::vector<std::vector<std::string>> cases = {
      {},
      {in},
      {in, out, folder.File("third.txt")},
      {"--bogus", in, out},
      {"-x", in, out},
      {"--clitics", "german", in, out},
      {"--clitics", "English", in, out},
      {"--coding", "utf8", in, out},
      {"--coding", "unicode", "--convert-punctuation", in, out},
      {in, out, "--abbreviations"},
      {in, out, "--multiwords"},
      {in, out, "--clitics"},
      {in, out, "--coding"},
  };
  for (const auto& arguments : cases) {
    const Result result = RunTool(arguments);
    EXPECT_EQ(result.status, kUsageError) << testing::PrintToString(arguments);
    EXPECT_EQ(result.err.rfind("vandrel-tokenize: ", 0), 0u) << result.err;
    EXPECT_NE(result.err.find("Usage:"), std::string::npos);
    EXPECT_EQ(result.out, "");
    EXPECT_FALSE(utils::FileExists(out));
  }
}

TEST(TokenizeDriver, FilesThatCannotBeReadOrWrittenGiveStatus1) {
  TempFolder folder;
  const std::string in = folder.File("in.txt");
  const std::string out = folder.File("out.txt");
  const std::string missing = folder.File("missing");
  utils::WriteWholeFile(in, "word");
  const std::vector<std::vector<std::string>> cases = {
      {missing, out},
      {"--abbreviations", missing, in, out},
      {"--multiwords", missing, in, out},
      {in, folder.File("no-folder/out.txt")},
  };
  for (const auto& arguments : cases) {
    const Result result = RunTool(arguments);
    EXPECT_EQ(result.status, kFileError) << testing::PrintToString(arguments);
    EXPECT_NE(result.err.find("\""), std::string::npos) << result.err;
    EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
    EXPECT_FALSE(utils::FileExists(out));
  }
}

TEST(TokenizeDriver, ByteOrderMarksStopWithStatus0UnlessTheCodingIsUnicode) {
  TempFolder folder;
  const std::string in = folder.File("in.txt");
  const std::string out = folder.File("out.txt");
  utils::WriteWholeFile(in, "\xEF\xBB\xBFword");
  for (const char* coding : {"latin1", "windowswe", "none"}) {
    utils::WriteWholeFile(out, "earlier");
    const Result result = RunTool({"--coding", coding, in, out});
    EXPECT_EQ(result.status, kSuccess) << coding;
    EXPECT_EQ(result.err, "Text " + in + " is in Unicode UTF8 - convert to ANSI\n") << coding;
    EXPECT_EQ(utils::ReadWholeFile(out), "") << coding;
  }
  const Result by_default = RunTool({in, out});
  EXPECT_EQ(by_default.err, "Text " + in + " is in Unicode UTF8 - convert to ANSI\n");
  const Result unicode = RunTool({"--coding", "unicode", in, out});
  EXPECT_EQ(unicode.status, kSuccess);
  EXPECT_EQ(unicode.err, "");
  EXPECT_EQ(utils::ReadWholeFile(out), "word\r\n");
}

TEST(TokenizeDriver, MarkupMessagesOnePerLineInOrder) {
  TempFolder folder;
  utils::WriteWholeFile(folder.File("in.txt"), "a> b> <x<y> <open");
  const Result result = RunTool({folder.File("in.txt"), folder.File("out.txt")});
  EXPECT_EQ(result.status, kSuccess);
  EXPECT_EQ(result.err,
            "Error: > outside tag.\nError: < in tag.\nError: text ends within a tag.\n");
  EXPECT_EQ(utils::ReadWholeFile(folder.File("out.txt")), "a\r\nb\r\n<x<y>\r\n<open  \r\n");
}

TEST(TokenizeDriver, OptionsReachTheTokenizer) {
  TempFolder folder;
  utils::WriteWholeFile(folder.File("abbreviations"), "# English\r\netc.\r\n");
  utils::WriteWholeFile(folder.File("mwls"), "in spite of\tPREP\nNew York\tNP\n");
  struct Row {
    std::vector<std::string> options;
    std::string text;
    std::string lines;
  };
  const Row rows[] = {
      {{},
       "don't etc. A. dogs' \x93x\x94",
       "don't\r\netc\r\n.\r\nA\r\n.\r\ndogs'\r\n\x93\r\nx\r\n\x94\r\n"},
      {{"--clitics", "english"}, "don't", "do\r\nn't\r\n"},
      {{"--clitics", "none"}, "don't l'homme", "don't\r\nl'homme\r\n"},
      {{"--clitics", "french"}, "l'homme a-t-on", "l'\r\nhomme\r\na\r\n-t-on\r\n"},
      {{"--clitics", "italian"}, "dell'anno", "dell'\r\nanno\r\n"},
      {{"--abbreviations", folder.File("abbreviations")}, "Etc.", "Etc.\r\n"},
      {{"--one-letter-abbreviations"}, "A.", "A.\r\n"},
      {{"--detach-apostrophes"}, "dogs'", "dogs\r\n'\r\n"},
      {{"--convert-punctuation"}, "\x93x\x94", "\"\r\nx\r\n\"\r\n"},
      {{"--multiwords", folder.File("mwls")},
       "In spite of New York.",
       "In spite of\tPREP\r\nNew York\tNP\r\n.\r\n"},
  };
  for (const Row& row : rows)
    EXPECT_EQ(Output(folder, row.text, row.options), row.lines)
        << testing::PrintToString(row.options);
}

TEST(TokenizeDriver, UnicodeReadsUtf8ListsAndNamesTheFirstByteThatIsNoUtf8) {
  TempFolder folder;
  utils::WriteWholeFile(folder.File("abbreviations"), "\xEF\xBB\xBFт.е.\r\nг.\r\n");
  utils::WriteWholeFile(folder.File("mwls"), "\xEF\xBB\xBFв течение\tPREP\r\n");
  const std::string in = folder.File("in.txt");
  utils::WriteWholeFile(in, "В течение дня, т.е. \xFF г.");
  const Result result =
      RunTool({"--coding", "unicode", "--abbreviations", folder.File("abbreviations"),
               "--multiwords", folder.File("mwls"), in, folder.File("out.txt")});
  EXPECT_EQ(result.status, kSuccess);
  EXPECT_EQ(result.err, "Text " + in +
                            " is not valid UTF-8 at byte offset 33; such bytes are passed on "
                            "unchanged.\n");
  EXPECT_EQ(utils::ReadWholeFile(folder.File("out.txt")),
            "В течение\tPREP\r\nдня\r\n,\r\nт.е.\r\n\xFF\r\nг.\r\n");
}

TEST(TokenizeDriver, TwoDashesEndTheOptions) {
  TempFolder folder;
  utils::WriteWholeFile(folder.File("--in"), "a b");
  const Result result = RunTool({"--", folder.File("--in"), folder.File("--out")});
  EXPECT_EQ(result.status, kSuccess) << result.err;
  EXPECT_EQ(utils::ReadWholeFile(folder.File("--out")), "a\r\nb\r\n");
}

int ExitStatusOf(const std::string& command_line) {
  const int status = std::system(command_line.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(TokenizeDriver, TheProgramExitsWithTheCommandsStatus) {
  TempFolder folder;
  const std::string program = VANDREL_TOKENIZE_PROGRAM;
  const std::string quiet = " >/dev/null 2>&1";
  utils::WriteWholeFile(folder.File("in.txt"), "Hello.");
  EXPECT_EQ(ExitStatusOf(program + " --help" + quiet), 0);
  EXPECT_EQ(ExitStatusOf(program + quiet), 2);
  EXPECT_EQ(ExitStatusOf(program + " " + folder.File("missing") + " " + folder.File("o") + quiet),
            1);
  EXPECT_EQ(
      ExitStatusOf(program + " " + folder.File("in.txt") + " " + folder.File("out.txt") + quiet),
      0);
  EXPECT_EQ(utils::ReadWholeFile(folder.File("out.txt")), "Hello\r\n.\r\n");
}

}  // namespace
}  // namespace vandrel_tokenize
