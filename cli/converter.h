// Turns colour texts into output lines, and bad ones into messages.
#pragma once

#include "cli/linereader.h"
#include "cli/outputbuffer.h"

#include <string_view>

namespace cli {

class Converter : public LineSink {
public:
    Converter(OutputBuffer& out, OutputBuffer& err, int alpha, bool kml);

    void writeCaptions();
    void convertArgument(std::string_view text);
    void line(const Line& line) override;

    // Some text was not a colour.
    bool failed() const { return m_failed; }
    // Keep messages and output in order when both go to the same file.
    void setSameFile(bool same) { m_sameFile = same; }

private:
    void write(colour::ColourNumber c);
    void reportBad(const Line* line, std::string_view head, bool longer);

    OutputBuffer* m_out = nullptr;
    OutputBuffer* m_err = nullptr;
    int m_alpha = 255;
    bool m_kml = false;
    bool m_failed = false;
    bool m_sameFile = false;
};

} // namespace cli
