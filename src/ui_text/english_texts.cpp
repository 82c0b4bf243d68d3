#include "ui_text/text_set.h"

#include "ui_text/text_set_builder.h"
#include "ui_text/version.h"

namespace ui_text {

const TextSet& EnglishTextSet() {
  static const TextSet text_set = BuildTextSet({
      .captions =
          {
              {"LangRadioGroup", "Language"},
              {"TaskRadioGroup", "Task"},
              {"FilesCheckBox", "I/O filenames pairwise in file"},
              {"OutputGroupBox", "Output for each token"},
              {"TokenCheckBox", "the token"},
              {"TagsOutRadioGroup", "the speech-parts"},
              {"TagRadioButton1", "best tag only"},
              {"TagRadioButton2", "all tags with probability >              times best tag"},
              {"TagProbOutCheckBox", "the tag probabilities"},
              {"LemmaCheckBox", "the lemma"},
              {"UnknownCheckBox", "the token in place of unknown lemma"},
              {"LexInfoRadioGroup", "lexical information"},
              {"QuietCheckBox", "Suppress status messages"},
              {"InputLabel", "Input File"},
              {"OutputLabel", "Output File"},
              {"LoadButton", "Load"},
              {"SaveButton", "Save"},
              {"VerifyButton", "Verify"},
              {"RunButton", "Run"},
              {"ExitButton", "Exit"},
              {"InputGroupBox", "Input Options"},
              {"ManTagProbBox", "Manual tags have probability"},
              {"ManTagLemBox", "Manual tags have lemma"},
              {"SGMLCheckBox", "SGML tags present"},
              {"EOSCheckBox", "End of sentence tag"},
              {"PreprocessGroupBox", "Tokenization Options"},
              {"DetachCliticsCheckBox", "Auto-detach clitics"},
              {"DetachApostCheckBox", "Auto-detach a word-final apostrophe"},
              {"PunctConvCheckBox", "Convert Windows punctuation to Latin-1"},
              {"AbbrevsCheckBox", "Use abbreviations file"},
              {"MultiWordCheckBox", "Use multi-word file"},
              {"OneLetCheckBox", "1-letter word followed by period is abbreviation"},
              {"ProcGroupBox", "Tagging Options"},
              {"CapHeurCheckBox", "Use capital heuristics"},
              {"HyphenHeurCheckBox", "Use hyphen heuristics"},
              {"LexProbOnlyCheckBox", "Use only lexical probabilities"},
              {"ReplaceFreqCheckBox", "Replace zero lexical frequencies by"},
              {"IgnPrefCheckBox", "Ignore prefix tree"},
              {"AuxLexCheckBox", "Auxiliary lexicon"},
              {"CodingRadioGroup", "Trained on"},
              {"TokRadioButton1", "none"},
              {"TokRadioButton2", "built-in"},
              {"TokRadioButton3", "own"},
              {"TokRadioButton4", "own + built-in"},
              {"OwnProgramLabel", "Own Program"},
          },
      .hints =
          {
              {"OtherLangEdit",
               "Name of new language; the parameter file must exist in the expected Vandrel "
               "folder."},
              {"TaskRadioGroup",
               "Choose whether to tag files of text; or simply output the probability tree or "
               "suffix tree from the language parameters"},
              {"FilesCheckBox",
               "Read input and output file names pairwise from file (input files must already be "
               "tokenized)"},
              {"TokenCheckBox", "Check here to include the token in the output."},
              {"TagsOutRadioGroup", "Which tags to output for each token"},
              {"TagProbOutCheckBox",
               "When all tags for token selected, check here to include tag probabilities in "
               "output"},
              {"LemmaCheckBox", "Check here to include the lemma in the output."},
              {"UnknownCheckBox",
               "When the lemma is unknown, check here to output the token rather than <unknown>."},
              {"LexInfoRadioGroup",
               "Include lexical information for each token in output, in choice of formats"},
              {"QuietCheckBox", "Check here to suppress status messages in output"},
              {"InputEdit", "File containing text to be tagged, or pairwise I/O filenames"},
              {"OutputEdit", "File to contain tagged output or tree output"},
              {"LoadButton", "Load program options from file (not required)"},
              {"SaveButton", "Save program options to file"},
              {"VerifyButton", "Verify selected program options without running program"},
              {"RunButton", "Run program with selected program options"},
              {"ExitButton", "Exit program"},
              {"ManTagProbBox",
               "Manual tags in input file are followed by probabilities (before lemma, if any)"},
              {"ManTagLemBox",
               "Manual tags in input file are followed by lemmas (after probability, if any)"},
              {"SGMLCheckBox", "Check here to pass tags in angle brackets unanalysed."},
              {"EOSCheckBox", "The SGML tag for end-of-sentence"},
              {"DetachCliticsCheckBox",
               "If clitics are already manually detached in input file, uncheck this"},
              {"DetachApostCheckBox",
               "If word-final apostrophes are already manually detached in input file, uncheck "
               "this - separation of Windows single right quotes is not affected"},
              {"PunctConvCheckBox",
               "Check this if the input file uses Windows West European quotes and dashes, but the "
               "language parameters are trained on Latin-1 only"},
              {"AbbrevsCheckBox", "Use the abbreviations file"},
              {"MultiWordCheckBox", "Use the multi-word file"},
              {"OneLetCheckBox",
               "Check this if a single-letter word followed by a period should be treated as an "
               "abbreviation"},
              {"CapHeurCheckBox", "Seek unknown capitalized words in list of lower-case words"},
              {"HyphenHeurCheckBox",
               "Turn on heuristics for guessing POS for unknown hyphenated words"},
              {"LexProbOnlyCheckBox",
               "Use only lexical probabilities, ignoring context (useful only to obtain a baseline "
               "result for comparison)."},
              {"ReplaceFreqCheckBox",
               "Frequency to replace zero when a word/tag pair in lexicon is absent in training "
               "corpus"},
              {"IgnPrefCheckBox", "Ignore prefixes when guessing POS for unknown word"},
              {"AuxLexCheckBox", "Use auxiliary lexicon from file"},
              {"AuxLexEdit", "Name of file containing auxiliary lexicon"},
              {"TokRadioButton1",
               "Choose \"none\" if input file is already tokenized, with one token per line"},
              {"TokRadioButton2",
               "Choose \"built-in\" for auto-conversion from running text to one token per line"},
              {"TokRadioButton3",
               "Choose \"own\" to use own program to convert input file to one token per line  The "
               "own program should get the names of its input and output files from the command "
               "line."},
              {"TokRadioButton4",
               "Choose \"own + built-in\" to use own program to convert input file to running "
               "text, followed by auto-conversion to one token per line"},
              {"OwnProgramEdit", "Name of own program"},
          },
      .items =
          {
              {"LangRadioGroup",
               {"English", "French", "German", "Italian", "Spanish", "Russian", "Bulgarian",
                "Dutch"}},
              {"TaskRadioGroup",
               {"Tag text", "Output probability tree only", "Output suffix/prefix tree only"}},
              {"LexInfoRadioGroup",
               {"none", "proto format", "gramotron format", "proto format + probabilities"}},
          },
      .credits = "Tagger engine Vandrel by its authors. Windows interface by the winvandrel "
                 "developers. Version " VANDREL_VERSION " for Windows of 8 December 2026.",
      .named =
          {
              .VerifiedMsg = "Program options verified.",
              .LtInTagMsg = "Error: < in tag.",
              .GtOutsideTagMsg = "Error: > outside tag.",
              .EndInTagMsg = "Error: text ends within a tag.",
              .FinishedMsg = "Vandrel finished",
              .NoOutputNamedMsg = "No output file named.",
              .FilePart = "File ",
              .ChooseLangPart = "Choose a different language,",
              .EnsureFilesPart = "or Ensure program and language files are in Vandrel directory,",
              .OrExitPart = "or Exit.",
              .NoInputNamedMsg = "No input file named.",
              .InputNotFoundMsg = "Input file not found.",
              .NotFoundPart = " not found.",
              .BadProbFactorMsg = "Invalid probability factor for outputting tags.",
              .BadReplaceFreqMsg = "Invalid replacement for zero lexical frequencies.",
              .InputDialogTitle = "Name of INPUT file",
              .OutputDialogTitle = "Name of OUTPUT file",
              .AuxLexDialogTitle = "Name of AUXILIARY LEXICON file",
              .LoadDialogTitle = "Name of input file containing program options",
              .SaveDialogTitle = "Name of output file to contain program options",
              .OptionsFileNoun = "Options file",
              .OptionsFilter = "Options files",
              .TextFilter = "Text files",
              .AllFilesFilter = "All files",
              .NoEqualsMsg = "No = in line of options file, line ignored",
              .BadKeyMsg = "Unrecognized key in options file, line ignored",
              .BadValueMsg = "Unrecognized value in options file, line ignored",
              .NotOpenedPart = " could not be opened",
              .InputFileNoun = "Input file",
              .OutputFileNoun = "Output file",
              .AuxLexFileNoun = "Auxiliary lexicon file",
              .NoAuxLexNamedMsg = "No auxiliary lexicon file named.",
              .NoOwnProgramNamedMsg = "No own program file named.",
              .OwnProgramDialogTitle = "Name of OWN PROGRAM file",
              .ProgramFilter = "Program files",
              .OwnProgramFileNoun = "Own program file",
              .FolderPart = "Folder ",
              .FolderMissingPart = " does not exist. Create it, or choose a file in a folder "
                                   "that exists.",
              .OutputIsInputPart = " is both the input and the output file, so the run would "
                                   "write over the text it reads. Choose another output file.",
              .WorkFilePart = " is a work file of the run, which would overwrite or delete "
                              "it. Rename the file or move it to another folder.",
              .ConsoleCodePagePart = "The engine's command line holds characters that the "
                                     "console's code page cannot show, so the engine would be "
                                     "given other names; rename the files or folders to use "
                                     "other characters: ",
              .NotUtf8Msg =
                  "Text %1 is not valid UTF-8 at byte offset %2; such bytes are passed on "
                  "unchanged.",
              .MoreBadLinesMsg = "Further bad lines in options file ignored: ",
              .UnpassableMsg = "The %1 cannot be passed to the engine, because it contains a "
                               "double quote, a line end or a NUL byte: %2",
              .EosTagNoun = "end-of-sentence tag",
              .AuxLexNameNoun = "auxiliary lexicon file name",
              .ListNameNoun = "list file name",
              .InputNameNoun = "input file name",
              .OutputNameNoun = "output file name",
              .ParameterNameNoun = "parameter file name",
              .OwnOutputNameNoun = "own program's output file name",
          },
  });
  return text_set;
}

}  // namespace ui_text
