// The floor for the window's start-up: the same window built from stock Qt
// widgets and nothing else. Every control of the design that has a place gets
// a plain widget of its kind at that place (15 twips a pixel), with its stored
// caption or text, in the default font; the ovals and picture boxes are bare
// QWidgets, the three hidden picture boxes stay hidden. The timer is a QTimer;
// the colour dialog has no widget until it is asked for.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <QTimer>

namespace {

constexpr int kTwipsPerPixel = 15;

enum class Kind { Label, Oval, ScrollBar, TextBox, Slider, Button, Picture, HiddenPicture };

struct Control {
    Kind kind;
    int left, top, width, height;
    const char* text;
};

// Labels and ovals first: windowed controls created later lie in front.
const Control kControls[] = {
    // The four columns: background, body, top rim, surface, bottom.
    { Kind::Label, 600, 570, 465, 675, "" },
    { Kind::Label, 600, 585, 465, 675, "" },
    { Kind::Oval, 600, 495, 465, 165, "" },
    { Kind::Oval, 600, 540, 465, 165, "" },
    { Kind::Oval, 600, 1140, 465, 165, "" },
    { Kind::Label, 1155, 585, 465, 675, "" },
    { Kind::Label, 1155, 570, 465, 675, "" },
    { Kind::Oval, 1155, 495, 465, 165, "" },
    { Kind::Oval, 1155, 540, 465, 165, "" },
    { Kind::Oval, 1155, 1125, 465, 165, "" },
    { Kind::Label, 1725, 570, 465, 675, "" },
    { Kind::Label, 1740, 570, 465, 675, "" },
    { Kind::Oval, 1725, 495, 465, 165, "" },
    { Kind::Oval, 1725, 540, 465, 165, "" },
    { Kind::Oval, 1725, 1140, 465, 165, "" },
    { Kind::Label, 2325, 570, 465, 675, "" },
    { Kind::Label, 2310, 585, 465, 675, "" },
    { Kind::Oval, 2325, 495, 465, 165, "" },
    { Kind::Oval, 2325, 540, 465, 165, "" },
    { Kind::Oval, 2325, 1140, 465, 165, "" },
    // Captions.
    { Kind::Label, 120, 2280, 360, 285, "RGB" },
    { Kind::Label, 600, 2640, 2295, 255, "Transparency" },
    { Kind::Label, 120, 3480, 465, 375, "KML" },
    { Kind::Label, 3300, 345, 600, 285, "RGB" },
    { Kind::Label, 3300, 615, 705, 255, "Hexa VB" },
    { Kind::Label, 3300, 915, 720, 255, "Long VB" },
    { Kind::Label, 3300, 1245, 600, 255, "HTML" },
    { Kind::Label, 3300, 1530, 600, 255, "CMY" },
    { Kind::Label, 3300, 1830, 600, 255, "CMYK" },
    { Kind::Label, 3300, 2115, 600, 255, "HSL" },
    { Kind::Label, 3480, 3480, 1965, 255, "Start the Color Picker" },
    { Kind::Label, 2760, 4200, 3075, 375, "To stop it press 's' in the keyboard" },
    // Windowed controls.
    { Kind::ScrollBar, 750, 1230, 150, 375, "" },
    { Kind::ScrollBar, 1305, 1230, 150, 375, "" },
    { Kind::ScrollBar, 1875, 1230, 150, 375, "" },
    { Kind::ScrollBar, 2475, 1230, 150, 375, "" },
    { Kind::TextBox, 660, 2265, 795, 285, "0" },
    { Kind::TextBox, 1350, 2265, 795, 285, "127" },
    { Kind::TextBox, 2040, 2265, 795, 285, "255" },
    { Kind::Picture, 645, 1560, 2220, 645, "" },
    { Kind::HiddenPicture, 645, 1560, 2220, 645, "" },
    { Kind::Slider, 630, 2880, 2220, 465, "" },
    { Kind::TextBox, 630, 3450, 2220, 435, "Text1" },
    { Kind::TextBox, 4050, 300, 1365, 285, "" },
    { Kind::TextBox, 4050, 600, 1365, 285, "" },
    { Kind::TextBox, 4050, 900, 1365, 285, "" },
    { Kind::TextBox, 4050, 1200, 1365, 285, "" },
    { Kind::TextBox, 4050, 1500, 1365, 285, "" },
    { Kind::TextBox, 4050, 1800, 1365, 285, "" },
    { Kind::TextBox, 4050, 2100, 1365, 285, "" },
    { Kind::Button, 4080, 2610, 1305, 375, "Choose color" },
    { Kind::Picture, 4080, 3720, 375, 375, "" },
    { Kind::HiddenPicture, 1080, 0, 200, 200, "" },
    { Kind::HiddenPicture, 1440, 0, 210, 195, "" },
};

QWidget* plainWidget(const Control& control, QWidget* window)
{
    const QString text = QString::fromLatin1(control.text);
    switch (control.kind) {
    case Kind::Label:
        return new QLabel(text, window);
    case Kind::ScrollBar: {
        auto* bar = new QScrollBar(Qt::Vertical, window);
        bar->setRange(0, 255);
        return bar;
    }
    case Kind::TextBox:
        return new QLineEdit(text, window);
    case Kind::Slider: {
        auto* slider = new QSlider(Qt::Horizontal, window);
        slider->setRange(0, 255);
        return slider;
    }
    case Kind::Button:
        return new QPushButton(text, window);
    case Kind::Oval:
    case Kind::Picture:
    case Kind::HiddenPicture:
        return new QWidget(window);
    }
    return nullptr;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Marivell v 2.0 (https://marivell.example.org)"));
    window.setFixedSize(5760 / kTwipsPerPixel, 4740 / kTwipsPerPixel);
    for (const Control& control : kControls) {
        QWidget* widget = plainWidget(control, &window);
        widget->setGeometry(control.left / kTwipsPerPixel, control.top / kTwipsPerPixel,
            control.width / kTwipsPerPixel, control.height / kTwipsPerPixel);
        widget->setHidden(control.kind == Kind::HiddenPicture);
    }
    QTimer timer;
    timer.setInterval(100);
    window.show();
    return app.exec();
}
