#include "run/own_program.h"

namespace run {

std::string OwnProgramFileName(std::string_view command) {
  if (!command.empty() && command.front() == '"') {
    const std::string_view quoted = command.substr(1);
    return std::string(quoted.substr(0, quoted.find('"')));
  }
  return std::string(command.substr(0, command.find(' ')));
}

}  // namespace run
