#include "help_text.h"

namespace demo_engine {

std::string_view HelpText() {
  return R"(vandrel (demo engine): a stand-in for the tagger engine, for demonstrations and tests.
It is not a real tagger: it looks words up in the small lexicon of its parameter file, guesses
the others from their endings, and lets the previous tag shift the probabilities.

Usage:
  vandrel PARFILE INPUT [OUTPUT] [flags]      tag INPUT (one token per line) into OUTPUT
                                              (standard output when OUTPUT is left out)
  vandrel PARFILE [flags] -files LISTFILE     tag each pair "input output" listed in LISTFILE
  vandrel PARFILE -print-prob-tree [-quiet]   print the tag counts of the lexicon
  vandrel PARFILE -print-suffix-tree [-quiet] print the word endings and beginnings
  vandrel -help                               print this text

A line "token<TAB>annotation" is tagged with the annotation when it lists known tags (each
followed by a probability with -pt-with-prob and a lemma with -pt-with-lemma); otherwise the
token before the TAB is tagged as usual. Output columns, separated by TABs: the token (with
-token), the tag or tags, the lemma (with -lemma), the lexical information (with -proto,
-gramotron or -proto-with-prob). Several tags are separated by blanks, their lemmas by "|".

Flags (numbers are written with a period):
  -token              write the token first
  -lemma              write the lemma after the tag
  -no-unknown         write the token in place of an unknown lemma
  -sgml               pass lines in angle brackets through unchanged
  -pt-with-prob       annotations give a probability after each tag
  -pt-with-lemma      annotations give a lemma after each tag (and probability)
  -cap-heuristics     tag unknown capitalised words inside a sentence as proper nouns
  -hyphen-heuristics  tag unknown hyphenated words by their last part
  -eos-tag TAG        sentences end at lines TAG or <TAG ...>, not at sentence-end tags
  -base               use the lexical probabilities only, without the previous tag
  -eps NUM            accepted; the demo engine has no zero frequencies to replace
  -threshold NUM      write every tag whose probability exceeds NUM times the best one's
  -prob               write each tag's probability after it
  -proto              lexical information: where the tags came from
  -gramotron          lexical information: every possible tag with its lemma
  -proto-with-prob    lexical information: where the tags came from, with every probability
  -quiet              no status lines on standard error
  -ignore-prefix      do not guess unknown words from their beginnings
  -lex FILE           auxiliary lexicon, looked up first: per line a word, then tag and lemma

Exit status: 0 when done, 1 on any error (unknown flag, unreadable or foreign parameter file,
missing input file, unwritable output); the reason is written to standard error.
)";
}

}  // namespace demo_engine
