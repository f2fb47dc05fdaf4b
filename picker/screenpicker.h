// The screen colour picker: while it runs, the screen pixel beside the pointer
// is shown ten times a second; S or a second click makes it the current colour.
// Where the desktop does not let programs read the screen (Wayland), the
// desktop picks instead, with its own overlay, and its answer ends the picker.
#pragma once

#include <QObject>
#include <QRgb>
#include <QTimer>
#include <optional>

class QWidget;
namespace platform {
struct Platform;
struct DesktopPickAnswer;
}

namespace picker {

class PickerWindow;

class ScreenPicker : public QObject {
    Q_OBJECT
public:
    static constexpr int kIntervalMs = 100;

    // parent also owns the notice shown when the screen cannot be read.
    ScreenPicker(platform::Platform& platform, PickerWindow& window, QWidget* parent);
    ~ScreenPicker() override;

    // The picker runs while its timer does, or while the desktop picks.
    bool active() const { return m_timer.isActive() || m_desktopPicking; }

    // The timer alone, without the start or stop steps (start-up switches it off).
    void setTimerEnabled(bool enabled);
    // How often the running picker reads the screen.
    int intervalMs() const { return m_timer.interval(); }

    static QString unreadableNotice();
    static QString nothingPickedHint();

public slots:
    // A click on the eyedropper: starts a stopped picker, stops a running one.
    void toggle();
    // One timer tick.
    void tick();

private:
    void start();
    void stop();
    void desktopAnswered(const platform::DesktopPickAnswer& answer);
    void stopUnreadable();
    std::optional<QRgb> sampleBesidePointer();

    platform::Platform& m_platform;
    PickerWindow& m_window;
    QWidget* m_parent = nullptr;
    QTimer m_timer;
    // The last pixel read: a failed read shows it again.
    std::optional<QRgb> m_lastSample;
    bool m_sampledSinceStart = false;
    // A pick asked of the desktop and not answered yet.
    bool m_desktopPicking = false;
};

} // namespace picker
