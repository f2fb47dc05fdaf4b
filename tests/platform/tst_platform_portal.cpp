#include "platform/portalcolourpick.h"

#include <QApplication>
#include <QColor>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QTest>
#include <QTimer>
#include <cstdio>

using platform::DesktopPickAnswer;

namespace {

const QString kRequest = QStringLiteral("org.freedesktop.portal.Request");

// The desktop portal's colour pick, on the bus it is given. It answers with
// `answer` (three fractions, or cancel, failure, error, "no colour", "ints",
// "code only", "other handle", "later") on the request path the caller's
// handle_token implies, before its reply to the call (the tightest race a
// client meets) unless the answer comes later.
class StandInPortal : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Screenshot")
    Q_PROPERTY(uint version MEMBER version)
public:
    explicit StandInPortal(QDBusConnection bus)
        : m_bus(bus)
    {
        m_bus.registerObject("/org/freedesktop/portal/desktop", this,
            QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllProperties);
    }
    bool own() { return m_bus.registerService("org.freedesktop.portal.Desktop"); }
    ~StandInPortal() override { m_bus.unregisterService("org.freedesktop.portal.Desktop"); }

    uint version = 2;
    QString answer = "0.2,0.4,0.6";
    QStringList calls; // "parent_window handle_token" of each call, "closed" for each Close

public slots:
    QDBusObjectPath PickColor(const QString& parent, const QVariantMap& options)
    {
        const QString token = options.value("handle_token").toString();
        calls << parent + ' ' + token;
        QString path = "/org/freedesktop/portal/desktop/request/"
            + message().service().mid(1).replace('.', '_') + '/' + token;
        if (answer == "error") {
            sendErrorReply(QDBusError::Failed, "asked to fail");
            return {};
        }
        if (answer == "other handle")
            path += "_other";
        if (answer == "other handle" || answer == "later") {
            m_bus.registerObject(path, kRequest, this, QDBusConnection::ExportAllSlots);
            QTimer::singleShot(
                answer == "later" ? 1000 : 100, this, [this, path] { respond(path); });
        } else {
            respond(path);
        }
        return QDBusObjectPath(path);
    }
    Q_SCRIPTABLE void Close() { calls << "closed"; }

private:
    void respond(const QString& path)
    {
        auto signal = QDBusMessage::createSignal(path, kRequest, "Response");
        QVariantMap results;
        const QStringList fractions
            = (answer.contains(',') ? answer : QStringLiteral("0.2,0.4,0.6")).split(',');
        QDBusArgument colour;
        colour.beginStructure();
        if (answer == "ints")
            colour << 51 << 102 << 153;
        else
            colour << fractions[0].toDouble() << fractions[1].toDouble() << fractions[2].toDouble();
        colour.endStructure();
        if (answer != "no colour")
            results["color"] = QVariant::fromValue(colour);
        const uint code = answer == "cancel" ? 1 : answer == "failure" ? 2 : 0;
        signal << code;
        if (answer != "code only")
            signal << results;
        m_bus.send(signal);
    }

    QDBusConnection m_bus;
};

QString outcome(std::optional<DesktopPickAnswer> a)
{
    static const char* const names[] = { "picked", "cancelled", "failed", "unavailable" };
    if (!a)
        return "no answer";
    if (a->outcome == DesktopPickAnswer::Outcome::Picked)
        return QColor(a->colour).name();
    return names[int(a->outcome)];
}

} // namespace

// The real portal client against the stand-in, both on the private session bus
// the test runs on (dbus-run-session).
class TestPlatformPortal : public QObject {
    Q_OBJECT
    QDBusConnection m_client = QDBusConnection::connectToBus(QDBusConnection::SessionBus, "client");

private slots:
    void initTestCase()
    {
        if (!QDBusConnection::sessionBus().isConnected() || !m_client.isConnected())
            QSKIP("no session bus: run through dbus-run-session");
    }

