// Generated benchmark material: English-like running text with the punctuation, clitics,
// abbreviations, numbers and markup the tokenizer handles, and language files to go with it.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "language_material.h"

namespace bench {

// The English material: its words, abbreviations and letters.
const Language& English();

// Writes about `bytes` bytes of text with CR LF line ends to `name`.
void WriteCorpus(const std::string& name, std::size_t bytes);

// The unkind inputs, each written to `name`:
// an abbreviations file of `lines` lines, all "etc.";
void WriteRepeatedAbbreviationFile(const std::string& name, int lines);
// every case form of a 15-letter word, one a line, as abbreviations; as a multi-word file each
// form is followed by "x" and an annotation;
void WriteCaseFormFile(const std::string& name, bool multi_words);
// about `bytes` bytes of text made of three case forms of that word and "x";
void WriteCaseFormText(const std::string& name, std::size_t bytes);
// a multi-word file of one line of the words of the text file `text`, at most `bytes` long;
void WriteLongMultiWordLine(const std::string& name, const std::string& text, std::size_t bytes);
// the text file `text` opened by a "<" that no ">" closes;
void WriteUnclosedTag(const std::string& name, const std::string& text);
// the text file `text` without its markup, with LF line ends, which a tag turns into two spaces
// each, and a "<" that no ">" closes halfway;
void WriteHalfInUnclosedTag(const std::string& name, const std::string& text);
// a "<" and then about `bytes` bytes of `unit` repeated, which holds a lone CR or LF: a tag that
// grows by more than the room before it;
void WriteTagOfRepeats(const std::string& name, std::string_view unit, std::size_t bytes);
// the text file `text` without its markup, every blank a ">", which glues its words into one;
void WriteGluedText(const std::string& name, const std::string& text);
// the UTF-8 text file `text` as UTF-16 little-endian, with its byte-order mark.
void WriteUtf16Copy(const std::string& name, const std::string& text);

}  // namespace bench
