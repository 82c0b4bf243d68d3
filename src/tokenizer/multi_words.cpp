#include "tokenizer/multi_words.h"

#include <limits>
#include <stdexcept>

#include "tokenizer/byte_case.h"
#include "utils/files.h"
#include "utils/utf8.h"

namespace tokenizer {
namespace {

bool IsMark(char byte) {
  return byte == ' ' || byte == '\n' || byte == '\t' || byte == '\r';
}

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

// The first word of `sequence` from `start` on, empty when there is none; `start` moves past it.
std::string_view NextWord(std::string_view sequence, std::size_t& start) {
  while (start < sequence.size() && sequence[start] == ' ')
    ++start;
  const std::size_t begin = start;
  while (start < sequence.size() && sequence[start] != ' ')
    ++start;
  return sequence.substr(begin, start - begin);
}

}  // namespace

std::string_view MultiWordAutomaton::PathWord(int state) const {
  const auto place = static_cast<std::size_t>(state);
  if (place >= text_.size() || text_[place] != ' ')
    return {};
  std::size_t end = place + 1;
  while (end < text_.size() && !IsMark(text_[end]))
    ++end;
  return std::string_view(text_).substr(place + 1, end - place - 1);
}

int MultiWordAutomaton::FindIndexed(int state, std::string_view word) const {
  const FoldedIndex& index = IndexFrom(state);
  const auto tag = static_cast<std::uint32_t>(state);
  const FoldedIndex::Group* group = index.Find(text_, tag, FoldedKey(word));
  return group == nullptr ? kNoState : index.FindWord(text_, tag, *group, word);
}

int MultiWordAutomaton::FindTransition(int state, std::string_view word) const {
  if (static_cast<std::size_t>(state) >= text_.size())
    return kNoState;
  if (text_[static_cast<std::size_t>(state)] == ' ')
    return PathWord(state) == word ? state + 1 + static_cast<int>(word.size()) : kNoState;
  return Branches(state) ? FindIndexed(state, word) : kNoState;
}

int MultiWordAutomaton::FollowPath(int state, std::string_view token) const {
  // The path's word is compared where it lies, so that most tokens are turned away at their
  // first byte. The token matches as it is, or in lower case after a first byte that is its
  // own in lower or upper case: the lower-case and the capitalised form.
  const char* word = text_.data() + state + 1;
  if (token.empty())
    return kNoState;
  const ByteCase& cases = ByteCase::Get();
  const char first = token.front();
  bool as_it_is = word[0] == first;
  if (!as_it_is && word[0] != cases.Lower(first) && word[0] != cases.Upper(first))
    return kNoState;
  bool lower_after_first = true;
  for (std::size_t i = 1; i < token.size(); ++i) {
    // A word holds no mark, and the text ends in one.
    if (IsMark(word[i]))
      return kNoState;
    as_it_is = as_it_is && word[i] == token[i];
    lower_after_first = lower_after_first && word[i] == cases.Lower(token[i]);
    if (!as_it_is && !lower_after_first)
      return kNoState;
  }
  // A first byte that is the token's own is also its lower- or upper-case form.
  return IsMark(word[token.size()]) ? state + 1 + static_cast<int>(token.size()) : kNoState;
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
    const int end = index.FindWord(text_, tag, group, form);
    if (end != FoldedIndex::kNone)
      return end;
  }
  return kNoState;
}

int MultiWordAutomaton::FindPassingTokenTransition(int state, std::string_view token) const {
  // The three forms of a token share its lower-case form, so one probe finds every transition
  // that any of them could take. Within that group a word is the lower-case form when it is all
  // in lower case, and the capitalised form when it is in lower case after a first byte that is
  // the token's first byte in upper case.
  const FoldedIndex& index = IndexFrom(state);
  const FoldedIndex::Group* group =
      index.Find(text_, static_cast<std::uint32_t>(state), FoldedKey(token));
  if (group == nullptr)
    return kNoState;
  // A lone word in lower case is what every form of the token finds: the usual case.
  const int end = FoldedIndex::SoleLowerCaseEnd(*group);
  return end != FoldedIndex::kNone ? end : FindInGroup(state, *group, token);
}

