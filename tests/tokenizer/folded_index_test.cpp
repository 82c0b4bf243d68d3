#include "tokenizer/folded_index.h"

#include <gtest/gtest.h>

#include <map>
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

// An index with the text its words lie in.
struct Filed {
  std::string text;
  FoldedIndex index;

  // Files `word` under `tag`; returns where it ends.
  int Add(std::uint32_t tag, std::string_view word) {
    text += word;
    index.Add(text, tag, FoldedKey(word), text.size());
    return static_cast<int>(text.size());
  }
  const FoldedIndex::Group* Find(std::uint32_t tag, std::string_view word) const {
    return index.Find(text, tag, FoldedKey(word));
  }
  int FindWord(std::uint32_t tag, std::string_view word) const {
    const FoldedIndex::Group* group = Find(tag, word);
    return group ? index.FindWord(text, tag, *group, word) : FoldedIndex::kNone;
  }
  // The ends of the items of the group of `word`.
  std::set<int> ItemEnds(std::uint32_t tag, std::string_view word) const {
    std::set<int> ends;
    for (int item = FoldedIndex::FirstItem(*Find(tag, word)); item != FoldedIndex::kNone;
         item = index.Next(item))
      ends.insert(index.End(item));
    return ends;
  }
};

TEST(FoldedIndex, GroupsWordsByTagAndLowerCase) {
  Filed filed;
  EXPECT_EQ(filed.Find(0, "word"), nullptr);
  const int first = filed.Add(0, "Word");
  const int other_tag = filed.Add(1, "word");
  const int third = filed.Add(0, "WORD");
  const int longer = filed.Add(0, "words");
  EXPECT_EQ(filed.ItemEnds(0, "wOrD"), std::set<int>({first, third}));
  EXPECT_EQ(filed.FindWord(0, "WORD"), third);
  EXPECT_EQ(filed.FindWord(0, "word"), FoldedIndex::kNone);
  EXPECT_EQ(filed.FindWord(1, "word"), other_tag);
  EXPECT_EQ(filed.FindWord(0, "words"), longer);
  EXPECT_EQ(filed.Find(2, "word"), nullptr);
  const int head = FoldedIndex::FirstItem(*filed.Find(0, "word"));
  const int tail = filed.index.Next(head);
  const int first_item = filed.index.End(head) == first ? head : tail;
  const int third_item = first_item == head ? tail : head;
  EXPECT_FALSE(filed.index.IsLowerCase(first_item));
  EXPECT_TRUE(filed.index.IsLowerCaseAfterFirst(first_item));
  EXPECT_FALSE(filed.index.IsLowerCaseAfterFirst(third_item));
}

TEST(FoldedIndex, KnowsTheEndEveryCaseFormFindsWhenTheGroupIsOneLowerCaseWord) {
  Filed filed;
  const int york = filed.Add(0, "york");
  filed.Add(0, "New");
  const int in = filed.Add(0, "in");
  filed.Add(0, "IN");
  const int summer = filed.Add(0, "\xE9t\xE9");
  EXPECT_EQ(FoldedIndex::SoleLowerCaseEnd(*filed.Find(0, "YORK")), york);
  EXPECT_EQ(FoldedIndex::SoleLowerCaseEnd(*filed.Find(0, "\xC9T\xC9")), summer);
  // Not for a word in capitals, nor for a group of two words; the lower-case word keeps its
  // place as an item.
  EXPECT_EQ(FoldedIndex::SoleLowerCaseEnd(*filed.Find(0, "new")), FoldedIndex::kNone);
  EXPECT_EQ(FoldedIndex::SoleLowerCaseEnd(*filed.Find(0, "in")), FoldedIndex::kNone);
  EXPECT_EQ(filed.FindWord(0, "in"), in);
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
  Filed filed;
  std::map<int, int> bits_of_end;
  for (int bits = 0; bits < 1024; bits += 3)
    bits_of_end[filed.Add(bits % 2, form(bits))] = bits;
  for (int bits = 0; bits < 1024; ++bits) {
    const FoldedIndex::Group* group = filed.Find(bits % 2, word);
    ASSERT_NE(group, nullptr);
    EXPECT_FALSE(filed.index.IsShort(*group));
    const int end = filed.FindWord(bits % 2, form(bits));
    if (bits % 3 == 0) {
      ASSERT_NE(end, FoldedIndex::kNone) << bits;
      EXPECT_EQ(bits_of_end[end], bits);
    } else {
      EXPECT_EQ(end, FoldedIndex::kNone) << bits;
    }
  }
}

TEST(FoldedIndex, TellsLongWordsApartPastTheirFirstEightBytes) {
  Filed filed;
  const int x = filed.Add(0, "abcdefghX");
  const int y = filed.Add(0, "abcdefghY");
  const int accented = filed.Add(0, "abcdefgh\xC9t\xE9");
  EXPECT_EQ(filed.ItemEnds(0, "ABCDEFGHx"), std::set<int>({x}));
  EXPECT_EQ(filed.ItemEnds(0, "abcdefghy"), std::set<int>({y}));
  EXPECT_EQ(filed.ItemEnds(0, "ABCDEFGH\xE9T\xC9"), std::set<int>({accented}));
  EXPECT_EQ(filed.Find(0, "abcdefghZ"), nullptr);
  EXPECT_EQ(filed.Find(0, "abcdefgh"), nullptr);
}

TEST(FoldedIndex, FindsEveryOneOfManyWords) {
  Filed filed;
  std::vector<int> ends;
  for (int i = 0; i < 5000; ++i)
    ends.push_back(filed.Add(static_cast<std::uint32_t>(i % 7), "w" + std::to_string(i)));
  for (int i = 0; i < 5000; ++i) {
    const auto tag = static_cast<std::uint32_t>(i % 7);
    const FoldedIndex::Group* group = filed.Find(tag, "W" + std::to_string(i));
    ASSERT_NE(group, nullptr) << i;
    EXPECT_EQ(FoldedIndex::SoleLowerCaseEnd(*group), ends[static_cast<std::size_t>(i)]);
    EXPECT_EQ(filed.Find(tag + 1, "w" + std::to_string(i)), nullptr);
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
