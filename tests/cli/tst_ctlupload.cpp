#include "common/CleanHome.h"
#include "common/CtlInProcess.h"

#include "cli/CtlCommands.h"
#include "device/DeviceCatalogue.h"
#include "device/DeviceContext.h"
#include "device/hid/VirtualMouseBackend.h"
#include "store/ConfigFile.h"
#include "store/DataFolder.h"
#include "store/ProductConfig.h"
#include "store/StoreContext.h"

#include <QProcess>
#include <QtTest>

// korvalen-ctl apply, switch, dump and verify: in this process over a
// virtual mouse (so that one mouse lives through several commands, as a
// real one does), and as the built program the way a user runs it.
class TestCtlUpload : public QObject
{
    Q_OBJECT

private:
    using Run = CtlResult;

    std::unique_ptr<CleanHome> m_home;
    VirtualMouseBackend *m_mice = nullptr;
    QList<int> m_delays;

    // The program's own start: the shipped Config.ini, its catalogue, and
    // virtual mice in place of hidapi. Delays are recorded, not waited.
    void startInProcess(const QStringList &mice)
    {
        QVERIFY(seedDataFolder(QStringLiteral(KORVALEN_APP_DIR)));
        loadDeviceCatalogue();
        m_mice = installVirtualMice(mice);
        DeviceContext::setProtocolDelayHook([this](int ms) { m_delays << ms; });
    }

    static Run command(CtlCommandFunction function, const QString &args = {}, bool terminal = false)
    {
        return runInProcess(function, words(args), terminal);
    }

    Run ctl(const QString &line, const QMap<QString, QString> &env = {})
    {
        return runCtl(*m_home, words(line), env);
    }

    QByteArray memory(const QString &model, int address, int length)
    {
        return m_mice->memory(model, address, length);
    }

private slots:
    void init()
    {
        m_home = std::make_unique<CleanHome>();
        m_delays.clear();
        // The pointer-speed step must never reach the desktop.
        qputenv("KORVALEN_GSETTINGS", "/bin/true");
    }
    void cleanup()
    {
        qunsetenv("KORVALEN_GSETTINGS");
        m_home.reset();
    }

    // A model met for the first time gets its defaults, uploads them, and
    // verify then finds them all on the mouse.
    void applyThenVerifyOnAFreshDataFolder()
    {
        startInProcess({"NX-19"});
        const Run apply = command(runApply, {}, true);
        QCOMPARE(apply.status, int(CtlOk));
        QCOMPARE(apply.err, QString());
        // One progress line per step.
        const QStringList lines = apply.out.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 1 + 17 + 1);
        QVERIFY(lines.at(1).contains("mode") && lines.at(1).endsWith("ok"));
        QVERIFY(lines.at(17).contains("macros"));
        QVERIFY(QFile::exists(dataFolder() + "/NX-19/Config.ini"));

