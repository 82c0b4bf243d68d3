#include <gtest/gtest.h>

#include "support/form_fixture.h"
#include "utils/files.h"

namespace app {
namespace {

using test_support::FormTest;
using widgets::Colour;

TEST_F(FormTest, StartUpFindsTheInstallationAndSetsTheDefaults) {
  InstallEnglish();
  desktop.documents_folder = Root();
  TVandrelForm& form = Start();
  ASSERT_TRUE(Started());
  EXPECT_TRUE(desktop.messages.empty());
  EXPECT_EQ(form.RootFolder, Root());
  EXPECT_EQ(form.BinSubfolder, "bin/");
  EXPECT_EQ(form.LibSubfolder, "lib/");
  EXPECT_EQ(form.LanguageName, "english");
  EXPECT_TRUE(form.CliticLanguage);
  EXPECT_EQ(utils::CurrentFolder(), Root());
  EXPECT_EQ(form.Caption(), "Vandrel (Windows)");
  EXPECT_EQ(form.LangRadioGroup.ItemIndex(), 0);
  EXPECT_EQ(form.CodingRadioGroup.ItemIndex(), 0);
  EXPECT_EQ(form.TaskRadioGroup.ItemIndex(), 0);
  EXPECT_TRUE(form.TokRadioButton2.Checked());
  EXPECT_TRUE(form.TokenCheckBox.Checked());
  EXPECT_TRUE(form.LemmaCheckBox.Checked());
  EXPECT_TRUE(form.TagRadioButton1.Checked());
  EXPECT_EQ(form.LexInfoRadioGroup.ItemIndex(), 0);
  EXPECT_EQ(form.EOSEdit.Text(), "SENT");
  EXPECT_EQ(form.ProbFactorEdit.Text(), "0.5");
  EXPECT_EQ(form.ReplaceFreqEdit.Text(), "0.1");
  for (const widgets::CheckBox* box :
       {&form.AbbrevsCheckBox, &form.MultiWordCheckBox, &form.DetachCliticsCheckBox,
        &form.DetachApostCheckBox, &form.PunctConvCheckBox, &form.OneLetCheckBox}) {
    EXPECT_TRUE(box->Enabled()) << box->Name();
    EXPECT_TRUE(box->Checked()) << box->Name();
  }
  for (const widgets::CheckBox* box :
       {&form.FilesCheckBox, &form.TagProbOutCheckBox, &form.UnknownCheckBox, &form.QuietCheckBox,
        &form.ManTagProbBox, &form.ManTagLemBox, &form.SGMLCheckBox, &form.EOSCheckBox,
        &form.CapHeurCheckBox, &form.HyphenHeurCheckBox, &form.LexProbOnlyCheckBox,
        &form.ReplaceFreqCheckBox, &form.IgnPrefCheckBox, &form.AuxLexCheckBox}) {
    EXPECT_FALSE(box->Checked()) << box->Name();
  }
  EXPECT_FALSE(form.CodingRadioGroup.Enabled());
  EXPECT_TRUE(form.RunButton.Enabled());
  EXPECT_FALSE(form.OwnProgramEdit.Enabled());
  EXPECT_EQ(form.OwnProgramEdit.GetColour(), Colour::ButtonFace);
  EXPECT_FALSE(form.OwnProgramLabel.Enabled());
  EXPECT_FALSE(form.ManTagProbBox.Enabled());
  EXPECT_FALSE(form.ManTagLemBox.Enabled());
  EXPECT_TRUE(form.UnknownCheckBox.Enabled());
  EXPECT_FALSE(form.OtherLangEdit.Enabled());
  EXPECT_EQ(form.InputEdit.GetColour(), Colour::Window);
  EXPECT_EQ(form.EOSEdit.GetColour(), Colour::ButtonFace);
}

TEST_F(FormTest, StartUpWritesTheDefaultNumbersInTheLocaleNotation) {
  InstallEnglish();
  desktop.decimal_separator = ',';
  TVandrelForm& form = Start();
  EXPECT_EQ(form.ProbFactorEdit.Text(), "0,5");
  EXPECT_EQ(form.ReplaceFreqEdit.Text(), "0,1");
  EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(FormTest, StartUpLeavesTheTokenizerFilesOptionsOffWhenTheFilesAreMissing) {
  struct Row {
    bool abbreviations;
    bool multiwords;
  };
  for (const Row row : {Row{false, true}, Row{true, false}, Row{false, false}}) {
    utils::DeleteFileQuietly(LibFile("english-abbreviations"));
    utils::DeleteFileQuietly(LibFile("english-mwls"));
    InstallEnglish(row.abbreviations, row.multiwords);
    TVandrelForm& form = Start();
    EXPECT_EQ(form.AbbrevsCheckBox.Enabled(), row.abbreviations);
    EXPECT_EQ(form.AbbrevsCheckBox.Checked(), row.abbreviations);
    EXPECT_EQ(form.MultiWordCheckBox.Enabled(), row.multiwords);
    EXPECT_EQ(form.MultiWordCheckBox.Checked(), row.multiwords);
    for (const widgets::CheckBox* box : {&form.DetachCliticsCheckBox, &form.DetachApostCheckBox,
                                         &form.PunctConvCheckBox, &form.OneLetCheckBox}) {
      EXPECT_TRUE(box->Checked()) << box->Name();
    }
  }
}

TEST_F(FormTest, WithoutTheEngineStartUpTellsTheUserAndEndsTheProgram) {
  InstallEnglish();
  utils::DeleteFileQuietly(BinFile("vandrel.exe"));
  desktop.documents_folder = "/";
  const std::string before = utils::CurrentFolder();
  Start();
  EXPECT_FALSE(Started());
  EXPECT_EQ(desktop.messages,
            std::vector<std::string>{
                "Programs winvandrel.exe and vandrel.exe must be located in the same directory."});
  EXPECT_EQ(utils::CurrentFolder(), before);
}

TEST_F(FormTest, WithoutADocumentsFolderTheCurrentFolderStays) {
  InstallEnglish();
  const std::string before = utils::CurrentFolder();
  Start();
  EXPECT_TRUE(Started());
  EXPECT_EQ(utils::CurrentFolder(), before);
}

}  // namespace
}  // namespace app
