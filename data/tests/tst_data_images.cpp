// The images the program carries: at the resource paths the window loads, of the size and format
// it relies on (the colour count catches a generator change that draws one empty or flat), and
// exactly what data/generator draws today. PNGs are compared by what they show, since another
// zlib packs the same pixels into other bytes; the SVG icon byte for byte.
#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

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

// What first differs between the PNG committed and the one drawn now, or nothing.
QString difference(const QByteArray& committed, const QByteArray& drawn)
{
    if (layoutOf(committed) != layoutOf(drawn)) {
        const std::unique_ptr<char[]> was(toString(layoutOf(committed)));
        const std::unique_ptr<char[]> now(toString(layoutOf(drawn)));
        return QStringLiteral("committed %1, drawn %2").arg(was.get(), now.get());
    }
    const QImage a = QImage::fromData(committed).convertToFormat(QImage::Format_ARGB32);
    const QImage b = QImage::fromData(drawn).convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                return QStringLiteral("pixel (%1, %2): committed %3, drawn %4")
                    .arg(QString::number(x), QString::number(y), QString::number(a.pixel(x, y), 16),
                        QString::number(b.pixel(x, y), 16));
    return {};
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
    void loads_data();
    void loads();
    void generated();
    void repacked();
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

void TestDataImages::generated()
{
    if (QStringLiteral(MARIVELL_PYTHON).isEmpty())
        QSKIP("not installed: python3");
    QTemporaryDir out;
    QVERIFY(out.isValid());
    QCOMPARE(QProcess::execute(MARIVELL_PYTHON, { data + "/generator/generate", out.path() }), 0);

    QCOMPARE(filesUnder(out.path()), filesUnder(data)); // none left over, none missing
    for (const QString& name : filesUnder(data)) {
        const QByteArray committed = read(data + '/' + name), drawn = read(out.filePath(name));
        const QString why = name.endsWith(".png") ? ::difference(committed, drawn)
            : committed == drawn                  ? QString()
                                                  : QStringLiteral("differs byte for byte");
        QVERIFY2(why.isEmpty(), qPrintable(QStringLiteral("data/%1: %2").arg(name, why)));
    }
}

// Another libpng or zlib packs the same pixels into other bytes: that is no difference. Qt's
// quality 100 stores, as the photo is; 0 deflates harder than the generator does.
void TestDataImages::repacked()
{
    for (const QString& name : filesUnder(data).filter(".png")) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        QVERIFY(QImage(data + '/' + name).save(&buffer, "PNG", name.contains("photo") ? 100 : 0));
        QVERIFY(bytes != read(data + '/' + name));
        QCOMPARE(::difference(read(data + '/' + name), bytes), QString());
    }
}

QTEST_GUILESS_MAIN(TestDataImages)
#include "tst_data_images.moc"
