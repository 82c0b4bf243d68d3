#include <gtest/gtest.h>

#include <functional>

#include "tokenize_support.h"

namespace tokenizer {
namespace {

using test::CliticsOf;
using test::Lines;
using test::Tokenize;
using test::WithClitics;

TokenizerOptions OneLetter() {
  TokenizerOptions options;
  options.one_letter_abbreviations = true;
  return options;
}

TokenizerOptions Converting(TokenizerOptions options = {}) {
  options.convert_punctuation = true;
  return options;
}

TokenizerOptions DetachingApostrophes() {
  TokenizerOptions options;
  options.detach_apostrophes = true;
  return options;
}

TokenizerData WithAbbreviations(std::vector<std::string> entries,
                                TokenizerData data = TokenizerData()) {
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
  for (const Case& c : cases)
    EXPECT_EQ(Tokenize(c.text, c.options, c.data), c.lines) << c.what;
}

TEST(TokenizerRules, PunctuationAroundWords) {
  ExpectCases({
      {"parenthesis and period", "(Hello).", {}, {}, Lines({"(", "Hello", ")", "."})},
      {"em dashes", "\x97word\x97", {}, {}, Lines({"\x97", "word", "\x97"})},
      {"a one-byte segment is never split", "(", {}, {}, Lines({"("})},
      {"! ends a word", "Hello!World", {}, {}, Lines({"Hello", "!", "World"})},
      {"? and ! on their own", "?!", {}, {}, Lines({"?", "!"})},
      {"; ends a word", "a;b", {}, {}, Lines({"a", ";", "b"})},
      {"a comma inside a word", "a,b", {}, {}, Lines({"a,b"})},
      {"quotes, parenthesis and period in text order",
       "\"(Hello).\"",
       {},
       {},
       Lines({"\"", "(", "Hello", ")", ".", "\""})},
      {"nested brackets", "((a))", {}, {}, Lines({"(", "(", "a", ")", ")"})},
      {"a mark and a period only", "!.", {}, {}, Lines({"!", "."})},
      {"a parenthesis and a period only", ").", {}, {}, Lines({")", "."})},
      {"period before the parenthesis", "word.)", {}, {}, Lines({"word", ".", ")"})},
      {"the acute accent only leads", "\xB4word\xB4", {}, {}, Lines({"\xB4", "word\xB4"})},
      {"percent and per mille only trail", "%5\x89", {}, {}, Lines({"%5", "\x89"})},
      {"ellipsis byte between words", "a\x85z", {}, {}, Lines({"a", "\x85", "z"})},
      {"ellipsis byte converted", "a\x85z", Converting(), {}, Lines({"a", "-", "z"})},
      {"three periods stay whole", "...", {}, {}, Lines({"..."})},
      {"one period comes off three", "wait...", {}, {}, Lines({"wait..", "."})},
      {"colon", "said:", {}, {}, Lines({"said", ":"})},
  });
}

TEST(TokenizerRules, AbbreviationsLetterPeriodsAndNumbers) {
  ExpectCases({
      {"letter-period sequence", "U.S.A.", {}, {}, Lines({"U.S.A."})},
      {"letter-period sequence, one-letter rule on", "U.S.A.", OneLetter(), {}, Lines({"U.S.A."})},
      {"two pairs need no rule", "e.g.", {}, {}, Lines({"e.g."})},
      {"accented capitals fold to letters", "\xC9.U.", {}, {}, Lines({"\xC9.U."})},
      {"one letter, rule on", "A.", OneLetter(), {}, Lines({"A."})},
      {"one letter, rule off", "A.", {}, {}, Lines({"A", "."})},
      {"accented one letter, rule on", "\xE9.", OneLetter(), {}, Lines({"\xE9."})},
      {"sharp s is no letter", "\xDF.", OneLetter(), {}, Lines({"\xDF", "."})},
      {"digits are no letters", "1.2.", {}, {}, Lines({"1.2", "."})},
      {"not only pairs", "Ph.D.", {}, {}, Lines({"Ph.D", "."})},
      {"year at a sentence end", "1990.", {}, {}, Lines({"1990."})},
      {"a number's last byte may be anything", "12a", {}, {}, Lines({"12a"})},
      {"a decimal is no number", "3.14.", {}, {}, Lines({"3.14", "."})},
      {"a letter first is no number", "a1.", {}, {}, Lines({"a1", "."})},
      {"no entry", "etc.", {}, {}, Lines({"etc", "."})},
      {"entry in capitals with its period",
       "etc.",
       {},
       WithAbbreviations({"ETC."}),
       Lines({"etc."})},
      {"entry without its period", "etc.", {}, WithAbbreviations({"etc"}), Lines({"etc", "."})},
      {"entry after peeling", "(etc.)", {}, WithAbbreviations({"etc."}), Lines({"(", "etc.", ")"})},
      {"accented entry matches across case",
       "\xC9TAT.",
       {},
       WithAbbreviations({"\xE9tat."}),
       Lines({"\xC9TAT."})},
      {"an entry must match whole",
       "etcetera.",
       {},
       WithAbbreviations({"etc."}),
       Lines({"etcetera", "."})},
  });
}

TEST(TokenizerRules, AnEntryWithoutItsPeriodSparesTheWordItsClitics) {
  TokenizerData data = WithAbbreviations({"don't"}, CliticsOf("english"));
  EXPECT_EQ(Tokenize("don't.", WithClitics(), data), Lines({"don't", "."}));
  EXPECT_EQ(Tokenize("don't", WithClitics(), data), Lines({"don't"}));
  EXPECT_EQ(Tokenize("won't.", WithClitics(), data), Lines({"wo", "n't", "."}));
}

TEST(TokenizerRules, EnglishClitics) {
  const TokenizerData english = CliticsOf("english");
  ExpectCases({
      {"n't", "don't", WithClitics(), english, Lines({"do", "n't"})},
      {"'s", "John's", WithClitics(), english, Lines({"John", "'s"})},
      {"'m", "I'm", WithClitics(), english, Lines({"I", "'m"})},
      {"'em", "get'em", WithClitics(), english, Lines({"get", "'em"})},
      {"'ll before a final period", "we'll.", WithClitics(), english, Lines({"we", "'ll", "."})},
      {"a clitic alone stays", "'s", WithClitics(), english, Lines({"'s"})},
      {"the right single quote is no apostrophe", "John\x92s", Converting(WithClitics()), english,
       Lines({"John's"})},
      {"in a sentence", "He said: \"Don't!\"", WithClitics(), english,
       Lines({"He", "said", ":", "\"", "Do", "n't", "!", "\""})},
      {"tables unused while detachment is off", "don't", {}, english, Lines({"don't"})},
  });
}

TEST(TokenizerRules, FrenchAndItalianClitics) {
  const TokenizerData french = CliticsOf("french");
  const TokenizerData italian = CliticsOf("italian");
  ExpectCases({
      {"prefix", "l'homme", WithClitics(), french, Lines({"l'", "homme"})},
      {"suffix", "a-t-on", WithClitics(), french, Lines({"a", "-t-on"})},
      {"entries with ? never match", "a-t-il", WithClitics(), french, Lines({"a-t-il"})},
      {"a segment must be longer than the entry", "l'", WithClitics(), french, Lines({"l'"})},
      {"one prefix and one suffix", "qu'est-ce", WithClitics(), french,
       Lines({"qu'", "est", "-ce"})},
      {"only one prefix", "l'l'a", WithClitics(), french, Lines({"l'", "l'a"})},
      {"longer prefix", "jusqu'ici", WithClitics(), french, Lines({"jusqu'", "ici"})},
      {"accented suffix", "celui-l\xE0", WithClitics(), french, Lines({"celui", "-l\xE0"})},
      {"capitalised prefix", "L'homme", WithClitics(), french, Lines({"L'", "homme"})},
      {"prefixes are case-sensitive", "QU'il", WithClitics(), french, Lines({"QU'il"})},
      {"Italian prefix", "dell'anno", WithClitics(), italian, Lines({"dell'", "anno"})},
      {"first entry in table order", "all'amico", WithClitics(), italian, Lines({"all'", "amico"})},
      {"Italian has no suffixes", "a-t-on", WithClitics(), italian, Lines({"a-t-on"})},
  });
}

TEST(TokenizerRules, Apostrophes) {
  ExpectCases({
      {"detached", "dogs'", DetachingApostrophes(), {}, Lines({"dogs", "'"})},
      {"kept", "dogs'", {}, {}, Lines({"dogs'"})},
      {"never leading", "'tis", DetachingApostrophes(), {}, Lines({"'tis"})},
  });
}

TEST(TokenizerRules, ConvertsWindowsPunctuationOnly) {
  ExpectCases({
      {"single quotes", "\x91quoted\x92", Converting(), {}, Lines({"'", "quoted", "'"})},
      {"double quotes",
       "\x84word\x93 x\x94",
       Converting(),
       {},
       Lines({"\"", "word", "\"", "x", "\""})},
      {"dashes", "\x96 \x97 \x82", Converting(), {}, Lines({"-", "-", "'"})},
      {"the rest stays",
       "\xBB \xAB \x8B \x9B \x86 \x87 \x89 \x95 \xB4",
       Converting(),
       {},
       Lines({"\xBB", "\xAB", "\x8B", "\x9B", "\x86", "\x87", "\x89", "\x95", "\xB4"})},
      {"unconverted without the option",
       "\x91quoted\x92",
       {},
       {},
       Lines({"\x91", "quoted", "\x92"})},
  });
}

TEST(TokenizerRules, LineEndsTabsAndNul) {
  ExpectCases({
      {"CR, LF and CR LF separate words",
       "a\rb\nc\r\nd\te",
       {},
       {},
       Lines({"a", "b", "c", "d", "e"})},
      {"reading ends at NUL", std::string("ab\0cd", 5), {}, {}, Lines({"ab"})},
      {"NUL first", std::string("\0cd", 3), {}, {}, ""},
      {"empty text", "", {}, {}, ""},
      {"only blanks", " \r\n\t ", {}, {}, ""},
  });
}

TEST(TokenizerRules, Tags) {
  // A tag that grows by more than the bytes before it goes to the output in parts, here many.
  std::string long_tag = "<";
  std::string long_line = "<";
  for (int i = 0; i < 30000; ++i) {
    long_tag += "a\n";
    long_line += "a  ";
  }
  TokenizerData new_york;
  new_york.multi_words = ReadMultiWordFile("New York\tNP\r\n");
  ExpectCases({
      {"tags around a word", "<p>word</p>", {}, {}, Lines({"<p>", "word", "</p>"})},
      {"spaces inside a tag", "<a href=x>", {}, {}, Lines({"<a href=x>"})},
      {"CR LF inside a tag", "<a\r\nb>", {}, {}, Lines({"<a  b>"})},
      {"lone LF inside a tag", "<a\nb>", {}, {}, Lines({"<a  b>"})},
      {"lone CR inside a tag", "<a\rb>", {}, {}, Lines({"<a  b>"})},
      {"TAB inside a tag", "<a\tb>", {}, {}, Lines({"<a b>"})},
      {"TAB, CR LF and lone CR in one tag", "<a\tb\r\nc\rd>", {}, {}, Lines({"<a b  c  d>"})},
      {"lone CR before a TAB", "<a\rb\tc>", {}, {}, Lines({"<a  b c>"})},
      {"tags one after another", "<a\tb><c\nd>", {}, {}, Lines({"<a b>", "<c  d>"})},
      {"open tag with a CR LF at the end of a text without a line end",
       "<a\r\nb",
       {},
       {},
       Lines({"<a  b  "})},
      {"empty tag", "<>", {}, {}, Lines({"<>"})},
      {"punctuation inside a tag", "<a (b). ! \x85>", {}, {}, Lines({"<a (b). ! \x85>"})},
      {"< inside a tag stays", "<a<b>", {}, {}, Lines({"<a<b>"})},
      {"stray > is dropped", "a>b c>", {}, {}, Lines({"ab", "c"})},
      {"lone < runs to the end", "x < y\r\nz", {}, {}, Lines({"x", "< y  z  "})},
      {"text ending in a line end", "<y\r\n", {}, {}, Lines({"<y  "})},
      // A tag that grows is made in the text when the bytes before it leave room, else copied.
      {"lone line ends in a tag after words",
       "words before <a\nb\rc\r\nd>e <f\ng",
       {},
       {},
       Lines({"words", "before", "<a  b  c  d>", "e", "<f  g  "})},
      {"more lone line ends than bytes before the tag",
       "x <a\n\n\nb>",
       {},
       {},
       Lines({"x", "<a      b>"})},
      {"word glued to a tag", "(<b>x</b>).", {}, {}, Lines({"(", "<b>", "x", "</b>", ")", "."})},
      {"a tag in parts ends a multi-word match as one line",
       "New " + long_tag + "b\tc\r\nd> York",
       {},
       new_york,
       Lines({"New", long_line + "b c  d>", "York"})},
      {"a tag in parts left open", long_tag + "\rz", {}, {}, Lines({long_line + "  z  "})},
  });
}

TEST(TokenizerMessages, EachMarkupMessageOnceInTheOrderOfOccurrence) {
  const test::Run run = test::TokenizeWithMessages("a> b> <x<y<z> c> <open");
  EXPECT_EQ(run.messages,
            (std::vector<Message>{Message::GtOutsideTag, Message::LtInTag, Message::EndInTag}));
  EXPECT_EQ(run.result.lines, Lines({"a", "b", "<x<y<z>", "c", "<open  "}));
  EXPECT_EQ(run.result.outcome, TokenizeOutcome::Tokenized);
}

TEST(TokenizerMessages, ThousandsOfStrayClosingBracketsGiveOneMessage) {
  std::string text;
  for (int i = 0; i < 5000; ++i)
    text += "w> ";
  const test::Run run = test::TokenizeWithMessages(text);
  EXPECT_EQ(run.messages, std::vector<Message>{Message::GtOutsideTag});
  std::string expected;
  for (int i = 0; i < 5000; ++i)
    expected += "w\r\n";
  EXPECT_EQ(run.result.lines, expected);
}

TEST(TokenizerMessages, ByteOrderMarksStopTheCall) {
  struct Row {
    std::string text;
    Message message;
  };
  for (const Row& row : {Row{"\xFF\xFE"
                             "a\0b\0",
                             Message::Utf16ByteOrderMark},
                         Row{"\xEF\xBB\xBFword", Message::Utf8ByteOrderMark}}) {
    const test::Run run = test::TokenizeWithMessages(row.text);
    EXPECT_EQ(run.result.outcome, TokenizeOutcome::StoppedAtByteOrderMark);
    EXPECT_EQ(run.result.lines, "");
    EXPECT_EQ(run.messages, std::vector<Message>{row.message});
  }
}

TEST(TokenizerMessages, AnEmptyTextGivesNoMessage) {
  for (bool unicode : {false, true}) {
    TokenizerOptions options;
    options.unicode = unicode;
    const test::Run run = test::TokenizeWithMessages("", options);
    EXPECT_EQ(run.result.outcome, TokenizeOutcome::Tokenized);
    EXPECT_TRUE(run.messages.empty());
    EXPECT_EQ(run.result.lines, "");
  }
}

TEST(TokenizerMessages, Texts) {
  EXPECT_EQ(ByteOrderMarkMessageText(Message::Utf16ByteOrderMark, "in.txt"),
            "Text in.txt is in Unicode UTF16 - convert to ANSI");
  EXPECT_EQ(ByteOrderMarkMessageText(Message::Utf8ByteOrderMark, "D:\\a b.txt"),
            "Text D:\\a b.txt is in Unicode UTF8 - convert to ANSI");
  EXPECT_EQ(EnglishMessageText(Message::LtInTag, "x"), "Error: < in tag.");
  EXPECT_EQ(EnglishMessageText(Message::GtOutsideTag, "x"), "Error: > outside tag.");
  EXPECT_EQ(EnglishMessageText(Message::EndInTag, "x"), "Error: text ends within a tag.");
}

}  // namespace
}  // namespace tokenizer
