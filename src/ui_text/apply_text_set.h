#pragma once

#include "ui_text/text_set.h"
#include "widgets/window.h"

namespace ui_text {

// Replaces the window caption, every caption, hint and radio item of the set, the credits of the
// label named "SignatureLabel", and `named`. Nothing else changes: no handler runs, selections,
// check states, enabled states, colours and edit texts stay.
void ApplyTextSet(const TextSet& text_set, widgets::Window& window, NamedTexts& named);

}  // namespace ui_text
