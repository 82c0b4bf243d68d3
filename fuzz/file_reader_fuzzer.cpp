// Reads arbitrary bytes as an abbreviations file and as a multi-word file, and checks the
// indexed look-ups against plain scans of the entries in creation order.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "fuzz_checks.h"
#include "tokenizer/abbreviations.h"
#include "tokenizer/multi_words.h"
#include "utils/cp1252.h"

namespace {

using namespace tokenizer;

int ScanTransitions(const MultiWordAutomaton& automaton, int state, std::string_view word) {
  for (const MultiWordTransition& transition : automaton.Transitions()) {
    if (transition.from == state && transition.word == word)
      return transition.to;
  }
  return MultiWordAutomaton::kNoState;
}

int ScanTokenTransition(const MultiWordAutomaton& automaton, int state, std::string_view token) {
  int to = ScanTransitions(automaton, state, token);
  const std::string lower = utils::LowerCase(token);
  if (to == MultiWordAutomaton::kNoState)
    to = ScanTransitions(automaton, state, lower);
  if (to == MultiWordAutomaton::kNoState && !token.empty())
    to = ScanTransitions(automaton, state, utils::ToUpperCp1252(token[0]) + lower.substr(1));
  return to;
}

std::optional<std::string_view> ScanFinals(const MultiWordAutomaton& automaton, int state) {
  for (const MultiWordFinal& final_entry : automaton.Finals()) {
    if (final_entry.state == state)
      return final_entry.annotation;
  }
  return std::nullopt;
}

void CheckAbbreviations(std::string_view bytes) {
  const AbbreviationList list(ReadAbbreviationEntries(bytes));
  for (const std::string& entry : list.Entries()) {
    fuzz::Check(!entry.empty() && entry.front() != '#', "no empty or comment entry");
    fuzz::Check(entry.find_first_of(std::string_view("\r\n\0", 3)) == std::string::npos,
                "no line end or NUL in an entry");
    fuzz::Check(entry.front() != ' ' && entry.front() != '\t' && entry.back() != ' ' &&
                    entry.back() != '\t',
                "entries are trimmed");
    fuzz::Check(list.Contains(utils::UpperCase(entry)), "an entry matches in any case");
  }
  // Every piece of the file between blanks is looked up as a word would be.
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t stop = bytes.find_first_of(" \r\n", start);
    if (stop == std::string_view::npos)
      stop = bytes.size();
    const std::string_view word = bytes.substr(start, stop - start);
    bool scanned = false;
    for (const std::string& entry : list.Entries())
      scanned = scanned || utils::EqualsIgnoreCase(entry, word);
    fuzz::Check(list.Contains(word) == scanned, "abbreviation look-up equals a scan");
    start = stop + 1;
  }
}

void CheckMultiWords(std::string_view bytes) {
  const MultiWordAutomaton automaton = ReadMultiWordFile(bytes);
  const auto& transitions = automaton.Transitions();
  for (std::size_t k = 0; k < transitions.size(); ++k) {
    const MultiWordTransition& transition = transitions[k];
    fuzz::Check(transition.to == static_cast<int>(k) + 1, "transition k leads to state k + 1");
    fuzz::Check(automaton.FindTransition(transition.from, transition.word) == transition.to,
                "every transition is found");
    for (const std::string& form : {utils::LowerCase(transition.word),
                                    utils::UpperCase(transition.word), transition.word + "x"}) {
      fuzz::Check(automaton.FindTransition(transition.from, form) ==
                      ScanTransitions(automaton, transition.from, form),
                  "transition look-up equals a scan");
      fuzz::Check(automaton.FindTokenTransition(transition.from, form) ==
                      ScanTokenTransition(automaton, transition.from, form),
                  "token look-up equals the three scans");
    }
  }
  for (int state = 0; state <= static_cast<int>(transitions.size()) + 1; ++state)
    fuzz::Check(automaton.FindFinal(state) == ScanFinals(automaton, state),
                "final look-up equals a scan");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  CheckAbbreviations(bytes);
  CheckMultiWords(bytes);
  return 0;
}
