#include "app/windowlayout.h"

#include "app/captionlabel.h"
#include "app/controlaccessibility.h"
#include "app/notationbox.h"
#include "channels/channelbar.h"
#include "channels/channelentry.h"
#include "channels/columngauge.h"
#include "channels/twips.h"
#include "data/programimage.h"
#include "picker/pickerbutton.h"
#include "transparency/previewbox.h"
#include "transparency/transparencyslider.h"

#include <QFontDatabase>
#include <QLineEdit>
#include <QPushButton>

// Controls keep their design names as object names, which tests and outside
// scripts use: Slider1..3 are the red, green and blue bars, Slider4 the master
// and Slider5 the transparency; red1, green1, blue1 the channel boxes;
// Label5(1), Label6(1), Label7(1) and Label7(2) the columns (each also draws
// its background label and ovals); Label1 the preview, whose background is the
// solid swatch it blends from; Text1..Text8 the notation boxes (Text6 the KML
// box); Command1 the eyedropper and Command2 the colour dialog button.
namespace app {

namespace {

    const QColor kWindowColour(212, 208, 200);

    QRect twips(int left, int top, int width, int height)
    {
        return channels::pixelsFromTwips(QRect(left, top, width, height));
    }

    // The first installed family of a design font and its stand-ins. For each
    // listed family that is missing, Qt runs fontconfig's fallback search every
    // time it loads the font, which costs as much as the load itself; asking for
    // the installed family alone gives the same face without the search. With
    // none installed the whole list goes to Qt, which substitutes as before.
    QStringList installedFamily(const QStringList& families)
    {
        static const QStringList installed = [] {
            QStringList names = QFontDatabase::families();
            for (QString& name : names)
                name = name.section(QLatin1String(" ["), 0, 0); // less the foundry, where several
            return names;
        }();
        for (const QString& family : families) {
            if (installed.contains(family, Qt::CaseInsensitive))
                return { family };
        }
        return families;
    }

    QFont designFont(const QStringList& families, qreal points, bool bold)
    {
        QFont font;
        font.setFamilies(installedFamily(families));
        font.setPointSizeF(points);
        font.setBold(bold);
        return font;
    }

    const QStringList kArial { QStringLiteral("Arial"), QStringLiteral("Liberation Sans") };
    const QStringList kSansSerif { QStringLiteral("MS Sans Serif"),
        QStringLiteral("Liberation Sans") };
    const QStringList kCourier { QStringLiteral("Courier New"), QStringLiteral("Liberation Mono") };
    const QStringList kCalibri { QStringLiteral("Calibri"), QStringLiteral("Carlito") };

    struct ColumnRow {
        const char* body;
        const char* name;
        const char* bar;
        const char* barName;
        int barLeft;
        channels::ColumnDesign design;
    };

    const ColumnRow kColumns[] = {
        { "Label5(1)", "Red level", "Slider1", "Red", 750,
            { QRect(600, 570, 465, 675), 600, 465, QRect(600, 495, 465, 165), QColor(255, 255, 255),
                600, QRect(600, 1140, 465, 165), QColor(255, 0, 0) } },
        { "Label6(1)", "Green level", "Slider2", "Green", 1305,
            { QRect(1155, 585, 465, 675), 1155, 465, QRect(1155, 495, 465, 165), std::nullopt, 1155,
                QRect(1155, 1125, 465, 165), QColor(0, 192, 0) } },
        { "Label7(1)", "Blue level", "Slider3", "Blue", 1875,
            { QRect(1725, 570, 465, 675), 1740, 465, QRect(1725, 495, 465, 165), std::nullopt, 1725,
                QRect(1725, 1140, 465, 165), QColor(0, 0, 255) } },
        { "Label7(2)", "Master level", "Slider4", "Master", 2475,
            { QRect(2325, 570, 465, 675), 2310, 465, QRect(2325, 495, 465, 165), std::nullopt, 2325,
                QRect(2325, 1140, 465, 165), QColor(0, 0, 0) } },
    };

    struct CaptionRow {
        const char* name;
        const char* text;
        QRect place;
        QFont font;
        Qt::Alignment alignment;
        CaptionLabel::Press press;
    };

    using colour::Notation;

    // A notation's box and the caption beside it, in twips.
    struct NotationPlace {
        Notation notation;
        const char* box;
        QRect boxPlace;
        const char* caption;
        QRect captionPlace;
    };

