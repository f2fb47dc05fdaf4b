// The fuzz harnesses, one per parser; FUZZ_HARNESS names the one a program
// runs. Each checks the code against a reference written independently of it.
#undef NDEBUG // a failed property must stop the run in every build
#include "cli/excerpt.h"
#include "cli/linereader.h"
#include "cli/options.h"
#include "colour/kmlalpha.h"
#include "colour/notationwriter.h"
#include "colour/typedvalue.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

using colour::ColourReader;

namespace {

// The code points of well-formed UTF-8 text; nothing when it is not well-formed.
std::optional<std::u32string> decoded(std::string_view text)
{
    std::u32string codePoints;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length
            = lead < 0x80 ? 1 : (lead < 0xC0 ? 0 : 2 + (lead >= 0xE0) + (lead >= 0xF0));
        if (length == 0 || lead >= 0xF8 || i + length > text.size())
            return std::nullopt;
        char32_t cp = length == 1 ? lead : lead & (0x7F >> length);
        for (const char c : text.substr(i + 1, length - 1)) {
            if ((c & 0xC0) != 0x80)
                return std::nullopt;
            cp = cp << 6 | (c & 0x3F);
        }
        const char32_t shortest[] = { 0, 0, 0x80, 0x800, 0x10000 };
        if (cp < shortest[length] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return std::nullopt;
        codePoints += cp;
        i += length;
    }
    return codePoints;
}

// Well-formed UTF-8 without anything a terminal acts on: C0 and C1 controls,
// DEL, and the bidirectional embeddings, overrides and isolates.
bool safeToShow(std::string_view text)
{
    const auto steers = [](char32_t cp) {
        return cp < 0x20 || (cp >= 0x7F && cp <= 0x9F) || (cp >= 0x202A && cp <= 0x202E)
            || (cp >= 0x2066 && cp <= 0x2069);
    };
    const auto codePoints = decoded(text);
    return codePoints && std::none_of(codePoints->begin(), codePoints->end(), steers);
}

// A line passed on.
struct Seen {
    std::uint64_t number;
    ColourReader::Result result;
    std::string message; // what a bad line is reported with
    bool operator==(const Seen&) const = default;
};

struct Recorder : cli::LineSink {
    void line(const cli::Line& line) override
    {
        const bool bad = line.result.kind == ColourReader::Kind::NotColour;
        seen.push_back(
            { line.number, line.result, bad ? cli::quotedExcerpt(line.head, line.longer) : "" });
    }
    std::vector<Seen> seen;
};

} // namespace

