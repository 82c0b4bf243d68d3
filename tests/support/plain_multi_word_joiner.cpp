#include "support/plain_multi_word_joiner.h"

#include <optional>
#include <string_view>

namespace test_support {

std::vector<std::string> JoinMultiWords(const tokenizer::MultiWordAutomaton& automaton,
                                        const std::vector<std::string>& tokens) {
  std::vector<std::string> lines;
  std::vector<std::string> pending;
  int state = 0;
  for (const std::string& token : tokens) {
    const int to = automaton.FindTokenTransition(state, token);
    if (to == tokenizer::MultiWordAutomaton::kNoState) {
      lines.insert(lines.end(), pending.begin(), pending.end());
      pending.clear();
      lines.push_back(token);
      state = 0;
      continue;
    }
    pending.push_back(token);
    state = to;
    if (const std::optional<std::string_view> annotation = automaton.FindFinal(to)) {
      std::string line = pending.front();
      for (std::size_t i = 1; i < pending.size(); ++i)
        line += " " + pending[i];
      lines.push_back(line + "\t" + std::string(*annotation));
      pending.clear();
      state = 0;
    }
  }
  lines.insert(lines.end(), pending.begin(), pending.end());
  return lines;
}

}  // namespace test_support
