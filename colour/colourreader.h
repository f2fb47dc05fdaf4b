// Reading a colour written as text, one piece at a time.
#pragma once

#include "colour/colournumber.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace colour {

// Accepts, with blanks (space, tab) before and after:
//   a colour number 0..16777215 in decimal          6060706
//   a Hexa VB literal, 1 to 6 hex digits, final & optional, either case   &H5C7AA2&
//   an HTML colour with exactly 6 hex digits        #A27A5C
//   three channels 0..255, blanks around each       162, 122, 92
// The text may arrive in any number of pieces and be of any length; the
// reader keeps a few numbers, never the text itself.
class ColourReader {
public:
    enum class Kind { Blank, Colour, NotColour };
    struct Result {
        Kind kind = Kind::Blank;
        ColourNumber colour = 0; // when kind is Colour

        friend bool operator==(const Result&, const Result&) = default;
    };

    void feed(std::string_view piece);
    // The verdict on everything fed since the last reset.
    Result result() const;
    void reset();

    // The whole text at once.
    static Result read(std::string_view text);

private:
    enum class State : std::uint8_t {
        Start,
        Decimal,
        AfterDecimal,
        BeforeChannel,
        Ampersand,
        HexaVb,
        Html,
        Trailing,
        Bad
    };
    void endChannel();

    State m_state = State::Start;
    int m_channel = 0; // which of red, green, blue the decimal number is
    std::uint32_t m_value = 0; // the number being read, capped just above any valid value
    std::uint32_t m_red = 0;
    std::uint32_t m_green = 0;
    int m_hexDigits = 0;
};

} // namespace colour
