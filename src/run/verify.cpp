#include "run/verify.h"

#include "run/own_program.h"
#include "utils/files.h"
#include "utils/numbers.h"

namespace run {
namespace {

constexpr const char* kLineEnd = "\r\n";

class Report {
 public:
  explicit Report(const ui_text::NamedTexts& texts) : texts_(texts) {}

  void Problem(const std::string& message) { problems_ += message + kLineEnd; }
  void EndOfProblems() {
    if (!problems_.empty())
      problems_ += kLineEnd;
  }
  void Missing(const std::string& message) { missing_ += message + kLineEnd; }
  void NotFound(const std::string& name) { Missing(texts_.FilePart + name + texts_.NotFoundPart); }
  void BadNumber(const std::string& message) {
    if (!numbers_.empty())
      numbers_ += kLineEnd;
    numbers_ += message;
  }

  std::vector<std::string> Boxes() const {
    std::vector<std::string> boxes;
    if (!missing_.empty()) {
      boxes.push_back(problems_ + kLineEnd + missing_ + kLineEnd + texts_.ChooseLangPart +
                      kLineEnd + texts_.EnsureFilesPart + kLineEnd + texts_.OrExitPart);
    } else if (!problems_.empty()) {
      boxes.push_back(problems_);
    }
    if (!numbers_.empty())
      boxes.push_back(numbers_);
    return boxes;
  }

 private:
  const ui_text::NamedTexts& texts_;
  std::string problems_;
  std::string missing_;
  std::string numbers_;
};

bool IsNumber(const std::string& text, char separator) {
  return utils::ParseNumber(text, separator).has_value();
}

}  // namespace

std::vector<std::string> VerifyOptions(const VerificationInput& input,
                                       const ui_text::NamedTexts& texts) {
  Report report(texts);
  const auto check_parameter_file = [&] {
    if (!utils::FileExists(input.parameter_file))
      report.NotFound(input.language_name + ".par");
  };
  if (input.tree_task) {
    if (input.output_name.empty())
      report.Problem(texts.NoOutputNamedMsg);
    check_parameter_file();
    return report.Boxes();
  }

  if (input.input_name.empty()) {
    report.Problem(texts.NoInputNamedMsg);
  } else if (!utils::FileExists(input.input_name)) {
    report.Problem(texts.InputNotFoundMsg);
  }
  if (input.output_name.empty() && !input.pairwise_checked) {
    report.Problem(texts.NoOutputNamedMsg);
  }
  report.EndOfProblems();
  check_parameter_file();
  if (input.own_program_in_use) {
    if (input.own_program_command.empty()) {
      report.Missing(texts.NoOwnProgramNamedMsg);
    } else {
      const std::string program = OwnProgramFileName(input.own_program_command);
      if (!utils::FileExists(program))
        report.NotFound(program);
    }
  }
  if (input.auxiliary_lexicon_in_use) {
    if (input.auxiliary_lexicon_name.empty()) {
      report.Missing(texts.NoAuxLexNamedMsg);
    } else if (!utils::FileExists(input.auxiliary_lexicon_name)) {
      report.NotFound(input.auxiliary_lexicon_name);
    }
  }
  if (input.probability_factor_in_use &&
      !IsNumber(input.probability_factor, input.decimal_separator)) {
    report.BadNumber(texts.BadProbFactorMsg);
  }
  if (input.replacement_frequency_in_use &&
      !IsNumber(input.replacement_frequency, input.decimal_separator)) {
    report.BadNumber(texts.BadReplaceFreqMsg);
  }
  return report.Boxes();
}

}  // namespace run