int MultiWordAutomaton::FindInGroup(int state, const FoldedIndex::Group& group,
                                    std::string_view token) const {
  const FoldedIndex& index = IndexFrom(state);
  if (!index.IsShort(group))
    return FindCaseFormTransition(state, group, token);
  const auto word_of = [this, &group, &index](int item) {
    return std::string_view(text_).substr(static_cast<std::size_t>(index.End(item)) - group.length,
                                          group.length);
  };
  const int first = FoldedIndex::FirstItem(group);
  for (int item = first; item != FoldedIndex::kNone; item = index.Next(item)) {
    if (word_of(item) == token)
      return index.End(item);
  }
  for (int item = first; item != FoldedIndex::kNone; item = index.Next(item)) {
    if (index.IsLowerCase(item))
      return index.End(item);
  }
  const char upper_first = ByteCase::Get().Upper(token.front());
  for (int item = first; item != FoldedIndex::kNone; item = index.Next(item)) {
    if (index.IsLowerCaseAfterFirst(item) && word_of(item).front() == upper_first)
      return index.End(item);
  }
  return kNoState;
}

std::string_view MultiWordAutomaton::AnnotationOf(std::size_t place) const {
  const std::size_t start =
      text_[place] == '\t' ? place + 1
                           : static_cast<std::size_t>(FindIndexed(static_cast<int>(place), ""));
  return std::string_view(text_).substr(start, text_.find('\n', start) - start);
}

void MultiWordAutomaton::Reserve(std::size_t size, std::size_t lines) {
  // A line's path and annotation take no more than its own bytes and one, and every place in
  // the text must be a state number.
  if (size + lines + 2 > static_cast<std::size_t>(std::numeric_limits<int>::max()))
    throw std::length_error("The word list is too large.");
  text_.reserve(size + lines + 2);
}

void MultiWordAutomaton::AddPath(int state, std::string_view words, std::string_view annotation) {
  std::size_t start = 0;
  const std::string_view first = NextWord(words, start);
  text_.append(first);
  IndexFrom(state).Add(text_, static_cast<std::uint32_t>(state), FoldedKey(first), text_.size());
  for (std::string_view word = NextWord(words, start); !word.empty();
       word = NextWord(words, start)) {
    text_ += ' ';
    text_.append(word);
  }
  text_ += '\t';
  text_.append(annotation);
  text_ += '\n';
}

void MultiWordAutomaton::MakeFinal(int state, std::string_view annotation) {
  const auto place = static_cast<std::size_t>(state);
  // The first line that ends in a state keeps it.
  if (text_[place] == '\t' || text_[place] == '\r')
    return;
  text_[place] = '\r';
  const std::size_t start = text_.size();
  text_.append(annotation);
  text_ += '\n';
  // Filed as the empty word, which no way on has.
  index_.Add(text_, static_cast<std::uint32_t>(state), FoldedKey(""), start);
}

void MultiWordAutomaton::AddLine(std::string_view sequence, std::string_view annotation) {
  int state = 0;
  std::size_t start = 0;
  for (std::size_t before = 0;; before = start) {
    const std::string_view word = NextWord(sequence, start);
    if (word.empty())
      break;
    const char mark = text_[static_cast<std::size_t>(state)];
    // A shorter line ends here: joining never goes on past it.
    if (mark == '\t' || mark == '\r')
      return;
    if (mark == ' ') {
      const std::string_view next = PathWord(state);
      if (next == word) {
        state += 1 + static_cast<int>(word.size());
        continue;
      }
      // The path divides here, so the state now branches.
      text_[static_cast<std::size_t>(state)] = '\n';
      index_.Add(text_, static_cast<std::uint32_t>(state), FoldedKey(next),
                 static_cast<std::size_t>(state) + 1 + next.size());
    } else if (const int to = FindIndexed(state, word); to != kNoState) {
      state = to;
      continue;
    }
    AddPath(state, sequence.substr(before), annotation);
    return;
  }
  if (state != 0)
    MakeFinal(state, annotation);
}

void MultiWordAutomaton::FilterExits() {
  exits_ = HashFilters::Of(2, [this](auto add) {
    ForEachIndexedWord([&add](int state, std::string_view word) {
      if (state == 0)
        add(0, SketchOf(word));
      else
        add(1, SketchOf(word) ^ StateBits(state));
    });
  });
}

MultiWordAutomaton ReadMultiWordFile(std::string_view file_bytes) {
  std::size_t lines = 0;
  ForEachLine(file_bytes, [&lines](std::string_view, std::string_view) { ++lines; });
  MultiWordAutomaton automaton;
  automaton.Reserve(file_bytes.size(), lines);
  ForEachLine(file_bytes, [&automaton](std::string_view sequence, std::string_view annotation) {
    automaton.AddLine(sequence, annotation);
  });
  automaton.FilterExits();
  return automaton;
}

MultiWordAutomaton LoadMultiWordFile(const std::string& name, bool unicode) {
  const std::string bytes = utils::ReadWholeFile(name);
  return ReadMultiWordFile(unicode ? utils::WithoutUtf8ByteOrderMark(bytes) : bytes);
}

}  // namespace tokenizer
