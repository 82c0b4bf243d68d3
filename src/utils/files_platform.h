// The few primitives that files.cpp builds on, implemented once per platform.
#pragma once

#include <string>
#include <string_view>

namespace utils::platform {

struct OpenFile;  // defined per platform

OpenFile* CreateForWriting(const std::string& name);  // throws with the system's description
void WriteAll(OpenFile& file, std::string_view bytes, const std::string& name);
void CloseChecked(OpenFile* file, const std::string& name);  // always releases the file
void CloseQuietly(OpenFile* file);
// Puts `from` in the place of `to`, replacing an existing `to`.
void MoveReplacing(const std::string& from, const std::string& to);

// "Cannot <verb> file "<name>". <system text>"
std::string FileErrorText(std::string_view verb, const std::string& name);

}  // namespace utils::platform
