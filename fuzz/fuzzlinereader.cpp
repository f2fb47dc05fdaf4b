// Standard input: arbitrary bytes in arbitrary chunks must give the same lines,
// verdicts and messages as reading each line whole.
#include "cli/excerpt.h"
#include "cli/linereader.h"
#include "colour/notationwriter.h"
#include "fuzz/fuzzcheck.h"

#include <algorithm>
#include <string>
#include <vector>

using colour::ColourReader;

namespace {

struct Seen {
    std::uint64_t number = 0;
    ColourReader::Result result;
    std::string message; // the quoted excerpt a bad line is reported with

    bool operator==(const Seen&) const = default;
};

class Recorder : public cli::LineSink {
public:
    void line(const cli::Line& line) override
    {
        const std::string head(line.head); // every byte of it must be readable
        Seen seen { line.number, line.result, {} };
        if (line.result.kind == ColourReader::Kind::Colour) {
            char out[8 * colour::kMaxNotationLength];
            const colour::ColourNumber c = line.result.colour;
            char* p = colour::writeRgb(out, c);
            p = colour::writeCmyk(p, c);
            p = colour::writeHsl(p, c);
            FUZZ_CHECK(p - out <= 3 * std::ptrdiff_t(colour::kMaxNotationLength));
        } else {
            seen.message = cli::quotedExcerpt(head, line.longer);
        }
        m_seen.push_back(seen);
    }
    std::vector<Seen> m_seen;
};

// Each line read whole, the obvious way.
std::vector<Seen> expectedLines(std::string_view text)
{
    std::vector<Seen> lines;
    std::uint64_t number = 0;
    for (std::size_t from = 0; from < text.size();) {
        const std::size_t newline = text.find('\n', from);
        const std::size_t end = newline == std::string_view::npos ? text.size() : newline;
        std::string_view line = text.substr(from, end - from);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        ++number;
        const ColourReader::Result result = ColourReader::read(line);
        if (result.kind == ColourReader::Kind::Colour)
            lines.push_back({ number, result, {} });
        else if (result.kind == ColourReader::Kind::NotColour)
            lines.push_back({ number, result, cli::quotedExcerpt(line) });
        from = end + 1;
    }
    return lines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    // The first two bytes choose the chunk sizes; the rest is the input.
    std::uint32_t state = data[0] | data[1] << 8;
    const std::uint32_t largest = state % 3 == 0 ? 3 : (state % 3 == 1 ? 64 : 4096);
    const std::string_view text(reinterpret_cast<const char*>(data) + 2, size - 2);

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

    FUZZ_CHECK(recorder.m_seen == expectedLines(text));
    return 0;
}
