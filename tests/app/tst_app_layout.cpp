// The window as designed: every control at its place in twips (15 to a pixel
// at scale 1), of its kind, captions in blue on the window, and the colours
// the column gauges draw. Written here as designed, not taken from the product.
#include "windowfixture.h"

namespace {

const QColor kBlue(0, 0, 255);
const QColor kWindowGrey(212, 208, 200);
// A dark theme's text-entry colour, so neither the window's grey nor a fixed
// white passes for the columns' empty part.
const QColor kThemeBase(40, 44, 52);

struct Control {
    const char* name;
    const char* kind;
    QRect twips;
    bool atLeastAsWide = false; // a caption widened so the free fonts show every letter
    bool caption = false;
    std::vector<std::pair<QPoint, QColor>> probes = {}; // in twips
};

// A column covers its drawn pieces: background, body, top rim, surface and
// bottom ovals. Probed at 128: the background between rim and surface, the
// body below, and the rim partly above the background, where the window shows.
const std::vector<Control> kDesign = {
    { "paleta", "QWidget", { 0, 0, 5760, 4740 } },
    { "Label5(1)", "channels::ColumnGauge", { 600, 495, 465, 810 }, false, false,
        { { { 832, 750 }, kThemeBase }, { { 832, 1080 }, QColor(255, 0, 0) },
            { { 832, 530 }, QColor(255, 255, 255) } } },
    { "Label6(1)", "channels::ColumnGauge", { 1155, 495, 465, 795 }, false, false,
        { { { 1387, 750 }, kThemeBase }, { { 1387, 1080 }, QColor(0, 192, 0) },
            { { 1387, 530 }, kWindowGrey } } },
    // The blue body sits a pixel right of its background, the master's a pixel left.
    { "Label7(1)", "channels::ColumnGauge", { 1725, 495, 480, 810 }, false, false,
        { { { 1957, 750 }, kThemeBase }, { { 2175, 1080 }, QColor(0, 0, 255) },
            { { 1957, 530 }, kWindowGrey } } },
    { "Label7(2)", "channels::ColumnGauge", { 2310, 495, 480, 810 }, false, false,
        { { { 2557, 750 }, kThemeBase }, { { 2310, 1080 }, QColor(0, 0, 0) },
            { { 2557, 530 }, kWindowGrey } } },
    { "Slider1", "QScrollBar", { 750, 1230, 150, 375 } },
    { "Slider2", "QScrollBar", { 1305, 1230, 150, 375 } },
    { "Slider3", "QScrollBar", { 1875, 1230, 150, 375 } },
    { "Slider4", "QScrollBar", { 2475, 1230, 150, 375 } },
    { "red1", "QLineEdit", { 660, 2265, 795, 285 } },
    { "green1", "QLineEdit", { 1350, 2265, 795, 285 } },
    { "blue1", "QLineEdit", { 2040, 2265, 795, 285 } },
    { "Label44", "QLabel", { 120, 2280, 360, 285 }, true, true },
    { "Label1", "transparency::PreviewBox", { 645, 1560, 2220, 645 } },
    { "Label8", "QLabel", { 600, 2640, 2295, 255 }, false, true },
    { "Slider5", "QSlider", { 630, 2880, 2220, 465 } },
    { "Label9(1)", "QLabel", { 120, 3480, 465, 375 }, false, true },
    { "Text6", "QLineEdit", { 630, 3450, 2220, 435 } },
    { "Label4", "QLabel", { 3300, 345, 600, 285 }, false, true },
    { "Label10", "QLabel", { 3300, 615, 705, 255 }, true, true },
    { "Label3", "QLabel", { 3300, 915, 720, 255 }, true, true },
    { "Label2", "QLabel", { 3300, 1245, 600, 255 }, false, true },
    { "Label5(2)", "QLabel", { 3300, 1530, 600, 255 }, false, true },
    { "Label6(2)", "QLabel", { 3300, 1830, 600, 255 }, false, true },
    { "Label9(0)", "QLabel", { 3300, 2115, 600, 255 }, false, true },
    { "Text3", "QLineEdit", { 4050, 300, 1365, 285 } },
    { "Text1", "QLineEdit", { 4050, 600, 1365, 285 } },
    { "Text2", "QLineEdit", { 4050, 900, 1365, 285 } },
    { "Text7", "QLineEdit", { 4050, 1200, 1365, 285 } },
    { "Text4", "QLineEdit", { 4050, 1500, 1365, 285 } },
    { "Text5", "QLineEdit", { 4050, 1800, 1365, 285 } },
    { "Text8", "QLineEdit", { 4050, 2100, 1365, 285 } },
    { "Command2", "QPushButton", { 4080, 2610, 1305, 375 } },
    { "Command1", "QAbstractButton", { 4080, 3720, 375, 375 } },
    { "Label12", "QLabel", { 3480, 3480, 1965, 255 }, false, true },
    { "Label13", "QLabel", { 2760, 4200, 3075, 375 }, false, true },
};

} // namespace

