// The toolkit-neutral model of one control of the window. Controls follow the event rules of the
// classic Windows form libraries: a handler runs on every change of its control's state, whether
// the user or the program made it, and setting a state the control already has runs nothing.
// A view (the Win32 one, or none in tests) observes the controls and mirrors them natively.
#pragma once

#include <string>
#include <vector>

namespace widgets {

struct Bounds {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

enum class Colour { Window, ButtonFace };

enum class Kind {
  Window,
  CheckBox,
  RadioButton,
  RadioGroup,
  Edit,
  Label,
  Button,
  GroupBox,
  Panel,
  Image
};

class Control;
class Window;

// Implemented by a view: told when a control's state changed so it can mirror it natively.
class ControlObserver {
 public:
  virtual ~ControlObserver() = default;
  virtual void ControlChanged(Control& control) = 0;
  virtual void FocusMoved(Control& control) = 0;
  virtual void WindowClosed() = 0;
};

class Control {
 public:
  Control(Kind kind, std::string name, Control* parent, Bounds bounds);
  virtual ~Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  Kind GetKind() const { return kind_; }
  const std::string& Name() const { return name_; }
  Control* Parent() const { return parent_; }
  const std::vector<Control*>& Children() const { return children_; }
  const Bounds& GetBounds() const { return bounds_; }
  // Bounds relative to the window's client area rather than to the parent.
  Bounds WindowBounds() const;

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  // Enabled, and so are all its parents: the user can reach it.
  bool Usable() const;
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& hint);

  // Gives this control the keyboard focus; the control that had it runs its exit handler.
  void SetFocus();
  bool Focused() const;

  Window& Root();

  // Run by the window when the keyboard focus leaves or enters this control.
  virtual void FocusLeft() {}
  virtual void FocusEntered() {}

 protected:
  void NotifyChanged();

 private:
  Kind kind_;
  std::string name_;
  Control* parent_;
  std::vector<Control*> children_;
  Bounds bounds_;
  bool enabled_ = true;
  std::string caption_;
  std::string hint_;
};

}  // namespace widgets
