#include "parameter_file.h"

#include <algorithm>
#include <optional>
#include <stdexcept>

#include "text_lines.h"
#include "utils/files.h"
#include "utils/numbers.h"

namespace demo_engine {
namespace {

enum class Section { kSettings, kLexicon, kEndings, kBeginnings, kContexts };

std::optional<Section> SectionNamed(std::string_view line) {
  if (line == "[lexicon]")
    return Section::kLexicon;
  if (line == "[endings]")
    return Section::kEndings;
  if (line == "[beginnings]")
    return Section::kBeginnings;
  if (line == "[contexts]")
    return Section::kContexts;
  return std::nullopt;
}

class Parser {
 public:
  Parser(const std::string& name) : name_(name) {}

  ParameterFile Parse(std::string_view text) {
    const std::vector<std::string_view> lines = SplitLines(text);
    if (lines.empty() || lines[0] != kParameterFileHeader) {
      throw std::runtime_error("\"" + name_ +
                               "\" is not a parameter file of the demo engine: its first line "
                               "is not \"" +
                               std::string(kParameterFileHeader) + "\"");
    }
    for (line_number_ = 2; line_number_ <= lines.size(); ++line_number_) {
      const std::string_view line = lines[line_number_ - 1];
      if (line.empty() || line.front() == '#')
        continue;
      if (line.front() == '[') {
        const std::optional<Section> section = SectionNamed(line);
        if (!section)
          Fail("unknown section " + std::string(line));
        if (section_ == Section::kSettings)
          CheckSettings();
        section_ = *section;
        continue;
      }
      ParseLine(SplitFields(line, '\t'));
    }
    if (section_ == Section::kSettings)
      CheckSettings();
    return std::move(result_);
  }

 private:
  [[noreturn]] void Fail(const std::string& problem) const {
    throw std::runtime_error("Parameter file \"" + name_ + "\", line " +
                             std::to_string(line_number_) + ": " + problem);
  }

  void ParseLine(const std::vector<std::string_view>& fields) {
    switch (section_) {
      case Section::kSettings:
        ParseSetting(fields);
        return;
      case Section::kLexicon:
        ExpectFields(fields, 4, "word, tag, lemma and count");
        result_.lexicon.Add(std::string(fields[0]),
                            {KnownTag(fields[1]), std::string(fields[2]), Count(fields[3])});
        return;
      case Section::kEndings:
      case Section::kBeginnings: {
        ExpectFields(fields, 3, "word part, tag and count");
        AffixTable& table = section_ == Section::kEndings ? result_.endings : result_.beginnings;
        table[std::string(fields[0])].push_back({KnownTag(fields[1]), Count(fields[2])});
        return;
      }
      case Section::kContexts:
        ExpectFields(fields, 3, "previous tag, tag and factor");
        result_.contexts[{KnownTag(fields[0]), KnownTag(fields[1])}] = Count(fields[2]);
        return;
    }
  }

  void ParseSetting(const std::vector<std::string_view>& fields) {
    ExpectFields(fields, 2, "a setting name and its value");
    const std::string_view key = fields[0];
    const std::string value(fields[1]);
    if (key == "language") {
      result_.language = value;
    } else if (key == "encoding") {
      if (value != "windows-1252" && value != "utf-8")
        Fail("the encoding is windows-1252 or utf-8, not " + value);
      result_.encoding = value == "utf-8" ? TextEncoding::kUtf8 : TextEncoding::kWindows1252;
    } else if (key == "tags") {
      for (std::string_view tag : SplitWords(value))
        result_.tags.emplace_back(tag);
    } else if (key == "default-tag") {
      result_.default_tag = KnownTag(value);
    } else if (key == "sentence-end-tag") {
      result_.sentence_end_tag = KnownTag(value);
    } else if (key == "proper-noun-tag") {
      result_.proper_noun_tag = KnownTag(value);
    } else if (key == "number-tag") {
      result_.number_tag = KnownTag(value);
    } else if (key == "unknown-lemma") {
      result_.unknown_lemma = value;
    } else {
      Fail("unknown setting " + std::string(key));
    }
  }

  void CheckSettings() const {
    if (result_.language.empty() || result_.tags.empty() || result_.default_tag.empty() ||
        result_.sentence_end_tag.empty()) {
      Fail("the settings language, tags, default-tag and sentence-end-tag must come first");
    }
  }

  void ExpectFields(const std::vector<std::string_view>& fields, std::size_t count,
                    const std::string& what) const {
    if (fields.size() != count ||
        std::any_of(fields.begin(), fields.end(), [](std::string_view f) { return f.empty(); })) {
      Fail("expected " + what + ", separated by TABs");
    }
  }

  std::string KnownTag(std::string_view tag) const {
    if (!result_.HasTag(tag))
      Fail("the tag " + std::string(tag) + " is not in the tags list");
    return std::string(tag);
  }

  double Count(std::string_view text) const {
    const std::optional<double> number = utils::ParseNumber(text, '.');
    if (!number || *number <= 0)
      Fail("expected a positive number, not " + std::string(text));
    return *number;
  }

  const std::string& name_;
  ParameterFile result_;
  Section section_ = Section::kSettings;
  std::size_t line_number_ = 1;
};

}  // namespace

bool ParameterFile::HasTag(std::string_view tag) const {
  return std::find(tags.begin(), tags.end(), tag) != tags.end();
}

ParameterFile ParseParameterFile(std::string_view text, const std::string& name) {
  return Parser(name).Parse(text);
}

ParameterFile ReadParameterFile(const std::string& name) {
  return ParseParameterFile(utils::ReadWholeFile(name), name);
}

}  // namespace demo_engine
