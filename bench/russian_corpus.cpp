#include "russian_corpus.h"

#include <random>
#include <vector>

#include "utils/files.h"

namespace bench {
namespace {

const std::vector<std::string> kCommonWords = {
    "и",       "в",       "не",     "на",     "я",      "что",   "он",     "с",     "это",
    "а",       "как",     "по",     "но",     "они",    "к",     "у",      "из",    "за",
    "то",      "она",     "так",    "его",    "все",    "всё",   "мы",     "от",    "же",
    "вы",      "был",     "было",   "для",    "о",      "бы",    "уже",    "ещё",   "если",
    "когда",   "только",  "до",     "их",     "да",     "нет",   "время",  "день",  "год",
    "жизнь",   "человек", "дело",   "люди",   "рука",   "глаза", "слово",  "город", "дом",
    "хлеб",    "хорошо",  "сказал", "знать",  "мочь",   "стать", "думать", "после", "также",
    "тем",     "ёлка",    "лес",    "поезд",  "вокзал", "театр", "улица",  "новый", "старый",
    "большой", "первый",  "другой", "каждый", "очень",  "здесь", "потом",  "можно", "надо"};

const std::vector<std::string> kAbbreviations = {
    "т.е.",  "т.д.",  "т.п.",  "г.",  "гг.",  "в.",   "ч.",   "мин.", "ул.", "им.",
    "проф.", "акад.", "напр.", "см.", "стр.", "руб.", "тыс.", "млн.", "км.", "кг."};

class Generator {
 public:
  explicit Generator(unsigned seed) : random_(seed) {}

  std::size_t Below(std::size_t n) { return random_() % n; }
  bool Chance(int percent) { return Below(100) < static_cast<std::size_t>(percent); }

  std::string RandomWord() {
    static const std::vector<std::string> letters = {
        "о", "е", "а", "и", "н", "т", "с", "р", "в", "л", "к", "м", "д", "п", "у", "я",
        "ы", "ь", "г", "з", "б", "ч", "й", "х", "ж", "ш", "ю", "ц", "щ", "э", "ф", "ё"};
    std::string word;
    for (std::size_t i = 2 + Below(9); i > 0; --i)
      word += letters[Below(letters.size())];
    return word;
  }

  const std::string& RareWord() {
    static const std::vector<std::string> words = [] {
      Generator generator(10);
      std::vector<std::string> list;
      for (int i = 0; i < 20000; ++i)
        list.push_back(generator.RandomWord());
      return list;
    }();
    return words[Below(words.size())];
  }

  const std::string& Word() {
    return Chance(70) ? kCommonWords[Below(kCommonWords.size())] : RareWord();
  }

 private:
  std::mt19937 random_;
};

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
      word = kAbbreviations[generator.Below(kAbbreviations.size())];
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
  Generator generator(11);
  utils::FileWriter writer(name);
  std::string chunk;
  for (std::size_t written = 0; written < bytes;) {
    chunk.clear();
    while (chunk.size() < (1 << 16))
      AppendSentence(generator, chunk);
    if (chunk.size() > bytes - written) {
      chunk.resize(bytes - written);
      while (!chunk.empty() && (static_cast<unsigned char>(chunk.back()) & 0xC0) == 0x80)
        chunk.pop_back();
      if (!chunk.empty() && static_cast<unsigned char>(chunk.back()) >= 0xC0)
        chunk.pop_back();
      written = bytes;
    } else {
      written += chunk.size();
    }
    writer.Write(chunk);
  }
  writer.Close();
}

void WriteRussianAbbreviationFile(const std::string& name, int entries) {
  Generator generator(12);
  std::string file = "# сокращения для замера\r\n\r\n";
  for (int i = 0; i < entries; ++i) {
    if (i < static_cast<int>(kAbbreviations.size()))
      file += kAbbreviations[static_cast<std::size_t>(i)];
    else
      file += generator.RandomWord() + (generator.Chance(95) ? "." : "");
    file += "\r\n";
  }
  utils::WriteWholeFile(name, file);
}

void WriteRussianMultiWordFile(const std::string& name, int lines, bool common_starts) {
  Generator generator(13);
  std::string file = "в течение\tADP\r\nнесмотря на\tADP\r\nтак как\tSCONJ\r\n";
  for (int i = 3; i < lines; ++i) {
    if (common_starts || generator.Chance(30))
      file += kCommonWords[generator.Below(kCommonWords.size())];
    else
      file += generator.RareWord();
    for (std::size_t n = 1 + generator.Below(3); n > 0; --n)
      file += " " + generator.Word();
    file += "\tMW" + std::to_string(i) + "\r\n";
  }
  utils::WriteWholeFile(name, file);
}

}  // namespace bench
