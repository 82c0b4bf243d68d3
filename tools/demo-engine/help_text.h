#pragma once

#include <string_view>

namespace demo_engine {

// The usage text printed by -help; lines end with LF.
std::string_view HelpText();

}  // namespace demo_engine
