#pragma once

#include "platform/desktopcolourpick.h"

#include <QObject>
#include <QString>
#include <memory>

class QDBusConnection;
class QDBusMessage;
class QDBusPendingCallWatcher;

namespace platform {

// The colour pick of the desktop portal (org.freedesktop.portal.Screenshot,
// version 2 or later), which GNOME, KDE and other Wayland desktops provide on
// the session bus. Every call is asynchronous: the window keeps running while
// the desktop shows its overlay.
class PortalColourPick final : public QObject, public DesktopColourPick {
    Q_OBJECT
public:
    // On the session bus, connected at the first pick.
    PortalColourPick();
    explicit PortalColourPick(const QDBusConnection& bus);
    ~PortalColourPick() override;

    void begin(QWidget* window, Done done) override;
    void abandon() override;

private slots:
    void responded(const QDBusMessage& response);

private:
    void checkVersion();
    void callPickColor();
    void followRequest(const QString& path);
    void dropRequest();
    void finish(DesktopPickAnswer answer);
    void finishLater(DesktopPickAnswer answer);
    // Runs then on the watcher's reply if the pick it belongs to is still the pending one.
    void whenAnswered(
        QDBusPendingCallWatcher* watcher, std::function<void(QDBusPendingCallWatcher&)> then);

    QDBusConnection& bus();

    std::unique_ptr<QDBusConnection> m_bus;
    Done m_done;
    QString m_parentWindow;
    // The request object whose Response is awaited; empty while none is.
    QString m_request;
    // Tells answers of the pending pick from late ones of an abandoned pick.
    quint64 m_pick = 0;
};

} // namespace platform
