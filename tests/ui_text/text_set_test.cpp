#include "ui_text/text_set.h"

#include <gtest/gtest.h>

#include <set>

#include "tokenizer/messages.h"

namespace ui_text {
namespace {

std::set<std::string> Names(const ControlTexts& texts) {
  std::set<std::string> names;
  for (const auto& [name, text] : texts) {
    EXPECT_TRUE(names.insert(name).second) << "twice: " << name;
  }
  return names;
}

TEST(TextSets, BothLanguagesCoverTheSameControls) {
  const TextSet& english = EnglishTextSet();
  const TextSet& german = GermanTextSet();
  EXPECT_EQ(english.captions.size(), 45u);
  EXPECT_EQ(english.hints.size(), 39u);
  EXPECT_EQ(Names(english.captions), Names(german.captions));
  EXPECT_EQ(Names(english.hints), Names(german.hints));
  ASSERT_EQ(english.items.size(), german.items.size());
  for (std::size_t i = 0; i < english.items.size(); ++i) {
    EXPECT_EQ(english.items[i].first, german.items[i].first);
    EXPECT_EQ(english.items[i].second.size(), german.items[i].second.size());
  }
  EXPECT_FALSE(english.credits.empty());
  EXPECT_NE(english.credits, german.credits);
}

TEST(TextSets, HoldAllNamedTextsInBothLanguages) {
  EXPECT_EQ(kNamedTextFields.size(), 43u);
  std::set<std::string_view> names;
  for (const auto& [name, field] : kNamedTextFields) {
    names.insert(name);
    EXPECT_FALSE((EnglishTextSet().named.*field).empty()) << name;
    EXPECT_FALSE((GermanTextSet().named.*field).empty()) << name;
  }
  EXPECT_EQ(names.size(), kNamedTextFields.size());
  EXPECT_EQ(EnglishTextSet().named.VerifiedMsg, "Program options verified.");
  EXPECT_EQ(GermanTextSet().named.VerifiedMsg,
            "Programmoptionen gepr\xFC"
            "ft.");
  EXPECT_EQ(EnglishTextSet().named.NotFoundPart, " not found.");
  EXPECT_EQ(GermanTextSet().named.NotOpenedPart,
            " konnte nicht ge\xF6"
            "ffnet werden");
  EXPECT_EQ(EnglishTextSet().named.FilePart, "File ");
  // The command-line driver prints the English text without the text sets.
  EXPECT_EQ(EnglishTextSet().named.NotUtf8Msg, tokenizer::kEnglishNotUtf8Text);
}

std::string Caption(const TextSet& text_set, std::string_view control) {
  for (const auto& [name, text] : text_set.captions) {
    if (name == control)
      return text;
  }
  return "(none)";
}

std::string Hint(const TextSet& text_set, std::string_view control) {
  for (const auto& [name, text] : text_set.hints) {
    if (name == control)
      return text;
  }
  return "(none)";
}

TEST(TextSets, KeepTheRunsOfBlanksThatMatter) {
  EXPECT_EQ(Caption(EnglishTextSet(), "TagRadioButton2"),
            "all tags with probability >" + std::string(14, ' ') + "times best tag");
  EXPECT_EQ(Caption(GermanTextSet(), "TagRadioButton2"),
            "alle Tags mit Wahrsch. >" + std::string(13, ' ') + "\xD7" + "  W. des besten Tags");
  EXPECT_NE(Hint(EnglishTextSet(), "TokRadioButton3").find("per line  The own program"),
            std::string::npos);
  EXPECT_EQ(Caption(EnglishTextSet(), "OutputGroupBox"), "Output for each token");
}

TEST(TextSets, AreWindows1252) {
  EXPECT_EQ(Caption(GermanTextSet(), "VerifyButton"),
            "Pr\xFC"
            "fen");
  EXPECT_EQ(Caption(GermanTextSet(), "CapHeurCheckBox"),
            "Verwende Gro\xDF"
            "schreibungsheuristik");
  EXPECT_EQ(GermanTextSet().items[0].second[7], "Niederl\xE4ndisch");
}

TEST(TextSets, TheGermanOwnPlusBuiltInButtonSaysEigene) {
  EXPECT_EQ(Caption(GermanTextSet(), "TokRadioButton4"), "eigene + standard");
  EXPECT_EQ(Caption(EnglishTextSet(), "TokRadioButton4"), "own + built-in");
}

}  // namespace
}  // namespace ui_text
