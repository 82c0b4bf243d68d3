#include <gtest/gtest.h>

#include <filesystem>

#include "support/form_fixture.h"
#include "ui_text/text_set.h"
#include "utils/files.h"

namespace app {
namespace {

using test_support::FormTest;
using test_support::ScriptedDesktop;

// What the batch file held and which files were there when the engine ran.
struct EngineRun {
  std::string command_line;
  std::string working_folder;
  std::string engine_line;
  bool tokenizer_output_there = false;
  bool own_output_there = false;
  std::string tokenizer_output;
};

class RunTest : public FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    InstallEnglish();
    std::filesystem::create_directories(Root() + "texts");
    std::filesystem::create_directories(Root() + "out");
    std::filesystem::create_directories(Root() + "temp");
    desktop.temporary_folder = Root() + "temp/";
    utils::WriteWholeFile(Input(), "Hello, world.\r\n");
    desktop.on_command = [this](const ScriptedDesktop::Command& command) { Record(command); };
  }

  std::string Input() const { return Root() + "texts/in.txt"; }
  std::string Out(const std::string& name) const { return Root() + "out/" + name; }
  std::string Engine() const {
    return "\"" + Root() + "bin/vandrel\" \"" + Root() + "lib/english.par\"";
  }
  // A run's batch file is the first free name in the temporary folder.
  std::string BatchFile() const { return Root() + "temp/vandrel-1.bat"; }

  TVandrelForm& StartReady() {
    TVandrelForm& form = Start();
    form.InputEdit.SetText(Input());
    form.OutputEdit.SetText(Out("res.txt"));
    return form;
  }

  void Record(const ScriptedDesktop::Command& command) {
    const bool batch = command.command_line.size() > 6 &&
                       command.command_line.ends_with(".bat\"") &&
                       command.command_line.front() == '"';
    if (!batch) {
      if (own_program_output)
        utils::WriteWholeFile(command.working_folder + "workfile0.txt", *own_program_output);
      return;
    }
    EngineRun run;
    run.command_line = command.command_line;
    run.working_folder = command.working_folder;
    const std::string text =
        utils::ReadWholeFile(command.command_line.substr(1, command.command_line.size() - 2));
    EXPECT_EQ(text.substr(0, 11), "@echo off\r\n");
    EXPECT_EQ(text.substr(text.size() - 9), "\r\npause\r\n");
    run.engine_line = text.substr(11, text.size() - 20);
    const std::string folder =
        command.working_folder.empty() ? utils::CurrentFolder() : command.working_folder;
    run.tokenizer_output_there = utils::FileExists(folder + "workfile1.txt");
    run.own_output_there = utils::FileExists(folder + "workfile0.txt");
    if (run.tokenizer_output_there)
      run.tokenizer_output = utils::ReadWholeFile(folder + "workfile1.txt");
    engine_runs.push_back(run);
  }

  void ExpectRunEndedNormally() {
    TVandrelForm& form = Form();
    EXPECT_EQ(desktop.messages.back(), "Vandrel finished");
    EXPECT_EQ(desktop.pointer_changes, (std::vector<bool>{true, false}));
    EXPECT_TRUE(form.RunButton.Enabled());
    EXPECT_TRUE(form.ExitButton.Enabled());
    EXPECT_EQ(engine_runs.back().command_line, '"' + BatchFile() + '"');
    EXPECT_FALSE(utils::FileExists(BatchFile()));
    EXPECT_FALSE(utils::FileExists(Root() + "batchtemp.bat"));
  }

  std::vector<EngineRun> engine_runs;
  std::optional<std::string> own_program_output;
};

TEST_F(RunTest, TagsWithTheDefaults) {
  TVandrelForm& form = StartReady();
  form.RunButton.Click();
  ASSERT_EQ(engine_runs.size(), 1u);
  EXPECT_EQ(engine_runs[0].engine_line, Engine() + " workfile1.txt res.txt -token -lemma");
  EXPECT_EQ(engine_runs[0].working_folder, Root() + "out/");
  EXPECT_TRUE(engine_runs[0].tokenizer_output_there);
  EXPECT_EQ(engine_runs[0].tokenizer_output, "Hello\r\n,\r\nworld\r\n.\r\n");
  EXPECT_FALSE(utils::FileExists(Out("workfile1.txt")));
  EXPECT_EQ(utils::CurrentFolder(), Root() + "out/");
  EXPECT_EQ(desktop.messages, std::vector<std::string>{"Vandrel finished"});
  ExpectRunEndedNormally();
}

