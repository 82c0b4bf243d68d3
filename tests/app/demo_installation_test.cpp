// The demo installation as a user meets it: each demo options file loads without a message into
// a window started in an installation of the demo files, and its run tokenizes the sample text.
#include <gtest/gtest.h>

#include <filesystem>

#include "support/form_fixture.h"
#include "utils/files.h"

namespace app {
namespace {

using test_support::FormTest;

const std::string kDemoFolder = std::string(VANDREL_SOURCE_DIR) + "/demo/";

class DemoInstallationTest : public FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    for (const char* language : {"english", "french", "german", "italian", "russian"}) {
      for (const std::string ending : {".par", "-abbreviations", "-mwls"}) {
        std::filesystem::copy_file(kDemoFolder + language + ending, LibFile(language + ending));
      }
    }
    std::filesystem::create_directories(Root() + "texts");
    std::filesystem::create_directories(Root() + "out");
  }

  // The options file as the demo script writes it, with this installation's paths.
  std::string OptionsFile(const std::string& language) {
    std::string text = utils::ReadWholeFile(kDemoFolder + "options/" + language + ".cfg");
    std::string installed;
    for (std::size_t i = 0; i < text.size(); ++i) {
      if (text.compare(i, 6, "@DEMO@") == 0) {
        installed += Root();
        for (i += 6; text[i] != '\r'; ++i)
          installed += text[i] == '\\' ? '/' : text[i];
      }
      installed += text[i];
    }
    const std::string name = Root() + language + ".cfg";
    utils::WriteWholeFile(name, installed);
    std::filesystem::copy_file(kDemoFolder + "texts/" + language + "-sample.txt",
                               Root() + "texts/" + language + "-sample.txt");
    return name;
  }
};

TEST_F(DemoInstallationTest, EachDemoOptionsFileLoadsAndRuns) {
  TVandrelForm& form = Start();
  for (const char* language : {"english", "french", "german", "italian", "russian"}) {
    desktop.messages.clear();
    desktop.dialog_answers = {OptionsFile(language)};
    form.LoadButton.Click();
    EXPECT_TRUE(desktop.messages.empty()) << language << ": " << desktop.messages.front();
    EXPECT_EQ(form.LanguageName, language);
    EXPECT_TRUE(form.AbbrevsCheckBox.Checked() && form.AbbrevsCheckBox.Enabled()) << language;
    EXPECT_TRUE(form.MultiWordCheckBox.Checked() && form.MultiWordCheckBox.Enabled()) << language;
    std::string tokens;
    desktop.on_command = [&](const test_support::ScriptedDesktop::Command& command) {
      tokens = utils::ReadWholeFile(command.working_folder + "workfile1.txt");
    };
    form.RunButton.Click();
    EXPECT_EQ(desktop.messages, std::vector<std::string>{"Vandrel finished"}) << language;
    EXPECT_NE(tokens.find('\t'), std::string::npos) << language << ": no multi-word unit";
    EXPECT_GT(std::count(tokens.begin(), tokens.end(), '\n'), 100) << language;
    if (std::string(language) == "russian") {
      // Trained on Unicode: UTF-8 characters stay whole, and Windows punctuation is not converted.
      EXPECT_FALSE(form.PunctConvCheckBox.Enabled());
      EXPECT_NE(tokens.find("\r\n\xC2\xAB\r\n\xD0\xA3\r\n"), std::string::npos);  // « У
      EXPECT_NE(tokens.find("\r\n\xD1\x82.\xD0\xB5.\r\n"), std::string::npos);    // т.е.
    }
  }
}

}  // namespace
}  // namespace app
