// The multi-word joining over a whole list of tokens, written plainly and apart from the
// streaming joiner of the product, so that the tests and the fuzzer can check one against the
// other.
#pragma once

#include <string>
#include <vector>

#include "tokenizer/multi_words.h"

namespace test_support {

// The lines of `tokens`: each listed word sequence joined by spaces, a TAB and its annotation;
// every other token on a line of its own, in order.
std::vector<std::string> JoinMultiWords(const tokenizer::MultiWordAutomaton& automaton,
                                        const std::vector<std::string>& tokens);

}  // namespace test_support
