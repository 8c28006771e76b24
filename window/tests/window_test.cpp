#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "window/tests/form1_fixture.h"

namespace {

const QStringList kFocusRing = {"Text8",    "Text7",     "Text6",    "Text1",    "Text5",
                                "Text3",    "Text2",     "Text4",    "Command1", "Text9(0)",
                                "Command2", "Text10(1)", "Text11(1)"};

}  // namespace

class WindowTest : public QObject {
    Q_OBJECT

private slots:
    void startsWithEmptyBoxesAndFocusInCell000()
    {
        ShownForm shown;
        QVERIFY(shown.ready);
        QCOMPARE(shown.form->windowTitle(),
                 QStringLiteral("The Triple Helix of university-industry relations "));
        const auto boxes = shown.form->findChildren<QLineEdit*>();
        QCOMPARE(boxes.size(), 11);
        for (const QLineEdit* box : boxes)
            QVERIFY2(box->text().isEmpty(), qPrintable(box->objectName()));
        QCOMPARE(QApplication::focusWidget(), shown.EntryBoxBeside("000"));
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Text8"));
    }

    void boxesHaveSpokenNames_data()
    {
        QTest::addColumn<QString>("cellCode");  // empty for a result box
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("accessibleName");
        for (const char* code : {"000", "001", "010", "011", "100", "101", "110", "111"}) {
            QTest::newRow(code) << QString(code) << QString() << QStringLiteral("Cell ") + code;
        }
        QTest::newRow("T") << QString() << "Text9(0)"
                           << "T in millibits";
        QTest::newRow("I") << QString() << "Text10(1)"
                           << "I in millibits";
        QTest::newRow("R") << QString() << "Text11(1)"
                           << "R in millibits";
    }
    void boxesHaveSpokenNames()
    {
        QFETCH(QString, cellCode);
        QFETCH(QString, box);
        QFETCH(QString, accessibleName);
        ShownForm shown;
        const QLineEdit* found =
            cellCode.isEmpty() ? shown.Box(qPrintable(box)) : shown.EntryBoxBeside(cellCode);
        QVERIFY(found != nullptr);
        QCOMPARE(found->accessibleName(), accessibleName);
    }

    void boxesTakeLongTextCentred()
    {
        ShownForm shown;
        QLineEdit* box = shown.Box("Text4");
        QVERIFY(box->alignment() & Qt::AlignHCenter);
        const QString longText(40000, '7');
        box->setText(longText);
        QCOMPARE(box->text().size(), longText.size());
    }

    // A label too small for its text would cut it; each must show all of it.
    void labelsShowTheirWholeText()
    {
        ShownForm shown;
        const auto labels = shown.form->findChildren<QLabel*>();
        QCOMPARE(labels.size(), 14);  // the picture and thirteen texts
        for (const QLabel* label : labels) {
            QCOMPARE(label->focusPolicy(), Qt::NoFocus);
            if (label->text().isEmpty()) continue;
            const QRect needed =
                label->fontMetrics().boundingRect(QRect(0, 0, label->width(), 10000),
                                                  Qt::AlignLeft | Qt::TextWordWrap, label->text());
            QVERIFY2(needed.width() <= label->width() && needed.height() <= label->height(),
                     qPrintable(label->objectName()));
        }
    }

    // Run under several scale factors too: the picture keeps its own pixels, never scaled.
    void pictureShowsAtItsOwnPixelSize()
    {
        ShownForm shown;
        QVERIFY(shown.ready);
        auto* image = shown.Find<QLabel>("Image1");
        QVERIFY(image != nullptr);
        QCOMPARE(image->focusPolicy(), Qt::NoFocus);
        const QImage picture = QImage(":/window/helix.png").convertToFormat(QImage::Format_RGB32);
        QCOMPARE(picture.size(), QSize(112, 155));
        QImage shownPixels = image->grab().toImage().convertToFormat(QImage::Format_RGB32);
        shownPixels.setDevicePixelRatio(1);  // compare device pixels with the picture's pixels
        QCOMPARE(shownPixels.copy(0, 0, 112, 155), picture);
        // No more than the rounding of the control's size is left around the picture.
        const double ratio = shown.form->devicePixelRatioF();
        QVERIFY(shownPixels.width() < 112 + ratio && shownPixels.height() < 155 + ratio);
    }

    void tabGoesRoundTheRing_data()
    {
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<QStringList>("order");  // the focus after each key, from Text8
        QStringList forward = kFocusRing.mid(1) << kFocusRing.first();
        QStringList backward;
        for (auto it = kFocusRing.rbegin(); it != kFocusRing.rend(); ++it) backward << *it;
        QTest::newRow("Tab") << Qt::KeyboardModifiers() << forward;
        QTest::newRow("Shift+Tab") << Qt::KeyboardModifiers(Qt::ShiftModifier) << backward;
    }
    void tabGoesRoundTheRing()
    {
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(QStringList, order);
        ShownForm shown;
        QVERIFY(shown.ready);
        QStringList visited;
        for (int step = 0; step < order.size(); ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, modifiers);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited, order);
    }

    void enterAndEscapePressNoButton_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("key");
        for (const char* focus : {"Text8", "Text11(1)"}) {
            QTest::addRow("Enter in %s", focus) << QString(focus) << int(Qt::Key_Return);
            QTest::addRow("keypad Enter in %s", focus) << QString(focus) << int(Qt::Key_Enter);
            QTest::addRow("Escape in %s", focus) << QString(focus) << int(Qt::Key_Escape);
        }
    }
    void enterAndEscapePressNoButton()
    {
        QFETCH(QString, focus);
        QFETCH(int, key);
        ShownForm shown;
        QVERIFY(shown.ready);
        QSignalSpy runs(shown.Find<QPushButton>("Command1"), &QPushButton::clicked);
        QSignalSpy quits(shown.Find<QPushButton>("Command2"), &QPushButton::clicked);
        QLineEdit* box = shown.Box(qPrintable(focus));
        box->setFocus();
        QTest::keyClick(box, Qt::Key(key));
        QCOMPARE(runs.count(), 0);
        QCOMPARE(quits.count(), 0);
        QVERIFY(shown.reports.isEmpty());
        QVERIFY(shown.form->isVisible());
        QCOMPARE(QApplication::focusWidget(), box);
    }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
