#include <signal.h>
#include <sys/resource.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "support/temp_folder.h"
#include "tokenize_support.h"
#include "utils/files.h"

namespace tokenizer {
namespace {

using test::Lines;
using test_support::TempFolder;

struct FileRun {
  TokenizeOutcome outcome;
  std::vector<Message> messages;
};

FileRun TokenizeFileWithMessages(const std::string& input, const std::string& output,
                                 const TokenizerOptions& options = {},
                                 const TokenizerData& data = {}) {
  FileRun run;
  run.outcome = TokenizeFile(input, output, options, data,
                             [&run](Message message) { run.messages.push_back(message); });
  return run;
}

TEST(TokenizeFile, WritesOneTokenPerLine) {
  TempFolder folder;
  utils::WriteWholeFile(folder.File("in.txt"), "Hello, world.\nBye!");
  const FileRun run = TokenizeFileWithMessages(folder.File("in.txt"), folder.File("out.txt"));
  EXPECT_EQ(run.outcome, TokenizeOutcome::Tokenized);
  EXPECT_TRUE(run.messages.empty());
  EXPECT_EQ(utils::ReadWholeFile(folder.File("out.txt")),
            Lines({"Hello", ",", "world", ".", "Bye", "!"}));
}

TEST(TokenizeFile, AByteOrderMarkStopIsToldToTheCaller) {
  TempFolder folder;
  utils::WriteWholeFile(folder.File("in.txt"), "\xEF\xBB\xBFword");
  utils::WriteWholeFile(folder.File("out.txt"), "earlier run");
  const FileRun run = TokenizeFileWithMessages(folder.File("in.txt"), folder.File("out.txt"));
  EXPECT_EQ(run.outcome, TokenizeOutcome::StoppedAtByteOrderMark);
  EXPECT_EQ(run.messages, std::vector<Message>{Message::Utf8ByteOrderMark});
  EXPECT_TRUE(utils::FileExists(folder.File("out.txt")));
  EXPECT_EQ(utils::ReadWholeFile(folder.File("out.txt")), "");
}

// The input is named again in another spelling or through a link: it is still the input.
TEST(TokenizeFile, AnInputThatIsItsOwnOutputUnderAnotherNameIsReadBeforeItIsReplaced) {
  TempFolder folder;
  std::filesystem::create_symlink(folder.File("text.txt"), folder.File("link.txt"));
  const std::string utf16("\xFF\xFEw\0o\0", 6);
  struct Case {
    std::string text, output;
    std::vector<Message> messages;
    std::string result;
  } cases[] = {
      {"(one) two.", folder.File("text.txt"), {}, Lines({"(", "one", ")", "two", "."})},
      {"(one) two.", folder.File("./text.txt"), {}, Lines({"(", "one", ")", "two", "."})},
      {"(one) two.", folder.File("link.txt"), {}, Lines({"(", "one", ")", "two", "."})},
      {utf16, folder.File("text.txt"), {Message::Utf16ByteOrderMark}, utf16},
      {"\xEF\xBB\xBFtext\r\n",
       folder.File("./text.txt"),
       {Message::Utf8ByteOrderMark},
       "\xEF\xBB\xBFtext\r\n"},
      {"\xEF\xBB\xBFtext\r\n",
       folder.File("link.txt"),
       {Message::Utf8ByteOrderMark},
       "\xEF\xBB\xBFtext\r\n"},
  };
  for (const Case& c : cases) {
    utils::WriteWholeFile(folder.File("text.txt"), c.text);
    const FileRun run = TokenizeFileWithMessages(folder.File("text.txt"), c.output);
    EXPECT_EQ(run.messages, c.messages) << c.output;
    EXPECT_EQ(utils::ReadWholeFile(folder.File("text.txt")), c.result) << c.output;
    EXPECT_TRUE(std::filesystem::is_symlink(folder.File("link.txt")));
  }
}

TEST(TokenizeFile, AnEmptyInputGivesAnEmptyOutput) {
  TempFolder folder;
  utils::WriteWholeFile(folder.File("in.txt"), "");
  EXPECT_EQ(TokenizeFileWithMessages(folder.File("in.txt"), folder.File("out.txt")).outcome,
            TokenizeOutcome::Tokenized);
  EXPECT_EQ(utils::ReadWholeFile(folder.File("out.txt")), "");
}

TEST(TokenizeFile, AMissingInputLeavesTheOutputAlone) {
  TempFolder folder;
  utils::WriteWholeFile(folder.File("out.txt"), "earlier run");
  EXPECT_THROW(TokenizeFileWithMessages(folder.File("missing.txt"), folder.File("out.txt")),
               std::runtime_error);
  EXPECT_EQ(utils::ReadWholeFile(folder.File("out.txt")), "earlier run");
  EXPECT_THROW(TokenizeFileWithMessages(folder.File("missing.txt"), folder.File("new.txt")),
               std::runtime_error);
  EXPECT_FALSE(utils::FileExists(folder.File("new.txt")));
}

TEST(TokenizeFile, AnOutputThatCannotBeCreatedIsReported) {
  TempFolder folder;
  utils::WriteWholeFile(folder.File("in.txt"), "word");
  try {
    TokenizeFileWithMessages(folder.File("in.txt"), folder.File("no-folder/out.txt"));
    FAIL() << "no exception";
  } catch (const std::runtime_error& error) {
    EXPECT_NE(std::string(error.what()).find("no-folder/out.txt"), std::string::npos);
  }
}

// Makes every write beyond `bytes` bytes into a file fail, for the life of the object.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    saved_handler_ = signal(SIGXFSZ, SIG_IGN);
    rlimit limit = saved_;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    signal(SIGXFSZ, saved_handler_);
  }

