#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "support/form_fixture.h"
#include "utils/files.h"

namespace app {
namespace {

using test_support::FormTest;
using test_support::ScriptedDesktop;

class OptionsFileTest : public FormTest {
 protected:
  std::string Save() {
    const std::string name = Root() + "options.cfg";
    desktop.dialog_answers = {name};
    Form().SaveButton.Click();
    return utils::ReadWholeFile(name);
  }

  // Loads `text` and returns the messages shown meanwhile.
  std::vector<std::string> Load(const std::string& text) {
    const std::string name = Root() + "load.cfg";
    utils::WriteWholeFile(name, text);
    desktop.messages.clear();
    desktop.dialog_answers = {name};
    Form().LoadButton.Click();
    return desktop.messages;
  }
};

TEST_F(OptionsFileTest, SavesTheDefaultsInKeyOrder) {
  TVandrelForm& form = StartVerifiable();
  const std::string in = form.InputEdit.Text();
  const std::string out = form.OutputEdit.Text();
  EXPECT_EQ(Save(),
            "# Options file for Vandrel\r\nLang=english\r\nTask=tag\r\nIONames=N\r\n"
            "WriteToken=Y\r\nWritePOS=best\r\nWriteLemma=Y\r\nWriteUnknownLemma=N\r\n"
            "WriteLexInfo=none\r\nWriteQuiet=N\r\nReadSGML=N\r\nTokChoice=built-in\r\n"
            "TokAbbrevs=Y\r\nTokMultiW=Y\r\nTokDetClit=Y\r\nTokDetApost=Y\r\nTokPunctConv=Y\r\n"
            "TagCapHeur=N\r\nTagHyphenHeur=N\r\nTagLexProbOnly=N\r\nTagReplaceZero=N\r\n"
            "TagIgnorePrefix=N\r\nTagAuxLex=N\r\nReadFile=" +
                in + "\r\nWriteFile=" + out + "\r\nTrainCoding=Latin-1\r\nOneLetAbbrev=Y\r\n");
  const ScriptedDesktop::Dialog& dialog = desktop.dialogs.back();
  EXPECT_EQ(dialog.kind, ScriptedDesktop::DialogKind::Save);
  EXPECT_EQ(dialog.request.title, "Name of output file to contain program options");
  EXPECT_EQ(dialog.request.filter, "Options files (*.cfg)|*.CFG");
  EXPECT_EQ(dialog.request.file_name, "");
  EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(OptionsFileTest, SavesOnlyTheChoicesInEffect) {
  TVandrelForm& form = StartVerifiable();
  form.TaskRadioGroup.ClickItem(1);
  EXPECT_EQ(Save(),
            "# Options file for Vandrel\r\nLang=english\r\nTask=probtree\r\n"
            "WriteQuiet=N\r\nWriteFile=" +
                form.OutputEdit.Text() + "\r\nTrainCoding=Latin-1\r\n");
  form.TaskRadioGroup.ClickItem(0);
  form.FilesCheckBox.Click();
  std::string saved = Save();
  EXPECT_EQ(saved.find("TokChoice="), std::string::npos);
  EXPECT_EQ(saved.find("WriteFile="), std::string::npos);
  EXPECT_NE(saved.find("ReadManProb=N\r\nReadManLemma=N\r\n"), std::string::npos);
  form.FilesCheckBox.Click();
  form.TagRadioButton2.Click();
  form.SGMLCheckBox.Click();
  form.TokRadioButton3.Click();
  form.OwnProgramEdit.SetText("tok.exe -x");
  saved = Save();
  EXPECT_NE(saved.find("WritePOS=all\r\nWritePOSFactor=0.5\r\nWriteProb=N\r\n"), std::string::npos);
  EXPECT_NE(saved.find("ReadSGML=Y\r\nReadEOS=N\r\nTokChoice=own\r\nOwnProgram=tok.exe -x\r\n"),
            std::string::npos);
  EXPECT_EQ(saved.find("TokAbbrevs"), std::string::npos);
}

TEST_F(OptionsFileTest, SavesANewLanguageAsTyped) {
  TVandrelForm& form = StartVerifiable();
  form.OtherLangEdit.SetText("Welsh");
  form.LangRadioGroup.ClickItem(8);
  std::string saved = Save();
  EXPECT_NE(saved.find("\r\nLang=Welsh\r\n"), std::string::npos);
  EXPECT_EQ(saved.find("TrainCoding"), std::string::npos);
  desktop.actions_while_waiting = {[&] { form.OtherLangEdit.LeaveFocus(); }};
  form.LangRadioGroup.ClickItem(0);
  form.OtherLangEdit.SetText("");
  form.LangRadioGroup.ClickItem(8);
  saved = Save();
  EXPECT_NE(saved.find("\r\nLang=\r\n"), std::string::npos);
}

TEST_F(OptionsFileTest, SavesUnderTheNameAsTyped) {
  StartVerifiable();
  desktop.dialog_answers = {Root() + "settings"};
  Form().SaveButton.Click();
  EXPECT_TRUE(utils::FileExists(Root() + "settings"));
  EXPECT_FALSE(utils::FileExists(Root() + "settings.cfg"));
}

TEST_F(OptionsFileTest, CancellingEitherDialogChangesNothing) {
  TVandrelForm& form = StartVerifiable();
  form.SaveButton.Click();
  form.LoadButton.Click();
  form.GermanImage.Click();
  form.LoadButton.Click();
  EXPECT_EQ(desktop.messages, (std::vector<std::string>{"Options file could not be opened",
                                                        "Options file could not be opened",
                                                        "Optionsdatei konnte nicht ge\xF6"
                                                        "ffnet werden"}));
  EXPECT_EQ(desktop.dialogs[1].kind, ScriptedDesktop::DialogKind::Open);
  EXPECT_EQ(desktop.dialogs[1].request.title, "Name of input file containing program options");
  EXPECT_EQ(desktop.dialogs[2].request.title, "Name der Eingabedatei mit den Programmoptionen");
  EXPECT_EQ(desktop.dialogs[2].request.filter, "Optionsdateien (*.cfg)|*.CFG");
}

TEST_F(OptionsFileTest, AFailedSaveLeavesTheEarlierFileUntouched) {
  StartVerifiable();
  const std::string name = Root() + "options.cfg";
  const std::string earlier = "# Options file for Vandrel\r\nLang=german\r\n";
  utils::WriteWholeFile(name, earlier);
  std::filesystem::create_directory(name + ".saving");
  desktop.dialog_answers = {name};
  EXPECT_THROW(Form().SaveButton.Click(), std::runtime_error);
  EXPECT_EQ(utils::ReadWholeFile(name), earlier);
}

TEST_F(OptionsFileTest, ReportsEveryBadLineInFileOrderAndAppliesTheRest) {
  TVandrelForm& form = StartVerifiable();
  const std::vector<std::string> shown = Load(
      "no equals sign\r\n   \r\nlang=german\r\nLang =german\r\nWriteQuiet=Yes\r\n"
      "WriteQuiet= Y\r\nWriteToken=n\r\nTrainCoding=latin-1\r\nTask=SUFTREE\r\n"
      "WriteQuiet=y\r\n");
  EXPECT_EQ(shown, (std::vector<std::string>{
                       "No = in line of options file, line ignored",
                       "No = in line of options file, line ignored",
                       "Unrecognized key in options file, line ignored: lang",
                       "Unrecognized key in options file, line ignored: Lang ",
                       "Unrecognized value in options file, line ignored: Yes",
                       "Unrecognized value in options file, line ignored:  Y",
                       "Unrecognized value in options file, line ignored: latin-1"}));
  EXPECT_FALSE(form.TokenCheckBox.Checked());
  EXPECT_TRUE(form.QuietCheckBox.Checked());
  EXPECT_EQ(form.TaskRadioGroup.ItemIndex(), 2);
  EXPECT_EQ(form.LanguageName, "english");
}

// Ten line messages at most, then one box with the number of the others; a long key or value is
// cut, and the ellipsis (byte 0x85) says so. The rest of the file still takes effect.
TEST_F(OptionsFileTest, ShowsTenLineMessagesThenTheNumberOfTheRest) {
  TVandrelForm& form = StartVerifiable();
  const std::string long_key(100000, 'K');
  const std::string long_value = std::string(80, 'v') + "cut off";
  std::string text = long_key + "=1\r\nWriteQuiet=" + long_value + "\r\n";
  for (int i = 0; i < 100000; ++i)
    text += "bad line\r\n";
  text += "WriteQuiet=y\r\n";
  const std::vector<std::string> shown = Load(text);
  ASSERT_EQ(shown.size(), 11u);
  EXPECT_EQ(shown[0],
            "Unrecognized key in options file, line ignored: " + std::string(80, 'K') + "\x85");
  EXPECT_EQ(shown[1],
            "Unrecognized value in options file, line ignored: " + std::string(80, 'v') + "\x85");
  EXPECT_EQ(shown[9], "No = in line of options file, line ignored");
  EXPECT_EQ(shown[10], "Further bad lines in options file ignored: 99992");
  EXPECT_TRUE(form.QuietCheckBox.Checked());
  form.GermanImage.Click();
  EXPECT_EQ(Load(text).back(), "Weitere fehlerhafte Zeilen in Optionsdatei ignoriert: 99992");
  EXPECT_EQ(
      Load("x\r\n" + std::string(80, 'k') + "=1\r\n"),
      (std::vector<std::string>{"Fehlendes \"=\" in Zeile der Optionsdatei, Zeile ignoriert",
                                "Unbekanntes Schl\xFCsselwort in Optionsdatei, Zeile ignoriert: " +
                                    std::string(80, 'k')}));
}

TEST_F(OptionsFileTest, ShowsTheLineMessagesInGermanWhenTheWindowIs) {
  TVandrelForm& form = StartVerifiable();
  form.GermanImage.Click();
  EXPECT_EQ(Load("x\r\nKey=1\r\nWriteQuiet=?\r\n"),
            (std::vector<std::string>{
                "Fehlendes \"=\" in Zeile der Optionsdatei, Zeile ignoriert",
                "Unbekanntes Schl\xFCsselwort in Optionsdatei, Zeile ignoriert: Key",
                "Unbekannter Wert in Optionsdatei, Zeile ignoriert: ?"}));
}

TEST_F(OptionsFileTest, ReadsTheLanguageInAnyCase) {
  TVandrelForm& form = StartVerifiable();
  const char* names[] = {"english", "french",  "german",    "italian",
                         "spanish", "russian", "bulgarian", "dutch"};
  for (int item = 7; item >= 0; --item) {
    form.LangRadioGroup.ClickItem(item);
    const std::string saved = Save();
    EXPECT_NE(saved.find(std::string("Lang=") + names[item] + "\r\n"), std::string::npos);
    form.LangRadioGroup.ClickItem(item == 0 ? 1 : 0);
    Load(saved);
    EXPECT_EQ(form.LangRadioGroup.ItemIndex(), item);
    EXPECT_EQ(form.LanguageName, names[item]);
  }
  Load("Lang=GerMAN\r\n");
  EXPECT_EQ(form.LangRadioGroup.ItemIndex(), 2);
  EXPECT_EQ(form.LanguageName, "german");
  Load("Lang=Welsh\r\n");
  EXPECT_EQ(form.LangRadioGroup.ItemIndex(), 8);
  EXPECT_EQ(form.OtherLangEdit.Text(), "Welsh");
  EXPECT_EQ(form.LanguageName, "welsh");
  EXPECT_TRUE(form.CodingRadioGroup.Enabled());
  EXPECT_NE(Save().find("Lang=Welsh\r\n"), std::string::npos);
}

TEST_F(OptionsFileTest, AnEmptyLanguageAsksForTheName) {
  TVandrelForm& form = StartVerifiable();
  desktop.actions_while_waiting = {[&] {
    form.OtherLangEdit.SetText("Basque");
    form.OtherLangEdit.LeaveFocus();
  }};
  Load("Lang=\r\nWriteQuiet=Y\r\n");
  EXPECT_EQ(form.LanguageName, "basque");
  EXPECT_TRUE(form.QuietCheckBox.Checked());
}

TEST_F(OptionsFileTest, ClosingTheWindowWhileTheLoadAsksForANameEndsTheLoad) {
  TVandrelForm& form = StartVerifiable();
  form.InputEdit.SetText("");
  desktop.actions_while_waiting = {[&] { form.Close(); }};
  const std::vector<std::string> shown = Load("Lang=\r\nWriteQuiet=Y\r\n");
  EXPECT_TRUE(form.IsClosed());
  EXPECT_FALSE(form.QuietCheckBox.Checked());
  EXPECT_TRUE(shown.empty());  // no verification
}

TEST_F(OptionsFileTest, TakesValuesAsWritten) {
  TVandrelForm& form = StartVerifiable();
  form.SGMLCheckBox.Click();
  form.EOSCheckBox.Click();
  Load("ReadEOSTag=<s type=end>\r\nWriteFile=\r\nReadFile=" + form.InputEdit.Text() +
       "\r\nWriteQuiet=y\r\nWriteQuiet=N\r\nWritePOS=ALL\r\nTokChoice=Own+Built-In\r\n"
       "WriteLexInfo=Proto+Prob\r\n");
  EXPECT_EQ(form.EOSEdit.Text(), "<s type=end>");
  EXPECT_EQ(form.OutputEdit.Text(), "");
  EXPECT_FALSE(form.QuietCheckBox.Checked());
  EXPECT_TRUE(form.TagRadioButton2.Checked());
  EXPECT_FALSE(form.TagRadioButton1.Checked());
  EXPECT_TRUE(form.ProbFactorEdit.Enabled());
  EXPECT_TRUE(form.TokRadioButton4.Checked());
  EXPECT_TRUE(form.OwnProgramEdit.Enabled());
  EXPECT_EQ(form.LexInfoRadioGroup.ItemIndex(), 3);
}

TEST_F(OptionsFileTest, ANumberInAnotherNotationIsReportedWhileReading) {
  TVandrelForm& form = StartVerifiable();
  const std::vector<std::string> shown = Load("WritePOSFactor=0,5\r\nTagReplaceBy=0.2\r\n");
  EXPECT_EQ(form.ProbFactorEdit.Text(), "0,5");
  EXPECT_EQ(shown, std::vector<std::string>{"Invalid probability factor for outputting tags."});
}

TEST_F(OptionsFileTest, ReadsLinesEndedByLfAloneAndStopsAtCtrlZ) {
  TVandrelForm& form = StartVerifiable();
  Load("# Options file for Vandrel\nWriteQuiet=Y\nTask=probtree\n");
  EXPECT_TRUE(form.QuietCheckBox.Checked());
  EXPECT_EQ(form.TaskRadioGroup.ItemIndex(), 1);
  Load("Task=tag\r\n\x1AWriteQuiet=N\r\n");
  EXPECT_EQ(form.TaskRadioGroup.ItemIndex(), 0);
  EXPECT_TRUE(form.QuietCheckBox.Checked());
}

TEST_F(OptionsFileTest, AnEmptyFileChangesNothingButStillVerifies) {
  TVandrelForm& form = StartVerifiable();
  form.InputEdit.SetText("");
  EXPECT_EQ(Load(""), std::vector<std::string>{"No input file named.\r\n\r\n"});
  EXPECT_EQ(Load("# Options file for Vandrel\r\n"),
            std::vector<std::string>{"No input file named.\r\n\r\n"});
  form.InputEdit.SetText(Root() + "in.txt");
  EXPECT_TRUE(Load("").empty());  // no confirmation after a load
}

TEST_F(OptionsFileTest, AFileThatCannotBeReadEndsTheLoad) {
  StartVerifiable();
  desktop.dialog_answers = {Root() + "missing.cfg"};
  EXPECT_THROW(Form().LoadButton.Click(), std::runtime_error);
}

TEST_F(OptionsFileTest, LineOrderMatters) {
  TVandrelForm& form = StartVerifiable();
  form.TokRadioButton3.Click();
  Load("IONames=Y\r\n");
  EXPECT_TRUE(form.TokRadioButton1.Checked());
  form.FilesCheckBox.Click();  // gives the saved choice back
  EXPECT_TRUE(form.TokRadioButton3.Checked());
  Load("IONames=N\r\nTokChoice=built-in\r\n");
  EXPECT_TRUE(form.TokRadioButton2.Checked());
  form.UnknownCheckBox.Click();
  Load("WriteLemma=N\r\nWriteUnknownLemma=Y\r\n");
  EXPECT_TRUE(form.UnknownCheckBox.Checked());  // set while disabled; the update keeps it
  EXPECT_FALSE(form.UnknownCheckBox.Enabled());
}

// The state of every control that Save wrote a line for.
std::string SavedControls(TVandrelForm& form, const std::string& saved) {
  std::string state;
  const auto has = [&](const char* key) {
    return saved.find(std::string("\r\n") + key + "=") != std::string::npos;
  };
  const auto box = [&](const char* key, const widgets::CheckBox& control) {
    if (has(key))
      state += std::string(key) + (control.Checked() ? "1 " : "0 ");
  };
  const auto edit = [&](const char* key, const widgets::Edit& control) {
    if (has(key))
      state += std::string(key) + "=" + control.Text() + " ";
  };
  const auto group = [&](const char* key, const widgets::RadioGroup& control) {
    if (has(key))
      state += std::string(key) + std::to_string(control.ItemIndex()) + " ";
  };
  if (has("Lang"))
    state += "Lang" + std::to_string(form.LangRadioGroup.ItemIndex()) + form.LanguageName + " ";
  group("Task", form.TaskRadioGroup);
  box("IONames", form.FilesCheckBox);
  box("WriteToken", form.TokenCheckBox);
  if (has("WritePOS"))
    state += form.TagRadioButton1.Checked() ? "best " : "all ";
  edit("WritePOSFactor", form.ProbFactorEdit);
  box("WriteProb", form.TagProbOutCheckBox);
  box("WriteLemma", form.LemmaCheckBox);
  box("WriteUnknownLemma", form.UnknownCheckBox);
  group("WriteLexInfo", form.LexInfoRadioGroup);
  box("WriteQuiet", form.QuietCheckBox);
  box("ReadManProb", form.ManTagProbBox);
  box("ReadManLemma", form.ManTagLemBox);
  box("ReadSGML", form.SGMLCheckBox);
  box("ReadEOS", form.EOSCheckBox);
  edit("ReadEOSTag", form.EOSEdit);
  if (has("TokChoice")) {
    for (const widgets::RadioButton* button : {&form.TokRadioButton1, &form.TokRadioButton2,
                                               &form.TokRadioButton3, &form.TokRadioButton4}) {
      state += button->Checked() ? "1" : "0";
    }
  }
  edit("OwnProgram", form.OwnProgramEdit);
  box("TokAbbrevs", form.AbbrevsCheckBox);
  box("TokMultiW", form.MultiWordCheckBox);
  box("TokDetClit", form.DetachCliticsCheckBox);
  box("TokDetApost", form.DetachApostCheckBox);
  box("TokPunctConv", form.PunctConvCheckBox);
  box("TagCapHeur", form.CapHeurCheckBox);
  box("TagHyphenHeur", form.HyphenHeurCheckBox);
  box("TagLexProbOnly", form.LexProbOnlyCheckBox);
  box("TagReplaceZero", form.ReplaceFreqCheckBox);
  edit("TagReplaceBy", form.ReplaceFreqEdit);
  box("TagIgnorePrefix", form.IgnPrefCheckBox);
  box("TagAuxLex", form.AuxLexCheckBox);
  edit("TagAuxLexFile", form.AuxLexEdit);
  edit("ReadFile", form.InputEdit);
  edit("WriteFile", form.OutputEdit);
  group("TrainCoding", form.CodingRadioGroup);
  box("OneLetAbbrev", form.OneLetCheckBox);
  return state;
}

TEST_F(OptionsFileTest, LoadingASavedFileRestoresEveryControlItHasALineFor) {
  TVandrelForm& form = StartVerifiable();
  utils::WriteWholeFile(LibFile("french-abbreviations"), "M.\r\n");
  form.OtherLangEdit.SetText("Welsh");
  std::vector<std::function<void()>> actions = {
      [&] { form.LangRadioGroup.ClickItem(0); },    [&] { form.LangRadioGroup.ClickItem(1); },
      [&] { form.LangRadioGroup.ClickItem(6); },    [&] { form.LangRadioGroup.ClickItem(8); },
      [&] { form.TaskRadioGroup.ClickItem(0); },    [&] { form.TaskRadioGroup.ClickItem(1); },
      [&] { form.FilesCheckBox.Click(); },          [&] { form.TokRadioButton1.Click(); },
      [&] { form.TokRadioButton2.Click(); },        [&] { form.TokRadioButton3.Click(); },
      [&] { form.TokRadioButton4.Click(); },        [&] { form.TagRadioButton1.Click(); },
      [&] { form.TagRadioButton2.Click(); },        [&] { form.TokenCheckBox.Click(); },
      [&] { form.LemmaCheckBox.Click(); },          [&] { form.UnknownCheckBox.Click(); },
      [&] { form.SGMLCheckBox.Click(); },           [&] { form.EOSCheckBox.Click(); },
      [&] { form.QuietCheckBox.Click(); },          [&] { form.ManTagProbBox.Click(); },
      [&] { form.AbbrevsCheckBox.Click(); },        [&] { form.PunctConvCheckBox.Click(); },
      [&] { form.OneLetCheckBox.Click(); },         [&] { form.CapHeurCheckBox.Click(); },
      [&] { form.ReplaceFreqCheckBox.Click(); },    [&] { form.AuxLexCheckBox.Click(); },
      [&] { form.LexInfoRadioGroup.ClickItem(2); }, [&] { form.CodingRadioGroup.ClickItem(1); },
      [&] { form.TaskRadioGroup.SetFocus(); },      [&] { form.EOSEdit.SetText("<s>"); },
      [&] { form.AuxLexEdit.SetText("lex.txt"); },  [&] { form.OwnProgramEdit.SetText("t -x"); },
      [&] { form.ProbFactorEdit.SetText("0.25"); }, [&] { form.OutputEdit.SetText("o.txt"); },
  };
  std::mt19937 random(8122026);
  for (int round = 0; round < 150; ++round) {
    for (int step = 0; step < 12; ++step)
      actions[random() % actions.size()]();
    form.TaskRadioGroup.SetFocus();
    const std::string saved = Save();
    const std::string before = SavedControls(form, saved);
    for (int step = 0; step < 12; ++step)
      actions[random() % actions.size()]();
    form.TaskRadioGroup.SetFocus();
    Load(saved);
    ASSERT_EQ(SavedControls(form, saved), before) << "round " << round << "\n" << saved;
  }
}

}  // namespace
}  // namespace app
