#include "app/colourwindow.h"
#include "picker/pickerbutton.h"
#include "platform/realplatform.h"
#include "support/fakeplatform.h"
#include "transparency/previewbox.h"
#include "xdotool.h"

#include <QLineEdit>
#include <QProcess>
#include <QTest>
#include <memory>

namespace {

const QRgb kPatchColour = qRgb(60, 122, 30);

// A window of one colour, where the window manager does not place it unless it may manage it.
std::unique_ptr<QWidget> patch(QRect place, bool managed = false)
{
    auto w = std::make_unique<QWidget>(
        nullptr, managed ? Qt::Window : Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint);
    w->setPalette(QColor(kPatchColour));
    w->setAutoFillBackground(true);
    w->setGeometry(place);
    w->show();
    return w;
}

// What a program printed, once it ended or was ended.
QString outputOf(QProcess& program, bool end = false)
{
    if (end)
        program.terminate();
    program.waitForFinished();
    return QString::fromLatin1(program.readAllStandardOutput());
}

} // namespace

// The window on the real desktop under openbox: real screen, pointer and keys;
// boxes are recorded so that a warning cannot block the test.
class TestX11Window : public QObject {
    Q_OBJECT
    platform::RealPlatform m_real;
    platform::FakePlatform m_fake;
    platform::Platform m_desktop { m_fake.messages, m_fake.colourDialog, m_real.screen,
        m_real.pointer, m_real.keys, m_real.desktopPick, m_real.platform.screenReading };
    std::unique_ptr<app::ColourWindow> m_window;
    std::unique_ptr<QWidget> m_patch;

    QPoint centre(QWidget* w) const { return w->mapToGlobal(w->rect().center()); }

private slots:
    void initTestCase()
    {
        if (const QString why = xdotool::missing(); !why.isEmpty())
            QSKIP(qPrintable(why));
        m_patch = patch({ 900, 700, 200, 150 });
        QVERIFY(QTest::qWaitForWindowExposed(m_patch.get()));
    }

    void init()
    {
        m_window = std::make_unique<app::ColourWindow>(m_desktop);
        m_window->start();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }

    void cleanup()
    {
        xdotool::run({ "keyup", "s" });
        xdotool::run({ "mouseup", "1" });
    }

    // S is typed into the KML box, which takes it as text too.
    void pickerTakesTheColourUnderThePointer()
    {
        const auto& c = m_window->controls();
        QVERIFY(xdotool::moveTo(centre(c.pickerButton)));
        QVERIFY(xdotool::run({ "click", "1" }));
        QTRY_VERIFY(m_window->pickerActive());
        c.kml->setFocus();
        QVERIFY(xdotool::moveTo({ 1000, 775 }));
        QTRY_COMPARE(c.preview->backColour(), kPatchColour);
        QVERIFY(xdotool::run({ "keydown", "s" })); // held until a tick has seen it
        QTRY_VERIFY_WITH_TIMEOUT(!m_window->pickerActive(), 10000);
        QCOMPARE(c.rgb->text(), "60, 122, 30");
        QVERIFY(m_fake.messages.shown.isEmpty());
    }

    void dragging_data()
    {
        QTest::addColumn<QString>("handle"); // a child, or empty for the background
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("held"); // held while the pointer moves, or clicked at once before
        QTest::addColumn<bool>("moves");
        QTest::newRow("background, left") << ""
                                          << "1" << true << true;
        QTest::newRow("Label12, left") << "Label12"
                                       << "1" << true << true;
        QTest::newRow("background, right") << ""
                                           << "3" << true << false;
        QTest::newRow("Label13, left") << "Label13"
                                       << "1" << true << false;
        QTest::newRow("background, an instant click") << ""
                                                      << "1" << false << false;
    }

    void dragging()
    {
        QFETCH(QString, handle);
        QFETCH(QString, button);
        QFETCH(bool, held);
        QWidget* w = handle.isEmpty() ? m_window.get() : m_window->findChild<QWidget*>(handle);
        const QPoint before = m_window->pos();
        const QPoint start = w->mapToGlobal(handle.isEmpty() ? QPoint(10, 300) : QPoint(20, 8));
        QProcess
            requests; // to the window manager, as any client watching the root window sees them
        requests.start("xev", { "-root", "-event", "substructure" });
        QTest::qWait(200);
        QVERIFY(xdotool::moveTo(start));
        QVERIFY(xdotool::run({ held ? "mousedown" : "click", button })); // a click: a fast tap
        QTest::qWait(300);
        // A hand starts a drag with a step of a pixel or so; the window manager
        // moves the window by the travel after it.
        for (const QPoint step : { QPoint(1, 0), QPoint(20, 16), QPoint(40, 32), QPoint(60, 48) }) {
            QVERIFY(xdotool::moveTo(start + step));
            QTest::qWait(60);
        }
        QVERIFY(!held || xdotool::run({ "mouseup", button }));
        QTest::qWait(300);
        QFETCH(bool, moves);
        QTRY_COMPARE((m_window->pos() - before - QPoint(60, 48)).manhattanLength() <= 2, moves);
        // Asked for only while the button is held: some window managers start
        // a move asked for after the release and never end it.
        QCOMPARE(outputOf(requests, true).contains("_NET_WM_MOVERESIZE"), moves);
    }

    void staysAboveAnActivatedWindow()
    {
        const auto other = patch({ 0, 0, 400, 400 }, true);
        other->activateWindow();
        QTRY_VERIFY(other->isActiveWindow());
        const auto stacking = [] { // client windows from bottom to top
            QProcess xprop;
            xprop.start("xprop", { "-root", "_NET_CLIENT_LIST_STACKING" });
            return outputOf(xprop).section('#', 1).simplified().remove(' ').split(',');
        };
        const auto id = [](QWidget* w) { return "0x" + QString::number(w->winId(), 16); };
        QTRY_VERIFY(stacking().indexOf(id(m_window.get())) > stacking().indexOf(id(other.get())));
        QVERIFY(stacking().contains(id(other.get())));
    }
};

QTEST_MAIN(TestX11Window)
#include "tst_x11_window.moc"
