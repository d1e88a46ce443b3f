#include "common/CatalogueFile.h"
#include "common/CtlInProcess.h"
#include "common/Sanitizers.h"
#include "common/StandinStart.h"
#include "common/TestHome.h"
#include "common/ThreadWakeups.h"

#include "app/MousecfgWidget.h"
#include "cli/CtlCommands.h"
#include "device/DeviceCatalogue.h"
#include "device/DeviceContext.h"
#include "store/StoreContext.h"
#include "widgets/VornMessageBox.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QtTest>

// The window and the commands over the real hidapi backend and a stand-in
// hidapi library. Its mouse never speaks unless told to: the window's two
// readers must sleep while it is silent, hand on a report as soon as it
// comes, and end at once when the window goes. With its nodes closed to
// this user (no udev rule) every open fails with EACCES: the list, the
// commands and the window must say so, naming the node, the cause and the
// remedy, instead of treating the mouse as absent or silent.
namespace {
const QString kReaderThreads = QStringLiteral("VornHidReadThre"); // 15 characters kept
constexpr int kReaderPauseMs = 100;

quint8 activeRate()
{
    const ProfileStore &store = StoreContext::store();
    return store.profiles[store.curProfile % kProfileCount].pollrate;
}

// Spins the event loop until the active profile's report rate is rate;
// returns the milliseconds that took, or -1 after five seconds.
qint64 msUntilRate(quint8 rate, const QElapsedTimer &since)
{
    while (since.elapsed() < 5000) {
        if (activeRate() == rate)
            return since.elapsed();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
        QThread::usleep(200);
    }
    return -1;
}

QByteArray rateReport(quint8 rate)
{
    return QByteArray("\x08\x06", 2) + char(rate) + QByteArray(5, '\0');
}

// Ends the window: the milliseconds until its readers are gone.
qint64 msToEndTheReaders(std::unique_ptr<MousecfgWidget> window)
{
    QElapsedTimer clock;
    clock.start();
    window.reset();
    while (!threadWakeups(kReaderThreads).isEmpty() && clock.elapsed() < 5000)
        QThread::usleep(500);
    qInfo("readers ended %lld ms after the window began to close", qint64(clock.elapsed()));
    return clock.elapsed();
}

} // namespace

class TestStandinHid : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestHome> m_home;
    std::unique_ptr<StandinMouse> m_mouse;

    QString node(int index) const { return m_mouse->node(index); }

    static void closeTheNodes()
    {
        qputenv("KORVALEN_STANDIN_HID_DENY", "1");
        loadDeviceCatalogue();
    }

