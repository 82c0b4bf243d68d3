#include "tokenizer/multi_words.h"

#include "tokenizer/byte_case.h"
#include "utils/files.h"
#include "utils/utf8.h"

namespace tokenizer {
int MultiWordAutomaton::FindTransition(int state, std::string_view word) const {
  return FindTransition(state, FoldedKey(word));
}

int MultiWordAutomaton::FindTransition(int state, const FoldedKey& key) const {
  const FoldedIndex& index = IndexFrom(state);
  const FoldedIndex::Group* group = index.Find(static_cast<std::uint32_t>(state), key);
  if (group == nullptr)
    return kNoState;
  const int item = index.FindWord(static_cast<std::uint32_t>(state), *group, key.Word());
  return item == FoldedIndex::kNone ? kNoState : index.Value(item) + 1;
}

int MultiWordAutomaton::FindCaseFormTransition(int state, const FoldedIndex::Group& group,
                                               std::string_view token) const {
  const FoldedIndex& index = IndexFrom(state);
  const auto tag = static_cast<std::uint32_t>(state);
  const ByteCase& cases = ByteCase::Get();
  std::string form(token);
  for (int pass = 0; pass < 3; ++pass) {
    if (pass == 1) {
      for (char& byte : form)
        byte = cases.Lower(byte);
    } else if (pass == 2) {
      form.front() = cases.Upper(form.front());
    }
    const int item = index.FindWord(tag, group, form);
    if (item != FoldedIndex::kNone)
      return index.Value(item) + 1;
  }
  return kNoState;
}

int MultiWordAutomaton::FindPassingTokenTransition(int state, std::string_view token) const {
  // The three forms of a token share its lower-case form, so one probe finds every transition
  // that any of them could take. Within that group a word is the lower-case form when it is all
  // in lower case, and the capitalised form when it is in lower case after a first byte that is
  // the token's first byte in upper case.
  const FoldedKey key(token);
  const FoldedIndex& index = IndexFrom(state);
  const FoldedIndex::Group* group = index.Find(static_cast<std::uint32_t>(state), key);
  if (group == nullptr)
    return kNoState;
  // A lone word in lower case is what every form of the token finds: the usual case.
  if (group->sole_lower_case_value != FoldedIndex::kNone)
    return group->sole_lower_case_value + 1;
  if (!index.IsShort(*group))
    return FindCaseFormTransition(state, *group, token);
  const int first = group->first_item;
  for (int item = first; item != FoldedIndex::kNone; item = index.Next(item)) {
    if (index.HasWord(item, key))
      return index.Value(item) + 1;
  }
  for (int item = first; item != FoldedIndex::kNone; item = index.Next(item)) {
    if (index.IsLowerCase(item))
      return index.Value(item) + 1;
  }
  const char upper_first = ByteCase::Get().Upper(token.front());
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

void MultiWordAutomaton::Reserve(std::size_t first_words, std::size_t other_words) {
  start_index_.Reserve(first_words);
  index_.Reserve(other_words);
  transitions_.reserve(first_words + other_words);
  first_final_of_state_.reserve(first_words + other_words + 1);
}

int MultiWordAutomaton::Follow(int state, std::string_view word) {
  const FoldedKey key(word);
  const int found = FindTransition(state, key);
  if (found != kNoState)
    return found;
  const int number = static_cast<int>(transitions_.size());
  (state == 0 ? start_index_ : index_).Add(static_cast<std::uint32_t>(state), key, number);
  transitions_.push_back(MultiWordTransition{state, number + 1, std::string(word)});
  return number + 1;
}

void MultiWordAutomaton::FilterExits() {
  std::vector<HashFilters::Member> exits;
  exits.reserve(transitions_.size());
  for (const MultiWordTransition& transition : transitions_)
    exits.push_back({static_cast<std::uint32_t>(transition.from), SketchOf(transition.word)});
  exits_ = HashFilters(static_cast<std::uint32_t>(transitions_.size() + 1), exits);
}

void MultiWordAutomaton::AddFinal(int state, std::string_view annotation) {
  const std::size_t state_number = static_cast<std::size_t>(state);
  if (first_final_of_state_.size() <= state_number)
    first_final_of_state_.resize(state_number + 1, -1);
  if (first_final_of_state_[state_number] < 0)
    first_final_of_state_[state_number] = static_cast<int>(finals_.size());
  finals_.push_back(MultiWordFinal{state, std::string(annotation)});
}

namespace {

// Calls `take(sequence, annotation)` for each non-empty line of a multi-word file.
template <typename Take>
void ForEachLine(std::string_view file_bytes, Take take) {
  file_bytes = file_bytes.substr(0, file_bytes.find('\x1A'));
  while (!file_bytes.empty()) {
    // A plain loop: find_first_of looks for each of the two bytes at every place.
    std::size_t end = 0;
    while (end < file_bytes.size() && file_bytes[end] != '\r' && file_bytes[end] != '\n')
      ++end;
    const std::string_view line = file_bytes.substr(0, end);
    std::size_t line_end_length = 0;
    if (end < file_bytes.size()) {
      const bool crlf =
          file_bytes[end] == '\r' && end + 1 < file_bytes.size() && file_bytes[end + 1] == '\n';
      line_end_length = crlf ? 2 : 1;
    }
    file_bytes.remove_prefix(line.size() + line_end_length);
    if (line.empty())
      continue;
    const std::size_t tab = line.find('\t');
    take(line.substr(0, tab),
         tab == std::string_view::npos ? std::string_view() : line.substr(tab + 1));
  }
}

// Calls `take(word)` for each word of a line's sequence.
template <typename Take>
void ForEachWord(std::string_view sequence, Take take) {
  std::size_t start = 0;
  while (start < sequence.size()) {
    std::size_t stop = sequence.find(' ', start);
    if (stop == std::string_view::npos)
      stop = sequence.size();
    if (stop > start)
      take(sequence.substr(start, stop - start));
    start = stop + 1;
  }
}

}  // namespace

MultiWordAutomaton ReadMultiWordFile(std::string_view file_bytes) {
  // Counting the words first lets the indexes take their full size at once instead of growing
  // through every power of two.
  std::size_t first_words = 0;
  std::size_t other_words = 0;
  ForEachLine(file_bytes, [&](std::string_view sequence, std::string_view) {
    std::size_t words = 0;
    ForEachWord(sequence, [&words](std::string_view) { ++words; });
    first_words += words > 0 ? 1 : 0;
    other_words += words > 0 ? words - 1 : 0;
  });
  MultiWordAutomaton automaton;
  automaton.Reserve(first_words, other_words);
  ForEachLine(file_bytes, [&automaton](std::string_view sequence, std::string_view annotation) {
    int state = 0;
    ForEachWord(sequence, [&](std::string_view word) { state = automaton.Follow(state, word); });
    automaton.AddFinal(state, annotation);
  });
  automaton.FilterExits();
  return automaton;
}

MultiWordAutomaton LoadMultiWordFile(const std::string& name, bool unicode) {
  const std::string bytes = utils::ReadWholeFile(name);
  return ReadMultiWordFile(unicode ? utils::WithoutUtf8ByteOrderMark(bytes) : bytes);
}

}  // namespace tokenizer
