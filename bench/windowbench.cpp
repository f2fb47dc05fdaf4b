// Figures for the window, printed, never asserted:
//   tick    one picker tick (screen read, swatches, preview), and with the paint
//   change  one channel change until every box, column and the preview are painted
//   idle    timer events and context switches of the idle window, picker off
// Runs on a real X server (through tests/x11/with-x11).
#include "app/colourwindow.h"
#include "channels/channelbar.h"
#include "channels/channelentry.h"
#include "picker/pickerbutton.h"
#include "picker/screenpicker.h"
#include "platform/realplatform.h"
#include "support/fakeplatform.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

// The real screen, pointer and keys; boxes and the dialog must not block a measurement.
struct Desktop {
    platform::RealPlatform real;
    platform::FakePlatform fake;
    platform::Platform platform { fake.messages, fake.colourDialog, real.screen, real.pointer,
        real.keys, real.desktopPick, real.platform.windowMove, real.platform.screenReading };
};

struct Figures {
    double median = 0;
    double p90 = 0;
};

Figures measure(int rounds, const std::function<void(int)>& once)
{
    for (int i = 0; i < rounds / 10; ++i)
        once(i); // warm-up, not counted
    std::vector<double> us;
    us.reserve(rounds);
    QElapsedTimer clock;
    for (int i = 0; i < rounds; ++i) {
        clock.start();
        once(i);
        us.push_back(clock.nsecsElapsed() / 1000.0);
    }
    std::sort(us.begin(), us.end());
    return { us[us.size() / 2], us[us.size() * 9 / 10] };
}

void print(const char* what, Figures f)
{
    std::printf("%-44s median %8.1f us   p90 %8.1f us\n", what, f.median, f.p90);
}

// Counts timer events delivered anywhere in the program.
class TimerCounter : public QObject {
public:
    int count = 0;
    bool eventFilter(QObject*, QEvent* e) override
    {
        count += e->type() == QEvent::Timer;
        return false;
    }
};

long contextSwitches()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    long total = 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("voluntary_ctxt_switches")
            || line.startsWith("nonvoluntary_ctxt_switches"))
            total += line.mid(line.indexOf(':') + 1).trimmed().toLong();
    }
    return total;
}

// A plain event loop: QTest::qWait would wake every 10 ms itself.
void runEventLoopFor(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

void idleFor(app::ColourWindow& window, QWidget* focus, const char* what, int seconds)
{
    focus->setFocus();
    runEventLoopFor(500);
    TimerCounter timers;
    qApp->installEventFilter(&timers);
    const long before = contextSwitches();
    runEventLoopFor(seconds * 1000);
    const long switches = contextSwitches() - before;
    qApp->removeEventFilter(&timers);
    // Less the one timer that ends the wait.
    std::printf("%-44s %3d timer events, %4ld context switches in %d s%s\n", what, timers.count - 1,
        switches, seconds, window.pickerActive() ? " (picker on)" : "");
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QString mode = argc > 1 ? QString::fromLatin1(argv[1]) : QString();
    Desktop desktop;
    app::ColourWindow window(desktop.platform);
    window.setWindowTitle(QStringLiteral("Marivell bench"));
    window.start();
    if (!QTest::qWaitForWindowExposed(&window) || !QTest::qWaitForWindowActive(&window)) {
        std::fprintf(stderr, "the window did not show\n");
        return 1;
    }
    const app::WindowControls& c = window.controls();

    if (mode == QLatin1String("tick")) {
        print("screen read alone", measure(2000, [&](int) {
            desktop.real.screen.pixelBesidePointer(desktop.real.pointer);
        }));
        window.screenPicker().toggle();
        auto& picker = window.screenPicker();
        print("picker tick", measure(2000, [&](int) { picker.tick(); }));
        print("picker tick, painted and flushed", measure(2000, [&](int) {
            picker.tick();
            QApplication::processEvents();
        }));
    } else if (mode == QLatin1String("change")) {
        auto* bar = c.channelBars[0];
        print("channel change, handling only",
            measure(2000, [&](int i) { bar->setValue(100 + i % 2 * 10); }));
        print("channel change, painted and flushed", measure(2000, [&](int i) {
            bar->setValue(100 + i % 2 * 10);
            QApplication::processEvents();
        }));
    } else if (mode == QLatin1String("idle")) {
        const int seconds = argc > 2 ? std::atoi(argv[2]) : 5;
        idleFor(window, c.channelBoxes[0], "idle, focus in red1", seconds);
        idleFor(window, c.pickerButton, "idle, focus on the eyedropper", seconds);
        window.screenPicker().toggle();
        idleFor(window, c.pickerButton, "picker running, pointer still", seconds);
    } else {
        std::fprintf(stderr, "usage: %s tick|change|idle [SECONDS]\n", argv[0]);
        return 2;
    }
    return 0;
}
