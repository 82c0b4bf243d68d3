#include "child_run.h"

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <sstream>
#include <stdexcept>

extern char** environ;

namespace bench {

ChildResult RunChild(const std::string& program, const std::vector<std::string>& arguments) {
  int pipe_ends[2];
  if (pipe(pipe_ends) != 0)
    throw std::runtime_error("cannot make a pipe");
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipe_ends[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, pipe_ends[0]);
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(program.c_str()));
  for (const std::string& argument : arguments)
    argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  pid_t child = 0;
  const int spawned = posix_spawn(&child, program.c_str(), &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(pipe_ends[1]);
  if (spawned != 0) {
    close(pipe_ends[0]);
    throw std::runtime_error("cannot start " + program);
  }
  std::string output;
  char chunk[256];
  for (ssize_t count; (count = read(pipe_ends[0], chunk, sizeof chunk)) > 0;)
    output.append(chunk, static_cast<std::size_t>(count));
  close(pipe_ends[0]);
  int status = 0;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  ChildResult result{0, 0, static_cast<double>(usage.ru_maxrss) / 1024.0};
  std::istringstream times(output);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 ||
      !(times >> result.seconds >> result.loading_seconds))
    throw std::runtime_error("the measurement failed");
  return result;
}

}  // namespace bench
