#include "app/colourwindow.h"

#include "app/captionlabel.h"
#include "app/closingkeyguard.h"
#include "app/qtcolour.h"
#include "app/transientconfirmation.h"
#include "app/windowlayout.h"
#include "channels/channelbar.h"
#include "channels/channelentry.h"
#include "channels/columngauge.h"
#include "channels/masterstep.h"
#include "colour/kmlalpha.h"
#include "colour/typedvalue.h"
#include "picker/pickerbutton.h"
#include "picker/screenpicker.h"
#include "platform/colourdialog.h"
#include "platform/messageboxes.h"
#include "platform/platform.h"
#include "platform/topmost.h"
#include "transparency/previewbox.h"
#include "transparency/transparencyslider.h"

#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <algorithm>
#include <cmath>

namespace app {

namespace {

    const QString kLockedWarning
        = QStringLiteral("This command is locked while the color picker is enabled.");

    // The master's midpoint: Max / 2 rounded to the even neighbour (127.5 -> 128).
    int midpointOf(const QScrollBar* bar)
    {
        return static_cast<int>(std::nearbyint(bar->maximum() / 2.0));
    }

    QString fromStd(const std::string& s)
    {
        return QString::fromStdString(s);
    }

    // Hexa VB and Long VB are written before the bars are set, the rest after:
    // a bar that moves shows its own colour in every box, nested, and these two
    // keep what the last of those wrote. The start-up state depends on it.
    enum class Writing { BeforeBars, AfterBars };

    Writing whenWritten(colour::Notation n)
    {
        using enum colour::Notation;
        return n == HexaVb || n == LongVb ? Writing::BeforeBars : Writing::AfterBars;
    }

    void writeNotations(const WindowControls& c, const colour::Notations& texts, Writing when)
    {
        for (const colour::NotationForm& form : colour::kNotations) {
            if (whenWritten(form.notation) == when)
                c.notation(form.notation)->setText(fromStd(texts[colour::indexOf(form.notation)]));
        }
    }

    // The master step sees the channel bars through this; each write runs the
    // bar's change handling before the step goes on.
    class BarChannels final : public channels::ChannelValues {
    public:
        explicit BarChannels(const std::array<channels::ChannelBar*, 3>& bars)
            : m_bars(bars)
        {
        }
        int value(int ch) const override { return m_bars[ch]->current(); }
        void setValue(int ch, int v) override { m_bars[ch]->setValue(v); }

