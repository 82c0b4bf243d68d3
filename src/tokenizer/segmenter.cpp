#include "tokenizer/segmenter.h"

#include "tokenizer/word_scan.h"

#include <algorithm>
#include <array>
#include <string>

namespace tokenizer {
namespace {

// What a byte does to the segmentation; kOrdinary bytes are simply appended.
enum ByteRole : unsigned char {
  kOrdinary,
  kBlank,  // space or TAB
  kCarriageReturn,
  kLineFeed,
  kTagOpen,   // <
  kTagClose,  // >
  kWordEnd,   // ! ; ? end a word and stay attached to it
  kEllipsis,  // 0x85 is a segment of its own
};

using RoleTable = std::array<ByteRole, 256>;

constexpr RoleTable CommonRoles() {
  RoleTable roles{};
  roles['\t'] = kBlank;
  roles['\r'] = kCarriageReturn;
  roles['\n'] = kLineFeed;
  roles['<'] = kTagOpen;
  roles['>'] = kTagClose;
  return roles;
}

constexpr RoleTable OutsideRoles() {
  RoleTable roles = CommonRoles();
  roles[' '] = kBlank;
  roles['!'] = kWordEnd;
  roles[';'] = kWordEnd;
  roles['?'] = kWordEnd;
  roles[0x85] = kEllipsis;
  return roles;
}

constexpr RoleTable kOutsideRoles = OutsideRoles();
constexpr RoleTable kInsideRoles = CommonRoles();

ByteRole RoleOf(const RoleTable& roles, char c) {
  return roles[static_cast<unsigned char>(c)];
}

class Segmenter {
 public:
  Segmenter(const MessageReport& report, StringSink& segments)
      : report_(report), segments_(segments) {}

  void Run(std::string& text);

 private:
  std::size_t StepOutside(std::string_view text, std::size_t i);
  std::size_t StepInside(std::string& text, std::size_t i);
  // Copies the tag so far, up to `end`, into the buffer, with room for `growth` more bytes than
  // the rest of the text holds: its next change makes it longer than it is in the text.
  void TakeTagOutOfText(std::string_view text, std::size_t end, std::size_t growth);
  // At the first lone CR or LF of a tag, at `i`: makes the whole tag, each lone line end two
  // spaces, in the text itself, moved towards its start over bytes already handed on, when there
  // is room; returns where the walk goes on, or `i` when there was no room.
  std::size_t RewriteTagInText(std::string& text, std::size_t i);
  // The bytes the tag from `i` on grows by: one for each lone CR or LF before its end.
  static std::size_t TagGrowth(std::string_view text, std::size_t i);
  // Ends the segment made of the buffer and `run`, the bytes that follow it in the text.
  void EndSegment(std::string_view run);
  void ReportOnce(Message message);

  const MessageReport& report_;
  StringSink& segments_;
  bool inside_tag_ = false;
  // A tag is made in the text itself while its changes keep its length: TABs and CR LF pairs
  // become spaces where they are. So a long tag, even one left open to the end of the text, is
  // not copied.
  bool tag_in_text_ = false;
  std::size_t tag_start_ = 0;  // where its "<" is in the text
  // Bytes of the current segment that are not in one piece in the text: a tag with a lone CR or
  // LF, which turns into two spaces, or a word that a dropped ">" cut in two.
  std::string buffer_;
  bool reported_[5] = {};
};

void Segmenter::ReportOnce(Message message) {
  bool& reported = reported_[static_cast<int>(message)];
  if (reported)
    return;
  reported = true;
  report_(message);
}

void Segmenter::EndSegment(std::string_view run) {
  if (buffer_.empty()) {
    if (!run.empty())
      segments_.Add(run);
    return;
  }
  buffer_.append(run);
  segments_.Add(buffer_);
  buffer_.clear();
}

std::size_t Segmenter::StepOutside(std::string_view text, std::size_t i) {
  const std::size_t start = i;
  i = FindWordStop(text, i);
  const std::string_view run = text.substr(start, i - start);
  if (i == text.size()) {
    // The text's last line end is implied, so the run ends the last segment: handed on as it
    // lies in the text, a long last word is not copied.
    EndSegment(run);
    return i;
  }
  const char c = text[i++];
  switch (RoleOf(kOutsideRoles, c)) {
    case kCarriageReturn:
      if (i < text.size() && text[i] == '\n')
        ++i;
      EndSegment(run);
      break;
    case kBlank:
    case kLineFeed:
      EndSegment(run);
      break;
    case kTagOpen:
      EndSegment(run);
      inside_tag_ = true;
      tag_in_text_ = true;
      tag_start_ = i - 1;
      break;
    case kTagClose:
      ReportOnce(Message::GtOutsideTag);
      buffer_.append(run);
      break;
    case kWordEnd:
      EndSegment(text.substr(start, i - start));
      break;
    case kEllipsis:
      EndSegment(run);
      segments_.Add(text.substr(i - 1, 1));
      break;
    case kOrdinary:
      break;
  }
  return i;
}

void Segmenter::TakeTagOutOfText(std::string_view text, std::size_t end, std::size_t growth) {
  if (!tag_in_text_)
    return;
  // Room for the whole tag at once: a buffer that doubled as it grew could take twice the tag.
  const std::size_t tag_end = std::min(text.find('>', end), text.size() - 1) + 1;
  buffer_.reserve(tag_end - tag_start_ + growth + 2);
  buffer_.assign(text.substr(tag_start_, end - tag_start_));
  tag_in_text_ = false;
}

std::size_t Segmenter::TagGrowth(std::string_view text, std::size_t i) {
  std::size_t growth = 0;
  for (; i < text.size() && text[i] != '>'; ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
      ++i;
    else if (text[i] == '\r' || text[i] == '\n')
      ++growth;
  }
  return growth;
}

std::size_t Segmenter::RewriteTagInText(std::string& text, std::size_t i) {
  const std::size_t growth = TagGrowth(text, i);
  if (growth > tag_start_)
    return i;
  // Moved back by as many bytes as it grows by, the tag is written ahead of where it is read.
  const std::size_t start = tag_start_ - growth;
  std::copy(text.begin() + static_cast<std::ptrdiff_t>(tag_start_),
            text.begin() + static_cast<std::ptrdiff_t>(i),
            text.begin() + static_cast<std::ptrdiff_t>(start));
  std::size_t write = start + (i - tag_start_);
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '>') {
      text[write] = c;
      segments_.Add(std::string_view(text).substr(start, write + 1 - start));
      inside_tag_ = false;
      return i + 1;
    }
    if (c == '<')
      ReportOnce(Message::LtInTag);
    if (c == '\r' || c == '\n') {
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
        ++i;
      text[write++] = ' ';
      text[write++] = ' ';
    } else {
      text[write++] = c == '\t' ? ' ' : c;
    }
  }
  tag_start_ = start;
  return i;
}

