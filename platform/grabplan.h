// Where one device pixel of the desktop lies in a screen grab.
#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <optional>

namespace platform {

// A screen as Qt describes it: logical geometry and device pixel ratio. Qt keeps
// each screen's top-left corner in device pixels when it scales, so the device
// area starts where the logical one does and is ratio times as large.
struct ScreenArea {
    QRect geometry;
    qreal devicePixelRatio = 1;

    QRect deviceGeometry() const;
};

struct GrabPlan {
    int screen = -1; // index into the screens
    QPoint logical; // the 1 x 1 logical area to grab, relative to the screen's top-left
    QPoint pixel; // the wanted device pixel inside that grab
};

// Plans the grab of the device pixel at a desktop position (on X11: root window
// coordinates). A position off every screen moves onto the nearest one first.
std::optional<GrabPlan> planGrab(QPoint device, const QList<ScreenArea>& screens);

// The first device pixel of a logical desktop position.
std::optional<QPoint> toDevice(QPoint logical, const QList<ScreenArea>& screens);

} // namespace platform
