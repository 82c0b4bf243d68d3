// The two flag pictures of the main window as baseline JFIF bytes, 25 x 15 pixels each.
#pragma once

#include <string_view>

namespace assets {

std::string_view GermanFlagJpeg();
std::string_view UnionFlagJpeg();

}  // namespace assets
