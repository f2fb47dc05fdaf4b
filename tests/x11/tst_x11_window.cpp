#include "app/colourwindow.h"
#include "channels/channelbar.h"
#include "picker/pickerbutton.h"
#include "platform/realplatform.h"
#include "support/fakeplatform.h"
#include "transparency/previewbox.h"
#include "transparency/transparencyslider.h"
#include "xdotool.h"

#include <QLineEdit>
#include <QPainter>
#include <QProcess>
#include <QTest>
#include <memory>

namespace {

// A patch of one colour where the window manager does not place it.
class Patch : public QWidget {
public:
    Patch(QRgb colour, QRect place)
    {
        setWindowFlags(Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint);
        QPalette p = palette();
        p.setColor(QPalette::Window, QColor(colour));
        setPalette(p);
        setAutoFillBackground(true);
        setGeometry(place);
    }
};

// The window on the real desktop: real screen, pointer and keys. Boxes are
// recorded so that a warning cannot block the test.
struct RealWindow {
    platform::RealPlatform real;
    platform::FakePlatform fake;
    platform::Platform desktop { fake.messages, fake.colourDialog, real.screen, real.pointer,
        real.keys, real.desktopPick, real.platform.screenReading };
    app::ColourWindow window { desktop };

    RealWindow()
    {
        window.setWindowTitle(QStringLiteral("Marivell x11 test"));
        window.start();
    }

    const app::WindowControls& c() const { return window.controls(); }
    QPoint global(QWidget* w, QPoint at) const { return w->mapToGlobal(at); }
    QPoint centre(QWidget* w) const { return global(w, w->rect().center()); }
    QString rgbText() const { return c().rgb->text(); }
};

// The window's requests to the window manager for an interactive move, as
// any client that watches the root window sees them.
class MoveRequests {
public:
    MoveRequests()
    {
        m_xev.start(QStringLiteral("xev"), { "-root", "-event", "substructure" });
        QTest::qWait(200); // watching before anything is asked
    }
    bool any()
    {
        m_xev.terminate();
        m_xev.waitForFinished();
        return m_xev.readAllStandardOutput().contains("_NET_WM_MOVERESIZE");
    }

private:
    QProcess m_xev;
};

QString rgbOf(QRgb c)
{
    return QStringLiteral("%1, %2, %3").arg(qRed(c)).arg(qGreen(c)).arg(qBlue(c));
}

const QRgb kPatchColour = qRgb(60, 122, 30);
const QRect kPatchPlace(900, 700, 200, 150);

} // namespace

