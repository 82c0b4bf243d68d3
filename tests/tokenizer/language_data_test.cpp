#include <gtest/gtest.h>

#include "support/temp_folder.h"
#include "tokenizer/abbreviations.h"
#include "tokenizer/clitics.h"
#include "tokenizer/multi_words.h"
#include "tokenizer/punctuation.h"
#include "utils/files.h"

namespace tokenizer {
namespace {

using Entries = std::vector<std::string>;

TEST(PunctuationSets, HoldTheirBytes) {
  EXPECT_EQ(kLeadingPunctuation.size(), 21u);
  EXPECT_EQ(kTrailingPunctuation.size(), 28u);
  const PunctuationSets sets(false);
  const std::string_view leading_only = "[{(\xB4";
  const std::string_view trailing_only = "]}),;:!?%\x85\x89";
  const std::string_view both = "`\"\xBB\xAB\x82\x84\x86\x87\x8B\x91\x92\x93\x94\x95\x96\x97\x9B";
  int leading = 0;
  int trailing = 0;
  for (int i = 0; i < 256; ++i) {
    const char c = static_cast<char>(i);
    const bool in_both = both.find(c) != std::string_view::npos;
    EXPECT_EQ(sets.IsLeading(c), in_both || leading_only.find(c) != std::string_view::npos) << i;
    EXPECT_EQ(sets.IsTrailing(c), in_both || trailing_only.find(c) != std::string_view::npos) << i;
    leading += sets.IsLeading(c);
    trailing += sets.IsTrailing(c);
  }
  EXPECT_EQ(leading, 21);
  EXPECT_EQ(trailing, 28);
}

TEST(PunctuationSets, TheApostropheTrailsOnlyOnRequest) {
  EXPECT_FALSE(PunctuationSets(false).IsTrailing('\''));
  EXPECT_TRUE(PunctuationSets(true).IsTrailing('\''));
  EXPECT_FALSE(PunctuationSets(true).IsLeading('\''));
  EXPECT_FALSE(PunctuationSets(true).IsTrailing('.'));
}

TEST(PunctuationConversion, ConvertsNineBytesAndNothingElse) {
  const std::string_view from = "\x91\x92\x82\x93\x94\x84\x96\x97\x85";
  const std::string_view to = "'''\"\"\"---";
  for (int i = 0; i < 256; ++i) {
    const char c = static_cast<char>(i);
    const std::size_t at = from.find(c);
    EXPECT_EQ(ConvertWindowsPunctuation(c), at == std::string_view::npos ? c : to[at]) << i;
  }
}

TEST(CliticTables, StoredTablesInTheirOrder) {
  EXPECT_EQ(kEnglishSuffixClitics, (Entries{"'s", "'re", "'ve", "'d", "'m", "'em", "'ll", "n't"}));
  EXPECT_EQ(kFrenchPrefixClitics,
            (Entries{"d'",  "D'",  "c'",     "C'",     "j'",      "J'",     "l'", "L'",
                     "m'",  "M'",  "n'",     "N'",     "s'",      "S'",     "t'", "T'",
                     "qu'", "Qu'", "jusqu'", "Jusqu'", "lorsqu'", "Lorsqu'"}));
  EXPECT_EQ(kFrenchSuffixClitics,
            (Entries{"-t-elles?", "-t-ils?", "-t-on", "-ce",   "-elles?", "-ils?",
                     "-je",       "-la",     "-les?", "-leur", "-lui",    "-m\xEAmes?",
                     "-m'",       "-moi",    "-nous", "-on",   "-toi",    "-tu",
                     "t'",        "-vous",   "-en",   "-y",    "-ci",     "-l\xE0"}));
  EXPECT_EQ(kItalianPrefixClitics,
            (Entries{"dall'", "Dall'", "dell'", "Dell'", "nell'", "Nell'", "all'",   "All'",
                     "d'",    "D'",    "l'",    "L'",    "sull'", "Sull'", "quest'", "Quest'",
                     "un'",   "Un'",   "senz'", "Senz'", "tutt'", "Tutt'"}));
}

TEST(CliticTables, ChosenByLanguage) {
  struct Row {
    bool clitic_language;
    const char* name;
    const Entries& prefixes;
    const Entries& suffixes;
  };
  const Entries none;
  const Row rows[] = {
      {true, "english", none, kEnglishSuffixClitics},
      {true, "french", kFrenchPrefixClitics, kFrenchSuffixClitics},
      {true, "italian", kItalianPrefixClitics, none},
      {true, "german", none, none},
      {false, "english", none, none},  // "english" typed in as a new language
      {false, "french", none, none},
  };
  for (const Row& row : rows) {
    const CliticTables tables = CliticTablesFor(row.clitic_language, row.name);
    EXPECT_EQ(tables.prefixes, row.prefixes) << row.name << row.clitic_language;
    EXPECT_EQ(tables.suffixes, row.suffixes) << row.name << row.clitic_language;
  }
}

TEST(AbbreviationFile, CleansItsLines) {
  struct Row {
    const char* what;
    std::string file;
    Entries entries;
  };
  const Row rows[] = {
      {"CR LF, CR and LF", "etc.\r\nMr.\rDr.\nvs.", {"etc.", "Mr.", "Dr.", "vs."}},
      {"blanks around a line", " \t etc. \t\r\n", {"etc."}},
      {"inner blanks stay", "e. g.\r\n", {"e. g."}},
      {"blank and empty lines", "\r\n \t \r\n\r\netc.\r\n\r\n", {"etc."}},
      {"comments", "# list\r\n  # indented\r\netc. # not a comment\r\n", {"etc. # not a comment"}},
      {"file order and duplicates", "b.\r\na.\r\nb.\r\n", {"b.", "a.", "b."}},
      {"reading ends at NUL", std::string("a.\r\nb.\0c.\r\n", 11), {"a.", "b."}},
      {"other control bytes stay",
       "\x1A"
       "x.\x0B\r\n",
       {"\x1A"
        "x.\x0B"}},
      {"empty file", "", {}},
  };
  for (const Row& row : rows)
    EXPECT_EQ(ReadAbbreviationEntries(row.file), row.entries) << row.what;
}

TEST(AbbreviationList, MatchesWholeEntriesWithoutCase) {
  const AbbreviationList list({"etc.", "Dr", "\xE9t\xE9"});
  EXPECT_TRUE(list.Contains("ETC."));
  EXPECT_TRUE(list.Contains("dR"));
  EXPECT_TRUE(list.Contains("\xC9T\xC9"));
  EXPECT_FALSE(list.Contains("etc"));
  EXPECT_FALSE(list.Contains("Dr."));
  EXPECT_FALSE(list.Contains("ete"));
  EXPECT_FALSE(list.Contains(""));
  EXPECT_FALSE(AbbreviationList().Contains("etc."));
  // Repeated entries and case forms are one entry for the look-up, and stay in the list.
  const AbbreviationList repeated({"etc.", "ETC.", "etc.", "Etc.", "Dr"});
  EXPECT_TRUE(repeated.Contains("eTc."));
  EXPECT_TRUE(repeated.Contains("DR"));
  EXPECT_FALSE(repeated.Contains("etc"));
  EXPECT_EQ(repeated.Entries().size(), 5u);
}

TEST(LanguageFiles, LoadFromFilesNamedWithAFinalPeriod) {
  test_support::TempFolder folder;
  utils::WriteWholeFile(folder.File("english-abbreviations"), "# comment\r\netc.\r\n");
  utils::WriteWholeFile(folder.File("english-mwls"), "a b\tX\n");
  EXPECT_EQ(LoadAbbreviationFile(folder.File("english-abbreviations.")).Entries(), Entries{"etc."});
  EXPECT_FALSE(LoadMultiWordFile(folder.File("english-mwls.")).Empty());
  EXPECT_THROW(LoadAbbreviationFile(folder.File("missing.")), std::runtime_error);
  EXPECT_THROW(LoadMultiWordFile(folder.File("missing.")), std::runtime_error);
}

}  // namespace
}  // namespace tokenizer
