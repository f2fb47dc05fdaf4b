#include "platform/portalanswer.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QVariantMap>
#include <algorithm>
#include <cmath>

namespace {

// The "color" entry: a struct of three doubles, which QtDBus hands over
// still marshalled because it has no type of its own registered for it.
std::optional<QRgb> colourEntry(const QVariantMap& results)
{
    const QVariant value = results.value(QStringLiteral("color"));
    if (value.metaType() != QMetaType::fromType<QDBusArgument>())
        return std::nullopt;
    const auto argument = value.value<QDBusArgument>();
    if (argument.currentSignature() != QLatin1String("(ddd)"))
        return std::nullopt;
    double rgb[3] = {};
    argument.beginStructure();
    argument >> rgb[0] >> rgb[1] >> rgb[2];
    argument.endStructure();
    return platform::portalColour(rgb[0], rgb[1], rgb[2]);
}

} // namespace

namespace platform {

std::optional<int> portalChannel(double fraction)
{
    // Written as a negated range test so that NaN fails it too.
    if (!(fraction >= 0.0 && fraction <= 1.0))
        return std::nullopt;
    return std::clamp(static_cast<int>(std::lround(fraction * 255.0)), 0, 255);
}

std::optional<QRgb> portalColour(double red, double green, double blue)
{
    const auto r = portalChannel(red);
    const auto g = portalChannel(green);
    const auto b = portalChannel(blue);
    if (!r || !g || !b)
        return std::nullopt;
    return qRgb(*r, *g, *b);
}

DesktopPickAnswer portalAnswer(const QDBusMessage& response)
{
    if (response.signature() != QLatin1String("ua{sv}"))
        return DesktopPickAnswer::failed();
    const QList<QVariant> arguments = response.arguments();
    const uint code = arguments.at(0).toUInt();
    if (code == 1)
        return DesktopPickAnswer::cancelled();
    if (code != 0)
        return DesktopPickAnswer::failed();
    const auto results = qdbus_cast<QVariantMap>(arguments.at(1));
    if (const auto colour = colourEntry(results))
        return DesktopPickAnswer::picked(*colour);
    return DesktopPickAnswer::failed();
}

QString portalRequestPath(const QString& sender, const QString& token)
{
    QString name = sender.startsWith(QLatin1Char(':')) ? sender.mid(1) : sender;
    name.replace(QLatin1Char('.'), QLatin1Char('_'));
    return QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2").arg(name, token);
}

} // namespace platform