    void answer_data()
    {
        QTest::addColumn<QString>("portal"); // what the stand-in answers
        QTest::addColumn<QString>("outcome");
        QTest::newRow("byte fractions give their byte") << "0.2,0.4,0.6"
                                                        << "#336699";
        QTest::newRow("nearest byte, a half up") << "0.45,0.5,0.85"
                                                 << "#7380d9";
        QTest::newRow("the ends") << "0,1,1"
                                  << "#00ffff";
        QTest::newRow("above one") << "1.0000001,0,0"
                                   << "failed";
        QTest::newRow("below zero") << "0,-0.001,0"
                                    << "failed";
        QTest::newRow("not a number") << "0.5,0.5,nan"
                                      << "failed";
        QTest::newRow("on a handle the portal chose") << "other handle"
                                                      << "#336699";
        QTest::newRow("cancelled") << "cancel"
                                   << "cancelled";
        QTest::newRow("response 2") << "failure"
                                    << "failed";
        QTest::newRow("a D-Bus error") << "error"
                                       << "failed";
        QTest::newRow("no colour") << "no colour"
                                   << "failed";
        QTest::newRow("bytes instead of fractions") << "ints"
                                                    << "failed";
        QTest::newRow("no results") << "code only"
                                    << "failed";
        QTest::newRow("version 1 cannot pick") << "version 1"
                                               << "unavailable";
        QTest::newRow("no portal") << "absent"
                                   << "unavailable";
    }

    void answer()
    {
        QFETCH(QString, portal);
        StandInPortal stand(QDBusConnection::sessionBus());
        stand.answer = portal;
        if (portal == "version 1")
            stand.version = 1;
        if (portal != "absent")
            QVERIFY(stand.own());
        platform::PortalColourPick pick(m_client);
        std::optional<DesktopPickAnswer> got;
        pick.begin(nullptr, [&](DesktopPickAnswer a) { got = a; });
        QVERIFY(!got); // never from inside the call
        QTRY_VERIFY(got);
        QTEST(outcome(got), "outcome");
        // A call carries a handle_token and, off X11, no parent window.
        QCOMPARE(
            stand.calls.size(), got->outcome == DesktopPickAnswer::Outcome::Unavailable ? 0 : 1);
        for (const QString& call : stand.calls)
            QVERIFY(call.startsWith(' ') && call.size() > 1);
    }

    void abandonedPickIsClosed_data()
    {
        QTest::addColumn<bool>("destroyed"); // or abandoned
        QTest::newRow("abandoned") << false;
        QTest::newRow("destroyed") << true;
    }

    void abandonedPickIsClosed()
    {
        QFETCH(bool, destroyed);
        StandInPortal stand(QDBusConnection::sessionBus());
        stand.answer = "later";
        QVERIFY(stand.own());
        auto pick = std::make_unique<platform::PortalColourPick>(m_client);
        std::optional<DesktopPickAnswer> got;
        pick->begin(nullptr, [&](DesktopPickAnswer a) { got = a; });
        QTRY_COMPARE(stand.calls.size(), 1); // the overlay is up
        QTest::qWait(100); // and its handle reached the client
        if (destroyed)
            pick.reset();
        else
            pick->abandon();
        QTRY_COMPARE(stand.calls.value(1), "closed");
        QTest::qWait(1200); // past the moment the answer was due
        QVERIFY(!got);
    }
};

// With --stand-in, only the stand-in portal, on the session bus, printing each call.
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 2 || qstrcmp(argv[1], "--stand-in") != 0) {
        TestPlatformPortal test;
        return QTest::qExec(&test, argc, argv);
    }
    StandInPortal stand(QDBusConnection::sessionBus());
    if (!stand.own())
        return 1;
    std::puts("ready");
    std::fflush(stdout);
    QTimer print;
    QObject::connect(&print, &QTimer::timeout, [&] {
        for (const QString& call : std::exchange(stand.calls, {}))
            std::printf("%s\n", qPrintable(call));
        std::fflush(stdout);
    });
    print.start(50);
    return app.exec();
}

#include "tst_platform_portal.moc"
