#include "common/CleanHome.h"
#include "common/CtlInProcess.h"
#include "common/FileSnapshot.h"
#include "common/MacroFiles.h"
#include "common/ReportLog.h"

#include "cli/CtlCommands.h"
#include "device/DeviceCatalogue.h"
#include "device/DeviceContext.h"
#include "device/hid/VirtualMouseBackend.h"
#include "store/DataFolder.h"
#include "store/ProductConfig.h"
#include "store/StoreContext.h"

#include <QRegularExpression>
#include <QtTest>

// korvalen-ctl apply of a store with macros while the mouse fails each
// feature report in turn, and while it is unplugged after each report in
// turn. Every run ends as the README says (status 3 and the failed step
// named; 0 when the mouse went away only after the last report), and no
// run changes a file.
class TestCtlFaults : public QObject
{
    Q_OBJECT

private:
    enum Fault { FailReport, UnplugAfterReport };

    std::unique_ptr<CleanHome> m_home;
    const QString m_model = "NX-19";

    // One apply in this process against a fresh mouse, without the
    // protocol's waits; `log` gets the reports when given.
    CtlResult apply(Fault fault, int n, QStringList *log = nullptr)
    {
        auto backend = std::make_unique<VirtualMouseBackend>(QStringList{m_model});
        VirtualMouseBackend *mice = backend.get();
        if (n > 0 && fault == FailReport)
            mice->failNthReport(m_model, n);
        if (n > 0 && fault == UnplugAfterReport)
            mice->unplugAfterReport(m_model, n);
        if (log)
            DeviceContext::installHid(std::make_unique<ReportLog>(std::move(backend), log), mice);
        else
            DeviceContext::installHid(std::move(backend), mice);
        DeviceContext::setProtocolDelayHook([](int) {});
        return runInProcess(runApply);
    }

    // Two buttons of two profiles play macros; one file has delays of
    // its own, the other none.
    void seedStoreWithMacros()
    {
        QVERIFY(seedDataFolder(QStringLiteral(KORVALEN_APP_DIR)));
        writeProductName(m_model);
        loadDeviceCatalogue();
        ProfileStore &store = StoreContext::store();
        QVERIFY(loadProductStore(store));
        ButtonInfo &burst = store.profiles[0].BUTTON_INFO[3];
        ButtonInfo &plain = store.profiles[2].BUTTON_INFO[4];
        burst.Fun = plain.Fun = 200;
        burst.macroname = "burst";
        plain.macroname = "plain";
        QVERIFY(saveStore(store));
        writeRawMacro("burst",
                      {{0x84, 0, 4}, {0x06, 0, 5}, {0x04, 0, 4}, {0x81, 0, 1}, {0x01, 0, 1}});
        writeRawMacro("plain", {{0x84, 0, 5}, {0x04, 0, 5}});
    }

private slots:
    void initTestCase()
    {
        // Some 500 runs of the protocol's debug lines would bury a failure.
        QLoggingCategory::setFilterRules("korvalen.*.debug=false");
        m_home = std::make_unique<CleanHome>();
        qputenv("KORVALEN_GSETTINGS", "/bin/true");
        seedStoreWithMacros();
    }

    void cleanupTestCase()
    {
        qunsetenv("KORVALEN_GSETTINGS");
        m_home.reset();
    }

    void everyReportFailsOrUnplugsInTurn()
    {
        const QMap<QString, QByteArray> files = fileSnapshot(m_home->dataFolder());
        QStringList log;
        const CtlResult clean = apply(FailReport, 0, &log);
        QCOMPARE(clean.status, int(CtlOk));
        const int reports = log.filter(QRegularExpression("^(set|get) ")).size();
        QVERIFY2(reports > 50, qPrintable(QString::number(reports)));
        QVERIFY(log.filter(" ERR").isEmpty());

        const QRegularExpression namedFailure("^korvalen-ctl: [^:]+: \\S",
                                              QRegularExpression::MultilineOption);
        int runs = 0;
        for (const Fault fault : {FailReport, UnplugAfterReport}) {
            for (int n = 1; n <= reports; ++n) {
                const CtlResult run = apply(fault, n);
                const QString what = QStringLiteral("%1 %2: %3")
                                         .arg(fault == FailReport ? "fail" : "unplug after")
                                         .arg(n)
                                         .arg(run.err);
                const bool allWent = fault == UnplugAfterReport && n == reports;
                QVERIFY2(run.status == (allWent ? int(CtlOk) : int(CtlReportFailed)),
                         qPrintable(what));
                QVERIFY2(allWent == !run.err.contains(namedFailure), qPrintable(what));
                QVERIFY2(fileSnapshot(m_home->dataFolder()) == files, qPrintable(what));
                ++runs;
            }
        }
        qInfo("%d runs of %d feature reports", runs, reports);

        // The same from outside: the variable of the simulated mice.
        const CtlResult process = runCtl(*m_home, {"--virtual", m_model, "apply"},
                                         {{"KORVALEN_VIRTUAL_MOUSE_UNPLUG", "12"}});
        QCOMPARE(process.status, int(CtlReportFailed));
        QVERIFY2(process.err.contains(namedFailure), qPrintable(process.err));
        QVERIFY(fileSnapshot(m_home->dataFolder()) == files);
    }
};

QTEST_GUILESS_MAIN(TestCtlFaults)
#include "tst_ctlfaults.moc"
