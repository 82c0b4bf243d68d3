// The last stage of the tokenizer: every piece becomes a line ending in CR LF, with Windows
// punctuation converted on request, handed on in large blocks.
#pragma once

#include <cstdint>
#include <cstring>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "tokenizer/string_sink.h"

namespace tokenizer {

// Copies `size` bytes. Most tokens are short, and two overlapping moves of four or eight bytes
// copy one in a few instructions, without the call and the size tests of a general copy.
inline void CopyBytes(char* to, const char* from, std::size_t size) {
  if (size > 16) {
    std::memcpy(to, from, size);
    return;
  }
  const auto overlapping = [&](auto piece) {
    std::memcpy(&piece, from, sizeof piece);
    std::memcpy(to, &piece, sizeof piece);
    std::memcpy(&piece, from + size - sizeof piece, sizeof piece);
    std::memcpy(to + size - sizeof piece, &piece, sizeof piece);
  };
  if (size >= 8) {
    overlapping(std::uint64_t{});
  } else if (size >= 4) {
    overlapping(std::uint32_t{});
  } else if (size > 0) {
    to[0] = from[0];
    to[size / 2] = from[size / 2];
    to[size - 1] = from[size - 1];
  }
}

class LineOutput final : public StringSink {
 public:
  using BlockWriter = std::function<void(std::string_view)>;

  LineOutput(bool convert_punctuation, BlockWriter write);

  void Add(std::string_view line) override {
    if (buffer_.size() - used_ < line.size() + 2)
      AddBeyondRoom(line, false);
    else
      Append(line);
  }

  // The multi-word step writes the tokens of a partial match as lines at once, as if the match
  // were to fail, and keeps them in the buffer until it knows: so no token is copied twice.
  // Adds a line that JoinHeld can still join with the held lines before and after it.
  void AddHeld(std::string_view line) {
    held_start_ = held_count_ == 0 ? used_ : held_start_;
    if (buffer_.size() - used_ < line.size() + 2)
      AddBeyondRoom(line, true);
    else
      Append(line);
    if (held_count_ == held_ends_.size())
      held_ends_.push_back(used_);
    else
      held_ends_[held_count_] = used_;
    ++held_count_;
  }
  // The held lines stay lines of their own.
  void ReleaseHeld() { held_count_ = 0; }
  // Bytes that begin a line which the next Add ends: a tag too long to be held whole comes in
  // parts. The held lines stay lines of their own, as the tag's last part will leave them: it
  // holds blanks, and no multi-word word does.
  void AddLineStart(std::string_view bytes);
  // The held lines become one line: joined by single spaces, then a TAB and `annotation`.
  void JoinHeld(std::string_view annotation);

  // Hands on what is still buffered.
  void Finish();

 private:
  // Copies the line and its CR LF into the buffer, which has room for them.
  void Append(std::string_view line) {
    char* end = buffer_.data() + used_;
    CopyBytes(end, line.data(), line.size());
    end[line.size()] = '\r';
    end[line.size() + 1] = '\n';
    used_ += line.size() + 2;
  }
  void AddBeyondRoom(std::string_view line, bool held);
  // Hands on the buffered bytes before the held lines, which move to the front.
  void HandOnUnheld();

  const bool convert_punctuation_;
  BlockWriter write_;
  std::string buffer_;  // its size is the capacity; `used_` bytes of it are filled
  std::size_t used_ = 0;
  // Where the held lines begin in buffer_, and the offsets just past each one's CR LF.
  // The ends are kept in the first held_count_ places of a list that is never shrunk, so that
  // holding and releasing lines costs no test of the list.
  std::size_t held_start_ = 0;
  std::vector<std::size_t> held_ends_;
  std::size_t held_count_ = 0;
};

}  // namespace tokenizer
