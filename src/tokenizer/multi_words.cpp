#include "tokenizer/multi_words.h"

#include "tokenizer/byte_case.h"
#include "utils/files.h"

namespace tokenizer {
int MultiWordAutomaton::FindTransition(int state, std::string_view word) const {
  const FoldedIndex& index = IndexFrom(state);
  const int first = index.First(static_cast<std::uint32_t>(state), word);
  if (first == FoldedIndex::kNone)
    return kNoState;
  const PackedWord packed = PackWord(word, ByteCase::Get());
  for (int item = first; item != FoldedIndex::kNone; item = index.Next(item)) {
    if (index.HasWord(item, word, packed))
      return index.Value(item) + 1;
  }
  return kNoState;
}

int MultiWordAutomaton::FindTokenTransition(int state, std::string_view token) const {
  // The three forms of a token share its lower-case form, so one probe finds every transition
  // that any of them could take. Within that group a word is the lower-case form when it is all
  // in lower case, and the capitalised form when it is in lower case after a first byte that is
  // the token's first byte in upper case.
  const FoldedIndex& index = IndexFrom(state);
  const ByteCase& cases = ByteCase::Get();
  const int first = index.First(static_cast<std::uint32_t>(state), token);
  if (first == FoldedIndex::kNone)
    return kNoState;
  const PackedWord packed = PackWord(token, cases);
  for (int item = first; item != FoldedIndex::kNone; item = index.Next(item)) {
    if (index.HasWord(item, token, packed))
      return index.Value(item) + 1;
  }
  for (int item = first; item != FoldedIndex::kNone; item = index.Next(item)) {
    if (index.IsLowerCase(item))
      return index.Value(item) + 1;
  }
  const char upper_first = cases.Upper(token.front());
  for (int item = first; item != FoldedIndex::kNone; item = index.Next(item)) {
    if (index.IsLowerCaseAfterFirst(item) && index.FirstByte(item) == upper_first)
      return index.Value(item) + 1;
  }
  return kNoState;
}

std::optional<std::string_view> MultiWordAutomaton::FindFinal(int state) const {
  if (state < 0 || static_cast<std::size_t>(state) >= first_final_of_state_.size())
    return std::nullopt;
  const int final_entry = first_final_of_state_[static_cast<std::size_t>(state)];
  if (final_entry < 0)
    return std::nullopt;
  return finals_[static_cast<std::size_t>(final_entry)].annotation;
}

int MultiWordAutomaton::Follow(int state, std::string_view word) {
  const int found = FindTransition(state, word);
  if (found != kNoState)
    return found;
  const int number = static_cast<int>(transitions_.size());
  (state == 0 ? start_index_ : index_).Add(static_cast<std::uint32_t>(state), word, number);
  transitions_.push_back(MultiWordTransition{state, number + 1, std::string(word)});
  return number + 1;
}

void MultiWordAutomaton::AddFinal(int state, std::string_view annotation) {
  const std::size_t state_number = static_cast<std::size_t>(state);
  if (first_final_of_state_.size() <= state_number)
    first_final_of_state_.resize(state_number + 1, -1);
  if (first_final_of_state_[state_number] < 0)
    first_final_of_state_[state_number] = static_cast<int>(finals_.size());
  finals_.push_back(MultiWordFinal{state, std::string(annotation)});
}

MultiWordAutomaton ReadMultiWordFile(std::string_view file_bytes) {
  file_bytes = file_bytes.substr(0, file_bytes.find('\x1A'));
  MultiWordAutomaton automaton;
  while (!file_bytes.empty()) {
    const std::size_t end = file_bytes.find_first_of("\r\n");
    const std::string_view line = file_bytes.substr(0, end);
    std::size_t line_end_length = 0;
    if (end != std::string_view::npos) {
      const bool crlf =
          file_bytes[end] == '\r' && end + 1 < file_bytes.size() && file_bytes[end + 1] == '\n';
      line_end_length = crlf ? 2 : 1;
    }
    file_bytes.remove_prefix(line.size() + line_end_length);
    if (line.empty())
      continue;

    const std::size_t tab = line.find('\t');
    const std::string_view sequence = line.substr(0, tab);
    const std::string_view annotation =
        tab == std::string_view::npos ? std::string_view() : line.substr(tab + 1);
    int state = 0;
    std::size_t start = 0;
    while (start < sequence.size()) {
      std::size_t stop = sequence.find(' ', start);
      if (stop == std::string_view::npos)
        stop = sequence.size();
      if (stop > start)
        state = automaton.Follow(state, sequence.substr(start, stop - start));
      start = stop + 1;
    }
    automaton.AddFinal(state, annotation);
  }
  return automaton;
}

MultiWordAutomaton LoadMultiWordFile(const std::string& name) {
  return ReadMultiWordFile(utils::ReadWholeFile(name));
}

}  // namespace tokenizer
