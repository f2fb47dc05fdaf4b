// The eight notation texts.
#include "colour/colourreader.h"
#include "colour/notations.h"
#include "colour/notationwriter.h"

#include <QtTest>

using namespace colour;

namespace {

QString q(const std::string& s)
{
    return QString::fromStdString(s);
}

QString hexColour(ColourNumber c)
{
    return QStringLiteral("0x%1").arg(c, 6, 16, QLatin1Char('0'));
}

int hexDigit(char c)
{
    return c <= '9' ? c - '0' : c - 'a' + 10;
}

} // namespace

class TestNotations : public QObject {
    Q_OBJECT

private slots:
    void allTexts_data();
    void allTexts();
    void textsReadBack();
};

void TestNotations::allTexts_data()
{
    QTest::addColumn<int>("red");
    QTest::addColumn<int>("green");
    QTest::addColumn<int>("blue");
    QTest::addColumn<int>("transparency");
    QTest::addColumn<QStringList>("texts"); // Hexa VB, Long VB, HTML, CMY, CMYK, HSL, KML

    const auto row = [](int r, int g, int b, int t, const QStringList& texts) {
        QTest::addRow("%d,%d,%d alpha %d", r, g, b, t) << r << g << b << t << texts;
    };
    row(162, 129, 255, 255,
        { "&HFF81A2&", "16744866", "#A281FF", "93, 126, 0", "93, 126, 0, 0", "170, 240, 181",
            "ffff81a2" });
    row(162, 122, 92, 255,
        { "&H5C7AA2&", "6060706", "#A27A5C", "93, 133, 163", "0, 40, 70, 93", "17, 66, 120",
            "ff5c7aa2" });
    row(160, 120, 90, 255,
        { "&H5A78A0&", "5929120", "#A0785A", "95, 135, 165", "0, 40, 70, 95", "17, 67, 118",
            "ff5a78a0" });
    row(255, 0, 0, 128,
        { "&HFF&", "255", "#FF0000", "0, 255, 255", "0, 255, 255, 0", "0, 240, 120", "800000ff" });
    // A KML colour stays eight digits whatever transparency the caller passes.
    row(0, 0, 0, -1,
        { "&H0&", "0", "#000000", "255, 255, 255", "0, 0, 0, 255", "0, 0, 0", "00000000" });
    row(255, 255, 255, 256,
        { "&HFFFFFF&", "16777215", "#FFFFFF", "0, 0, 0", "0, 0, 0, 0", "0, 0, 240", "ffffffff" });
    row(10, 0, 255, 64,
        { "&HFF000A&", "16711690", "#0A00FF", "245, 255, 0", "245, 255, 0, 0", "162, 240, 120",
            "40ff000a" });
    row(255, 0, 255, 255,
        { "&HFF00FF&", "16711935", "#FF00FF", "0, 255, 0", "0, 255, 0, 0", "200, 240, 120",
            "ffff00ff" });
    row(200, 220, 250, 255,
        { "&HFADCC8&", "16440520", "#C8DCFA", "55, 35, 5", "50, 30, 0, 5", "144, 200, 212",
            "fffadcc8" });
    row(0, 128, 0, 200,
        { "&H8000&", "32768", "#008000", "255, 127, 255", "128, 0, 128, 127", "80, 240, 60",
            "c8008000" });
    row(5, 5, 5, 15,
        { "&H50505&", "328965", "#050505", "250, 250, 250", "0, 0, 0, 250", "0, 0, 5",
            "0f050505" });
    row(97, 95, 95, 255,
        { "&H5F5F61&", "6250337", "#615F5F", "158, 160, 160", "0, 2, 2, 158", "0, 3, 90",
            "ff5f5f61" });
    row(180, 101, 100, 255,
        { "&H6465B4&", "6579636", "#B46564", "75, 154, 155", "0, 79, 80, 75", "1, 83, 132",
            "ff6465b4" });
    row(17, 4, 1, 255,
        { "&H10411&", "66577", "#110401", "238, 251, 254", "0, 13, 16, 238", "8, 213, 8",
            "ff010411" });
    row(145, 47, 47, 255,
        { "&H2F2F91&", "3092369", "#912F2F", "110, 208, 208", "0, 98, 98, 110", "0, 123, 90",
            "ff2f2f91" });
}

void TestNotations::allTexts()
{
    QFETCH(int, red);
    QFETCH(int, green);
    QFETCH(int, blue);
    QFETCH(int, transparency);
    QFETCH(QStringList, texts);

    const Notations n = notationsOf(colourNumberOf(red, green, blue), transparency);
    QCOMPARE(q(n.rgb), QStringLiteral("%1, %2, %3").arg(red).arg(green).arg(blue));
    const QStringList actual { q(n.hexaVb), q(n.longVb), q(n.html), q(n.cmy), q(n.cmyk), q(n.hsl),
        q(n.kml) };
    QCOMPARE(actual, texts);
}

// Hexa VB, Long VB, HTML and KML texts lead back to their colour: every
// number up to 0x10000 (where the texts change length) and a prime stride beyond.
void TestNotations::textsReadBack()
{
    using Writer = char* (*)(char*, ColourNumber);
    const Writer writers[] = { writeHexaVb, writeLongVb, writeHtml };
    char text[kMaxNotationLength];
    for (ColourNumber c = 0; c <= kMaxColourNumber; c += c < 0x10000 ? 1 : 13) {
        for (const Writer write : writers) {
            const std::string_view written(text, std::size_t(write(text, c) - text));
            const ColourReader::Result back = ColourReader::read(written);
            if (back.kind != ColourReader::Kind::Colour || back.colour != c) {
                QFAIL(qPrintable(
                    QStringLiteral("colour %1: '%2' reads back as %3")
                        .arg(hexColour(c), QString::fromLatin1(written.data(), int(written.size())),
                            hexColour(back.colour))));
            }
        }
        const char* end = writeKml(text, c, 0x5a);
        // Blue, green, red: the colour number's own digit order.
        ColourNumber back = 0;
        for (const char* p = text + 2; p < end; ++p)
            back = back << 4 | hexDigit(*p);
        if (end - text != 8 || text[0] != '5' || text[1] != 'a' || back != c) {
            QFAIL(qPrintable(QStringLiteral("colour %1: KML text %2")
                                 .arg(hexColour(c), QString::fromLatin1(text, int(end - text)))));
        }
    }
}

QTEST_GUILESS_MAIN(TestNotations)
#include "testnotations.moc"
