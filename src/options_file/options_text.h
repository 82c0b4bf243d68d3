// Saving the option set into the text of an options file, and applying such a text line by line.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "options_file/option_bindings.h"
#include "options_file/option_keys.h"

namespace options_file {

// One binding per key, in the order of OptionKeys.
using OptionTable = std::array<std::unique_ptr<Binding>, OptionKeys.size()>;

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
