#include "tagger.h"

#include <gtest/gtest.h>

#include "demo_engine_test_data.h"

namespace demo_engine {
namespace {

class DemoEngineTagger : public ::testing::Test {
 protected:
  std::string Tag(std::string_view text, const TaggingOptions& options,
                  const Lexicon& auxiliary_lexicon = {}) {
    Tagger tagger(parameters_, auxiliary_lexicon, options);
    std::string output = tagger.TagText(text);
    summary_ = tagger.Summary();
    return output;
  }

  const ParameterFile parameters_ = ParseParameterFile(kTestParameters, "test.par");
  TaggingSummary summary_;
};

TaggingOptions TokenAndLemma() {
  TaggingOptions options;
  options.token = true;
  options.lemma = true;
  return options;
}

TEST_F(DemoEngineTagger, WritesTheColumnsThatAreAskedFor) {
  TaggingOptions options;
  EXPECT_EQ(Tag("the\r\nsaw\r\n", options), "DT\r\nVBD\r\n");
  options.token = true;
  EXPECT_EQ(Tag("the\nsaw\n", options), "the\tDT\r\nsaw\tVBD\r\n");
  options.lemma = true;
  EXPECT_EQ(Tag("the\r\n\r\nsaw", options), "the\tDT\tthe\r\nsaw\tVBD\tsee\r\n");
  options.token = false;
  EXPECT_EQ(Tag("saw\r\n", options), "VBD\tsee\r\n");
}

TEST_F(DemoEngineTagger, GuessesWordsThatAreNotInTheLexicon) {
  TaggingOptions options = TokenAndLemma();
  struct Row {
    const char* token;
    const char* line;
  };
  const Row rows[] = {
      {"quickly", "quickly\tRB\t<unknown>"},  // ending
      {"cats", "cats\tNNS\t<unknown>"},       // ending, most frequent tag
      {"unzip", "unzip\tJJ\t<unknown>"},      // beginning
      {"zorp", "zorp\tNN\t<unknown>"},        // default tag
      {"1990", "1990\tCD\t1990"},             // number
      {"Smith", "Smith\tNN\t<unknown>"},      // no capital heuristics
      {"x-saw", "x-saw\tNN\t<unknown>"},      // no hyphen heuristics
  };
  for (const Row& row : rows)
    EXPECT_EQ(Tag(row.token, options), std::string(row.line) + "\r\n") << row.token;
  Tag("the\ndog\nzorp\ncats\n", options);
  EXPECT_EQ(summary_.tokens, 4u);
  EXPECT_EQ(summary_.unknown, 2u);
}

TEST_F(DemoEngineTagger, WritesTheTokenForAnUnknownLemmaWithNoUnknown) {
  TaggingOptions options = TokenAndLemma();
  options.no_unknown = true;
  EXPECT_EQ(Tag("zorp\nsaw\n", options), "zorp\tNN\tzorp\r\nsaw\tVBD\tsee\r\n");
}

TEST_F(DemoEngineTagger, WritesEveryTagAboveTheThresholdWithProbabilities) {
  TaggingOptions options = TokenAndLemma();
  options.threshold = 0.5;
  EXPECT_EQ(Tag("saw", options), "saw\tVBD NN\tsee|saw\r\n");
  options.probabilities = true;
  EXPECT_EQ(Tag("saw", options), "saw\tVBD 0.6000 NN 0.4000\tsee|saw\r\n");
  options.threshold = 0.7;
  EXPECT_EQ(Tag("saw", options), "saw\tVBD 0.6000\tsee\r\n");
  options.threshold.reset();
  EXPECT_EQ(Tag("the", options), "the\tDT 1.0000\tthe\r\n");
}

TEST_F(DemoEngineTagger, LetsThePreviousTagShiftTheProbabilitiesUnlessBase) {
  TaggingOptions options;
  EXPECT_EQ(Tag("walk\n", options), "VB\r\n");
  EXPECT_EQ(Tag("the\nwalk\n", options), "DT\r\nNN\r\n");
  options.lexical_only = true;
  EXPECT_EQ(Tag("the\nwalk\n", options), "DT\r\nVB\r\n");
}

TEST_F(DemoEngineTagger, PassesSgmlLinesThroughOnlyWithSgml) {
  TaggingOptions options;
  options.token = true;
  const char* text = "<p class=\"x\">\r\nthe\r\n</p>\r\n";
  EXPECT_EQ(Tag(text, options), "<p class=\"x\">\tNN\r\nthe\tDT\r\n</p>\tNN\r\n");
  options.sgml = true;
  EXPECT_EQ(Tag(text, options), "<p class=\"x\">\r\nthe\tDT\r\n</p>\r\n");
  EXPECT_EQ(summary_.tokens, 1u);
}

TEST_F(DemoEngineTagger, EndsSentencesAtTheEndOfSentenceTagWhenOneIsGiven) {
  TaggingOptions options;
  options.token = true;
  options.cap_heuristics = true;
  // A word inside a sentence: a proper noun; at its start: guessed as usual.
  EXPECT_EQ(Tag("the\nSmith\n.\nSmith\n", options),
            "the\tDT\r\nSmith\tNP\r\n.\tSENT\r\nSmith\tNN\r\n");
  EXPECT_EQ(summary_.sentences, 2u);
  options.sgml = true;
  options.eos_tag = "s";
  EXPECT_EQ(Tag("<s>\nthe\n.\nSmith\n</s>\nSmith\n", options),
            "<s>\r\nthe\tDT\r\n.\tSENT\r\nSmith\tNP\r\n</s>\r\nSmith\tNN\r\n");
  EXPECT_EQ(summary_.sentences, 2u);
}

TEST_F(DemoEngineTagger, GuessesHyphenatedWordsByTheirLastPart) {
  TaggingOptions options = TokenAndLemma();
  options.hyphen_heuristics = true;
  EXPECT_EQ(Tag("x-saw\n-saw\nsaw-\n", options),
            "x-saw\tVBD\tx-see\r\n-saw\tNN\t<unknown>\r\nsaw-\tNN\t<unknown>\r\n");
}

TEST_F(DemoEngineTagger, SkipsTheWordBeginningsWithIgnorePrefix) {
  TaggingOptions options;
  options.ignore_prefix = true;
  EXPECT_EQ(Tag("unzip", options), "NN\r\n");
}

TEST_F(DemoEngineTagger, TagsAnnotatedLinesWithTheirTagsWhenTheyAreKnown) {
  TaggingOptions options = TokenAndLemma();
  EXPECT_EQ(Tag("in spite of\tIN\nsaw\tNN\n", options),
            "in spite of\tIN\tin spite of\r\nsaw\tNN\tsaw\r\n");
  EXPECT_EQ(Tag("dog\tVB NN\n", options), "dog\tVB\t<unknown>\r\n");
  EXPECT_EQ(Tag("in spite of\tpreposition\nin front of\tprep.\n", options),
            "in spite of\tIN\tin spite of\r\nin front of\tNN\t<unknown>\r\n");
  EXPECT_EQ(summary_.ignored_annotations, 2u);
}

TEST_F(DemoEngineTagger, ReadsProbabilitiesAndLemmasFromAnnotations) {
  TaggingOptions options = TokenAndLemma();
  options.manual_probabilities = true;
  options.threshold = 0.1;
  options.probabilities = true;
  EXPECT_EQ(Tag("dog\tNN 0.3 VB 0.7\n", options), "dog\tVB 0.7000 NN 0.3000\t<unknown>|dog\r\n");
  EXPECT_EQ(Tag("dog\tNN high\n", options), "dog\tNN 1.0000\tdog\r\n");
  options.manual_lemmas = true;
  EXPECT_EQ(Tag("dogs\tNNS 1 dog\n", options), "dogs\tNNS 1.0000\tdog\r\n");
  options.manual_probabilities = false;
  EXPECT_EQ(Tag("dogs\tNNS dog VBZ dog\n", options), "dogs\tNNS 0.5000 VBZ 0.5000\tdog|dog\r\n");
}

TEST_F(DemoEngineTagger, WritesTheLexicalInformationAsked) {
  TaggingOptions options;
  struct Row {
    LexicalInfo info;
    const char* token;
    const char* line;
  };
  const Row rows[] = {
      {LexicalInfo::kProto, "saw", "VBD\tlexicon"},
      {LexicalInfo::kProto, "quickly", "RB\tending:-ly"},
      {LexicalInfo::kProto, "unzip", "JJ\tbeginning:un-"},
      {LexicalInfo::kProto, "zorp", "NN\tdefault"},
      {LexicalInfo::kProtoWithProb, "saw", "VBD\tlexicon VBD 0.6000 NN 0.4000"},
      {LexicalInfo::kGramotron, "saw", "VBD\tVBD:see|NN:saw"},
  };
  for (const Row& row : rows) {
    options.lexical_info = row.info;
    EXPECT_EQ(Tag(row.token, options), std::string(row.line) + "\r\n") << row.token;
  }
}

TEST_F(DemoEngineTagger, LooksTheAuxiliaryLexiconUpFirst) {
  const Lexicon auxiliary = ParseAuxiliaryLexicon("dog\tVB\tdog\nRex\tNP\tRex\n", "aux");
  TaggingOptions options = TokenAndLemma();
  options.lexical_info = LexicalInfo::kProto;
  EXPECT_EQ(Tag("dog\nRex\nthe\n", options, auxiliary),
            "dog\tVB\tdog\tauxiliary-lexicon\r\nRex\tNP\tRex\tauxiliary-lexicon\r\n"
            "the\tDT\tthe\tlexicon\r\n");
}

TEST(DemoEngineUtf8, LooksUpAndGuessesUtf8WordsByCharacters) {
  const ParameterFile parameters = ParseParameterFile(
      "VANDREL-DEMO-PARAMETERS 1\nlanguage\trussian\nencoding\tutf-8\ntags\tNOUN VERB SENT\n"
      "default-tag\tNOUN\nsentence-end-tag\tSENT\n[lexicon]\nёлка\tNOUN\tёлка\t1\n"
      "[endings]\nал\tVERB\t1\n[beginnings]\nпере\tVERB\t1\n",
      "russian.par");
  TaggingOptions options = TokenAndLemma();
  const Lexicon no_lexicon;
  Tagger tagger(parameters, no_lexicon, options);
  EXPECT_EQ(tagger.TagText("ЁЛКА\nЁлка\nсказАЛ\nПЕРЕход\nд\n"),
            "ЁЛКА\tNOUN\tёлка\r\nЁлка\tNOUN\tёлка\r\nсказАЛ\tVERB\t<unknown>\r\n"
            "ПЕРЕход\tVERB\t<unknown>\r\nд\tNOUN\t<unknown>\r\n");
}

}  // namespace
}  // namespace demo_engine
