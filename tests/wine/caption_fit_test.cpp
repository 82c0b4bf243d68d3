// Every caption, radio item and label of the real window is drawn whole and lies under no other
// control, at 96, 120 and 144 DPI, in English and in German. The texts are measured in the font
// of the native control that draws them; the check box of a check box or radio button takes the
// room that the system gives it at that DPI.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "app/vandrel_form.h"
#include "gui_support.h"
#include "support/temp_folder.h"
#include "utils/files.h"
#include "view_checks.h"
#include "widgets/win32/dpi.h"
#include "widgets/win32/win32_desktop.h"
#include "widgets/win32/win32_view.h"

namespace wine_tests {
namespace {

using widgets::Control;
using widgets::Kind;
using widgets::win32::Scale;
using widgets::win32::Win32View;

// Extents in the font of one native control.
class FontOf {
 public:
  explicit FontOf(HWND native) : native_(native), dc_(::GetDC(native)) {
    previous_ =
        ::SelectObject(dc_, reinterpret_cast<HFONT>(::SendMessageA(native, WM_GETFONT, 0, 0)));
    ::GetTextMetricsA(dc_, &metrics_);
  }
  ~FontOf() {
    ::SelectObject(dc_, previous_);
    ::ReleaseDC(native_, dc_);
  }
  FontOf(const FontOf&) = delete;
  FontOf& operator=(const FontOf&) = delete;

  int Width(const std::string& text) const {
    SIZE size{};
    ::GetTextExtentPoint32A(dc_, text.data(), static_cast<int>(text.size()), &size);
    return size.cx;
  }
  int Height() const { return metrics_.tmHeight; }
  // The height of `text` wrapped at `width`.
  int WrappedHeight(const std::string& text, int width) const {
    RECT area{0, 0, width, 0};
    ::DrawTextA(dc_, text.c_str(), -1, &area, DT_CALCRECT | DT_WORDBREAK);
    return area.bottom;
  }

 private:
  HWND native_;
  HDC dc_;
  HGDIOBJ previous_;
  TEXTMETRICA metrics_{};
};

// A piece of text as a control draws it, in the main window's client coordinates.
struct DrawnText {
  std::string owner;
  HWND native;
  RECT rect;
};

class CaptionLayout {
 public:
  CaptionLayout(const Win32View& view, const widgets::Window& window) : view_(view) {
    for (HWND child = ::GetWindow(view.Handle(), GW_CHILD); child != nullptr;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
      z_order_[child] = static_cast<int>(z_order_.size());
    }
    for (Control* control : AllControls(window))
      Add(*control);
  }

  // The controls whose caption does not fit, and the texts that another control covers or
  // that cross a frame.
  std::string Faults() const {
    std::ostringstream faults;
    faults << too_narrow_.str();
    for (const DrawnText& text : texts_) {
      for (const auto& [native, name] : natives_) {
        if (native == text.native)
          continue;
        const RECT area = RectIn(native, view_.Handle());
        RECT common{};
        if (frames_.count(native) != 0) {
          // A text inside a frame keeps clear of its lines and of its caption.
          const RECT inner{area.left + 2, area.top + frames_.at(native), area.right - 2,
                           area.bottom - 2};
          if (::IntersectRect(&common, &text.rect, &area) &&
              !(::IntersectRect(&common, &text.rect, &inner) && ::EqualRect(&common, &text.rect)))
            faults << "\n  " << text.owner << " crosses the lines of " << name;
        } else if (z_order_.at(native) < z_order_.at(text.native) &&
                   ::IntersectRect(&common, &text.rect, &area)) {
          faults << "\n  " << text.owner << " lies under " << name;
        }
      }
    }
    return faults.str();
  }

 private:
  void Add(Control& control) {
    HWND native = view_.NativeOf(control);
    if (native == nullptr)
      return;
    const std::string& caption = control.Caption();
    switch (control.GetKind()) {
      case Kind::CheckBox:
      case Kind::RadioButton:
        natives_[native] = control.Name();
        AddBoxCaption(control.Name(), native, caption);
        break;
      case Kind::RadioGroup: {
        AddFrame(control.Name(), native, caption);
        const auto& group = static_cast<const widgets::RadioGroup&>(control);
        for (int i = 0; i < static_cast<int>(group.Items().size()); ++i) {
          HWND item = view_.ItemNativeOf(group, i);
          const std::string name = control.Name() + " item " + std::to_string(i);
          natives_[item] = name;
          AddBoxCaption(name, item, group.Items()[static_cast<std::size_t>(i)]);
        }
        break;
      }
      case Kind::GroupBox:
        AddFrame(control.Name(), native, caption);
        break;
      case Kind::Label:
        natives_[native] = control.Name();
        AddLabel(control, native);
        break;
      case Kind::Button: {
        natives_[native] = control.Name();
        const RECT area = RectIn(native, view_.Handle());
        const FontOf font(native);
        const int width = font.Width(caption);
        Expect(control.Name(), width + 2 * Scale(4, view_.Dpi()), area.right - area.left);
        const int left = (area.left + area.right - width) / 2;
        AddText(control.Name(), native, {left, area.top, left + width, area.bottom});
        break;
      }
      case Kind::Edit:
      case Kind::Image:
        natives_[native] = control.Name();
        break;
      case Kind::Panel:
        frames_[native] = 0;
        natives_[native] = control.Name();
        break;
      case Kind::Window:
        break;
    }
  }