TEST_F(RunTest, PrintsATreeFromTheRootFolder) {
  TVandrelForm& form = StartReady();
  form.TaskRadioGroup.ClickItem(1);
  form.QuietCheckBox.Click();
  const std::string before = utils::CurrentFolder();
  form.RunButton.Click();
  ASSERT_EQ(engine_runs.size(), 1u);
  EXPECT_EQ(engine_runs[0].engine_line, "\"" + Root() +
                                            "bin/vandrel\" lib/english.par "
                                            "-print-prob-tree -quiet >\"" +
                                            Out("res.txt") + "\"");
  EXPECT_EQ(engine_runs[0].working_folder, Root());
  EXPECT_EQ(utils::CurrentFolder(), before);
  ExpectRunEndedNormally();
}

TEST_F(RunTest, InPairwiseModeNoTokenizerRunsWhateverButtonIsChecked) {
  TVandrelForm& form = StartReady();
  utils::WriteWholeFile(Root() + "pairs.txt", "a.txt b.txt\r\n");
  form.FilesCheckBox.Click();
  form.TokRadioButton4.SetChecked(true);  // as a loaded options file can leave it
  form.InputEdit.SetText(Root() + "pairs.txt");
  form.RunButton.Click();
  ASSERT_EQ(desktop.commands.size(), 1u);
  EXPECT_EQ(engine_runs[0].engine_line, Engine() + "  -token -lemma -files pairs.txt");
  EXPECT_TRUE(utils::FileExists(Root() + "pairs.txt"));
}

TEST_F(RunTest, TheOwnProgramWritesTheEngineInput) {
  TVandrelForm& form = StartReady();
  utils::WriteWholeFile(Root() + "tok.exe", "program");
  form.TokRadioButton3.Click();
  form.OwnProgramEdit.SetText(Root() + "tok.exe -x");
  own_program_output = "one\r\ntoken\r\n";
  form.RunButton.Click();
  ASSERT_EQ(desktop.commands.size(), 2u);
  EXPECT_EQ(desktop.commands[0].command_line,
            Root() + "tok.exe -x " + Input() + " " + Out("workfile0.txt"));
  EXPECT_EQ(desktop.commands[0].working_folder, Root() + "out/");
  EXPECT_EQ(desktop.repaints, 1);
  EXPECT_EQ(engine_runs[0].engine_line, Engine() + " workfile0.txt res.txt -token -lemma");
  EXPECT_TRUE(engine_runs[0].own_output_there);
  EXPECT_FALSE(utils::FileExists(Out("workfile0.txt")));
  ExpectRunEndedNormally();
}

TEST_F(RunTest, OwnPlusBuiltInDeletesEachWorkFileWhenItIsRead) {
  TVandrelForm& form = StartReady();
  utils::WriteWholeFile(Root() + "tok.exe", "program");
  form.TokRadioButton4.Click();
  form.OwnProgramEdit.SetText(Root() + "tok.exe");
  own_program_output = "Own text.";
  form.RunButton.Click();
  ASSERT_EQ(engine_runs.size(), 1u);
  EXPECT_FALSE(engine_runs[0].own_output_there);
  EXPECT_EQ(engine_runs[0].tokenizer_output, "Own\r\ntext\r\n.\r\n");
  EXPECT_EQ(engine_runs[0].engine_line, Engine() + " workfile1.txt res.txt -token -lemma");
  EXPECT_FALSE(utils::FileExists(Out("workfile1.txt")));
  ExpectRunEndedNormally();
}

TEST_F(RunTest, AStaleOwnProgramOutputIsDeletedBeforeTheProgramRuns) {
  TVandrelForm& form = StartReady();
  utils::WriteWholeFile(Root() + "tok.exe", "program");
  utils::WriteWholeFile(Out("workfile0.txt"), "stale\r\n");
  form.TokRadioButton3.Click();
  form.OwnProgramEdit.SetText(Root() + "tok.exe");
  form.RunButton.Click();  // the program writes nothing
  EXPECT_FALSE(engine_runs[0].own_output_there);
}

