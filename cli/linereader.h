// Splits input into lines and reads a colour from each, in bounded memory.
#pragma once

#include "cli/excerpt.h"
#include "colour/colourreader.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace cli {

struct Line {
    std::uint64_t number = 0; // 1-based, blank lines counted
    colour::ColourReader::Result result;
    std::string_view head; // the line's first bytes (all of it when short), without its line end
    bool longer = false; // the line goes on beyond head
};

class LineSink {
public:
    virtual ~LineSink() = default;
    virtual void line(const Line& line) = 0;
};

// Input arrives in chunks of any size, cut anywhere. A line ends at LF; a
// CR just before the LF is part of the line end, and so is a CR that ends
// the input. Lines that are empty or only blanks are counted but not passed on.
class LineReader {
public:
    explicit LineReader(LineSink& sink)
        : m_sink(&sink)
    {
    }

    void feed(std::string_view chunk);
    // The input has ended: passes on a last line without a line end.
    void finish();

private:
    void append(std::string_view piece);
    void endLine(std::string_view head, bool longer);

    LineSink* m_sink = nullptr;
    colour::ColourReader m_reader;
    std::uint64_t m_lineNumber = 0;
    bool m_partial = false; // the current line began in an earlier chunk
    bool m_pendingCr = false; // an earlier chunk ended in CR, held back until we see what follows
    std::array<char, kExcerptBytes> m_head {};
    std::size_t m_headSize = 0;
    bool m_headFull = false;
};

} // namespace cli
