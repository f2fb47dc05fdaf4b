#include "picker/screenpicker.h"

#include "picker/pickerwindow.h"
#include "platform/keystate.h"
#include "platform/messageboxes.h"
#include "platform/platform.h"
#include "platform/pointer.h"
#include "platform/screensampler.h"

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

QString ScreenPicker::unreadableNotice()
{
    return tr("The screen cannot be read on this desktop, so the color picker cannot take "
              "colors from it. (Wayland desktops do not let programs read the screen.)\n\n"
              "Everything else works as usual.");
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
    m_timer.start(); // the first sample comes one interval later
    m_window.setChannelBoxesEnabled(false);
}

// The timer is off before the colour is committed: the bars that the commit
// moves must not meet the picker lock.
void ScreenPicker::stop()
{
    m_window.setChannelBoxesEnabled(true);
    m_timer.stop();
    m_window.commitColour(m_window.shownColour());
    m_window.showPickerRunning(false);
}

void ScreenPicker::tick()
{
    if (!active())
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
        stop();
        m_platform.messages.show(
            m_parent, platform::MessageIcon::Exclamation, tr("Warning"), unreadableNotice());
        return;
    }
    m_window.showSample(*m_lastSample);
}

std::optional<QRgb> ScreenPicker::sampleBesidePointer()
{
    return m_platform.screen.pixelBesidePointer(m_platform.pointer);
}

} // namespace picker
