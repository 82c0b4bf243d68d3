// Tagging runs from the Run button to "Vandrel finished": the real form in its native view, the
// real desktop starting programs with CreateProcessA, the system's command interpreter running
// the batch file, and the demo engine as vandrel.exe in a fresh installation.
//
// The batch file's final pause reads this test program's standard input, with which the
// command interpreter shares its console: the test program must be given newlines there
// (scripts/test does so).
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/vandrel_form.h"
#include "gui_support.h"
#include "parameter_file.h"
#include "recording_desktop.h"
#include "test_installation.h"
#include "trees.h"
#include "utils/files.h"
#include "watchdog.h"
#include "widgets/win32/win32_desktop.h"
#include "widgets/win32/win32_view.h"

namespace wine_tests {
namespace {

using widgets::win32::Win32Desktop;
using widgets::win32::Win32View;

// A run takes about a second under Wine; one that waits far longer waits for a key.
constexpr DWORD kRunTimeLimit = 30000;

// Running text that needs the tokenizer's abbreviations, clitics and multi-word units.
constexpr const char* kRunningText = "In spite of the rain, Dr. Smith didn't stop.\r\n";
// The tokens of kRunningText, as the engine reads them, and what it writes for them with the
// default flags.
constexpr const char* kTokens =
    "In spite of\tIN\r\nthe\r\nrain\r\n,\r\nDr.\r\nSmith\r\ndid\r\nn't\r\nstop\r\n.\r\n";
constexpr const char* kTagged =
    "In spite of\tIN\tin spite of\r\n"
    "the\tDT\tthe\r\n"
    "rain\tNN\train\r\n"
    ",\t,\t,\r\n"
    "Dr.\tNNP\tDr.\r\n"
    "Smith\tNNP\tSmith\r\n"
    "did\tVBD\tdo\r\n"
    "n't\tRB\tn't\r\n"
    "stop\tVB\tstop\r\n"
    ".\t.\t.\r\n";

std::string BatchText(const std::string& command_line) {
  return "@echo off\r\n" + command_line + "\r\npause\r\n";
}

class RunEndToEnd : public ::testing::Test {
 protected:
  RunEndToEnd() : desktop_("winvandrel") {}

  void SetUp() override {
    previous_folder_ = utils::CurrentFolder();
    installation_ = std::make_unique<TestInstallation>(InstallationFolderName());
    recording_ = std::make_unique<RecordingDesktop>(desktop_);
    recording_->observe = [this](StartedCommand& command) {
      command.run_button_enabled = ::IsWindowEnabled(Native(form_->RunButton)) != FALSE;
      command.exit_button_enabled = ::IsWindowEnabled(Native(form_->ExitButton)) != FALSE;
      command.busy_pointer = desktop_.Busy();
    };
    form_ = std::make_unique<app::TVandrelForm>(*recording_, installation_->ProgramPath());
    ASSERT_TRUE(form_->FormCreate());
    view_ = std::make_unique<Win32View>(*form_, desktop_);
    view_->Show(SW_SHOWNORMAL);
    ::SetForegroundWindow(view_->Handle());
    boxes_.SetWatched(view_->Handle());
    Pump(view_.get(), 200);
  }

