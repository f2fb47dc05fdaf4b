// The KML alpha step on whatever the user typed into the KML box.
#include "colour/kmlalpha.h"
#include "fuzz/fuzzcheck.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1)
        return 0;
    // The first byte is the transparency, spread beyond 0..255 to try the clamping.
    const int transparency = (static_cast<int>(data[0]) - 64) * 2;
    const std::string_view box(reinterpret_cast<const char*>(data) + 1, size - 1);
    const std::optional<std::string> result = colour::withKmlAlpha(box, transparency);

    const int clamped = transparency < 0 ? 0 : (transparency > 255 ? 255 : transparency);
    const char hex[] = "0123456789abcdef";
    const std::string alpha { hex[clamped >> 4], hex[clamped & 0xF] };

    const long long characters = fuzz::codePoints(box);
    if (characters >= 0) {
        // Well-formed text: decided by characters, never cut inside one.
        FUZZ_CHECK(result.has_value() == (characters == 6 || characters == 8));
        if (result) {
            FUZZ_CHECK(fuzz::codePoints(*result) == 8);
            FUZZ_CHECK(result->substr(0, 2) == alpha);
            if (characters == 6)
                FUZZ_CHECK(result->substr(2) == box);
        }
    }
    if (result) {
        FUZZ_CHECK(result->size() >= 2 && result->substr(0, 2) == alpha);
        FUZZ_CHECK(box.ends_with(std::string_view(*result).substr(2)));
        FUZZ_CHECK(result->size() <= box.size() + 2);
    }
    return 0;
}
