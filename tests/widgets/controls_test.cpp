#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "widgets/button.h"
#include "widgets/check_box.h"
#include "widgets/edit.h"
#include "widgets/radio_button.h"
#include "widgets/radio_group.h"
#include "widgets/static_controls.h"
#include "widgets/window.h"

namespace widgets {
namespace {

// Records which handlers ran, in order.
struct Log {
  std::vector<std::string> entries;
  std::function<void()> Record(std::string entry) {
    return [this, entry] { entries.push_back(entry); };
  }
};

struct CountingObserver : ControlObserver {
  std::vector<std::string> changed;
  std::vector<std::string> focused;
  int closed = 0;
  void ControlChanged(Control& control) override { changed.push_back(control.Name()); }
  void FocusMoved(Control& control) override { focused.push_back(control.Name()); }
  void WindowClosed() override { ++closed; }
};

TEST(CheckBox, RunsItsHandlerOnEveryChangeAndOnlyThen) {
  Window window("Form", {0, 0, 100, 100});
  CheckBox box("Box", &window, {});
  Log log;
  box.OnClick = log.Record("click");
  box.SetChecked(false);
  box.SetChecked(true);
  box.SetChecked(true);
  box.Click();
  EXPECT_FALSE(box.Checked());
  EXPECT_EQ(log.entries.size(), 2u);
  EXPECT_TRUE(box.Focused());
}

TEST(RadioButton, CheckingUnchecksSiblingsWithoutTheirHandlers) {
  Window window("Form", {0, 0, 100, 100});
  GroupBox group("Group", &window, {});
  RadioButton first("First", &group, {});
  RadioButton second("Second", &group, {});
  RadioButton elsewhere("Elsewhere", &window, {});
  Log log;
  first.OnClick = log.Record("first");
  second.OnClick = log.Record("second");
  elsewhere.OnClick = log.Record("elsewhere");
  first.SetChecked(true);
  elsewhere.SetChecked(true);
  second.SetChecked(true);
  EXPECT_FALSE(first.Checked());
  EXPECT_TRUE(second.Checked());
  EXPECT_TRUE(elsewhere.Checked());  // another parent, another set
  second.SetChecked(true);
  second.SetChecked(false);
  EXPECT_EQ(log.entries, (std::vector<std::string>{"first", "elsewhere", "second"}));
}

TEST(RadioGroup, RunsItsHandlerWhenTheIndexChangesToAnItem) {
  Window window("Form", {0, 0, 100, 100});
  RadioGroup group("Group", &window, {}, {"a", "b", "c"});
  Log log;
  group.OnClick = [&] { log.entries.push_back(std::to_string(group.ItemIndex())); };
  group.SetItemIndex(1);
  group.SetItemIndex(1);
  group.SetItemIndex(-1);
  group.SetItemIndex(5);
  group.SetItemIndex(2);
  EXPECT_EQ(log.entries, (std::vector<std::string>{"1", "2"}));
  group.SetItems({"x", "y", "z"});
  EXPECT_EQ(group.ItemIndex(), 2);
}

TEST(RadioGroup, LaysItemsOutEvenlyBelowTheCaption) {
  Window window("Form", {0, 0, 800, 600});
  RadioGroup languages("Languages", &window, {16, 8, 105, 288},
                       {"1", "2", "3", "4", "5", "6", "7", "8", ""});
  const Bounds ninth = languages.ItemBounds(8, 13);
  EXPECT_EQ(ninth.left, 8);
  EXPECT_EQ(ninth.top, 254);
  EXPECT_EQ(ninth.width, 95);
  EXPECT_EQ(ninth.height, 30);
  RadioGroup two_columns("Lex", &window, {8, 160, 305, 57}, {"a", "b", "c", "d"}, 2);
  EXPECT_EQ(two_columns.ItemBounds(3, 13).left, 8 + 147);
  EXPECT_EQ(two_columns.ItemBounds(3, 13).top, 14 + 19);
}

TEST(Edit, RunsChangeOnNewTextAndExitWhenFocusLeaves) {
  Window window("Form", {0, 0, 100, 100});
  Edit name("Name", &window, {});
  Edit other("Other", &window, {});
  window.SetTabOrder({&name, &other});
  Log log;
  name.OnChange = log.Record("change");
  name.OnEnter = log.Record("enter");
  name.OnExit = log.Record("exit");
  name.OnClick = log.Record("click");
  name.SetText("Welsh");
  name.SetText("Welsh");
  name.Click();
  name.SetFocus();
  name.LeaveFocus();
  EXPECT_TRUE(other.Focused());
  EXPECT_EQ(log.entries, (std::vector<std::string>{"change", "enter", "click", "exit"}));
}

TEST(Window, TabSkipsDisabledControlsAndControlsInsideDisabledParents) {
  Window window("Form", {0, 0, 100, 100});
  Edit first("First", &window, {});
  GroupBox box("Box", &window, {});
  CheckBox inside("Inside", &box, {});
  Edit disabled("Disabled", &window, {});
  Button last("Last", &window, {});
  window.SetTabOrder({&first, &inside, &disabled, &last});
  disabled.SetEnabled(false);
  EXPECT_EQ(window.NextInTabOrder(&first, true), &inside);
  box.SetEnabled(false);
  EXPECT_EQ(window.NextInTabOrder(&first, true), &last);
  EXPECT_EQ(window.NextInTabOrder(&last, true), &first);
  EXPECT_EQ(window.NextInTabOrder(&first, false), &last);
}

TEST(Window, TellsTheObserverOfChangesFocusAndClosing) {
  Window window("Form", {0, 0, 100, 100});
  CheckBox box("Box", &window, {});
  CountingObserver observer;
  window.SetObserver(&observer);
  box.SetChecked(true);
  box.SetEnabled(false);
  box.SetEnabled(false);
  box.SetCaption("text");
  box.SetFocus();
  EXPECT_EQ(observer.changed, (std::vector<std::string>{"Box", "Box", "Box"}));
  EXPECT_EQ(observer.focused, (std::vector<std::string>{"Box"}));
  bool allowed = false;
  window.OnCloseQuery = [&] { return allowed; };
  window.Close();
  EXPECT_FALSE(window.IsClosed());
  allowed = true;
  window.Close();
  window.Close();
  EXPECT_TRUE(window.IsClosed());
  EXPECT_EQ(observer.closed, 1);
  box.SetChecked(false);  // a closed window's view is gone and hears nothing more
  EXPECT_EQ(observer.changed.size(), 3u);
}

TEST(Control, KnowsItsPositionInTheWindow) {
  Window window("Form", {6, 20, 790, 553});
  GroupBox box("Box", &window, {472, 120, 297, 169});
  CheckBox inside("Inside", &box, {10, 60, 273, 17});
  EXPECT_EQ(inside.WindowBounds().left, 482);
  EXPECT_EQ(inside.WindowBounds().top, 180);
  EXPECT_EQ(&inside.Root(), &window);
}

}  // namespace
}  // namespace widgets