TEST_F(RunTest, RelativeNamesAreTheFilesThatVerificationFound) {
  TVandrelForm& form = StartReady();
  std::filesystem::create_directories(Root() + "cur");
  utils::SetCurrentFolder(Root() + "cur");
  utils::WriteWholeFile("in.txt", "Relative text.\r\n");
  utils::WriteWholeFile("lex.txt", "word\tNN\tword\r\n");
  utils::WriteWholeFile("tok.exe", "program");
  form.InputEdit.SetText("in.txt");
  form.OutputEdit.SetText("res.txt");
  form.AuxLexCheckBox.Click();
  form.AuxLexEdit.SetText("lex.txt");
  form.TokRadioButton4.Click();
  form.OwnProgramEdit.SetText("tok.exe -a");
  own_program_output = "From the program.";
  form.RunButton.Click();
  ASSERT_EQ(desktop.commands.size(), 2u);
  EXPECT_EQ(desktop.commands[0].command_line,
            Root() + "cur/tok.exe -a " + Root() + "cur/in.txt " + Root() + "cur/workfile0.txt");
  EXPECT_EQ(engine_runs[0].working_folder, Root() + "cur/");
  EXPECT_EQ(engine_runs[0].engine_line,
            Engine() + " workfile1.txt res.txt -token -lemma -lex " + Root() + "cur/lex.txt");
}

TEST_F(RunTest, NumbersReachTheEngineWithAPeriod) {
  desktop.decimal_separator = ',';
  TVandrelForm& form = StartReady();
  form.TokRadioButton1.Click();
  form.TagRadioButton2.Click();
  form.ProbFactorEdit.SetText("0,25");
  form.SGMLCheckBox.Click();
  form.EOSCheckBox.Click();
  form.EOSEdit.SetText("");
  form.RunButton.Click();
  EXPECT_EQ(engine_runs[0].engine_line,
            Engine() + " " + Input() + " res.txt -token -lemma -sgml -threshold 0.25");
}

TEST_F(RunTest, AByteOrderMarkEndsTheRunBeforeTheEngine) {
  TVandrelForm& form = StartReady();
  utils::WriteWholeFile(Input(), "\xEF\xBB\xBFText");
  utils::WriteWholeFile(Out("res.txt"), "earlier result");
  form.RunButton.Click();
  EXPECT_TRUE(desktop.commands.empty());
  EXPECT_EQ(desktop.messages,
            std::vector<std::string>{"Text " + Input() + " is in Unicode UTF8 - convert to ANSI"});
  EXPECT_EQ(utils::ReadWholeFile(Out("res.txt")), "earlier result");
  EXPECT_FALSE(utils::FileExists(Out("workfile1.txt")));
  EXPECT_FALSE(utils::FileExists(BatchFile()));
  EXPECT_EQ(desktop.pointer_changes, (std::vector<bool>{true, false}));
  EXPECT_TRUE(form.RunButton.Enabled());
}

TEST_F(RunTest, WithUnicodeTheTokenizerWorksOnUtf8CharactersAndNamesAByteThatIsNot) {
  TVandrelForm& form = StartReady();
  form.CodingRadioGroup.SetItemIndex(2);
  utils::WriteWholeFile(Input(), "\xEF\xBB\xBF«Да», — сказал он\xFF.");
  form.RunButton.Click();
  ASSERT_EQ(engine_runs.size(), 1u);
  EXPECT_EQ(engine_runs[0].tokenizer_output, "«\r\nДа\r\n»\r\n,\r\n—\r\nсказал\r\nон\xFF\r\n.\r\n");
  EXPECT_EQ(desktop.messages,
            (std::vector<std::string>{"Text " + Input() +
                                          " is not valid UTF-8 at byte offset 34; such bytes are "
                                          "passed on unchanged.",
                                      "Vandrel finished"}));
}

