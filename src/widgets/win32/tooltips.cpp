#include "widgets/win32/tooltips.h"

#include <commctrl.h>

namespace widgets::win32 {

Tooltips::Tooltips(HWND owner, int max_width)
    : owner_(owner),
      tooltip_(::CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                                 WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                 CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                                 ::GetModuleHandleA(nullptr), nullptr)) {
  ::SendMessageA(tooltip_, TTM_SETDELAYTIME, TTDT_AUTOPOP, kShowMilliseconds);
  // Long hints wrap at the maximum width instead of running off the screen as one line.
  ::SendMessageA(tooltip_, TTM_SETMAXTIPWIDTH, 0, max_width);
}

void Tooltips::SetWindowHint(HWND tool, const std::string& text) {
  TTTOOLINFOA info{};
  info.cbSize = sizeof info;
  info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  info.hwnd = owner_;
  info.uId = reinterpret_cast<UINT_PTR>(tool);
  SetHint(info, text);
}

void Tooltips::SetAreaHint(UINT_PTR id, const RECT& area, const std::string& text) {
  TTTOOLINFOA info{};
  info.cbSize = sizeof info;
  info.uFlags = TTF_SUBCLASS;
  info.hwnd = owner_;
  info.uId = id;
  info.rect = area;
  SetHint(info, text);
}

void Tooltips::SetHint(TTTOOLINFOA& tool, const std::string& text) {
  if (tooltip_ == nullptr)
    return;
  TTTOOLINFOA existing = tool;
  const bool present =
      ::SendMessageA(tooltip_, TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&existing)) != FALSE;
  if (text.empty()) {
    if (present)
      ::SendMessageA(tooltip_, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    return;
  }
  tool.lpszText = const_cast<char*>(text.c_str());
  ::SendMessageA(tooltip_, present ? TTM_UPDATETIPTEXTA : TTM_ADDTOOLA, 0,
                 reinterpret_cast<LPARAM>(&tool));
}

}  // namespace widgets::win32
