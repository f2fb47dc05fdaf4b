// How error messages quote the text they complain about.
#pragma once

#include <string>
#include <string_view>

namespace cli {

inline constexpr std::size_t kExcerptCharacters = 60;
// Enough bytes of a text's start to quote it: 60 characters of up to 4 bytes, and one more.
inline constexpr std::size_t kExcerptBytes = kExcerptCharacters * 4 + 1;

// 'TEXT' in single quotes: at most 60 characters, then "..." when the text
// goes on (beyond head, or `longer`). Control characters, bidirectional
// controls and bytes that are not UTF-8 are written as \xHH, a byte at a
// time, so no input can drive the terminal.
std::string quotedExcerpt(std::string_view head, bool longer = false);

} // namespace cli
