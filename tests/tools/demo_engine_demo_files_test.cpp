// The language files, sample texts and options files of the demo installation, read under the
// rules by which the window reads them, so that no line of them is lost or misread.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "options_file/option_keys.h"
#include "options_file/option_lines.h"
#include "parameter_file.h"
#include "support/plain_multi_word_joiner.h"
#include "tokenizer/abbreviations.h"
#include "tokenizer/multi_words.h"
#include "utils/cp1252.h"
#include "utils/files.h"
#include "utils/utf8.h"

namespace demo_engine {
namespace {

const std::string kDemoFolder = std::string(VANDREL_SOURCE_DIR) + "/demo/";
const char* const kLanguages[] = {"english", "french", "german", "italian", "russian"};

// Russian, trained on Unicode, has UTF-8 files.
bool IsUtf8Language(const std::string& language) {
  return language == "russian";
}

bool EndsEveryLineWithCrLf(const std::string& bytes) {
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const bool lone_cr = bytes[i] == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n');
    const bool lone_lf = bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r');
    if (lone_cr || lone_lf)
      return false;
  }
  return bytes.empty() || bytes.ends_with("\r\n");
}

// True when the bytes hold a UTF-8 sequence for a Latin-1 letter (as "Ã©" for "é"), the sign
// of a file written in the wrong encoding.
bool LooksLikeUtf8(const std::string& bytes) {
  for (std::size_t i = 0; i + 1 < bytes.size(); ++i) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    const auto next = static_cast<unsigned char>(bytes[i + 1]);
    if ((lead == 0xC2 || lead == 0xC3 || lead == 0xE2) && next >= 0x80 && next <= 0xBF)
      return true;
  }
  return false;
}

void ExpectWindowsText(const std::string& name, const std::string& bytes, bool utf8 = false) {
  EXPECT_TRUE(EndsEveryLineWithCrLf(bytes)) << name;
  if (utf8)
    EXPECT_EQ(utils::FindInvalidUtf8(bytes), std::string::npos) << name;
  else
    EXPECT_FALSE(LooksLikeUtf8(bytes)) << name;
  EXPECT_EQ(bytes.find('\0'), std::string::npos) << name;
  EXPECT_EQ(bytes.find('\x1A'), std::string::npos) << name;
}

// Counts the lines of a file that hold nothing but blanks, and those that begin with "#".
std::pair<int, int> BlankAndCommentLines(const std::string& bytes) {
  int blank = 0;
  int comments = 0;
  for (const std::string_view line : options_file::SplitIntoLines(bytes)) {
    const std::size_t first = line.find_first_not_of("\t ");
    if (first == std::string::npos) {
      ++blank;
    } else if (line[first] == '#') {
      ++comments;
    }
  }
  return {blank, comments};
}

TEST(DemoEngineDemoFiles, ParameterFilesReadAndHoldEnoughWords) {
  for (const char* language : kLanguages) {
    const std::string name = kDemoFolder + language + ".par";
    ExpectWindowsText(name, utils::ReadWholeFile(name), IsUtf8Language(language));
    const ParameterFile parameters = ReadParameterFile(name);
    EXPECT_EQ(parameters.language, language);
    EXPECT_EQ(parameters.encoding == TextEncoding::kUtf8, IsUtf8Language(language)) << name;
    EXPECT_GE(parameters.lexicon.WordCount(), 200u) << name;
    EXPECT_GE(parameters.endings.size(), 25u) << name;
    EXPECT_FALSE(parameters.contexts.empty()) << name;
  }
}

TEST(DemoEngineDemoFiles, AbbreviationFilesKeepEveryEntry) {
  for (const char* language : kLanguages) {
    const std::string name = kDemoFolder + language + "-abbreviations";
    const std::string bytes = utils::ReadWholeFile(name);
    ExpectWindowsText(name, bytes, IsUtf8Language(language));
    const std::vector<std::string> entries = tokenizer::ReadAbbreviationEntries(bytes);
    const auto [blank, comments] = BlankAndCommentLines(bytes);
    EXPECT_GE(entries.size(), 60u) << name;
    EXPECT_GT(comments, 0) << name;
    EXPECT_GT(blank, 0) << name;
    EXPECT_EQ(entries.size() + blank + comments, options_file::SplitIntoLines(bytes).size())
        << name;
    std::set<std::string> seen;
    for (const std::string& entry : entries) {
      // A word never holds a blank, so an entry with one could never match.
      EXPECT_EQ(entry.find_first_of(" \t"), std::string::npos) << name << ": " << entry;
      EXPECT_TRUE(seen.insert(utils::LowerCase(entry)).second) << name << ": twice " << entry;
    }
  }
}

