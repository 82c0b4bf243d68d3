// The command line of vandrel-tokenize, kept apart from main() so tests can run it in-process.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace vandrel_tokenize {

enum ExitStatus { kSuccess = 0, kFileError = 1, kUsageError = 2 };

// Runs the tool with `arguments` (without the program name). Usage goes to `out` for --help;
// messages and errors go to `err`, one per line, in the order they occur.
int RunCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

}  // namespace vandrel_tokenize
