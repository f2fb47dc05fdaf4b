#include "platform/keytracker.h"
#include "platform/qtmessageboxes.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

using platform::MessageIcon;

// The real key state and message boxes, as the picker and the window meet them.
class TestPlatformWidgets : public QObject {
    Q_OBJECT
private slots:
    // Steps on S: "press" in a text box, "release" on another widget, "repeat"
    // (X11's auto-repeat release, before its press), "deactivate" (another
    // program took the keyboard), "other" (A pressed).
    void sKey_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<bool>("down");
        QTest::newRow("pressed in a text box") << QStringList { "press" } << true;
        QTest::newRow("between auto-repeats") << QStringList { "press", "repeat" } << true;
        QTest::newRow("released where the focus went")
            << QStringList { "press", "release" } << false;
        QTest::newRow("the program lost the keyboard")
            << QStringList { "press", "deactivate" } << false;
        QTest::newRow("another key") << QStringList { "other" } << false;
    }

    void sKey()
    {
        QFETCH(QStringList, steps);
        platform::KeyTracker keys;
        QLineEdit box;
        QWidget elsewhere;
        for (const QString& step : steps) {
            if (step == "deactivate") {
                QEvent deactivate(QEvent::ApplicationDeactivate);
                QCoreApplication::sendEvent(qApp, &deactivate);
            } else if (step == "repeat") {
                QKeyEvent release(QEvent::KeyRelease, Qt::Key_S, Qt::NoModifier, "s", true);
                QCoreApplication::sendEvent(&box, &release);
            } else if (step == "release") {
                QTest::keyRelease(&elsewhere, Qt::Key_S);
            } else {
                QTest::keyPress(&box, step == "other" ? Qt::Key_A : Qt::Key_S);
            }
        }
        QTEST(keys.isDown(Qt::Key_S), "down");
    }

    void messageBox_data()
    {
        QTest::addColumn<MessageIcon>("icon");
        QTest::addColumn<QMessageBox::Icon>("shown");
        QTest::newRow("critical") << MessageIcon::Critical << QMessageBox::Critical;
        QTest::newRow("exclamation") << MessageIcon::Exclamation << QMessageBox::Warning;
        QTest::newRow("information") << MessageIcon::Information << QMessageBox::Information;
    }

    void messageBox()
    {
        QFETCH(MessageIcon, icon);
        QMessageBox::Icon seen = QMessageBox::NoIcon;
        QString words;
        QTimer::singleShot(0, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                seen = box->icon();
                words = box->windowTitle() + ": " + box->text();
                box->accept();
            }
        });
        platform::QtMessageBoxes().show(nullptr, icon, "Warning", "Locked.");
        QTEST(seen, "shown");
        QCOMPARE(words, "Warning: Locked.");
    }
};

QTEST_MAIN(TestPlatformWidgets)
#include "tst_platform_widgets.moc"