  void TearDown() override {
    // A quit request left behind would end the pumping of every later test.
    MSG quit{};
    while (::PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
    view_.reset();
    form_.reset();
    // The run made the work folder current; it must not be so when the folder is removed.
    utils::SetCurrentFolder(previous_folder_);
    installation_.reset();
  }

  virtual std::string InstallationFolderName() const { return "vandrel"; }

  const std::string& Root() const { return installation_->Root(); }
  std::string Engine() const {
    return "\"" + Root() + "bin\\vandrel\" \"" + Root() + "lib\\english.par\"";
  }
  HWND Native(const widgets::Control& control) const { return view_->NativeOf(control); }

  // Clicks as a user does; true once the click has had its effect.
  bool Click(HWND native, const std::function<bool()>& done) {
    ClickAt(ScreenCentre(native));
    return PumpUntil(view_.get(), done);
  }

  // Clicks Run as a user does; the run has ended when the box that ends it has been answered.
  ::testing::AssertionResult ClickRun() {
    const std::size_t seen = boxes_.Seen().size();
    Watchdog watchdog(kRunTimeLimit);
    ClickAt(ScreenCentre(Native(form_->RunButton)));
    const bool ended = PumpUntil(
        view_.get(), [&] { return boxes_.Seen().size() > seen; }, kRunTimeLimit + 5000);
    if (watchdog.Fired()) {
      return ::testing::AssertionFailure()
             << "a program of the run did not end; the console's pause needs newlines on the "
                "test program's standard input";
    }
    if (!ended)
      return ::testing::AssertionFailure() << "the run showed no box";
    return ::testing::AssertionSuccess();
  }

  std::vector<std::string> BoxTexts() const {
    std::vector<std::string> texts;
    for (const SeenDialog& box : boxes_.Seen())
      texts.push_back(box.text);
    return texts;
  }

  const std::vector<StartedCommand>& Commands() const { return recording_->Commands(); }

  // The last command is the batch file, a new one in the temporary folder; it ran in
  // `working_folder`.
  void ExpectEngineRun(const std::string& command_line, const std::string& working_folder) {
    ASSERT_FALSE(Commands().empty());
    const StartedCommand& batch = Commands().back();
    const std::string temporary = desktop_.TemporaryFolder() + "vandrel-";
    EXPECT_EQ(batch.batch_file.substr(0, temporary.size()), temporary);
    EXPECT_EQ(batch.batch_text, BatchText(command_line));
    EXPECT_EQ(batch.working_folder, working_folder);
  }

  void ExpectRunEndedNormally() {
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Vandrel finished"});
    EXPECT_FALSE(boxes_.Seen().back().has_icon);
    for (const StartedCommand& command : Commands()) {
      EXPECT_FALSE(command.run_button_enabled) << command.command_line;
      EXPECT_FALSE(command.exit_button_enabled) << command.command_line;
      EXPECT_TRUE(command.busy_pointer) << command.command_line;
    }
    EXPECT_FALSE(utils::FileExists(Root() + "batchtemp.bat"));
    if (!Commands().empty()) {
      EXPECT_FALSE(utils::FileExists(Commands().back().batch_file));
    }
    EXPECT_TRUE(::IsWindowEnabled(Native(form_->RunButton)));
    EXPECT_TRUE(::IsWindowEnabled(Native(form_->ExitButton)));
    EXPECT_FALSE(desktop_.Busy());
  }

  Win32Desktop desktop_;
  DialogCatcher boxes_;
  std::string previous_folder_;
  std::unique_ptr<TestInstallation> installation_;
  std::unique_ptr<RecordingDesktop> recording_;
  std::unique_ptr<app::TVandrelForm> form_;
  std::unique_ptr<Win32View> view_;
};

TEST_F(RunEndToEnd, TagsARunningTextWithTheDefaults) {
  const std::string input = installation_->MakeFolder("texts") + "in.txt";
  const std::string out = installation_->MakeFolder("out");
  utils::WriteWholeFile(input, kRunningText);
  form_->InputEdit.SetText(input);
  form_->OutputEdit.SetText(out + "res.txt");

  ASSERT_TRUE(ClickRun());
  ASSERT_EQ(Commands().size(), 1u);
  ExpectEngineRun(Engine() + " workfile1.txt res.txt -token -lemma", out);
  EXPECT_EQ(Commands()[0].before, (WorkFiles{{"workfile1.txt", kTokens}}));
  EXPECT_EQ(utils::ReadWholeFile(out + "res.txt"), kTagged);
  EXPECT_EQ(WorkFilesIn(out), WorkFiles{});
  EXPECT_EQ(utils::ReadWholeFile(input), kRunningText);
  EXPECT_EQ(utils::CurrentFolder(), out);
  ExpectRunEndedNormally();
  Pump(view_.get());
  EXPECT_EQ(::GetFocus(), Native(form_->RunButton)) << "the keyboard is back on Run";
}

TEST_F(RunEndToEnd, TagsARussianTextSavedAsUtf16ThroughTheUnicodePath) {
  // The demo's Russian sample as Windows editors save "Unicode" text: UTF-16 with its mark.
  const std::string utf8 =
      utils::ReadWholeFile(std::string(VANDREL_SOURCE_DIR) + "/demo/texts/russian-sample.txt");
  std::wstring wide(utf8.size(), L'\0');
  wide.resize(static_cast<std::size_t>(
      ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(),
                            static_cast<int>(wide.size()))));
  const std::string input = installation_->MakeFolder("texts") + "russian.txt";
  const std::string out = installation_->MakeFolder("out");
  utils::WriteWholeFile(input, "\xFF\xFE" + std::string(reinterpret_cast<const char*>(wide.data()),
                                                        wide.size() * sizeof(wchar_t)));
  form_->LangRadioGroup.SetItemIndex(5);
  form_->InputEdit.SetText(input);
  form_->OutputEdit.SetText(out + "res.txt");