TEST(DemoEngineDemoFiles, MultiWordFilesKeepEveryUnitWithAKnownTag) {
  for (const char* language : kLanguages) {
    const std::string name = kDemoFolder + language + "-mwls";
    const std::string bytes = utils::ReadWholeFile(name);
    ExpectWindowsText(name, bytes, IsUtf8Language(language));
    const ParameterFile parameters = ReadParameterFile(kDemoFolder + language + ".par");
    const tokenizer::MultiWordAutomaton automaton = tokenizer::ReadMultiWordFile(bytes);
    const std::vector<std::string_view> lines = options_file::SplitIntoLines(bytes);
    EXPECT_GE(lines.size(), 30u) << name;
    for (const std::string_view line_view : lines) {
      const std::string line(line_view);
      const std::size_t tab = line.find('\t');
      ASSERT_NE(tab, std::string::npos) << name << ": " << line;
      const std::string annotation = line.substr(tab + 1);
      EXPECT_TRUE(parameters.HasTag(annotation)) << name << ": " << annotation;
      // Each unit is joined by its own words: no shorter unit hides it, and no earlier line
      // for the same words takes its place.
      std::vector<std::string> words;
      for (std::size_t start = 0; start < tab;) {
        const std::size_t stop = std::min(line.find(' ', start), tab);
        words.push_back(line.substr(start, stop - start));
        start = stop + 1;
      }
      EXPECT_EQ(test_support::JoinMultiWords(automaton, words), std::vector<std::string>{line})
          << name;
    }
  }
}

TEST(DemoEngineDemoFiles, SampleTextsAreWindowsTextWithQuotesAndDashes) {
  for (const char* language : kLanguages) {
    const std::string name = kDemoFolder + "texts/" + language + "-sample.txt";
    const std::string bytes = utils::ReadWholeFile(name);
    const bool utf8 = IsUtf8Language(language);
    ExpectWindowsText(name, bytes, utf8);
    if (utf8) {
      for (const char* character : {"«", "»", "—", "х", "л", "ё"})
        EXPECT_NE(bytes.find(character), std::string::npos) << name << ": no " << character;
      continue;
    }
    EXPECT_NE(bytes.find_first_of("\x93\x84\xAB"), std::string::npos) << name << ": no quotes";
    EXPECT_NE(bytes.find_first_of("\x96\x97"), std::string::npos) << name << ": no dashes";
    EXPECT_GE(std::count(bytes.begin(), bytes.end(), '\n'), 6) << name;
  }
}

TEST(DemoEngineDemoFiles, OptionsFilesListTheirKeysInTheOrderOfSaving) {
  for (const char* language : kLanguages) {
    const std::string name = kDemoFolder + "options/" + language + ".cfg";
    const std::string bytes = utils::ReadWholeFile(name);
    ExpectWindowsText(name, bytes);
    const std::vector<std::string_view> lines = options_file::SplitIntoLines(bytes);
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[0], options_file::kOptionsFileHeader) << name;
    EXPECT_EQ(lines[1], "Lang=" + std::string(language)) << name;
    int last_key = -1;
    for (std::size_t i = 1; i < lines.size(); ++i) {
      std::string key;
      std::string value;
      ASSERT_TRUE(options_file::SplitOptionLine(lines[i], key, value)) << name << ": " << lines[i];
      const int index = options_file::IndexInList(options_file::OptionKeys, key);
      EXPECT_GT(index, last_key) << name << ": " << lines[i];
      last_key = index;
    }
  }
}

}  // namespace
}  // namespace demo_engine
