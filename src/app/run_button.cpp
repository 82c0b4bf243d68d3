// A tagging run: the own program, the built-in tokenizer, the engine's command line in a batch
// file run in a console window, and the clean-up of the work files.
#include "app/vandrel_form.h"
#include "run/engine_command.h"
#include "run/language_files.h"
#include "run/own_program.h"
#include "tokenizer/tokenizer.h"
#include "utils/files.h"
#include "utils/paths.h"

namespace app {
namespace {

constexpr const char* kOwnProgramOutput = "workfile0.txt";
constexpr const char* kTokenizerOutput = "workfile1.txt";

bool InEffect(const widgets::CheckBox& box) {
  return box.Enabled() && box.Checked();
}

}  // namespace

void TVandrelForm::RunButtonClick() {
  if (!VerifyOptions())
    return;
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
  RunEngine();
}

void TVandrelForm::RunEngine() {
  const int task = TaskRadioGroup.ItemIndex();
  if (task == 1 || task == 2) {
    const std::string command_line =
        run::TreeCommandLine(Folders(), LanguageName,
                             task == 1 ? run::TreeTask::ProbabilityTree : run::TreeTask::SuffixTree,
                             InEffect(QuietCheckBox), OutputEdit.Text());
    RunBatchFile(PreparedForBatch(command_line), RootFolder);
  } else if (!RunTagging()) {
    return;
  }
  desktop_.ShowMessage(Texts.FinishedMsg);
}

bool TVandrelForm::RunTagging() {
  // Names are fixed against the current folder now, before the run makes the work folder current.
  std::string input_name = utils::AbsoluteName(InputEdit.Text());
  std::string output_name = utils::AbsoluteName(OutputEdit.Text());
  const bool pairwise = InEffect(FilesCheckBox);
  std::string work_folder;
  if (pairwise) {
    work_folder = utils::FolderPart(input_name);
    input_name = utils::FilePart(input_name);
  } else {
    work_folder = utils::FolderPart(output_name);
    output_name = utils::FilePart(output_name);
  }
  // The list's files are tokenized already, whatever tokenizer button a loaded file checked.
  const bool own_program = !pairwise && (TokRadioButton3.Checked() || TokRadioButton4.Checked());
  const bool built_in = !pairwise && (TokRadioButton2.Checked() || TokRadioButton4.Checked());
  const std::string tokenizer_input = own_program ? kOwnProgramOutput : input_name;
  const std::string engine_input = built_in ? kTokenizerOutput : tokenizer_input;
  const std::string command_line = PreparedForBatch(run::TaggingCommandLine(
      Folders(), LanguageName, engine_input, output_name,
      run::EngineFlags(EngineFlagChoices(), desktop_.DecimalSeparator()), pairwise));
  const std::string own_command = run::WithAbsoluteProgram(OwnProgramEdit.Text());

  utils::SetCurrentFolder(work_folder);
  if (own_program) {
    // A stale output of an earlier run must not reach the engine if the program writes nothing.
    utils::DeleteFileQuietly(kOwnProgramOutput);
    desktop_.RunCommand(
        run::OwnProgramCommandLine(own_command, input_name, work_folder + kOwnProgramOutput),
        work_folder);
    desktop_.Repaint();
  }
  if (built_in) {
    const tokenizer::TokenizeOutcome outcome = Tokenize(tokenizer_input);
    if (TokRadioButton4.Checked() && tokenizer_input != input_name) {
      utils::DeleteFileQuietly(tokenizer_input);
    }
    if (outcome == tokenizer::TokenizeOutcome::StoppedAtByteOrderMark) {
      utils::DeleteFileQuietly(kTokenizerOutput);
      return false;
    }
  }
  RunBatchFile(command_line, work_folder);
  if (!TokRadioButton1.Checked() && engine_input != input_name) {
    utils::DeleteFileQuietly(engine_input);
  }
  return true;
}

tokenizer::TokenizeOutcome TVandrelForm::Tokenize(const std::string& input_name) {
  tokenizer::TokenizerOptions options;
  options.unicode = CodingRadioGroup.ItemIndex() == 2;
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
  return tokenizer::TokenizeFile(input_name, kTokenizerOutput, options, data, report);
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
std::string TVandrelForm::PreparedForBatch(const std::string& command_line) {
  const std::string escaped = run::EscapePercentSigns(command_line);
  std::string oem = desktop_.AnsiToOem(escaped);
  if (desktop_.OemToAnsi(oem) != escaped) {
    throw std::runtime_error(
        "The engine's command line holds characters that the console's code page cannot "
        "show, so the engine would be given other names; rename the files or folders to use "
        "other characters: " +
        command_line);
  }
  return oem;
}

void TVandrelForm::RunBatchFile(const std::string& oem_command_line,
                                const std::string& working_folder) {
  const std::string batch_file = RootFolder + "batchtemp.bat";
  utils::WriteWholeFile(batch_file, run::BatchFileText(oem_command_line));
  desktop_.RunCommand('"' + batch_file + '"', working_folder);
  utils::DeleteFileQuietly(batch_file);
}

run::InstallationFolders TVandrelForm::Folders() const {
  return {RootFolder, BinSubfolder, LibSubfolder};
}

}  // namespace app
