#include "view_checks.h"

#include <optional>
#include <sstream>

#include "gui_support.h"
#include "widgets/check_box.h"
#include "widgets/edit.h"
#include "widgets/radio_button.h"
#include "widgets/static_controls.h"
#include "widgets/win32/dpi.h"

namespace wine_tests {
namespace {

using widgets::Kind;

void AddControls(const widgets::Control& control, std::vector<widgets::Control*>& controls) {
  for (widgets::Control* child : control.Children()) {
    controls.push_back(child);
    AddControls(*child, controls);
  }
}

bool EffectivelyEnabled(const widgets::Control& control) {
  for (const widgets::Control* c = &control; c != nullptr; c = c->Parent()) {
    if (!c->Enabled())
      return false;
  }
  return true;
}

std::string Describe(const RECT& r) {
  std::ostringstream text;
  text << "(" << r.left << ", " << r.top << ", " << r.right - r.left << " x " << r.bottom - r.top
       << ")";
  return text.str();
}

// What the label's font needs for the caption on one line.
int CaptionWidth(HWND label, const std::string& caption) {
  if (label == nullptr)
    return 0;
  HDC dc = ::GetDC(label);
  HGDIOBJ previous =
      ::SelectObject(dc, reinterpret_cast<HFONT>(::SendMessageA(label, WM_GETFONT, 0, 0)));
  RECT extent{};
  ::DrawTextA(dc, caption.c_str(), -1, &extent, DT_CALCRECT | DT_SINGLELINE);
  ::SelectObject(dc, previous);
  ::ReleaseDC(label, dc);
  return extent.right;
}

class Mismatches {
 public:
  void Expect(bool holds, const std::string& control, const std::string& what) {
    if (!holds)
      text_ << "\n  " << control << ": " << what;
  }
  ::testing::AssertionResult Result() const {
    if (text_.str().empty())
      return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "native controls differ from the model:" << text_.str();
  }

 private:
  std::ostringstream text_;
};

void CheckNative(Mismatches& mismatches, const widgets::win32::Win32View& view, HWND native,
                 const std::string& name, const widgets::Bounds& model_bounds, bool enabled,
                 const std::optional<std::string>& text, std::optional<bool> checked,
                 std::optional<int> width = std::nullopt) {
  if (native == nullptr) {
    mismatches.Expect(false, name, "has no native control");
    return;
  }
  widgets::Bounds expected = widgets::win32::Scale(model_bounds, view.Dpi());
  if (width)
    expected.width = *width;
  const RECT actual = RectIn(native, view.Handle());
  mismatches.Expect(actual.left == expected.left && actual.top == expected.top &&
                        actual.right - actual.left == expected.width &&
                        actual.bottom - actual.top == expected.height,
                    name,
                    "native bounds " + Describe(actual) + " instead of (" +
                        std::to_string(expected.left) + ", " + std::to_string(expected.top) + ", " +
                        std::to_string(expected.width) + " x " + std::to_string(expected.height) +
                        ")");
  mismatches.Expect((::IsWindowEnabled(native) != FALSE) == enabled, name,
                    enabled ? "natively disabled" : "natively enabled");
  mismatches.Expect(::IsWindowVisible(native) != FALSE, name, "not visible");
  if (text)
    mismatches.Expect(TextOf(native) == *text, name, "native text \"" + TextOf(native) + "\"");
  if (checked) {
    const bool native_checked = ::SendMessageA(native, BM_GETCHECK, 0, 0) == BST_CHECKED;
    mismatches.Expect(native_checked == *checked, name,
                      *checked ? "natively unchecked" : "natively checked");
  }
}

}  // namespace

std::vector<widgets::Control*> AllControls(const widgets::Window& window) {
  std::vector<widgets::Control*> controls;
  AddControls(window, controls);
  return controls;
}

::testing::AssertionResult NativesMirrorModel(const widgets::win32::Win32View& view,
                                              const widgets::Window& window) {
  Mismatches mismatches;
  mismatches.Expect(TextOf(view.Handle()) == window.Caption(), window.Name(),
                    "caption \"" + TextOf(view.Handle()) + "\"");
  for (widgets::Control* control : AllControls(window)) {
    const bool enabled = EffectivelyEnabled(*control);
    const HWND native = view.NativeOf(*control);
    switch (control->GetKind()) {
      case Kind::CheckBox:
        CheckNative(mismatches, view, native, control->Name(), control->WindowBounds(), enabled,
                    control->Caption(), static_cast<widgets::CheckBox*>(control)->Checked());
        break;
      case Kind::RadioButton:
        CheckNative(mismatches, view, native, control->Name(), control->WindowBounds(), enabled,
                    control->Caption(), static_cast<widgets::RadioButton*>(control)->Checked());
        break;
      case Kind::RadioGroup: {
        const auto& group = static_cast<const widgets::RadioGroup&>(*control);
        CheckNative(mismatches, view, native, control->Name(), control->WindowBounds(), enabled,
                    control->Caption(), std::nullopt);
        const widgets::Bounds origin = control->WindowBounds();
        for (int i = 0; i < static_cast<int>(group.Items().size()); ++i) {
          widgets::Bounds item = group.ItemBounds(i, widgets::win32::Win32View::kTextHeight);
          item.left += origin.left;
          item.top += origin.top;
          CheckNative(mismatches, view, view.ItemNativeOf(group, i),
                      control->Name() + " item " + std::to_string(i), item, enabled,
                      group.Items()[static_cast<std::size_t>(i)], group.ItemIndex() == i);
        }
        mismatches.Expect(
            view.ItemNativeOf(group, static_cast<int>(group.Items().size())) == nullptr,
            control->Name(), "has more native items than the model");
        break;
      }
      case Kind::Edit:
        CheckNative(mismatches, view, native, control->Name(), control->WindowBounds(), enabled,
                    static_cast<widgets::Edit*>(control)->Text(), std::nullopt);
        break;
      case Kind::Label:
        CheckNative(mismatches, view, native, control->Name(), control->WindowBounds(), enabled,
                    control->Caption(), std::nullopt,
                    static_cast<widgets::Label*>(control)->AutoSize()
                        ? std::optional<int>(CaptionWidth(native, control->Caption()))
                        : std::nullopt);
        break;
      case Kind::Button:
      case Kind::GroupBox:
        CheckNative(mismatches, view, native, control->Name(), control->WindowBounds(), enabled,
                    control->Caption(), std::nullopt);
        break;
      case Kind::Panel:
      case Kind::Image:
        CheckNative(mismatches, view, native, control->Name(), control->WindowBounds(), enabled,
                    std::nullopt, std::nullopt);
        break;
      case Kind::Window:
        break;
    }
  }
  return mismatches.Result();
}

}  // namespace wine_tests
