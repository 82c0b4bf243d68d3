// The options file format: lines of key=value, comments beginning with "#", Windows-1252 bytes.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace options_file {

// Splits the file into lines. A line ends at CR, CR LF or a lone LF; a Ctrl-Z byte ends the
// file. A final line end gives no empty line after it.
std::vector<std::string_view> SplitIntoLines(std::string_view bytes);

// The file's text: everything before its first Ctrl-Z byte.
std::string_view UpToCtrlZ(std::string_view bytes);

// Finds the first "="; false when there is none, otherwise the text before it as key and the
// text after it as value, both unchanged.
bool SplitOptionLine(std::string_view line, std::string& key, std::string& value);

// The position of the first word equal to `text`, byte for byte, or -1.
int IndexInList(std::span<const std::string_view> words, std::string_view text);

std::string YesNoText(bool checked);

}  // namespace options_file
