// The images the program carries: at the resource paths the window loads, of the size and format
// it relies on (the colour count catches a generator change that draws one empty or flat), and
// exactly what data/generator draws today. PNGs are compared by what they show, since another
// zlib packs the same pixels into other bytes; the SVG icon byte for byte.
#include <QDir>
#include <QImage>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString data = QStringLiteral(MARIVELL_DATA);

QByteArray read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Size, format, and how the pixels are packed: stored (zlib level 0) takes more than the rows it
// holds, deflated less. The photograph is stored: inflating it took most of the program's start.
struct Layout {
    QSize size;
    QImage::Format format = QImage::Format_Invalid;
    bool stored = false;
    friend bool operator==(const Layout&, const Layout&) = default;
};

char* toString(const Layout& l)
{
    QString text;
    QDebug(&text).nospace() << "{size " << l.size << ", format " << l.format
                            << (l.stored ? ", stored}" : ", deflated}");
    return QTest::toString(text);
}

Layout layoutOf(const QByteArray& png)
{
    const QImage image = QImage::fromData(png);
    const qint64 rows = image.height() * (1 + image.width() * (image.hasAlphaChannel() ? 4LL : 3));
    return { image.size(), image.format(), png.size() > rows };
}

QStringList filesUnder(const QString& top)
{
    QStringList found;
    for (const QString& folder : { QStringLiteral("icons"), QStringLiteral("images") })
        for (const QString& name : QDir(top + '/' + folder).entryList(QDir::Files))
            found << folder + '/' + name;
    return found;
}

} // namespace

Q_DECLARE_METATYPE(Layout)

class TestDataImages : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void loads_data();
    void loads();
    void generated_data();
    void generated();

private:
    QTemporaryDir m_drawn;
};

void TestDataImages::loads_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<Layout>("layout");
    QTest::addColumn<int>("minColours");

    QTest::newRow("photo") << "photo.png" << Layout { { 217, 69 }, QImage::Format_RGB32, true }
                           << 2000;
    QTest::newRow("pipette") << "pipette.png" << Layout { { 25, 25 }, QImage::Format_RGB32, false }
                             << 8;
    for (const int size : { 16, 22, 24, 32, 48, 64, 128, 256 })
        QTest::addRow("icon %d", size)
            << QStringLiteral("icon-%1.png").arg(size)
            << Layout { { size, size }, QImage::Format_ARGB32, false } << 8;
}

void TestDataImages::loads()
{
    QFETCH(QString, name);
    QFETCH(Layout, layout);
    QFETCH(int, minColours);

    QCOMPARE(layoutOf(read(":/marivell/" + name)), layout);
    const QImage image(":/marivell/" + name);
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    QVERIFY2(colours.size() >= minColours, qPrintable(QString::number(colours.size())));
}

// Drawn once for all the files; none left over, none missing.
void TestDataImages::initTestCase()
{
    QVERIFY(m_drawn.isValid());
    if (QStringLiteral(MARIVELL_PYTHON).isEmpty())
        return; // the comparison reports itself skipped
    const QStringList generate { data + "/generator/generate", m_drawn.path() };
    QCOMPARE(QProcess::execute(MARIVELL_PYTHON, generate), 0);
    QCOMPARE(filesUnder(m_drawn.path()), filesUnder(data));
}

void TestDataImages::generated_data()
{
    QTest::addColumn<QString>("name");
    for (const QString& name : filesUnder(data))
        QTest::newRow(qPrintable(name)) << name;
}

void TestDataImages::generated()
{
    if (QStringLiteral(MARIVELL_PYTHON).isEmpty())
        QSKIP("not installed: python3");
    QFETCH(QString, name);
    const QByteArray committed = read(data + '/' + name);
    const QByteArray drawn = read(m_drawn.filePath(name));
    if (!name.endsWith(".png")) {
        QCOMPARE(drawn, committed);
        return;
    }
    QCOMPARE(layoutOf(drawn), layoutOf(committed));
    const auto pixels = [](const QByteArray& png) {
        return QImage::fromData(png).convertToFormat(QImage::Format_ARGB32);
    };
    QCOMPARE(pixels(drawn), pixels(committed));
}

QTEST_GUILESS_MAIN(TestDataImages)
#include "tst_data_images.moc"
