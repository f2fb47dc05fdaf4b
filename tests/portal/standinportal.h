// A private session bus with the stand-in portal (stand_in_portal.py) on it,
// for tests of the real portal client that must not meet the desktop's own.
#pragma once

#include <QDBusConnection>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/prctl.h>

class StandInPortal {
public:
    StandInPortal()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("dbus-daemon")).isEmpty()) {
            m_skip = QStringLiteral("dbus-daemon is not installed");
            return;
        }
        // dbus-python and GLib's bindings: Debian's python3-dbus and python3-gi.
        QProcess probe;
        probe.start(QStringLiteral(MARIVELL_SYSTEM_PYTHON),
            { QStringLiteral("-c"), QStringLiteral("import dbus, gi.repository.GLib") });
        if (!probe.waitForFinished(20000) || probe.exitCode() != 0) {
            m_skip = QStringLiteral("python3-dbus or python3-gi is missing");
            return;
        }
        m_daemon.setChildProcessModifier(endWithTheTest);
        m_daemon.start(QStringLiteral("dbus-daemon"),
            { QStringLiteral("--session"), QStringLiteral("--print-address"),
                QStringLiteral("--nofork") });
        while (m_daemon.waitForReadyRead(20000) && !m_daemon.canReadLine()) { }
        m_address = QString::fromUtf8(m_daemon.readLine()).trimmed();
        m_bus = QDBusConnection::connectToBus(m_address, connectionName());
    }

    ~StandInPortal()
    {
        stopPortal();
        QDBusConnection::disconnectFromBus(connectionName());
        m_daemon.terminate();
        m_daemon.waitForFinished(5000);
    }

    // Empty unless the tools for the stand-in are missing.
    QString skipReason() const { return m_skip; }
    QDBusConnection bus() const { return m_bus; }

    // Puts the stand-in on the bus, answering as the arguments say (see stand_in_portal.py).
    bool startPortal(const QStringList& arguments)
    {
        auto env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), m_address);
        m_portal.setProcessEnvironment(env);
        m_portal.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_portal.setChildProcessModifier(endWithTheTest);
        m_portal.start(QStringLiteral(MARIVELL_SYSTEM_PYTHON),
            QStringList {
                QStringLiteral(MARIVELL_STAND_IN_PORTAL), QStringLiteral("--record"), recordPath() }
                + arguments);
        while (m_portal.waitForReadyRead(20000)) {
            if (m_portal.canReadLine())
                return m_portal.readLine().trimmed() == "ready";
        }
        return false;
    }

    void stopPortal()
    {
        if (m_portal.state() == QProcess::NotRunning)
            return;
        m_portal.terminate();
        m_portal.waitForFinished(5000);
    }

    // What the stand-in was asked, one object per call or Close.
    QList<QJsonObject> record() const
    {
        QList<QJsonObject> entries;
        QFile file(recordPath());
        if (!file.open(QIODevice::ReadOnly))
            return entries;
        while (!file.atEnd())
            entries << QJsonDocument::fromJson(file.readLine()).object();
        return entries;
    }

private:
    // A test that is killed (a CTest timeout) has no destructors run: its bus
    // and portal must not outlive it.
    static void endWithTheTest() { prctl(PR_SET_PDEATHSIG, SIGTERM); }

    QString connectionName() const { return QStringLiteral("stand-in-portal-") + m_dir.path(); }
    QString recordPath() const { return m_dir.filePath(QStringLiteral("calls.jsonl")); }

    QString m_skip;
    QTemporaryDir m_dir;
    QProcess m_daemon;
    QProcess m_portal;
    QString m_address;
    QDBusConnection m_bus { QString() };
};
