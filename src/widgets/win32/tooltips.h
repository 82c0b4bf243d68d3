// The window's one tooltip control. A hint stays 20 seconds. Tools are native child windows, or
// rectangles of the main window for the parts of a control that let the mouse through (the
// frame of a radio group).
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>

namespace widgets::win32 {

class Tooltips {
 public:
  Tooltips(HWND owner, int max_width);
  Tooltips(const Tooltips&) = delete;
  Tooltips& operator=(const Tooltips&) = delete;

  HWND Handle() const { return tooltip_; }

  // Shows `text` for the window `tool`; an empty text removes its hint.
  void SetWindowHint(HWND tool, const std::string& text);
  // Shows `text` over `area` of the owner window; `id` names the area.
  void SetAreaHint(UINT_PTR id, const RECT& area, const std::string& text);

  static constexpr int kShowMilliseconds = 20000;

 private:
  void SetHint(TTTOOLINFOA& tool, const std::string& text);

  HWND owner_;
  HWND tooltip_;
};

}  // namespace widgets::win32
