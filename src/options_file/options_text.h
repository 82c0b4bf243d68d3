// Saving the option set into the text of an options file, and applying such a text line by line.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

#include "options_file/option_bindings.h"
#include "options_file/option_keys.h"

namespace options_file {

// One key of the options file with its binding. A row has no default value, so a table written
// with a row too few or too many does not compile.
struct OptionRow {
  OptionRow(std::string_view row_key, std::unique_ptr<Binding> row_binding)
      : key(row_key), binding(std::move(row_binding)) {}
  std::string_view key;
  std::unique_ptr<Binding> binding;
};

using OptionRows = std::array<OptionRow, OptionKeys.size()>;

// The rows of every key, in the order of OptionKeys, which is the order in which Save writes them.
class OptionTable {
 public:
  // Throws std::logic_error when a row carries another key than the one of its place or has no
  // binding, so a doubled, misspelt or misplaced key is caught as soon as the table is made.
  explicit OptionTable(OptionRows rows);
  const OptionRows& Rows() const { return rows_; }

 private:
  OptionRows rows_;
};

// The header, then one "key=value" line for each key whose binding gives a value, in key order;
// every line ends with CR LF.
std::string OptionsFileText(const OptionTable& table);

enum class LineProblem { NoEquals, UnknownKey, UnknownValue };
enum class LoadOutcome { Completed, Stopped };

// Applies every line in file order. A bad line is reported at once, with the key or the value as
// written, and skipped. Loading stops after a line when `stopped` holds (the window has closed).
LoadOutcome ApplyOptionsText(std::string_view text, const OptionTable& table,
                             const std::function<void(LineProblem, const std::string&)>& report,
                             const std::function<bool()>& stopped);

}  // namespace options_file
