// A started main window in a real installation folder (bin\ and lib\ layout) with a scripted
// desktop, for the tests of the window's behaviour.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/vandrel_form.h"
#include "support/scripted_desktop.h"
#include "support/temp_folder.h"
#include "utils/files.h"

namespace test_support {

class FormTest : public ::testing::Test {
 protected:
  // The engine and the English parameter file are always there; the two English tokenizer
  // files only when asked.
  void InstallEnglish(bool abbreviations = true, bool multiwords = true) {
    utils::WriteWholeFile(LibFile("english.par"), "parameters");
    if (abbreviations)
      utils::WriteWholeFile(LibFile("english-abbreviations"), "etc.\r\n");
    if (multiwords)
      utils::WriteWholeFile(LibFile("english-mwls"), "in spite of\tX\r\n");
  }

  std::string LibFile(const std::string& name) const { return root_.Path() + "lib/" + name; }
  std::string BinFile(const std::string& name) const { return root_.Path() + "bin/" + name; }
  const std::string& Root() const { return root_.Path(); }

  // Creates the window and runs start-up; the installation must be in place.
  app::TVandrelForm& Start() {
    form_ = std::make_unique<app::TVandrelForm>(desktop, BinFile("winvandrel.exe"));
    desktop.Attach(*form_);
    started_ = form_->FormCreate();
    return *form_;
  }

  // Starts an English installation whose input file exists and whose output is named, so that
  // verification finds nothing to report.
  app::TVandrelForm& StartVerifiable() {
    InstallEnglish();
    app::TVandrelForm& form = Start();
    utils::WriteWholeFile(Root() + "in.txt", "text");
    form.InputEdit.SetText(Root() + "in.txt");
    form.OutputEdit.SetText(Root() + "out.txt");
    return form;
  }

  void SetUp() override {
    MakeFolder(root_.Path() + "bin");
    MakeFolder(root_.Path() + "lib");
    utils::WriteWholeFile(BinFile("vandrel.exe"), "engine");
    saved_folder_ = utils::CurrentFolder();
  }

  void TearDown() override { utils::SetCurrentFolder(saved_folder_); }

  app::TVandrelForm& Form() { return *form_; }
  bool Started() const { return started_; }

  ScriptedDesktop desktop;

 private:
  static void MakeFolder(const std::string& path);

  TempFolder root_;
  std::unique_ptr<app::TVandrelForm> form_;
  bool started_ = false;
  std::string saved_folder_;
};

}  // namespace test_support
