// The whole run of the demo engine for one command line, with its output streams passed in so
// that tests can run it in-process. Returns the exit status: 0 done, 1 failed (the reason is
// on `standard_error`, even with -quiet).
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace demo_engine {

int RunEngine(const std::vector<std::string>& args, std::ostream& standard_output,
              std::ostream& standard_error);

}  // namespace demo_engine
