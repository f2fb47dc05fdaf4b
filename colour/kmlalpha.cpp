#include "colour/kmlalpha.h"

#include "colour/notationwriter.h"
#include "colour/utf8.h"

namespace colour {

std::optional<std::string> withKmlAlpha(std::string_view boxText, int alpha)
{
    // Only lengths 6 and 8 matter, so stop counting at 9.
    std::size_t characters = 0;
    std::size_t afterSecond = 0;
    for (std::size_t offset = 0; offset < boxText.size() && characters < 9; ++characters) {
        offset += utf8CharLength(boxText.substr(offset));
        if (characters == 1)
            afterSecond = offset;
    }
    if (characters != 6 && characters != 8)
        return std::nullopt;

    char digits[2];
    writeKmlAlpha(digits, alpha);
    std::string result(digits, sizeof digits);
    result += characters == 8 ? boxText.substr(afterSecond) : boxText;
    return result;
}

} // namespace colour