namespace harness {

// The command line, its arguments NUL-separated: options, then each colour
// read, written back and read again, or quoted when it is not a colour.
void colourargument(std::string_view input)
{
    std::vector<std::string_view> args;
    for (std::size_t from = 0; from <= input.size();) {
        const std::size_t nul = std::min(input.find('\0', from), input.size());
        args.push_back(input.substr(from, nul - from));
        from = nul + 1;
    }
    const cli::Options options = cli::parseOptions(args);
    assert(safeToShow(options.error));
    if (!options.error.empty())
        return;
    assert(options.alpha >= 0 && options.alpha <= 255 && !(options.labels && options.kml));
    for (const std::string_view text : options.colours) {
        const ColourReader::Result result = ColourReader::read(text);
        if (result.kind == ColourReader::Kind::Colour) {
            char out[colour::kMaxNotationLength];
            for (const auto write : { colour::writeHexaVb, colour::writeHtml })
                assert(ColourReader::read(std::string_view(out, write(out, result.colour) - out))
                    == result);
        } else {
            const std::string quoted = cli::quotedExcerpt(text);
            // 60 characters of up to 4 bytes or escapes of up to 8, the quotes and "...".
            assert(safeToShow(quoted) && quoted.size() <= 2 + 60 * 8 + 3);
        }
    }
}

// Standard input: bytes in chunks of any size give the same lines, verdicts
// and messages as reading each line whole. Two bytes in front choose the chunks.
void linereader(std::string_view input)
{
    if (input.size() < 2)
        return;
    std::uint32_t state = std::uint8_t(input[0]) | std::uint8_t(input[1]) << 8;
    const std::uint32_t largest = state % 3 == 0 ? 3 : (state % 3 == 1 ? 64 : 4096);
    const std::string_view text = input.substr(2);
    Recorder recorder;
    cli::LineReader reader(recorder);
    for (std::size_t from = 0; from < text.size();) {
        state = state * 1664525u + 1013904223u;
        const std::size_t chunk
            = std::min<std::size_t>(1 + (state >> 8) % largest, text.size() - from);
        reader.feed(text.substr(from, chunk));
        from += chunk;
    }
    reader.finish();

    std::vector<Seen> expected;
    std::uint64_t number = 0;
    for (std::size_t from = 0; from < text.size(); ++number) {
        const std::size_t end = std::min(text.find('\n', from), text.size());
        std::string_view line = text.substr(from, end - from);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        const ColourReader::Result result = ColourReader::read(line);
        const bool bad = result.kind == ColourReader::Kind::NotColour;
        if (result.kind != ColourReader::Kind::Blank)
            expected.push_back({ number + 1, result, bad ? cli::quotedExcerpt(line) : "" });
        from = end + 1;
    }
    assert(recorder.seen == expected);
}

// A number typed into a channel box, against the C library's reading of it.
void typedvalue(std::string_view text)
{
    const std::optional<double> number = colour::readNumber(text);
    const colour::TypedChannel channel = colour::readTypedChannel(text);
    const std::size_t begin = std::min(text.find_first_not_of(" \t"), text.size());
    const std::string trimmed(text.substr(begin, text.find_last_not_of(" \t") + 1 - begin));
    char* stop = nullptr;
    const double reference = std::strtod(trimmed.c_str(), &stop);
    // strtod reads more forms (hexadecimal, inf, nan): only the plain ones count.
    const bool plain = trimmed.find_first_not_of("0123456789+-.eE") == std::string::npos;
    assert(number.has_value()
        == (plain && !trimmed.empty() && stop == trimmed.c_str() + trimmed.size()));
    if (!number) {
        assert(channel.verdict == colour::TypedChannel::Verdict::NotNumeric
            && !colour::readInteger16(text));
        return;
    }
    assert(*number == reference);
    const std::optional<int> rounded = colour::toInteger16(*number);
    assert(colour::readInteger16(text) == rounded);
    if (rounded) {
        const double distance = std::fabs(*number - *rounded); // halves go to the even neighbour
        assert(distance < 0.5 || (distance == 0.5 && *rounded % 2 == 0));
    }
    if (*number >= 0 && *number <= 255)
        assert(channel.verdict == colour::TypedChannel::Verdict::Accepted
            && channel.value == *rounded);
    else
        assert(channel.verdict == colour::TypedChannel::Verdict::OutOfRange);
}

// The KML alpha step on whatever the user typed into the KML box. The first
// byte is the transparency, spread beyond 0..255 to try the clamping.
void kmlalpha(std::string_view input)
{
    if (input.empty())
        return;
    const int transparency = (std::uint8_t(input[0]) - 64) * 2;
    const std::string_view box = input.substr(1);
    const std::optional<std::string> result = colour::withKmlAlpha(box, transparency);
    char alpha[3];
    std::snprintf(alpha, sizeof alpha, "%02x", std::clamp(transparency, 0, 255));
    // Well-formed text is decided by its characters, and never cut inside one.
    const std::optional<std::u32string> characters = decoded(box);
    const std::size_t length = characters ? characters->size() : 0;
    assert(!characters || result.has_value() == (length == 6 || length == 8));
    if (result) {
        assert(result->substr(0, 2) == alpha && box.ends_with(std::string_view(*result).substr(2)));
        assert(!characters || decoded(*result)->size() == 8);
        assert(length != 6 || result->substr(2) == box);
    }
}

} // namespace harness

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FUZZ_HARNESS(std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}

#ifndef MARIVELL_FUZZ
// Replays the saved inputs in each folder named.
int main(int argc, char** argv)
{
    std::size_t count = 0;
    for (int i = 1; i < argc; ++i) {
        for (const auto& entry : std::filesystem::directory_iterator(argv[i])) {
            std::ifstream in(entry.path(), std::ios::binary);
            // Exactly the input's size, so that the sanitizers see a read past its end.
            const std::vector<char> bytes { std::istreambuf_iterator<char>(in), {} };
            LLVMFuzzerTestOneInput(
                reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
            ++count;
        }
    }
    std::printf("%zu inputs replayed\n", count);
    return count == 0 ? 1 : 0;
}
#endif