// Two windows running at once never share a batch file; only without a temporary folder to
// write to does the run fall back on the root folder.
TEST_F(RunTest, TheBatchFileTakesAFreeNameInTheTemporaryFolder) {
  TVandrelForm& form = StartReady();
  utils::WriteWholeFile(BatchFile(), "another window's batch file");
  form.RunButton.Click();
  ASSERT_EQ(engine_runs.size(), 1u);
  EXPECT_EQ(engine_runs[0].command_line, "\"" + Root() + "temp/vandrel-2.bat\"");
  EXPECT_EQ(engine_runs[0].working_folder, Root() + "out/");
  EXPECT_EQ(utils::ReadWholeFile(BatchFile()), "another window's batch file");
  EXPECT_FALSE(utils::FileExists(Root() + "temp/vandrel-2.bat"));
  EXPECT_FALSE(utils::FileExists(Root() + "batchtemp.bat"));

  desktop.temporary_folder = Root() + "missing/";
  form.RunButton.Click();
  ASSERT_EQ(engine_runs.size(), 2u);
  EXPECT_EQ(engine_runs[1].command_line, "\"" + Root() + "batchtemp.bat\"");
  EXPECT_FALSE(utils::FileExists(Root() + "batchtemp.bat"));
  EXPECT_EQ(desktop.messages.back(), "Vandrel finished");
}

TEST_F(RunTest, NoFolderToWriteTheBatchFileToEndsTheRunWithAnError) {
  TVandrelForm& form = StartReady();
  desktop.temporary_folder = Root() + "missing/";
  std::filesystem::create_directory(Root() + "batchtemp.bat");
  try {
    form.RunButton.Click();
    ADD_FAILURE() << "no error";
  } catch (const std::runtime_error& error) {
    EXPECT_NE(std::string(error.what()).find("batchtemp.bat"), std::string::npos);
  }
  EXPECT_TRUE(desktop.messages.empty());
  EXPECT_EQ(desktop.pointer_changes, (std::vector<bool>{true, false}));
  EXPECT_TRUE(form.RunButton.Enabled());
  EXPECT_TRUE(form.ExitButton.Enabled());
}

TEST_F(RunTest, ANameTheConsoleCannotShowEndsTheRunBeforeAnythingIsWritten) {
  TVandrelForm& form = StartReady();
  form.OutputEdit.SetText(Out("res \x96 final.txt"));
  EXPECT_THROW(form.RunButton.Click(), std::runtime_error);
  EXPECT_TRUE(desktop.commands.empty());
  EXPECT_FALSE(utils::FileExists(Out("workfile1.txt")));
  form.OutputEdit.SetText(Out("r\xE9sum\xE9.txt"));  // é is in the console's code page
  form.RunButton.Click();
  EXPECT_EQ(engine_runs[0].engine_line, Engine() + " workfile1.txt r\x82sum\x82.txt -token -lemma");
}

TEST_F(RunTest, AValueWithADoubleQuoteEndsTheRunBeforeAnythingIsWritten) {
  TVandrelForm& form = StartReady();
  form.SGMLCheckBox.Click();
  form.EOSCheckBox.Click();
  form.EOSEdit.SetText("<s id=\"1\">");
  try {
    form.RunButton.Click();
    FAIL();
  } catch (const std::runtime_error& error) {
    EXPECT_NE(std::string(error.what()).find("end-of-sentence tag"), std::string::npos);
  }
  EXPECT_TRUE(desktop.commands.empty());
  EXPECT_FALSE(utils::FileExists(Out("workfile1.txt")));
}

