// Generated benchmark material: English-like running text with the punctuation, clitics,
// abbreviations, numbers and markup the tokenizer handles, and language files to go with it.
#pragma once

#include <cstddef>
#include <string>

namespace bench {

// Writes about `bytes` bytes of text with CR LF line ends to `name`.
void WriteCorpus(const std::string& name, std::size_t bytes);

// Writes an abbreviations file of `entries` entries (with a few comments and blank lines).
void WriteAbbreviationFile(const std::string& name, int entries);

// Writes a multi-word file of `lines` lines whose sequences start with common words of the text.
void WriteMultiWordFile(const std::string& name, int lines);

}  // namespace bench
