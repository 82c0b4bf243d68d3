// The system's description of a Win32 error number, without its trailing line end.
#pragma once

#include <string>

namespace utils {

std::string SystemMessage(unsigned long error_number);

}  // namespace utils
