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
  // The list names every field of the struct once: nothing but strings there, none left out,
  // no field listed under two names.
  EXPECT_EQ(sizeof(NamedTexts), kNamedTextFields.size() * sizeof(std::string));
  NamedTexts marked;
  for (const auto& [name, field] : kNamedTextFields)
    marked.*field = name;
  std::set<std::string_view> names;
  for (const auto& [name, field] : kNamedTextFields) {
    names.insert(name);
    EXPECT_EQ(marked.*field, name);
    const std::string& english = EnglishTextSet().named.*field;
    const std::string& german = GermanTextSet().named.*field;
    EXPECT_FALSE(english.empty()) << name;
    EXPECT_FALSE(german.empty()) << name;
    EXPECT_NE(english, german) << name;  // each has a German wording of its own
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

TEST(TextSets, TheOwnPlusBuiltInButtonJoinsTheOwnAndTheBuiltInCaptions) {
  for (const TextSet* text_set : {&EnglishTextSet(), &GermanTextSet()}) {
    EXPECT_EQ(Caption(*text_set, "TokRadioButton4"), Caption(*text_set, "TokRadioButton3") + " + " +
                                                         Caption(*text_set, "TokRadioButton2"));
  }
  EXPECT_EQ(Caption(GermanTextSet(), "TokRadioButton3"), "eigene");
}

}  // namespace
}  // namespace ui_text
