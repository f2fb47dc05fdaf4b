// Thousands of seeded random user actions on the real window; after each one,
// what must always hold is checked. A failure names the seed, the event and
// the broken invariant, so it can be replayed:
//   MARIVELL_MONKEY_SEED=<seed> MARIVELL_MONKEY_EVENTS=<n> tst_monkey
#include "../window/scrollbarpart.h"
#include "../window/windowfixture.h"
#include "app/colourwindow.h"
#include "app/qtcolour.h"
#include "colour/notations.h"
#include "colour/typedvalue.h"
#include "picker/screenpicker.h"

#include <QPushButton>
#include <QRandomGenerator>
#include <QTest>

namespace {

const QString kIllegal = QStringLiteral("Illegal value.");

int envOr(const char* name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok ? value : fallback;
}

QPoint arrowPoint(channels::ChannelBar* bar, bool down)
{
    return scrollBarPart(bar, down ? QStyle::SC_ScrollBarAddLine : QStyle::SC_ScrollBarSubLine)
        .center();
}

class Monkey {
public:
    Monkey(WindowFixture& f, quint32 seed)
        : m_f(f)
        , m_random(seed)
    {
    }

    // A right-click pick or a confirmed colour dialog refreshes the notations
    // even while the picker runs; until the picker restarts they are not empty.
    bool committedWhilePicking() const { return m_committedWhilePicking; }

    // Runs one random action; returns its name for the failure message.
    QString act()
    {
        if (!m_f.window.pickerActive())
            m_committedWhilePicking = false;
        using Action = QString (Monkey::*)();
        static constexpr Action actions[]
            = { &Monkey::arrowClick, &Monkey::arrowClick, &Monkey::arrowKey, &Monkey::pageStep,
                  &Monkey::drag, &Monkey::type, &Monkey::type, &Monkey::backspace, &Monkey::paste,
                  &Monkey::moveTransparency, &Monkey::togglePicker, &Monkey::tick, &Monkey::tick,
                  &Monkey::rightClickPick, &Monkey::colourDialog, &Monkey::moveFocus };
        return (this->*actions[pick(std::size(actions))])();
    }

private:
    int pick(int n) { return static_cast<int>(m_random.bounded(n)); }
    channels::ChannelBar* anyBar() { return m_f.bar(pick(4)); }
    channels::ChannelEntry* anyBox() { return m_f.c().channelBoxes[pick(3)]; }

    QString text(int maxLength)
    {
        static const QString alphabet = QStringLiteral("0123456789012345 .-+eEa");
        QString s;
        const int length = 1 + pick(maxLength);
        for (int i = 0; i < length; ++i)
            s += alphabet[pick(alphabet.size())];
        return s;
    }

    QString arrowClick()
    {
        auto* bar = anyBar();
        const bool down = pick(2);
        QTest::mouseClick(bar, Qt::LeftButton, {}, arrowPoint(bar, down));
        return QStringLiteral("arrow click on %1").arg(bar->objectName());
    }

    QString arrowKey()
    {
        auto* bar = anyBar();
        QTest::keyClick(bar, pick(2) ? Qt::Key_Down : Qt::Key_Up);
        return QStringLiteral("arrow key on %1").arg(bar->objectName());
    }

    QString pageStep()
    {
        auto* bar = anyBar();
        bar->triggerAction(
            pick(2) ? QAbstractSlider::SliderPageStepAdd : QAbstractSlider::SliderPageStepSub);
        return QStringLiteral("page step on %1").arg(bar->objectName());
    }

    QString drag()
    {
        auto* bar = anyBar();
        bar->setSliderDown(true);
        for (int moves = 1 + pick(3); moves > 0; --moves)
            bar->setSliderPosition(pick(256));
        bar->setSliderDown(false);
        return QStringLiteral("drag on %1").arg(bar->objectName());
    }