  ASSERT_TRUE(ClickRun());
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Vandrel finished"});
  const std::string tagged = utils::ReadWholeFile(out + "res.txt");
  for (const char* line : {"«\tPUNCT\t«\r\n", "т.е.\tCCONJ\tто есть\r\n", "ч.\tNOUN\tчас\r\n",
                           "Несмотря на\tADP\tнесмотря на\r\n", "Ёлки-палки\tINTJ\tёлки-палки\r\n"})
    EXPECT_NE(tagged.find(line), std::string::npos) << line;
}

TEST_F(RunEndToEnd, PrintsTheProbabilityTreeFromTheInstallationFolder) {
  const std::string out = installation_->MakeFolder("out");
  const std::string before = utils::CurrentFolder();
  ASSERT_TRUE(Click(view_->ItemNativeOf(form_->TaskRadioGroup, 1),
                    [&] { return form_->TaskRadioGroup.ItemIndex() == 1; }));
  form_->OutputEdit.SetText(out + "tree.txt");

  ASSERT_TRUE(ClickRun());
  ASSERT_EQ(Commands().size(), 1u);
  ExpectEngineRun(
      "\"" + Root() + "bin\\vandrel\" lib\\english.par -print-prob-tree >\"" + out + "tree.txt\"",
      Root());
  const demo_engine::ParameterFile parameters =
      demo_engine::ReadParameterFile(Root() + "lib\\english.par");
  EXPECT_EQ(utils::ReadWholeFile(out + "tree.txt"),
            demo_engine::ProbabilityTreeText(parameters, "lib\\english.par"));
  EXPECT_EQ(utils::CurrentFolder(), before);
  ExpectRunEndedNormally();
}

TEST_F(RunEndToEnd, TagsEachPairOfAListInTheListsFolder) {
  const std::string lists = installation_->MakeFolder("lists");
  utils::WriteWholeFile(lists + "pairs.txt", "a.txt a-tagged.txt\r\nb.txt b-tagged.txt\r\n");
  utils::WriteWholeFile(lists + "a.txt", "the\r\nrain\r\n");
  utils::WriteWholeFile(lists + "b.txt", "Smith\r\nstop\r\n.\r\n");
  ASSERT_TRUE(Click(Native(form_->FilesCheckBox), [&] { return form_->FilesCheckBox.Checked(); }));
  form_->InputEdit.SetText(lists + "pairs.txt");

  ASSERT_TRUE(ClickRun());
  ASSERT_EQ(Commands().size(), 1u);
  ExpectEngineRun(Engine() + "  -token -lemma -files pairs.txt", lists);
  EXPECT_EQ(Commands()[0].before, WorkFiles{});
  EXPECT_EQ(utils::ReadWholeFile(lists + "a-tagged.txt"), "the\tDT\tthe\r\nrain\tNN\train\r\n");
  EXPECT_EQ(utils::ReadWholeFile(lists + "b-tagged.txt"),
            "Smith\tNNP\tSmith\r\nstop\tVB\tstop\r\n.\t.\t.\r\n");
  for (const char* name : {"pairs.txt", "a.txt", "b.txt"})
    EXPECT_TRUE(utils::FileExists(lists + name)) << name;
  ExpectRunEndedNormally();
}

TEST_F(RunEndToEnd, TheOwnProgramAloneWritesTheEngineInput) {
  const std::string input = installation_->MakeFolder("texts") + "tokens.txt";
  const std::string out = installation_->MakeFolder("out");
  utils::WriteWholeFile(input, kTokens);
  ASSERT_TRUE(
      Click(Native(form_->TokRadioButton3), [&] { return form_->TokRadioButton3.Checked(); }));
  form_->OwnProgramEdit.SetText(installation_->CopyProgramPath());
  form_->InputEdit.SetText(input);
  form_->OutputEdit.SetText(out + "res.txt");

  ASSERT_TRUE(ClickRun());
  ASSERT_EQ(Commands().size(), 2u);
  const StartedCommand& own = Commands()[0];
  EXPECT_EQ(own.command_line,
            installation_->CopyProgramPath() + " " + input + " " + out + "workfile0.txt");
  EXPECT_EQ(own.working_folder, out);
  EXPECT_EQ(own.after, (WorkFiles{{"workfile0.txt", kTokens}}));
  ExpectEngineRun(Engine() + " workfile0.txt res.txt -token -lemma", out);
  EXPECT_EQ(Commands()[1].before, (WorkFiles{{"workfile0.txt", kTokens}}));
  EXPECT_EQ(utils::ReadWholeFile(out + "res.txt"), kTagged);
  EXPECT_EQ(WorkFilesIn(out), WorkFiles{});
  EXPECT_TRUE(utils::FileExists(input));
  ExpectRunEndedNormally();
}

TEST_F(RunEndToEnd, OwnProgramThenBuiltInTokenizerEachWorkFileGoesWhenRead) {
  // Names with blanks: the program's in quotes as the user writes it, the input quoted by the run.
  const std::string program = installation_->MakeFolder("my tools") + "copy input.exe";
  ASSERT_TRUE(::CopyFileA(installation_->CopyProgramPath().c_str(), program.c_str(), FALSE));
  const std::string input = installation_->MakeFolder("my texts") + "in 1.txt";
  const std::string out = installation_->MakeFolder("out");
  utils::WriteWholeFile(input, kRunningText);
  ASSERT_TRUE(
      Click(Native(form_->TokRadioButton4), [&] { return form_->TokRadioButton4.Checked(); }));
  form_->OwnProgramEdit.SetText("\"" + program + "\"");
  form_->InputEdit.SetText(input);
  form_->OutputEdit.SetText(out + "res.txt");

  ASSERT_TRUE(ClickRun());
  ASSERT_EQ(Commands().size(), 2u);
  const StartedCommand& own = Commands()[0];
  EXPECT_EQ(own.command_line, "\"" + program + "\" \"" + input + "\" " + out + "workfile0.txt");
  EXPECT_EQ(own.after, (WorkFiles{{"workfile0.txt", kRunningText}}));
  ExpectEngineRun(Engine() + " workfile1.txt res.txt -token -lemma", out);
  EXPECT_EQ(Commands()[1].before, (WorkFiles{{"workfile1.txt", kTokens}}));
  EXPECT_EQ(utils::ReadWholeFile(out + "res.txt"), kTagged);
  EXPECT_EQ(WorkFilesIn(out), WorkFiles{});
  ExpectRunEndedNormally();
}

// The folders of the batch file: the temporary folder is named by TMP (or TEMP), and the root
// folder's "batchtemp.bat" is a folder, so that nothing can be written there under that name.
class UnwritableBatchFolders {
 public:
  UnwritableBatchFolders(const TestInstallation& installation, bool temporary_folder_too)
      : saved_tmp_(Variable("TMP")), saved_temp_(Variable("TEMP")) {
    installation.MakeFolder("batchtemp.bat");
    if (temporary_folder_too) {
      const std::string missing = installation.File("missing\\");
      ::SetEnvironmentVariableA("TMP", missing.c_str());
      ::SetEnvironmentVariableA("TEMP", missing.c_str());
    }
  }
  ~UnwritableBatchFolders() {
    ::SetEnvironmentVariableA("TMP", saved_tmp_.c_str());
    ::SetEnvironmentVariableA("TEMP", saved_temp_.c_str());
  }