 private:
  rlimit saved_{};
  sighandler_t saved_handler_;
};

std::vector<std::string> NamesIn(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

// A full disk (a limit on the file size stands in for it) or a read-only output: the earlier
// output, or the input that is its own output, stays byte for byte, and no temporary file stays.
TEST(TokenizeFile, AFailedWriteLeavesTheEarlierFileAsItWas) {
  std::string text;
  while (text.size() < (3 << 20))
    text += "many words in a long text. ";
  struct Case {
    const char* label;
    bool output_is_input;
    bool read_only;
  } cases[] = {
      {"disk full", false, false},
      {"disk full, input is output", true, false},
      {"read-only output", false, true},
  };
  for (const Case& c : cases) {
    TempFolder folder;
    const std::string input = folder.File("in.txt");
    const std::string output = c.output_is_input ? input : folder.File("out.txt");
    utils::WriteWholeFile(input, text);
    if (!c.output_is_input)
      utils::WriteWholeFile(output, "earlier run\r\n");
    const std::string earlier = utils::ReadWholeFile(output);
    if (c.read_only)
      std::filesystem::permissions(output, std::filesystem::perms::owner_read);
    {
      FileSizeLimit limit(c.read_only ? RLIM_INFINITY : 1 << 20);
      EXPECT_THROW(TokenizeFileWithMessages(input, output), std::runtime_error) << c.label;
    }
    EXPECT_EQ(utils::ReadWholeFile(output), earlier) << c.label;
    EXPECT_EQ(NamesIn(folder.Path()).size(), c.output_is_input ? 1u : 2u) << c.label;
  }
}

TEST(TokenizeFile, WritesALongTextAsTheTextFunctionDoes) {
  TempFolder folder;
  std::string text;
  for (int i = 0; text.size() < (2 << 20); ++i)
    text += "<s\tn=" + std::to_string(i) +
            "\r\n> \x93"
            "Don't\x94 (stop) at U.S. 1990... etc. <p\ra>\r\n";
  text += "<left open\r\nto the end";
  utils::WriteWholeFile(folder.File("in.txt"), text);
  TokenizerOptions options = test::WithClitics();
  options.convert_punctuation = true;
  TokenizerData data = test::CliticsOf("english");
  data.abbreviations = AbbreviationList({"etc."});
  data.multi_words = ReadMultiWordFile("at U.S.\tPLACE\r\n");
  TokenizeFileWithMessages(folder.File("in.txt"), folder.File("out.txt"), options, data);
  const std::string expected = test::Tokenize(text, options, data);
  EXPECT_EQ(utils::ReadWholeFile(folder.File("out.txt")), expected);
  EXPECT_NE(expected.find("at U.S.\tPLACE\r\n1990..\r\n.\r\netc.\r\n<p  a>\r\n<s n=1  >"),
            std::string::npos);
  EXPECT_TRUE(expected.ends_with("\r\n<left open  to the end  \r\n"));
}

}  // namespace
}  // namespace tokenizer
