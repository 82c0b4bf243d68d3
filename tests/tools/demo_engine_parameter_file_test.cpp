#include "parameter_file.h"

#include <gtest/gtest.h>

#include <string>

#include "demo_engine_test_data.h"

namespace demo_engine {
namespace {

TEST(DemoEngineParameterFile, ReadsSettingsAndSections) {
  const ParameterFile parameters = ParseParameterFile(kTestParameters, "test.par");
  EXPECT_EQ(parameters.language, "english");
  EXPECT_EQ(parameters.tags.size(), 12u);
  EXPECT_EQ(parameters.default_tag, "NN");
  EXPECT_EQ(parameters.proper_noun_tag, "NP");
  EXPECT_EQ(parameters.unknown_lemma, "<unknown>");
  EXPECT_EQ(parameters.lexicon.WordCount(), 6u);
  const std::vector<Reading>* saw = parameters.lexicon.Find("saw");
  ASSERT_NE(saw, nullptr);
  ASSERT_EQ(saw->size(), 2u);
  EXPECT_EQ((*saw)[1].tag, "NN");
  EXPECT_EQ((*saw)[0].lemma, "see");
  EXPECT_NE(parameters.lexicon.Find("in spite of"), nullptr);
  EXPECT_EQ(parameters.endings.at("s").size(), 2u);
  EXPECT_EQ(parameters.beginnings.count("un"), 1u);
  EXPECT_DOUBLE_EQ(parameters.contexts.at({"DT", "VB"}), 0.1);
}

TEST(DemoEngineParameterFile, FindsWordsInLowerCaseAndCapitalisedForms) {
  const ParameterFile parameters = ParseParameterFile(kTestParameters, "test.par");
  EXPECT_NE(parameters.lexicon.Find("The"), nullptr);
  EXPECT_NE(parameters.lexicon.Find("THE"), nullptr);
  EXPECT_EQ(parameters.lexicon.Find("thee"), nullptr);
}

TEST(DemoEngineParameterFile, ReadsLinesEndedByLineFeedsAlone) {
  std::string text(kTestParameters);
  std::erase(text, '\r');
  EXPECT_EQ(ParseParameterFile(text, "test.par").lexicon.WordCount(), 6u);
}

TEST(DemoEngineParameterFile, RefusesFilesOfAnotherKindAndMalformedLines) {
  const std::string settings =
      "VANDREL-DEMO-PARAMETERS 1\r\nlanguage\tx\r\ntags\tA B\r\ndefault-tag\tA\r\n"
      "sentence-end-tag\tB\r\n";
  struct Row {
    std::string text;
    std::string message;
  };
  const Row rows[] = {
      {"", "\"x.par\" is not a parameter file of the demo engine"},
      {std::string("\x1A\x00\x07\x93"
                   "binary",
                   10),
       "is not a parameter file of the demo engine"},
      {"VANDREL-DEMO-PARAMETERS 2\r\n", "is not a parameter file"},
      {"VANDREL-DEMO-PARAMETERS 1\r\nlanguage\tx\r\n[lexicon]\r\n",
       "line 3: the settings language, tags, default-tag and sentence-end-tag must come first"},
      {"VANDREL-DEMO-PARAMETERS 1\r\ncolour\tblue\r\n", "line 2: unknown setting colour"},
      {settings + "[words]\r\n", "line 6: unknown section [words]"},
      {settings + "[lexicon]\r\nword\tA\tlemma\r\n",
       "line 7: expected word, tag, lemma and count, separated by TABs"},
      {settings + "[lexicon]\r\nword\tA\t\t1\r\n", "line 7: expected word, tag, lemma and count"},
      {settings + "[lexicon]\r\nword\tC\tword\t1\r\n", "line 7: the tag C is not in the tags list"},
      {settings + "[lexicon]\r\nword\tA\tword\tmany\r\n",
       "line 7: expected a positive number, not many"},
      {settings + "[endings]\r\ning\tA\t0\r\n", "line 7: expected a positive number, not 0"},
      {settings + "[contexts]\r\nA\tB\r\n", "line 7: expected previous tag, tag and factor"},
      {"VANDREL-DEMO-PARAMETERS 1\r\nlanguage\tx\r\ntags\tA\r\ndefault-tag\tZ\r\n",
       "line 4: the tag Z is not in the tags list"},
  };
  for (const Row& row : rows) {
    try {
      ParseParameterFile(row.text, "x.par");
      ADD_FAILURE() << "accepted: " << row.text;
    } catch (const std::runtime_error& error) {
      EXPECT_NE(std::string(error.what()).find(row.message), std::string::npos)
          << error.what() << "\nexpected: " << row.message;
    }
  }
}

TEST(DemoEngineAuxiliaryLexicon, ReadsTabOrBlankSeparatedLines) {
  const Lexicon lexicon = ParseAuxiliaryLexicon(
      "# names\r\nRex\tNP\tRex\r\n\r\nbark NN bark VB bark\nin spite of\tIN\tin spite of\n",
      "aux.txt");
  EXPECT_EQ(lexicon.WordCount(), 3u);
  ASSERT_NE(lexicon.Find("bark"), nullptr);
  EXPECT_EQ(lexicon.Find("bark")->size(), 2u);
  EXPECT_EQ(lexicon.Find("in spite of")->front().tag, "IN");
}

TEST(DemoEngineAuxiliaryLexicon, NamesTheFileAndLineOfAMalformedEntry) {
  for (const char* text :
       {"ok NN ok\r\nlonely\r\n", "ok NN ok\r\nword NN\r\n", "ok NN ok\r\nword\tNN\t\r\n"}) {
    try {
      ParseAuxiliaryLexicon(text, "aux.txt");
      ADD_FAILURE() << "accepted: " << text;
    } catch (const std::runtime_error& error) {
      EXPECT_NE(std::string(error.what()).find("\"aux.txt\", line 2"), std::string::npos)
          << error.what();
    }
  }
}

}  // namespace
}  // namespace demo_engine
