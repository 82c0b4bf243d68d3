#include "corpus.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <vector>

#include "utils/files.h"
#include "utils/utf8.h"

namespace bench {

const Language& English() {
  static const Language language = WithRareWords(Language{
      .common_words =
          {"the",    "of",     "and",    "to",      "a",       "in",    "is",     "that",
           "for",    "it",     "as",     "was",     "with",    "be",    "by",     "on",
           "not",    "he",     "this",   "are",     "or",      "his",   "from",   "at",
           "which",  "but",    "have",   "an",      "had",     "they",  "you",    "were",
           "their",  "one",    "all",    "we",      "can",     "her",   "has",    "there",
           "been",   "if",     "more",   "when",    "will",    "would", "who",    "so",
           "no",     "out",    "up",     "into",    "them",    "time",  "only",   "new",
           "some",   "could",  "these",  "two",     "may",     "first", "then",   "do",
           "any",    "like",   "my",     "now",     "over",    "such",  "our",    "man",
           "me",     "even",   "most",   "made",    "after",   "also",  "did",    "many",
           "before", "must",   "years",  "where",   "through", "back",  "much",   "way",
           "well",   "down",   "should", "each",    "just",    "those", "people", "how",
           "too",    "little", "state",  "good",    "very",    "make",  "world",  "still",
           "own",    "see",    "men",    "work",    "long",    "get",   "here",   "between",
           "both",   "life",   "being",  "under",   "never",   "day",   "same",   "another",
           "know",   "while",  "last",   "might",   "us",      "great", "old",    "year",
           "off",    "come",   "since",  "against", "go",      "came",  "right",  "used",
           "take",   "three",  "house",  "city",    "spite",   "front", "order",  "case"},
      .abbreviations = {"etc.",  "Mr.",  "Mrs.", "Dr.",  "Prof.", "vs.",  "e.g.",  "i.e.",
                        "cf.",   "Jan.", "Feb.", "Mar.", "Apr.",  "Aug.", "Sept.", "Oct.",
                        "Nov.",  "Dec.", "No.",  "St.",  "Co.",   "Inc.", "Ltd.",  "approx.",
                        "dept.", "est.", "fig.", "vol.", "pp.",   "ed."},
      .letters = {"e", "t", "a", "o", "i", "n", "s", "h", "r", "d", "l", "c",    "u",    "m",   "w",
                  "f", "g", "y", "p", "b", "v", "k", "j", "x", "q", "z", "\xE9", "\xE8", "\xE0"},
      .first_letters = 26,
      .seed = 0,
      .abbreviations_heading = "# abbreviations for the benchmark\r\n\r\n",
      .first_units = "in spite of\tPREP\r\nin front of\tPREP\r\nas well as\tCONJ\r\n",
      .rare_words = {},
  });
  return language;
}

namespace {

// One sentence of the text, with a space after it.
void AppendSentence(Generator& generator, std::string& text) {
  if (generator.Chance(5))
    text += "<p n=\"" + std::to_string(generator.Below(1000)) + "\"> ";
  const std::size_t words = 5 + generator.Below(20);
  const bool quoted = generator.Chance(10);
  if (quoted)
    text += '\x93';
  for (std::size_t i = 0; i < words; ++i) {
    std::string word = generator.Word();
    if (i == 0)
      word[0] = static_cast<char>(word[0] - 32 * (word[0] >= 'a' && word[0] <= 'z'));
    const std::size_t kind = generator.Below(100);
    if (kind < 3)
      word = "(" + word + ")";
    else if (kind < 6)
      word += "n't";
    else if (kind < 9)
      word += "'s";
    else if (kind < 11)
      word = generator.Abbreviation();
    else if (kind < 13)
      word = std::to_string(1900 + generator.Below(120));
    else if (kind < 14)
      word = "U.S.";
    text += word;
    text += (i + 1 < words && generator.Chance(8)) ? ", " : " ";
  }
  text.pop_back();
  text += generator.Chance(10) ? "?" : generator.Chance(5) ? "..." : ".";
  if (quoted)
    text += '\x94';
  text += generator.Chance(15) ? "\r\n" : " ";
}

}  // namespace

void WriteCorpus(const std::string& name, std::size_t bytes) {
  WriteText(name, bytes, English(), false, AppendSentence);
}

namespace {

constexpr std::string_view kCaseFormWord = "abcdefghijklmno";

}  // namespace

// The generated files are written through a buffer and the text is read in pieces, so that the
// benchmark itself stays small: a child started from it inherits its peak memory.
void WriteRepeatedAbbreviationFile(const std::string& name, int lines) {
  utils::FileWriter writer(name);
  for (int i = 0; i < lines; ++i)
    writer.Write("etc.\r\n");
  writer.Close();
}

void WriteCaseFormFile(const std::string& name, bool multi_words) {
  utils::FileWriter writer(name);
  for (std::size_t bits = 0; bits < (std::size_t{1} << kCaseFormWord.size()); ++bits) {
    std::string form(kCaseFormWord);
    for (std::size_t i = 0; i < form.size(); ++i) {
      if (bits >> i & 1)
        form[i] = static_cast<char>(form[i] - 'a' + 'A');
    }
    writer.Write(form + (multi_words ? " x\tUNIT\r\n" : "\r\n"));
  }
  writer.Close();
}

void WriteCaseFormText(const std::string& name, std::size_t bytes) {
  const std::string piece = "ABCDEFGHIJKLMNO abcdefghijklmno Abcdefghijklmno x y\r\n";
  utils::FileWriter writer(name);
  for (std::size_t written = 0; written < bytes; written += piece.size())
    writer.Write(piece);
  writer.Close();
}

namespace {

// Copies at most `bytes` bytes of the file `from` to `writer`, each piece changed by `change`.
template <typename Change>
void CopyInPieces(const std::string& from, std::size_t bytes, utils::FileWriter& writer,
                  Change change) {
  std::ifstream in(from, std::ios::binary);
  std::string piece(1 << 20, '\0');
  while (bytes > 0) {
    in.read(piece.data(), static_cast<std::streamsize>(std::min(bytes, piece.size())));
    const auto count = static_cast<std::size_t>(in.gcount());
    if (count == 0)
      break;
    std::string part = piece.substr(0, count);
    bytes -= count;
    change(part);
    writer.Write(part);
  }
}

}  // namespace

void WriteLongMultiWordLine(const std::string& name, const std::string& text, std::size_t bytes) {
  utils::FileWriter writer(name);
  CopyInPieces(text, bytes, writer, [](std::string& part) {
    for (char& c : part) {
      if (c == '\r' || c == '\n' || c == '\t')
        c = ' ';
    }
  });
  writer.Write("\tUNIT\r\n");
  writer.Close();
}

void WriteUnclosedTag(const std::string& name, const std::string& text) {
  utils::FileWriter writer(name);
  writer.Write("<");
  CopyInPieces(text, std::filesystem::file_size(text), writer,
               [](std::string& part) { std::erase(part, '>'); });
  writer.Close();
}

void WriteTagOfRepeats(const std::string& name, std::string_view unit, std::size_t bytes) {
  std::string piece;
  while (piece.size() < (1 << 20))
    piece.append(unit);
  utils::FileWriter writer(name);
  writer.Write("<");
  for (std::size_t written = 0; written < bytes; written += piece.size())
    writer.Write(piece);
  writer.Close();
}

// The pieces are changed as they are copied, so the benchmark's own process stays small: each
// measured run starts from it and would count its peak.
void WriteHalfInUnclosedTag(const std::string& name, const std::string& text) {
  utils::FileWriter writer(name);
  const std::size_t half = std::filesystem::file_size(text) / 2;
  std::size_t seen = 0;
  bool opened = false;
  CopyInPieces(text, std::filesystem::file_size(text), writer, [&](std::string& part) {
    seen += part.size();
    std::erase(part, '\r');
    std::erase(part, '<');
    std::erase(part, '>');
    if (!opened && seen >= half) {
      if (const std::size_t line_end = part.find('\n'); line_end != std::string::npos) {
        part.insert(line_end + 1, "<");
        opened = true;
      }
    }
  });
  writer.Close();
}

void WriteGluedText(const std::string& name, const std::string& text) {
  utils::FileWriter writer(name);
  CopyInPieces(text, std::filesystem::file_size(text), writer, [](std::string& part) {
    std::erase(part, '<');
    std::replace(part.begin(), part.end(), ' ', '>');
  });
  writer.Close();
}

namespace {

// `utf8` as UTF-16 little-endian; a byte that starts no character becomes U+FFFD.
std::string Utf16Of(std::string_view utf8) {
  std::string units;
  const auto add_unit = [&units](char32_t unit) {
    units.push_back(static_cast<char>(unit & 0xFF));
    units.push_back(static_cast<char>(unit >> 8));
  };
  for (std::size_t i = 0; i < utf8.size();) {
    const utils::DecodedCharacter c = utils::DecodeUtf8(utf8.substr(i));
    const char32_t code_point = c.code_point == utils::kNotACharacter ? 0xFFFD : c.code_point;
    if (code_point >= 0x10000) {
      add_unit(0xD800 + ((code_point - 0x10000) >> 10));
      add_unit(0xDC00 + ((code_point - 0x10000) & 0x3FF));
    } else {
      add_unit(code_point);
    }
    i += c.length;
  }
  return units;
}

}  // namespace

void WriteUtf16Copy(const std::string& name, const std::string& text) {
  utils::FileWriter writer(name);
  writer.Write("\xFF\xFE");
  // A character cut by the end of a piece waits for the next: each piece is taken up to its last
  // ASCII byte.
  std::string carry;
  CopyInPieces(text, std::filesystem::file_size(text), writer, [&carry](std::string& part) {
    const std::string bytes = carry + part;
    std::size_t end = bytes.size();
    while (end > 0 && static_cast<unsigned char>(bytes[end - 1]) >= 0x80)
      --end;
    carry = bytes.substr(end);
    part = Utf16Of(std::string_view(bytes).substr(0, end));
  });
  writer.Write(Utf16Of(carry));
  writer.Close();
}

}  // namespace bench
