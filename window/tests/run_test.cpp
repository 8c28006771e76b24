#include <QLocale>
#include <QMessageBox>
#include <QTimer>

#include "window/tests/form1_fixture.h"

namespace {

QStringList Results(const ShownForm& shown)
{
    return {shown.Box("Text9(0)")->text(), shown.Box("Text10(1)")->text(),
            shown.Box("Text11(1)")->text()};
}

QStringList EntryTexts(const ShownForm& shown)
{
    QStringList texts;
    for (int cell = 0; cell < 8; ++cell) {
        texts << shown.EntryBoxBeside(QString::number(cell, 2).rightJustified(3, '0'))->text();
    }
    return texts;
}

// Types into the result boxes as a user may; a Run never reads them.
void TypeIntoResultBoxes(const ShownForm& shown, const QStringList& texts)
{
    const char* names[] = {"Text9(0)", "Text10(1)", "Text11(1)"};
    for (int i = 0; i < 3; ++i) QTest::keyClicks(shown.Box(names[i]), texts[i]);
}

}  // namespace

class RunTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void runShowsTheThreeResults_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QStringList>("entries");  // cells 000 to 111
        QTest::addColumn<QStringList>("results");  // T, I, R
        const QLocale english(QLocale::English, QLocale::UnitedStates);
        const QLocale german(QLocale::German, QLocale::Germany);
        QTest::newRow("10 to 80") << english << kTenToEighty
                                  << QStringList{"-1.22", "0.95", "-0.27"};
        QTest::newRow("10 to 80, comma locale")
            << german << kTenToEighty << QStringList{"-1,22", "0,95", "-0,27"};
        // 2.5 against 5 gives T = H(1/3) bits; 25 against 5 would give H(1/6).
        QTest::newRow("2.5 and 5") << english << QStringList{"2.5", "", "", "", "", "", "", "5"}
                                   << QStringList{"918.3", "0", "918.3"};
        QTest::newRow("2,5 and 5, comma locale")
            << german << QStringList{"2,5", "", "", "", "", "", "", "5"}
            << QStringList{"918,3", "0", "918,3"};
        QTest::newRow("spaces and blanks")
            << english << QStringList{" 1 ", "   ", "", "", "", "", "", "1  "}
            << QStringList{"1000", "0", "1000"};
    }
    void runShowsTheThreeResults()
    {
        QFETCH(QLocale, locale);
        QFETCH(QStringList, entries);
        QFETCH(QStringList, results);
        QLocale::setDefault(locale);
        ShownForm shown;
        QVERIFY(shown.TypeEntries(entries));
        TypeIntoResultBoxes(shown, {"typed", "by", "hand"});
        shown.ClickRun();
        QCOMPARE(shown.reports, QStringList());
        QCOMPARE(Results(shown), results);
        QCOMPARE(EntryTexts(shown), entries);
    }

    void failedRunIsReportedAndTheWindowGoesOn_data()
    {
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QStringList>("results");  // T, I and R while the report is shown
        const QStringList typed = {"typed", "by", "hand"};
        QStringList wordIn100 = kTenToEighty;
        wordIn100[4] = "fifty";
        QTest::newRow("word in 100")
            << wordIn100 << "Type mismatch: the entry for 100 is not a number." << typed;
        QTest::newRow("all empty") << QStringList(8, QString())
                                   << "Division by zero: the entries add up to zero." << typed;
        // The fit of this table keeps changing: T is shown, I and R are not reached.
        QTest::newRow("fit never converges")
            << QStringList{"1", "-3", "-7", "-6", "-8", "-2", "-7", "6"}
            << "The fit did not converge in 10000000 passes."
            << QStringList{"940.34", "by", "hand"};
    }
    void failedRunIsReportedAndTheWindowGoesOn()
    {
        QFETCH(QStringList, entries);
        QFETCH(QString, message);
        QFETCH(QStringList, results);
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        ShownForm shown;
        QVERIFY(shown.TypeEntries(entries));
        TypeIntoResultBoxes(shown, {"typed", "by", "hand"});

        shown.ClickRun();
        QCOMPARE(shown.reports, QStringList{message});
        QCOMPARE(shown.reportWindows.value(0), shown.form.get());
        QCOMPARE(Results(shown), results);
        QCOMPARE(EntryTexts(shown), entries);

        // The window is still there and the next Run works from the corrected entries.
        QVERIFY(shown.form->isVisible());
        QVERIFY(shown.TypeEntries(kTenToEighty));
        shown.ClickRun();
        QCOMPARE(shown.reports.size(), 1);
        QCOMPARE(Results(shown), (QStringList{"-1.22", "0.95", "-0.27"}));
    }

    // The one test of the real report: a modal message box, closed here by a timer.
    void defaultReportIsAModalMessageBox()
    {
        Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QString shownText;
        bool modal = false;
        QTimer closer;
        closer.setInterval(20);
        QObject::connect(&closer, &QTimer::timeout, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                shownText = box->text();
                modal = box->isModal();
                box->done(QMessageBox::Ok);
            }
        });
        closer.start();
        QTest::mouseClick(form.findChild<QPushButton*>("Command1"), Qt::LeftButton);
        closer.stop();
        QCOMPARE(shownText, QStringLiteral("Division by zero: the entries add up to zero."));
        QVERIFY(modal);
        QVERIFY(form.isVisible());
    }
};

QTEST_MAIN(RunTest)
#include "run_test.moc"
