// marivell-notations as scripts use it: arguments, standard input, exit status.
#include <QtTest>

namespace {

struct Run {
    QByteArray out;
    QByteArray err;
    int status = -1;
};

Run run(const QStringList& args, const QByteArray& input = {}, const QString& outputFile = {},
    QProcess::ProcessChannelMode mode = QProcess::SeparateChannels)
{
    QProcess process;
    process.setProcessChannelMode(mode);
    if (!outputFile.isEmpty())
        process.setStandardOutputFile(outputFile);
    process.start(QStringLiteral(MARIVELL_NOTATIONS), args);
    if (!process.waitForStarted())
        return {};
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(60'000);
    Run result;
    result.out = process.readAllStandardOutput();
    if (mode != QProcess::MergedChannels)
        result.err = process.readAllStandardError();
    result.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return result;
}

const QByteArray kBrown = "162, 122, 92\t&H5C7AA2&\t6060706\t#A27A5C\t93, 133, 163\t0, 40, 70, "
                          "93\t17, 66, 120\tff5c7aa2\n";
const QByteArray kRed
    = "255, 0, 0\t&HFF&\t255\t#FF0000\t0, 255, 255\t0, 255, 255, 0\t0, 240, 120\tff0000ff\n";
const QByteArray kCaptions = "RGB\tHexa VB\tLong VB\tHTML\tCMY\tCMYK\tHSL\tKML\n";

QByteArray notColour(const QByteArray& quoted, int line = 0)
{
    return "marivell-notations: "
        + (line > 0 ? "line " + QByteArray::number(line) + ": " : QByteArray())
        + "not a colour: " + quoted + "\n";
}

} // namespace

class TestCli : public QObject {
    Q_OBJECT

private slots:
    void convert_data();
    void convert();
    void usageErrors_data();
    void usageErrors();
    void help();
    void writeErrorIsReported_data();
    void writeErrorIsReported();
    void messagesStayInOrderOnOneFile();
};

void TestCli::convert_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QByteArray>("out");
    QTest::addColumn<QByteArray>("err");
    QTest::addColumn<int>("status");

    QTest::newRow("every form") << QStringList { "162,122,92", "&H5C7AA2&", "#a27a5c", " 6060706 ",
        "&h5c7aa2" } << QByteArray()
                                << kBrown.repeated(5) << QByteArray() << 0;
    QTest::newRow("labels") << QStringList { "--labels", "255" } << QByteArray() << kCaptions + kRed
                            << QByteArray() << 0;
    QTest::newRow("alpha") << QStringList { "--alpha", "128", "255,0,0" } << QByteArray()
                           << QByteArray(kRed).replace("ff0000ff", "800000ff") << QByteArray() << 0;
    QTest::newRow("alpha= with leading zeros")
        << QStringList { "--alpha=000000007", "255,0,0" } << QByteArray()
        << QByteArray(kRed).replace("ff0000ff", "070000ff") << QByteArray() << 0;
    QTest::newRow("kml") << QStringList { "--kml", "--alpha", "0", "#FFFFFF", "&H5C7AA2&" }
                         << QByteArray()
                         << QByteArray("<color>00ffffff</color>\n<color>005c7aa2</color>\n")
                         << QByteArray() << 0;
    QTest::newRow("bad argument, rest converted")
        << QStringList { "#A27A5C", "nope", "255" } << QByteArray() << kBrown + kRed
        << notColour("'nope'") << 1;
    QTest::newRow("none of these is a colour")
        << QStringList { "16777216", "-1", "#12345", "1,2", "256,0,0", "0x10", "1.5", "" }
        << QByteArray() << QByteArray()
        << notColour("'16777216'") + notColour("'-1'") + notColour("'#12345'") + notColour("'1,2'")
            + notColour("'256,0,0'") + notColour("'0x10'") + notColour("'1.5'") + notColour("''")
        << 1;
    QTest::newRow("after --, a dash is text")
        << QStringList { "--", "-x" } << QByteArray() << QByteArray() << notColour("'-x'") << 1;
    QTest::newRow("long text shortened to 60 characters")
        << QStringList { QString(61, QChar(0xE9)) } << QByteArray() << QByteArray()
        << notColour("'" + QString(60, QChar(0xE9)).toUtf8() + "'...") << 1;
    // Bidirectional overrides and isolates would reverse the rest of the line.
    QTest::newRow("control and bidirectional characters escaped")
        << QStringList { QStringLiteral("a\x1b[2Jb\u202Ec\u2066d") } << QByteArray() << QByteArray()
        << notColour("'a\\x1b[2Jb\\xe2\\x80\\xaec\\xe2\\x81\\xa6d'") << 1;

