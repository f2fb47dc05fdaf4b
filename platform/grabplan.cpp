#include "platform/grabplan.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace platform {

namespace {

    qint64 squaredDistance(QPoint p, const QRect& r)
    {
        const qint64 dx
            = std::max({ qint64(r.left()) - p.x(), qint64(0), qint64(p.x()) - r.right() });
        const qint64 dy
            = std::max({ qint64(r.top()) - p.y(), qint64(0), qint64(p.y()) - r.bottom() });
        return dx * dx + dy * dy;
    }

} // namespace

QRect ScreenArea::deviceGeometry() const
{
    return { geometry.topLeft(),
        QSize(qRound(geometry.width() * devicePixelRatio),
            qRound(geometry.height() * devicePixelRatio)) };
}

std::optional<GrabPlan> planGrab(QPoint device, const QList<ScreenArea>& screens)
{
    int best = -1;
    qint64 bestDistance = std::numeric_limits<qint64>::max();
    for (int i = 0; i < screens.size(); ++i) {
        const QRect area = screens[i].deviceGeometry();
        if (area.isEmpty() || screens[i].devicePixelRatio <= 0)
            continue;
        const qint64 d = squaredDistance(device, area);
        if (d < bestDistance) {
            best = i;
            bestDistance = d;
        }
    }
    if (best < 0)
        return std::nullopt;
    const ScreenArea& screen = screens[best];
    const QRect area = screen.deviceGeometry();
    const QPoint onScreen(std::clamp(device.x(), area.left(), area.right()),
        std::clamp(device.y(), area.top(), area.bottom()));
    const QPoint local = onScreen - area.topLeft();
    const qreal ratio = screen.devicePixelRatio;
    GrabPlan plan;
    plan.screen = best;
    plan.logical = QPoint(int(std::floor(local.x() / ratio)), int(std::floor(local.y() / ratio)));
    // Qt scales the grab's origin to device pixels by rounding.
    plan.pixel = local - QPoint(qRound(plan.logical.x() * ratio), qRound(plan.logical.y() * ratio));
    return plan;
}

std::optional<QPoint> toDevice(QPoint logical, const QList<ScreenArea>& screens)
{
    for (const ScreenArea& screen : screens) {
        if (screen.geometry.contains(logical)) {
            const QPoint local = logical - screen.geometry.topLeft();
            return screen.geometry.topLeft()
                + QPoint(qRound(local.x() * screen.devicePixelRatio),
                    qRound(local.y() * screen.devicePixelRatio));
        }
    }
    return std::nullopt;
}

} // namespace platform
