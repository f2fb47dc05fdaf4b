#include "windowfixture.h"

#include <QAccessible>
#include <QApplication>
#include <QTest>

namespace {

QAccessibleInterface* accessibleOf(QObject* object)
{
    return QAccessible::queryAccessibleInterface(object);
}

// The design's tab order, from the box that has the focus at start-up.
const QStringList kTabOrder { "red1", "green1", "blue1", "Label1", "Slider1", "Slider2", "Slider3",
    "Slider4", "Text8", "Text7", "Text5", "Text4", "Text1", "Text3", "Text2", "Command1",
    "Command2", "Slider5", "Text6" };

struct ActiveWindow {
    WindowFixture f;
    ActiveWindow()
    {
        f.window.activateWindow();
        if (!QTest::qWaitForWindowActive(&f.window))
            qWarning("window not active");
    }

    QString focused() const
    {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
    }

    // Reaches a control the way a keyboard user does, from the start-up focus.
    bool tabTo(const QString& name)
    {
        f.c().channelBoxes[0]->setFocus(Qt::TabFocusReason);
        for (int i = 0; i < kTabOrder.size() && focused() != name; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        return focused() == name;
    }

    void press(const QKeySequence& keys) { QTest::keySequence(QApplication::focusWidget(), keys); }
};

} // namespace

class TestKeyboardAccess : public QObject {
    Q_OBJECT
private slots:
    void tabOrderFollowsTheDesign()
    {
        ActiveWindow w;
        QCOMPARE(w.focused(), kTabOrder.first());
        QStringList visited { w.focused() };
        for (int i = 1; i <= kTabOrder.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << w.focused();
        }
        QCOMPARE(visited, kTabOrder + QStringList { kTabOrder.first() });
    }

    void keyboardAloneSetsTheColour_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<QString>("rgb");
        QTest::addColumn<QString>("kml");
        QTest::newRow("typed red") << "red1" << QKeySequence("Ctrl+A, 2, 0, 0") << "200, 129, 255"
                                   << "ffff81c8";
        QTest::newRow("red bar") << "Slider1" << QKeySequence("Down") << "172, 129, 255"
                                 << "ffff81ac";
        QTest::newRow("blue bar") << "Slider3" << QKeySequence("PgUp") << "162, 129, 235"
                                  << "ffeb81a2";
        QTest::newRow("master") << "Slider4" << QKeySequence("Down") << "164, 131, 255"
                                << "ffff83a4";
        QTest::newRow("transparency") << "Slider5" << QKeySequence("Left") << "162, 129, 255"
                                      << "feff81a2";
        QTest::newRow("colour dialog") << "Command2" << QKeySequence("Space") << "1, 2, 3"
                                       << "ff030201";
    }

    void keyboardAloneSetsTheColour()
    {
        QFETCH(QString, control);
        QFETCH(QKeySequence, keys);
        QFETCH(QString, rgb);
        QFETCH(QString, kml);
        ActiveWindow w;
        w.f.desktop.colourDialog.answer = QColor(1, 2, 3);
        QVERIFY(w.tabTo(control));
        w.press(keys);
        QCOMPARE(w.f.c().rgb->text(), rgb);
        QCOMPARE(w.f.c().kml->text(), kml);
        QVERIFY(w.f.desktop.messages.shown.isEmpty());
    }

    void keyboardAloneRunsThePicker()
    {
        ActiveWindow w;
        w.f.desktop.screen.fill = qRgb(10, 20, 30);
        QAccessibleInterface* button = accessibleOf(w.f.c().pickerButton);
        QVERIFY(w.tabTo(QStringLiteral("Command1")));
        w.press(QKeySequence("Space"));
        QVERIFY(w.f.window.pickerActive());
        QVERIFY(button->state().pressed);
        QVERIFY(button->state().checked);
        QTRY_COMPARE(w.f.c().preview->backColour(), qRgb(10, 20, 30)); // a tick took a sample
        QCOMPARE(w.focused(), QStringLiteral("Command1"));
        w.press(QKeySequence("Space"));
        QVERIFY(!w.f.window.pickerActive());
        QVERIFY(!button->state().pressed);
        QCOMPARE(w.f.c().rgb->text(), QStringLiteral("10, 20, 30"));
    }
};

QTEST_MAIN(TestKeyboardAccess)
#include "tst_keyboardaccess.moc"
