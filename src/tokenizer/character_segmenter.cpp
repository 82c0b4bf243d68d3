#include "tokenizer/character_segmenter.h"

#include <algorithm>
#include <array>
#include <vector>

namespace tokenizer {
namespace {

constexpr std::string_view kEllipsis = "\xE2\x80\xA6";  // U+2026

// Bytes that may end a run of word bytes outside a tag; 0xE2 begins the ellipsis.
constexpr std::array<bool, 256> kOutsideStops = [] {
  std::array<bool, 256> stops{};
  for (unsigned char c : std::string_view(" \t\r\n<>!;?\xE2"))
    stops[c] = true;
  return stops;
}();

constexpr std::array<bool, 256> kInsideStops = [] {
  std::array<bool, 256> stops{};
  for (unsigned char c : std::string_view("\t\r\n<>"))
    stops[c] = true;
  return stops;
}();

bool IsStop(const std::array<bool, 256>& stops, char c) {
  return stops[static_cast<unsigned char>(c)];
}

class Segmenter {
 public:
  Segmenter(std::size_t first_invalid, std::size_t file_offset, const MessageReport& report,
            CharacterSink& segments)
      : first_invalid_(first_invalid),
        file_offset_(file_offset),
        report_(report),
        segments_(segments) {}

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
  // Reports `message`, which occurs at `place` in the text, after a NotUtf8 before it.
  void ReportOnce(Message message, std::size_t place);

  const std::size_t first_invalid_;
  const std::size_t file_offset_;
  const MessageReport& report_;
  CharacterSink& segments_;
  bool inside_tag_ = false;
  // A tag stays in the text while its changes keep its length (see the Windows-1252 pass).
  bool tag_in_text_ = false;
  std::size_t tag_start_ = 0;
  // Bytes of the current segment that are not in one piece in the text, and the places in it
  // where a dropped ">" glued two pieces together.
  std::string buffer_;
  std::vector<std::size_t> seams_;
  std::vector<const char*> seam_places_;
  bool reported_[6] = {};
};

void Segmenter::ReportOnce(Message message, std::size_t place) {
  if (place > first_invalid_)
    ReportOnce(Message::NotUtf8, first_invalid_);
  bool& reported = reported_[static_cast<int>(message)];
  if (reported)
    return;
  reported = true;
  report_(MessageEvent(message, message == Message::NotUtf8 ? place + file_offset_ : 0));
}

void Segmenter::EndSegment(std::string_view run) {
  if (buffer_.empty()) {
    if (!run.empty())
      segments_.Add(CharacterText(run, {}));
    return;
  }
  buffer_.append(run);
  seam_places_.clear();
  for (std::size_t seam : seams_)
    seam_places_.push_back(buffer_.data() + seam);
  segments_.Add(CharacterText(buffer_, seam_places_));
  buffer_.clear();
  seams_.clear();
}

std::size_t Segmenter::StepOutside(std::string_view text, std::size_t i) {
  const std::size_t start = i;
  while (i < text.size() &&
         (!IsStop(kOutsideStops, text[i]) ||
          (text[i] == kEllipsis[0] && text.substr(i, kEllipsis.size()) != kEllipsis)))
    ++i;
  const std::string_view run = text.substr(start, i - start);
  if (i == text.size()) {
    EndSegment(run);
    return i;
  }
  switch (text[i]) {
    case '\r':
      ++i;
      if (i < text.size() && text[i] == '\n')
        ++i;
      EndSegment(run);
      return i;
    case ' ':
    case '\t':
    case '\n':
      EndSegment(run);
      return i + 1;
    case '<':
      EndSegment(run);
      inside_tag_ = true;
      tag_in_text_ = true;
      tag_start_ = i;
      return i + 1;
    case '>':
      ReportOnce(Message::GtOutsideTag, i);
      buffer_.append(run);
      if (!buffer_.empty())
        seams_.push_back(buffer_.size());
      return i + 1;
    case '!':
    case ';':
    case '?':
      EndSegment(text.substr(start, i + 1 - start));
      return i + 1;
    default:  // the ellipsis
      EndSegment(run);
      segments_.Add(CharacterText(kEllipsis, {}));
      return i + kEllipsis.size();
  }
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
  // Moved back by as many bytes as it grows by, the tag is written ahead of where it is read,
  // so the places read are still those of the text as it came.
  const std::size_t start = tag_start_ - growth;
  std::copy(text.begin() + static_cast<std::ptrdiff_t>(tag_start_),
            text.begin() + static_cast<std::ptrdiff_t>(i),
            text.begin() + static_cast<std::ptrdiff_t>(start));
  std::size_t write = start + (i - tag_start_);
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '>') {
      text[write] = c;
      segments_.Add(CharacterText(std::string_view(text).substr(start, write + 1 - start), {}));
      inside_tag_ = false;
      return i + 1;
    }
    if (c == '<')
      ReportOnce(Message::LtInTag, i);
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
  while (i < text.size() && !IsStop(kInsideStops, text[i]))
    ++i;
  if (!tag_in_text_)
    buffer_.append(std::string_view(text).substr(start, i - start));
  if (i == text.size())
    return i;
  switch (text[i++]) {
    case '\t':
      if (tag_in_text_)
        text[i - 1] = ' ';
      else
        buffer_.push_back(' ');
      break;
    case '\r':
      if (i < text.size() && text[i] == '\n') {
        ++i;
        if (tag_in_text_)
          text.replace(i - 2, 2, "  ");
        else
          buffer_.append("  ");
        break;
      }
      [[fallthrough]];
    case '\n':
      if (tag_in_text_) {
        if (const std::size_t next = RewriteTagInText(text, i - 1); next != i - 1)
          return next;
        TakeTagOutOfText(text, i - 1, TagGrowth(text, i - 1));
      }
      buffer_.append("  ");
      break;
    case '<':
      ReportOnce(Message::LtInTag, i - 1);
      if (!tag_in_text_)
        buffer_.push_back('<');
      break;
    default:  // '>'
      if (tag_in_text_) {
        segments_.Add(CharacterText(std::string_view(text).substr(tag_start_, i - tag_start_), {}));
      } else {
        buffer_.push_back('>');
        segments_.Add(CharacterText(buffer_, {}));
        buffer_.clear();
      }
      inside_tag_ = false;
      break;
  }
  return i;
}

void Segmenter::Run(std::string& text) {
  // The last line ends in CR LF too, even when the text does not.
  const bool ends_in_line_end = !text.empty() && (text.back() == '\r' || text.back() == '\n');
  std::size_t i = 0;
  while (i < text.size())
    i = inside_tag_ ? StepInside(text, i) : StepOutside(text, i);
  if (first_invalid_ < text.size())
    ReportOnce(Message::NotUtf8, first_invalid_);
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
    ReportOnce(Message::EndInTag, text.size());
  }
  EndSegment(inside_tag_ && tag_in_text_ ? std::string_view(text).substr(tag_start_)
                                         : std::string_view());
}

}  // namespace

void SplitIntoCharacterSegments(std::string& text, std::size_t file_offset,
                                const MessageReport& report, CharacterSink& segments) {
  Segmenter(utils::FindInvalidUtf8(text), file_offset, report, segments).Run(text);
}

}  // namespace tokenizer
