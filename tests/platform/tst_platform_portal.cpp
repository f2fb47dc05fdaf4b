#include "platform/portalcolourpick.h"

#include <QTest>
#include <QtDBus>

using platform::DesktopPickAnswer;
const QString kService = "org.freedesktop.portal.Desktop",
              kPath = "/org/freedesktop/portal/desktop";

// The desktop portal's colour pick on the session bus. It answers `answer`
// (three fractions, or a word below) on the request path the caller's
// handle_token implies, before its reply to the call: the tightest race a
// client meets.
class StandInPortal : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Screenshot")
    Q_PROPERTY(uint version MEMBER version)
public:
    uint version = 2;
    QString answer = "0.2,0.4,0.6";
    QStringList calls; // "parent_window handle_token" of each call, "closed" for each Close
    bool echo = false; // print each call
    QDBusConnection bus = QDBusConnection::sessionBus();

    bool own()
    {
        return bus.registerObject(kPath, this,
                   QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllProperties)
            && bus.registerService(kService);
    }
    ~StandInPortal() override { bus.unregisterService(kService); }

public slots:
    QDBusObjectPath PickColor(const QString& parent, const QVariantMap& options)
    {
        const QString token = options.value("handle_token").toString();
        calls << parent + ' ' + token;
        if (echo)
            QTextStream(stdout) << calls.last() << Qt::endl;
        const QString path = kPath + "/request/" + message().service().mid(1).replace('.', '_')
            + '/' + token + (answer == "other handle" ? "_other" : "");
        if (answer == "error") {
            sendErrorReply(QDBusError::Failed, "asked to fail");
        } else if (answer == "other handle" || answer == "later") { // after the reply
            bus.registerObject(
                path, "org.freedesktop.portal.Request", this, QDBusConnection::ExportAllSlots);
            QTimer::singleShot(500, this, [this, path] { respond(path); });
        } else {
            respond(path);
        }
        return QDBusObjectPath(path);
    }
    void Close() { calls << "closed"; }

private:
    void respond(const QString& path)
    {
        const QStringList f = QString(answer.contains(',') ? answer : "0.2,0.4,0.6").split(',');
        QDBusArgument colour;
        colour.beginStructure();
        if (answer == "ints")
            colour << 51 << 102 << 153;
        else
            colour << f[0].toDouble() << f[1].toDouble() << f[2].toDouble();
        colour.endStructure();
        auto signal
            = QDBusMessage::createSignal(path, "org.freedesktop.portal.Request", "Response");
        signal << uint(answer == "cancel" ? 1 : answer == "failure" ? 2 : 0);
        if (answer != "code only")
            signal << (answer == "no colour"
                    ? QVariantMap()
                    : QVariantMap { { "color", QVariant::fromValue(colour) } });
        bus.send(signal);
    }
};

// The real portal client against the stand-in, both on the private session
// bus the test runs on (dbus-run-session).
class TestPlatformPortal : public QObject {
    Q_OBJECT
    QDBusConnection m_client = QDBusConnection::connectToBus(QDBusConnection::SessionBus, "client");
    std::optional<DesktopPickAnswer> m_got;

    const platform::DesktopColourPick::Done m_done = [this](DesktopPickAnswer a) { m_got = a; };

private slots:
    void init()
    {
        if (!m_client.isConnected())
            QSKIP("no session bus: run through dbus-run-session");
        m_got.reset();
    }

    void answer_data()
    {
        QTest::addColumn<QString>("exchange"); // what the stand-in answers -> the outcome
        QTest::newRow("byte fractions give their byte") << "0.2,0.4,0.6 -> #336699";
        QTest::newRow("nearest byte, a half up") << "0.45,0.5,0.85 -> #7380d9";
        QTest::newRow("above one") << "1.0000001,0,0 -> failed";
        QTest::newRow("not a number") << "0.5,0.5,nan -> failed";
        QTest::newRow("on a handle the portal chose") << "other handle -> #336699";
        QTest::newRow("cancelled") << "cancel -> cancelled";
        QTest::newRow("response 2") << "failure -> failed";
        QTest::newRow("a D-Bus error") << "error -> failed";
        QTest::newRow("no colour") << "no colour -> failed";
        QTest::newRow("bytes instead of fractions") << "ints -> failed";
        QTest::newRow("no results") << "code only -> failed";
        QTest::newRow("version 1 cannot pick") << "version 1 -> unavailable";
        QTest::newRow("no portal") << "absent -> unavailable";
    }

    void answer()
    {
        QFETCH(QString, exchange);
        const QString portal = exchange.section(" -> ", 0, 0);
        StandInPortal stand;
        stand.answer = portal;
        stand.version = portal == "version 1" ? 1 : 2;
        QVERIFY(portal == "absent" || stand.own());
        platform::PortalColourPick pick(m_client);
        pick.begin(nullptr, m_done);
        QVERIFY(!m_got); // never from inside the call
        QTRY_VERIFY(m_got);
        static const char* const outcomes[] = { "picked", "cancelled", "failed", "unavailable" };
        const bool picked = m_got->outcome == DesktopPickAnswer::Outcome::Picked;
        QCOMPARE(picked ? QColor(m_got->colour).name() : outcomes[int(m_got->outcome)],
            exchange.section(" -> ", 1));
        QCOMPARE(stand.calls.size(), portal == "absent" || portal == "version 1" ? 0 : 1);
    }

    void abandonedPickIsClosedAndItsAnswerIgnored()
    {
        StandInPortal stand;
        stand.answer = "later";
        QVERIFY(stand.own());
        platform::PortalColourPick pick(m_client);
        pick.begin(nullptr, m_done);
        QTRY_COMPARE(stand.calls.size(), 1); // the overlay is up
        QTest::qWait(100); // and the handle reached the client
        pick.abandon();
        QTRY_COMPARE(stand.calls.value(1), "closed");
        QTest::qWait(700); // past the answer
        QVERIFY(!m_got);
    }
};

// With --stand-in: the stand-in alone, printing each call.
int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    TestPlatformPortal test;
    if (argc < 2 || qstrcmp(argv[1], "--stand-in") != 0)
        return QTest::qExec(&test, argc, argv);
    StandInPortal stand;
    stand.echo = true;
    QTextStream(stdout) << (stand.own() ? "ready" : "the portal's name is taken") << Qt::endl;
    return app.exec();
}

#include "tst_platform_portal.moc"
