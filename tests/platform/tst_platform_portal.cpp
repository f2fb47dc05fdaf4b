// The portal client against a stand-in portal frontend, for what Debian's own
// frontend never sends (a malformed answer, version 1, an answer before the
// reply); tests/x11/tst_x11_wayland.py picks through the real one.
#include "platform/portalcolourpick.h"

#include <QTest>
#include <QtDBus>

using platform::DesktopPickAnswer;
using Outcome = DesktopPickAnswer::Outcome;

namespace {

const QString kService = "org.freedesktop.portal.Desktop",
              kPath = "/org/freedesktop/portal/desktop";

// How the stand-in replies to PickColor.
enum class Reply {
    AfterAnswer, // after answering on the path the handle_token implies: the tightest race
    BeforeAnswer, // with that path, and answers when the test releases the answer
    OtherPath, // with a path of its own, as portals before handle_token did; answers on release
    Error, // a D-Bus error
};

// A successful Response's arguments: results with a "color" of three channels.
template <typename Channel> QVariantList colour(Channel r, Channel g, Channel b)
{
    QDBusArgument colour;
    colour.beginStructure();
    colour << r << g << b;
    colour.endStructure();
    return { 0u, QVariantMap { { "color", QVariant::fromValue(colour) } } };
}

} // namespace

// The frontend's Screenshot interface on the test's own connection to the
// private bus. It sends `response` as the Response signal's arguments.
class StandInPortal : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Screenshot")
    Q_PROPERTY(uint version MEMBER version)
public:
    uint version = 2;
    Reply reply = Reply::AfterAnswer;
    QVariantList response = colour(0.2, 0.4, 0.6);
    QStringList calls; // "pick" for each PickColor, "closed" for each Close
    QString held; // the request whose answer waits for release()
    QDBusConnection bus = QDBusConnection::sessionBus();

    bool own()
    {
        return bus.registerObject(kPath, this,
                   QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllProperties)
            && bus.registerService(kService);
    }
    ~StandInPortal() override { bus.unregisterService(kService); }

    void release() { respond(held); }

public slots:
    QDBusObjectPath PickColor(const QString&, const QVariantMap& options)
    {
        calls << "pick";
        QString path = kPath + "/request/" + message().service().mid(1).replace('.', '_') + '/'
            + options.value("handle_token").toString();
        if (reply == Reply::OtherPath)
            path += "_other";
        if (reply == Reply::Error) {
            sendErrorReply(QDBusError::Failed, "asked to fail");
        } else if (reply == Reply::AfterAnswer) {
            respond(path);
        } else {
            bus.registerObject(
                path, "org.freedesktop.portal.Request", this, QDBusConnection::ExportAllSlots);
            held = path;
        }
        return QDBusObjectPath(path);
    }
    void Close() { calls << "closed"; }

private:
    void respond(const QString& path)
    {
        auto signal
            = QDBusMessage::createSignal(path, "org.freedesktop.portal.Request", "Response");
        signal.setArguments(response);
        bus.send(signal);
    }
};

// The real portal client against the stand-in, both on the private session
// bus the test runs on (dbus-run-session with a bus of its own).
class TestPlatformPortal : public QObject {
    Q_OBJECT
    QDBusConnection m_client = QDBusConnection::connectToBus(QDBusConnection::SessionBus, "client");
    std::optional<DesktopPickAnswer> m_got;

    const platform::DesktopColourPick::Done m_done = [this](DesktopPickAnswer a) { m_got = a; };

    // A call from the client's connection to the stand-in, and its answer. The
    // bus keeps each connection's messages in order, so afterwards whatever
    // the stand-in sent before has reached the client and been handled, and
    // whatever the client sent before (a subscription) has reached the bus.
    void roundTrip()
    {
        auto get = QDBusMessage::createMethodCall(
            kService, kPath, "org.freedesktop.DBus.Properties", "Get");
        get << "org.freedesktop.portal.Screenshot"
            << "version";
        QCOMPARE(m_client.call(get, QDBus::BlockWithGui).type(), QDBusMessage::ReplyMessage);
        QCoreApplication::processEvents();
    }

