// Measures the tokenizer end to end, file to file, with the default English options: speed in
// MB/s and peak memory, for generated inputs of several sizes, with full language lists and with
// empty ones; and the same for the Unicode path on Russian text. Each measurement runs in a
// process of its own.
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "child_run.h"
#include "corpus.h"
#include "russian_corpus.h"
#include "tokenizer/tokenizer.h"
#include "utils/files.h"

namespace {

constexpr double kMebibyte = 1024.0 * 1024.0;
constexpr int kAbbreviationEntries = 2000;
constexpr int kMultiWordLines = 10000;

// The measured part: loading the language files and tokenizing, as one run of the window does.
// With "unicode" as the fifth file, the Russian options: no clitic tables, no conversion.
int MeasureOnce(const std::vector<std::string>& files) {
  const auto start = std::chrono::steady_clock::now();
  const bool unicode = files[4] == "unicode";
  tokenizer::TokenizerOptions options;
  options.unicode = unicode;
  options.detach_apostrophes = true;
  options.detach_clitics = !unicode;
  options.one_letter_abbreviations = true;
  options.convert_punctuation = !unicode;
  tokenizer::TokenizerData data;
  data.abbreviations = tokenizer::LoadAbbreviationFile(files[2], unicode);
  data.multi_words = tokenizer::LoadMultiWordFile(files[3], unicode);
  data.clitics = tokenizer::CliticTablesFor(!unicode, "english");
  const std::chrono::duration<double> loading = std::chrono::steady_clock::now() - start;
  tokenizer::TokenizeFile(files[0], files[1], options, data, [](tokenizer::Message) {});
  const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
  std::printf("%.6f %.6f\n", elapsed.count(), loading.count());
  return 0;
}

struct Settings {
  std::vector<int> sizes_mebibytes = {10, 100};
  std::string folder = std::filesystem::temp_directory_path() / "vandrel-bench";
  int repeats = 3;
  bool keep = false;  // leave the generated files, to run the driver on them
};

Settings ParseSettings(int argc, char** argv) {
  Settings settings;
  for (int i = 1; i < argc; ++i) {
    const std::string argument = argv[i];
    if (argument == "--keep") {
      settings.keep = true;
      continue;
    }
    if (i + 1 >= argc)
      throw std::runtime_error(
          "usage: tokenize_bench [--sizes 10,100] [--folder DIR] [--repeat N] [--keep]");
    const std::string value = argv[++i];
    if (argument == "--sizes") {
      settings.sizes_mebibytes.clear();
      for (std::size_t start = 0; start < value.size();) {
        const std::size_t comma = std::min(value.find(',', start), value.size());
        settings.sizes_mebibytes.push_back(std::stoi(value.substr(start, comma - start)));
        start = comma + 1;
      }
    } else if (argument == "--folder") {
      settings.folder = value;
    } else if (argument == "--repeat") {
      settings.repeats = std::max(1, std::stoi(value));
    } else {
      throw std::runtime_error("unknown option " + argument);
    }
  }
  return settings;
}

double MebibytesOf(const std::string& name) {
  return std::filesystem::file_size(name) / kMebibyte;
}

// Inputs that once cost more than linear time or bounded memory, each beside the plain text with
// empty lists. The memory limit grows by eight times the lists' size.
void MeasureUnkindInputs(const std::string& program, const std::string& folder,
                         const std::string& input, const std::string& russian_input, int size,
                         int repeats) {
  const std::string output = folder + "tokens.txt";
  const std::string empty = folder + "empty";
  const std::string repeated = folder + "abbreviations-repeated";
  const std::string case_abbreviations = folder + "abbreviations-case-forms";
  const std::string case_multi_words = folder + "mwls-case-forms";
  const std::string case_text = folder + "case-forms.txt";
  const std::string long_line = folder + "mwls-long-line";
  const std::string open_tag = folder + "unclosed-tag.txt";
  const std::string russian_open_tag = folder + "russian-unclosed-tag.txt";
  const std::string utf16 = folder + "russian-utf16.txt";
  const std::string glued = folder + "glued.txt";
  const std::string russian_glued = folder + "russian-glued.txt";
  const std::string line_end_tag = folder + "tag-of-line-ends.txt";
  const std::string short_line_tag = folder + "tag-of-short-lines.txt";
  bench::WriteRepeatedAbbreviationFile(repeated, 1000000);
  bench::WriteCaseFormFile(case_abbreviations, false);
  bench::WriteCaseFormFile(case_multi_words, true);
  // The case forms and the long line stay small: they show the cost per byte.
  const std::size_t small = std::min<std::size_t>(static_cast<std::size_t>(size), 10) << 20;
  bench::WriteCaseFormText(case_text, small);
  bench::WriteLongMultiWordLine(long_line, input, small);
  bench::WriteUnclosedTag(open_tag, input);
  bench::WriteHalfInUnclosedTag(russian_open_tag, russian_input);
  bench::WriteUtf16Copy(utf16, russian_input);
  bench::WriteGluedText(glued, input);
  bench::WriteGluedText(russian_glued, russian_input);
  const std::size_t full = static_cast<std::size_t>(size) << 20;
  bench::WriteTagOfRepeats(line_end_tag, "\r", full);
  bench::WriteTagOfRepeats(short_line_tag, "a\n", full);
  struct Case {
    const char* label;
    std::string input;
    std::string abbreviations;
    std::string multi_words;
    std::string coding = "1252";
  };
  const Case cases[] = {
      {"plain, empty lists", input, empty, empty},
      {"1M lines of etc.", input, repeated, empty},
      {"32768 case forms abbr.", input, case_abbreviations, empty},
      {"32768 case forms mwls", case_text, empty, case_multi_words},
      {"  the same, Unicode path", case_text, empty, case_multi_words, "unicode"},
      {"mwls of one long line", input, empty, long_line},
      {"text ends inside a tag", open_tag, empty, empty},
      {"tag of line ends", line_end_tag, empty, empty},
      {"words glued by \">\"", glued, empty, empty},
      {"Russian, empty lists", russian_input, empty, empty, "unicode"},
      {"Russian in UTF-16", utf16, empty, empty, "unicode"},
      {"Russian, half in a tag", russian_open_tag, empty, empty, "unicode"},
      {"tag of LF-ended lines", short_line_tag, empty, empty, "unicode"},
      {"Russian glued by \">\"", russian_glued, empty, empty, "unicode"},
  };
  std::printf("%8s  %-24s %9s %10s %10s %10s\n", "input", "unkind input", "MB/s", "peak MB",
              "limit MB", "load ms");
  for (const Case& c : cases) {
    double best = 1e30;
    double best_loading = 1e30;
    double peak = 0;
    for (int repeat = 0; repeat < repeats; ++repeat) {
      // A new output each time, as in the rows above.
      std::filesystem::remove(output);
      const bench::ChildResult result = bench::RunChild(
          program, {"--run", c.input, output, c.abbreviations, c.multi_words, c.coding});
      best = std::min(best, result.seconds);
      best_loading = std::min(best_loading, result.loading_seconds);
      peak = std::max(peak, result.peak_mebibytes);
    }
    const double input_size = MebibytesOf(c.input);
    const double lists = MebibytesOf(c.abbreviations) + MebibytesOf(c.multi_words);
    std::printf("%5.0f MB  %-24s %9.1f %10.1f %10.1f %10.1f\n", input_size, c.label,
                input_size / best, peak, 1.5 * input_size + 32 + 8 * lists, 1000 * best_loading);
  }
  for (const std::string& name :
       {repeated, case_abbreviations, case_multi_words, case_text, long_line, open_tag,
        russian_open_tag, utf16, line_end_tag, short_line_tag, glued, russian_glued})
    std::filesystem::remove(name);
}

int RunBenchmark(const std::string& program, const Settings& settings) {
  std::filesystem::create_directories(settings.folder);
  const std::string folder = settings.folder + "/";
  const std::string abbreviations = folder + "abbreviations";
  const std::string multi_words = folder + "mwls";
  const std::string common_multi_words = folder + "mwls-common";
  const std::string small_abbreviations = folder + "abbreviations-small";
  const std::string small_multi_words = folder + "mwls-small";
  const std::string empty = folder + "empty";
  bench::WriteAbbreviationFile(abbreviations, kAbbreviationEntries, bench::English());
  bench::WriteMultiWordFile(multi_words, kMultiWordLines, false, bench::English());
  bench::WriteMultiWordFile(common_multi_words, kMultiWordLines, true, bench::English());
  // Lists a hundred times smaller whose sequences start as often in the text: the time goes to
  // the matches the text makes, not to the size of the lists.
  bench::WriteAbbreviationFile(small_abbreviations, kAbbreviationEntries / 100, bench::English());
  bench::WriteMultiWordFile(small_multi_words, kMultiWordLines / 100, true, bench::English());
  utils::WriteWholeFile(empty, "");

  bench::WriteAbbreviationFile(folder + "russian-abbreviations", kAbbreviationEntries,
                               bench::Russian());
  bench::WriteMultiWordFile(folder + "russian-mwls", kMultiWordLines, false, bench::Russian());
  bench::WriteMultiWordFile(folder + "russian-mwls-common", kMultiWordLines, true,
                            bench::Russian());
  bench::WriteAbbreviationFile(folder + "russian-abbreviations-small", kAbbreviationEntries / 100,
                               bench::Russian());
  bench::WriteMultiWordFile(folder + "russian-mwls-small", kMultiWordLines / 100, true,
                            bench::Russian());

  std::printf(
      "Default English options on Windows-1252 text, and Russian options on UTF-8 text (Unicode "
      "path), file to file, best of %d runs; 1 MB = 2^20 bytes. \"of 1252\": the Unicode path's "
      "speed as a share of the English one with the same lists.\n",
      settings.repeats);
  std::printf("%8s  %-8s %-24s %9s %10s %10s %10s %10s %8s\n", "input", "path", "lists", "MB/s",
              "peak MB", "limit MB", "slower", "load ms", "of 1252");
  for (int size : settings.sizes_mebibytes) {
    const std::string input = folder + "corpus-" + std::to_string(size) + ".txt";
    const std::string russian_input = folder + "russian-" + std::to_string(size) + ".txt";
    const std::string output = folder + "tokens.txt";
    const auto bytes = static_cast<std::size_t>(size) * static_cast<std::size_t>(kMebibyte);
    bench::WriteCorpus(input, bytes);
    bench::WriteRussianCorpus(russian_input, bytes);
    struct Lists {
      const char* label;
      std::string abbreviations;
      std::string multi_words;
    };
    struct Path {
      const char* label;
      std::string coding;
      std::string input;
      std::string prefix;  // of the list files
    };
    const Lists configurations[] = {
        {"empty", empty, empty},
        {"2000 abbr. + 10000 mwls", abbreviations, multi_words},
        {"  mwls of common starts", abbreviations, common_multi_words},
        {"20 abbr. + 100 mwls", small_abbreviations, small_multi_words},
    };
    const Path paths[] = {{"1252", "1252", input, folder},
                          {"unicode", "unicode", russian_input, folder + "russian-"}};
    std::vector<double> english_speeds;
    for (const Path& path : paths) {
      double empty_speed = 0;
      for (std::size_t k = 0; k < std::size(configurations); ++k) {
        const Lists& lists = configurations[k];
        const auto listed = [&](const std::string& file) {
          return file == empty ? file : path.prefix + file.substr(folder.size());
        };
        double best = 1e30;
        double best_loading = 1e30;
        double peak = 0;
        for (int repeat = 0; repeat < settings.repeats; ++repeat) {
          // As the window's work file, the output does not exist before the run: replacing a
          // file costs the file system more than writing a new one, and that is no tokenizing.
          std::filesystem::remove(output);
          const bench::ChildResult result =
              bench::RunChild(program, {"--run", path.input, output, listed(lists.abbreviations),
                                        listed(lists.multi_words), path.coding});
          best = std::min(best, result.seconds);
          best_loading = std::min(best_loading, result.loading_seconds);
          peak = std::max(peak, result.peak_mebibytes);
        }
        const double speed = size / best;
        if (empty_speed == 0)
          empty_speed = speed;
        if (english_speeds.size() < std::size(configurations))
          english_speeds.push_back(speed);
        std::printf("%5d MB  %-8s %-24s %9.1f %10.1f %10.1f %9.1f%% %10.1f %7.0f%%\n", size,
                    path.label, lists.label, speed, peak, 1.5 * size + 32,
                    100.0 * (1.0 - speed / empty_speed), 1000 * best_loading,
                    100.0 * speed / english_speeds[k]);
      }
    }
    MeasureUnkindInputs(program, folder, input, russian_input, size, settings.repeats);
    if (!settings.keep) {
      std::filesystem::remove(input);
      std::filesystem::remove(russian_input);
      std::filesystem::remove(output);
    }
  }
  if (!settings.keep)
    std::filesystem::remove_all(settings.folder);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    if (argc == 7 && std::string(argv[1]) == "--run")
      return MeasureOnce(std::vector<std::string>(argv + 2, argv + 7));
    return RunBenchmark(std::filesystem::canonical("/proc/self/exe"), ParseSettings(argc, argv));
  } catch (const std::exception& error) {
    std::cerr << error.what() << "\n";
    return 1;
  }
}