    private:
        const std::array<channels::ChannelBar*, 3>& m_bars;
    };

} // namespace

ColourWindow::ColourWindow(platform::Platform& platform, QWidget* parent)
    : QWidget(parent)
    , m_platform(platform)
    , m_drag(*this, platform.windowMove)
{
    m_c = buildWindowControls(this);
    new ClosingKeyGuard(this);
    m_picker = new picker::ScreenPicker(m_platform, *this, this);
    m_picker->setTimerEnabled(true); // as designed; start-up switches it off
    m_pickerHint = new TransientConfirmation(m_c.pickerButton);
    connectHandlers();
}

void ColourWindow::connectHandlers()
{
    for (int ch = 0; ch < 3; ++ch) {
        auto* bar = m_c.channelBars[ch];
        connect(bar, &channels::ChannelBar::scrolled, this, [this, ch] { followChannelBar(ch); });
        connect(bar, &channels::ChannelBar::changed, this, [this, ch] { commitChannelChange(ch); });
        connect(bar, &channels::ChannelBar::gotFocus, this, &ColourWindow::recentreMaster);
        connect(m_c.channelBoxes[ch], &channels::ChannelEntry::keyUp, this,
            [this, ch] { acceptTypedChannel(ch); });
    }
    connect(m_c.master, &channels::ChannelBar::scrolled, this, &ColourWindow::stepMaster);
    connect(m_c.master, &channels::ChannelBar::changed, this, &ColourWindow::commitMasterChange);
    connect(m_c.transparency, &QSlider::valueChanged, this, &ColourWindow::applyTransparency);
    connect(m_c.transparency, &transparency::TransparencySlider::clicked, this,
        &ColourWindow::applyKmlAlpha);
    connect(
        m_c.preview, &transparency::PreviewBox::rightPressed, this, &ColourWindow::pickFromPreview);
    connect(m_c.chooseColour, &QPushButton::clicked, this, &ColourWindow::chooseColour);
    connect(m_c.pickerButton, &QAbstractButton::clicked, m_picker, &picker::ScreenPicker::toggle);
}

void ColourWindow::start()
{
    platform::keepAbove(this);
    m_picker->setTimerEnabled(false);
    m_c.channelBoxes[0]->setFocus();
    setSwatches(colour::colourNumberOf(255, 255, 255));
    // As designed, the channel bars are set to what they already store, which
    // runs nothing; the master's move to its midpoint runs the first colour.
    for (int ch = 0; ch < 3; ++ch)
        m_c.channelBars[ch]->setValue(kStoredBarValues[ch]);
    m_c.master->setValue(midpointOf(m_c.master));
    m_c.transparency->setValue(255);
    m_prevMaster = m_c.master->value();
    show();
}

void ColourWindow::setSwatches(colour::ColourNumber c)
{
    m_colour = c;
    m_c.preview->setBackColour(toQRgb(c));
}

void ColourWindow::showColour(colour::ColourNumber c)
{
    const colour::Notations texts = colour::notationsOf(c, m_c.transparency->value());
    setSwatches(c);
    writeNotations(m_c, texts, Writing::BeforeBars);
    if (!isVisible())
        show();
    const colour::Rgb rgb = colour::channelsOf(c);
    // Each bar that moves runs its own change handling, nested, before the next.
    m_c.channelBars[0]->setValue(rgb.red);
    m_c.channelBars[1]->setValue(rgb.green);
    m_c.channelBars[2]->setValue(rgb.blue);
    writeNotations(m_c, texts, Writing::AfterBars);
}

// The KML box may hold anything the user typed: only a six- or eight-character
// text takes the alpha.
void ColourWindow::applyKmlAlpha()
{
    QLineEdit* kml = m_c.notation(colour::Notation::Kml);
    const auto text = colour::withKmlAlpha(kml->text().toStdString(), m_c.transparency->value());
    if (text)
        kml->setText(fromStd(*text));
}

void ColourWindow::redrawPreview()
{
    m_c.preview->showTransparency(m_c.transparency->value());
}

bool ColourWindow::pickerActive() const
{
    return m_picker->active();
}

bool ColourWindow::refusedByPickerLock(channels::ChannelBar* bar)
{
    if (!pickerActive())
        return false;
    bar->releasePress();
    m_platform.messages.show(
        this, platform::MessageIcon::Information, QStringLiteral("Warning"), kLockedWarning);
    return true;
}

// The channel step: box, column and swatches follow the bar; the notations do not.
void ColourWindow::followChannelBar(int channel)
{
    const int v = m_c.channelBars[channel]->current();
    m_c.channelBoxes[channel]->setText(QString::number(v));
    m_c.channelColumns[channel]->setLevel(v);
    // The swatch colour is built from the three boxes, not the bars: a box
    // that holds no number leaves the swatches as they were.
    std::array<int, 3> rgb {};
    for (int ch = 0; ch < 3; ++ch) {
        const auto value = colour::readInteger16(m_c.channelBoxes[ch]->text().toStdString());
        if (!value || *value < 0)
            return;
        rgb[ch] = *value;
    }
    setSwatches(colour::colourNumberOf(rgb[0], rgb[1], rgb[2]));
}

void ColourWindow::commitChannelChange(int channel)
{
    if (refusedByPickerLock(m_c.channelBars[channel]))
        return;
    followChannelBar(channel);
    showColour(m_colour);
    redrawPreview();
}

void ColourWindow::stepMaster()
{
    BarChannels bars(m_c.channelBars);
    if (!channels::masterStep(bars, m_prevMaster, m_c.master->current()))
        return;
    drawMasterColumn();
    m_prevMaster = m_c.master->current();
}

void ColourWindow::commitMasterChange()
{
    if (refusedByPickerLock(m_c.master))
        return;
    stepMaster();
    showColour(m_colour);
    redrawPreview();
}

void ColourWindow::drawMasterColumn()
{
    m_c.masterColumn->setLevel(m_c.master->current(), m_c.master->maximum());
}

void ColourWindow::recentreMaster()
{
    m_c.master->setValue(midpointOf(m_c.master));
}

void ColourWindow::acceptTypedChannel(int channel)
{
    const auto typed = colour::readTypedChannel(m_c.channelBoxes[channel]->text().toStdString());
    if (typed.verdict != colour::TypedChannel::Verdict::Accepted) {
        m_platform.messages.show(this, platform::MessageIcon::Exclamation,
            QStringLiteral("Warning"), QStringLiteral("Illegal value."));
        return;
    }
    m_c.channelBars[channel]->setValue(typed.value);
    // Accepting a value passes the focus through the red bar and back, which
    // re-centres the master; the box keeps the focus.
    recentreMaster();
}

void ColourWindow::applyTransparency()
{
    applyKmlAlpha();
    redrawPreview();
}

void ColourWindow::chooseColour()
{
    const auto chosen = m_platform.colourDialog.choose(this, QColor(toQRgb(m_colour)));
    if (!chosen)
        return;
    setColourFromOutside(toColourNumber(chosen->rgb()));
}

void ColourWindow::pickFromPreview(QPoint point)
{
    setColourFromOutside(toColourNumber(m_c.preview->pixelAt(point)));
}

void ColourWindow::setColourFromOutside(colour::ColourNumber c)
{
    // The refresh builds its intermediate colours from the channel boxes. A
    // box can disagree with its bar: a refused typed value ("300") stays in
    // it, and bars refused by the picker lock stay moved. Such a box would
    // pull the bars off the new colour and leave the notations contradicting
    // them, so every box first shows where its bar stands. While the picker
    // runs the lock refuses every bar anyway: boxes and columns keep what
    // they showed, and a bar value the lock refused must not appear in them.
    if (!pickerActive()) {
        for (int ch = 0; ch < 3; ++ch) {
            const int v = m_c.channelBars[ch]->value();
            m_c.channelBoxes[ch]->setText(QString::number(v));
            m_c.channelColumns[ch]->setLevel(v);
        }
    }
    showColour(c);
}

void ColourWindow::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_drag.press(*event);
}

