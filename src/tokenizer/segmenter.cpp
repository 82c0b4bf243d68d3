#include "tokenizer/segmenter.h"

#include "tokenizer/glued_segment.h"
#include "tokenizer/tag_parts.h"
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
  Segmenter(const MessageReport& report, StringSink& segments, LineOutput& lines)
      : report_(report), segments_(segments), lines_(lines) {}

  void Run(std::string& text);

 private:
  std::size_t StepOutside(std::string& text, std::size_t i);
  std::size_t StepInside(std::string& text, std::size_t i);
  // At the first lone CR or LF of a tag, at `i`, when the tag grows by `growth` bytes and there
  // is room before it: makes the whole tag, each lone line end two spaces, in the text itself,
  // moved towards its start over bytes already handed on; returns where the walk goes on.
  std::size_t RewriteTagInText(std::string& text, std::size_t i, std::size_t growth);
  // Hands on the tag left open at the end of the text, with the two spaces of the implied line
  // end when the text has none.
  void EndOpenTag(std::string& text, bool ends_in_line_end);
  // Ends the segment made of the pieces glued so far and `run`, the bytes that follow them in
  // the text.
  void EndSegment(std::string& text, std::string_view run);
  void ReportOnce(Message message);

  const MessageReport& report_;
  StringSink& segments_;
  LineOutput& lines_;  // takes the start of a tag that has no room to grow in the text
  bool inside_tag_ = false;
  // A tag is made in the text itself: TABs and CR LF pairs become spaces where they are. So a
  // long tag, even one left open to the end of the text, is not copied.
  std::size_t tag_start_ = 0;  // where its "<" is in the text
  // A word that a dropped ">" cut in two.
  GluedSegment glued_;
  bool reported_[5] = {};
};

void Segmenter::ReportOnce(Message message) {
  bool& reported = reported_[static_cast<int>(message)];
  if (reported)
    return;
  reported = true;
  report_(message);
}

void Segmenter::EndSegment(std::string& text, std::string_view run) {
  if (!glued_.Active()) {
    if (!run.empty())
      segments_.Add(run);
    return;
  }
  glued_.Append(text, run);
  segments_.Add(glued_.Take(text));
}

std::size_t Segmenter::StepOutside(std::string& text, std::size_t i) {
  const std::size_t start = i;
  i = FindWordStop(text, i);
  const std::string_view run = std::string_view(text).substr(start, i - start);
  if (i == text.size()) {
    // The text's last line end is implied, so the run ends the last segment: handed on as it
    // lies in the text, a long last word is not copied.
    EndSegment(text, run);
    return i;
  }
  const char c = text[i++];
  switch (RoleOf(kOutsideRoles, c)) {
    case kCarriageReturn:
      if (i < text.size() && text[i] == '\n')
        ++i;
      EndSegment(text, run);
      break;
    case kBlank:
    case kLineFeed:
      EndSegment(text, run);
      break;
    case kTagOpen:
      EndSegment(text, run);
      inside_tag_ = true;
      tag_start_ = i - 1;
      break;
    case kTagClose:
      ReportOnce(Message::GtOutsideTag);
      glued_.Append(text, run);
      break;
    case kWordEnd:
      EndSegment(text, std::string_view(text).substr(start, i - start));
      break;
    case kEllipsis:
      EndSegment(text, run);
      segments_.Add(std::string_view(text).substr(i - 1, 1));
      break;
    case kOrdinary:
      break;
  }
  return i;
}

std::size_t Segmenter::RewriteTagInText(std::string& text, std::size_t i, std::size_t growth) {
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
  while (i < text.size() && RoleOf(kInsideRoles, text[i]) == kOrdinary)
    ++i;
  if (i == text.size())
    return i;
  const char c = text[i++];
  switch (RoleOf(kInsideRoles, c)) {
    case kBlank:
      text[i - 1] = ' ';
      break;
    case kCarriageReturn:
      if (i < text.size() && text[i] == '\n') {
        ++i;
        text[i - 2] = ' ';
        text[i - 1] = ' ';
        break;
      }
      [[fallthrough]];
    case kLineFeed: {
      // A tag without room before it for what it grows by goes to the lines in parts.
      const LoneLineEnds line_ends = FindLoneLineEnds(text, i - 1);
      if (line_ends.count <= tag_start_)
        return RewriteTagInText(text, i - 1, line_ends.count);
      tag_start_ = WriteTagStart(text, tag_start_, i - 1, line_ends.last, lines_,
                                 [this](std::size_t) { ReportOnce(Message::LtInTag); });
      return line_ends.last + 1;
    }
    case kTagOpen:
      ReportOnce(Message::LtInTag);
      break;
    case kTagClose:
      segments_.Add(std::string_view(text).substr(tag_start_, i - tag_start_));
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
  if (inside_tag_)
    EndOpenTag(text, ends_in_line_end);
  else
    EndSegment(text, {});
}

void Segmenter::EndOpenTag(std::string& text, bool ends_in_line_end) {
  ReportOnce(Message::EndInTag);
  // The implied line end goes into room the text was read with; without room the tag is handed
  // on as the start of its line, which the two spaces end.
  if (!ends_in_line_end && text.capacity() - text.size() < 2) {
    lines_.AddLineStart(std::string_view(text).substr(tag_start_));
    segments_.Add("  ");
    return;
  }
  if (!ends_in_line_end)
    text.append("  ");
  segments_.Add(std::string_view(text).substr(tag_start_));
}

}  // namespace

void SplitIntoSegments(std::string& text, const MessageReport& report, StringSink& segments,
                       LineOutput& lines) {
  Segmenter(report, segments, lines).Run(text);
}

}  // namespace tokenizer
