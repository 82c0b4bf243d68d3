// The language files, sample texts and options files of the demo installation, read under the
// rules by which the window reads them, so that no line of them is lost or misread.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "parameter_file.h"
#include "utils/cp1252.h"
#include "utils/files.h"

namespace demo_engine {
namespace {

const std::string kDemoFolder = std::string(VANDREL_SOURCE_DIR) + "/demo/";
const char* const kLanguages[] = {"english", "french", "german", "italian"};

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

void ExpectWindowsText(const std::string& name, const std::string& bytes) {
  EXPECT_TRUE(EndsEveryLineWithCrLf(bytes)) << name;
  EXPECT_FALSE(LooksLikeUtf8(bytes)) << name;
  EXPECT_EQ(bytes.find('\0'), std::string::npos) << name;
  EXPECT_EQ(bytes.find('\x1A'), std::string::npos) << name;
}

// The lines as the tokenizer's abbreviation list keeps them: trimmed of TAB, LF, CR and
// blanks, without empty and comment lines.
struct AbbreviationsFile {
  std::vector<std::string> entries;
  int comments = 0;
  int blank_lines = 0;
};

AbbreviationsFile ReadAbbreviations(const std::string& bytes) {
  AbbreviationsFile file;
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = bytes.find("\r\n", start);
    std::string line = bytes.substr(start, end - start);
    start = end == std::string::npos ? bytes.size() : end + 2;
    const std::size_t first = line.find_first_not_of("\t\n\r ");
    line = first == std::string::npos
               ? ""
               : line.substr(first, line.find_last_not_of("\t\n\r ") - first + 1);
    if (line.empty())
      ++file.blank_lines;
    else if (line.front() == '#')
      ++file.comments;
    else
      file.entries.push_back(line);
  }
  return file;
}

struct MultiWordUnit {
  std::vector<std::string> words;
  std::string annotation;
};

// Lines end at CR, an LF right after it belongs to the line end; the first TAB ends the words.
std::vector<MultiWordUnit> ReadMultiWordUnits(const std::string& bytes) {
  std::vector<MultiWordUnit> units;
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = bytes.find('\r', start);
    const std::string line = bytes.substr(start, end - start);
    start = end == std::string::npos ? bytes.size() : end + 1;
    if (start < bytes.size() && bytes[start] == '\n')
      ++start;
    if (line.empty())
      continue;
    MultiWordUnit unit;
    const std::size_t tab = line.find('\t');
    unit.annotation = tab == std::string::npos ? "" : line.substr(tab + 1);
    std::string word;
    for (char c : line.substr(0, tab) + " ") {
      if (c != ' ' && c != '\n') {
        word += c;
      } else if (!word.empty()) {
        unit.words.push_back(word);
        word.clear();
      }
    }
    units.push_back(unit);
  }
  return units;
}

TEST(DemoEngineDemoFiles, ParameterFilesReadAndHoldEnoughWords) {
  for (const char* language : kLanguages) {
    const std::string name = kDemoFolder + language + ".par";
    ExpectWindowsText(name, utils::ReadWholeFile(name));
    const ParameterFile parameters = ReadParameterFile(name);
    EXPECT_EQ(parameters.language, language);
    EXPECT_GE(parameters.lexicon.WordCount(), 250u) << name;
    EXPECT_GE(parameters.endings.size(), 25u) << name;
    EXPECT_FALSE(parameters.contexts.empty()) << name;
  }
}

