#include "run/verify.h"

#include <gtest/gtest.h>

#include "run/own_program.h"
#include "support/temp_folder.h"
#include "ui_text/text_set.h"
#include "utils/files.h"

namespace run {
namespace {

using test_support::TempFolder;

class VerifyTest : public ::testing::Test {
 protected:
  void SetUp() override {
    utils::WriteWholeFile(folder_.File("english.par"), "p");
    utils::WriteWholeFile(folder_.File("in.txt"), "text");
    input_.input_name = folder_.File("in.txt");
    input_.output_name = folder_.File("out.txt");
    input_.parameter_file = folder_.File("english.par");
    input_.language_name = "english";
  }

  std::vector<std::string> Verify() {
    return VerifyOptions(input_, ui_text::EnglishTextSet().named);
  }
  std::string File(const std::string& name) const { return folder_.File(name); }

  VerificationInput input_;

 private:
  TempFolder folder_;
};

const std::string kAdvice =
    "Choose a different language,\r\nor Ensure program and language files are in Vandrel "
    "directory,\r\nor Exit.";

TEST_F(VerifyTest, EverythingInOrderShowsNothing) {
  EXPECT_TRUE(Verify().empty());
}

TEST_F(VerifyTest, BothFileNamesMissingGiveOneBox) {
  input_.input_name.clear();
  input_.output_name.clear();
  EXPECT_EQ(Verify(),
            std::vector<std::string>{"No input file named.\r\nNo output file named.\r\n\r\n"});
}

TEST_F(VerifyTest, AMissingInputFileIsNamedAsSuch) {
  input_.input_name = File("missing.txt");
  EXPECT_EQ(Verify(), std::vector<std::string>{"Input file not found.\r\n\r\n"});
  input_.input_name = File("");  // the folder itself is no file
  EXPECT_EQ(Verify(), std::vector<std::string>{"Input file not found.\r\n\r\n"});
}

TEST_F(VerifyTest, PairwiseModeNeedsNoOutputName) {
  input_.output_name.clear();
  input_.pairwise_checked = true;
  EXPECT_TRUE(Verify().empty());
}

TEST_F(VerifyTest, AMissingParameterFileAddsTheAdvice) {
  input_.language_name = "xyz";
  input_.parameter_file = File("xyz.par");
  EXPECT_EQ(Verify(), std::vector<std::string>{"\r\nFile xyz.par not found.\r\n\r\n" + kAdvice});
  input_.output_name.clear();
  EXPECT_EQ(Verify(), std::vector<std::string>{"No output file named.\r\n\r\n\r\nFile xyz.par "
                                               "not found.\r\n\r\n" +
                                               kAdvice});
}

TEST_F(VerifyTest, TheOwnProgramIsTestedByItsFileName) {
  utils::WriteWholeFile(File("tok.exe"), "program");
  utils::WriteWholeFile(File("my tok.exe"), "program");
  struct Row {
    std::string command;
    std::string missing_entry;  // empty: no problem
  };
  const Row rows[] = {
      {File("tok.exe"), ""},
      {File("tok.exe") + " -x --y", ""},
      {"", "No own program file named.\r\n"},
      {File("other.exe") + " -x", "File " + File("other.exe") + " not found.\r\n"},
      // An unquoted path with a blank is cut at the blank.
      {File("my tok.exe") + " -x", "File " + File("my") + " not found.\r\n"},
      {"\"" + File("my tok.exe") + "\" -x", ""},
      {"\"" + File("my other.exe") + "\" -x", "File " + File("my other.exe") + " not found.\r\n"},
  };
  input_.own_program_in_use = true;
  for (const Row& row : rows) {
    input_.own_program_command = row.command;
    const std::vector<std::string> expected =
        row.missing_entry.empty()
            ? std::vector<std::string>{}
            : std::vector<std::string>{"\r\n" + row.missing_entry + "\r\n" + kAdvice};
    EXPECT_EQ(Verify(), expected) << row.command;
  }
  input_.own_program_in_use = false;
  input_.own_program_command = File("other.exe");
  EXPECT_TRUE(Verify().empty());
}

TEST_F(VerifyTest, TheAuxiliaryLexiconMustBeNamedAndPresent) {
  input_.auxiliary_lexicon_in_use = true;
  EXPECT_EQ(Verify(),
            std::vector<std::string>{"\r\nNo auxiliary lexicon file named.\r\n\r\n" + kAdvice});
  input_.auxiliary_lexicon_name = "lex.txt";
  EXPECT_EQ(Verify(), std::vector<std::string>{"\r\nFile lex.txt not found.\r\n\r\n" + kAdvice});
  input_.auxiliary_lexicon_name = File("in.txt");
  EXPECT_TRUE(Verify().empty());
}

TEST_F(VerifyTest, BadNumbersGoIntoASecondBox) {
  input_.input_name.clear();
  input_.probability_factor_in_use = true;
  input_.probability_factor = "0.5";
  input_.replacement_frequency_in_use = true;
  input_.replacement_frequency = "";
  input_.decimal_separator = ',';
  EXPECT_EQ(Verify(),
            (std::vector<std::string>{"No input file named.\r\n\r\n",
                                      "Invalid probability factor for outputting tags.\r\nInvalid "
                                      "replacement for zero lexical frequencies."}));
  input_.probability_factor = "0,5";
  EXPECT_EQ(Verify()[1], "Invalid replacement for zero lexical frequencies.");
  input_.replacement_frequency_in_use = false;
  EXPECT_EQ(Verify().size(), 1u);
}

TEST_F(VerifyTest, TreeTasksTestOnlyTheOutputNameAndTheParameterFile) {
  input_.tree_task = true;
  input_.input_name.clear();
  input_.own_program_in_use = true;
  input_.probability_factor_in_use = true;
  EXPECT_TRUE(Verify().empty());
  input_.output_name.clear();
  input_.pairwise_checked = true;
  EXPECT_EQ(Verify(), std::vector<std::string>{"No output file named.\r\n"});
  input_.parameter_file = File("missing.par");
  EXPECT_EQ(Verify(), std::vector<std::string>{"No output file named.\r\n\r\nFile english.par "
                                               "not found.\r\n\r\n" +
                                               kAdvice});
}

TEST(OwnProgramFileName, TakesThePathUpToTheFirstBlankOrInQuotes) {
  EXPECT_EQ(OwnProgramFileName("tok.exe -a b"), "tok.exe");
  EXPECT_EQ(OwnProgramFileName("tok.exe"), "tok.exe");
  EXPECT_EQ(OwnProgramFileName("\"C:\\Program Files\\Tok\\tok.exe\" -x"),
            "C:\\Program Files\\Tok\\tok.exe");
  EXPECT_EQ(OwnProgramFileName("\"C:\\unclosed path"), "C:\\unclosed path");
  EXPECT_EQ(OwnProgramFileName(" tok.exe"), "");
}

}  // namespace
}  // namespace run
