#include <QTimer>
#include <QWindow>

#include "window/tests/form1_fixture.h"

class EndTest : public QObject {
    Q_OBJECT

private slots:
    void quitAndClosingEndTheProgram_data()
    {
        QTest::addColumn<bool>("byQuit");
        QTest::newRow("Quit") << true;
        QTest::newRow("closing the window") << false;
    }
    void quitAndClosingEndTheProgram()
    {
        QFETCH(bool, byQuit);
        ShownForm shown;
        QVERIFY(shown.ready);
        // Whatever the boxes hold, nothing is asked.
        QVERIFY(shown.TypeEntries({"1", "2", "3", "4", "5", "6", "7", "word"}));
        QTimer::singleShot(0, [&] {
            if (byQuit) {
                QTest::mouseClick(shown.Find<QPushButton>("Command2"), Qt::LeftButton);
            } else {
                shown.form->windowHandle()->close();  // as the frame's close box does
            }
        });
        // A program that does not end would leave the loop running; this ends it as a failure.
        QTimer watchdog;
        watchdog.setSingleShot(true);
        QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(99); });
        watchdog.start(5000);
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(!shown.form->isVisible());
        QVERIFY(shown.reports.isEmpty());
    }
};

QTEST_MAIN(EndTest)
#include "end_test.moc"
