// The native face of a widgets::Window: a Win32 main window with a native control for every
// control of the model. The model decides every state: the view mirrors each change it is told
// of and turns native input into calls of the model's own setters, so a user's click and a
// program's change run the same handlers. A failure thrown by a handler is shown in the error
// box of the desktop.
//
// All native controls lie directly on the main window at their window-relative positions; the
// model keeps the parents. Sibling order is the Z order (the first lies on top), so frames lie
// at the bottom, edits at the top and the rest in between, each layer in the model's order with
// later controls over earlier ones; the keyboard follows the model's tab order instead.
#pragma once

#include <windows.h>

#include <exception>
#include <map>
#include <memory>
#include <vector>

#include "widgets/radio_group.h"
#include "widgets/win32/event_loop.h"
#include "widgets/win32/tooltips.h"
#include "widgets/win32/unique_gdi_object.h"
#include "widgets/win32/win32_desktop.h"
#include "widgets/window.h"

namespace widgets::win32 {

class Win32View final : public ControlObserver, public MainWindow {
 public:
  // Creates the native window, still hidden, and becomes the window's observer and the
  // desktop's main window. The layout is scaled to the screen's DPI, or to `dpi` where given.
  Win32View(Window& window, Win32Desktop& desktop);
  Win32View(Window& window, Win32Desktop& desktop, int dpi);
  ~Win32View() override;
  Win32View(const Win32View&) = delete;
  Win32View& operator=(const Win32View&) = delete;

  // Shows the window and gives the focus to the first control in tab order when none has it.
  void Show(int show_command);

  HWND Handle() const override { return main_; }
  bool HandleNavigationKey(const MSG& message) override;

  // The native control of `control` (for a radio group its frame); nullptr when it has none.
  HWND NativeOf(const Control& control) const;
  HWND ItemNativeOf(const RadioGroup& group, int index) const;
  HWND TooltipHandle() const { return tooltips_ ? tooltips_->Handle() : nullptr; }
  int Dpi() const { return dpi_; }

  void ControlChanged(Control& control) override;
  void FocusMoved(Control& control) override;
  void WindowClosed() override;

  // The text height that radio group items are laid out with.
  static constexpr int kTextHeight = 13;

 private:
  struct Native {
    Control* control;
    HWND handle;
    int item;  // the item of a radio group, -1 for the control itself
    Colour painted_colour;
  };

  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  static LRESULT CALLBACK ControlProc(HWND control, UINT message, WPARAM wparam, LPARAM lparam,
                                      UINT_PTR id, DWORD_PTR view);
  LRESULT HandleWindowMessage(UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT HandleControlMessage(HWND control, UINT message, WPARAM wparam, LPARAM lparam);
  void HandleCommand(HWND control, WORD notification);
  LRESULT HandleControlColour(HWND control, HDC dc, UINT message, WPARAM wparam, LPARAM lparam);
  void DrawPanel(const DRAWITEMSTRUCT& item);

  void CreateNatives(Control& control);
  void AddNative(Control& control, int item, const char* window_class, DWORD style,
                 DWORD extended_style, const Bounds& bounds);
  void ArrangeZOrder();
  void ShowPicture(const Native& native);

  void Sync(Control& control);
  void SyncNative(Native& native);
  void FitToCaption(HWND label, const std::string& caption);
  void SyncHints(Control& control);
  void FollowSelection(RadioGroup& group);

  // Input reaches the model only while the view is ready and no program is being waited for.
  bool TakesInput() const { return ready_ && !desktop_.Waiting(); }

  Native* Find(HWND handle);
  const Native* FindFirst(const Control& control) const;
  HWND FocusTarget(Control* control) const;
  void SetNativeFocus(HWND target);
  void RestoreFocus();
  void Close();

  // Runs a call into the model; a failure it throws is shown instead of leaving the view.
  template <typename Action>
  void Guarded(Action&& action) {
    try {
      action();
    } catch (const std::exception& failure) {
      desktop_.ShowError(failure.what());
    } catch (...) {
      desktop_.ShowError("Unexpected failure");
    }
  }

  static constexpr int kFirstId = 100;
  static constexpr UINT_PTR kSubclassId = 1;

  Window& window_;
  Win32Desktop& desktop_;
  int dpi_;
  HWND main_ = nullptr;
  UniqueFont font_;
  std::vector<Native> natives_;
  std::map<const Control*, std::size_t> first_native_;
  std::vector<UniqueBitmap> bitmaps_;
  std::unique_ptr<Tooltips> tooltips_;
  bool ready_ = false;
  // Set while the view itself moves the focus: a radio button that gains the focus that way
  // reports a click, which must not select it.
  bool moving_focus_ = false;
  HWND pressed_edit_ = nullptr;
};

}  // namespace widgets::win32