    QString type()
    {
        auto* box = anyBox();
        if (!box->isEnabled())
            return QStringLiteral("typing into a disabled box");
        const QString typed = text(4);
        if (pick(2))
            box->selectAll();
        QTest::keyClicks(box, typed);
        return QStringLiteral("typing '%1' into %2").arg(typed, box->objectName());
    }

    QString backspace()
    {
        auto* box = anyBox();
        if (!box->isEnabled())
            return QStringLiteral("backspace into a disabled box");
        QTest::keyClick(box, Qt::Key_Backspace);
        return QStringLiteral("backspace in %1").arg(box->objectName());
    }

    QString paste()
    {
        auto* box = anyBox();
        if (!box->isEnabled())
            return QStringLiteral("paste into a disabled box");
        const QString pasted = pick(3) ? QString::number(pick(300)) : text(6);
        box->setText(pasted);
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        return QStringLiteral("pasting '%1' into %2").arg(pasted, box->objectName());
    }

    QString moveTransparency()
    {
        auto* slider = m_f.c().transparency;
        if (pick(2))
            slider->setValue(pick(256));
        else
            QTest::keyClick(slider, pick(2) ? Qt::Key_Left : Qt::Key_PageUp);
        return QStringLiteral("transparency to %1").arg(slider->value());
    }

    QString togglePicker()
    {
        QTest::mouseClick(m_f.c().pickerButton, Qt::LeftButton);
        return QStringLiteral("click on the eyedropper");
    }

    QString tick()
    {
        auto& desktop = m_f.desktop;
        desktop.screen.fill = qRgb(pick(256), pick(256), pick(256));
        desktop.pointer.at = QPoint(pick(2000) - 500, pick(1500) - 300);
        desktop.keys.down.clear();
        if (pick(6) == 0)
            desktop.keys.down.insert(Qt::Key_S);
        m_f.window.screenPicker().tick();
        return QStringLiteral("picker tick%1")
            .arg(desktop.keys.down.isEmpty() ? "" : " with S down");
    }

    QString rightClickPick()
    {
        auto* preview = m_f.c().preview;
        const QPoint at(pick(preview->width()), pick(preview->height()));
        const bool right = pick(4);
        QTest::mouseClick(preview, right ? Qt::RightButton : Qt::LeftButton, {}, at);
        m_committedWhilePicking |= right && m_f.window.pickerActive();
        return QStringLiteral("click on the preview at %1, %2").arg(at.x()).arg(at.y());
    }

    QString colourDialog()
    {
        auto& dialog = m_f.desktop.colourDialog;
        dialog.answer = pick(3) ? std::optional<QColor>(QColor(pick(256), pick(256), pick(256)))
                                : std::nullopt;
        m_f.c().chooseColour->click();
        m_committedWhilePicking |= dialog.answer && m_f.window.pickerActive();
        return dialog.answer ? QStringLiteral("colour dialog OK %1").arg(dialog.answer->name())
                             : QStringLiteral("colour dialog Cancel");
    }

    QString moveFocus()
    {
        QList<QWidget*> targets;
        for (auto* w : m_f.window.findChildren<QWidget*>())
            if (w->focusPolicy() & Qt::TabFocus && w->isEnabled())
                targets << w;
        QWidget* target = targets[pick(targets.size())];
        target->setFocus(pick(2) ? Qt::TabFocusReason : Qt::MouseFocusReason);
        // Offscreen windows may not be active: deliver the focus event ourselves.
        QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
        QCoreApplication::sendEvent(target, &in);
        return QStringLiteral("focus to %1").arg(target->objectName());
    }

