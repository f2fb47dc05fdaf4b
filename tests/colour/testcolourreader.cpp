// Reading colour texts: the forms the command-line converter accepts.
#include "colour/colourreader.h"

#include <QtTest>

using namespace colour;
using Kind = ColourReader::Kind;

Q_DECLARE_METATYPE(Kind)

class TestColourReader : public QObject {
    Q_OBJECT

private slots:
    void read_data();
    void read();
};

void TestColourReader::read_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<int>("colour");

    const auto colourRow = [](const char* name, const QByteArray& text, int c) {
        QTest::newRow(name) << text << Kind::Colour << c;
    };
    const auto badRow = [](const char* name, const QByteArray& text) {
        QTest::newRow(name) << text << Kind::NotColour << 0;
    };
    colourRow("decimal", "6060706", 6060706);
    colourRow("decimal largest", "16777215", 0xFFFFFF);
    colourRow("decimal leading zeros", "000000000000000255", 255);
    colourRow("blanks around", " \t6060706\t ", 6060706);
    colourRow("Hexa VB", "&H5C7AA2&", 0x5C7AA2);
    colourRow("Hexa VB lower case, no final &", "&h5c7aa2", 0x5C7AA2);
    colourRow("Hexa VB leading zeros up to six", "&H0000FF&", 0xFF);
    colourRow("HTML", "#A27A5C", 0x5C7AA2);
    colourRow("HTML lower case", "#a27a5c", 0x5C7AA2);
    colourRow("RGB", "162,122,92", 0x5C7AA2);
    colourRow("RGB blanks around each", " 162 ,\t122 , 92 ", 0x5C7AA2);
    colourRow("RGB leading zeros", "007,000,255", 0xFF0007);

    badRow("too large", "16777216");
    badRow("negative", "-1");
    badRow("plus sign", "+1");
    badRow("HTML five digits", "#12345");
    badRow("HTML seven digits", "#1234567");
    badRow("HTML blank inside", "# 123456");
    badRow("two channels", "1,2");
    badRow("channel above 255", "256,0,0");
    badRow("empty channel", "1,,3");
    badRow("trailing comma", "1,2,3,");
    badRow("C hexadecimal", "0x10");
    badRow("fraction", "1.5");
    badRow("blank inside number", "12 34");
    badRow("Hexa VB without digits", "&H&");
    badRow("Hexa VB seven digits", "&H1234567&");
    badRow("Hexa VB two closing", "&HFF&&");
    badRow("Hexa VB blank before &", "&HFF &");
    badRow("Hexa VB without H", "&FF&");
    badRow("letters", "red");
    badRow("NUL after number", QByteArray("12\0", 3));
    badRow("CR inside", "12\r34");
    QTest::newRow("empty") << QByteArray() << Kind::Blank << 0;
    QTest::newRow("only blanks") << QByteArray(" \t ") << Kind::Blank << 0;
}

// Whole, and cut in two at every place: pieces must not change the verdict.
void TestColourReader::read()
{
    QFETCH(QByteArray, text);
    QFETCH(Kind, kind);
    QFETCH(int, colour);
    const std::string_view whole(text.constData(), text.size());
    const ColourReader::Result expected { kind, colour };

    QCOMPARE(ColourReader::read(whole), expected);
    ColourReader reader;
    for (std::size_t cut = 0; cut <= whole.size(); ++cut) {
        reader.reset();
        reader.feed(whole.substr(0, cut));
        reader.feed(whole.substr(cut));
        if (!(reader.result() == expected))
            QFAIL(qPrintable(QStringLiteral("different when cut after %1 bytes").arg(cut)));
    }
}

QTEST_GUILESS_MAIN(TestColourReader)
#include "testcolourreader.moc"
