#include "platform/portalcolourpick.h"

#include "platform/portalanswer.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QGuiApplication>
#include <QRandomGenerator>
#include <QTimer>
#include <QWidget>

namespace {

const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kScreenshot = QStringLiteral("org.freedesktop.portal.Screenshot");
const QString kRequest = QStringLiteral("org.freedesktop.portal.Request");
// PickColor came with version 2 of the Screenshot interface.
constexpr uint kFirstVersionWithPickColor = 2;

// The portal places its overlay over the caller's window where it can name it:
// an X11 window by its id; a Wayland surface would need an exported handle.
QString parentWindowOf(QWidget* window)
{
    if (!window || QGuiApplication::platformName() != QLatin1String("xcb"))
        return {};
    return QStringLiteral("x11:") + QString::number(window->window()->winId(), 16);
}

} // namespace

namespace platform {

PortalColourPick::PortalColourPick() = default;

PortalColourPick::PortalColourPick(const QDBusConnection& bus)
    : m_bus(std::make_unique<QDBusConnection>(bus))
{
}

PortalColourPick::~PortalColourPick()
{
    abandon();
}

QDBusConnection& PortalColourPick::bus()
{
    if (!m_bus)
        m_bus = std::make_unique<QDBusConnection>(QDBusConnection::sessionBus());
    return *m_bus;
}

void PortalColourPick::begin(QWidget* window, Done done)
{
    abandon();
    ++m_pick;
    m_done = std::move(done);
    m_parentWindow = parentWindowOf(window);
    if (!bus().isConnected()) {
        finishLater(DesktopPickAnswer::unavailable());
        return;
    }
    checkVersion();
}

void PortalColourPick::abandon()
{
    if (!m_done)
        return;
    // Closing the request takes the desktop's overlay away. Sent after the
    // call on the same connection, it reaches the portal after the call even
    // when the reply to the call has not come back yet.
    if (!m_request.isEmpty())
        bus().send(QDBusMessage::createMethodCall(kService, m_request, kRequest, "Close"));
    dropRequest();
    m_done = nullptr;
    ++m_pick;
}

void PortalColourPick::whenAnswered(
    QDBusPendingCallWatcher* watcher, std::function<void(QDBusPendingCallWatcher&)> then)
{
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
        [this, pick = m_pick, then = std::move(then)](QDBusPendingCallWatcher* w) {
            w->deleteLater();
            if (pick == m_pick && m_done)
                then(*w);
        });
}

// A bus without the portal, or a portal too old to pick colours, is told apart
// from a pick that failed: the user is then told that picking cannot work here.
void PortalColourPick::checkVersion()
{
    auto get = QDBusMessage::createMethodCall(
        kService, kPath, QStringLiteral("org.freedesktop.DBus.Properties"), "Get");
    get << kScreenshot << QStringLiteral("version");
    whenAnswered(new QDBusPendingCallWatcher(bus().asyncCall(get), this),
        [this](QDBusPendingCallWatcher& call) {
            const QDBusPendingReply<QDBusVariant> reply = call;
            if (reply.isError() || reply.value().variant().toUInt() < kFirstVersionWithPickColor)
                finish(DesktopPickAnswer::unavailable());
            else
                callPickColor();
        });
}

void PortalColourPick::callPickColor()
{
    // The portal may answer before its reply to the call arrives, so listen on
    // the request path the token implies before calling.
    const QString token
        = QStringLiteral("marivell%1_%2").arg(m_pick).arg(QRandomGenerator::global()->generate());
    followRequest(portalRequestPath(bus().baseService(), token));
    auto call = QDBusMessage::createMethodCall(kService, kPath, kScreenshot, "PickColor");
    call << m_parentWindow << QVariantMap { { QStringLiteral("handle_token"), token } };
    whenAnswered(new QDBusPendingCallWatcher(bus().asyncCall(call), this),
        [this](QDBusPendingCallWatcher& pending) {
            const QDBusPendingReply<QDBusObjectPath> reply = pending;
            if (reply.isError()) {
                finish(DesktopPickAnswer::failed());
                return;
            }
            // Portals older than the handle_token option pick their own path.
            if (reply.value().path() != m_request)
                followRequest(reply.value().path());
        });
}

void PortalColourPick::followRequest(const QString& path)
{
    dropRequest();
    m_request = path;
    bus().connect(kService, m_request, kRequest, QStringLiteral("Response"), this,
        SLOT(responded(QDBusMessage)));
}

void PortalColourPick::dropRequest()
{
    if (m_request.isEmpty())
        return;
    bus().disconnect(kService, m_request, kRequest, QStringLiteral("Response"), this,
        SLOT(responded(QDBusMessage)));
    m_request.clear();
}

void PortalColourPick::responded(const QDBusMessage& response)
{
    if (!m_done || response.path() != m_request)
        return;
    finish(portalAnswer(response));
}

void PortalColourPick::finish(DesktopPickAnswer answer)
{
    dropRequest();
    const Done done = std::exchange(m_done, nullptr);
    ++m_pick;
    if (done)
        done(answer);
}

void PortalColourPick::finishLater(DesktopPickAnswer answer)
{
    QTimer::singleShot(0, this, [this, pick = m_pick, answer] {
        if (pick == m_pick)
            finish(answer);
    });
}

} // namespace platform
