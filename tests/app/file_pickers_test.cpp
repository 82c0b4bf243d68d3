#include <gtest/gtest.h>

#include "support/form_fixture.h"

namespace app {
namespace {

using test_support::FormTest;
using test_support::ScriptedDesktop;
using DialogKind = ScriptedDesktop::DialogKind;

struct Picker {
  widgets::Edit TVandrelForm::*field;
  DialogKind kind;
  const char* title;
  const char* filter;
  const char* cancel_message;
  const char* german_title;
  const char* german_filter;
  const char* german_cancel_message;
};

const Picker kPickers[] = {
    {&TVandrelForm::InputEdit, DialogKind::Open, "Name of INPUT file", "",
     "Input file could not be opened", "Name der EINGABE-Datei", "",
     "Eingabedatei konnte nicht ge\xF6"
     "ffnet werden"},
    {&TVandrelForm::OutputEdit, DialogKind::Save, "Name of OUTPUT file",
     "Text files (*.txt)|*.TXT|All files (*.*)|*.*", "Output file could not be opened",
     "Name der AUSGABE-Datei", "Textdateien (*.txt)|*.TXT|Alle Dateien (*.*)|*.*",
     "Ausgabedatei konnte nicht ge\xF6"
     "ffnet werden"},
    {&TVandrelForm::AuxLexEdit, DialogKind::Open, "Name of AUXILIARY LEXICON file", "",
     "Auxiliary lexicon file could not be opened", "Name der ZUSATZLEXIKON-Datei", "",
     "Zusatzlexikondatei konnte nicht ge\xF6"
     "ffnet werden"},
    {&TVandrelForm::OwnProgramEdit, DialogKind::Open, "Name of OWN PROGRAM file",
     "Program files (*.exe)|*.EXE", "Own program file could not be opened",
     "Name der Datei mit dem EIGENEN PROGRAMM", "Programmdateien (*.exe)|*.EXE",
     "Die Datei mit dem eigenen Programm konnte nicht ge\xF6"
     "ffnet werden"},
};

class FilePickerTest : public FormTest {
 protected:
  TVandrelForm& StartWithEveryFieldEnabled() {
    InstallEnglish();
    TVandrelForm& form = Start();
    form.AuxLexCheckBox.Click();
    form.TokRadioButton4.Click();
    return form;
  }
};

TEST_F(FilePickerTest, TheChosenFileReplacesTheFieldText) {
  TVandrelForm& form = StartWithEveryFieldEnabled();
  for (const Picker& picker : kPickers) {
    widgets::Edit& field = form.*picker.field;
    field.SetText("earlier");
    desktop.dialogs.clear();
    desktop.dialog_answers = {std::string("C:\\texts\\chosen.txt")};
    field.Click();
    ASSERT_EQ(desktop.dialogs.size(), 1u) << field.Name();
    const ScriptedDesktop::Dialog& dialog = desktop.dialogs[0];
    EXPECT_EQ(dialog.kind, picker.kind) << field.Name();
    EXPECT_EQ(dialog.request.title, picker.title);
    EXPECT_EQ(dialog.request.filter, picker.filter);
    EXPECT_EQ(dialog.request.file_name, "");
    EXPECT_EQ(field.Text(), "C:\\texts\\chosen.txt");
  }
  EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(FilePickerTest, CancellingKeepsTheTextAndNamesTheKindOfFile) {
  TVandrelForm& form = StartWithEveryFieldEnabled();
  for (bool german : {false, true}) {
    if (german)
      form.GermanImage.Click();
    for (const Picker& picker : kPickers) {
      widgets::Edit& field = form.*picker.field;
      field.SetText("earlier");
      desktop.dialogs.clear();
      desktop.messages.clear();
      field.Click();
      ASSERT_EQ(desktop.dialogs.size(), 1u);
      EXPECT_EQ(desktop.dialogs[0].request.title, german ? picker.german_title : picker.title);
      EXPECT_EQ(desktop.dialogs[0].request.filter, german ? picker.german_filter : picker.filter);
      EXPECT_EQ(desktop.messages, std::vector<std::string>{german ? picker.german_cancel_message
                                                                  : picker.cancel_message});
      EXPECT_EQ(field.Text(), "earlier");
    }
  }
}

TEST_F(FilePickerTest, AChosenProgramPathWithABlankIsQuoted) {
  TVandrelForm& form = StartWithEveryFieldEnabled();
  desktop.dialog_answers = {std::string("C:\\Program Files\\Tok\\tok.exe"),
                            std::string("C:\\tools\\tok.exe")};
  form.OwnProgramEdit.Click();
  EXPECT_EQ(form.OwnProgramEdit.Text(), "\"C:\\Program Files\\Tok\\tok.exe\"");
  form.OwnProgramEdit.Click();
  EXPECT_EQ(form.OwnProgramEdit.Text(), "C:\\tools\\tok.exe");
}

TEST_F(FilePickerTest, ADisabledFieldOpensNoDialog) {
  InstallEnglish();
  TVandrelForm& form = Start();
  form.AuxLexEdit.Click();
  form.OwnProgramEdit.Click();
  EXPECT_TRUE(desktop.dialogs.empty());
}

}  // namespace
}  // namespace app
