// Parts of a file name. Backslash, slash and the drive colon all end a folder part, so Windows
// names and the POSIX names of the native tests split the same way.
#pragma once

#include <string>
#include <string_view>

namespace utils {

// The folder part with its trailing delimiter ("D:\out\" of "D:\out\res.txt"); empty when the
// name has none.
std::string FolderPart(std::string_view name);

// What follows the folder part ("res.txt" of "D:\out\res.txt").
std::string FilePart(std::string_view name);

// True for "C:\x", "\x", "\\server\x" and "/x": names that do not depend on the current folder.
bool IsAbsoluteName(std::string_view name);

}  // namespace utils
