// How one line of a batch file reaches a program: the command interpreter expands "%%" to "%",
// takes an output redirection off the line and hands the rest to the program, whose C runtime
// splits it into arguments. Special characters outside double quotes, a lone "%", a NUL and a
// line end make the line unreadable here: they would run or expand something else.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace fuzz {

struct BatchLine {
  bool readable = false;
  std::vector<std::string> arguments;      // the program's name first
  std::optional<std::string> redirection;  // the file after ">", quotes removed
};

// The C runtime's split: argument 0 up to a blank or, when quoted, to the next quote; then
// blank-separated arguments in which quotes group and are removed, 2n backslashes before a
// quote give n and let it toggle, 2n + 1 give n and a literal quote, and "" inside quotes is a
// literal quote.
inline std::vector<std::string> SplitArguments(std::string_view line) {
  std::vector<std::string> arguments;
  std::size_t i = 0;
  std::string first;
  if (!line.empty() && line[0] == '"') {
    const std::size_t end = line.find('"', 1);
    first = std::string(line.substr(1, end == std::string_view::npos ? end : end - 1));
    i = end == std::string_view::npos ? line.size() : end + 1;
  } else {
    while (i < line.size() && line[i] != ' ' && line[i] != '\t')
      first += line[i++];
  }
  arguments.push_back(first);
  for (;;) {
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
      ++i;
    if (i == line.size())
      break;
    std::string argument;
    bool quoted = false;
    while (i < line.size() && (quoted || (line[i] != ' ' && line[i] != '\t'))) {
      if (line[i] == '\\') {
        std::size_t count = 0;
        while (i < line.size() && line[i] == '\\') {
          ++count;
          ++i;
        }
        if (i < line.size() && line[i] == '"') {
          argument.append(count / 2, '\\');
          if (count % 2 == 1) {
            argument += '"';
            ++i;
          }
        } else {
          argument.append(count, '\\');
        }
      } else if (line[i] == '"') {
        if (quoted && i + 1 < line.size() && line[i + 1] == '"') {
          argument += '"';
          i += 2;
        } else {
          quoted = !quoted;
          ++i;
        }
      } else {
        argument += line[i++];
      }
    }
    arguments.push_back(argument);
  }
  return arguments;
}

inline BatchLine ReadBatchLine(std::string_view line) {
  BatchLine result;
  std::string expanded;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (c == '\0' || c == '\r' || c == '\n')
      return result;
    if (c == '%') {
      if (i + 1 == line.size() || line[i + 1] != '%')
        return result;
      ++i;
    }
    expanded += c;
  }
  bool quoted = false;
  std::size_t end = expanded.size();
  for (std::size_t i = 0; i < expanded.size(); ++i) {
    const char c = expanded[i];
    if (c == '"') {
      quoted = !quoted;
    } else if (!quoted && c == '>') {
      // Only the form written for the tree tasks: >"file" at the end of the line.
      const std::string_view rest = std::string_view(expanded).substr(i + 1);
      if (rest.size() < 2 || rest.front() != '"' || rest.back() != '"' ||
          rest.substr(1, rest.size() - 2).find('"') != std::string_view::npos)
        return result;
      result.redirection = std::string(rest.substr(1, rest.size() - 2));
      end = i;
      break;
    } else if (!quoted && std::string_view("&|<^()").find(c) != std::string_view::npos) {
      return result;
    }
  }
  if (quoted)
    return result;
  result.arguments = SplitArguments(std::string_view(expanded).substr(0, end));
  result.readable = true;
  return result;
}

}  // namespace fuzz
