// Generated Russian benchmark material in UTF-8, for the tokenizer's Unicode path: running text
// with guillemets, dashes, abbreviations, numbers and markup, and language files to go with it.
#pragma once

#include <cstddef>
#include <string>

#include "language_material.h"

namespace bench {

// The Russian material: its words, abbreviations and letters.
const Language& Russian();

// Writes about `bytes` bytes of UTF-8 text with CR LF line ends to `name`, never cutting a
// character in two.
void WriteRussianCorpus(const std::string& name, std::size_t bytes);

}  // namespace bench
