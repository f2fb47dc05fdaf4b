// The command line: options, then each colour argument read and, when bad, quoted.
#include "cli/excerpt.h"
#include "cli/options.h"
#include "colour/colourreader.h"
#include "colour/notationwriter.h"
#include "fuzz/fuzzcheck.h"

#include <algorithm>
#include <vector>

using colour::ColourReader;

namespace {

void checkQuoted(const std::string& quoted)
{
    FUZZ_CHECK(quoted.size() >= 2 && quoted.front() == '\'');
    FUZZ_CHECK(fuzz::safeToShow(quoted));
    // At most 60 characters of up to 4 bytes, or escapes of up to 8 bytes, plus quotes and "...".
    FUZZ_CHECK(quoted.size() <= 2 + 60 * 8 + 3);
}

void checkColourText(std::string_view text)
{
    const ColourReader::Result result = ColourReader::read(text);
    if (result.kind == ColourReader::Kind::Colour) {
        FUZZ_CHECK(result.colour >= 0 && result.colour <= colour::kMaxColourNumber);
        // What the converter writes for it reads back as the same colour.
        char out[colour::kMaxNotationLength];
        const std::string_view hexaVb(
            out, std::size_t(colour::writeHexaVb(out, result.colour) - out));
        FUZZ_CHECK(ColourReader::read(hexaVb) == result);
        const std::string_view html(out, std::size_t(colour::writeHtml(out, result.colour) - out));
        FUZZ_CHECK(ColourReader::read(html) == result);
    } else {
        checkQuoted(cli::quotedExcerpt(text));
    }
    if (result.kind == ColourReader::Kind::Blank)
        FUZZ_CHECK(text.find_first_not_of(" \t") == std::string_view::npos);

    // In two pieces, cut anywhere, the verdict is the same.
    for (const std::size_t cut : { std::size_t(1), text.size() / 2, text.size() - 1 }) {
        if (cut > text.size())
            continue;
        ColourReader reader;
        reader.feed(text.substr(0, cut));
        reader.feed(text.substr(cut));
        FUZZ_CHECK(reader.result() == result);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    // The arguments as a shell hands them over: NUL-separated.
    std::vector<std::string_view> args;
    for (std::size_t from = 0; from <= input.size();) {
        const std::size_t nul = std::min(input.find('\0', from), input.size());
        args.push_back(input.substr(from, nul - from));
        from = nul + 1;
    }

    const cli::Options options = cli::parseOptions(args);
    if (!options.error.empty()) {
        // The message quotes the argument; it must not carry raw controls to a terminal.
        FUZZ_CHECK(fuzz::safeToShow(options.error));
        return 0;
    }
    FUZZ_CHECK(options.alpha >= 0 && options.alpha <= 255);
    FUZZ_CHECK(!(options.labels && options.kml));
    for (const std::string_view text : options.colours)
        checkColourText(text);
    return 0;
}