void ColourWindow::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() & Qt::LeftButton)
        m_drag.motion(*event);
}

void ColourWindow::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_drag.release(*event);
}

void ColourWindow::showPickerRunning(bool running)
{
    m_c.pickerButton->setChecked(running);
}

void ColourWindow::emptyNotations()
{
    // In the order of the boxes' design names, Text1 first, as designed.
    auto boxes = m_c.notations;
    std::ranges::sort(boxes, {}, &QObject::objectName);
    for (QLineEdit* box : boxes) {
        if (box->isReadOnly())
            box->clear();
    }
}

void ColourWindow::setChannelBoxesEnabled(bool enabled)
{
    // Qt would pass the focus of a disabled box along the tab chain, possibly
    // onto a channel bar, whose focus re-centres the master and so meets the
    // picker lock. The eyedropper, which stops the picker, takes it instead.
    if (!enabled) {
        for (QWidget* box : m_c.channelBoxes) {
            if (focusWidget() == box)
                m_c.pickerButton->setFocus(Qt::OtherFocusReason);
        }
    }
    for (QWidget* box : m_c.channelBoxes)
        box->setEnabled(enabled);
}

void ColourWindow::showSample(QRgb pixel)
{
    setSwatches(toColourNumber(pixel));
    redrawPreview();
}

colour::ColourNumber ColourWindow::shownColour() const
{
    return m_colour;
}

void ColourWindow::commitColour(colour::ColourNumber c)
{
    setColourFromOutside(c);
}

void ColourWindow::hintAtPicker(const QString& text)
{
    m_pickerHint->show(text);
}

} // namespace app
