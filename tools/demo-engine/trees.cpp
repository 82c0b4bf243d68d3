#include "trees.h"

#include <algorithm>
#include <functional>
#include <map>

#include "number_text.h"

namespace demo_engine {
namespace {

struct TagTotal {
  std::string tag;
  double count = 0;
  std::vector<std::pair<double, std::string>> words;
};

std::string Padded(std::string text, std::size_t width) {
  if (text.size() < width)
    text.append(width - text.size(), ' ');
  return text;
}

// Prints each entry of `table` below the longest other entry that it extends (`Extends`), so
// that "-ally" stands under "-ly" and "unter-" under "un-".
void PrintAffixTree(const AffixTable& table,
                    const std::function<bool(const std::string&, const std::string&)>& extends,
                    const std::function<std::string(const std::string&)>& shown,
                    std::string& text) {
  std::map<std::string, std::vector<std::string>> children;
  std::vector<std::string> roots;
  for (const auto& [affix, counts] : table) {
    const std::string* parent = nullptr;
    for (const auto& [other, other_counts] : table) {
      if (other.size() < affix.size() && extends(affix, other) &&
          (!parent || other.size() > parent->size())) {
        parent = &other;
      }
    }
    (parent ? children[*parent] : roots).push_back(affix);
  }
  std::function<void(const std::string&, std::size_t)> print = [&](const std::string& affix,
                                                                   std::size_t depth) {
    std::string line = std::string(2 * depth, ' ') + shown(affix);
    line = Padded(line, 16);
    for (const TagCount& count : table.find(affix)->second)
      line += "  " + count.tag + " " + ShortestText(count.count);
    text += line + "\r\n";
    for (const std::string& child : children[affix])
      print(child, depth + 1);
  };
  for (const std::string& root : roots)
    print(root, 1);
}

}  // namespace

std::string ProbabilityTreeText(const ParameterFile& parameters, const std::string& name) {
  std::vector<TagTotal> totals;
  for (const std::string& tag : parameters.tags)
    totals.push_back({tag, 0, {}});
  double all = 0;
  for (const auto& [word, readings] : parameters.lexicon.Entries()) {
    for (const Reading& reading : readings) {
      TagTotal& total = *std::find_if(totals.begin(), totals.end(),
                                      [&](const TagTotal& t) { return t.tag == reading.tag; });
      total.count += reading.count;
      total.words.emplace_back(reading.count, word);
      all += reading.count;
    }
  }
  std::stable_sort(totals.begin(), totals.end(),
                   [](const TagTotal& a, const TagTotal& b) { return a.count > b.count; });
  std::string text = "Tag counts of the lexicon in \"" + name + "\" (" + parameters.language +
                     "; the demo engine keeps no probability tree)\r\n";
  text += "all tags  " + ShortestText(all) + "\r\n";
  for (TagTotal& total : totals) {
    std::stable_sort(total.words.begin(), total.words.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    std::string line = Padded("  " + total.tag, 14) + Padded(ShortestText(total.count), 8);
    line += FourDecimalsText(all > 0 ? total.count / all : 0.0);
    for (std::size_t i = 0; i < total.words.size() && i < 4; ++i)
      line += (i == 0 ? "  e.g. " : ", ") + total.words[i].second;
    text += line + "\r\n";
  }
  return text;
}

std::string SuffixTreeText(const ParameterFile& parameters, const std::string& name) {
  std::string text = "Word endings in \"" + name + "\" (" + parameters.language +
                     "), which guess the tags of words that are not in the lexicon\r\n";
  PrintAffixTree(
      parameters.endings,
      [](const std::string& longer, const std::string& shorter) {
        return longer.ends_with(shorter);
      },
      [](const std::string& ending) { return "-" + ending; }, text);
  text += "Word beginnings, tried when no ending matches (not with -ignore-prefix)\r\n";
  PrintAffixTree(
      parameters.beginnings,
      [](const std::string& longer, const std::string& shorter) {
        return longer.starts_with(shorter);
      },
      [](const std::string& beginning) { return beginning + "-"; }, text);
  return text;
}

}  // namespace demo_engine
