#include "ui_text/apply_text_set.h"

#include <stdexcept>

#include "widgets/radio_group.h"

namespace ui_text {
namespace {

widgets::Control* FindControl(widgets::Control& root, std::string_view name) {
  if (root.Name() == name)
    return &root;
  for (widgets::Control* child : root.Children()) {
    if (widgets::Control* found = FindControl(*child, name))
      return found;
  }
  return nullptr;
}

widgets::Control& ControlNamed(widgets::Window& window, std::string_view name) {
  widgets::Control* control = FindControl(window, name);
  if (control == nullptr)
    throw std::logic_error("no control named " + std::string(name));
  return *control;
}

}  // namespace

void ApplyTextSet(const TextSet& text_set, widgets::Window& window, NamedTexts& named) {
  window.SetCaption(std::string(kWindowCaption));
  for (const auto& [name, caption] : text_set.captions) {
    ControlNamed(window, name).SetCaption(caption);
  }
  for (const auto& [name, hint] : text_set.hints)
    ControlNamed(window, name).SetHint(hint);
  for (const auto& [name, leading_items] : text_set.items) {
    auto& group = static_cast<widgets::RadioGroup&>(ControlNamed(window, name));
    std::vector<std::string> items = group.Items();
    std::copy(leading_items.begin(), leading_items.end(), items.begin());
    group.SetItems(items);
  }
  ControlNamed(window, "SignatureLabel").SetCaption(text_set.credits);
  named = text_set.named;
}

}  // namespace ui_text
