// How each key of the options file is bound to its control: what Save writes for it, and how
// Load applies a value, through the control's setters as the user would, so its handlers run.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "widgets/check_box.h"
#include "widgets/edit.h"
#include "widgets/radio_button.h"
#include "widgets/radio_group.h"

namespace options_file {

class Binding {
 public:
  virtual ~Binding() = default;
  // The value Save writes, or nothing when Save writes no line for the key.
  virtual std::optional<std::string> SavedValue() const = 0;
  // Applies a value from the file; false when the value is not acceptable for the key.
  virtual bool Apply(const std::string& value) const = 0;
};

// "Y" or "N", any case on reading; saved while the box is enabled.
class YesNoBinding : public Binding {
 public:
  explicit YesNoBinding(widgets::CheckBox& box) : box_(box) {}
  std::optional<std::string> SavedValue() const override;
  bool Apply(const std::string& value) const override;

 private:
  widgets::CheckBox& box_;
};

// The edit's text, unchanged; saved while the edit is enabled.
class TextBinding : public Binding {
 public:
  explicit TextBinding(widgets::Edit& edit) : edit_(edit) {}
  std::optional<std::string> SavedValue() const override;
  bool Apply(const std::string& value) const override;

 private:
  widgets::Edit& edit_;
};

// One word per item of a radio group. Saved when an item is selected (and, where asked, the group
// is enabled); read in any case unless `exact_case`.
class ItemBinding : public Binding {
 public:
  enum class Case { Any, Exact };
  enum class SavedWhen { ItemSelected, EnabledAndItemSelected };
  ItemBinding(widgets::RadioGroup& group, std::vector<std::string_view> words, Case word_case,
              SavedWhen saved_when)
      : group_(group), words_(std::move(words)), case_(word_case), saved_when_(saved_when) {}
  std::optional<std::string> SavedValue() const override;
  bool Apply(const std::string& value) const override;

 private:
  widgets::RadioGroup& group_;
  std::vector<std::string_view> words_;
  Case case_;
  SavedWhen saved_when_;
};

// "best" or "all" for the two tag buttons; saved while the first one is enabled.
class TagChoiceBinding : public Binding {
 public:
  TagChoiceBinding(widgets::RadioButton& best, widgets::RadioButton& all)
      : best_(best), all_(all) {}
  std::optional<std::string> SavedValue() const override;
  bool Apply(const std::string& value) const override;

 private:
  widgets::RadioButton& best_;
  widgets::RadioButton& all_;
};

// One word per tokenizer button; saved for the button that is enabled and checked.
class TokChoiceBinding : public Binding {
 public:
  explicit TokChoiceBinding(std::array<widgets::RadioButton*, 4> buttons) : buttons_(buttons) {}
  std::optional<std::string> SavedValue() const override;
  bool Apply(const std::string& value) const override;

 private:
  std::array<widgets::RadioButton*, 4> buttons_;
};

// A key whose rules the window gives itself; every value is acceptable.
class CustomBinding : public Binding {
 public:
  CustomBinding(std::function<std::optional<std::string>()> saved_value,
                std::function<void(const std::string&)> apply)
      : saved_value_(std::move(saved_value)), apply_(std::move(apply)) {}
  std::optional<std::string> SavedValue() const override { return saved_value_(); }
  bool Apply(const std::string& value) const override {
    apply_(value);
    return true;
  }

 private:
  std::function<std::optional<std::string>()> saved_value_;
  std::function<void(const std::string&)> apply_;
};

}  // namespace options_file
