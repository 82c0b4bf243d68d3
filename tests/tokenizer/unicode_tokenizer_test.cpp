// The tokenizer's Unicode path: the rules of the Windows-1252 path on UTF-8 characters, UTF-16
// input, and bytes that are not UTF-8.
#include <gtest/gtest.h>

#include "tokenize_support.h"

namespace tokenizer {
namespace {

using test::Lines;

TokenizerOptions Unicode(bool one_letter = false, bool apostrophes = false) {
  TokenizerOptions options;
  options.unicode = true;
  options.one_letter_abbreviations = one_letter;
  options.detach_apostrophes = apostrophes;
  return options;
}

TokenizerData WithAbbreviations(std::vector<std::string> entries) {
  TokenizerData data;
  data.abbreviations = AbbreviationList(std::move(entries));
  return data;
}

struct Case {
  const char* what;
  std::string text;
  TokenizerOptions options;
  TokenizerData data;
  std::string lines;
};

void ExpectCases(const std::vector<Case>& cases) {
  for (const Case& c : cases) {
    const test::Run run = test::TokenizeWithMessages(c.text, c.options, c.data);
    EXPECT_EQ(run.result.lines, c.lines) << c.what;
    EXPECT_TRUE(run.messages.empty()) << c.what;
  }
}

TEST(UnicodeTokenizer, RulesOnCharacters) {
  const TokenizerData russian = WithAbbreviations({"т.е.", "г.", "им.", "ул"});
  // A tag that grows by more than the bytes before it goes to the output in parts, here many.
  std::string long_tag = "<";
  std::string long_line = "<";
  for (int i = 0; i < 30000; ++i) {
    long_tag += "б\n";
    long_line += "б  ";
  }
  ExpectCases({
      {"em dashes", "—word—", Unicode(), {}, Lines({"—", "word", "—"})},
      {"a one-character segment is never split", "«", Unicode(), {}, Lines({"«"})},
      {"accented capitals are letters", "É.U.", Unicode(), {}, Lines({"É.U."})},
      {"Cyrillic letter-period sequences",
       "т.е. т.д. Т.Д.",
       Unicode(),
       {},
       Lines({"т.е.", "т.д.", "Т.Д."})},
      {"one Cyrillic letter, rule on", "т.", Unicode(true), {}, Lines({"т."})},
      {"one Cyrillic letter, rule off", "т.", Unicode(), {}, Lines({"т", "."})},
      {"a dash is no letter", "—.", Unicode(true), {}, Lines({"—", "."})},
      {"quotes stay unconverted", "‘quoted’", Unicode(), {}, Lines({"‘", "quoted", "’"})},
      {"the ellipsis is a segment",
       "a…z wait…",
       Unicode(),
       {},
       Lines({"a", "…", "z", "wait", "…"})},
      {"guillemets, colon, comma and the period after punctuation",
       "Он сказал: «хорошо», пять часов».",
       Unicode(),
       {},
       Lines({"Он", "сказал", ":", "«", "хорошо", "»", ",", "пять", "часов", "»", "."})},
      {"two-byte letters count as one character", "я.", Unicode(true), {}, Lines({"я."})},
      {"per mille and percent trail", "5‰ 5%", Unicode(), {}, Lines({"5", "‰", "5", "%"})},
      {"the acute accent only leads", "´word´", Unicode(), {}, Lines({"´", "word´"})},
      {"the right single quote is no apostrophe",
       "dogs’",
       Unicode(false, true),
       {},
       Lines({"dogs", "’"})},
      {"the apostrophe trails on request", "dogs'", Unicode(false, true), {}, Lines({"dogs", "'"})},
      {"a number ending in a period", "1990.", Unicode(), {}, Lines({"1990."})},
      {"abbreviations under case folding", "Т.Е. Г. им. ул.", Unicode(), russian,
       Lines({"Т.Е.", "Г.", "им.", "ул", "."})},
      {"Bulgarian with ё-free text and abbreviations", "Той каза — „добре“, т.е. в 5 ч.", Unicode(),
       WithAbbreviations({"ч."}),
       Lines({"Той", "каза", "—", "„", "добре", "“", ",", "т.е.", "в", "5", "ч."})},
      {"Russian ё and х", "Ёлка, хлеб!", Unicode(), {}, Lines({"Ёлка", ",", "хлеб", "!"})},
      {"four-byte characters are characters",
       "(\xF0\x9F\x98\x80).",
       Unicode(true),
       {},
       Lines({"(", "\xF0\x9F\x98\x80", ")", "."})},
      {"tags with line ends",
       "<p\r\nclass=х>слово</p>",
       Unicode(),
       {},
       Lines({"<p  class=х>", "слово", "</p>"})},
      // A tag that grows is made in the text when the bytes before it leave room, else copied.
      {"lone line ends in tags",
       "слово <а\nб\rв\r\nг>д x <a\n\n\nб>",
       Unicode(),
       {},
       Lines({"слово", "<а  б  в  г>", "д", "x", "<a      б>"})},
      {"a tag in parts",
       "слово " + long_tag + ">",
       Unicode(),
       {},
       Lines({"слово", long_line + ">"})},
  });
}

TEST(UnicodeTokenizer, FrenchCliticsInUtf8) {
  TokenizerOptions options = Unicode();
  options.detach_clitics = true;
  TokenizerData french;
  french.clitics = CliticTablesFor(true, "french");
  ExpectCases({
      {"accented suffix", "celui-là", options, french, Lines({"celui", "-là"})},
      {"prefix", "l'été", options, french, Lines({"l'", "été"})},
      {"longer than the entry in characters", "-là", options, french, Lines({"-là"})},
  });
}

TEST(UnicodeTokenizer, InputCodings) {
  // "Да, ё" in UTF-16, with a character outside the Basic Multilingual Plane and a surrogate
  // without its partner.
  const std::string little("\xFF\xFE\x14\x04\x30\x04,\0 \0\x51\x04 \0\x3D\xD8\x00\xDE \0\x00\xD8",
                           22);
  const std::string big("\xFE\xFF\x04\x14\x04\x30\0,\0 \x04\x51", 12);
  ExpectCases({
      {"UTF-16 little-endian",
       little,
       Unicode(),
       {},
       Lines({"Да", ",", "ё", "\xF0\x9F\x98\x80", "\xEF\xBF\xBD"})},
      {"UTF-16 big-endian", big, Unicode(), {}, Lines({"Да", ",", "ё"})},
      {"UTF-16 stops at U+0000",
       std::string("\xFF\xFE"
                   "a\0\0\0b\0",
                   8),
       Unicode(),
       {},
       Lines({"a"})},
      {"a UTF-8 byte-order mark is dropped", "\xEF\xBB\xBFслово", Unicode(), {}, Lines({"слово"})},
      {"only the mark", "\xEF\xBB\xBF", Unicode(), {}, ""},
  });
}

TEST(UnicodeTokenizer, BytesThatAreNotUtf8PassUnchangedWithOneMessage) {
  struct Row {
    const char* what;
    std::string text;
    std::string lines;
    std::size_t offset;
  };
  const Row rows[] = {
      {"lone continuation byte after a peeled mark", "(\x80)", Lines({"(", "\x80", ")"}), 1},
      {"truncated sequence", "а\xD0 \xE2\x80", Lines({"а\xD0", "\xE2\x80"}), 2},
      {"overlong forms", "\xC0\xAF \xE0\x80\xAF", Lines({"\xC0\xAF", "\xE0\x80\xAF"}), 0},
      {"a surrogate", "\xED\xA0\x80.", Lines({"\xED\xA0\x80", "."}), 0},
      {"past U+10FFFF", "\xF4\x90\x80\x80", Lines({"\xF4\x90\x80\x80"}), 0},
      {"the second of two, offset past a dropped mark",
       "\xEF\xBB\xBF"
       "ok \xFF \xFE",
       Lines({"ok", "\xFF", "\xFE"}), 6},
      {"an invalid byte is no punctuation", "a\xBB", Lines({"a\xBB"}), 1},
      {"the byte 0x85 is no ellipsis", "a\x85z", Lines({"a\x85z"}), 1},
      {"inside a tag", "<a \xFF>", Lines({"<a \xFF>"}), 3},
  };
  for (const Row& row : rows) {
    const test::Run run = test::TokenizeWithMessages(row.text, Unicode());
    EXPECT_EQ(run.result.lines, row.lines) << row.what;
    ASSERT_EQ(run.messages.size(), 1u) << row.what;
    EXPECT_EQ(run.messages[0], Message::NotUtf8) << row.what;
    EXPECT_EQ(run.offsets[0], row.offset) << row.what;
  }
}

TEST(UnicodeTokenizer, MessagesComeInTextOrder) {
  const test::Run run = test::TokenizeWithMessages("a> \xFF <b<c> <d", Unicode());
  EXPECT_EQ(run.messages, (std::vector<Message>{Message::GtOutsideTag, Message::NotUtf8,
                                                Message::LtInTag, Message::EndInTag}));
  EXPECT_EQ(run.result.lines, Lines({"a", "\xFF", "<b<c>", "<d  "}));
  // The same in a tag made anew in the text, over the bytes before it, by its lone line end,
  // and in one without that room, which goes to the output in parts.
  const test::Run grown = test::TokenizeWithMessages("a <b\n\xFF<c", Unicode());
  EXPECT_EQ(grown.messages,
            (std::vector<Message>{Message::NotUtf8, Message::LtInTag, Message::EndInTag}));
  EXPECT_EQ(grown.offsets[0], 5u);
  EXPECT_EQ(grown.result.lines, Lines({"a", "<b  \xFF<c  "}));
  const test::Run in_parts = test::TokenizeWithMessages("<b\n\xFF<c\nd", Unicode());
  EXPECT_EQ(in_parts.messages,
            (std::vector<Message>{Message::NotUtf8, Message::LtInTag, Message::EndInTag}));
  EXPECT_EQ(in_parts.offsets[0], 3u);
  EXPECT_EQ(in_parts.result.lines, Lines({"<b  \xFF<c  d  "}));
}

TEST(UnicodeTokenizer, AGlueingBracketMakesNoCharacterOfTwoBytes) {
  // A dropped ">" glues the bytes C2 and BB, which are not the character » in the text.
  const test::Run run = test::TokenizeWithMessages("a\xC2>\xBB", Unicode());
  EXPECT_EQ(run.result.lines, Lines({"a\xC2\xBB"}));
  EXPECT_EQ(run.messages, (std::vector<Message>{Message::NotUtf8, Message::GtOutsideTag}));
  // The same far into a word glued from several pieces.
  const std::string long_piece(70, 'a');
  EXPECT_EQ(test::Tokenize(long_piece + ">b>\xC2>\xBB", Unicode()),
            Lines({long_piece + "b\xC2\xBB"}));
}

TEST(UnicodeTokenizer, MultiWordFormsWithCyrillicCapitals) {
  TokenizerData data;
  data.multi_words = ReadMultiWordFile(
      "в течение\tPREP\r\nСанкт Петербург\tNP\r\nёлки палки\tINTJ\r\n"
      "в силу\tPREP2\r\nтак как\tCONJ\r\nТак называемый\tADJ\r\n");
  struct Row {
    std::string tokens;
    std::string lines;
  };
  const Row rows[] = {
      {"В течение дня", Lines({"В течение\tPREP", "дня"})},
      {"В ТЕЧЕНИЕ", Lines({"В ТЕЧЕНИЕ\tPREP"})},
      {"санкт петербург", Lines({"санкт петербург\tNP"})},
      {"САНКТ ПЕТЕРБУРГ", Lines({"САНКТ ПЕТЕРБУРГ\tNP"})},
      {"Ёлки ПАЛКИ", Lines({"Ёлки ПАЛКИ\tINTJ"})},
      {"в санкт", Lines({"в", "санкт"})},
      {"В силу", Lines({"В силу\tPREP2"})},
      // A token takes the way of its own form before that of its lower-case form.
      {"Так называемый", Lines({"Так называемый\tADJ"})},
      {"ТАК КАК", Lines({"ТАК КАК\tCONJ"})},
      {"ТАК НАЗЫВАЕМЫЙ", Lines({"ТАК", "НАЗЫВАЕМЫЙ"})},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(test::Tokenize(row.tokens, Unicode(), data), row.lines) << row.tokens;
  }
}

}  // namespace
}  // namespace tokenizer
