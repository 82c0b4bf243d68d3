// Controls that hold text or a picture and take no keyboard focus.
#pragma once

#include <functional>
#include <string>

#include "widgets/control.h"

namespace widgets {

class Label : public Control {
 public:
  Label(std::string name, Control* parent, Bounds bounds, bool word_wrap = false)
      : Control(Kind::Label, std::move(name), parent, bounds), word_wrap_(word_wrap) {}
  bool WordWrap() const { return word_wrap_; }
  // An auto-size label is as wide as its caption rather than its bounds, as the classic form
  // libraries make a label that is not of fixed size.
  bool AutoSize() const { return auto_size_; }
  void SetAutoSize(bool auto_size) {
    if (auto_size_ == auto_size)
      return;
    auto_size_ = auto_size;
    NotifyChanged();
  }

 private:
  bool word_wrap_;
  bool auto_size_ = false;
};

// A frame with a caption that parents other controls.
class GroupBox : public Control {
 public:
  GroupBox(std::string name, Control* parent, Bounds bounds)
      : Control(Kind::GroupBox, std::move(name), parent, bounds) {}
};

// A raised panel without caption that parents other controls.
class Panel : public Control {
 public:
  Panel(std::string name, Control* parent, Bounds bounds)
      : Control(Kind::Panel, std::move(name), parent, bounds) {}
};

// A picture stored as JPEG (JFIF) bytes.
class Image : public Control {
 public:
  Image(std::string name, Control* parent, Bounds bounds, std::string jpeg)
      : Control(Kind::Image, std::move(name), parent, bounds), jpeg_(std::move(jpeg)) {}
  const std::string& Jpeg() const { return jpeg_; }

  void Click() {
    if (OnClick)
      OnClick();
  }

  std::function<void()> OnClick;

 private:
  std::string jpeg_;
};

}  // namespace widgets
