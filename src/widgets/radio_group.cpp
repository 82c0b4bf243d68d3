#include "widgets/radio_group.h"

namespace widgets {

RadioGroup::RadioGroup(std::string name, Control* parent, Bounds bounds,
                       std::vector<std::string> items, int columns)
    : Control(Kind::RadioGroup, std::move(name), parent, bounds),
      items_(std::move(items)),
      columns_(columns) {}

void RadioGroup::SetItems(const std::vector<std::string>& items) {
  if (items_ == items)
    return;
  items_ = items;
  NotifyChanged();
}

void RadioGroup::SetItemIndex(int index) {
  if (index < -1 || index >= static_cast<int>(items_.size()) || index == item_index_)
    return;
  item_index_ = index;
  NotifyChanged();
  if (index >= 0 && OnClick)
    OnClick();
}

void RadioGroup::ClickItem(int index) {
  if (!Usable())
    return;
  SetFocus();
  SetItemIndex(index);
}

// The items share the space below the caption evenly, column by column, as the classic form
// libraries lay them out.
Bounds RadioGroup::ItemBounds(int index, int text_height) const {
  const int count = static_cast<int>(items_.size());
  const int per_column = (count + columns_ - 1) / columns_;
  const int width = (GetBounds().width - 10) / columns_;
  const int space = GetBounds().height - text_height - 5;
  const int height = space / per_column;
  const int top_margin = text_height + 1 + (space % per_column) / 2;
  return {(index / per_column) * width + 8, (index % per_column) * height + top_margin, width,
          height};
}

void RadioGroup::FocusLeft() {
  if (OnExit)
    OnExit();
}

}  // namespace widgets
