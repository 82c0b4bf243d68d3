// The few primitives that files.cpp builds on, implemented once per platform.
#pragma once

#include <string>
#include <string_view>

namespace utils::platform {

struct OpenFile;  // defined per platform

// Throws with the system's description and `reported_name`.
OpenFile* CreateForWriting(const std::string& name, const std::string& reported_name);
void WriteAll(OpenFile& file, std::string_view bytes, const std::string& name);
void CloseChecked(OpenFile* file, const std::string& name);  // always releases the file
void CloseQuietly(OpenFile* file);
// Puts `from` in the place of `to`, replacing an existing `to`.
void MoveReplacing(const std::string& from, const std::string& to);

// The file that writing to `name` changes: the end of a link, otherwise `name` itself.
std::string LinkTarget(const std::string& name);
// True when `name` is a device or a pipe rather than a file on a disk.
bool IsDevice(const std::string& name);
// Throws, as a failure to replace `name`, when `name` is a file marked read-only.
void CheckNotReadOnly(const std::string& name);

// "Cannot <verb> file "<name>". <system text>"
std::string FileErrorText(std::string_view verb, const std::string& name);

}  // namespace utils::platform
