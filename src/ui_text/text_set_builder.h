// Text sets are written in the source as UTF-8; building one converts every text once.
#pragma once

#include "ui_text/text_set.h"

namespace ui_text {

TextSet BuildTextSet(TextSet utf8_texts);

}  // namespace ui_text
