#include "tokenizer/segmenter.h"

#include "tokenizer/word_scan.h"

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

  void Run(std::string_view text);

 private:
  std::size_t StepOutside(std::string_view text, std::size_t i);
  std::size_t StepInside(std::string_view text, std::size_t i);
  // Ends the segment made of the buffer and `run`, the bytes that follow it in the text.
  void EndSegment(std::string_view run);
  void ReportOnce(Message message);

  const MessageReport& report_;
  StringSink& segments_;
  bool inside_tag_ = false;
  // Bytes of the current segment that are not in one piece in the text: a tag with its line
  // ends and TABs turned into spaces, or a word that a dropped ">" cut in two.
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
      buffer_.push_back('<');
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

std::size_t Segmenter::StepInside(std::string_view text, std::size_t i) {
  const std::size_t start = i;
  while (i < text.size() && RoleOf(kInsideRoles, text[i]) == kOrdinary)
    ++i;
  buffer_.append(text.substr(start, i - start));
  if (i == text.size())
    return i;
  const char c = text[i++];
  switch (RoleOf(kInsideRoles, c)) {
    case kBlank:
      buffer_.push_back(' ');
      break;
    case kCarriageReturn:
      if (i < text.size() && text[i] == '\n')
        ++i;
      buffer_.append("  ");
      break;
    case kLineFeed:
      buffer_.append("  ");
      break;
    case kTagOpen:
      ReportOnce(Message::LtInTag);
      buffer_.push_back('<');
      break;
    case kTagClose:
      buffer_.push_back('>');
      segments_.Add(buffer_);
      buffer_.clear();
      inside_tag_ = false;
      break;
    default:
      break;
  }
  return i;
}

void Segmenter::Run(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size())
    i = inside_tag_ ? StepInside(text, i) : StepOutside(text, i);
  // The last line ends in CR LF too, even when the text does not.
  const bool ends_in_line_end = !text.empty() && (text.back() == '\r' || text.back() == '\n');
  if (!text.empty() && !ends_in_line_end && inside_tag_)
    buffer_.append("  ");
  if (inside_tag_)
    ReportOnce(Message::EndInTag);
  EndSegment({});
}

}  // namespace

void SplitIntoSegments(std::string_view text, const MessageReport& report, StringSink& segments) {
  Segmenter(report, segments).Run(text);
}

}  // namespace tokenizer
