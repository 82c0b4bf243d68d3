// Runs the built demo engine as a child process, with the command lines that the window
// writes into its batch file.
#include <sys/wait.h>

#include <gtest/gtest.h>

#include <cstdlib>

#include "demo_engine_test_data.h"
#include "support/temp_folder.h"
#include "utils/files.h"

namespace demo_engine {
namespace {

using test_support::TempFolder;

struct Result {
  int status;
  std::string standard_output;
  std::string standard_error;
};

class DemoEngineProgram : public ::testing::Test {
 protected:
  DemoEngineProgram() {
    utils::WriteWholeFile(folder_.File("test.par"), kTestParameters);
    utils::WriteWholeFile(folder_.File("workfile1.txt"), "The\r\ndog\r\nsaw\r\nit\r\n.\r\n");
  }

  // Runs the engine in the test's folder with `arguments` written as on a command line.
  Result Run(const std::string& arguments) {
    const std::string command = "cd '" + folder_.Path() + "' && '" + DEMO_ENGINE_PROGRAM + "' " +
                                arguments + " >stdout.txt 2>stderr.txt";
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, Read("stdout.txt"), Read("stderr.txt")};
  }

  std::string Read(const std::string& name) const {
    return utils::ReadWholeFile(folder_.File(name));
  }

  TempFolder folder_;
};

TEST_F(DemoEngineProgram, TagsAnInputFileIntoAnOutputFile) {
  const Result result =
      Run("'" + folder_.File("test.par") + "' workfile1.txt res.txt -token -lemma");
  EXPECT_EQ(result.status, 0) << result.standard_error;
  EXPECT_EQ(Read("res.txt"),
            "The\tDT\tthe\r\ndog\tNN\tdog\r\nsaw\tVBD\tsee\r\nit\tNN\t<unknown>\r\n.\tSENT\t.\r\n");
  EXPECT_EQ(result.standard_output, "");
  EXPECT_NE(result.standard_error.find("tagging workfile1.txt into res.txt"), std::string::npos);
  EXPECT_NE(result.standard_error.find("5 tokens, 1 sentences, 1 unknown"), std::string::npos);
}

TEST_F(DemoEngineProgram, TagsEachPairOfAListFile) {
  utils::WriteWholeFile(folder_.File("second.txt"), "walk\n");
  utils::WriteWholeFile(folder_.File("pairs.txt"),
                        "workfile1.txt first.out\r\nsecond.txt\tsecond.out\r\n");
  const Result result = Run("'" + folder_.File("test.par") + "'  -token -files pairs.txt");
  EXPECT_EQ(result.status, 0) << result.standard_error;
  EXPECT_EQ(Read("first.out"), "The\tDT\r\ndog\tNN\r\nsaw\tVBD\r\nit\tNN\r\n.\tSENT\r\n");
  EXPECT_EQ(Read("second.out"), "walk\tVB\r\n");
}

TEST_F(DemoEngineProgram, PrintsTheTreesToStandardOutput) {
  Result result = Run("test.par -print-prob-tree -quiet");
  EXPECT_EQ(result.status, 0) << result.standard_error;
  EXPECT_EQ(result.standard_error, "");
  EXPECT_NE(result.standard_output.find("all tags  180\r\n"), std::string::npos);
  EXPECT_NE(result.standard_output.find("  DT          100     0.5556  e.g. the\r\n"),
            std::string::npos)
      << result.standard_output;

  result = Run("test.par -print-suffix-tree");
  EXPECT_EQ(result.status, 0) << result.standard_error;
  EXPECT_NE(result.standard_error.find("parameter file test.par (english, 6 words)"),
            std::string::npos);
  EXPECT_NE(result.standard_output.find("  -ly             RB 10\r\n"), std::string::npos)
      << result.standard_output;
  EXPECT_NE(result.standard_output.find("  -s              NNS 8  VBZ 2\r\n"), std::string::npos);
  EXPECT_NE(result.standard_output.find("  un-             JJ 3\r\n"), std::string::npos);
}

TEST_F(DemoEngineProgram, SaysThatItIsAStandIn) {
  const Result result = Run("-help");
  EXPECT_EQ(result.status, 0);
  EXPECT_NE(result.standard_output.find("a stand-in for the tagger engine"), std::string::npos);
}

TEST_F(DemoEngineProgram, FailsWithAMessageAndStatusOne) {
  utils::WriteWholeFile(folder_.File("foreign.par"), std::string("\x00\x01\x02par", 6));
  struct Row {
    const char* arguments;
    const char* message;
  };
  const Row rows[] = {
      {"test.par workfile1.txt res.txt -token -frobnicate", "Unknown option -frobnicate"},
      {"missing.par workfile1.txt res.txt", "Cannot open file \"missing.par\""},
      {"foreign.par workfile1.txt res.txt -quiet",
       "\"foreign.par\" is not a parameter file of the demo engine"},
      {"test.par missing.txt res.txt", "Cannot open file \"missing.txt\""},
      {"test.par workfile1.txt no-such-folder/res.txt", "no-such-folder/res.txt"},
      {"test.par workfile1.txt res.txt -lex missing-lexicon.txt",
       "Cannot open file \"missing-lexicon.txt\""},
      {"test.par -files missing-list.txt", "Cannot open file \"missing-list.txt\""},
  };
  for (const Row& row : rows) {
    const Result result = Run(row.arguments);
    EXPECT_EQ(result.status, 1) << row.arguments;
    EXPECT_NE(result.standard_error.find(row.message), std::string::npos)
        << row.arguments << "\n  gave: " << result.standard_error;
    EXPECT_FALSE(utils::FileExists(folder_.File("res.txt"))) << row.arguments;
  }
}

TEST_F(DemoEngineProgram, LeavesAnEarlierOutputWholeWhenTheInputIsMissing) {
  utils::WriteWholeFile(folder_.File("res.txt"), "earlier result\r\n");
  EXPECT_EQ(Run("test.par missing.txt res.txt").status, 1);
  EXPECT_EQ(Read("res.txt"), "earlier result\r\n");
}

TEST_F(DemoEngineProgram, RefusesAListWithAnOddNumberOfNames) {
  utils::WriteWholeFile(folder_.File("pairs.txt"), "workfile1.txt out1.txt\r\nlonely.txt\r\n");
  const Result result = Run("test.par -files pairs.txt");
  EXPECT_EQ(result.status, 1);
  EXPECT_NE(result.standard_error.find("must name pairs of an input and an output file, but it "
                                       "names 3 files"),
            std::string::npos);
  EXPECT_FALSE(utils::FileExists(folder_.File("out1.txt")));
}

}  // namespace
}  // namespace demo_engine
