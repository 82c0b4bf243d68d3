// Letter case and accent rules of the Windows-1252 code page. Text stays in bytes; nothing is
// decoded. Bytes outside the code page's letters keep their value under every rule here.
#pragma once

#include <string>
#include <string_view>

namespace utils {

char ToLowerCp1252(char c);
char ToUpperCp1252(char c);
std::string LowerCase(std::string_view text);
std::string UpperCase(std::string_view text);
bool EqualsIgnoreCase(std::string_view a, std::string_view b);

// Maps an accented Latin letter to its unaccented base letter (é to e, Ç to C); every other byte,
// æ, ø, ß and ÿ among them, maps to itself.
char FoldToBaseLetter(char c);

// The Unicode code point of a Windows-1252 byte; the five bytes that the code page leaves
// unassigned keep their value.
char32_t Cp1252ToCodePoint(char c);

// Converts UTF-8 text written in the source to Windows-1252 bytes. Used once per text set; a
// character without a Windows-1252 byte is a programming error and throws std::logic_error.
std::string Utf8ToCp1252(std::string_view utf8);

}  // namespace utils
