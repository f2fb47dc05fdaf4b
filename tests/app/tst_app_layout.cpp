#include "windowfixture.h"

#include <QFontInfo>
#include <QImage>
#include <QTest>
#include <memory>
#include <optional>
#include <vector>

// The window as designed: every control at its place in twips (15 to a
// pixel at scale 1), of its kind, in the colours and fonts that matter.
// The places are written here as designed, not taken from the product.

namespace {

const QColor kBlue(0, 0, 255);
const QColor kWindowGrey(212, 208, 200);
// The text-entry background of the theme: a dark one, so that neither the
// window's grey nor a fixed white passes for it.
const QColor kThemeBase(40, 44, 52);

enum class Width {
    Exact,
    // A caption the layout widens to the right so the free fonts, wider
    // than the ones designed for, show every letter.
    AtLeast,
};

struct Font {
    QStringList families; // as resolved: the designed one or its metric twin
    qreal points;
    bool bold;
};

// A pixel of the window, in twips, and the colour it must have.
struct Probe {
    QPoint twips;
    QColor colour;
};

struct Control {
    const char* name;
    const char* kind;
    // One rectangle, or the pieces a column gauge draws: background, body,
    // top rim, surface and bottom ovals. The widget covers their union.
    std::vector<QRect> twips;
    Width width = Width::Exact;
    std::optional<Font> font = std::nullopt;
    bool caption = false; // blue text on a transparent background
    std::vector<Probe> probes = {};
};

const QStringList kArial { "Arial", "Liberation Sans" };
const QStringList kSansSerif { "MS Sans Serif", "Liberation Sans" };
const QStringList kCourier { "Courier New", "Liberation Mono" };
const Font kBold9 { kArial, 9, true };

// Column gauges are probed with every column at 128: the background shows
// between the rim and the surface, the body below the surface oval. The rim
// lies partly above the background, where an unfilled oval shows the window.
const std::vector<Control> kDesign = {
    { "paleta", "QWidget", { { 0, 0, 5760, 4740 } } },
    { "Label5(1)", "channels::ColumnGauge",
        { { 600, 570, 465, 675 }, { 600, 585, 465, 675 }, { 600, 495, 465, 165 },
            { 600, 540, 465, 165 }, { 600, 1140, 465, 165 } },
        Width::Exact, {}, false,
        { { { 832, 750 }, kThemeBase }, { { 832, 1080 }, QColor(255, 0, 0) },
            { { 832, 530 }, QColor(255, 255, 255) } } },
    { "Label6(1)", "channels::ColumnGauge",
        { { 1155, 585, 465, 675 }, { 1155, 570, 465, 675 }, { 1155, 495, 465, 165 },
            { 1155, 540, 465, 165 }, { 1155, 1125, 465, 165 } },
        Width::Exact, {}, false,
        { { { 1387, 750 }, kThemeBase }, { { 1387, 1080 }, QColor(0, 192, 0) },
            { { 1387, 530 }, kWindowGrey } } },
    // The blue body sits a pixel right of its background, the master's a pixel left.
    { "Label7(1)", "channels::ColumnGauge",
        { { 1725, 570, 465, 675 }, { 1740, 570, 465, 675 }, { 1725, 495, 465, 165 },
            { 1725, 540, 465, 165 }, { 1725, 1140, 465, 165 } },
        Width::Exact, {}, false,
        { { { 1957, 750 }, kThemeBase }, { { 2175, 1080 }, QColor(0, 0, 255) },
            { { 1957, 530 }, kWindowGrey } } },
    { "Label7(2)", "channels::ColumnGauge",
        { { 2325, 570, 465, 675 }, { 2310, 585, 465, 675 }, { 2325, 495, 465, 165 },
            { 2325, 540, 465, 165 }, { 2325, 1140, 465, 165 } },
        Width::Exact, {}, false,
        { { { 2557, 750 }, kThemeBase }, { { 2310, 1080 }, QColor(0, 0, 0) },
            { { 2557, 530 }, kWindowGrey } } },
    { "Slider1", "QScrollBar", { { 750, 1230, 150, 375 } } },
    { "Slider2", "QScrollBar", { { 1305, 1230, 150, 375 } } },
    { "Slider3", "QScrollBar", { { 1875, 1230, 150, 375 } } },
    { "Slider4", "QScrollBar", { { 2475, 1230, 150, 375 } } },
    { "red1", "QLineEdit", { { 660, 2265, 795, 285 } } },
    { "green1", "QLineEdit", { { 1350, 2265, 795, 285 } } },
    { "blue1", "QLineEdit", { { 2040, 2265, 795, 285 } } },
    { "Label44", "QLabel", { { 120, 2280, 360, 285 } }, Width::AtLeast, kBold9, true },
    { "Label1", "transparency::PreviewBox", { { 645, 1560, 2220, 645 } } },
    { "Label8", "QLabel", { { 600, 2640, 2295, 255 } }, Width::Exact, Font { kArial, 9, false },
        true },
    { "Slider5", "QSlider", { { 630, 2880, 2220, 465 } } },
    { "Label9(1)", "QLabel", { { 120, 3480, 465, 375 } }, Width::Exact, kBold9, true },
    { "Text6", "QLineEdit", { { 630, 3450, 2220, 435 } }, Width::Exact,
        Font { kCourier, 15, true } },
    { "Label4", "QLabel", { { 3300, 345, 600, 285 } }, Width::Exact, kBold9, true },
    { "Label10", "QLabel", { { 3300, 615, 705, 255 } }, Width::AtLeast, kBold9, true },
    { "Label3", "QLabel", { { 3300, 915, 720, 255 } }, Width::AtLeast, kBold9, true },
    { "Label2", "QLabel", { { 3300, 1245, 600, 255 } }, Width::Exact, kBold9, true },
    { "Label5(2)", "QLabel", { { 3300, 1530, 600, 255 } }, Width::Exact, kBold9, true },
    { "Label6(2)", "QLabel", { { 3300, 1830, 600, 255 } }, Width::Exact, kBold9, true },
    { "Label9(0)", "QLabel", { { 3300, 2115, 600, 255 } }, Width::Exact, kBold9, true },
    { "Text3", "QLineEdit", { { 4050, 300, 1365, 285 } } },
    { "Text1", "QLineEdit", { { 4050, 600, 1365, 285 } } },
    { "Text2", "QLineEdit", { { 4050, 900, 1365, 285 } } },
    { "Text7", "QLineEdit", { { 4050, 1200, 1365, 285 } } },
    { "Text4", "QLineEdit", { { 4050, 1500, 1365, 285 } } },
    { "Text5", "QLineEdit", { { 4050, 1800, 1365, 285 } } },
    { "Text8", "QLineEdit", { { 4050, 2100, 1365, 285 } } },
    { "Command2", "QPushButton", { { 4080, 2610, 1305, 375 } }, Width::Exact,
        Font { kArial, 9, false } },
    { "Command1", "QAbstractButton", { { 4080, 3720, 375, 375 } } },
    { "Label12", "QLabel", { { 3480, 3480, 1965, 255 } }, Width::Exact,
        Font { kSansSerif, 8.25, true }, true },
    { "Label13", "QLabel", { { 2760, 4200, 3075, 375 } }, Width::Exact, Font { kArial, 8.25, true },
        true },
};

QPoint pixelOf(QPoint twips)
{
    return twips / 15;
}

QString rgbText(QColor c)
{
    return QStringLiteral("#%1").arg(c.rgb() & RGB_MASK, 6, 16, QLatin1Char('0'));
}

} // namespace

