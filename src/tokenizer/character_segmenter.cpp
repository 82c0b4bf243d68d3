#include "tokenizer/character_segmenter.h"

#include <algorithm>
#include <array>
#include <vector>

#include "tokenizer/glued_segment.h"
#include "tokenizer/tag_parts.h"

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
            CharacterSink& segments, LineOutput& lines)
      : first_invalid_(first_invalid),
        file_offset_(file_offset),
        report_(report),
        segments_(segments),
        lines_(lines) {}

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
  // Adds `piece` to the segment that a dropped ">" cut in two, marking the seam before it.
  void Glue(std::string& text, std::string_view piece);
  // Ends the segment made of the pieces glued so far and `run`, the bytes that follow them in
  // the text.
  void EndSegment(std::string& text, std::string_view run);
  // Reports `message`, which occurs at `place` in the text, after a NotUtf8 before it.
  void ReportOnce(Message message, std::size_t place);

  const std::size_t first_invalid_;
  const std::size_t file_offset_;
  const MessageReport& report_;
  CharacterSink& segments_;
  LineOutput& lines_;  // takes the start of a tag that has no room to grow in the text
  bool inside_tag_ = false;
  // A tag is made in the text itself (see the Windows-1252 pass).
  std::size_t tag_start_ = 0;
  // A word that a dropped ">" cut in two, with the places in it where it was glued together.
  GluedSegment glued_;
  Seams seams_;
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

void Segmenter::Glue(std::string& text, std::string_view piece) {
  if (!glued_.Active() && !piece.empty())
    seams_.Clear(piece.data());
  const std::size_t at = glued_.Append(text, piece);
  if (!piece.empty() && at > glued_.Start() &&
      (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80)
    seams_.Mark(text.data() + at);
}

void Segmenter::EndSegment(std::string& text, std::string_view run) {
  if (!glued_.Active()) {
    if (!run.empty())
      segments_.Add(CharacterText(run));
    return;
  }
  Glue(text, run);
  segments_.Add(CharacterText(glued_.Take(text), &seams_));
}

std::size_t Segmenter::StepOutside(std::string& text, std::size_t i) {
  const std::string_view view = text;
  const std::size_t start = i;
  while (i < view.size() &&
         (!IsStop(kOutsideStops, view[i]) ||
          (view[i] == kEllipsis[0] && view.substr(i, kEllipsis.size()) != kEllipsis)))
    ++i;
  const std::string_view run = view.substr(start, i - start);
  if (i == view.size()) {
    EndSegment(text, run);
    return i;
  }
  switch (view[i]) {
    case '\r':
      ++i;
      if (i < view.size() && view[i] == '\n')
        ++i;
      EndSegment(text, run);
      return i;
    case ' ':
    case '\t':
    case '\n':
      EndSegment(text, run);
      return i + 1;
    case '<':
      EndSegment(text, run);
      inside_tag_ = true;
      tag_start_ = i;
      return i + 1;
    case '>':
      ReportOnce(Message::GtOutsideTag, i);
      Glue(text, run);
      return i + 1;
    case '!':
    case ';':
    case '?':
      EndSegment(text, view.substr(start, i + 1 - start));
      return i + 1;
    default:  // the ellipsis
      EndSegment(text, run);
      segments_.Add(CharacterText(kEllipsis));
      return i + kEllipsis.size();
  }
}

std::size_t Segmenter::RewriteTagInText(std::string& text, std::size_t i, std::size_t growth) {
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
      segments_.Add(CharacterText(std::string_view(text).substr(start, write + 1 - start)));
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
  while (i < text.size() && !IsStop(kInsideStops, text[i]))
    ++i;
  if (i == text.size())
    return i;
  switch (text[i++]) {
    case '\t':
      text[i - 1] = ' ';
      break;
    case '\r':
      if (i < text.size() && text[i] == '\n') {
        ++i;
        text.replace(i - 2, 2, "  ");
        break;
      }
      [[fallthrough]];
    case '\n': {
      // A tag without room before it for what it grows by goes to the lines in parts.
      const LoneLineEnds line_ends = FindLoneLineEnds(text, i - 1);
      if (line_ends.count <= tag_start_)
        return RewriteTagInText(text, i - 1, line_ends.count);
      tag_start_ =
          WriteTagStart(text, tag_start_, i - 1, line_ends.last, lines_,
                        [this](std::size_t place) { ReportOnce(Message::LtInTag, place); });
      return line_ends.last + 1;
    }
    case '<':
      ReportOnce(Message::LtInTag, i - 1);
      break;
    default:  // '>'
      segments_.Add(CharacterText(std::string_view(text).substr(tag_start_, i - tag_start_)));
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
  if (inside_tag_)
    EndOpenTag(text, ends_in_line_end);
  else
    EndSegment(text, {});
}

void Segmenter::EndOpenTag(std::string& text, bool ends_in_line_end) {
  ReportOnce(Message::EndInTag, text.size());
  // The implied line end goes into room the text was read with; without room the tag is handed
  // on as the start of its line, which the two spaces end.
  if (!ends_in_line_end && text.capacity() - text.size() < 2) {
    lines_.AddLineStart(std::string_view(text).substr(tag_start_));
    segments_.Add(CharacterText("  "));
    return;
  }
  if (!ends_in_line_end)
    text.append("  ");
  segments_.Add(CharacterText(std::string_view(text).substr(tag_start_)));
}

}  // namespace

void SplitIntoCharacterSegments(std::string& text, std::size_t file_offset,
                                const MessageReport& report, CharacterSink& segments,
                                LineOutput& lines) {
  Segmenter(utils::FindInvalidUtf8(text), file_offset, report, segments, lines).Run(text);
}

}  // namespace tokenizer
