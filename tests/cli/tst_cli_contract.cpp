// marivell-notations as scripts use it: arguments, standard input, messages, exit status.
#include <QtTest>

namespace {

const QByteArray kBrown = "162, 122, 92\t&H5C7AA2&\t6060706\t#A27A5C\t93, 133, 163\t0, 40, 70, "
                          "93\t17, 66, 120\tff5c7aa2\n";
const QByteArray kRed
    = "255, 0, 0\t&HFF&\t255\t#FF0000\t0, 255, 255\t0, 255, 255, 0\t0, 240, 120\tff0000ff\n";

QByteArray notColour(const QByteArray& quoted, int line = 0)
{
    const QByteArray where = line > 0 ? "line " + QByteArray::number(line) + ": " : "";
    return "marivell-notations: " + where + "not a colour: " + quoted + "\n";
}

QByteArray usageError(const QByteArray& message)
{
    return "marivell-notations: " + message + "\n\nUsage: marivell-notations [";
}

// An expected text without a final line end is only the start of what comes.
QByteArray compared(const QByteArray& actual, const QByteArray& expected)
{
    return expected.isEmpty() || expected.endsWith('\n') ? actual : actual.left(expected.size());
}

} // namespace

class TestCliContract : public QObject {
    Q_OBJECT

private slots:
    void run_data();
    void run();
};

void TestCliContract::run_data()
{
    QTest::addColumn<QStringList>("args"); // may start with ">/dev/full" or "2>&1"
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QByteArray>("out");
    QTest::addColumn<QByteArray>("err");
    QTest::addColumn<int>("status");

    const auto row = [](const char* name, const QStringList& args, const QByteArray& input,
                         const QByteArray& out, const QByteArray& err, int status) {
        QTest::newRow(name) << args << input << out << err << status;
    };
    const QStringList bad { "16777216", "-", "-1", "+1", "#12345", "#1234567", "# 123456", "1,2",
        "256,0,0", "1,,3", "1,2,3,", "0x10", "1.5", "12 34", "&H&", "&H1234567&", "&HFF &", "&FF&",
        "red", "" };
    QByteArray badErr;
    for (const QString& text : bad)
        badErr += notColour("'" + text.toUtf8() + "'");
    const QByteArray brownKml = "<color>005c7aa2</color>\n";

    row("every form",
        { "162,122,92", " 162 ,\t122 , 92 ", "&H5C7AA2&", "&h5c7aa2", "#a27a5c", " 6060706 ",
            "&HFF", "255,0,0", "#FF0000", "000255" },
        {}, kBrown.repeated(6) + kRed.repeated(4), {}, 0);
    row("none of these is a colour", bad, {}, {}, badErr, 1);
    row("bad argument, rest converted", { "#A27A5C", "nope", "255" }, {}, kBrown + kRed,
        notColour("'nope'"), 1);
    row("labels", { "--labels", "255" }, {},
        "RGB\tHexa VB\tLong VB\tHTML\tCMY\tCMYK\tHSL\tKML\n" + kRed, {}, 0);
    row("alpha= with leading zeros", { "--alpha=000000007", "255" }, {},
        QByteArray(kRed).replace("ff0000ff", "070000ff"), {}, 0);
    row("kml", { "--kml", "--alpha", "0", "16777215", "&H5C7AA2&" }, {},
        "<color>00ffffff</color>\n" + brownKml, {}, 0);
    row("after --, a dash is text", { "--", "-x" }, {}, {}, notColour("'-x'"), 1);
    row("shortened to 60 characters", { QString(61, QChar(0xE9)) }, {}, {},
        notColour("'" + QString(60, QChar(0xE9)).toUtf8() + "'..."), 1);
    // Bidirectional overrides and isolates would reverse the rest of the line.
    row("controls escaped", { QStringLiteral("a\x1b[2Jb\u202Ec\u2066d\x7f") }, {}, {},
        notColour("'a\\x1b[2Jb\\xe2\\x80\\xaec\\xe2\\x81\\xa6d\\x7f'"), 1);
    row("help", { "-h", "nope" }, {}, "Usage: marivell-notations [--alpha N] [--labels | --kml]",
        {}, 0);
    row("unknown option, quoted safely", { QStringLiteral("--x\x1b[2J"), "255" }, {}, {},
        usageError("unknown option '--x\\x1b[2J'"), 2);
    row("alpha missing", { "255", "--alpha" }, {}, {}, usageError("--alpha needs a value 0..255"),
        2);
    row("alpha 256", { "--alpha", "0256" }, {}, {},
        usageError("bad --alpha value '0256' (a whole number 0..255 is expected)"), 2);
    row("labels with kml", { "--labels", "--kml" }, {}, {},
        usageError("--labels and --kml cannot be used together"), 2);

    row("stdin", {}, "6060706\r\n\n  \t\n255,0,0\nnope\r\n#A27A5C", kBrown + kRed + kBrown,
        notColour("'nope'", 5), 1);
    row("stdin huge line", {}, QByteArray(5'000'000, 'a') + "\n255\n", kRed,
        notColour("'" + QByteArray(60, 'a') + "'...", 1), 1);
    row("stdin huge valid line", { "--kml", "--alpha=0" },
        QByteArray(3'000'000, ' ') + "6060706" + QByteArray(3'000'000, '\t'), brownKml, {}, 0);
    // Not UTF-8: a NUL, a stray byte, an overlong form of NUL.
    row("stdin binary", {}, QByteArray("\0\xff\xc0\x80\n", 5), {},
        notColour("'\\x00\\xff\\xc0\\x80'", 1), 1);
    // With 2>&1 the complaint about a line comes between its neighbours' output.
    row("one file for both", { "2>&1" }, "255\nnope\n#A27A5C",
        kRed + notColour("'nope'", 2) + kBrown, {}, 1);
    row("write error", { ">/dev/full", "255" }, {}, {},
        "marivell-notations: cannot write standard output: No space left on device\n", 1);
}

void TestCliContract::run()
{
    QFETCH(QStringList, args);
    QFETCH(QByteArray, input);
    QFETCH(QByteArray, out);
    QFETCH(QByteArray, err);
    QFETCH(int, status);

    QProcess process;
    if (args.value(0) == "2>&1")
        process.setProcessChannelMode(QProcess::MergedChannels);
    if (args.value(0).startsWith('>'))
        process.setStandardOutputFile(args.value(0).mid(1));
    if (args.value(0).contains('>'))
        args.removeFirst();
    process.start(QStringLiteral(MARIVELL_NOTATIONS), args);
    process.write(input);
    process.closeWriteChannel();
    QVERIFY(process.waitForFinished(60'000));
    QCOMPARE(compared(process.readAllStandardError(), err), err);
    QCOMPARE(compared(process.readAllStandardOutput(), out), out);
    QCOMPARE(process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, status);
}

QTEST_GUILESS_MAIN(TestCliContract)
#include "tst_cli_contract.moc"