private slots:
    void init()
    {
        m_home = std::make_unique<TestHome>();
        qputenv("KORVALEN_GSETTINGS", "/bin/false");
        m_mouse = startWithStandinMouse(m_home->path() + QStringLiteral("/hid"));
        QVERIFY(m_mouse);
        VornMessageBox::setExecHook([](VornMessageBox *) { return 1; });
    }

    void cleanup()
    {
        qunsetenv("KORVALEN_STANDIN_HID_DENY");
        qunsetenv("KORVALEN_GSETTINGS");
        VornMessageBox::setExecHook(nullptr);
        DeviceContext::reset();
        StoreContext::reset();
        m_mouse.reset();
        m_home.reset();
    }

    void silentMouseLeavesTheReadersAsleep()
    {
        auto window = std::make_unique<MousecfgWidget>();
        QCOMPARE(window->connectedCount(), 1);
        QVERIFY(window->readersRunning());
        QTRY_COMPARE(threadWakeups(kReaderThreads).size(), 2);
        QTest::qWait(2 * kReaderPauseMs); // both past their first pause

        const long callsBefore = StandinMouse::readCalls();
        const auto before = threadWakeups(kReaderThreads);
        QTest::qWait(10000);
        const auto after = threadWakeups(kReaderThreads);
        const long calls = StandinMouse::readCalls() - callsBefore;
        const qint64 wakeups = wakeupsBetween(before, after);
        qInfo("10 s idle: %ld hidapi read calls, %lld reader wake-ups", calls, wakeups);
        QCOMPARE(after.size(), 2);
        QVERIFY2(calls + wakeups <= 20, "the readers poll a silent mouse");
        // Asleep in their reads, they end at once with the window (not after
        // a read's timeout).
        QVERIFY(msToEndTheReaders(std::move(window)) < 3 * kReaderPauseMs * kSanitizerSlowdown);
    }

    void reportsReachTheWindowWithinThePause()
    {
        auto window = std::make_unique<MousecfgWidget>();
        QVERIFY(window->readersRunning());
        QTRY_COMPARE(threadWakeups(kReaderThreads).size(), 2);
        QTest::qWait(3 * kReaderPauseMs); // blocked in their reads now

        // A report to a reader asleep in its read is handed on at once; one
        // right behind it waits out the reader's pause first.
        const quint8 firstRate = activeRate() == 3 ? 4 : 3;
        const quint8 secondRate = firstRate + 2;
        QElapsedTimer clock;
        clock.start();
        QVERIFY(m_mouse->queueReport(1, rateReport(firstRate)));
        const qint64 first = msUntilRate(firstRate, clock);
        clock.restart();
        QVERIFY(m_mouse->queueReport(1, rateReport(secondRate)));
        const qint64 second = msUntilRate(secondRate, clock);
        qInfo("report to slot: %lld ms asleep in the read, %lld ms right behind another", first,
              second);
        // A few pauses at most: room for a loaded machine, not for a reader
        // that sleeps through a report.
        const qint64 bound = 3 * kReaderPauseMs * kSanitizerSlowdown;
        QVERIFY2(first >= 0 && first <= bound, qPrintable(QString::number(first)));
        QVERIFY2(second >= 0 && second <= bound, qPrintable(QString::number(second)));
        // In the pause after a report, too.
        QVERIFY(msToEndTheReaders(std::move(window)) < bound);
    }

    void listMarksTheRowPresentWithoutAccess()
    {
        closeTheNodes();
        const CtlResult run = runInProcess(runList, {});
        QCOMPARE(run.status, int(CtlOk));
        const QStringList lines = run.out.split(QLatin1Char('\n'));
        const QString rowLine = lines.value(1);
        QVERIFY2(rowLine.contains(QLatin1String("NX-19")), qPrintable(run.out));
        QVERIFY2(rowLine.contains(QLatin1String("no access (permission denied)")),
                 qPrintable(rowLine));
        QVERIFY2(run.out.contains(QLatin1String("1 catalogue rows, 0 connected")),
                 qPrintable(run.out));
        QVERIFY2(run.err.contains(QLatin1String("70-korvalen-mice.rules")), qPrintable(run.err));

        // With access the same row is simply connected.
        qunsetenv("KORVALEN_STANDIN_HID_DENY");
        DeviceContext::catalogue() = DeviceCatalogue();
        loadDeviceCatalogue();
        const CtlResult granted = runInProcess(runList, {});
        QVERIFY2(granted.out.split(QLatin1Char('\n')).value(1).contains(QLatin1String("connected")),
                 qPrintable(granted.out));
        QVERIFY2(granted.err.isEmpty(), qPrintable(granted.err));
    }

    void commandsNameTheNodeTheCauseAndTheRemedy_data()
    {
        QTest::addColumn<int>("command");
        QTest::addRow("apply") << 0;
        QTest::addRow("switch") << 1;
        QTest::addRow("verify") << 2;
    }

    void commandsNameTheNodeTheCauseAndTheRemedy()
    {
        QFETCH(int, command);
        closeTheNodes();
        const CtlCommandFunction functions[] = {runApply, runSwitch, runVerify};
        const QStringList args = command == 1 ? QStringList{QStringLiteral("1")} : QStringList();
        const CtlResult run = runInProcess(functions[command], args);
        QCOMPARE(run.status, int(CtlNoMouse));
        QVERIFY2(run.err.contains(node(0)) || run.err.contains(node(1)), qPrintable(run.err));
        for (const char *part :
             {"permission denied", "udev rule", "unplug and plug the mouse again"})
            QVERIFY2(run.err.contains(QLatin1String(part)), qPrintable(run.err));
    }

    void windowExplainsOnceInAMessageBox()
    {
        closeTheNodes();
        QStringList shown;
        VornMessageBox::setExecHook([&shown](VornMessageBox *box) {
            QStringList texts;
            for (const QLabel *label : box->findChildren<QLabel *>())
                texts << label->text();
            shown << texts.join(QLatin1Char('\n'));
            return 1;
        });
        const long readsBefore = StandinMouse::readCalls();
        MousecfgWidget window;
        QTRY_COMPARE(shown.size(), 1);
        for (const QString &part : {node(0), QStringLiteral("permission denied"),
                                    QStringLiteral("70-korvalen-mice.rules")})
            QVERIFY2(shown.first().contains(part), qPrintable(shown.first()));
        QTest::qWait(100);
        QCOMPARE(shown.size(), 1);
        QCOMPARE(StandinMouse::readCalls(), readsBefore);
    }
};

QTEST_MAIN(TestStandinHid)
#include "tst_standinhid.moc"
