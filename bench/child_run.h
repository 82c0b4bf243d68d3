// Runs one measurement in a fresh process, so that its peak memory is its own.
#pragma once

#include <string>
#include <vector>

namespace bench {

struct ChildResult {
  double seconds;          // as the child measured it
  double loading_seconds;  // the part of it that went to loading the language lists
  double peak_mebibytes;   // the child's peak resident memory
};

// Starts `program` with `arguments`; the child prints its time and the loading time, in seconds,
// on standard output.
// Throws std::runtime_error when the child cannot be started or fails.
ChildResult RunChild(const std::string& program, const std::vector<std::string>& arguments);

}  // namespace bench
