// Reading the desktop portal's answer to a colour pick.
#pragma once

#include "platform/desktopcolourpick.h"

#include <QRgb>
#include <QString>
#include <optional>

class QDBusMessage;

namespace platform {

// One channel of the portal's colour, a fraction 0..1, as 0..255; nothing for
// a value outside 0..1 or not a number.
std::optional<int> portalChannel(double fraction);

// The three fractions as a colour, or nothing if any of them is unusable.
std::optional<QRgb> portalColour(double red, double green, double blue);

// What an org.freedesktop.portal.Request.Response signal says: 0 with a
// "color" of three doubles is a pick, 1 a cancel, anything else (another
// code, a missing or malformed colour, other arguments) a failure.
DesktopPickAnswer portalAnswer(const QDBusMessage& response);

// The request object a portal creates for a call from sender (a unique bus
// name, ":1.42") with this handle_token.
QString portalRequestPath(const QString& sender, const QString& token);

} // namespace platform
