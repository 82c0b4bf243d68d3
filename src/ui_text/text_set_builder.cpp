#include "ui_text/text_set_builder.h"

#include "utils/cp1252.h"

namespace ui_text {

const std::array<NamedTextField, 51> kNamedTextFields = {{
    {"VerifiedMsg", &NamedTexts::VerifiedMsg},
    {"LtInTagMsg", &NamedTexts::LtInTagMsg},
    {"GtOutsideTagMsg", &NamedTexts::GtOutsideTagMsg},
    {"EndInTagMsg", &NamedTexts::EndInTagMsg},
    {"FinishedMsg", &NamedTexts::FinishedMsg},
    {"NoOutputNamedMsg", &NamedTexts::NoOutputNamedMsg},
    {"FilePart", &NamedTexts::FilePart},
    {"ChooseLangPart", &NamedTexts::ChooseLangPart},
    {"EnsureFilesPart", &NamedTexts::EnsureFilesPart},
    {"OrExitPart", &NamedTexts::OrExitPart},
    {"NoInputNamedMsg", &NamedTexts::NoInputNamedMsg},
    {"InputNotFoundMsg", &NamedTexts::InputNotFoundMsg},
    {"NotFoundPart", &NamedTexts::NotFoundPart},
    {"BadProbFactorMsg", &NamedTexts::BadProbFactorMsg},
    {"BadReplaceFreqMsg", &NamedTexts::BadReplaceFreqMsg},
    {"InputDialogTitle", &NamedTexts::InputDialogTitle},
    {"OutputDialogTitle", &NamedTexts::OutputDialogTitle},
    {"AuxLexDialogTitle", &NamedTexts::AuxLexDialogTitle},
    {"LoadDialogTitle", &NamedTexts::LoadDialogTitle},
    {"SaveDialogTitle", &NamedTexts::SaveDialogTitle},
    {"OptionsFileNoun", &NamedTexts::OptionsFileNoun},
    {"OptionsFilter", &NamedTexts::OptionsFilter},
    {"TextFilter", &NamedTexts::TextFilter},
    {"AllFilesFilter", &NamedTexts::AllFilesFilter},
    {"NoEqualsMsg", &NamedTexts::NoEqualsMsg},
    {"BadKeyMsg", &NamedTexts::BadKeyMsg},
    {"BadValueMsg", &NamedTexts::BadValueMsg},
    {"NotOpenedPart", &NamedTexts::NotOpenedPart},
    {"InputFileNoun", &NamedTexts::InputFileNoun},
    {"OutputFileNoun", &NamedTexts::OutputFileNoun},
    {"AuxLexFileNoun", &NamedTexts::AuxLexFileNoun},
    {"NoAuxLexNamedMsg", &NamedTexts::NoAuxLexNamedMsg},
    {"NoOwnProgramNamedMsg", &NamedTexts::NoOwnProgramNamedMsg},
    {"OwnProgramDialogTitle", &NamedTexts::OwnProgramDialogTitle},
    {"ProgramFilter", &NamedTexts::ProgramFilter},
    {"OwnProgramFileNoun", &NamedTexts::OwnProgramFileNoun},
    {"FolderPart", &NamedTexts::FolderPart},
    {"FolderMissingPart", &NamedTexts::FolderMissingPart},
    {"OutputIsInputPart", &NamedTexts::OutputIsInputPart},
    {"WorkFilePart", &NamedTexts::WorkFilePart},
    {"ConsoleCodePagePart", &NamedTexts::ConsoleCodePagePart},
    {"NotUtf8Msg", &NamedTexts::NotUtf8Msg},
    {"MoreBadLinesMsg", &NamedTexts::MoreBadLinesMsg},
    {"UnpassableMsg", &NamedTexts::UnpassableMsg},
    {"EosTagNoun", &NamedTexts::EosTagNoun},
    {"AuxLexNameNoun", &NamedTexts::AuxLexNameNoun},
    {"ListNameNoun", &NamedTexts::ListNameNoun},
    {"InputNameNoun", &NamedTexts::InputNameNoun},
    {"OutputNameNoun", &NamedTexts::OutputNameNoun},
    {"ParameterNameNoun", &NamedTexts::ParameterNameNoun},
    {"OwnOutputNameNoun", &NamedTexts::OwnOutputNameNoun},
}};

TextSet BuildTextSet(TextSet texts) {
  for (auto& [control, text] : texts.captions)
    text = utils::Utf8ToCp1252(text);
  for (auto& [control, text] : texts.hints)
    text = utils::Utf8ToCp1252(text);
  for (auto& [control, items] : texts.items) {
    for (std::string& item : items)
      item = utils::Utf8ToCp1252(item);
  }
  texts.credits = utils::Utf8ToCp1252(texts.credits);
  for (const auto& [name, field] : kNamedTextFields) {
    texts.named.*field = utils::Utf8ToCp1252(texts.named.*field);
  }
  return texts;
}

}  // namespace ui_text
