// Thousands of seeded random user actions on the real window; after each, what
// must always hold is checked. A failure names the seed and the event, to replay:
//   MARIVELL_MONKEY_SEED=<seed> MARIVELL_MONKEY_EVENTS=<n> tst_app_monkey
#include "app/qtcolour.h"
#include "colour/notations.h"
#include "colour/typedvalue.h"
#include "picker/screenpicker.h"
#include "scrollbarpart.h"
#include "windowfixture.h"

#include <QRandomGenerator>
#include <QTest>
#include <functional>

namespace {

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
    for (const auto& text : { n.rgb, n.hexaVb, n.longVb, n.html, n.cmy, n.cmyk, n.hsl, n.kml })
        expected << QString::fromStdString(text);
    return f.notations() == expected ? QString() : "notations " + f.notations().join(" | ");
}

} // namespace

class TestAppMonkey : public QObject {
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
        auto& desktop = f.desktop;
        QRandomGenerator random(seed);
        const auto pick = [&](int n) { return int(random.bounded(n)); };
        const QStringList odd { "", "-", " 7", "1e2", "12.5", "2a", "+3", "300", "0.5" };
        bool committedWhilePicking = false;
        const std::function<QString()> actions[] = {
            [&] {
                auto* bar = f.bar(pick(4));
                const auto arrow
                    = pick(2) ? QStyle::SC_ScrollBarAddLine : QStyle::SC_ScrollBarSubLine;
                QTest::mouseClick(bar, Qt::LeftButton, {}, scrollBarPart(bar, arrow).center());
                QTest::keyClick(bar, pick(2) ? Qt::Key_Down : Qt::Key_PageUp);
                bar->setSliderDown(true); // a drag
                bar->setSliderPosition(pick(256));
                bar->setSliderDown(false);
                return "arrow, key and drag on " + bar->objectName();
            },
            [&] {
                auto* box = f.c().channelBoxes[pick(3)];
                const QString typed = pick(2) ? QString::number(pick(300)) : odd[pick(odd.size())];
                if (pick(2))
                    box->selectAll();
                QTest::keyClicks(box, typed);
                if (pick(3) == 0)
                    QTest::keyClick(box, Qt::Key_Backspace);
                return "typing '" + typed + "' into " + box->objectName();
            },
            [&] {
                f.c().transparency->setValue(pick(256));
                QTest::mouseClick(f.c().pickerButton, Qt::LeftButton);
                return QStringLiteral("transparency and eyedropper");
            },
            [&] {
                desktop.screen.fill = qRgb(pick(256), pick(256), pick(256));
                desktop.keys.down.clear();
                if (pick(6) == 0)
                    desktop.keys.down.insert(Qt::Key_S);
                f.window.screenPicker().tick();
                return QStringLiteral("picker tick");
            },
            [&] {
                auto* preview = f.c().preview;
                const bool right = pick(4);
                QTest::mouseClick(preview, right ? Qt::RightButton : Qt::LeftButton, {},
                    QPoint(pick(preview->width()), pick(preview->height())));
                committedWhilePicking |= right && f.window.pickerActive();
                return QStringLiteral("click on the preview");
            },
            [&] {
                const QColor answer(pick(256), pick(256), pick(256));
                desktop.colourDialog.answer = pick(3) ? std::optional(answer) : std::nullopt;
                f.c().chooseColour->click();
                committedWhilePicking |= desktop.colourDialog.answer && f.window.pickerActive();
                return QStringLiteral("colour dialog");
            },
            [&] {
                QList<QWidget*> targets;
                for (auto* w : f.window.findChildren<QWidget*>())
                    if (w->focusPolicy() & Qt::TabFocus && w->isEnabled())
                        targets << w;
                QWidget* target = targets[pick(targets.size())];
                target->setFocus(Qt::TabFocusReason);
                // Offscreen windows may not be active: deliver the focus event ourselves.
                QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
                QCoreApplication::sendEvent(target, &in);
                return "focus to " + target->objectName();
            },
        };
        auto& shown = desktop.messages.shown;
        for (int i = 0; i < events; ++i) {
            committedWhilePicking &= f.window.pickerActive();
            const bool locked = f.window.pickerActive();
            const qsizetype before = shown.size();
            const QString action = actions[pick(int(std::size(actions)))]();
            const auto where
                = QStringLiteral("seed %1, event %2 (%3): ").arg(seed).arg(i).arg(action);
            for (qsizetype b = before; b < shown.size(); ++b)
                QVERIFY2(shown[b].text == "Illegal value." || (locked && shown[b].text == kLocked),
                    qPrintable(where + "unexpected message box " + shown[b].text));
            const QString broken = brokenInvariant(f, committedWhilePicking);
            QVERIFY2(broken.isEmpty(), qPrintable(where + broken));
        }
    }
};

QTEST_MAIN(TestAppMonkey)
#include "tst_app_monkey.moc"
