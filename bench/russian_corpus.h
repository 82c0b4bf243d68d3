// Generated Russian benchmark material in UTF-8, for the tokenizer's Unicode path: running text
// with guillemets, dashes, abbreviations, numbers and markup, and language files to go with it.
#pragma once

#include <cstddef>
#include <string>

namespace bench {

// Writes about `bytes` bytes of UTF-8 text with CR LF line ends to `name`, never cutting a
// character in two.
void WriteRussianCorpus(const std::string& name, std::size_t bytes);

// Writes an abbreviations file of `entries` entries.
void WriteRussianAbbreviationFile(const std::string& name, int entries);

// Writes a multi-word file of `lines` lines, as WriteMultiWordFile does for English.
void WriteRussianMultiWordFile(const std::string& name, int lines, bool common_starts);

}  // namespace bench
