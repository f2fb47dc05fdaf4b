#include "picker/screenpicker.h"

#include "picker/pickerwindow.h"
#include "platform/desktopcolourpick.h"
#include "platform/keystate.h"
#include "platform/messageboxes.h"
#include "platform/platform.h"
#include "platform/pointer.h"
#include "platform/screensampler.h"
#include "platform/session.h"

#include <QApplication>
#include <QWidget>

namespace picker {

ScreenPicker::ScreenPicker(platform::Platform& platform, PickerWindow& window, QWidget* parent)
    : QObject(parent)
    , m_platform(platform)
    , m_window(window)
    , m_parent(parent)
{
    m_timer.setInterval(kIntervalMs);
    connect(&m_timer, &QTimer::timeout, this, &ScreenPicker::tick);
}

ScreenPicker::~ScreenPicker()
{
    // The answer must not come back to a picker that is gone.
    if (m_desktopPicking)
        m_platform.desktopPick.abandon();
}

QString ScreenPicker::unreadableNotice()
{
    return tr("The screen cannot be read on this desktop, so the color picker cannot take "
              "colors from it. (On Wayland desktops the picker asks the desktop portal, "
              "xdg-desktop-portal, and none answered.)\n\n"
              "Everything else works as usual.");
}

QString ScreenPicker::nothingPickedHint()
{
    return tr("No color was picked");
}

void ScreenPicker::setTimerEnabled(bool enabled)
{
    if (enabled)
        m_timer.start();
    else
        m_timer.stop();
}

void ScreenPicker::toggle()
{
    if (active())
        stop();
    else
        start();
}

void ScreenPicker::start()
{
    m_window.showPickerRunning(true);
    m_window.emptyNotations();
    m_sampledSinceStart = false;
    const platform::ScreenReading reading = m_platform.screenReading;
    if (reading == platform::ScreenReading::X11Grab)
        m_timer.start(); // the first sample comes one interval later
    m_desktopPicking = reading == platform::ScreenReading::Portal;
    m_window.setChannelBoxesEnabled(false);
    if (reading == platform::ScreenReading::Portal) {
        m_platform.desktopPick.begin(
            m_parent, [this](platform::DesktopPickAnswer answer) { desktopAnswered(answer); });
    } else if (reading == platform::ScreenReading::None) {
        stopUnreadable();
    }
}

// The timer is off before the colour is committed: the bars that the commit
// moves must not meet the picker lock.
void ScreenPicker::stop()
{
    m_window.setChannelBoxesEnabled(true);
    m_timer.stop();
    if (std::exchange(m_desktopPicking, false))
        m_platform.desktopPick.abandon(); // a late answer is ignored
    m_window.commitColour(m_window.shownColour());
    m_window.showPickerRunning(false);
}

// The answer may come inside the event loop of a box we show (the lock warning,
// the colour dialog). Unlike a tick it is committed at once: the handling that
// opened such a box does nothing afterwards, or sets the dialog's colour,
// which is then the user's later choice.
void ScreenPicker::desktopAnswered(const platform::DesktopPickAnswer& answer)
{
    using Outcome = platform::DesktopPickAnswer::Outcome;
    m_desktopPicking = false;
    // A picked colour is shown as a sample would be, and the stop commits it;
    // a cancel or a failure stops with the colour from before the start.
    if (answer.outcome == Outcome::Picked)
        m_window.showSample(answer.colour);
    if (answer.outcome == Outcome::Unavailable) {
        stopUnreadable();
        return;
    }
    stop();
    // Desktops answer a cancel for some failures and a failure for some cancels
    // (or for a pick that took the user too long), so neither is trusted to be
    // what the user meant: both are said, briefly and without a box.
    if (answer.outcome != Outcome::Picked)
        m_window.hintAtPicker(nothingPickedHint());
}

void ScreenPicker::stopUnreadable()
{
    stop();
    m_platform.messages.show(
        m_parent, platform::MessageIcon::Exclamation, tr("Warning"), unreadableNotice());
}

void ScreenPicker::tick()
{
    if (!m_timer.isActive())
        return;
    // Ticks arrive inside the event loop of any modal box we show. A stop there
    // would commit a colour in the middle of the handling that opened the box.
    if (QApplication::activeModalWidget())
        return;
    if (m_platform.keys.isDown(Qt::Key_S)) {
        stop();
        return;
    }
    if (const auto sample = sampleBesidePointer()) {
        m_lastSample = sample;
        m_sampledSinceStart = true;
    } else if (!m_sampledSinceStart) {
        // Not even the first read worked: rather than show a made-up colour,
        // give the colour back and say why.
        stopUnreadable();
        return;
    }
    m_window.showSample(*m_lastSample);
}

std::optional<QRgb> ScreenPicker::sampleBesidePointer()
{
    return m_platform.screen.pixelBesidePointer(m_platform.pointer);
}

} // namespace picker
