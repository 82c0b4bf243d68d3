// The window's choices by name: the languages it offers, and the items of its radio groups and
// its tokenizer buttons in their order. The options file writes the same positions.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "run/run_plan.h"

namespace app {

// The items of the encoding group: what the language's parameter file was trained on.
enum class TrainingEncoding { Latin1, WindowsWE, Unicode };

// Each item's caption and its word in the options file.
inline constexpr std::array<std::string_view, 3> kTrainingEncodingWords = {"Latin-1", "WindowsWE",
                                                                           "Unicode"};

struct Language {
  std::string_view caption;  // the item's caption
  std::string_view name;     // the language's files and its value in the options file
  TrainingEncoding encoding;
  bool clitics;  // whether the tokenizer has clitic tables for it
};

// The named languages, in the order of their items.
inline constexpr std::array<Language, 8> kLanguages = {{
    {"English", "english", TrainingEncoding::Latin1, true},
    {"French", "french", TrainingEncoding::Latin1, true},
    {"German", "german", TrainingEncoding::Latin1, false},
    {"Italian", "italian", TrainingEncoding::Latin1, true},
    {"Spanish", "spanish", TrainingEncoding::Latin1, false},
    {"Russian", "russian", TrainingEncoding::Unicode, false},
    {"Bulgarian", "bulgarian", TrainingEncoding::Unicode, false},
    {"Dutch", "dutch", TrainingEncoding::Latin1, false},
}};

// The item after the named languages, with no caption: a language whose name the user types.
inline constexpr int kNewLanguageItem = static_cast<int>(kLanguages.size());

// The captions of the language group's items, the new-language item last.
std::vector<std::string> LanguageItems();

// The task group's items are in the order of run::RunTask; no item selected means tagging.
run::RunTask TaskOfItem(int item);

// The position of a choice among its group's items or buttons.
template <typename Choice>
constexpr int ItemOf(Choice choice) {
  return static_cast<int>(choice);
}

}  // namespace app
