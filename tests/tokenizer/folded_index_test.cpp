#include "tokenizer/folded_index.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

#include "tokenizer/clitic_matcher.h"
#include "tokenizer/clitics.h"
#include "utils/cp1252.h"

namespace tokenizer {
namespace {

TEST(FoldedKey, EveryCaseFormHasTheSameKeyForEveryByteAndPlace) {
  for (std::size_t length = 1; length <= 12; ++length) {
    for (int byte = 0; byte < 256; ++byte) {
      for (std::size_t place = 0; place < length; ++place) {
        std::string word(length, 'Q');
        word[place] = static_cast<char>(byte);
        const FoldedKey key(word);
        const FoldedKey lowered(utils::LowerCase(word));
        ASSERT_EQ(key.Lower(), lowered.Bytes()) << length << " " << byte << " " << place;
        ASSERT_EQ(key.Hash(), lowered.Hash()) << length << " " << byte << " " << place;
        ASSERT_EQ(SketchOf(word), SketchOf(utils::LowerCase(word))) << length << " " << byte;
      }
    }
  }
}

// The first item of the group of `word`, or kNone.
int First(const FoldedIndex& index, std::uint32_t tag, std::string_view word) {
  const FoldedIndex::Group* group = index.Find(tag, FoldedKey(word));
  return group ? group->first_item : FoldedIndex::kNone;
}

TEST(FoldedIndex, GroupsWordsByTagAndLowerCase) {
  FoldedIndex index;
  EXPECT_EQ(First(index, 0, "word"), FoldedIndex::kNone);
  const int first = index.Add(0, FoldedKey("Word"), 10);
  index.Add(1, FoldedKey("word"), 11);
  const int third = index.Add(0, FoldedKey("WORD"), 12);
  index.Add(0, FoldedKey("words"), 13);
  const int head = First(index, 0, "wOrD");
  EXPECT_EQ(std::set<int>({head, index.Next(head)}), std::set<int>({first, third}));
  EXPECT_EQ(index.Next(index.Next(head)), FoldedIndex::kNone);
  EXPECT_EQ(index.Value(third), 12);
  EXPECT_EQ(index.Word(third), "WORD");
  EXPECT_EQ(index.Value(First(index, 1, "WORD")), 11);
  EXPECT_EQ(First(index, 2, "word"), FoldedIndex::kNone);
  EXPECT_FALSE(index.IsLowerCase(first));
  EXPECT_TRUE(index.IsLowerCaseAfterFirst(first));
  EXPECT_FALSE(index.IsLowerCaseAfterFirst(third));
}

TEST(FoldedIndex, KnowsTheValueEveryCaseFormFindsWhenTheGroupIsOneLowerCaseWord) {
  FoldedIndex index;
  index.Add(0, FoldedKey("york"), 1);
  index.Add(0, FoldedKey("New"), 2);
  index.Add(0, FoldedKey("in"), 3);
  index.Add(0, FoldedKey("IN"), 4);
  index.Add(0, FoldedKey("\xE9t\xE9"), 5);
  EXPECT_EQ(index.Find(0, FoldedKey("YORK"))->sole_lower_case_value, 1);
  EXPECT_EQ(index.Find(0, FoldedKey("\xC9T\xC9"))->sole_lower_case_value, 5);
  // Not for a word in capitals, nor for a group of two words.
  EXPECT_EQ(index.Find(0, FoldedKey("new"))->sole_lower_case_value, FoldedIndex::kNone);
  EXPECT_EQ(index.Find(0, FoldedKey("in"))->sole_lower_case_value, FoldedIndex::kNone);
}

// A group of many case forms of one word is not walked: each form is found by its bytes.
TEST(FoldedIndex, FindsEachOfManyCaseFormsOfOneWordByItsBytes) {
  const std::string word = "abcdefghij";
  const auto form = [&word](int bits) {
    std::string result = word;
    for (std::size_t i = 0; i < result.size(); ++i) {
      if (bits >> i & 1)
        result[i] = static_cast<char>(result[i] - 32);
    }
    return result;
  };
  FoldedIndex index;
  for (int bits = 0; bits < 1024; bits += 3)
    index.Add(bits % 2, FoldedKey(form(bits)), bits);
  for (int bits = 0; bits < 1024; ++bits) {
    const FoldedIndex::Group* group = index.Find(bits % 2, FoldedKey(word));
    ASSERT_NE(group, nullptr);
    EXPECT_FALSE(index.IsShort(*group));
    const int item = index.FindWord(bits % 2, *group, form(bits));
    if (bits % 3 == 0) {
      ASSERT_NE(item, FoldedIndex::kNone) << bits;
      EXPECT_EQ(index.Value(item), bits);
    } else {
      EXPECT_EQ(item, FoldedIndex::kNone) << bits;
    }
  }
}

TEST(FoldedIndex, TellsLongWordsApartPastTheirFirstEightBytes) {
  FoldedIndex index;
  const int x = index.Add(0, FoldedKey("abcdefghX"), 0);
  const int y = index.Add(0, FoldedKey("abcdefghY"), 1);
  const int accented = index.Add(0, FoldedKey("abcdefgh\xC9t\xE9"), 2);
  EXPECT_EQ(First(index, 0, "ABCDEFGHx"), x);
  EXPECT_EQ(First(index, 0, "abcdefghy"), y);
  EXPECT_EQ(First(index, 0, "ABCDEFGH\xE9T\xC9"), accented);
  EXPECT_EQ(First(index, 0, "abcdefghZ"), FoldedIndex::kNone);
  EXPECT_EQ(First(index, 0, "abcdefgh"), FoldedIndex::kNone);
  EXPECT_EQ(index.Next(x), FoldedIndex::kNone);
}

TEST(FoldedIndex, FindsEveryOneOfManyWords) {
  FoldedIndex index;
  for (int i = 0; i < 5000; ++i)
    index.Add(static_cast<std::uint32_t>(i % 7), FoldedKey("w" + std::to_string(i)), i);
  for (int i = 0; i < 5000; ++i) {
    const int item = First(index, static_cast<std::uint32_t>(i % 7), "W" + std::to_string(i));
    ASSERT_NE(item, FoldedIndex::kNone) << i;
    EXPECT_EQ(index.Value(item), i);
    EXPECT_EQ(First(index, static_cast<std::uint32_t>(i % 7 + 1), "w" + std::to_string(i)),
              FoldedIndex::kNone);
  }
}

TEST(CliticMatcher, FindsTheFirstEntryInTableOrder) {
  const std::vector<std::string> suffixes = {"b", "ab", "", "xab"};
  const CliticMatcher back(suffixes, CliticMatcher::Side::Back);
  EXPECT_EQ(back.Match("xab"), 1u);  // "b" comes first in the table
  EXPECT_EQ(back.Match("b"), 0u);    // only the empty entry is shorter than the word
  EXPECT_EQ(back.Match("zz"), 0u);
  EXPECT_EQ(back.Match(""), CliticMatcher::kNoMatch);
  const std::vector<std::string> prefixes = {"qu'", "l'"};
  const CliticMatcher front(prefixes, CliticMatcher::Side::Front);
  EXPECT_EQ(front.Match("qu'il"), 3u);
  EXPECT_EQ(front.Match("l'a"), 2u);
  EXPECT_EQ(front.Match("l'"), CliticMatcher::kNoMatch);
  EXPECT_EQ(front.Match("lu"), CliticMatcher::kNoMatch);
  const std::vector<std::string> none;
  EXPECT_EQ(CliticMatcher(none, CliticMatcher::Side::Front).Match("word"), CliticMatcher::kNoMatch);
}

// The first entry in table order that the word is longer than and begins (or ends) with.
std::size_t ScanClitics(const std::vector<std::string>& table, CliticMatcher::Side side,
                        std::string_view word) {
  for (const std::string& entry : table) {
    const bool fits = word.size() > entry.size();
    if (fits &&
        (side == CliticMatcher::Side::Front ? word.starts_with(entry) : word.ends_with(entry)))
      return entry.size();
  }
  return CliticMatcher::kNoMatch;
}

TEST(CliticMatcher, AgreesWithAScanOfEveryTableOnWordsMadeOfItsBytes) {
  std::mt19937 random(11);
  for (const char* language : {"english", "french", "italian"}) {
    const CliticTables tables = CliticTablesFor(true, language);
    for (const auto& [table, side] : {std::pair{&tables.prefixes, CliticMatcher::Side::Front},
                                      std::pair{&tables.suffixes, CliticMatcher::Side::Back}}) {
      const CliticMatcher matcher(*table, side);
      std::string bytes = "x";
      for (const std::string& entry : *table)
        bytes += entry;
      for (int i = 0; i < 20000; ++i) {
        // Words of up to eight bytes, often with an entry at the matching end.
        std::string word;
        for (std::size_t n = random() % 5; n > 0; --n)
          word += bytes[random() % bytes.size()];
        if (!table->empty() && random() % 2 == 0) {
          const std::string& entry = (*table)[random() % table->size()];
          word = side == CliticMatcher::Side::Front ? entry + word : word + entry;
        }
        ASSERT_EQ(matcher.Match(word), ScanClitics(*table, side, word)) << language << " " << word;
      }
    }
  }
}

}  // namespace
}  // namespace tokenizer
