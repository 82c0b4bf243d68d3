#include "tokenizer/abbreviations.h"

#include <algorithm>
#include <utility>

#include "utils/files.h"
#include "utils/utf8.h"

namespace tokenizer {

AbbreviationList::AbbreviationList(std::vector<std::string> entries)
    : entries_(std::move(entries)) {
  std::vector<HashFilters::Member> members;
  for (const std::string& entry : entries_) {
    // A repeated entry, or another case form of one, changes nothing: it is filed once.
    const FoldedKey key(entry);
    if (index_.Find(filed_words_, 0, key) != nullptr)
      continue;
    filed_words_ += entry;
    index_.Add(filed_words_, 0, key, filed_words_.size());
    members.push_back({0, SketchOf(entry)});
  }
  filter_ = HashFilters(1, members);
}

bool AbbreviationList::IndexHolds(std::string_view word) const {
  return index_.Find(filed_words_, 0, FoldedKey(word)) != nullptr;
}

std::vector<std::string> ReadAbbreviationEntries(std::string_view file_bytes) {
  constexpr std::string_view kBlanks = "\t\n\r ";
  file_bytes = file_bytes.substr(0, file_bytes.find('\0'));
  std::vector<std::string> entries;
  // Room for every line at once: a list that doubled as it grew could take twice its size.
  entries.reserve(static_cast<std::size_t>(
      std::count_if(file_bytes.begin(), file_bytes.end(), [](char c) { return c == '\n'; }) + 1));
  // A CR LF pair gives an empty line between CR and LF, which is left out like any empty line.
  while (!file_bytes.empty()) {
    const std::size_t end = file_bytes.find_first_of("\r\n");
    std::string_view line = file_bytes.substr(0, end);
    file_bytes.remove_prefix(end == std::string_view::npos ? file_bytes.size() : end + 1);
    const std::size_t first = line.find_first_not_of(kBlanks);
    if (first == std::string_view::npos)
      continue;
    line = line.substr(first, line.find_last_not_of(kBlanks) - first + 1);
    if (line.front() != '#')
      entries.emplace_back(line);
  }
  return entries;
}

AbbreviationList LoadAbbreviationFile(const std::string& name, bool unicode) {
  const std::string bytes = utils::ReadWholeFile(name);
  return AbbreviationList(
      ReadAbbreviationEntries(unicode ? utils::WithoutUtf8ByteOrderMark(bytes) : bytes));
}

}  // namespace tokenizer