    // The client has the reply to its call, and listens where it says.
    void clientFollowsTheReply()
    {
        roundTrip(); // the reply handled: a subscription may have been sent
        roundTrip(); // which the bus has now
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(m_client.isConnected(), "no session bus: run through dbus-run-session");
    }

    void init() { m_got.reset(); }

    // Nothing installed on the machine (a real portal) can join the test.
    void thePrivateBusStartsNoService()
    {
        QCOMPARE(m_client.interface()->activatableServiceNames().value(),
            QStringList { "org.freedesktop.DBus" });
    }

    void answer_data()
    {
        QTest::addColumn<uint>("version"); // 0: no portal on the bus
        QTest::addColumn<Reply>("reply");
        QTest::addColumn<QVariantList>("response");
        QTest::addColumn<QStringList>("calls"); // what the portal was asked
        QTest::addColumn<Outcome>("outcome");
        QTest::addColumn<QString>("colour");
        const auto after = Reply::AfterAnswer;
        const auto picked = Outcome::Picked, failed = Outcome::Failed;
        const QVariantMap nothing;
        const QStringList pick { "pick" }, none;
        QTest::newRow("nearest byte, a half up")
            << 2u << after << colour(0.45, 0.5, 0.85) << pick << picked << "#7380d9";
        QTest::newRow("on a path the portal chose")
            << 2u << Reply::OtherPath << colour(0.2, 0.4, 0.6) << pick << picked << "#336699";
        QTest::newRow("above one")
            << 2u << after << colour(1.0000001, 0.0, 0.0) << pick << failed << "";
        QTest::newRow("not a number")
            << 2u << after << colour(0.5, 0.5, qQNaN()) << pick << failed << "";
        QTest::newRow("bytes instead of fractions")
            << 2u << after << colour(51, 102, 153) << pick << failed << "";
        QTest::newRow("no colour")
            << 2u << after << QVariantList { 0u, nothing } << pick << failed << "";
        QTest::newRow("no results") << 2u << after << QVariantList { 0u } << pick << failed << "";
        QTest::newRow("cancelled")
            << 2u << after << QVariantList { 1u, nothing } << pick << Outcome::Cancelled << "";
        QTest::newRow("response 2")
            << 2u << after << QVariantList { 2u, nothing } << pick << failed << "";
        QTest::newRow("a D-Bus error")
            << 2u << Reply::Error << QVariantList() << pick << failed << "";
        QTest::newRow("version 1 cannot pick")
            << 1u << after << QVariantList() << none << Outcome::Unavailable << "";
        QTest::newRow("no portal")
            << 0u << after << QVariantList() << none << Outcome::Unavailable << "";
    }

    void answer()
    {
        QFETCH(uint, version);
        QFETCH(Reply, reply);
        QFETCH(QVariantList, response);
        StandInPortal stand;
        stand.version = version;
        stand.reply = reply;
        stand.response = response;
        QVERIFY(version == 0 || stand.own());
        platform::PortalColourPick pick(m_client);
        pick.begin(nullptr, m_done);
        QVERIFY(!m_got); // never from inside the call
        if (reply == Reply::OtherPath) {
            QTRY_VERIFY(!stand.held.isEmpty());
            clientFollowsTheReply();
            QVERIFY(!m_got); // the user is still picking
            stand.release();
        }
        QTRY_VERIFY(m_got);
        QTEST(m_got->outcome, "outcome");
        QTEST(m_got->outcome == Outcome::Picked ? QColor(m_got->colour).name() : "", "colour");
        QTEST(stand.calls, "calls");
    }

    void abandonedPickIsClosedAndItsLateAnswerIgnored()
    {
        StandInPortal stand;
        stand.reply = Reply::BeforeAnswer;
        QVERIFY(stand.own());
        platform::PortalColourPick pick(m_client);
        pick.begin(nullptr, m_done);
        QTRY_VERIFY(!stand.held.isEmpty()); // the overlay is up
        clientFollowsTheReply();
        pick.abandon();
        QTRY_COMPARE(stand.calls, QStringList({ "pick", "closed" }));
        stand.release(); // the user picked all the same
        roundTrip(); // the answer has reached the client
        QVERIFY(!m_got);
    }
};

QTEST_GUILESS_MAIN(TestPlatformPortal)
#include "tst_platform_portal.moc"