    QTest::newRow("stdin") << QStringList()
                           << QByteArray("6060706\r\n\n  \t\n255,0,0\nnope\r\n#A27A5C")
                           << kBrown + kRed + kBrown << notColour("'nope'", 5) << 1;
    QTest::newRow("stdin empty") << QStringList() << QByteArray() << QByteArray() << QByteArray()
                                 << 0;
    QTest::newRow("stdin huge line")
        << QStringList() << QByteArray(5'000'000, 'a') + "\n255\n"
        << kRed << notColour("'" + QByteArray(60, 'a') + "'...", 1) << 1;
    QTest::newRow("stdin huge valid line")
        << QStringList() << QByteArray(3'000'000, ' ') + "255" + QByteArray(3'000'000, '\t') << kRed
        << QByteArray() << 0;
    QTest::newRow("stdin binary") << QStringList() << QByteArray("\0\xff\n", 3) << QByteArray()
                                  << notColour("'\\x00\\xff'", 1) << 1;
}

void TestCli::convert()
{
    QFETCH(QStringList, args);
    QFETCH(QByteArray, input);
    QFETCH(QByteArray, out);
    QFETCH(QByteArray, err);
    QFETCH(int, status);

    const Run result = run(args, input);
    QCOMPARE(result.err, err);
    QCOMPARE(result.out, out);
    QCOMPARE(result.status, status);
}

void TestCli::usageErrors_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QByteArray>("message");

    QTest::newRow("unknown option")
        << QStringList { "--bogus", "255" } << QByteArray("unknown option '--bogus'");
    QTest::newRow("alpha missing")
        << QStringList { "255", "--alpha" } << QByteArray("--alpha needs a value 0..255");
    QTest::newRow("alpha above 255") << QStringList { "--alpha",
        "0256" } << QByteArray("bad --alpha value '0256' (a whole number 0..255 is expected)");
    QTest::newRow("alpha not a number")
        << QStringList { "--alpha=0x10" }
        << QByteArray("bad --alpha value '0x10' (a whole number 0..255 is expected)");
    QTest::newRow("unknown option quoted safely") << QStringList { QStringLiteral("--x\x1b[2J") }
                                                  << QByteArray("unknown option '--x\\x1b[2J'");
    QTest::newRow("labels with kml") << QStringList { "--labels", "--kml" }
                                     << QByteArray("--labels and --kml cannot be used together");
}

void TestCli::usageErrors()
{
    QFETCH(QStringList, args);
    QFETCH(QByteArray, message);

    const Run result = run(args, "255\n");
    QCOMPARE(result.status, 2);
    QCOMPARE(result.out, QByteArray());
    QVERIFY2(
        result.err.startsWith("marivell-notations: " + message + "\n\nUsage: marivell-notations "),
        result.err);
}

void TestCli::help()
{
    for (const QString& option : { QStringLiteral("--help"), QStringLiteral("-h") }) {
        const Run result = run({ option, "nope" });
        QCOMPARE(result.status, 0);
        QCOMPARE(result.err, QByteArray());
        QVERIFY(result.out.startsWith(
            "Usage: marivell-notations [--alpha N] [--labels | --kml] [COLOUR...]\n"));
        QVERIFY(result.out.contains("--kml"));
    }
}

void TestCli::writeErrorIsReported_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QByteArray>("input");

    QTest::newRow("argument") << QStringList { "255" } << QByteArray();
    QTest::newRow("stdin") << QStringList() << QByteArray("255\n").repeated(100'000);
    QTest::newRow("help") << QStringList { "--help" } << QByteArray();
}

void TestCli::writeErrorIsReported()
{
    QFETCH(QStringList, args);
    QFETCH(QByteArray, input);

    const Run result = run(args, input, QStringLiteral("/dev/full"));
    QCOMPARE(result.err,
        QByteArray("marivell-notations: cannot write standard output: No space left on device\n"));
    QCOMPARE(result.status, 1);
}

// With 2>&1 the complaint about a line comes between its neighbours' output.
void TestCli::messagesStayInOrderOnOneFile()
{
    const Run result = run({}, "255\nnope\n162,122,92\n", {}, QProcess::MergedChannels);
    QCOMPARE(result.out, kRed + notColour("'nope'", 2) + kBrown);
    QCOMPARE(result.status, 1);
}

QTEST_GUILESS_MAIN(TestCli)
#include "testcli.moc"
