#include "tokenizer/multi_words.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <random>
#include <set>

#include "support/plain_multi_word_joiner.h"
#include "utils/cp1252.h"

namespace tokenizer {
namespace {

using test_support::JoinMultiWords;
using Units = std::vector<std::pair<std::string, std::optional<std::string>>>;

// The annotation at the end of the path of `words` (separated by single spaces), exactly as
// they are; nullopt when there is no such path or it ends in no line.
std::optional<std::string> UnitOf(const MultiWordAutomaton& automaton, std::string_view words) {
  int state = 0;
  for (std::size_t start = 0; start <= words.size();) {
    std::size_t stop = words.find(' ', start);
    if (stop == std::string_view::npos)
      stop = words.size();
    state = automaton.FindTransition(state, words.substr(start, stop - start));
    if (state == MultiWordAutomaton::kNoState)
      return std::nullopt;
    start = stop + 1;
  }
  const std::optional<std::string_view> annotation = automaton.FindFinal(state);
  return annotation ? std::optional<std::string>(*annotation) : std::nullopt;
}

void ExpectUnits(const std::string& file, const Units& units) {
  const MultiWordAutomaton automaton = ReadMultiWordFile(file);
  for (const auto& [words, annotation] : units)
    EXPECT_EQ(UnitOf(automaton, words), annotation) << file << " / " << words;
}

TEST(MultiWordFile, EveryLineIsThePathOfItsWords) {
  ExpectUnits("in spite of\tPREP\r\nin front of\tPREP2\r\nNew York\tNP\r\n",
              {{"in spite of", "PREP"},
               {"in front of", "PREP2"},
               {"New York", "NP"},
               {"in spite", std::nullopt},
               {"in", std::nullopt},
               {"new York", std::nullopt},
               {"in front of it", std::nullopt}});
}

TEST(MultiWordFile, ReadsTheSameWithEveryKindOfLineEnd) {
  // A file with Unix line ends gives one sequence per line, not one line whose annotation
  // swallows the rest of the file.
  for (const char* file :
       {"a b\tX\r\nc\tY\r\n", "a b\tX\rc\tY\r", "a b\tX\nc\tY\n", "a b\tX\nc\tY", "a b\tX\r\nc\tY"})
    ExpectUnits(file, {{"a b", "X"}, {"c", "Y"}});
}

TEST(MultiWordFile, LineContents) {
  struct Row {
    const char* what;
    std::string file;
    Units units;
  };
  const Row rows[] = {
      {"annotation kept whole", "a b\tX  Y\tZ \r\n", {{"a b", "X  Y\tZ "}}},
      {"no TAB", "a b\r\n", {{"a b", ""}}},
      {"TAB last", "a b\t\r\n", {{"a b", ""}}},
      {"runs of spaces", "  a   b  \tX", {{"a b", "X"}, {"a", std::nullopt}}},
      {"empty lines skipped", "\r\n\r\n\n\ra\tX\r\n\r\n", {{"a", "X"}}},
      {"0x1A ends the file",
       "a\tX\r\n\x1A"
       "b\tY\r\n",
       {{"a", "X"}, {"b", std::nullopt}}},
      {"shared start", "a b\tX\r\na c\tY", {{"a b", "X"}, {"a c", "Y"}}},
      {"words are case-sensitive", "a\tX\r\nA\tY", {{"a", "X"}, {"A", "Y"}}},
      {"the first of the same line twice", "a b\tX\r\na b\tY", {{"a b", "X"}}},
      {"a line that ends inside a longer one",
       "a b c d\tLONG\r\na b\tSHORT\r\na b c\tHIDDEN\r\na b x\tX",
       {{"a b", "SHORT"}, {"a b c", std::nullopt}, {"a b x", std::nullopt}}},
      {"a line that ends where others branch",
       "a b c\tC\r\na b d\tD\r\na b\tB\r\na b\tB2",
       {{"a b", "B"}, {"a b c", std::nullopt}}},
      {"lines that part inside a longer one",
       "a b c d\tLONG\r\na b x\tX\r\na y\tY\r\na b c e\tE",
       {{"a b c d", "LONG"},
        {"a b x", "X"},
        {"a y", "Y"},
        {"a b c e", "E"},
        {"a b c", std::nullopt}}},
      {"other control bytes are word bytes",
       "a\x0B"
       "b\tX",
       {{"a\x0B"
         "b",
         "X"}}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    ExpectUnits(row.file, row.units);
  }
  EXPECT_TRUE(ReadMultiWordFile("").Empty());
  EXPECT_TRUE(ReadMultiWordFile("   \r\n\tX\r\n").Empty());
  EXPECT_FALSE(ReadMultiWordFile("a").Empty());
}

TEST(MultiWordAutomaton, FindsTransitionsAndFinals) {
  const MultiWordAutomaton automaton = ReadMultiWordFile("a b\tX\r\na b\tY\r\nb\tZ\r\n");
  const int a = automaton.FindTransition(0, "a");
  const int ab = automaton.FindTransition(a, "b");
  const int b = automaton.FindTransition(0, "b");
  EXPECT_EQ(std::set<int>({0, a, ab, b}).size(), 4u);
  EXPECT_EQ(automaton.FindTransition(0, "A"), MultiWordAutomaton::kNoState);
  EXPECT_EQ(automaton.FindTransition(ab, "b"), MultiWordAutomaton::kNoState);
  EXPECT_EQ(automaton.FindTransition(99, "a"), MultiWordAutomaton::kNoState);
  EXPECT_EQ(automaton.FindTransition(-1, "a"), MultiWordAutomaton::kNoState);
  EXPECT_EQ(automaton.FindFinal(ab), std::optional<std::string_view>("X"));
  EXPECT_EQ(automaton.FindFinal(b), std::optional<std::string_view>("Z"));
  EXPECT_EQ(automaton.FindFinal(a), std::nullopt);
  EXPECT_EQ(automaton.FindFinal(99), std::nullopt);
}

struct Line {
  std::vector<std::string> words;
  std::string annotation;
};

// Joining as a scan of the lines gives it: a token goes on with the first of its forms that,
// after the tokens held, begins some line; the first line that the held tokens then make up
// ends the match.
std::vector<std::string> ScanJoin(const std::vector<Line>& lines,
                                  const std::vector<std::string>& tokens) {
  std::vector<std::string> out;
  std::vector<std::string> path;
  std::vector<std::string> held;
  const auto begins_a_line = [&lines](const std::vector<std::string>& words) {
    return std::any_of(lines.begin(), lines.end(), [&words](const Line& line) {
      return line.words.size() >= words.size() &&
             std::equal(words.begin(), words.end(), line.words.begin());
    });
  };
  for (const std::string& token : tokens) {
    const std::string lower = utils::LowerCase(token);
    const std::string capitalised = utils::ToUpperCp1252(token[0]) + lower.substr(1);
    bool goes_on = false;
    for (const std::string& form : {token, lower, capitalised}) {
      path.push_back(form);
      goes_on = begins_a_line(path);
      if (goes_on)
        break;
      path.pop_back();
    }
    if (!goes_on) {
      out.insert(out.end(), held.begin(), held.end());
      out.push_back(token);
      held.clear();
      path.clear();
      continue;
    }
    held.push_back(token);
    const auto unit = std::find_if(lines.begin(), lines.end(),
                                   [&path](const Line& line) { return line.words == path; });
    if (unit != lines.end()) {
      std::string joined = held.front();
      for (std::size_t i = 1; i < held.size(); ++i)
        joined += " " + held[i];
      out.push_back(joined + "\t" + unit->annotation);
      held.clear();
      path.clear();
    }
  }
  out.insert(out.end(), held.begin(), held.end());
  return out;
}

TEST(MultiWordAutomaton, JoinsAsAScanOfTheLinesDoes) {
  // Short words over a few letters of both cases, accented ones among them, so that many words
  // share their lower-case form and lines share their starts, end inside one another and part.
  const std::string letters = "aAbB\xE9\xC9\xFF\x9F";
  std::mt19937 random(7);
  // Some words are long and share their first eight bytes in either case.
  auto word = [&] {
    std::string w = random() % 4 == 0 ? (random() % 2 ? "prefixes" : "PREFIXES") : "";
    for (int n = 1 + static_cast<int>(random() % 2); n > 0; --n)
      w += letters[random() % letters.size()];
    return w;
  };
  // Many case forms of one word, at the start and after another word.
  auto case_form = [&] {
    std::string form = "abab\xE9\xFF";
    for (char& byte : form) {
      if (random() % 2)
        byte = utils::ToUpperCp1252(byte);
    }
    return form;
  };
  std::vector<Line> lines;
  for (int n = 0; n < 600; ++n) {
    Line line{{}, std::to_string(n)};
    if (n >= 400 && n % 2)
      line.words.push_back("a");
    line.words.push_back(n >= 400 ? case_form() : word());
    for (int more = static_cast<int>(random() % 4); more > 0; --more)
      line.words.push_back(word());
    lines.push_back(line);
  }
  std::string file;
  for (const Line& line : lines) {
    for (const std::string& w : line.words)
      file += w + " ";
    file += "\t" + line.annotation + "\r\n";
  }
  std::vector<std::string> tokens;
  for (int n = 0; n < 4000; ++n)
    tokens.push_back(random() % 3 ? word() : case_form());
  EXPECT_EQ(JoinMultiWords(ReadMultiWordFile(file), tokens), ScanJoin(lines, tokens));
}

// Every form of a token shares the token's lower-case form; the transition index relies on it.
TEST(MultiWordAutomaton, CaseFormsShareTheLowerCaseForm) {
  for (int i = 0; i < 256; ++i) {
    const char c = static_cast<char>(i);
    EXPECT_EQ(utils::ToLowerCp1252(utils::ToUpperCp1252(c)), utils::ToLowerCp1252(c)) << i;
    EXPECT_EQ(utils::ToLowerCp1252(utils::ToLowerCp1252(c)), utils::ToLowerCp1252(c)) << i;
    // A path's word is compared byte by byte on this: a byte is its own lower or upper case.
    EXPECT_TRUE(utils::ToLowerCp1252(c) == c || utils::ToUpperCp1252(c) == c) << i;
  }
}

std::vector<std::string> Split(std::string_view text) {
  std::vector<std::string> tokens;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t stop = text.find(' ', start);
    if (stop == std::string_view::npos)
      stop = text.size();
    tokens.emplace_back(text.substr(start, stop - start));
    start = stop + 1;
  }
  return tokens;
}

TEST(JoinMultiWords, ListedSequences) {
  struct Row {
    const char* file;
    const char* tokens;
    std::vector<std::string> lines;
  };
  const Row rows[] = {
      {"in spite of\tX", "In spite of it", {"In spite of\tX", "it"}},
      {"in spite of\tX", "IN SPITE OF", {"IN SPITE OF\tX"}},
      {"New York\tX", "new york", {"new york\tX"}},
      {"a b k\tX", "a b d", {"a", "b", "d"}},
      {"a\tX\r\na b\tY", "a b", {"a\tX", "b"}},
      {"a b\tX\r\nd e\tY", "a d e", {"a", "d", "e"}},
      {"a b\tX\r\nk d\tY", "a b k d", {"a b\tX", "k d\tY"}},
      {"a b", "a b", {"a b\t"}},
      {"a b\tX\r\na b\tY", "a b", {"a b\tX"}},
      {"a b\tX", "x a", {"x", "a"}},
      {"a b\tX", "", {}},
      {"New York\tX", "NEW YORK", {"NEW YORK\tX"}},
      {"\xE9t\xE9 indien\tX", "\xC9T\xC9 Indien", {"\xC9T\xC9 Indien\tX"}},
      {"( a )\tX", "( a ) .", {"( a )\tX", "."}},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(JoinMultiWords(ReadMultiWordFile(row.file), Split(row.tokens)), row.lines)
        << row.file << " / " << row.tokens;
  }
}

TEST(JoinMultiWords, ATokenMatchesAsItIsBeforeItsOtherForms) {
  // "Ab" could take the transition of "ab" (lower case) or "Ab" (itself); itself comes first.
  const MultiWordAutomaton automaton = ReadMultiWordFile("ab c\tLOWER\r\nAb c\tASIS\r\n");
  EXPECT_EQ(JoinMultiWords(automaton, {"Ab", "c"}), std::vector<std::string>{"Ab c\tASIS"});
  EXPECT_EQ(JoinMultiWords(automaton, {"AB", "c"}), std::vector<std::string>{"AB c\tLOWER"});
  const MultiWordAutomaton capitalised = ReadMultiWordFile("Ab\tCAP\r\n");
  EXPECT_EQ(JoinMultiWords(capitalised, {"aB"}), std::vector<std::string>{"aB\tCAP"});
}

}  // namespace
}  // namespace tokenizer