    WindowFixture& m_f;
    QRandomGenerator m_random;
    bool m_committedWhilePicking = false;
};

// What must hold after every action; empty when it does.
QString brokenInvariant(const WindowFixture& f, const Monkey& monkey)
{
    const auto& c = f.c();
    const QList<QLineEdit*> seven { c.hexaVb, c.longVb, c.rgb, c.cmy, c.cmyk, c.html, c.hsl };
    if (f.window.pickerActive()) {
        for (auto* box : seven)
            if (!box->text().isEmpty() && !monkey.committedWhilePicking())
                return QStringLiteral("%1 is not empty while the picker runs")
                    .arg(box->objectName());
        for (auto* box : c.channelBoxes)
            if (box->isEnabled())
                return QStringLiteral("%1 is enabled while the picker runs").arg(box->objectName());
        return {};
    }
    std::array<int, 3> typed {};
    for (int ch = 0; ch < 3; ++ch) {
        const auto reading = colour::readTypedChannel(c.channelBoxes[ch]->text().toStdString());
        if (reading.verdict != colour::TypedChannel::Verdict::Accepted)
            return {}; // a refused entry stands in a box: nothing is promised
        typed[ch] = reading.value;
    }
    const auto number = app::toColourNumber(c.preview->backColour());
    const colour::Rgb rgb = colour::channelsOf(number);
    const std::array<int, 3> channels { rgb.red, rgb.green, rgb.blue };
    for (int ch = 0; ch < 3; ++ch) {
        const QString name = c.channelBars[ch]->objectName();
        if (c.channelBars[ch]->value() != channels[ch])
            return QStringLiteral("%1 is %2, the colour's channel %3")
                .arg(name)
                .arg(c.channelBars[ch]->value())
                .arg(channels[ch]);
        if (typed[ch] != channels[ch])
            return QStringLiteral("%1 reads '%2', the colour's channel is %3")
                .arg(c.channelBoxes[ch]->objectName(), c.channelBoxes[ch]->text())
                .arg(channels[ch]);
        if (c.channelColumns[ch]->level() != channels[ch])
            return QStringLiteral("the column of %1 shows %2, not %3")
                .arg(name)
                .arg(c.channelColumns[ch]->level())
                .arg(channels[ch]);
    }
    const auto expected = colour::notationsOf(number, c.transparency->value());
    const std::string shown[] = { c.rgb->text().toStdString(), c.hexaVb->text().toStdString(),
        c.longVb->text().toStdString(), c.html->text().toStdString(), c.cmy->text().toStdString(),
        c.cmyk->text().toStdString(), c.hsl->text().toStdString(), c.kml->text().toStdString() };
    const std::string wanted[] = { expected.rgb, expected.hexaVb, expected.longVb, expected.html,
        expected.cmy, expected.cmyk, expected.hsl, expected.kml };
    for (int i = 0; i < 8; ++i)
        if (shown[i] != wanted[i])
            return QStringLiteral("a notation box reads '%1' instead of '%2' for %3")
                .arg(QString::fromStdString(shown[i]), QString::fromStdString(wanted[i]),
                    QString::number(number, 16));
    return {};
}

} // namespace

class TestMonkey : public QObject {
    Q_OBJECT
private slots:
    void randomUseKeepsTheWindowConsistent()
    {
        const quint32 seed = envOr("MARIVELL_MONKEY_SEED", 20261207);
        const int events = envOr("MARIVELL_MONKEY_EVENTS", 10000);
        WindowFixture f;
        Monkey monkey(f, seed);
        auto& shown = f.desktop.messages.shown;
        for (int i = 0; i < events; ++i) {
            const bool pickerWasActive = f.window.pickerActive();
            const qsizetype boxesBefore = shown.size();
            const QString action = monkey.act();
            const auto where
                = QStringLiteral("seed %1, event %2 (%3): ").arg(seed).arg(i).arg(action);
            for (qsizetype b = boxesBefore; b < shown.size(); ++b) {
                const bool illegal = shown[b].text == kIllegal;
                const bool locked = shown[b].text == kLocked && pickerWasActive;
                QVERIFY2(illegal || locked,
                    qPrintable(
                        where + QStringLiteral("unexpected message box '%1'").arg(shown[b].text)));
            }
            const QString broken = brokenInvariant(f, monkey);
            QVERIFY2(broken.isEmpty(), qPrintable(where + broken));
        }
        qInfo("%d events, %lld message boxes", events, static_cast<long long>(shown.size()));
    }
};

QTEST_MAIN(TestMonkey)
#include "tst_monkey.moc"