        // The defaults are the store's (tst_productconfig), their bytes the
        // upload's (tst_applystore); verify finds them on the mouse. Refreshes:
        // stage index (2, 16), lift-off (8), then all areas (4, 1, 2, 8, 16).
        QCOMPARE(m_mice->refreshes("NX-19").toHex(), QByteArray("0210080401020810"));
        const Run verify = command(runVerify);
        QCOMPARE(verify.status, int(CtlOk));
        QVERIFY(verify.out.contains("NX-19 holds what apply writes"));
    }

    void verifyListsEveryDifference()
    {
        startInProcess({"NX-19"});
        QCOMPARE(command(runApply).status, int(CtlOk));
        // The mouse's own report-rate button changes profile 1's rate.
        QVERIFY(m_mice->switchReportRate("NX-19", 3));
        // And a stored value changes without an upload.
        QVERIFY(loadProductStore(StoreContext::store()));
        StoreContext::store().profiles[4].DPI_INFO[0].used = 0;
        QVERIFY(saveStore(StoreContext::store()));

        const Run verify = command(runVerify);
        QCOMPARE(verify.status, int(CtlReportFailed));
        const QStringList lines = verify.out.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 2);
        QVERIFY2(lines.contains("report rates at 0x0032: expected 02, read 03") &&
                     lines.contains("DPI stage 1 of profile 5 at 0x0314: expected 00, read 01"),
                 qPrintable(verify.out));
        QVERIFY(verify.err.contains("differs from the stored profiles in 2 places"));
    }

    void dumpDecodesTheMemory()
    {
        startInProcess({"NX-19"});
        QCOMPARE(command(runApply).status, int(CtlOk));
        const Run dump = command(runDump);
        QCOMPARE(dump.status, int(CtlOk));
        QVERIFY(dump.out.startsWith("NX-19 (catalogue row 18), sensor 3399"));
        for (const char *line : {"current profile 1\n", "lift-off distance (0x02a): 02\n",
                                 "  report rate code 2, DPI stage 3\n",
                                 "  stage 5: on  X 399 Y 399 (20000 x 20000 DPI) [01 8f 01 8f 01]",
                                 "  lighting mode 3, speed byte 4, brightness 2",
                                 "  button 5 at 0x096: 88 00 00 00 (function 47)"})
            QVERIFY2(dump.out.contains(line), line);
        QVERIFY(!dump.out.contains("macro block"));
    }

    void switchMakesAProfileActive()
    {
        startInProcess({"NX-19"});
        QCOMPARE(command(runApply).status, int(CtlOk));
        const QByteArray before = m_mice->refreshes("NX-19");
        QCOMPARE(command(runSwitch, "4").status, int(CtlOk));
        QCOMPARE(memory("NX-19", 0x02C, 1).toHex(), QByteArray("03"));
        QCOMPARE(m_mice->refreshes("NX-19").mid(before.size()).toHex(), QByteArray("010401020810"));
        ProfileStore stored;
        QVERIFY(loadProductStore(stored));
        QCOMPARE(stored.curProfile, quint8(3));
    }

    // --mouse picks a catalogue row; the others are left alone.
    void mouseByRow()
    {
        startInProcess({"NX-19", "NX-05"});
        const QString row =
            "--mouse " + QString::number(DeviceContext::catalogue().indexOfName("NX-05"));
        QCOMPARE(command(runApply, row).status, int(CtlOk));
        QCOMPARE(readProductName(), "NX-05");
        QCOMPARE(memory("NX-19", 0x000, 0x100), QByteArray(0x100, '\0'));
        QVERIFY(memory("NX-05", 0x044, 5) != QByteArray(5, '\0'));
        QCOMPARE(command(runVerify, row).status, int(CtlOk));
        const int absent = DeviceContext::catalogue().indexOfName("NX-33");
        const Run run = command(runDump, "--mouse " + QString::number(absent));
        QCOMPARE(run.status, int(CtlNoMouse));
        QVERIFY(run.err.contains("(NX-33) is not connected"));
    }

    // The virtual mouse of the tool keeps its memory between runs, as a
    // real one does.
    void applyThenVerifyAsTwoRuns()
    {
        QCOMPARE(ctl("--virtual NX-19 verify").status, 3);
        QCOMPARE(ctl("--virtual NX-19 apply").status, 0);
        const Run verify = ctl("--virtual NX-19 verify");
        QCOMPARE(verify.status, 0);
        QCOMPARE(verify.out.trimmed(), "NX-19 holds what apply writes for the stored profiles");

        // A failed upload leaves the mouse short of what verify expects.
        const Run failed = ctl("--virtual NX-19 switch 2", {{"KORVALEN_VIRTUAL_MOUSE_FAIL", "1"}});
        QCOMPARE(failed.status, 3);
        QCOMPARE(failed.err.trimmed(), "korvalen-ctl: profile: a report to the mouse failed");
        QCOMPARE(ctl("--virtual NX-19 switch 2").status, 0);
        QCOMPARE(ctl("--virtual NX-19 verify").status, 0);
    }

    // A run works on the mouse it chose and never makes that the window's
    // current product; runs for two mice at once each send their own.
    void eachRunKeepsItsOwnMouse()
    {
        QVERIFY(seedDataFolder(QStringLiteral(KORVALEN_APP_DIR)));
        loadDeviceCatalogue();
        QSettings(globalConfigPath(), QSettings::IniFormat)
            .setValue("Config/CurrentProductName", "NX-19");
        const auto trace = [this](int run, int mouse) {
            return m_home->path() + QStringLiteral("/trace-%1-%2.txt").arg(run).arg(mouse);
        };
        const auto args = [&trace](int run, int mouse) {
            const QString row =
                QString::number(DeviceContext::catalogue().indexOfName(mouse ? "NX-05" : "NX-19"));
            return words("--virtual NX-19,NX-05 --trace " + trace(run, mouse) + " apply --mouse " +
                         row);
        };
        QStringList alone[2];
        for (int m = 0; m < 2; ++m) {
            QCOMPARE(runCtl(*m_home, args(0, m)).status, 0);
            alone[m] = tracedFeatureReports(trace(0, m));
        }
        QVERIFY(alone[0] != alone[1]);
        for (int run = 1; run <= 3; ++run) {
            std::unique_ptr<QProcess> processes[2] = {startCtl(*m_home, args(run, 0)),
                                                      startCtl(*m_home, args(run, 1))};
            for (int m = 0; m < 2; ++m) {
                QCOMPARE(finishCtl(*processes[m]).status, 0);
                QCOMPARE(tracedFeatureReports(trace(run, m)), alone[m]);
            }
        }
        QCOMPARE(ctl("--virtual NX-05 apply").status, 0);
        QCOMPARE(QSettings(globalConfigPath(), QSettings::IniFormat)
                     .value("Config/CurrentProductName")
                     .toString(),
                 "NX-19");
    }

    // A desktop without a pointer-speed setting is warned about; the mouse
    // took everything, so the command succeeds.
    void pointerSpeedIsOnlyAWarning()
    {
        const Run run = ctl("--virtual NX-19 apply", {{"KORVALEN_GSETTINGS", "/bin/false"}});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.err.trimmed(), "korvalen-ctl: warning: pointer speed: the desktop's pointer "
                                    "speed could not be set");
    }
};

QTEST_GUILESS_MAIN(TestCtlUpload)
#include "tst_ctlupload.moc"
