// Stepping through UTF-8 text one character at a time.
#pragma once

#include <cstddef>
#include <string_view>

namespace colour {

// Bytes taken by the character at the start of text: the length of a
// well-formed UTF-8 sequence, or 1 for a byte that does not start one (so
// malformed input still advances, one byte counting as one character).
// text must not be empty.
std::size_t utf8CharLength(std::string_view text);

} // namespace colour
