#include "options_file/option_bindings.h"

#include "options_file/option_lines.h"
#include "utils/cp1252.h"

namespace options_file {
namespace {

constexpr std::array<std::string_view, 4> kTokWords = {"none", "built-in", "own", "own+built-in"};

}  // namespace

std::optional<std::string> YesNoBinding::SavedValue() const {
  if (!box_.Enabled())
    return std::nullopt;
  return YesNoText(box_.Checked());
}

bool YesNoBinding::Apply(const std::string& value) const {
  const std::string word = utils::LowerCase(value);
  if (word != "y" && word != "n")
    return false;
  box_.SetChecked(word == "y");
  return true;
}

std::optional<std::string> TextBinding::SavedValue() const {
  if (!edit_.Enabled())
    return std::nullopt;
  return edit_.Text();
}

bool TextBinding::Apply(const std::string& value) const {
  edit_.SetText(value);
  return true;
}

std::optional<std::string> ItemBinding::SavedValue() const {
  const int item = group_.ItemIndex();
  const bool enabled_enough = saved_when_ == SavedWhen::ItemSelected || group_.Enabled();
  if (!enabled_enough || item < 0 || item >= static_cast<int>(words_.size()))
    return std::nullopt;
  return std::string(words_[static_cast<std::size_t>(item)]);
}

bool ItemBinding::Apply(const std::string& value) const {
  const int item = IndexInList(words_, case_ == Case::Exact ? value : utils::LowerCase(value));
  if (item < 0)
    return false;
  group_.SetItemIndex(item);
  return true;
}

std::optional<std::string> TagChoiceBinding::SavedValue() const {
  if (!best_.Enabled())
    return std::nullopt;
  if (best_.Checked())
    return "best";
  if (all_.Checked())
    return "all";
  return std::nullopt;
}

bool TagChoiceBinding::Apply(const std::string& value) const {
  const std::string word = utils::LowerCase(value);
  if (word != "best" && word != "all")
    return false;
  best_.SetChecked(word == "best");
  all_.SetChecked(word == "all");
  return true;
}

std::optional<std::string> TokChoiceBinding::SavedValue() const {
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    if (buttons_[i]->Enabled() && buttons_[i]->Checked())
      return std::string(kTokWords[i]);
  }
  return std::nullopt;
}

bool TokChoiceBinding::Apply(const std::string& value) const {
  const int button = IndexInList(kTokWords, utils::LowerCase(value));
  if (button < 0)
    return false;
  buttons_[static_cast<std::size_t>(button)]->SetChecked(true);
  return true;
}

}  // namespace options_file