TEST(DemoEngineDemoFiles, AbbreviationFilesKeepEveryEntry) {
  for (const char* language : kLanguages) {
    const std::string name = kDemoFolder + language + "-abbreviations";
    const std::string bytes = utils::ReadWholeFile(name);
    ExpectWindowsText(name, bytes);
    const AbbreviationsFile file = ReadAbbreviations(bytes);
    EXPECT_GE(file.entries.size(), 60u) << name;
    EXPECT_GT(file.comments, 0) << name;
    EXPECT_GT(file.blank_lines, 0) << name;
    std::set<std::string> seen;
    for (const std::string& entry : file.entries) {
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
    ExpectWindowsText(name, bytes);
    const ParameterFile parameters = ReadParameterFile(kDemoFolder + language + ".par");
    const std::vector<MultiWordUnit> units = ReadMultiWordUnits(bytes);
    EXPECT_GE(units.size(), 30u) << name;
    for (const MultiWordUnit& unit : units) {
      EXPECT_GE(unit.words.size(), 2u) << name;
      EXPECT_TRUE(parameters.HasTag(unit.annotation)) << name << ": " << unit.annotation;
    }
    // The first unit reached wins, so a unit that begins another would hide it, and a second
    // line for the same words would never be used.
    for (const MultiWordUnit& shorter : units) {
      for (const MultiWordUnit& longer : units) {
        if (&shorter == &longer || shorter.words.size() > longer.words.size())
          continue;
        EXPECT_FALSE(std::equal(shorter.words.begin(), shorter.words.end(), longer.words.begin()))
            << name << ": " << shorter.words.front() << "... hides or repeats another unit";
      }
    }
  }
}

TEST(DemoEngineDemoFiles, SampleTextsAreWindowsTextWithQuotesAndDashes) {
  for (const char* language : kLanguages) {
    const std::string name = kDemoFolder + "texts/" + language + "-sample.txt";
    const std::string bytes = utils::ReadWholeFile(name);
    ExpectWindowsText(name, bytes);
    EXPECT_NE(bytes.find_first_of("\x93\x84\xAB"), std::string::npos) << name << ": no quotes";
    EXPECT_NE(bytes.find_first_of("\x96\x97"), std::string::npos) << name << ": no dashes";
    EXPECT_GE(std::count(bytes.begin(), bytes.end(), '\n'), 6) << name;
  }
}

TEST(DemoEngineDemoFiles, OptionsFilesListTheirKeysInTheOrderOfSaving) {
  const std::vector<std::string> key_order = {
      "Lang",           "Task",           "IONames",      "WriteToken",        "WritePOS",
      "WritePOSFactor", "WriteProb",      "WriteLemma",   "WriteUnknownLemma", "WriteLexInfo",
      "WriteQuiet",     "ReadManProb",    "ReadManLemma", "ReadSGML",          "ReadEOS",
      "ReadEOSTag",     "TokChoice",      "OwnProgram",   "TokAbbrevs",        "TokMultiW",
      "TokDetClit",     "TokDetApost",    "TokPunctConv", "TagCapHeur",        "TagHyphenHeur",
      "TagLexProbOnly", "TagReplaceZero", "TagReplaceBy", "TagIgnorePrefix",   "TagAuxLex",
      "TagAuxLexFile",  "ReadFile",       "WriteFile",    "TrainCoding",       "OneLetAbbrev"};
  for (const char* language : kLanguages) {
    const std::string name = kDemoFolder + "options/" + language + ".cfg";
    const std::string bytes = utils::ReadWholeFile(name);
    ExpectWindowsText(name, bytes);
    ASSERT_TRUE(
        bytes.starts_with("# Options file for Vandrel\r\nLang=" + std::string(language) + "\r\n"))
        << name;
    std::size_t last_position = 0;
    std::size_t start = bytes.find("\r\n") + 2;
    for (std::size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2) {
      const std::string line = bytes.substr(start, end - start);
      const std::size_t equals = line.find('=');
      ASSERT_NE(equals, std::string::npos) << name << ": " << line;
      const auto key = std::find(key_order.begin(), key_order.end(), line.substr(0, equals));
      ASSERT_NE(key, key_order.end()) << name << ": " << line;
      const std::size_t position = key - key_order.begin() + 1;
      EXPECT_GT(position, last_position) << name << ": " << line;
      last_position = position;
    }
  }
}

}  // namespace
}  // namespace demo_engine
