#include "colour/colourreader.h"

#include <array>

namespace colour {

namespace {

    enum class CharClass : std::uint8_t {
        Other,
        Blank,
        Digit,
        HexLetter,
        Ampersand,
        Hash,
        Comma,
        LetterH
    };

    constexpr std::array<CharClass, 256> makeClasses()
    {
        std::array<CharClass, 256> table {};
        table[' '] = table['\t'] = CharClass::Blank;
        for (int c = '0'; c <= '9'; ++c)
            table[c] = CharClass::Digit;
        for (int c = 'a'; c <= 'f'; ++c)
            table[c] = table[c - 'a' + 'A'] = CharClass::HexLetter;
        table['&'] = CharClass::Ampersand;
        table['#'] = CharClass::Hash;
        table[','] = CharClass::Comma;
        table['H'] = table['h'] = CharClass::LetterH;
        return table;
    }

    constexpr std::array<CharClass, 256> kClasses = makeClasses();
    constexpr std::uint32_t kCap = kMaxColourNumber + 1;

    // HTML digits run red, green, blue; the colour number has red in its lowest byte.
    std::uint32_t fromHtml(std::uint32_t rrggbb)
    {
        return (rrggbb >> 16) | (rrggbb & 0xFF00) | (rrggbb & 0xFF) << 16;
    }

    std::uint32_t hexValue(char c)
    {
        return c <= '9' ? std::uint32_t(c - '0') : std::uint32_t((c | 0x20) - 'a' + 10);
    }

} // namespace

void ColourReader::endChannel()
{
    if (m_channel == 2 || m_value > 255) {
        m_state = State::Bad;
        return;
    }
    (m_channel == 0 ? m_red : m_green) = m_value;
    ++m_channel;
    m_value = 0;
    m_state = State::BeforeChannel;
}

void ColourReader::feed(std::string_view piece)
{
    for (const char c : piece) {
        const CharClass cls = kClasses[static_cast<unsigned char>(c)];
        switch (m_state) {
        case State::Start:
            if (cls == CharClass::Digit) {
                m_value = std::uint32_t(c - '0');
                m_state = State::Decimal;
            } else if (cls == CharClass::Ampersand) {
                m_state = State::Ampersand;
            } else if (cls == CharClass::Hash) {
                m_state = State::Html;
            } else if (cls != CharClass::Blank) {
                m_state = State::Bad;
            }
            break;
        case State::Decimal:
            if (cls == CharClass::Digit) {
                m_value = m_value * 10 + std::uint32_t(c - '0');
                if (m_value > kCap)
                    m_value = kCap;
            } else if (cls == CharClass::Blank) {
                m_state = State::AfterDecimal;
            } else if (cls == CharClass::Comma) {
                endChannel();
            } else {
                m_state = State::Bad;
            }
            break;
        case State::AfterDecimal:
            if (cls == CharClass::Comma)
                endChannel();
            else if (cls != CharClass::Blank)
                m_state = State::Bad;
            break;
        case State::BeforeChannel:
            if (cls == CharClass::Digit) {
                m_value = std::uint32_t(c - '0');
                m_state = State::Decimal;
            } else if (cls != CharClass::Blank) {
                m_state = State::Bad;
            }
            break;
        case State::Ampersand:
            m_state = cls == CharClass::LetterH ? State::HexaVb : State::Bad;
            break;
        case State::HexaVb:
        case State::Html:
            if (cls == CharClass::Digit || cls == CharClass::HexLetter) {
                if (m_hexDigits == 6) {
                    m_state = State::Bad;
                } else {
                    m_value = m_value << 4 | hexValue(c);
                    ++m_hexDigits;
                }
            } else if (m_state == State::HexaVb) {
                const bool closes = cls == CharClass::Ampersand || cls == CharClass::Blank;
                m_state = closes && m_hexDigits > 0 ? State::Trailing : State::Bad;
            } else if (cls == CharClass::Blank && m_hexDigits == 6) {
                m_value = fromHtml(m_value);
                m_state = State::Trailing;
            } else {
                m_state = State::Bad;
            }
            break;
        case State::Trailing:
            if (cls != CharClass::Blank)
                m_state = State::Bad;
            break;
        case State::Bad:
            return;
        }
    }
}

ColourReader::Result ColourReader::result() const
{
    const Result notColour { Kind::NotColour, 0 };
    switch (m_state) {
    case State::Start:
        return { Kind::Blank, 0 };
    case State::Decimal:
    case State::AfterDecimal:
        if (m_channel == 0)
            return m_value <= kMaxColourNumber ? Result { Kind::Colour, ColourNumber(m_value) }
                                               : notColour;
        if (m_channel == 2 && m_value <= 255)
            return { Kind::Colour, colourNumberOf(int(m_red), int(m_green), int(m_value)) };
        return notColour;
    case State::HexaVb:
        return m_hexDigits > 0 ? Result { Kind::Colour, ColourNumber(m_value) } : notColour;
    case State::Html:
        return m_hexDigits == 6 ? Result { Kind::Colour, ColourNumber(fromHtml(m_value)) }
                                : notColour;
    case State::Trailing:
        return { Kind::Colour, ColourNumber(m_value) };
    case State::BeforeChannel:
    case State::Ampersand:
    case State::Bad:
        return notColour;
    }
    return notColour;
}

void ColourReader::reset()
{
    *this = ColourReader();
}

ColourReader::Result ColourReader::read(std::string_view text)
{
    ColourReader reader;
    reader.feed(text);
    return reader.result();
}

} // namespace colour