    // The read-only boxes, in a column on the right.
    const NotationPlace kNotationColumn[] = {
        { Notation::Rgb, "Text3", { 4050, 300, 1365, 285 }, "Label4", { 3300, 345, 600, 285 } },
        { Notation::HexaVb, "Text1", { 4050, 600, 1365, 285 }, "Label10", { 3300, 615, 705, 255 } },
        { Notation::LongVb, "Text2", { 4050, 900, 1365, 285 }, "Label3", { 3300, 915, 720, 255 } },
        { Notation::Html, "Text7", { 4050, 1200, 1365, 285 }, "Label2", { 3300, 1245, 600, 255 } },
        { Notation::Cmy, "Text4", { 4050, 1500, 1365, 285 }, "Label5(2)",
            { 3300, 1530, 600, 255 } },
        { Notation::Cmyk, "Text5", { 4050, 1800, 1365, 285 }, "Label6(2)",
            { 3300, 1830, 600, 255 } },
        { Notation::Hsl, "Text8", { 4050, 2100, 1365, 285 }, "Label9(0)",
            { 3300, 2115, 600, 255 } },
    };

    // The editable KML box lies under the transparency slider, whose value is
    // its alpha, and is built after it.
    const NotationPlace kKmlPlace = { Notation::Kml, "Text6", { 630, 3450, 2220, 435 }, "Label9(1)",
        { 120, 3480, 465, 375 } };

    static_assert(std::size(kNotationColumn) + 1 == colour::kNotationCount,
        "every notation has a place for its box");

    template <typename W> W* named(W* widget, const char* objectName, const QString& accessibleName)
    {
        widget->setObjectName(QLatin1String(objectName));
        widget->setAccessibleName(accessibleName);
        return widget;
    }

    void addCaption(QWidget* window, const CaptionRow& row)
    {
        auto* label = new CaptionLabel(QString::fromLatin1(row.text), row.press, window);
        label->setObjectName(QLatin1String(row.name));
        label->setFont(row.font);
        label->setAlignment(row.alignment);
        // Designed for the metrics of another platform's fonts: where a caption
        // would be clipped, let it run on to the right rather than lose letters.
        QRect place = row.place;
        const int needed = label->fontMetrics().horizontalAdvance(label->text()) + 2;
        if (!(row.alignment & Qt::AlignHCenter) && needed > place.width())
            place.setWidth(needed);
        label->setGeometry(place);
    }

    void buildCaptions(QWidget* window)
    {
        const QFont bold9 = designFont(kArial, 9, true);
        const auto left = Qt::AlignLeft | Qt::AlignTop;
        const auto swallow = CaptionLabel::Press::Swallow;
        const auto beside = [&](const NotationPlace& place) {
            return CaptionRow { place.caption, colour::nameOf(place.notation),
                channels::pixelsFromTwips(place.captionPlace), bold9, left, swallow };
        };
        for (const auto& place : kNotationColumn)
            addCaption(window, beside(place));
        const CaptionRow rows[] = {
            { "Label44", "RGB", twips(120, 2280, 360, 285), bold9, left, swallow },
            beside(kKmlPlace),
            { "Label8", "Transparency", twips(600, 2640, 2295, 255), designFont(kArial, 9, false),
                Qt::AlignHCenter | Qt::AlignTop, swallow },
            { "Label12", "Start the Color Picker", twips(3480, 3480, 1965, 255),
                designFont(kSansSerif, 8.25, true), left, CaptionLabel::Press::DragWindow },
            { "Label13", "To stop it press 's' in the keyboard", twips(2760, 4200, 3075, 375),
                designFont(kArial, 8.25, true), Qt::AlignHCenter | Qt::AlignTop, swallow },
        };
        for (const auto& row : rows)
            addCaption(window, row);
    }

    NotationBox* addNotationBox(
        WindowControls& c, QWidget* window, const NotationPlace& place, NotationBox::Kind kind)
    {
        auto* box = named(new NotationBox(kind, window), place.box,
            QString::fromLatin1(colour::nameOf(place.notation)));
        box->setGeometry(channels::pixelsFromTwips(place.boxPlace));
        c.notations[colour::indexOf(place.notation)] = box;
        return box;
    }

} // namespace

WindowControls buildWindowControls(QWidget* window)
{
    // Before any control exists: Qt keeps the first accessible interface it makes for a widget.
    installControlAccessibility();
    WindowControls c;
    window->setObjectName(QStringLiteral("paleta"));
    window->setFixedSize(twips(0, 0, 5760, 4740).size());
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, kWindowColour);
    window->setPalette(palette);
    window->setAutoFillBackground(true);
    // A new line edit lays out its empty text in the application font before it
    // takes the window's, so the desktop's font loads too (5 % of the start-up's
    // instructions). Setting the application font around the build would save
    // that, but a font once set, even set back, stops following the desktop's,
    // and dialogs opened after the user changes it would keep the old one.
    window->setFont(designFont(kSansSerif, 8, false));