 private:
  static std::string Variable(const char* name) {
    char value[MAX_PATH + 1] = {};
    const DWORD length = ::GetEnvironmentVariableA(name, value, sizeof value);
    return length > MAX_PATH ? std::string() : std::string(value, length);
  }
  std::string saved_tmp_;
  std::string saved_temp_;
};

// Names in the folder, folders included.
std::vector<std::string> FolderListing(const std::string& folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found{};
  const HANDLE search = ::FindFirstFileA((folder + "*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE)
    return names;
  do {
    names.push_back(found.cFileName);
  } while (::FindNextFileA(search, &found));
  ::FindClose(search);
  std::sort(names.begin(), names.end());
  return names;
}

// A standard user cannot write to an installation folder under Program Files. Wine lets every
// user write to every folder, so the one name the run could write there is taken by a folder;
// the run must not need it and must leave the installation folder as it was.
TEST_F(RunEndToEnd, RunsFromAnInstallationFolderItCannotWriteTo) {
  UnwritableBatchFolders unwritable(*installation_, false);
  const std::string input = installation_->MakeFolder("texts") + "in.txt";
  const std::string out = installation_->MakeFolder("out");
  utils::WriteWholeFile(input, kRunningText);
  form_->InputEdit.SetText(input);
  form_->OutputEdit.SetText(out + "res.txt");
  const std::vector<std::string> installation_before = FolderListing(Root());

  ASSERT_TRUE(ClickRun());
  ASSERT_EQ(Commands().size(), 1u);
  ExpectEngineRun(Engine() + " workfile1.txt res.txt -token -lemma", out);
  EXPECT_EQ(utils::ReadWholeFile(out + "res.txt"), kTagged);
  EXPECT_EQ(FolderListing(Root()), installation_before);
  ExpectRunEndedNormally();
}

TEST_F(RunEndToEnd, NoFolderToWriteTheBatchFileToEndsTheRunWithTheErrorBox) {
  UnwritableBatchFolders unwritable(*installation_, true);
  const std::string input = installation_->MakeFolder("texts") + "in.txt";
  const std::string out = installation_->MakeFolder("out");
  utils::WriteWholeFile(input, kRunningText);
  form_->InputEdit.SetText(input);
  form_->OutputEdit.SetText(out + "res.txt");

  for (int attempt = 1; attempt <= 2; ++attempt) {
    ASSERT_TRUE(ClickRun()) << "attempt " << attempt;
    ASSERT_EQ(boxes_.Seen().size(), static_cast<std::size_t>(attempt));
    const SeenDialog& box = boxes_.Seen().back();
    EXPECT_TRUE(box.has_icon);
    EXPECT_NE(box.text.find("batchtemp.bat"), std::string::npos) << box.text;
    EXPECT_EQ(Commands().size(), 0u);
    EXPECT_FALSE(utils::FileExists(out + "res.txt"));
    EXPECT_TRUE(::IsWindowEnabled(Native(form_->RunButton)));
    EXPECT_TRUE(::IsWindowEnabled(Native(form_->ExitButton)));
    EXPECT_FALSE(desktop_.Busy());
  }
  for (const std::string& text : BoxTexts())
    EXPECT_EQ(text.find("Vandrel finished"), std::string::npos);
  EXPECT_TRUE(Click(Native(form_->ExitButton), [&] { return form_->IsClosed(); }));
  // Exit asks the event loop to end the program.
  MSG quit{};
  EXPECT_TRUE(::PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

// Names that the command interpreter would split or take as a command of its own, in the
// installation folder and in the names of the input and output files.
struct AwkwardNames {
  const char* label;
  const char* installation_folder;
  const char* text_folder;
  const char* input;
  const char* output;
};

class RunEndToEndWithAwkwardNames : public RunEndToEnd,
                                    public ::testing::WithParamInterface<AwkwardNames> {
 protected:
  std::string InstallationFolderName() const override { return GetParam().installation_folder; }
};

TEST_P(RunEndToEndWithAwkwardNames, ReachTheEngineWhole) {
  const AwkwardNames& names = GetParam();
  const std::string folder = installation_->MakeFolder(names.text_folder);
  const std::string input = folder + names.input;
  utils::WriteWholeFile(input, kTokens);
  ASSERT_TRUE(
      Click(Native(form_->TokRadioButton1), [&] { return form_->TokRadioButton1.Checked(); }));
  form_->InputEdit.SetText(input);
  form_->OutputEdit.SetText(folder + names.output);

  ASSERT_TRUE(ClickRun());
  ASSERT_EQ(Commands().size(), 1u);
  ExpectEngineRun(Engine() + " \"" + input + "\" \"" + names.output + "\" -token -lemma", folder);
  EXPECT_EQ(utils::ReadWholeFile(folder + names.output), kTagged);
  EXPECT_EQ(utils::ReadWholeFile(input), kTokens);
  ExpectRunEndedNormally();
}

INSTANTIATE_TEST_SUITE_P(
    Names, RunEndToEndWithAwkwardNames,
    ::testing::Values(AwkwardNames{"Blank", "Vandrel tools", "my texts", "in 1.txt", "res 1.txt"},
                      AwkwardNames{"Ampersand", "R&D", "R&D texts", "a&b.txt", "c&d.txt"}),
    [](const ::testing::TestParamInfo<AwkwardNames>& info) { return info.param.label; });

}  // namespace
}  // namespace wine_tests
