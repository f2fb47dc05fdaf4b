// Seeded random user actions on the real window (offscreen); after each, what
// must always hold is checked. Run at length by monkey-long; not part of the
// test suite, whose tables catch the same faults. A failure names the seed and
// the event, to replay:
//   MARIVELL_MONKEY_SEED=<seed> MARIVELL_MONKEY_EVENTS=<n> BUILD/quality/monkey
#include "app/qtcolour.h"
#include "colour/notations.h"
#include "colour/typedvalue.h"
#include "windowfixture.h"

#include <QRandomGenerator>
#include <functional>

namespace {

const QString kLocked = QStringLiteral("This command is locked while the color picker is enabled.");

// Steps only the monkey takes: the suite tries these controls in their own tests.

// The thumb dragged to a value and let go.
Step dragThumb(Bar b, int value)
{
    return [=](WindowFixture& f) {
        f.bar(b)->setSliderDown(true);
        f.bar(b)->setSliderPosition(value);
        f.bar(b)->setSliderDown(false);
    };
}

Step setTransparency(int value)
{
    return [=](WindowFixture& f) { f.c().transparency->setValue(value); };
}

Step clickPreview(Qt::MouseButton button, QPoint at)
{
    return [=](WindowFixture& f) { QTest::mouseClick(f.c().preview, button, {}, at); };
}

Step screenShows(QRgb fill)
{
    return [=](WindowFixture& f) { f.desktop.screen.fill = fill; };
}

// What must hold after every action; empty when it does. A colour from
// outside while the picker runs fills the notations until it restarts.
QString brokenInvariant(const WindowFixture& f, bool committedWhilePicking)
{
    const auto& c = f.c();
    if (f.window.pickerActive()) {
        const bool empty = f.notations().mid(0, 7) == QStringList(7);
        const bool enabled = c.channelBoxes[0]->isEnabled() || c.channelBoxes[2]->isEnabled();
        return (empty || committedWhilePicking) && !enabled ? QString() : "picker state";
    }
    const auto number = app::toColourNumber(c.preview->backColour());
    const colour::Rgb rgb = colour::channelsOf(number);
    const int channels[] = { rgb.red, rgb.green, rgb.blue };
    for (int ch = 0; ch < 3; ++ch) {
        const auto typed = colour::readTypedChannel(c.channelBoxes[ch]->text().toStdString());
        if (typed.verdict != colour::TypedChannel::Verdict::Accepted)
            return {}; // a refused entry stands in a box: nothing is promised
        if (c.channelBars[ch]->value() != channels[ch] || typed.value != channels[ch]
            || c.channelColumns[ch]->level() != channels[ch])
            return QStringLiteral("bar, box or column %1 is not at %2").arg(ch).arg(channels[ch]);
    }
    const auto n = colour::notationsOf(number, c.transparency->value());
    QStringList expected;
    for (const auto& text : n)
        expected << QString::fromStdString(text);
    return f.notations() == expected ? QString() : "notations " + f.notations().join(" | ");
}

} // namespace

class WindowMonkey : public QObject {
    Q_OBJECT
private slots:
    void randomUseKeepsTheWindowConsistent()
    {
        const auto envOr = [](const char* name, int fallback) {
            const int value = qEnvironmentVariableIntValue(name);
            return value ? value : fallback;
        };
        const quint32 seed = envOr("MARIVELL_MONKEY_SEED", 20261207);
        const int events = envOr("MARIVELL_MONKEY_EVENTS", 10000);
        WindowFixture f;
        QVERIFY(QTest::qWaitForWindowActive(&f.window)); // keys go to the focused control
        QRandomGenerator random(seed);
        const auto pick = [&](int n) { return int(random.bounded(n)); };
        const auto anyBar = [&] { return Bar(pick(4)); };
        const auto anyColour = [&] { return qRgb(pick(256), pick(256), pick(256)); };
        const QStringList odd { "", "-", " 7", "1e2", "12.5", "2a", "+3", "300", "0.5" };
        const auto anyText
            = [&] { return pick(2) ? QString::number(pick(300)) : odd[pick(odd.size())]; };
        bool fromOutside = false; // the action brings a colour from outside
        const std::function<Step()> actions[] = {
            [&] { return clickArrow(anyBar(), pick(2) ? Arrow::Up : Arrow::Down); },
            [&] { return keys(pick(2) ? Qt::Key_Down : Qt::Key_PageUp); },
            [&] { return dragThumb(anyBar(), pick(256)); },
            [&] { return focusBar(anyBar()); }, // as by Tab; the master re-centres
            [&] { return type(Bar(pick(3)), anyText()); },
            [&] { return keys(Qt::Key_Backspace); },
            [&] { return setTransparency(pick(256)); },
            [&] { return clickEyedropper; },
            [&] { return screenShows(anyColour()); },
            [&] { return pick(6) ? releaseS : pressS; },
            [&] { return tick; },
            [&] {
                fromOutside = pick(4);
                const QPoint at(pick(148), pick(43));
                return clickPreview(fromOutside ? Qt::RightButton : Qt::LeftButton, at);
            },
            [&] {
                fromOutside = pick(3);
                return chooseInDialog(
                    fromOutside ? std::optional(QColor(anyColour())) : std::nullopt);
            },
        };
        bool committedWhilePicking = false;
        auto& shown = f.desktop.messages.shown;
        for (int i = 0; i < events; ++i) {
            committedWhilePicking &= f.window.pickerActive();
            const bool locked = f.window.pickerActive();
            const qsizetype before = shown.size();
            fromOutside = false;
            const int kind = pick(int(std::size(actions)));
            f.run({ actions[kind]() });
            committedWhilePicking |= locked && fromOutside;
            const auto where
                = QStringLiteral("seed %1, event %2 (action %3): ").arg(seed).arg(i).arg(kind);
            for (qsizetype b = before; b < shown.size(); ++b)
                QVERIFY2(shown[b].text == "Illegal value." || (locked && shown[b].text == kLocked),
                    qPrintable(where + "unexpected message box " + shown[b].text));
            const QString broken = brokenInvariant(f, committedWhilePicking);
            QVERIFY2(broken.isEmpty(), qPrintable(where + broken));
        }
    }
};

QTEST_MAIN(WindowMonkey)
#include "monkey.moc"
