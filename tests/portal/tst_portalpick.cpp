#include "picker/screenpicker.h"
#include "platform/portalcolourpick.h"
#include "platform/session.h"
#include "scrollbarpart.h"
#include "standinportal.h"
#include "windowfixture.h"

#include <QTest>
#include <QTimer>
#include <algorithm>
#include <memory>

namespace {

// The window on the fake desktop, picking through the real portal client on a
// private bus, where the stand-in portal answers.
struct PortalRig {
    StandInPortal portal;
    platform::PortalColourPick pick { portal.bus() };
    std::unique_ptr<WindowFixture> f = std::make_unique<WindowFixture>();

    PortalRig()
    {
        f->desktop.platform.screenReading = platform::ScreenReading::Portal;
        f->desktop.desktopPick.forwardTo = &pick;
    }

    void clickEyedropper() { QTest::mouseClick(f->c().pickerButton, Qt::LeftButton); }

    int notices() const { return f->warnings(picker::ScreenPicker::unreadableNotice()); }

    bool closed() const
    {
        const auto record = portal.record();
        return std::any_of(record.begin(), record.end(),
            [](const QJsonObject& entry) { return entry.contains(QStringLiteral("close")); });
    }
};

// The stand-in answers (0.2, 0.4, 0.6): 51, 102, 153.
QStringList notationsOf(int r, int g, int b)
{
    WindowFixture typed;
    typed.setColour(r, g, b);
    return typed.notations();
}

const QStringList kAbsent { QStringLiteral("absent") };

} // namespace

#define SKIP_WITHOUT_STAND_IN(rig)                                                                 \
    if (!(rig).portal.skipReason().isEmpty())                                                      \
    QSKIP(qPrintable((rig).portal.skipReason()))

class TestPortalPick : public QObject {
    Q_OBJECT
private slots:
    void answerEndsThePicker_data()
    {
        QTest::addColumn<QStringList>("portal"); // the stand-in's arguments
        QTest::addColumn<bool>("picked");
        QTest::addColumn<int>("notices");

        QTest::newRow("a colour") << QStringList {} << true << 0;
        QTest::newRow("a colour on a handle the portal chose")
            << QStringList { "--other-handle" } << true << 0;
        QTest::newRow("cancelled") << QStringList { "--answer", "cancel" } << false << 0;
        QTest::newRow("failed (response 2)") << QStringList { "--answer", "failure" } << false << 0;
        QTest::newRow("a D-Bus error") << QStringList { "--answer", "error" } << false << 0;
        QTest::newRow("no colour") << QStringList { "--answer", "no-colour" } << false << 0;
        QTest::newRow("a colour of the wrong type")
            << QStringList { "--answer", "wrong-type" } << false << 0;
        QTest::newRow("a fraction out of range")
            << QStringList { "--answer", "out-of-range" } << false << 0;
        QTest::newRow("a response with other arguments")
            << QStringList { "--answer", "bad-signature" } << false << 0;
        QTest::newRow("a portal too old to pick") << QStringList { "--version", "1" } << false << 1;
        QTest::newRow("no portal") << kAbsent << false << 1;
    }

    void answerEndsThePicker()
    {
        QFETCH(QStringList, portal);
        QFETCH(bool, picked);
        QFETCH(int, notices);
        PortalRig rig;
        SKIP_WITHOUT_STAND_IN(rig);
        if (portal != kAbsent)
            QVERIFY(rig.portal.startPortal(portal));
        const QStringList before = rig.f->notations();

        rig.clickEyedropper();
        QVERIFY(rig.f->window.pickerActive());
        QCOMPARE(rig.f->notations().mid(0, 7), QStringList(7));
        QTRY_VERIFY_WITH_TIMEOUT(!rig.f->window.pickerActive(), 20000);
        QCOMPARE(rig.f->notations(), picked ? notationsOf(51, 102, 153) : before);
        const QList<int> channels
            = picked ? QList<int> { 51, 102, 153 } : QList<int> { 162, 129, 255 };
        QCOMPARE(rig.f->channels(), channels);
        QVERIFY(!rig.f->c().pickerButton->isChecked());
        QVERIFY(rig.f->c().channelBoxes[0]->isEnabled());
        QCOMPARE(rig.notices(), notices);

        // Where the portal was asked, the call named a handle_token and, on
        // the offscreen platform, no parent window.
        const auto calls = rig.portal.record();
        QCOMPARE(calls.size(), notices ? 0 : 1);
        for (const auto& call : calls) {
            QVERIFY(!call[QStringLiteral("options")][QStringLiteral("handle_token")]
                         .toString()
                         .isEmpty());
            QCOMPARE(call[QStringLiteral("parent_window")].toString(), QString());
        }
    }

    // The user may take as long as they like over the desktop's overlay.
    void slowAnswerLeavesTheWindowWorking()
    {
        PortalRig rig;
        SKIP_WITHOUT_STAND_IN(rig);
        QVERIFY(rig.portal.startPortal({ "--delay", "3" }));
        rig.clickEyedropper();
        bool fired = false;
        QTimer::singleShot(100, [&] { fired = true; });
        QTRY_VERIFY_WITH_TIMEOUT(fired, 1000);
        auto* red = rig.f->bar(0);
        QTest::mouseClick(
            red, Qt::LeftButton, {}, scrollBarPart(red, QStyle::SC_ScrollBarAddLine).center());
        QCOMPARE(rig.f->warnings(kLocked), 1);
        QVERIFY(rig.f->window.pickerActive());
        QTRY_VERIFY_WITH_TIMEOUT(!rig.f->window.pickerActive(), 20000);
        QCOMPARE(rig.f->notations(), notationsOf(51, 102, 153));
    }

    void abandonedPickIsClosedAndItsAnswerIgnored_data()
    {
        QTest::addColumn<bool>("closeWindow");
        QTest::newRow("a second click") << false;
        QTest::newRow("the window closed") << true;
    }

    void abandonedPickIsClosedAndItsAnswerIgnored()
    {
        QFETCH(bool, closeWindow);
        PortalRig rig;
        SKIP_WITHOUT_STAND_IN(rig);
        QVERIFY(rig.portal.startPortal({ "--delay", "1" }));
        const QStringList before = rig.f->notations();
        rig.clickEyedropper();
        QTRY_COMPARE_WITH_TIMEOUT(rig.portal.record().size(), 1, 20000); // the overlay is up
        if (closeWindow)
            rig.f.reset();
        else
            rig.clickEyedropper();
        QTRY_VERIFY_WITH_TIMEOUT(rig.closed(), 20000);
        QTest::qWait(1500); // past the moment the answer was due
        if (!closeWindow) {
            QVERIFY(!rig.f->window.pickerActive());
            QCOMPARE(rig.f->notations(), before);
            QCOMPARE(rig.notices(), 0);
        }
    }
};

QTEST_MAIN(TestPortalPick)
#include "tst_portalpick.moc"
