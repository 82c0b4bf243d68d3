#include "app/choices.h"

namespace app {

std::vector<std::string> LanguageItems() {
  std::vector<std::string> items;
  for (const Language& language : kLanguages)
    items.emplace_back(language.caption);
  items.emplace_back();
  return items;
}

run::RunTask TaskOfItem(int item) {
  if (item == ItemOf(run::RunTask::ProbabilityTree))
    return run::RunTask::ProbabilityTree;
  if (item == ItemOf(run::RunTask::SuffixTree))
    return run::RunTask::SuffixTree;
  return run::RunTask::Tag;
}

}  // namespace app
