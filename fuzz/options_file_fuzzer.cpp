// Reads arbitrary bytes as an options file through recording bindings, and checks that every
// line is either skipped, reported once or applied to the binding of its key, in file order;
// then that a file saved from values taken from the input reads back to the same values.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "fuzz_checks.h"
#include "options_file/option_lines.h"
#include "options_file/options_text.h"

namespace {

using namespace options_file;

struct Event {
  int key;  // -1 for a reported line
  LineProblem problem;
  std::string text;
  bool operator==(const Event&) const = default;
};

class RecordingBinding : public Binding {
 public:
  RecordingBinding(int key, std::vector<Event>& events, std::optional<std::string> saved)
      : key_(key), events_(events), saved_(std::move(saved)) {}
  std::optional<std::string> SavedValue() const override { return saved_; }
  // Refuses some values, so that both outcomes are seen.
  bool Apply(const std::string& value) const override {
    events_.push_back({key_, LineProblem::NoEquals, value});
    return value.size() % 3 != 1;
  }

 private:
  int key_;
  std::vector<Event>& events_;
  std::optional<std::string> saved_;
};

template <std::size_t... Key>
OptionTable MakeTable(std::vector<Event>& events, const std::vector<std::string>& saved,
                      std::index_sequence<Key...>) {
  const auto saved_value = [&saved](std::size_t key) {
    return key < saved.size() ? std::optional<std::string>(saved[key]) : std::nullopt;
  };
  return OptionTable(OptionRows{
      {OptionRow(OptionKeys[Key], std::make_unique<RecordingBinding>(static_cast<int>(Key), events,
                                                                     saved_value(Key)))...}});
}

OptionTable MakeTable(std::vector<Event>& events, const std::vector<std::string>& saved) {
  return MakeTable(events, saved, std::make_index_sequence<OptionKeys.size()>());
}

std::vector<Event> Load(std::string_view text, const std::vector<std::string>& saved = {}) {
  std::vector<Event> events;
  const OptionTable table = MakeTable(events, saved);
  const LoadOutcome outcome = ApplyOptionsText(
      text, table,
      [&events](LineProblem problem, const std::string& detail) {
        events.push_back({-1, problem, detail});
      },
      [] { return false; });
  fuzz::Check(outcome == LoadOutcome::Completed, "a load that is not stopped completes");
  return events;
}

// What the lines of `text` must give, worked out from the lines alone.
std::vector<Event> Expected(std::string_view text) {
  std::vector<Event> events;
  for (const std::string_view line : SplitIntoLines(text)) {
    fuzz::Check(line.find_first_of("\r\n\x1A") == std::string_view::npos,
                "no line end or Ctrl-Z in a line");
    if (line.empty() || line.front() == '#')
      continue;
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) {
      events.push_back({-1, LineProblem::NoEquals, ""});
      continue;
    }
    const std::string key(line.substr(0, equals));
    const std::string value(line.substr(equals + 1));
    const int index = IndexInList(OptionKeys, key);
    if (index < 0) {
      events.push_back({-1, LineProblem::UnknownKey, key});
      continue;
    }
    events.push_back({index, LineProblem::NoEquals, value});
    if (value.size() % 3 == 1)
      events.push_back({-1, LineProblem::UnknownValue, value});
  }
  return events;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  fuzz::Check(Load(bytes) == Expected(bytes), "every line is skipped, reported or applied");

  // Values cut from the input, without the bytes that end a line or the file, survive a save
  // and a load unchanged.
  std::vector<std::string> saved;
  std::string value;
  for (const char c : bytes) {
    if (c == '\r' || c == '\n' || c == '\x1A') {
      saved.push_back(value);
      value.clear();
    } else {
      value += c;
    }
  }
  saved.push_back(value);
  if (saved.size() > OptionKeys.size())
    saved.resize(OptionKeys.size());
  std::vector<Event> unused;
  const std::string file = OptionsFileText(MakeTable(unused, saved));
  std::vector<Event> applied;
  for (const Event& event : Load(file, saved)) {
    if (event.key >= 0)
      applied.push_back(event);
  }
  fuzz::Check(applied.size() == saved.size(), "every saved value is read back");
  for (std::size_t i = 0; i < applied.size() && i < saved.size(); ++i) {
    fuzz::Check(applied[i].key == static_cast<int>(i) && applied[i].text == saved[i],
                "a saved value reads back unchanged");
  }
  return 0;
}
