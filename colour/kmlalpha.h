// The KML alpha step: putting the alpha byte in front of the KML box's text.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace colour {

// What the KML box should read after the alpha changed.
// A six-character text gets the alpha in front; an eight-character text has
// its first two characters replaced and keeps the rest exactly as typed.
// Any other length is left alone (nullopt): the user is editing the box.
// Lengths count characters, not bytes, so the text is taken as UTF-8 (a
// byte that starts no well-formed sequence counts as one character).
// The alpha is clamped into 0..255.
std::optional<std::string> withKmlAlpha(std::string_view boxText, int alpha);

} // namespace colour
