// The interface text sets: every caption, hint, radio item and named message of the window, in
// English and in German, as Windows-1252 bytes.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ui_text {

// The texts from which messages, dialog titles and filters are made; the window holds the
// current set's copy.
struct NamedTexts {
  std::string VerifiedMsg;
  std::string LtInTagMsg;
  std::string GtOutsideTagMsg;
  std::string EndInTagMsg;
  std::string FinishedMsg;
  std::string NoOutputNamedMsg;
  std::string FilePart;
  std::string ChooseLangPart;
  std::string EnsureFilesPart;
  std::string OrExitPart;
  std::string NoInputNamedMsg;
  std::string InputNotFoundMsg;
  std::string NotFoundPart;
  std::string BadProbFactorMsg;
  std::string BadReplaceFreqMsg;
  std::string InputDialogTitle;
  std::string OutputDialogTitle;
  std::string AuxLexDialogTitle;
  std::string LoadDialogTitle;
  std::string SaveDialogTitle;
  std::string OptionsFileNoun;
  std::string OptionsFilter;
  std::string TextFilter;
  std::string AllFilesFilter;
  std::string NoEqualsMsg;
  std::string BadKeyMsg;
  std::string BadValueMsg;
  std::string NotOpenedPart;
  std::string InputFileNoun;
  std::string OutputFileNoun;
  std::string AuxLexFileNoun;
  std::string NoAuxLexNamedMsg;
  std::string NoOwnProgramNamedMsg;
  std::string OwnProgramDialogTitle;
  std::string ProgramFilter;
  std::string OwnProgramFileNoun;
  std::string FolderPart;
  std::string FolderMissingPart;
  std::string OutputIsInputPart;
  std::string WorkFilePart;
  std::string ConsoleCodePagePart;
  // "%1" stands for the input file's name, "%2" for the byte offset.
  std::string NotUtf8Msg;
  std::string MoreBadLinesMsg;
  // The refusal of a name or text that no quoting passes to a program: "%1" stands for what it
  // is (one of the nouns below), "%2" for the value up to its first NUL byte.
  std::string UnpassableMsg;
  std::string EosTagNoun;
  std::string AuxLexNameNoun;
  std::string ListNameNoun;
  std::string InputNameNoun;
  std::string OutputNameNoun;
  std::string ParameterNameNoun;
  std::string OwnOutputNameNoun;
};

using NamedTextField = std::pair<std::string_view, std::string NamedTexts::*>;
// Every named text with its name, in the order of the struct.
extern const std::array<NamedTextField, 51> kNamedTextFields;

// Texts keyed by the name of the control they belong to.
using ControlTexts = std::vector<std::pair<std::string, std::string>>;
using ControlItems = std::vector<std::pair<std::string, std::vector<std::string>>>;

struct TextSet {
  ControlTexts captions;
  ControlTexts hints;
  // The leading item texts of a radio group; later items keep their texts.
  ControlItems items;
  // The credits of the signature label.
  std::string credits;
  NamedTexts named;
};

const TextSet& EnglishTextSet();
const TextSet& GermanTextSet();

// The window caption, the same in both languages.
inline constexpr std::string_view kWindowCaption = "Vandrel (Windows)";

}  // namespace ui_text
