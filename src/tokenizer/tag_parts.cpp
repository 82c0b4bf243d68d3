#include "tokenizer/tag_parts.h"

#include <array>

namespace tokenizer {

LoneLineEnds FindLoneLineEnds(std::string_view text, std::size_t i) {
  LoneLineEnds found;
  for (; i < text.size() && text[i] != '>'; ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
      ++i;
    } else if (text[i] == '\r' || text[i] == '\n') {
      ++found.count;
      found.last = i;
    }
  }
  return found;
}

std::size_t WriteTagStart(std::string& text, std::size_t tag_start, std::size_t i, std::size_t last,
                          LineOutput& lines, const std::function<void(std::size_t)>& less_than) {
  lines.AddLineStart(std::string_view(text).substr(tag_start, i - tag_start));
  std::array<char, 1 << 14> part;
  std::size_t size = 0;
  const auto put = [&](char c) {
    if (size == part.size()) {
      lines.AddLineStart(std::string_view(part.data(), size));
      size = 0;
    }
    part[size++] = c;
  };
  for (; i < last; ++i) {
    const char c = text[i];
    if (c == '<')
      less_than(i);
    if (c == '\r' || c == '\n') {
      if (c == '\r' && text[i + 1] == '\n')
        ++i;
      put(' ');
      put(' ');
    } else {
      put(c == '\t' ? ' ' : c);
    }
  }
  lines.AddLineStart(std::string_view(part.data(), size));
  text[last - 1] = ' ';
  text[last] = ' ';
  return last - 1;
}

}  // namespace tokenizer
