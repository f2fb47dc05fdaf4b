#include "cli/converter.h"

#include "cli/excerpt.h"
#include "colour/notationwriter.h"

#include <algorithm>
#include <string>

namespace cli {

namespace {

    // Eight notations, seven TABs and the line end.
    constexpr std::size_t kMaxRow = 8 * colour::kMaxNotationLength + 8;

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
    m_out->append("RGB\tHexa VB\tLong VB\tHTML\tCMY\tCMYK\tHSL\tKML\n");
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
        p = writeRgb(p, c);
        *p++ = '\t';
        p = writeHexaVb(p, c);
        *p++ = '\t';
        p = writeLongVb(p, c);
        *p++ = '\t';
        p = writeHtml(p, c);
        *p++ = '\t';
        p = writeCmy(p, c);
        *p++ = '\t';
        p = writeCmyk(p, c);
        *p++ = '\t';
        p = writeHsl(p, c);
        *p++ = '\t';
        p = writeKml(p, c, m_alpha);
        *p++ = '\n';
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
