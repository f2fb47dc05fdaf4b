#include "cli/converter.h"

#include "cli/excerpt.h"
#include "colour/notations.h"

#include <algorithm>
#include <string>

namespace cli {

namespace {

    // Each notation with the TAB or line end after it.
    constexpr std::size_t kMaxRow = colour::kNotationCount * (colour::kMaxNotationLength + 1);

} // namespace

Converter::Converter(OutputBuffer& out, OutputBuffer& err, int alpha, bool kml)
    : m_out(&out)
    , m_err(&err)
    , m_alpha(alpha)
    , m_kml(kml)
{
}

void Converter::writeCaptions()
{
    m_out->append(colour::notationNames("\t") + '\n');
}

void Converter::write(colour::ColourNumber c)
{
    using namespace colour;
    char* p = m_out->reserve(kMaxRow);
    if (m_kml) {
        constexpr std::string_view open = "<color>";
        constexpr std::string_view close = "</color>\n";
        p = std::copy(open.begin(), open.end(), p);
        p = writeKml(p, c, m_alpha);
        p = std::copy(close.begin(), close.end(), p);
    } else {
        // Unrolled, the row calls each writer directly: a twentieth fewer
        // instructions than calls through the table.
#pragma GCC unroll 16
        for (const NotationForm& form : kNotations) {
            p = form.write(p, c, m_alpha);
            *p++ = '\t';
        }
        p[-1] = '\n';
    }
    m_out->commit(p);
}

void Converter::reportBad(const Line* line, std::string_view head, bool longer)
{
    m_failed = true;
    if (m_sameFile)
        m_out->flush();
    std::string message = "marivell-notations: ";
    if (line != nullptr)
        message += "line " + std::to_string(line->number) + ": ";
    message += "not a colour: " + quotedExcerpt(head, longer) + '\n';
    m_err->append(message);
    if (m_sameFile)
        m_err->flush();
}

void Converter::convertArgument(std::string_view text)
{
    const auto result = colour::ColourReader::read(text);
    if (result.kind == colour::ColourReader::Kind::Colour)
        write(result.colour);
    else
        reportBad(nullptr, text, false);
}

void Converter::line(const Line& line)
{
    if (line.result.kind == colour::ColourReader::Kind::Colour)
        write(line.result.colour);
    else
        reportBad(&line, line.head, line.longer);
}

} // namespace cli
