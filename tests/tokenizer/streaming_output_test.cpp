#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "support/plain_multi_word_joiner.h"
#include "tokenizer/hash_filters.h"
#include "tokenizer/line_output.h"
#include "tokenizer/multi_word_joiner.h"
#include "tokenizer/punctuation.h"
#include "tokenizer/word_scan.h"

namespace tokenizer {
namespace {

using test_support::JoinMultiWords;

struct Collected {
  std::string bytes;
  int blocks = 0;
};

LineOutput::BlockWriter CollectInto(Collected& collected) {
  return [&collected](std::string_view block) {
    collected.bytes.append(block);
    ++collected.blocks;
  };
}

TEST(CopyBytes, CopiesEveryLengthAndNothingBeyond) {
  for (std::size_t size = 0; size <= 40; ++size) {
    std::string from;
    for (std::size_t i = 0; i < size; ++i)
      from += static_cast<char>('a' + i % 26);
    std::string to(48, '#');
    CopyBytes(to.data() + 1, from.data(), size);
    EXPECT_EQ(to, "#" + from + std::string(47 - size, '#')) << size;
  }
}

TEST(LineOutput, ConvertsEveryByteWhereverItLies) {
  for (int byte = 0; byte < 256; ++byte) {
    std::string line(40, 'x');
    std::string expected;
    Collected out;
    LineOutput lines(true, CollectInto(out));
    for (std::size_t place = 0; place < line.size(); ++place) {
      std::string with_byte = line;
      with_byte[place] = static_cast<char>(byte);
      lines.Add(with_byte);
      with_byte[place] = ConvertWindowsPunctuation(static_cast<char>(byte));
      expected += with_byte + "\r\n";
    }
    lines.Finish();
    ASSERT_EQ(out.bytes, expected) << byte;
  }
}

TEST(LineOutput, HeldLinesAreJoinedOrReleasedAsTheyCame) {
  Collected out;
  LineOutput lines(true, CollectInto(out));
  lines.Add("first");
  lines.AddHeld("in");
  lines.AddHeld("spite");
  lines.AddHeld("of");
  lines.JoinHeld("PREP \x93x\x94");  // the annotation is converted with the rest of the line
  lines.AddHeld("a");
  lines.AddHeld("\x96");
  lines.ReleaseHeld();
  lines.Add("b");
  lines.AddHeld("left");
  lines.Finish();  // a match the text ended in keeps its tokens as lines
  EXPECT_EQ(out.bytes, "first\r\nin spite of\tPREP \"x\"\r\na\r\n-\r\nb\r\nleft\r\n");
}

TEST(LineOutput, HeldLinesStayWhileFullBlocksAreHandedOn) {
  // Held lines that reach past the end of a block, and a held line longer than a block.
  for (const std::size_t held_length : {std::size_t{3}, std::size_t{40000}, std::size_t{200000}}) {
    Collected out;
    LineOutput lines(false, CollectInto(out));
    std::string expected;
    for (int i = 0; i < 20000; ++i) {
      const std::string token = "t" + std::to_string(i);
      expected += token + "\r\n";
      lines.Add(token);
      if (i % 997 != 0)
        continue;
      const std::string held(held_length, 'h');
      lines.AddHeld(held);
      lines.AddHeld("x");
      if (i % 2 == 0) {
        lines.JoinHeld("J");
        expected += held + " x\tJ\r\n";
      } else {
        lines.ReleaseHeld();
        expected += held + "\r\nx\r\n";
      }
    }
    lines.Finish();
    EXPECT_GT(out.blocks, 2) << held_length;
    ASSERT_EQ(out.bytes, expected) << held_length;
  }
}

TEST(LineOutput, ALineLongerThanABlockGoesOutInPiecesConverted) {
  Collected out;
  LineOutput lines(true, CollectInto(out));
  std::string long_line;
  for (int i = 0; i < 50000; ++i)
    long_line += "ab\x93\x96";
  lines.Add("before");
  lines.Add(long_line);
  lines.Add("after\x85");
  lines.Finish();
  std::string converted;
  for (int i = 0; i < 50000; ++i)
    converted += "ab\"-";
  EXPECT_EQ(out.bytes, "before\r\n" + converted + "\r\nafter-\r\n");
  EXPECT_GT(out.blocks, 3);
}

TEST(MultiWordJoiner, StreamingGivesWhatTheListFormGivesAcrossManyBlocks) {
  const MultiWordAutomaton automaton = ReadMultiWordFile(
      "in spite of\tPREP\r\nNew York\tNP\r\na\tA\r\nb c d e\tLONG\r\nb c\r\nc\tC\r\n");
  const std::vector<std::string> words = {"in", "spite", "of", "new", "York", "NEW",
                                          "b",  "c",     "d",  "e",   "x",    "A"};
  std::mt19937 random(3);
  std::vector<std::string> tokens;
  for (int i = 0; i < 100000; ++i)
    tokens.push_back(words[random() % words.size()]);
  Collected out;
  LineOutput lines(false, CollectInto(out));
  MultiWordJoiner joiner(automaton, lines);
  for (const std::string& token : tokens)
    joiner.Add(token);
  joiner.Finish();
  lines.Finish();
  std::string expected;
  for (const std::string& line : JoinMultiWords(automaton, tokens))
    expected += line + "\r\n";
  EXPECT_GT(out.blocks, 2);
  EXPECT_EQ(out.bytes, expected);
}

TEST(HashFilters, EveryMemberPassesItsFilter) {
  std::mt19937_64 random(5);
  // Filters of no member, of one, and of many, so that both small and large ones are made.
  const std::vector<std::size_t> sizes = {0, 1, 2, 3, 5000, 1, 64};
  std::vector<HashFilters::Member> members;
  for (std::uint32_t filter = 0; filter < sizes.size(); ++filter) {
    for (std::size_t i = 0; i < sizes[filter]; ++i)
      members.push_back({filter, random()});
  }
  const HashFilters filters(static_cast<std::uint32_t>(sizes.size()), members);
  for (const HashFilters::Member& member : members)
    ASSERT_TRUE(filters.MayHold(member.filter, member.hash)) << member.filter;
  int passed = 0;
  for (int i = 0; i < 10000; ++i)
    passed += filters.MayHold(0, random()) ? 1 : 0;
  EXPECT_EQ(passed, 0);  // an empty filter holds nothing
  EXPECT_FALSE(filters.MayHold(static_cast<std::uint32_t>(sizes.size()), members.front().hash));
}

TEST(FindWordStop, StopsAtTheFirstStopByteWhereverItIs) {
  // Every byte value at every place of texts long enough for the sixteen-byte steps.
  for (int byte = 0; byte < 256; ++byte) {
    for (std::size_t place = 0; place < 40; ++place) {
      std::string text(45, 'w');
      text[place] = static_cast<char>(byte);
      const bool stops = IsWordStop(static_cast<char>(byte));
      for (std::size_t from = 0; from <= place; from += 7)
        ASSERT_EQ(FindWordStop(text, from), stops ? place : text.size()) << byte << " " << place;
    }
  }
  EXPECT_EQ(FindWordStop("", 0), 0u);
  EXPECT_EQ(FindWordStop("word", 4), 4u);
}

}  // namespace
}  // namespace tokenizer
