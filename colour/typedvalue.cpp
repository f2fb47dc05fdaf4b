#include "colour/typedvalue.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace colour {

namespace {

    bool isBlank(char c)
    {
        return c == ' ' || c == '\t';
    }

    bool isDigit(char c)
    {
        return c >= '0' && c <= '9';
    }

} // namespace

std::optional<double> readNumber(std::string_view text)
{
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;

    // Check the whole form first; from_chars would stop at the first stray character.
    std::size_t i = begin;
    bool negative = false;
    if (i < end && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    const std::size_t mantissa = i;
    // Decimal position of the leading significant digit, to tell overflow from underflow.
    long long magnitude = 0;
    bool significant = false;
    std::size_t digits = 0;
    for (; i < end && isDigit(text[i]); ++i, ++digits) {
        significant = significant || text[i] != '0';
        if (significant)
            ++magnitude;
    }
    if (i < end && text[i] == '.') {
        for (++i; i < end && isDigit(text[i]); ++i, ++digits) {
            if (!significant && text[i] == '0')
                --magnitude;
            significant = significant || text[i] != '0';
        }
    }
    if (digits == 0)
        return std::nullopt;
    long long exponent = 0;
    if (i < end && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        bool negativeExponent = false;
        if (i < end && (text[i] == '+' || text[i] == '-')) {
            negativeExponent = text[i] == '-';
            ++i;
        }
        if (i == end || !isDigit(text[i]))
            return std::nullopt;
        for (; i < end && isDigit(text[i]); ++i) {
            if (exponent < 1'000'000'000)
                exponent = exponent * 10 + (text[i] - '0');
        }
        if (negativeExponent)
            exponent = -exponent;
    }
    if (i != end)
        return std::nullopt;

    double value = 0;
    const auto [ptr, ec] = std::from_chars(text.data() + mantissa, text.data() + end, value);
    if (ec == std::errc::result_out_of_range) {
        value = magnitude + exponent > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    } else if (ec != std::errc() || ptr != text.data() + end) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

std::optional<int> toInteger16(double value)
{
    if (!(value >= -32768.5 && value <= 32767.5))
        return std::nullopt;
    const double floor = std::floor(value);
    const double fraction = value - floor; // exact in this range
    double whole = floor;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(floor, 2.0) != 0.0))
        whole += 1;
    if (whole < -32768 || whole > 32767)
        return std::nullopt;
    return static_cast<int>(whole);
}

std::optional<int> readInteger16(std::string_view text)
{
    const std::optional<double> value = readNumber(text);
    if (!value)
        return std::nullopt;
    return toInteger16(*value);
}

TypedChannel readTypedChannel(std::string_view text)
{
    using Verdict = TypedChannel::Verdict;
    const std::optional<double> value = readNumber(text);
    if (!value)
        return { Verdict::NotNumeric, 0 };
    if (*value < 0 || *value > 255)
        return { Verdict::OutOfRange, 0 };
    return { Verdict::Accepted, *toInteger16(*value) };
}

} // namespace colour
