#include "options_file/options_text.h"

#include <stdexcept>

#include "options_file/option_lines.h"
#include "utils/text_lines.h"

namespace options_file {

OptionTable::OptionTable(OptionRows rows) : rows_(std::move(rows)) {
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    if (rows_[i].key != OptionKeys[i] || !rows_[i].binding) {
      throw std::logic_error("options table row " + std::to_string(i) + " is \"" +
                             std::string(rows_[i].key) + "\" where \"" +
                             std::string(OptionKeys[i]) + "\" belongs");
    }
  }
}

std::string OptionsFileText(const OptionTable& table) {
  std::string text = std::string(kOptionsFileHeader) + "\r\n";
  for (const OptionRow& row : table.Rows()) {
    if (const std::optional<std::string> value = row.binding->SavedValue()) {
      text += std::string(row.key) + "=" + *value + "\r\n";
    }
  }
  return text;
}

LoadOutcome ApplyOptionsText(std::string_view text, const OptionTable& table,
                             const std::function<void(LineProblem, const std::string&)>& report,
                             const std::function<bool()>& stopped) {
  // Line by line, without a list of all lines: a file of nothing but line ends costs no more
  // than itself.
  text = UpToCtrlZ(text);
  std::string_view line;
  while (utils::TakeLine(text, line)) {
    if (line.empty() || line.front() == '#')
      continue;
    std::string key;
    std::string value;
    if (!SplitOptionLine(line, key, value)) {
      report(LineProblem::NoEquals, std::string());
    } else if (const int index = IndexInList(OptionKeys, key); index < 0) {
      report(LineProblem::UnknownKey, key);
    } else if (!table.Rows()[static_cast<std::size_t>(index)].binding->Apply(value)) {
      report(LineProblem::UnknownValue, value);
    }
    if (stopped())
      return LoadOutcome::Stopped;
  }
  return LoadOutcome::Completed;
}

}  // namespace options_file