  // The system draws the check box 12 pixels wide at 96 DPI, scaled, plus one; the text follows
  // after half the width of a digit. A run
  // of blanks in a caption leaves room for a control that lies over it, so each run of words is
  // a text of its own.
  void AddBoxCaption(const std::string& name, HWND native, const std::string& caption) {
    const RECT area = RectIn(native, view_.Handle());
    const FontOf font(native);
    const int text_left = ::MulDiv(12, view_.Dpi(), 96) + 1 + font.Width("0") / 2;
    Expect(name, text_left + font.Width(caption), area.right - area.left);
    const int top = (area.top + area.bottom - font.Height()) / 2;
    std::size_t start = 0;
    while (start < caption.size()) {
      std::size_t end = caption.find("  ", start);
      if (end == std::string::npos)
        end = caption.size();
      if (end > start) {
        const int left = area.left + text_left + font.Width(caption.substr(0, start));
        AddText(name, native,
                {left, top, left + font.Width(caption.substr(start, end - start)),
                 top + font.Height()});
      }
      start = caption.find_first_not_of(' ', end);
    }
  }

  // A frame's caption lies on its top line, 7 pixels in.
  void AddFrame(const std::string& name, HWND native, const std::string& caption) {
    const RECT area = RectIn(native, view_.Handle());
    const FontOf font(native);
    frames_[native] = font.Height();
    natives_[native] = name;
    if (caption.empty())
      return;
    const int width = font.Width(caption);
    Expect(name, width + 2 * 8, area.right - area.left);
    AddText(name, native,
            {area.left + 8, area.top, area.left + 8 + width, area.top + font.Height()});
  }

  void AddLabel(const Control& label, HWND native) {
    const RECT area = RectIn(native, view_.Handle());
    const FontOf font(native);
    if (static_cast<const widgets::Label&>(label).WordWrap()) {
      const int height = font.WrappedHeight(label.Caption(), area.right - area.left);
      if (height > area.bottom - area.top) {
        too_narrow_ << "\n  " << label.Name() << " needs " << height << " pixels of height, has "
                    << area.bottom - area.top;
      }
      AddText(label.Name(), native, area);
      return;
    }
    const int width = font.Width(label.Caption());
    Expect(label.Name(), width, area.right - area.left);
    AddText(label.Name(), native,
            {area.left, area.top, area.left + width, area.top + font.Height()});
  }

  void AddText(const std::string& owner, HWND native, const RECT& rect) {
    if (rect.right > rect.left)
      texts_.push_back({owner, native, rect});
  }

  void Expect(const std::string& name, int needed, int width) {
    if (needed > width)
      too_narrow_ << "\n  " << name << " needs " << needed << " pixels, has " << width;
  }

  const Win32View& view_;
  std::map<HWND, int> z_order_;          // 0 lies on top
  std::map<HWND, std::string> natives_;  // every native control by its name
  std::map<HWND, int> frames_;           // frames and the height of their caption line
  std::vector<DrawnText> texts_;
  std::ostringstream too_narrow_;
};

class Installation {
 public:
  Installation() { utils::WriteWholeFile(folder_.File("vandrel.exe"), "MZ"); }
  std::string ProgramPath() const { return folder_.File("winvandrel.exe"); }

 private:
  test_support::TempFolder folder_;
};

TEST(CaptionFit, EveryTextIsWholeAndUncoveredAtEachDpiInBothLanguages) {
  const std::string previous_folder = utils::CurrentFolder();
  Installation installation;
  for (int dpi : {96, 120, 144}) {
    widgets::win32::Win32Desktop desktop("winvandrel");
    app::TVandrelForm form(desktop, installation.ProgramPath());
    ASSERT_TRUE(form.FormCreate());
    Win32View view(form, desktop, dpi);
    view.Show(SW_SHOWNORMAL);
    Pump(&view, 200);
    EXPECT_EQ(::SendMessageA(view.TooltipHandle(), TTM_GETMAXTIPWIDTH, 0, 0), Scale(400, dpi))
        << "hints wrap at a width scaled like the layout";
    for (const char* language : {"english", "german"}) {
      if (std::string(language) == "german")
        form.GermanImage.Click();
      Pump(&view, 100);
      EXPECT_EQ(CaptionLayout(view, form).Faults(), "") << language << " at " << dpi << " DPI";
      SaveScreenshot(view.Handle(), dpi == 96 ? "window-" + std::string(language) + ".bmp"
                                              : "window-" + std::string(language) + "-" +
                                                    std::to_string(dpi) + "dpi.bmp");
    }
  }
  utils::SetCurrentFolder(previous_folder);
}

}  // namespace
}  // namespace wine_tests
