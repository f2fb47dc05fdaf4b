#include "cli/linereader.h"

#include <algorithm>
#include <cstring>

namespace cli {

void LineReader::append(std::string_view piece)
{
    m_reader.feed(piece);
    const std::size_t room = m_head.size() - m_headSize;
    const std::size_t n = std::min(room, piece.size());
    std::memcpy(m_head.data() + m_headSize, piece.data(), n);
    m_headSize += n;
    m_headFull = m_headFull || n < piece.size();
    m_partial = true;
}

void LineReader::endLine(std::string_view head, bool longer)
{
    ++m_lineNumber;
    const colour::ColourReader::Result result = m_reader.result();
    m_reader.reset();
    m_partial = false;
    m_headSize = 0;
    m_headFull = false;
    if (result.kind != colour::ColourReader::Kind::Blank)
        m_sink->line({ m_lineNumber, result, head, longer });
}

void LineReader::feed(std::string_view chunk)
{
    if (chunk.empty())
        return;
    if (m_pendingCr) {
        m_pendingCr = false;
        if (chunk.front() != '\n')
            append("\r");
    }
    const char* p = chunk.data();
    const char* const end = p + chunk.size();
    while (p != end) {
        const auto* newline = static_cast<const char*>(std::memchr(p, '\n', std::size_t(end - p)));
        if (newline == nullptr) {
            const bool cr = end[-1] == '\r';
            append(std::string_view(p, std::size_t(end - p - (cr ? 1 : 0))));
            m_pendingCr = cr;
            return;
        }
        const char* lineEnd = newline;
        if (lineEnd != p && lineEnd[-1] == '\r')
            --lineEnd;
        const std::string_view piece(p, std::size_t(lineEnd - p));
        if (m_partial) {
            append(piece);
            endLine(std::string_view(m_head.data(), m_headSize), m_headFull);
        } else {
            m_reader.feed(piece);
            endLine(piece, false);
        }
        p = newline + 1;
    }
}

void LineReader::finish()
{
    m_pendingCr = false;
    if (m_partial)
        endLine(std::string_view(m_head.data(), m_headSize), m_headFull);
}

} // namespace cli
