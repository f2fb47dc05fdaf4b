#include "platform/keytracker.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

// Key events as steps: "press s@box", "release s@button", "repeat s@box" (an
// auto-repeated release and press), "press S+shift@box", "deactivate".
class TestKeyTracker : public QObject {
    Q_OBJECT
private slots:
    void sKey_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<bool>("down");
        QTest::newRow("nothing") << QStringList {} << false;
        QTest::newRow("pressed in a text box") << QStringList { "press s@box" } << true;
        QTest::newRow("pressed on a button") << QStringList { "press s@button" } << true;
        QTest::newRow("upper case") << QStringList { "press S+shift@box" } << true;
        QTest::newRow("pressed and released")
            << QStringList { "press s@box", "release s@box" } << false;
        QTest::newRow("released where the focus went")
            << QStringList { "press s@box", "release s@button" } << false;
        QTest::newRow("auto-repeat keeps it down")
            << QStringList { "press s@box", "repeat s@box" } << true;
        QTest::newRow("another key") << QStringList { "press a@box" } << false;
        QTest::newRow("released elsewhere after the program lost the keyboard")
            << QStringList { "press s@box", "deactivate" } << false;
    }

    void sKey()
    {
        QFETCH(QStringList, steps);
        QFETCH(bool, down);
        platform::KeyTracker keys;
        QWidget window;
        auto* box = new QLineEdit(&window);
        auto* button = new QPushButton(&window);
        for (const QString& step : steps) {
            if (step == "deactivate") {
                QEvent deactivate(QEvent::ApplicationDeactivate);
                QCoreApplication::sendEvent(qApp, &deactivate);
                continue;
            }
            const QString action = step.section(' ', 0, 0);
            const QString key = step.section(' ', 1).section('@', 0, 0);
            QWidget* target = step.endsWith("@box") ? static_cast<QWidget*>(box) : button;
            const Qt::KeyboardModifiers mods
                = key.endsWith("+shift") ? Qt::ShiftModifier : Qt::NoModifier;
            const QString text = key.left(1);
            const int code = text.toUpper().at(0).unicode(); // Qt::Key_S for s and S
            if (action == "press") {
                QTest::keyPress(target, Qt::Key(code), mods);
            } else if (action == "release") {
                QTest::keyRelease(target, Qt::Key(code), mods);
            } else {
                QKeyEvent release(QEvent::KeyRelease, code, mods, text, true);
                QKeyEvent press(QEvent::KeyPress, code, mods, text, true);
                QCoreApplication::sendEvent(target, &release);
                QCoreApplication::sendEvent(target, &press);
            }
        }
        QCOMPARE(keys.isDown(Qt::Key_S), down);
    }
};

QTEST_MAIN(TestKeyTracker)
#include "tst_keytracker.moc"