class TestX11Window : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        if (const QString why = xdotool::missing(); !why.isEmpty())
            QSKIP(qPrintable(why));
        if (QStandardPaths::findExecutable(QStringLiteral("xev")).isEmpty())
            QSKIP("needs xev");
        m_patch = std::make_unique<Patch>(kPatchColour, kPatchPlace);
        m_patch->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_patch.get()));
    }

    void init()
    {
        m_w = std::make_unique<RealWindow>();
        QVERIFY(QTest::qWaitForWindowActive(&m_w->window));
    }

    void cleanup()
    {
        xdotool::run({ "keyup", "s" });
        xdotool::run({ "mouseup", "1" });
        m_w.reset();
    }

    // S typed into the KML box, which takes the key as text too.
    void pickerTakesTheColourUnderThePointer()
    {
        auto& w = *m_w;
        QVERIFY(xdotool::moveTo(w.centre(w.c().pickerButton)));
        QVERIFY(xdotool::run({ "click", "1" }));
        QTRY_VERIFY(w.window.pickerActive());
        QCOMPARE(w.rgbText(), QString());
        w.c().kml->setFocus();

        QVERIFY(xdotool::moveTo(kPatchPlace.center()));
        QTRY_COMPARE(w.c().preview->backColour(), kPatchColour);
        QVERIFY(w.window.pickerActive());
        // Held until a tick has seen it, however late the ticks come.
        QVERIFY(xdotool::run({ "keydown", "s" }));
        QTRY_VERIFY_WITH_TIMEOUT(!w.window.pickerActive(), 10000);
        QVERIFY(xdotool::run({ "keyup", "s" }));
        QCOMPARE(w.rgbText(), rgbOf(kPatchColour));
        QCOMPARE(w.c().channelBars[1]->value(), 122);
        QVERIFY(w.fake.messages.shown.isEmpty());
    }

    void dragging_data()
    {
        QTest::addColumn<QString>("handle"); // a child, or empty for the background
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("held"); // held while the pointer moves, or clicked at once before
        QTest::addColumn<bool>("moves");
        QTest::newRow("background, left") << "" << QPoint(10, 300) << "1" << true << true;
        QTest::newRow("Label12, left") << "Label12" << QPoint(20, 8) << "1" << true << true;
        QTest::newRow("background, right") << "" << QPoint(10, 300) << "3" << true << false;
        QTest::newRow("Label13, left") << "Label13" << QPoint(100, 8) << "1" << true << false;
        QTest::newRow("background, an instant click")
            << "" << QPoint(10, 300) << "1" << false << false;
    }

    void dragging()
    {
        QFETCH(QString, handle);
        QFETCH(QPoint, at);
        QFETCH(QString, button);
        QFETCH(bool, held);
        QFETCH(bool, moves);
        auto& w = *m_w;
        QWidget* surface = handle.isEmpty() ? &w.window : w.window.findChild<QWidget*>(handle);
        QVERIFY(surface);
        const QPoint before = w.window.pos();
        const QPoint start = w.global(surface, at);
        MoveRequests requests;
        QVERIFY(xdotool::moveTo(start));
        // A click releases at once, as a fast touchpad tap does.
        QVERIFY(xdotool::run({ held ? "mousedown" : "click", button }));
        QTest::qWait(300);
        // A hand starts a drag with a step of a pixel or so; the window
        // manager moves the window by the travel after it.
        QVERIFY(xdotool::moveTo(start + QPoint(1, 0)));
        QTest::qWait(100);
        for (int step = 1; step <= 6; ++step) {
            QVERIFY(xdotool::moveTo(start + QPoint(10 * step, 8 * step)));
            QTest::qWait(30);
        }
        if (held)
            QVERIFY(xdotool::run({ "mouseup", button }));
        if (moves) {
            QTRY_VERIFY((w.window.pos() - before - QPoint(60, 48)).manhattanLength() <= 2);
        } else {
            QTest::qWait(300);
            QCOMPARE(w.window.pos(), before);
        }
        // Asked for only while the button is held: some window managers
        // start a move asked for after the release and never end it.
        QCOMPARE(requests.any(), moves);
        QVERIFY(!w.window.pickerActive());
    }

    void staysAboveAnActivatedWindow()
    {
        Patch other(kPatchColour, { 0, 0, 400, 400 });
        other.setWindowFlags(Qt::Window);
        other.show();
        other.activateWindow();
        QTRY_VERIFY(other.isActiveWindow());
        const auto stacking = [] { // bottom to top
            QProcess xprop;
            xprop.start("xprop", { "-root", "_NET_CLIENT_LIST_STACKING" });
            xprop.waitForFinished();
            return QString::fromLatin1(xprop.readAll())
                .section('#', 1)
                .simplified()
                .remove(' ')
                .split(',');
        };
        const QString ours = "0x" + QString::number(m_w->window.winId(), 16);
        const QString theirs = "0x" + QString::number(other.winId(), 16);
        QTRY_VERIFY(stacking().indexOf(ours) > stacking().indexOf(theirs));
        QVERIFY(stacking().indexOf(theirs) >= 0);
    }

private:
    std::unique_ptr<Patch> m_patch;
    std::unique_ptr<RealWindow> m_w;
};

QTEST_MAIN(TestX11Window)
#include "tst_x11_window.moc"
