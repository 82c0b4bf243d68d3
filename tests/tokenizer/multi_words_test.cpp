#include "tokenizer/multi_words.h"

#include <gtest/gtest.h>

#include <random>

#include "support/plain_multi_word_joiner.h"
#include "utils/cp1252.h"

namespace tokenizer {
namespace {}  // namespace

void PrintTo(const MultiWordTransition& t, std::ostream* out) {
  *out << "(" << t.from << " -" << t.word << "-> " << t.to << ")";
}
void PrintTo(const MultiWordFinal& f, std::ostream* out) {
  *out << "(" << f.state << ": " << f.annotation << ")";
}

namespace {

using test_support::JoinMultiWords;
using Transitions = std::vector<MultiWordTransition>;
using Finals = std::vector<MultiWordFinal>;

TEST(MultiWordFile, NumbersStatesInCreationOrderAcrossTheFile) {
  const MultiWordAutomaton automaton =
      ReadMultiWordFile("in spite of\tPREP\r\nin front of\tPREP\r\nNew York\tNP\r\n");
  EXPECT_EQ(automaton.Transitions(), (Transitions{{0, 1, "in"},
                                                  {1, 2, "spite"},
                                                  {2, 3, "of"},
                                                  {1, 4, "front"},
                                                  {4, 5, "of"},
                                                  {0, 6, "New"},
                                                  {6, 7, "York"}}));
  EXPECT_EQ(automaton.Finals(), (Finals{{3, "PREP"}, {5, "PREP"}, {7, "NP"}}));
}

TEST(MultiWordFile, ReadsTheSameWithEveryKindOfLineEnd) {
  const MultiWordAutomaton crlf = ReadMultiWordFile("a b\tX\r\nc\tY\r\n");
  for (const char* file : {"a b\tX\rc\tY\r", "a b\tX\nc\tY\n", "a b\tX\nc\tY", "a b\tX\r\nc\tY"}) {
    const MultiWordAutomaton other = ReadMultiWordFile(file);
    EXPECT_EQ(other.Transitions(), crlf.Transitions()) << file;
    EXPECT_EQ(other.Finals(), crlf.Finals()) << file;
  }
  // A file with Unix line ends gives one sequence per line, not one line whose annotation
  // swallows the rest of the file.
  EXPECT_EQ(ReadMultiWordFile("a\tX\nb\tY\n").Finals(), (Finals{{1, "X"}, {2, "Y"}}));
}

TEST(MultiWordFile, LineContents) {
  struct Row {
    const char* what;
    std::string file;
    Transitions transitions;
    Finals finals;
  };
  const Row rows[] = {
      {"annotation kept whole", "a b\tX  Y\tZ \r\n", {{0, 1, "a"}, {1, 2, "b"}}, {{2, "X  Y\tZ "}}},
      {"no TAB", "a b\r\n", {{0, 1, "a"}, {1, 2, "b"}}, {{2, ""}}},
      {"TAB last", "a b\t\r\n", {{0, 1, "a"}, {1, 2, "b"}}, {{2, ""}}},
      {"runs of spaces", "  a   b  \tX", {{0, 1, "a"}, {1, 2, "b"}}, {{2, "X"}}},
      {"empty lines skipped", "\r\n\r\n\n\ra\tX\r\n\r\n", {{0, 1, "a"}}, {{1, "X"}}},
      {"a line without words names state 0", "   \r\n\tX\r\n", {}, {{0, ""}, {0, "X"}}},
      {"0x1A ends the file",
       "a\tX\r\n\x1A"
       "b\tY\r\n",
       {{0, 1, "a"}},
       {{1, "X"}}},
      {"shared start",
       "a b\tX\r\na c\tY",
       {{0, 1, "a"}, {1, 2, "b"}, {1, 3, "c"}},
       {{2, "X"}, {3, "Y"}}},
      {"words are case-sensitive",
       "a\tX\r\nA\tY",
       {{0, 1, "a"}, {0, 2, "A"}},
       {{1, "X"}, {2, "Y"}}},
      {"the same line twice", "a b\tX\r\na b\tY", {{0, 1, "a"}, {1, 2, "b"}}, {{2, "X"}, {2, "Y"}}},
      {"other control bytes are word bytes",
       "a\x0B"
       "b\tX",
       {{0, 1,
         "a\x0B"
         "b"}},
       {{1, "X"}}},
      {"empty file", "", {}, {}},
  };
  for (const Row& row : rows) {
    const MultiWordAutomaton automaton = ReadMultiWordFile(row.file);
    EXPECT_EQ(automaton.Transitions(), row.transitions) << row.what;
    EXPECT_EQ(automaton.Finals(), row.finals) << row.what;
  }
}

TEST(MultiWordAutomaton, FindsTransitionsAndFinals) {
  const MultiWordAutomaton automaton = ReadMultiWordFile("a b\tX\r\na b\tY\r\nb\tZ\r\n");
  EXPECT_EQ(automaton.FindTransition(0, "a"), 1);
  EXPECT_EQ(automaton.FindTransition(1, "b"), 2);
  EXPECT_EQ(automaton.FindTransition(0, "b"), 3);
  EXPECT_EQ(automaton.FindTransition(0, "A"), MultiWordAutomaton::kNoState);
  EXPECT_EQ(automaton.FindTransition(2, "b"), MultiWordAutomaton::kNoState);
  EXPECT_EQ(automaton.FindTransition(99, "a"), MultiWordAutomaton::kNoState);
  EXPECT_EQ(automaton.FindFinal(2), std::optional<std::string_view>("X"));
  EXPECT_EQ(automaton.FindFinal(3), std::optional<std::string_view>("Z"));
  EXPECT_EQ(automaton.FindFinal(1), std::nullopt);
  EXPECT_EQ(automaton.FindFinal(99), std::nullopt);
}

// The look-ups a plain scan of the entries in creation order gives.
int ScanTransitions(const MultiWordAutomaton& automaton, int state, std::string_view word) {
  for (const MultiWordTransition& transition : automaton.Transitions()) {
    if (transition.from == state && transition.word == word)
      return transition.to;
  }
  return MultiWordAutomaton::kNoState;
}

std::optional<std::string_view> ScanFinals(const MultiWordAutomaton& automaton, int state) {
  for (const MultiWordFinal& final_entry : automaton.Finals()) {
    if (final_entry.state == state)
      return final_entry.annotation;
  }
  return std::nullopt;
}

int ScanTokenTransition(const MultiWordAutomaton& automaton, int state, std::string_view token) {
  int to = ScanTransitions(automaton, state, token);
  const std::string lower = utils::LowerCase(token);
  if (to == MultiWordAutomaton::kNoState)
    to = ScanTransitions(automaton, state, lower);
  if (to == MultiWordAutomaton::kNoState && !token.empty()) {
    const std::string capitalised = utils::ToUpperCp1252(token[0]) + lower.substr(1);
    to = ScanTransitions(automaton, state, capitalised);
  }
  return to;
}

TEST(MultiWordAutomaton, IndexedLookUpsGiveTheFirstMatchesOfAScan) {
  // Short words over a few letters of both cases, accented ones among them, so that many words
  // share their lower-case form and states.
  const std::string letters = "aAbB\xE9\xC9\xFF\x9F";
  std::mt19937 random(7);
  // Some words are long and share their first eight bytes in either case.
  auto word = [&] {
    std::string w = random() % 4 == 0 ? (random() % 2 ? "prefixes" : "PREFIXES") : "";
    for (int n = 1 + static_cast<int>(random() % 3); n > 0; --n)
      w += letters[random() % letters.size()];
    return w;
  };
  std::string file;
  for (int line = 0; line < 400; ++line) {
    for (int n = 1 + static_cast<int>(random() % 3); n > 0; --n)
      file += word() + " ";
    file += "\t" + std::to_string(line) + "\r\n";
  }
  // Then many case forms of one word, at the start and after another word, repeated too.
  auto case_form = [&] {
    std::string form = "abab\xE9\xFF";
    for (char& byte : form) {
      if (random() % 2)
        byte = utils::ToUpperCp1252(byte);
    }
    return form;
  };
  for (int line = 0; line < 300; ++line) {
    file +=
        (line % 2 ? "a " : "") + case_form() + " " + word() + "\t" + std::to_string(line) + "\r\n";
  }
  const MultiWordAutomaton automaton = ReadMultiWordFile(file);
  const int states = static_cast<int>(automaton.Transitions().size()) + 1;
  for (int query = 0; query < 20000; ++query) {
    const int state = static_cast<int>(random() % states);
    const std::string w = query % 2 ? word() : case_form();
    ASSERT_EQ(automaton.FindTransition(state, w), ScanTransitions(automaton, state, w));
    ASSERT_EQ(automaton.FindTokenTransition(state, w), ScanTokenTransition(automaton, state, w));
  }
  for (int state = 0; state <= states; ++state)
    ASSERT_EQ(automaton.FindFinal(state), ScanFinals(automaton, state));
}

// Every form of a token shares the token's lower-case form; the transition index relies on it.
TEST(MultiWordAutomaton, CaseFormsShareTheLowerCaseForm) {
  for (int i = 0; i < 256; ++i) {
    const char c = static_cast<char>(i);
    EXPECT_EQ(utils::ToLowerCp1252(utils::ToUpperCp1252(c)), utils::ToLowerCp1252(c)) << i;
    EXPECT_EQ(utils::ToLowerCp1252(utils::ToLowerCp1252(c)), utils::ToLowerCp1252(c)) << i;
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
