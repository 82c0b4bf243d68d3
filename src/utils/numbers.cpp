#include "utils/numbers.h"

#include <charconv>
#include <system_error>

namespace utils {
namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && text.front() == ' ')
    text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ')
    text.remove_suffix(1);
  return text;
}

// Rewrites `text` with a period as decimal point when it has the accepted shape; empty otherwise.
std::string NormalisedNumberText(std::string_view text, char separator) {
  std::string result;
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    if (text[i] == '-')
      result += '-';
    ++i;
  }
  bool has_digits = false;
  bool has_separator = false;
  for (; i < text.size(); ++i) {
    if (IsDigit(text[i])) {
      has_digits = true;
      result += text[i];
    } else if (text[i] == separator && !has_separator) {
      has_separator = true;
      result += '.';
    } else {
      break;
    }
  }
  if (!has_digits)
    return {};
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    result += 'e';
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
      result += text[i++];
    const std::size_t exponent_start = i;
    while (i < text.size() && IsDigit(text[i]))
      result += text[i++];
    if (i == exponent_start)
      return {};
  }
  if (i != text.size())
    return {};
  return result;
}

}  // namespace

std::string FormatNumber(double value, char separator) {
  char buffer[64];
  const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
  std::string text(buffer, error == std::errc() ? end : buffer);
  for (char& c : text) {
    if (c == '.')
      c = separator;
  }
  return text;
}

std::optional<double> ParseNumber(std::string_view text, char separator) {
  const std::string normalised = NormalisedNumberText(TrimBlanks(text), separator);
  if (normalised.empty())
    return std::nullopt;
  double value = 0;
  const char* first = normalised.data();
  const char* last = first + normalised.size();
  const auto [end, error] = std::from_chars(first, last, value);
  if (error != std::errc() || end != last)
    return std::nullopt;
  return value;
}

}  // namespace utils
