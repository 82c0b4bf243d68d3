// A run: the form reads its controls, asks for the run's plan, checks it and executes it
// through the desktop.
#include "app/choices.h"
#include "app/vandrel_form.h"
#include "run/batch_file.h"
#include "run/language_files.h"
#include "run/own_program.h"
#include "run/plan_checks.h"
#include "run/run_executor.h"
#include "tokenizer/tokenizer.h"
#include "utils/files.h"

namespace app {
namespace {

bool InEffect(const widgets::CheckBox& box) {
  return box.Enabled() && box.Checked();
}

}  // namespace

void TVandrelForm::RunButtonClick() {
  if (VerifyOptions())
    RunEngine();
}

void TVandrelForm::RunEngine() {
  // Nothing is written before the plan has passed its checks but the batch file's new, empty
  // file in the temporary folder, which goes again with `batch_file` however the run ends.
  run::BatchFile batch_file(desktop_.TemporaryFolder(), RootFolder);
  const run::RunPlan plan =
      run::PlanRun(RunChoices(), {Folders(), LanguageName, batch_file.Name()}, Texts);
  if (const std::optional<std::string> problem = run::RunPlanProblem(plan, Texts)) {
    desktop_.ShowMessage(*problem);
    return;
  }
  const std::string batch_text = BatchFileText(plan);

  RunButton.SetEnabled(false);
  ExitButton.SetEnabled(false);
  desktop_.SetBusyPointer(true);
  run_in_progress_ = true;
  // Every way out of the run, a failure included, gives the pointer and the buttons back.
  struct RunEnd {
    TVandrelForm& form;
    ~RunEnd() {
      form.run_in_progress_ = false;
      form.desktop_.SetBusyPointer(false);
      form.RunButton.SetEnabled(true);
      form.ExitButton.SetEnabled(true);
    }
  } run_end{*this};
  const auto tokenize = [this](const std::string& input, const std::string& output) {
    return Tokenize(input, output);
  };
  if (run::ExecuteRun(plan, batch_text, batch_file, desktop_, tokenize))
    desktop_.ShowMessage(Texts.FinishedMsg);
}

run::RunChoices TVandrelForm::RunChoices() const {
  run::RunChoices choices;
  choices.task = TaskOfItem(TaskRadioGroup.ItemIndex());
  if (choices.task != run::RunTask::Tag) {
    choices.output_name = OutputEdit.Text();
    choices.flags.quiet = InEffect(QuietCheckBox);
    return choices;
  }
  // Names are fixed against the current folder now, before the run makes the work folder current.
  choices.input_name = utils::AbsoluteName(InputEdit.Text());
  choices.output_name = utils::AbsoluteName(OutputEdit.Text());
  choices.pairwise = InEffect(FilesCheckBox);
  // Only the checked state of the tokenizer buttons counts.
  choices.tokenization = CheckedTokenization().value_or(run::Tokenization::None);
  choices.own_program_command = run::WithAbsoluteProgram(OwnProgramEdit.Text());
  choices.flags = EngineFlagChoices();
  choices.decimal_separator = desktop_.DecimalSeparator();
  return choices;
}

tokenizer::TokenizeOutcome TVandrelForm::Tokenize(const std::string& input_name,
                                                  const std::string& output_name) {
  tokenizer::TokenizerOptions options;
  options.unicode = CodingRadioGroup.ItemIndex() == ItemOf(TrainingEncoding::Unicode);
  options.detach_apostrophes = DetachApostCheckBox.Checked();
  options.detach_clitics = DetachCliticsCheckBox.Checked();
  options.one_letter_abbreviations = OneLetCheckBox.Checked();
  options.convert_punctuation = InEffect(PunctConvCheckBox);
  tokenizer::TokenizerData data;
  if (InEffect(AbbrevsCheckBox)) {
    data.abbreviations = tokenizer::LoadAbbreviationFile(
        run::AbbreviationsFilePath(Folders(), LanguageName), options.unicode);
  }
  if (options.detach_clitics) {
    data.clitics = tokenizer::CliticTablesFor(CliticLanguage, LanguageName);
  }
  if (InEffect(MultiWordCheckBox)) {
    data.multi_words = tokenizer::LoadMultiWordFile(run::MultiWordFilePath(Folders(), LanguageName),
                                                    options.unicode);
  }
  const auto report = [this, &input_name](const tokenizer::MessageEvent& message) {
    switch (message.message) {
      case tokenizer::Message::LtInTag:
        desktop_.ShowMessage(Texts.LtInTagMsg);
        break;
      case tokenizer::Message::GtOutsideTag:
        desktop_.ShowMessage(Texts.GtOutsideTagMsg);
        break;
      case tokenizer::Message::EndInTag:
        desktop_.ShowMessage(Texts.EndInTagMsg);
        break;
      case tokenizer::Message::NotUtf8:
        desktop_.ShowMessage(
            tokenizer::NotUtf8MessageText(Texts.NotUtf8Msg, input_name, message.byte_offset));
        break;
      default:
        desktop_.ShowMessage(tokenizer::ByteOrderMarkMessageText(message, input_name));
    }
  };
  return tokenizer::TokenizeFile(input_name, output_name, options, data, report);
}

run::EngineFlagChoices TVandrelForm::EngineFlagChoices() const {
  run::EngineFlagChoices choices;
  choices.token = InEffect(TokenCheckBox);
  choices.lemma = InEffect(LemmaCheckBox);
  choices.no_unknown = InEffect(UnknownCheckBox);
  choices.sgml = InEffect(SGMLCheckBox);
  choices.pt_with_prob = InEffect(ManTagProbBox);
  choices.pt_with_lemma = InEffect(ManTagLemBox);
  choices.cap_heuristics = InEffect(CapHeurCheckBox);
  choices.hyphen_heuristics = InEffect(HyphenHeurCheckBox);
  choices.eos_tag = InEffect(EOSCheckBox);
  choices.eos_tag_text = EOSEdit.Text();
  choices.base = InEffect(LexProbOnlyCheckBox);
  choices.eps = InEffect(ReplaceFreqCheckBox);
  choices.eps_text = ReplaceFreqEdit.Text();
  choices.threshold = TagRadioButton2.Enabled() && TagRadioButton2.Checked();
  choices.threshold_text = ProbFactorEdit.Text();
  choices.prob = InEffect(TagProbOutCheckBox);
  choices.lex_info = LexInfoRadioGroup.Enabled() ? LexInfoRadioGroup.ItemIndex() : 0;
  choices.quiet = InEffect(QuietCheckBox);
  choices.ignore_prefix = InEffect(IgnPrefCheckBox);
  choices.lex = InEffect(AuxLexCheckBox);
  choices.lex_text = utils::AbsoluteName(AuxLexEdit.Text());
  return choices;
}

// The batch file is written in the console's code page; a command line that does not come back
// unchanged from it would name other files, so the run ends before anything is written.
std::string TVandrelForm::BatchFileText(const run::RunPlan& plan) {
  std::string text;
  for (const std::string& line : plan.batch_lines) {
    const std::string oem = desktop_.AnsiToOem(line);
    if (desktop_.OemToAnsi(oem) != line) {
      throw std::runtime_error(Texts.ConsoleCodePagePart + plan.engine_command_line);
    }
    text += oem + "\r\n";
  }
  return text;
}

run::InstallationFolders TVandrelForm::Folders() const {
  return {RootFolder, BinSubfolder, LibSubfolder};
}

}  // namespace app