std::size_t Segmenter::StepInside(std::string& text, std::size_t i) {
  const std::size_t start = i;
  while (i < text.size() && RoleOf(kInsideRoles, text[i]) == kOrdinary)
    ++i;
  if (!tag_in_text_)
    buffer_.append(std::string_view(text).substr(start, i - start));
  if (i == text.size())
    return i;
  const char c = text[i++];
  switch (RoleOf(kInsideRoles, c)) {
    case kBlank:
      if (tag_in_text_)
        text[i - 1] = ' ';
      else
        buffer_.push_back(' ');
      break;
    case kCarriageReturn:
      if (i < text.size() && text[i] == '\n') {
        ++i;
        if (tag_in_text_) {
          text[i - 2] = ' ';
          text[i - 1] = ' ';
        } else {
          buffer_.append("  ");
        }
        break;
      }
      [[fallthrough]];
    case kLineFeed:
      if (tag_in_text_) {
        if (const std::size_t next = RewriteTagInText(text, i - 1); next != i - 1)
          return next;
        TakeTagOutOfText(text, i - 1, TagGrowth(text, i - 1));
      }
      buffer_.append("  ");
      break;
    case kTagOpen:
      ReportOnce(Message::LtInTag);
      if (!tag_in_text_)
        buffer_.push_back('<');
      break;
    case kTagClose:
      if (tag_in_text_) {
        segments_.Add(std::string_view(text).substr(tag_start_, i - tag_start_));
      } else {
        buffer_.push_back('>');
        segments_.Add(buffer_);
        buffer_.clear();
      }
      inside_tag_ = false;
      break;
    default:
      break;
  }
  return i;
}

void Segmenter::Run(std::string& text) {
  // The last line ends in CR LF too, even when the text does not. Asked before the walk, which
  // turns the line ends inside tags into spaces.
  const bool ends_in_line_end = !text.empty() && (text.back() == '\r' || text.back() == '\n');
  std::size_t i = 0;
  while (i < text.size())
    i = inside_tag_ ? StepInside(text, i) : StepOutside(text, i);
  if (inside_tag_) {
    if (!text.empty() && !ends_in_line_end) {
      // The implied line end goes into room the text was read with, or else into the copy.
      if (tag_in_text_ && text.capacity() - text.size() >= 2) {
        text.append("  ");
      } else {
        TakeTagOutOfText(text, text.size(), 0);
        buffer_.append("  ");
      }
    }
    ReportOnce(Message::EndInTag);
  }
  EndSegment(inside_tag_ && tag_in_text_ ? std::string_view(text).substr(tag_start_)
                                         : std::string_view());
}

}  // namespace

void SplitIntoSegments(std::string& text, const MessageReport& report, StringSink& segments) {
  Segmenter(report, segments).Run(text);
}

}  // namespace tokenizer
