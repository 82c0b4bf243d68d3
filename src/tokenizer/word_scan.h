// Finds where a run of word bytes outside a markup tag ends: at a blank, a line end, an angle
// bracket, "!", ";", "?" or the ellipsis 0x85. The first pass of the tokenizer spends most of its
// time here, so sixteen bytes are tested at once where the processor allows it.
#pragma once

#include <bit>
#include <cstddef>
#include <string_view>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace tokenizer {

inline constexpr char kWordStops[10] = {' ', '\t', '\r', '\n', '<', '>', '!', ';', '?', '\x85'};

inline bool IsWordStop(char c) {
  for (char stop : kWordStops) {
    if (c == stop)
      return true;
  }
  return false;
}

// The place of the first stop at or after `i`, or the size of `text`.
inline std::size_t FindWordStop(std::string_view text, std::size_t i) {
#if defined(__SSE2__)
  for (; i + 16 <= text.size(); i += 16) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + i));
    // Written out, so that no build leaves a loop over the stops in this one.
    const auto is = [bytes](int i) { return _mm_cmpeq_epi8(bytes, _mm_set1_epi8(kWordStops[i])); };
    const __m128i stops = _mm_or_si128(
        _mm_or_si128(_mm_or_si128(is(0), is(1)), _mm_or_si128(is(2), is(3))),
        _mm_or_si128(_mm_or_si128(_mm_or_si128(is(4), is(5)), _mm_or_si128(is(6), is(7))),
                     _mm_or_si128(is(8), is(9))));
    const auto found = static_cast<unsigned>(_mm_movemask_epi8(stops));
    if (found != 0)
      return i + static_cast<std::size_t>(std::countr_zero(found));
  }
#endif
  while (i < text.size() && !IsWordStop(text[i]))
    ++i;
  return i;
}

}  // namespace tokenizer
