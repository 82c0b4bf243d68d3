#include "options_file/options_text.h"

#include <gtest/gtest.h>

#include <utility>

namespace options_file {
namespace {

class FixedBinding : public Binding {
 public:
  std::optional<std::string> SavedValue() const override { return "v"; }
  bool Apply(const std::string&) const override { return true; }
};

template <std::size_t... Key>
OptionRows RowsOfKeys(const std::array<std::string_view, OptionKeys.size()>& keys,
                      std::index_sequence<Key...>) {
  return {{OptionRow(keys[Key], std::make_unique<FixedBinding>())...}};
}

// A row dropped and another doubled still compiles; the table must refuse it when it is made.
TEST(OptionTable, TakesEveryKeyOnceInSavingOrderOnly) {
  const auto table_of = [](std::array<std::string_view, OptionKeys.size()> keys) {
    return OptionTable(RowsOfKeys(keys, std::make_index_sequence<OptionKeys.size()>()));
  };
  EXPECT_NO_THROW(table_of(OptionKeys));
  std::array<std::string_view, OptionKeys.size()> doubled = OptionKeys;
  doubled[3] = doubled[2];
  EXPECT_THROW(table_of(doubled), std::logic_error);
  std::array<std::string_view, OptionKeys.size()> swapped = OptionKeys;
  std::swap(swapped[0], swapped[1]);
  EXPECT_THROW(table_of(swapped), std::logic_error);
}

}  // namespace
}  // namespace options_file
