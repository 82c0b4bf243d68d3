#include "ui_text/text_set.h"

#include "ui_text/text_set_builder.h"
#include "ui_text/version.h"

namespace ui_text {

const TextSet& GermanTextSet() {
  static const TextSet text_set = BuildTextSet({
      .captions =
          {
              {"LangRadioGroup", "Sprache"},
              {"TaskRadioGroup", "Aufgabe"},
              {"FilesCheckBox", "Ein-/Ausgabedateien paarw. aus Datei"},
              {"OutputGroupBox", "Für jedes Token ausgeben"},
              {"TokenCheckBox", "Das Token"},
              {"TagsOutRadioGroup", "Die Wortarten"},
              {"TagRadioButton1", "nur das beste Tag"},
              {"TagRadioButton2", "alle Tags mit Wahrsch. >             ×  W. des besten Tags"},
              {"TagProbOutCheckBox", "Die Tagwahrscheinlichkeiten"},
              {"LemmaCheckBox", "Das Lemma"},
              {"UnknownCheckBox", "Token bei unbekanntem Lemma ausgeben"},
              {"LexInfoRadioGroup", "Lexikon-Information"},
              {"QuietCheckBox", "Keine Statusmeldungen ausgeben"},
              {"InputLabel", "Eingabedatei"},
              {"OutputLabel", "Ausgabedatei"},
              {"LoadButton", "Lesen"},
              {"SaveButton", "Speichern"},
              {"VerifyButton", "Prüfen"},
              {"RunButton", "Start"},
              {"ExitButton", "Ende"},
              {"InputGroupBox", "Eingabeoptionen"},
              {"ManTagProbBox", "manuelle Tags mit Wahrscheinlichkeiten"},
              {"ManTagLemBox", "manuelle Tags mit Lemma"},
              {"SGMLCheckBox", "Eingabe mit SGML-Tags"},
              {"EOSCheckBox", "Satzende-Tag"},
              {"PreprocessGroupBox", "Tokenisierungs-Optionen"},
              {"DetachCliticsCheckBox", "Klitika abtrennen"},
              {"DetachApostCheckBox", "Apostroph am Wortende abtrennen"},
              {"PunctConvCheckBox", "Windows-Satzzeichen nach Latin1 konvertieren"},
              {"AbbrevsCheckBox", "Verwende Abkürzungsdatei"},
              {"MultiWordCheckBox", "Verwende Mehrwortausdrücke"},
              {"OneLetCheckBox", "Wort von 1 Zeichen + Period > Abkürzung"},
              {"ProcGroupBox", "Tagging-Optionen"},
              {"CapHeurCheckBox", "Verwende Großschreibungsheuristik"},
              {"HyphenHeurCheckBox", "Verwende Bindestrich-Heuristik"},
              {"LexProbOnlyCheckBox", "Nur lexikalische Wahrscheinlichkeiten verwenden"},
              {"ReplaceFreqCheckBox", "Ersetze Nullhäufigkeiten im Lexikon durch"},
              {"IgnPrefCheckBox", "Präfixbaum nicht verwenden"},
              {"AuxLexCheckBox", "Zusatzlexikon"},
              {"CodingRadioGroup", "Trainiert auf"},
              {"TokRadioButton1", "keine"},
              {"TokRadioButton2", "standard"},
              {"TokRadioButton3", "eigene"},
              {"TokRadioButton4", "eigene + standard"},
              {"OwnProgramLabel", "Eigenes Programm"},
          },
      .hints =
          {
              {"OtherLangEdit",
               "Name einer weiteren Sprache; die Parameterdatei muss sich im erwarteten "
               "Vandrel-Ordner befinden."},
              {"TaskRadioGroup",
               "Wählen Sie, ob Sie Textdateien annotieren oder den Wahrscheinlichkeitsbaum oder "
               "den Suffixbaum ausgeben möchten"},
              {"FilesCheckBox",
               "Die Namen der Eingabe- und Ausgabedateien werden paarweise aus der Argumentdatei "
               "gelesen. (Die Eingabedateien mussen bereits tokenisiert sein.)"},
              {"TokenCheckBox", "Ankreuzen, damit das Token ausgegeben wird."},
              {"TagsOutRadioGroup",
               "Hier wird festgelegt, wie die Wortartinformation ausgegeben wird."},
              {"TagProbOutCheckBox",
               "Wenn \"alle Tags\" ausgewählt wurde, hier ankreuzen, um auch die "
               "Tagwahrscheinlichkeiten auszugeben"},
              {"LemmaCheckBox", "Ankreuzen, um das Lemma (Grundform des Wortes) auszugeben."},
              {"UnknownCheckBox",
               "Ankreuzen, um bei unbekannten Wörtern das Wort selbst statt \"<unknown>\" als "
               "Lemma auszugeben."},
              {"LexInfoRadioGroup",
               "Information aus dem Taggerlexikon für jedes Token in dem angegeben Format mit "
               "ausgeben"},
              {"QuietCheckBox", "Ankreuzen, damit keine Statusmeldungen ausgegeben werden"},
              {"InputEdit",
               "Name der Datei mit dem Text, der annotiert werden soll, bzw. mit den paarweisen "
               "Ein- und Ausgabedateinamen"},
              {"OutputEdit", "Name der Datei, in welche die Ausgabe geschrieben werden soll."},
              {"LoadButton", "Lese Programmoptionen aus Datei (nicht nötig)"},
              {"SaveButton", "Speichere Programmoptionen in Datei"},
              {"VerifyButton",
               "Prüfung der ausgewählten Programmoptionen ohne das Programm zu starten"},
              {"RunButton", "Start des Programms mit den ausgewählten Programmoptionen"},
              {"ExitButton", "Programm beenden"},
              {"ManTagProbBox",
               "Vorgegebene Wortarten für einzelne Wörter in der Eingabedatei sind mit "
               "Wahrscheinlichkeiten versehen (vor dem Lemma, falls ebenfalls vorhanden)"},
              {"ManTagLemBox",
               "Vorgegebene Wortarten für einzelne Wörter in der Eingabedatei sind mit "
               "Lemmainformation versehen (nach der Wahrscheinlichkeit, falls ebenfalls "
               "vorhanden)"},
              {"SGMLCheckBox",
               "Ankreuzen, damit SGML-Tags (in spitze Klammern eingeschlossene Tokens) nicht "
               "annotiert werden."},
              {"EOSCheckBox", "Das SGML-Tag, welches das Satzende markiert (falls vorhanden)"},
              {"DetachCliticsCheckBox",
               "Nicht ankreuzen, falls Klitika in der Eingabedatei bereits abgetrennt wurden"},
              {"DetachApostCheckBox",
               "Nicht ankreuzen, falls Apostrophe am Wortende in der Eingabedatei bereits "
               "abgetrennt wurden - Die Abtrennung einzelner einfacher Windows-Anführungszeichen "
               "am Wortende wird davon nicht beeinflusst"},
              {"PunctConvCheckBox",
               "Ankreuzen wenn es in der Eingabedatei Bindestriche und Anführungszeichen aus dem "
               "Windowszeichensatz gibt, aber die Parameterdatei nur Latin-1-Zeichen enthält"},
              {"AbbrevsCheckBox",
               "Verwende die Datei mit der Liste der Abkürzungen, um die Tokenisierung zu "
               "verbessern"},
              {"MultiWordCheckBox",
               "Verwende die Datei mit der Liste der Mehrwort-Ausdrücke, um Mehrwortausdrücke zu "
               "Tokens zusammenzufassen"},
              {"OneLetCheckBox",
               "Ankreuzen wenn ein Wort von einer Zeichen, das mit Period gefolgt ist, als "
               "Abkürzung behandelt soll"},
              {"CapHeurCheckBox",
               "Schlage unbekannte großgeschrieben Wörter als kleingeschriebene Wörter im "
               "Taggerlexikon nach"},
              {"HyphenHeurCheckBox",
               "Schlage bei unbekannten Bindestrichwörtern den Wortteil nach dem Bindestrich im "
               "Lexikon nach"},
              {"LexProbOnlyCheckBox",
               "Tagge jedes Wort ohne Kontextinformation allein auf Basis der lexikalischen "
               "Wahrscheinlichkeiten (nur sinnvoll zur Berechnung eines Baseline-Ergebnisses)"},
              {"ReplaceFreqCheckBox",
               "Häufigkeit, welche die 0 ersetzt, wenn ein Wort/Tag-Paare aus dem Lexikon im "
               "Trainingskorpus nicht auftaucht."},
              {"IgnPrefCheckBox",
               "Rate die Wortarten unbekannter Wörter ohne Verwendung des Präfixbaumes"},
              {"AuxLexCheckBox", "Zusatzlexicon aus Datei verwenden"},
              {"AuxLexEdit", "Name der Datei mit dem Zusatzlexikon"},
              {"TokRadioButton1",
               "Wählen Sie \"keine\" falls die Eingabedatei bereits tokenisiert ist und genau ein "
               "Token pro Zeile enthält"},
              {"TokRadioButton2",
               "Wählen Sie \"standard\" um den fortlaufenden Text aus der Eingabedatei automatisch "
               "in das 1-Wort-pro-Zeile-Format zu konvertieren"},
              {"TokRadioButton3",
               "Wählen Sie \"eigene\" um ein eigenes Programm für die Konvertierung in das "
               "1-Wort-pro-Zeile-Format zu verwenden. Das eigene Programm soll die Namen seine "
               "Ein- und Ausgabedateien von der Befehlszeile bekommen."},
              {"TokRadioButton4",
               "Wählen Sie \"eigene+standard\" um die Eingabedatei in fortlaufenden Text mit einem "
               "eigenen Programm und dann automatisch in das 1-Wort-pro-Zeile-Format zu "
               "konvertieren"},
              {"OwnProgramEdit", "Name des eigenen Programmes"},
          },
      .items =
          {
              {"LangRadioGroup",
               {"Englisch", "Französisch", "Deutsch", "Italienisch", "Spanisch", "Russisch",
                "Bulgarisch", "Niederländisch"}},
              {"TaskRadioGroup",
               {"Text annotieren", "Wahrscheinlichkeitsbaum ausgeben",
                "Präfix- und Suffixbäume ausgeben"}},
              {"LexInfoRadioGroup",
               {"keine Information", "proto-Format", "gramotron-Format",
                "proto-Format + Wahrsch."}},
          },
      .credits =
          "Tagger Vandrel von seinen Autoren. Windows-Oberfläche von den "
          "winvandrel-Entwicklern. Windows-Version " VANDREL_VERSION " vom 8. Dezember 2026.",
      .named =
          {
              .VerifiedMsg = "Programmoptionen geprüft.",
              .LtInTagMsg = "Fehler: < innerhalb eines Tags.",
              .GtOutsideTagMsg = "Fehler: > außerhalb eines Tags.",
              .EndInTagMsg = "Fehler: Text endet in der Mitte eines Tags.",
              .FinishedMsg = "Vandrel beendet",
              .NoOutputNamedMsg = "Keine Ausgabedatei angegeben.",
              .FilePart = "Datei ",
              .ChooseLangPart = "Wählen Sie eine andere Sprache,",
              .EnsureFilesPart = "oder stellen Sie sicher, dass sich das Programm und die "
                                 "Sprachdateien im Vandrel-Verzeichnis befinden,",
              .OrExitPart = "oder Ende.",
              .NoInputNamedMsg = "Keine Eingabedatei angegeben.",
              .InputNotFoundMsg = "Eingabedatei nicht gefunden.",
              .NotFoundPart = " nicht gefunden.",
              .BadProbFactorMsg = "Ungültiger Wahrscheinlichkeits-Schwellwert für die Tagausgabe.",
              .BadReplaceFreqMsg = "Ungültige Ersatzhäufigkeit für lexikalische Nullhäufigkeiten.",
              .InputDialogTitle = "Name der EINGABE-Datei",
              .OutputDialogTitle = "Name der AUSGABE-Datei",
              .AuxLexDialogTitle = "Name der ZUSATZLEXIKON-Datei",
              .LoadDialogTitle = "Name der Eingabedatei mit den Programmoptionen",
              .SaveDialogTitle = "Name der Ausgabedatei für die Programmoptionen",
              .OptionsFileNoun = "Optionsdatei",
              .OptionsFilter = "Optionsdateien",
              .TextFilter = "Textdateien",
              .AllFilesFilter = "Alle Dateien",
              .NoEqualsMsg = "Fehlendes \"=\" in Zeile der Optionsdatei, Zeile ignoriert",
              .BadKeyMsg = "Unbekanntes Schlüsselwort in Optionsdatei, Zeile ignoriert",
              .BadValueMsg = "Unbekannter Wert in Optionsdatei, Zeile ignoriert",
              .NotOpenedPart = " konnte nicht geöffnet werden",
              .InputFileNoun = "Eingabedatei",
              .OutputFileNoun = "Ausgabedatei",
              .AuxLexFileNoun = "Zusatzlexikondatei",
              .NoAuxLexNamedMsg = "Keine Zusatzlexicondatei angegeben.",
              .NoOwnProgramNamedMsg = "Keine Datei angegeben für das eigene Programm.",
              .OwnProgramDialogTitle = "Name der Datei mit dem EIGENEN PROGRAMM",
              .ProgramFilter = "Programmdateien",
              .OwnProgramFileNoun = "Die Datei mit dem eigenen Programm",
              .FolderPart = "Ordner ",
              .FolderMissingPart = " existiert nicht. Legen Sie ihn an oder wählen Sie eine "
                                   "Datei in einem vorhandenen Ordner.",
              .OutputIsInputPart = " ist zugleich Eingabe- und Ausgabedatei; der Lauf würde den "
                                   "Text überschreiben, den er liest. Wählen Sie eine andere "
                                   "Ausgabedatei.",
              .WorkFilePart = " ist eine Arbeitsdatei des Laufs, die er überschreiben oder "
                              "löschen würde. Benennen Sie die Datei um oder verschieben Sie sie "
                              "in einen anderen Ordner.",
              .ConsoleCodePagePart = "Die Befehlszeile des Taggers enthält Zeichen, die die "
                                     "Codepage der Konsole nicht darstellen kann; der Tagger "
                                     "bekäme also andere Namen. Benennen Sie die Dateien oder "
                                     "Ordner mit anderen Zeichen um: ",
              .NotUtf8Msg =
                  "Text %1 ist an Byte-Position %2 kein gültiges UTF-8; solche Bytes werden "
                  "unverändert weitergegeben.",
              .MoreBadLinesMsg = "Weitere fehlerhafte Zeilen in Optionsdatei ignoriert: ",
              .UnpassableMsg = "%1 kann dem Tagger nicht übergeben werden, denn darin steht ein "
                               "doppeltes Anführungszeichen, ein Zeilenende oder ein NUL-Byte: %2",
              .EosTagNoun = "Das Satzende-Tag",
              .AuxLexNameNoun = "Der Name des Hilfslexikons",
              .ListNameNoun = "Der Name der Listendatei",
              .InputNameNoun = "Der Name der Eingabedatei",
              .OutputNameNoun = "Der Name der Ausgabedatei",
              .ParameterNameNoun = "Der Name der Parameterdatei",
              .OwnOutputNameNoun = "Der Name der Ausgabedatei des eigenen Programms",
          },
  });
  return text_set;
}

}  // namespace ui_text
