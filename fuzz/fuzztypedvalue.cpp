// Numbers typed into a channel box.
#include "colour/typedvalue.h"
#include "fuzz/fuzzcheck.h"

#include <cmath>
#include <cstdlib>
#include <string>

using namespace colour;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::optional<double> number = readNumber(text);
    const TypedChannel channel = readTypedChannel(text);
    const std::optional<int> integer = readInteger16(text);

    const std::size_t begin = std::min(text.find_first_not_of(" \t"), text.size());
    const std::size_t end = text.find_last_not_of(" \t") + 1;
    const std::string trimmed(text.substr(begin, end > begin ? end - begin : 0));
    const bool plainCharacters
        = !trimmed.empty() && trimmed.find_first_not_of("0123456789+-.eE") == std::string::npos;

    if (!number) {
        FUZZ_CHECK(channel.verdict == TypedChannel::Verdict::NotNumeric);
        FUZZ_CHECK(!integer);
        // The C library reads decimal numbers made of these characters just as we do.
        if (plainCharacters) {
            char* stop = nullptr;
            std::strtod(trimmed.c_str(), &stop);
            FUZZ_CHECK(stop != trimmed.c_str() + trimmed.size());
        }
        return 0;
    }

    FUZZ_CHECK(plainCharacters);
    char* stop = nullptr;
    const double reference = std::strtod(trimmed.c_str(), &stop);
    FUZZ_CHECK(stop == trimmed.c_str() + trimmed.size());
    FUZZ_CHECK(reference == *number);

    const std::optional<int> rounded = toInteger16(*number);
    FUZZ_CHECK(integer == rounded);
    if (rounded) {
        const double distance = std::fabs(*number - *rounded);
        FUZZ_CHECK(distance <= 0.5);
        FUZZ_CHECK(distance < 0.5 || *rounded % 2 == 0);
        FUZZ_CHECK(*rounded >= -32768 && *rounded <= 32767);
    }
    if (*number >= 0 && *number <= 255) {
        FUZZ_CHECK(channel.verdict == TypedChannel::Verdict::Accepted);
        FUZZ_CHECK(
            rounded && channel.value == *rounded && channel.value >= 0 && channel.value <= 255);
    } else {
        FUZZ_CHECK(channel.verdict == TypedChannel::Verdict::OutOfRange);
    }
    return 0;
}