class TestLayout : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        m_f = std::make_unique<WindowFixture>();
        QPalette theme = m_f->window.palette();
        theme.setColor(QPalette::Base, kThemeBase);
        m_f->window.setPalette(theme);
        for (auto* column : m_f->window.findChildren<channels::ColumnGauge*>())
            column->setLevel(128);
        m_drawn = m_f->window.grab().toImage();
        QCOMPARE(m_drawn.size(), QSize(384, 316)); // scale 1
    }

    void control_data()
    {
        QTest::addColumn<int>("row");
        for (size_t i = 0; i < kDesign.size(); ++i)
            QTest::newRow(kDesign[i].name) << int(i);
    }

    void control()
    {
        QFETCH(int, row);
        const Control& design = kDesign[size_t(row)];
        QWidget* window = &m_f->window;
        QWidget* w = window->objectName() == QLatin1String(design.name)
            ? window
            : window->findChild<QWidget*>(design.name, Qt::FindDirectChildrenOnly);
        QVERIFY(w);
        QVERIFY2(w->inherits(design.kind), w->metaObject()->className());

        QRect twips;
        for (const QRect& piece : design.twips)
            twips |= piece;
        const QRect designed(pixelOf(twips.topLeft()), twips.size() / 15);
        QCOMPARE(designed.size() * 15, twips.size()); // the design is in whole pixels
        const QRect placed = w == window ? w->rect() : w->geometry();
        if (design.width == Width::AtLeast) {
            QCOMPARE(placed.topLeft(), designed.topLeft());
            QCOMPARE(placed.height(), designed.height());
            QVERIFY2(
                placed.width() >= designed.width(), qPrintable(QString::number(placed.width())));
        } else {
            QCOMPARE(placed, designed);
        }

        if (design.font) {
            const QFontInfo info(w->font());
            QVERIFY2(design.font->families.contains(info.family()), qPrintable(info.family()));
            QCOMPARE(info.pointSizeF(), design.font->points);
            QCOMPARE(info.bold(), design.font->bold);
        }

        if (design.caption) {
            QCOMPARE(w->palette().color(w->foregroundRole()), kBlue);
            QVERIFY(!w->autoFillBackground());
            const QImage label = m_drawn.copy(placed);
            QCOMPARE(rgbText(label.pixelColor(label.rect().bottomLeft())), rgbText(kWindowGrey));
            bool blueText = false;
            for (int y = 0; y < label.height() && !blueText; ++y) {
                for (int x = 0; x < label.width() && !blueText; ++x)
                    blueText = label.pixelColor(x, y) == kBlue;
            }
            QVERIFY(blueText);
        }

        for (const Probe& probe : design.probes) {
            const QPoint at = pixelOf(probe.twips);
            QVERIFY(placed.contains(at));
            QCOMPARE(rgbText(m_drawn.pixelColor(at)), rgbText(probe.colour));
        }
    }

private:
    std::unique_ptr<WindowFixture> m_f;
    QImage m_drawn;
};

QTEST_MAIN(TestLayout)
#include "tst_app_layout.moc"
