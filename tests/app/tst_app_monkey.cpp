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

int envOr(const char* name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok ? value : fallback;
}

// What must hold after every action; empty when it does. A colour from
// outside while the picker runs fills the notations until it restarts.
QString brokenInvariant(const WindowFixture& f, bool committedWhilePicking)
{
    const auto& c = f.c();
    if (f.window.pickerActive()) {
        for (auto* box : { c.hexaVb, c.longVb, c.rgb, c.cmy, c.cmyk, c.html, c.hsl })
            if (!box->text().isEmpty() && !committedWhilePicking)
                return box->objectName() + " is not empty while the picker runs";
        for (auto* box : c.channelBoxes)
            if (box->isEnabled())
                return box->objectName() + " is enabled while the picker runs";
        return {};
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
    const QStringList expected { QString::fromStdString(n.rgb), QString::fromStdString(n.hexaVb),
        QString::fromStdString(n.longVb), QString::fromStdString(n.html),
        QString::fromStdString(n.cmy), QString::fromStdString(n.cmyk),
        QString::fromStdString(n.hsl), QString::fromStdString(n.kml) };
    return f.notations() == expected ? QString() : "notations " + f.notations().join(" | ");
}

} // namespace

class TestAppMonkey : public QObject {
    Q_OBJECT
private slots:
    void randomUseKeepsTheWindowConsistent()
    {
        const quint32 seed = envOr("MARIVELL_MONKEY_SEED", 20261207);
        const int events = envOr("MARIVELL_MONKEY_EVENTS", 10000);
        WindowFixture f;
        QRandomGenerator random(seed);
        const auto pick = [&](int n) { return int(random.bounded(n)); };
        const auto anyBar = [&] { return f.bar(pick(4)); };
        const auto text = [&](int maxLength) {
            static const QString alphabet = QStringLiteral("0123456789012345 .-+eEa");
            QString s;
            for (int i = 1 + pick(maxLength); i > 0; --i)
                s += alphabet[pick(alphabet.size())];
            return s;
        };
        bool committedWhilePicking = false;
        auto& desktop = f.desktop;
        const std::function<QString()> actions[] = {
            [&] {
                auto* bar = anyBar();
                const auto arrow
                    = pick(2) ? QStyle::SC_ScrollBarAddLine : QStyle::SC_ScrollBarSubLine;
                QTest::mouseClick(bar, Qt::LeftButton, {}, scrollBarPart(bar, arrow).center());
                return "arrow click on " + bar->objectName();
            },
            [&] {
                auto* bar = anyBar();
                QTest::keyClick(bar, pick(2) ? Qt::Key_Down : Qt::Key_PageUp);
                return "key on " + bar->objectName();
            },
            [&] {
                auto* bar = anyBar();
                bar->setSliderDown(true);
                for (int moves = 1 + pick(3); moves > 0; --moves)
                    bar->setSliderPosition(pick(256));
                bar->setSliderDown(false);
                return "drag on " + bar->objectName();
            },
            [&] {
                auto* box = f.c().channelBoxes[pick(3)];
                const QString typed = pick(3) ? QString::number(pick(300)) : text(4);
                if (pick(2))
                    box->selectAll();
                QTest::keyClicks(box, typed);
                if (pick(3) == 0)
                    QTest::keyClick(box, Qt::Key_Backspace);
                return "typing " + typed + " into " + box->objectName();
            },
            [&] {
                f.c().transparency->setValue(pick(256));
                return QStringLiteral("transparency");
            },
            [&] {
                QTest::mouseClick(f.c().pickerButton, Qt::LeftButton);
                return QStringLiteral("click on the eyedropper");
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
                desktop.colourDialog.answer = pick(3)
                    ? std::optional<QColor>(QColor(pick(256), pick(256), pick(256)))
                    : std::nullopt;
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
            if (!f.window.pickerActive())
                committedWhilePicking = false;
            const bool pickerWasActive = f.window.pickerActive();
            const qsizetype boxesBefore = shown.size();
            const QString action = actions[pick(int(std::size(actions)))]();
            const auto where
                = QStringLiteral("seed %1, event %2 (%3): ").arg(seed).arg(i).arg(action);
            for (qsizetype b = boxesBefore; b < shown.size(); ++b)
                QVERIFY2(shown[b].text == "Illegal value."
                        || (shown[b].text == kLocked && pickerWasActive),
                    qPrintable(where + "unexpected message box " + shown[b].text));
            const QString broken = brokenInvariant(f, committedWhilePicking);
            QVERIFY2(broken.isEmpty(), qPrintable(where + broken));
        }
    }
};

QTEST_MAIN(TestAppMonkey)
#include "tst_app_monkey.moc"
