// Reads arbitrary bytes as an abbreviations file and as a multi-word file, and checks the
// indexed look-ups against plain scans of the entries and lines.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_checks.h"
#include "tokenizer/abbreviations.h"
#include "tokenizer/multi_words.h"
#include "utils/cp1252.h"

namespace {

using namespace tokenizer;

struct Line {
  std::vector<std::string> words;
  std::string annotation;
};

// The lines of a multi-word file that have words, read plainly: lines end at CR LF, CR or LF,
// 0x1A ends the file, words are separated by spaces up to the first TAB.
std::vector<Line> ScanLines(std::string_view bytes) {
  bytes = bytes.substr(0, bytes.find('\x1A'));
  std::vector<Line> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = bytes.find_first_of("\r\n", start);
    if (end == std::string_view::npos)
      end = bytes.size();
    const std::string_view text = bytes.substr(start, end - start);
    start = end + (bytes.substr(end, 2) == "\r\n" ? 2 : 1);
    const std::size_t tab = text.find('\t');
    Line line{{}, tab == std::string_view::npos ? "" : std::string(text.substr(tab + 1))};
    for (std::size_t from = 0; from < std::min(tab, text.size());) {
      const std::size_t stop = std::min(text.find(' ', from), std::min(tab, text.size()));
      if (stop > from)
        line.words.emplace_back(text.substr(from, stop - from));
      from = stop + 1;
    }
    if (!line.words.empty())
      lines.push_back(line);
  }
  return lines;
}

bool BeginsALine(const std::vector<Line>& lines, const std::vector<std::string>& words) {
  for (const Line& line : lines) {
    if (line.words.size() >= words.size() &&
        std::equal(words.begin(), words.end(), line.words.begin()))
      return true;
  }
  return false;
}

std::optional<std::string_view> FirstLineOf(const std::vector<Line>& lines,
                                            const std::vector<std::string>& words) {
  for (const Line& line : lines) {
    if (line.words == words)
      return line.annotation;
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

// Walks the path of every line and checks each state against a scan of the lines: what the
// state ends, and where each form of a token leads from it.
void CheckMultiWords(std::string_view bytes) {
  const MultiWordAutomaton automaton = ReadMultiWordFile(bytes);
  const std::vector<Line> lines = ScanLines(bytes);
  fuzz::Check(automaton.Empty() == lines.empty(), "empty exactly without words");
  for (const Line& line : lines) {
    int state = 0;
    std::vector<std::string> path;
    for (const std::string& word : line.words) {
      for (const std::string& token :
           {utils::LowerCase(word), utils::UpperCase(word), word + "x"}) {
        const std::string lower = utils::LowerCase(token);
        int expected = MultiWordAutomaton::kNoState;
        for (const std::string& form :
             {token, lower, utils::ToUpperCp1252(token[0]) + lower.substr(1)}) {
          path.push_back(form);
          const bool goes_on = BeginsALine(lines, path);
          path.pop_back();
          if (goes_on) {
            expected = automaton.FindTransition(state, form);
            fuzz::Check(expected != MultiWordAutomaton::kNoState, "every listed way on is found");
            break;
          }
        }
        fuzz::Check(automaton.FindTokenTransition(state, token) == expected,
                    "token look-up equals the three scans");
      }
      state = automaton.FindTransition(state, word);
      path.push_back(word);
      fuzz::Check(state != MultiWordAutomaton::kNoState, "every line's path is found");
      const std::optional<std::string_view> annotation = FirstLineOf(lines, path);
      fuzz::Check(automaton.FindFinal(state) == annotation, "a state ends the first line of it");
      // Joining never goes on past the end of a shorter line.
      if (annotation)
        break;
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  CheckAbbreviations(bytes);
  CheckMultiWords(bytes);
  return 0;
}
