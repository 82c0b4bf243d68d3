#include "run/own_program.h"

#include "utils/files.h"
#include "utils/paths.h"

namespace run {

std::string OwnProgramFileName(std::string_view command) {
  if (!command.empty() && command.front() == '"') {
    const std::string_view quoted = command.substr(1);
    return std::string(quoted.substr(0, quoted.find('"')));
  }
  return std::string(command.substr(0, command.find(' ')));
}

std::string WithAbsoluteProgram(std::string_view command) {
  const std::string program = OwnProgramFileName(command);
  if (program.empty() || utils::IsAbsoluteName(program))
    return std::string(command);
  const bool quoted = command.front() == '"';
  const std::size_t program_end = program.size() + (quoted ? 1 : 0);
  std::string_view rest = command.substr(program_end);
  if (quoted && !rest.empty() && rest.front() == '"')
    rest.remove_prefix(1);
  const std::string absolute = utils::AbsoluteName(program);
  return (absolute.find(' ') == std::string::npos ? absolute : '"' + absolute + '"') +
         std::string(rest);
}

}  // namespace run
