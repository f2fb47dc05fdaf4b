// Reading numbers typed by the user into the channel boxes.
#pragma once

#include <optional>
#include <string_view>

namespace colour {

// A number as the user may type it: optional blanks, an optional sign,
// decimal digits with an optional '.' and fraction, an optional exponent
// (e or E, optional sign, digits), optional blanks. Nothing else: no
// letters, no thousands separators, no hexadecimal prefixes.
std::optional<double> readNumber(std::string_view text);

// A real converted to a 16-bit integer: nearest whole number, halves to the
// even neighbour (2.5 -> 2, 3.5 -> 4); nullopt outside -32768 .. 32767.
std::optional<int> toInteger16(double value);

// readNumber followed by toInteger16.
std::optional<int> readInteger16(std::string_view text);

// The verdict on a typed channel value.
struct TypedChannel {
    enum class Verdict { Accepted, NotNumeric, OutOfRange };
    Verdict verdict = Verdict::NotNumeric;
    int value = 0; // 0..255 when accepted
};

// Accepted when the text is a number in 0..255 (both inclusive); the value
// is then the number rounded as toInteger16 does (12.5 -> 12, 13.5 -> 14).
TypedChannel readTypedChannel(std::string_view text);

} // namespace colour
