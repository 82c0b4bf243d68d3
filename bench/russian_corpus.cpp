#include "russian_corpus.h"

namespace bench {

const Language& Russian() {
  static const Language language = WithRareWords(Language{
      .common_words =
          {"и",       "в",       "не",     "на",     "я",      "что",   "он",     "с",     "это",
           "а",       "как",     "по",     "но",     "они",    "к",     "у",      "из",    "за",
           "то",      "она",     "так",    "его",    "все",    "всё",   "мы",     "от",    "же",
           "вы",      "был",     "было",   "для",    "о",      "бы",    "уже",    "ещё",   "если",
           "когда",   "только",  "до",     "их",     "да",     "нет",   "время",  "день",  "год",
           "жизнь",   "человек", "дело",   "люди",   "рука",   "глаза", "слово",  "город", "дом",
           "хлеб",    "хорошо",  "сказал", "знать",  "мочь",   "стать", "думать", "после", "также",
           "тем",     "ёлка",    "лес",    "поезд",  "вокзал", "театр", "улица",  "новый", "старый",
           "большой", "первый",  "другой", "каждый", "очень",  "здесь", "потом",  "можно", "надо"},
      .abbreviations = {"т.е.", "т.д.", "т.п.", "г.",    "гг.",   "в.",    "ч.",
                        "мин.", "ул.",  "им.",  "проф.", "акад.", "напр.", "см.",
                        "стр.", "руб.", "тыс.", "млн.",  "км.",   "кг."},
      .letters = {"о", "е", "а", "и", "н", "т", "с", "р", "в", "л", "к", "м", "д", "п", "у", "я",
                  "ы", "ь", "г", "з", "б", "ч", "й", "х", "ж", "ш", "ю", "ц", "щ", "э", "ф", "ё"},
      .first_letters = 32,
      .seed = 10,
      .abbreviations_heading = "# сокращения для замера\r\n\r\n",
      .first_units = "в течение\tADP\r\nнесмотря на\tADP\r\nтак как\tSCONJ\r\n",
      .rare_words = {},
  });
  return language;
}

namespace {

// The first letter in upper case. The capitals of а to п differ from them in the second byte
// only; those of р to я and ё have another first byte.
std::string Capitalised(std::string word) {
  const auto second = static_cast<unsigned char>(word[1]);
  if (word[0] == '\xD0' && second >= 0xB0)
    word[1] = static_cast<char>(second - 0x20);
  else if (word[0] == '\xD1' && second == 0x91)
    word = "\xD0\x81" + word.substr(2);
  else if (word[0] == '\xD1' && second < 0x90)
    word = "\xD0" + std::string(1, static_cast<char>(second + 0x20)) + word.substr(2);
  return word;
}

void AppendSentence(Generator& generator, std::string& text) {
  if (generator.Chance(5))
    text += "<p n=\"" + std::to_string(generator.Below(1000)) + "\"> ";
  const std::size_t words = 5 + generator.Below(20);
  const bool quoted = generator.Chance(10);
  if (quoted)
    text += "«";
  for (std::size_t i = 0; i < words; ++i) {
    std::string word = generator.Word();
    if (i == 0)
      word = Capitalised(word);
    const std::size_t kind = generator.Below(100);
    if (kind < 3)
      word = "(" + word + ")";
    else if (kind < 6)
      word = "— " + word;
    else if (kind < 8)
      word = generator.Abbreviation();
    else if (kind < 10)
      word = std::to_string(1900 + generator.Below(120));
    else if (kind < 11)
      word = "„" + word + "“";
    text += word;
    text += (i + 1 < words && generator.Chance(8)) ? ", " : " ";
  }
  text.pop_back();
  text += generator.Chance(10) ? "?" : generator.Chance(5) ? "…" : ".";
  if (quoted)
    text += "»";
  text += generator.Chance(15) ? "\r\n" : " ";
}

}  // namespace

void WriteRussianCorpus(const std::string& name, std::size_t bytes) {
  WriteText(name, bytes, Russian(), true, AppendSentence);
}

}  // namespace bench
