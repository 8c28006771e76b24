#include <QClipboard>
#include <QElapsedTimer>
#include <QFile>
#include <QLocale>
#include <QTimer>

#include "window/tests/form1_fixture.h"

namespace {

#ifdef __SANITIZE_ADDRESS__
// AddressSanitizer keeps freed memory in quarantine, so resident memory grows by design; its
// leak check at exit stands in.
constexpr bool kResidentMemoryMeansGrowth = false;
#else
constexpr bool kResidentMemoryMeansGrowth = true;
#endif

// Resident memory of this process in kilobytes.
long ResidentKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

}  // namespace

class RobustnessTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void pastedMegabyteIsATypeMismatchAndStaysInItsBox()
    {
        ShownForm shown;
        QVERIFY(shown.TypeEntries(kTenToEighty));
        const QString megabyte(1 << 20, QLatin1Char('7'));
        QLineEdit* box011 = shown.EntryBoxBeside("011");
        box011->selectAll();
        QApplication::clipboard()->setText(megabyte + QLatin1Char('x'));
        QTest::keyClick(box011, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(box011->text().size(), megabyte.size() + 1);

        shown.ClickRun();
        QCOMPARE(shown.reports, QStringList{"Type mismatch: the entry for 011 is not a number."});
        QCOMPARE(shown.Box("Text9(0)")->text(), QString());
        QCOMPARE(box011->text().size(), megabyte.size() + 1);
    }

    void eightHugeEntriesOverflowTheTotal()
    {
        ShownForm shown;
        QVERIFY(shown.TypeEntries(QStringList(8, QStringLiteral("1e38"))));
        shown.ClickRun();
        QCOMPARE(shown.reports,
                 QStringList{
                     "Overflow: the total of the entries is beyond the single-precision range."});
        QCOMPARE(shown.Box("Text9(0)")->text(), QString());
        QCOMPARE(shown.Box("Text10(1)")->text(), QString());
        QCOMPARE(shown.Box("Text11(1)")->text(), QString());
    }

    void manyRunsKeepTheWindowResponsiveAndMemoryFlat()
    {
        ShownForm shown;
        QStringList wordIn000 = kTenToEighty;
        wordIn000[0] = "word";
        const auto runBoth = [&] {
            QVERIFY(shown.TypeEntries(kTenToEighty));
            shown.ClickRun();
            QVERIFY(shown.TypeEntries(wordIn000));
            shown.ClickRun();
        };
        for (int i = 0; i < 200; ++i) runBoth();  // settle the allocators first
        const long before = ResidentKilobytes();
        QVERIFY(before > 0);
        for (int i = 0; i < 2000; ++i) runBoth();
        const long after = ResidentKilobytes();
        qInfo("resident memory: %ld kB, then %ld kB after 4000 more Runs", before, after);
        QVERIFY2(!kResidentMemoryMeansGrowth || after - before < 2048,
                 qPrintable(QStringLiteral("resident memory grew from %1 "
                                           "to %2 kB")
                                .arg(before)
                                .arg(after)));
        QCOMPARE(shown.reports.size(), 2200);
        QCOMPARE(shown.Box("Text11(1)")->text(), QStringLiteral("-0.27"));

        // Still responsive: a timer fires and a key reaches the focused box at once.
        bool fired = false;
        QTimer::singleShot(0, [&fired] { fired = true; });
        QElapsedTimer clock;
        clock.start();
        QTRY_VERIFY_WITH_TIMEOUT(fired, 1000);
        QVERIFY(clock.elapsed() < 1000);
        QLineEdit* box000 = shown.EntryBoxBeside("000");
        box000->setFocus();
        QTest::keyClick(box000, Qt::Key_End);
        QTest::keyClicks(box000, "5");
        QCOMPARE(box000->text(), QStringLiteral("word5"));
    }
};

QTEST_MAIN(RobustnessTest)
#include "robustness_test.moc"
