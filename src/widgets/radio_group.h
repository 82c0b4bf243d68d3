#pragma once

#include <functional>
#include <string>
#include <vector>

#include "widgets/control.h"

namespace widgets {

// A framed group of radio items selected by index; -1 means no item.
class RadioGroup : public Control {
 public:
  RadioGroup(std::string name, Control* parent, Bounds bounds, std::vector<std::string> items,
             int columns = 1);

  const std::vector<std::string>& Items() const { return items_; }
  // Replaces the item texts; the selected index stays.
  void SetItems(const std::vector<std::string>& items);
  int Columns() const { return columns_; }
  int ItemIndex() const { return item_index_; }
  // Runs OnClick when the index changes to an item, not when it becomes -1.
  void SetItemIndex(int index);
  // The user clicks item `index`: the group takes the focus and the item becomes selected.
  void ClickItem(int index);

  // Where item `index` lies inside the group, for a font whose text height is `text_height`.
  Bounds ItemBounds(int index, int text_height) const;

  void FocusLeft() override;

  std::function<void()> OnClick;
  std::function<void()> OnExit;

 private:
  std::vector<std::string> items_;
  int columns_;
  int item_index_ = -1;
};

}  // namespace widgets