// A run that would write over or delete a file of the user's, or write into a folder that is not
// there, is refused before anything is written, with a message naming the file or folder.
TEST_F(RunTest, RefusesToTouchTheUsersFilesOrAMissingFolder) {
  const ui_text::NamedTexts& texts = ui_text::EnglishTextSet().named;
  const auto work_file = [&](const std::string& name) {
    return texts.FilePart + name + texts.WorkFilePart;
  };
  std::filesystem::create_directories(Root() + "lists");
  utils::WriteWholeFile(Root() + "tok.exe", "program");
  std::filesystem::create_symlink(Input(), Root() + "texts/link.txt");
  struct Case {
    const char* label;
    widgets::RadioButton TVandrelForm::*tokenizer;
    bool pairwise;
    std::string input;  // created with the user's text when it is not there
    std::string output;
    std::string message;  // empty: the run goes ahead
    bool temporary_folder = true;
  };
  const Case cases[] = {
      {"InputIsTheTokenizerOutput", &TVandrelForm::TokRadioButton2, false, Out("workfile1.txt"),
       Out("res.txt"), work_file(Out("workfile1.txt"))},
      {"InputIsTheOwnProgramOutput", &TVandrelForm::TokRadioButton3, false, Out("workfile0.txt"),
       Out("res.txt"), work_file(Out("workfile0.txt"))},
      {"OutputIsTheTokenizerOutput", &TVandrelForm::TokRadioButton2, false, Input(),
       Out("workfile1.txt"), work_file(Out("workfile1.txt"))},
      {"OutputIsTheOwnProgramOutputSpelledOtherwise", &TVandrelForm::TokRadioButton4, false,
       Input(), Out("WorkFile0.TXT."), work_file(Out("WorkFile0.TXT."))},
      {"OutputIsTheBatchFile", &TVandrelForm::TokRadioButton1, false, Input(), BatchFile(),
       work_file(BatchFile())},
      {"ListIsTheBatchFileInTheRootFolder", &TVandrelForm::TokRadioButton2, true,
       Root() + "batchtemp.bat", "", work_file(Root() + "batchtemp.bat"), false},
      {"OutputIsTheInputThroughAnotherName", &TVandrelForm::TokRadioButton1, false, Input(),
       Root() + "texts/./in.txt",
       texts.FilePart + Root() + "texts/./in.txt" + texts.OutputIsInputPart},
      {"OutputIsTheInputThroughALink", &TVandrelForm::TokRadioButton2, false, Input(),
       Root() + "texts/link.txt",
       texts.FilePart + Root() + "texts/link.txt" + texts.OutputIsInputPart},
      {"OutputFolderIsMissing", &TVandrelForm::TokRadioButton2, false, Input(),
       Root() + "missing/res.txt",
       texts.FolderPart + Root() + "missing/" + texts.FolderMissingPart},
      {"AWorkFileNameInAnotherFolderIsTheUsersOwn", &TVandrelForm::TokRadioButton2, false,
       Root() + "texts/workfile1.txt", Out("res.txt"), ""},
  };
  TVandrelForm& form = StartReady();
  form.OwnProgramEdit.SetText(Root() + "tok.exe");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    if (!utils::FileExists(c.input))
      utils::WriteWholeFile(c.input, "The user's text.\r\n");
    const std::string before = utils::ReadWholeFile(c.input);
    (form.*c.tokenizer).Click();
    form.FilesCheckBox.SetChecked(c.pairwise);
    form.InputEdit.SetText(c.input);
    form.OutputEdit.SetText(c.output);
    desktop.temporary_folder = c.temporary_folder ? Root() + "temp/" : "";
    desktop.messages.clear();
    desktop.commands.clear();
    desktop.pointer_changes.clear();
    form.RunButton.Click();
    if (c.message.empty()) {
      EXPECT_EQ(desktop.messages.back(), "Vandrel finished");
    } else {
      EXPECT_EQ(desktop.messages, std::vector<std::string>{c.message});
      EXPECT_TRUE(desktop.commands.empty());
      EXPECT_TRUE(desktop.pointer_changes.empty());
      EXPECT_FALSE(utils::FileExists(Out("res.txt")));
      EXPECT_FALSE(utils::FileExists(BatchFile()));
    }
    EXPECT_EQ(utils::ReadWholeFile(c.input), before);
    if (c.input != Input())
      utils::DeleteFileQuietly(c.input);
  }
}

TEST_F(RunTest, TheWindowCannotCloseWhileARunIsInProgress) {
  TVandrelForm& form = StartReady();
  bool exit_enabled = true;
  desktop.on_command = [&](const ScriptedDesktop::Command&) {
    exit_enabled = form.ExitButton.Enabled();
    form.Close();
  };
  form.RunButton.Click();
  EXPECT_FALSE(exit_enabled);
  EXPECT_FALSE(form.IsClosed());
  form.ExitButton.Click();
  EXPECT_TRUE(form.IsClosed());
}

TEST_F(RunTest, AFailedVerificationRunsNothing) {
  TVandrelForm& form = StartReady();
  form.InputEdit.SetText("");
  form.RunButton.Click();
  EXPECT_TRUE(desktop.commands.empty());
  EXPECT_TRUE(desktop.pointer_changes.empty());
  EXPECT_EQ(desktop.messages, std::vector<std::string>{"No input file named.\r\n\r\n"});
}

}  // namespace
}  // namespace app