    // Labels and ovals first: windowed controls created later lie in front.
    std::array<channels::ColumnGauge*, 4> columns {};
    for (int i = 0; i < 4; ++i) {
        const auto& row = kColumns[i];
        columns[i] = named(
            new channels::ColumnGauge(row.design, window), row.body, QString::fromLatin1(row.name));
        columns[i]->setLevel(kStoredBarValues[i]);
    }
    buildCaptions(window);

    auto* photo
        = new transparency::PreviewBox(data::programImage(QStringLiteral("photo.png")), window);
    c.preview = named(photo, "Label1", QStringLiteral("Preview"));
    c.preview->setGeometry(twips(645, 1560, 2220, 645));
    c.preview->setFont(designFont(kCalibri, 9, true)); // its caption

    std::array<channels::ChannelBar*, 4> bars {};
    for (int i = 0; i < 4; ++i) {
        const auto& row = kColumns[i];
        auto* bar
            = named(new channels::ChannelBar(window), row.bar, QString::fromLatin1(row.barName));
        bar->setGeometry(twips(row.barLeft, 1230, 150, 375));
        bar->setRange(0, 255);
        const bool master = i == 3;
        bar->setSingleStep(master ? 1 : 10);
        bar->setPageStep(master ? 1 : 20);
        bar->setValue(kStoredBarValues[i]);
        bars[i] = bar;
    }

    const char* boxNames[] = { "red1", "green1", "blue1" };
    const char* boxAccessible[] = { "Red value", "Green value", "Blue value" };
    const char* storedTexts[] = { "0", "127", "255" };
    const int boxLefts[] = { 660, 1350, 2040 };
    for (int ch = 0; ch < 3; ++ch) {
        auto* box = named(new channels::ChannelEntry(window), boxNames[ch],
            QString::fromLatin1(boxAccessible[ch]));
        box->setGeometry(twips(boxLefts[ch], 2265, 795, 285));
        box->setText(QString::fromLatin1(storedTexts[ch]));
        c.channelBoxes[ch] = box;
        c.channelBars[ch] = bars[ch];
        c.channelColumns[ch] = columns[ch];
    }
    c.master = bars[3];
    c.masterColumn = columns[3];

    for (const auto& place : kNotationColumn)
        addNotationBox(c, window, place, NotationBox::Kind::ReadOnly);

    c.transparency = named(
        new transparency::TransparencySlider(window), "Slider5", QStringLiteral("Transparency"));
    c.transparency->setGeometry(twips(630, 2880, 2220, 465));

    auto* kml = addNotationBox(c, window, kKmlPlace, NotationBox::Kind::Editable);
    kml->setFont(designFont(kCourier, 15, true));
    kml->setAlignment(Qt::AlignCenter);
    kml->setText(QStringLiteral("Text1"));

    c.chooseColour = named(new QPushButton(QStringLiteral("Choose color"), window), "Command2",
        QStringLiteral("Choose color"));
    c.chooseColour->setGeometry(twips(4080, 2610, 1305, 375));
    c.chooseColour->setFont(designFont(kArial, 9, false));

    c.pickerButton
        = named(new picker::PickerButton(
                    QPixmap::fromImage(data::programImage(QStringLiteral("pipette.png"))), window),
            "Command1", QStringLiteral("Color picker"));
    c.pickerButton->setGeometry(twips(4080, 3720, 375, 375));

    QWidget* tabOrder[] = { c.channelBoxes[0], c.channelBoxes[1], c.channelBoxes[2], c.preview,
        bars[0], bars[1], bars[2], bars[3], c.notation(Notation::Hsl), c.notation(Notation::Html),
        c.notation(Notation::Cmyk), c.notation(Notation::Cmy), c.notation(Notation::HexaVb),
        c.notation(Notation::Rgb), c.notation(Notation::LongVb), c.pickerButton, c.chooseColour,
        c.transparency, kml };
    for (size_t i = 1; i < std::size(tabOrder); ++i)
        QWidget::setTabOrder(tabOrder[i - 1], tabOrder[i]);
    return c;
}

} // namespace app
