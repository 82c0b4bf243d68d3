// The user's own conversion program is given as a command: the program's file name, optionally
// followed by a blank and arguments.
#pragma once

#include <string>
#include <string_view>

namespace run {

// The program's file name: the text up to its first blank, or, when the text begins with a
// double quote, the text up to the next double quote, without the quotes (so a path with a
// blank can be named).
std::string OwnProgramFileName(std::string_view command);

// The command with a program named relative to the current folder named absolutely, so it stays
// the program that verification found when the run changes the current folder.
std::string WithAbsoluteProgram(std::string_view command);

}  // namespace run