class TestAppLayout : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QPalette theme = m_f.window.palette();
        theme.setColor(QPalette::Base, kThemeBase);
        m_f.window.setPalette(theme);
        for (auto* column : m_f.window.findChildren<channels::ColumnGauge*>())
            column->setLevel(128);
        m_drawn = m_f.window.grab().toImage();
        QCOMPARE(m_drawn.size(), QSize(384, 316)); // scale 1
    }

    // The design's fonts, or the free stand-ins the build installs where they are
    // missing; first, as the places of the captions depend on them.
    void fonts_data()
    {
        QTest::addColumn<QStringList>("families"); // designed, then its stand-in
        QTest::addColumn<QString>("package"); // Debian's, for the stand-in
        QTest::addColumn<int>("points");
        QTest::addColumn<bool>("bold");
        QTest::newRow("Text6") << QStringList { "Courier New", "Liberation Mono" }
                               << "fonts-liberation" << 15 << true;
        QTest::newRow("Label1") << QStringList { "Calibri", "Carlito" } << "fonts-crosextra-carlito"
                                << 9 << true;
        QTest::newRow("Command2") << QStringList { "Arial", "Liberation Sans" }
                                  << "fonts-liberation" << 9 << false;
        QTest::newRow("Text3") << QStringList { "MS Sans Serif", "Liberation Sans" }
                               << "fonts-liberation" << 8 << false;
    }

    void fonts()
    {
        QFETCH(QStringList, families);
        QFETCH(QString, package);
        const auto* widget = m_f.window.findChild<QWidget*>(QTest::currentDataTag());
        QVERIFY(widget);
        const QFontInfo shown(widget->font());
        QVERIFY2(families.contains(shown.family()),
            qPrintable(QString("drawn in %1, not %2: install the Debian package %3")
                           .arg(shown.family(), families.join(" or "), package)));
        QTEST(shown.pointSize(), "points");
        QTEST(shown.bold(), "bold");
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
        QWidget* w = row ? m_f.window.findChild<QWidget*>(design.name, Qt::FindDirectChildrenOnly)
                         : &m_f.window;
        QVERIFY(w && w->objectName() == design.name && w->inherits(design.kind));
        const QRect designed(design.twips.topLeft() / 15, design.twips.size() / 15);
        QCOMPARE(designed.size() * 15, design.twips.size()); // the design is in whole pixels
        QRect placed = row ? w->geometry() : w->rect();
        if (design.atLeastAsWide && placed.width() >= designed.width())
            placed.setWidth(designed.width());
        QCOMPARE(placed, designed);
        if (design.caption) {
            QCOMPARE(w->palette().color(w->foregroundRole()), kBlue);
            const QImage label = m_drawn.copy(placed);
            QCOMPARE(label.pixelColor(label.rect().bottomLeft()), kWindowGrey);
            QVERIFY(!label.convertToFormat(QImage::Format_RGB32).allGray()); // the blue text
        }
        for (const auto& [twips, colour] : design.probes)
            QCOMPARE(m_drawn.pixelColor(twips / 15).name(), colour.name());
    }

private:
    WindowFixture m_f;
    QImage m_drawn;
};

QTEST_MAIN(TestAppLayout)
#include "tst_app_layout.moc"
