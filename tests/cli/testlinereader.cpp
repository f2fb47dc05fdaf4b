// Splitting standard input into lines, whatever the chunks.
#include "cli/linereader.h"

#include <QtTest>

using namespace cli;

namespace {

class RecordingSink : public LineSink {
public:
    void line(const Line& line) override
    {
        QString entry = QString::number(line.number) + ':';
        if (line.result.kind == colour::ColourReader::Kind::Colour)
            entry += QString::number(line.result.colour, 16);
        else
            entry += "bad '" + QString::fromLatin1(line.head.data(), int(line.head.size())) + '\'';
        m_lines << entry;
    }

    QStringList m_lines;
};

QStringList readInPieces(const QByteArray& input, const QList<qsizetype>& cuts)
{
    RecordingSink sink;
    LineReader reader(sink);
    qsizetype from = 0;
    for (const qsizetype cut : cuts) {
        reader.feed(std::string_view(input.constData() + from, std::size_t(cut - from)));
        from = cut;
    }
    reader.feed(std::string_view(input.constData() + from, std::size_t(input.size() - from)));
    reader.finish();
    return sink.m_lines;
}

} // namespace

class TestLineReader : public QObject {
    Q_OBJECT

private slots:
    void lines_data();
    void lines();
    void longLineKeepsOnlyItsStart();
};

void TestLineReader::lines_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("no final line end") << QByteArray("1\n2") << QStringList { "1:1", "2:2" };
    QTest::newRow("CRLF") << QByteArray("1\r\n2\r\n") << QStringList { "1:1", "2:2" };
    QTest::newRow("CR ends the input") << QByteArray("1\r\n2\r") << QStringList { "1:1", "2:2" };
    QTest::newRow("blank lines counted, skipped")
        << QByteArray("\n \t\n\r\n3\n") << QStringList { "4:3" };
    QTest::newRow("CR inside a line is text")
        << QByteArray("1\r2\n") << QStringList { "1:bad '1\r2'" };
    QTest::newRow("two CRs: one is text")
        << QByteArray("12\r\r\n") << QStringList { "1:bad '12\r'" };
    QTest::newRow("lone CR line") << QByteArray("\r\n\r") << QStringList();
}

// Whole, byte by byte, and cut in two at every place.
void TestLineReader::lines()
{
    QFETCH(QByteArray, input);
    QFETCH(QStringList, lines);

    QCOMPARE(readInPieces(input, {}), lines);
    QList<qsizetype> everyByte;
    for (qsizetype i = 1; i < input.size(); ++i)
        everyByte << i;
    QCOMPARE(readInPieces(input, everyByte), lines);
    for (qsizetype cut = 0; cut <= input.size(); ++cut) {
        const QStringList actual = readInPieces(input, { cut });
        if (actual != lines)
            QFAIL(qPrintable(
                QStringLiteral("cut after %1 bytes: %2").arg(cut).arg(actual.join(" | "))));
    }
}

void TestLineReader::longLineKeepsOnlyItsStart()
{
    const QByteArray longLine = QByteArray(3'000'000, '7') + "\r\n";
    const QByteArray input = longLine + "  1,2,3 \r\n";

    struct Sink : LineSink {
        void line(const Line& line) override
        {
            heads << QByteArray(line.head.data(), qsizetype(line.head.size()));
            longer << line.longer;
            numbers << line.number;
        }
        QList<QByteArray> heads;
        QList<bool> longer;
        QList<quint64> numbers;
    } sink;
    LineReader reader(sink);
    for (qsizetype from = 0; from < input.size(); from += 65536)
        reader.feed(std::string_view(
            input.constData() + from, std::size_t(qMin<qsizetype>(65536, input.size() - from))));
    reader.finish();

    QCOMPARE(sink.numbers, (QList<quint64> { 1, 2 }));
    QCOMPARE(sink.heads.at(0).size(), qsizetype(kExcerptBytes));
    QVERIFY(sink.longer.at(0));
    QCOMPARE(sink.heads.at(1), QByteArray("  1,2,3 "));
    QVERIFY(!sink.longer.at(1));
}

QTEST_GUILESS_MAIN(TestLineReader)
#include "testlinereader.moc"
