// Asking the desktop for a colour from the screen. Where a program may not read
// the screen itself (Wayland desktops), the desktop shows its own picking
// overlay and hands back the colour the user chose.
#pragma once

#include <QObject>
#include <QRgb>
#include <functional>

class QWidget;

namespace platform {

struct DesktopPickAnswer {
    Q_GADGET
public:
    enum class Outcome { Picked, Cancelled, Failed, Unavailable };
    Q_ENUM(Outcome) // named in debug output and test failures
    Outcome outcome = Outcome::Failed;
    QRgb colour = 0; // meaningful for Picked only

    static DesktopPickAnswer picked(QRgb c) { return { Outcome::Picked, c }; }
    static DesktopPickAnswer cancelled() { return { Outcome::Cancelled }; }
    static DesktopPickAnswer failed() { return { Outcome::Failed }; }
    static DesktopPickAnswer unavailable() { return { Outcome::Unavailable }; }
};

class DesktopColourPick {
public:
    using Done = std::function<void(DesktopPickAnswer)>;

    virtual ~DesktopColourPick() = default;
    // Starts a pick on behalf of window. done runs once, later, from the event
    // loop (never inside this call), unless the pick is abandoned first. The
    // user may take as long as they like.
    virtual void begin(QWidget* window, Done done) = 0;
    // Gives up a pending pick: its done never runs.
    virtual void abandon() = 0;
};

} // namespace platform
