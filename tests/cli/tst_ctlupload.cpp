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

    static Run command(CtlCommandFunction function, const QStringList &args, bool terminal = false)
    {
        return runInProcess(function, args, terminal);
    }

    Run ctl(const QStringList &args, const QMap<QString, QString> &env = {})
    {
        return runCtl(*m_home, args, env);
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
        startInProcess({QStringLiteral("NX-19")});
        const Run apply = command(runApply, {}, true);
        QCOMPARE(apply.status, int(CtlOk));
        QCOMPARE(apply.err, QString());
        // One progress line per step.
        const QStringList lines = apply.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 1 + 17 + 1);
        QVERIFY(lines.at(1).contains(QLatin1String("mode")) &&
                lines.at(1).endsWith(QLatin1String("ok")));
        QVERIFY(lines.at(17).contains(QLatin1String("macros")));
        QVERIFY(QFile::exists(dataFolder() + QStringLiteral("/NX-19/Config.ini")));

        // NX-19 defaults: stages 19 39 79 159 399 on a 3399, report rate
        // code 2, lighting mode 3 in red (class 3: effect 2, variant 0,
        // speed 9 - 5, brightness 2), buttons 1 2 3 4 5 47, 52 and 53.
        const QString nx19 = QStringLiteral("NX-19");
        QCOMPARE(memory(nx19, 0x044, 29).toHex(),
                 QByteArray("011300130000012700270000014f004f0000019f009f0000018f018f01"));
        QCOMPARE(memory(nx19, 0x032, 10).toHex(), QByteArray("02000200020002000200"));
        QCOMPARE(memory(nx19, 0x449, 7).toHex(), QByteArray("ff000002040002"));
        QCOMPARE(memory(nx19, 0x082, 24).toHex(),
                 QByteArray("810000008200000083000000850000008400000088000000"));
        QCOMPARE(memory(nx19, 0x0DA, 8).toHex(), QByteArray("8b0000008c000000"));
        QCOMPARE(memory(nx19, 0x02A, 1).toHex(), QByteArray("02"));
        QCOMPARE(m_mice->modes(nx19).toHex(), QByteArray("00"));
        // Stage index (2, 16), lift-off (8), then all areas (4, 1, 2, 8, 16).
        QCOMPARE(m_mice->refreshes(nx19).toHex(), QByteArray("0210080401020810"));

        const Run verify = command(runVerify, {});
        QCOMPARE(verify.status, int(CtlOk));
        QVERIFY(verify.out.contains(QLatin1String("NX-19 holds what apply writes")));
    }

    void verifyListsEveryDifference()
    {
        startInProcess({QStringLiteral("NX-19")});
        QCOMPARE(command(runApply, {}).status, int(CtlOk));
        // The mouse's own report-rate button changes profile 1's rate.
        QVERIFY(m_mice->switchReportRate(QStringLiteral("NX-19"), 3));
        // And a stored value changes without an upload.
        QVERIFY(loadProductStore(StoreContext::store()));
        StoreContext::store().profiles[4].DPI_INFO[0].used = 0;
        QVERIFY(saveStore(StoreContext::store()));

        const Run verify = command(runVerify, {});
        QCOMPARE(verify.status, int(CtlReportFailed));
        const QStringList lines = verify.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 2);
        QVERIFY2(lines.contains(QStringLiteral("report rates at 0x0032: expected 02, read 03")),
                 qPrintable(verify.out));
        QVERIFY2(lines.contains(QStringLiteral("DPI stage 1 of profile 5 at 0x0314: expected 00, "
                                               "read 01")),
                 qPrintable(verify.out));
        QVERIFY(verify.err.contains(QLatin1String("differs from the stored profiles in 2 places")));
    }

    void dumpDecodesTheMemory()
    {
        startInProcess({QStringLiteral("NX-19")});
        QCOMPARE(command(runApply, {}).status, int(CtlOk));
        const Run dump = command(runDump, {});
        QCOMPARE(dump.status, int(CtlOk));
        QVERIFY(dump.out.startsWith(QLatin1String("NX-19 (catalogue row 18), sensor 3399")));
        QVERIFY(dump.out.contains(QLatin1String("current profile 1\n")));
        QVERIFY(dump.out.contains(QLatin1String("lift-off distance (0x02a): 02\n")));
        QVERIFY(dump.out.contains(QLatin1String("  report rate code 2, DPI stage 3\n")));
        QVERIFY2(dump.out.contains(QLatin1String(
                     "  stage 5: on  X 399 Y 399 (20000 x 20000 DPI) [01 8f 01 8f 01]")),
                 qPrintable(dump.out));
        QVERIFY(dump.out.contains(QLatin1String("  lighting mode 3, speed byte 4, brightness 2")));
        QVERIFY(dump.out.contains(QLatin1String("  button 5 at 0x096: 88 00 00 00 (function 47)")));
        QVERIFY(!dump.out.contains(QLatin1String("macro block")));
    }

    void switchMakesAProfileActive()
    {
        startInProcess({QStringLiteral("NX-19")});
        QCOMPARE(command(runApply, {}).status, int(CtlOk));
        const QByteArray before = m_mice->refreshes(QStringLiteral("NX-19"));
        const Run run = command(runSwitch, {QStringLiteral("4")});
        QCOMPARE(run.status, int(CtlOk));
        QCOMPARE(memory(QStringLiteral("NX-19"), 0x02C, 1).toHex(), QByteArray("03"));
        QCOMPARE(m_mice->refreshes(QStringLiteral("NX-19")).mid(before.size()).toHex(),
                 QByteArray("010401020810"));
        ProfileStore stored;
        QVERIFY(loadProductStore(stored));
        QCOMPARE(stored.curProfile, quint8(3));
    }

    // --mouse picks a catalogue row; the others are left alone.
    void mouseByRow()
    {
        startInProcess({QStringLiteral("NX-19"), QStringLiteral("NX-05")});
        const int row = DeviceContext::catalogue().indexOfName(QStringLiteral("NX-05"));
        QCOMPARE(command(runApply, {QStringLiteral("--mouse"), QString::number(row)}).status,
                 int(CtlOk));
        QCOMPARE(readProductName(), QStringLiteral("NX-05"));
        QCOMPARE(memory(QStringLiteral("NX-19"), 0x000, 0x100), QByteArray(0x100, '\0'));
        QVERIFY(memory(QStringLiteral("NX-05"), 0x044, 5) != QByteArray(5, '\0'));
        QCOMPARE(command(runVerify, {QStringLiteral("--mouse"), QString::number(row)}).status,
                 int(CtlOk));
        const int absent = DeviceContext::catalogue().indexOfName(QStringLiteral("NX-33"));
        const Run run = command(runDump, {QStringLiteral("--mouse"), QString::number(absent)});
        QCOMPARE(run.status, int(CtlNoMouse));
        QVERIFY(run.err.contains(QLatin1String("(NX-33) is not connected")));
    }

    void applyByTheProgramWithATrace()
    {
        const QString trace = m_home->path() + QStringLiteral("/t.txt");
        const Run run = ctl({QStringLiteral("--virtual"), QStringLiteral("NX-19"),
                             QStringLiteral("--trace"), trace, QStringLiteral("apply")});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.err, QString());
        const QStringList frames = tracedFeatureReports(trace);
        // 2 + 2 + 6 lighting + 2 + 1 + 7 + 25 + 2 + 1 + 40 buttons + 5.
        QCOMPARE(frames.size(), 93 - 1);
        QCOMPARE(frames.first(), QStringLiteral("02f50000000000000000000000000000"));
        QVERIFY(frames.contains(QStringLiteral("02f34400050000000113001300000000")));
        QVERIFY(frames.contains(QStringLiteral("02f3490407000000ff00000204000200")));
        QVERIFY(frames.contains(QStringLiteral("02f39600040000008800000000000000")));
        QCOMPARE(frames.last(), QStringLiteral("02f10210000000000000000000000000"));
        QVERIFY(!frames.join(QLatin1Char(',')).contains(QLatin1String("ERR")));
    }

    // The virtual mouse of the tool keeps its memory between runs, as a
    // real one does.
    void applyThenVerifyAsTwoRuns()
    {
        const QStringList virt = {QStringLiteral("--virtual"), QStringLiteral("NX-19")};
        const Run verifyBefore = ctl(virt + QStringList{QStringLiteral("verify")});
        QCOMPARE(verifyBefore.status, 3);
        QCOMPARE(ctl(virt + QStringList{QStringLiteral("apply")}).status, 0);
        const Run verify = ctl(virt + QStringList{QStringLiteral("verify")});
        QCOMPARE(verify.status, 0);
        QCOMPARE(verify.out.trimmed(),
                 QStringLiteral("NX-19 holds what apply writes for the stored profiles"));

        // A failed upload leaves the mouse short of what verify expects.
        const Run failed =
            ctl(virt + QStringList{QStringLiteral("switch"), QStringLiteral("2")},
                {{QStringLiteral("KORVALEN_VIRTUAL_MOUSE_FAIL"), QStringLiteral("1")}});
        QCOMPARE(failed.status, 3);
        QCOMPARE(failed.err.trimmed(),
                 QStringLiteral("korvalen-ctl: profile: a report to the mouse failed"));
        QCOMPARE(ctl(virt + QStringList{QStringLiteral("switch"), QStringLiteral("2")}).status, 0);
        const Run after = ctl(virt + QStringList{QStringLiteral("verify")});
        QCOMPARE(after.status, 0);
    }

    // A run works on the mouse it chose and never makes that the window's
    // current product; runs for two mice at once each send their own.
    void eachRunKeepsItsOwnMouse()
    {
        QVERIFY(seedDataFolder(QStringLiteral(KORVALEN_APP_DIR)));
        loadDeviceCatalogue();
        const QString nx19 = QStringLiteral("NX-19"), nx05 = QStringLiteral("NX-05");
        const QString rows[] = {QString::number(DeviceContext::catalogue().indexOfName(nx19)),
                                QString::number(DeviceContext::catalogue().indexOfName(nx05))};
        QSettings(globalConfigPath(), QSettings::IniFormat)
            .setValue(QStringLiteral("Config/CurrentProductName"), nx19);

        const QStringList both = {QStringLiteral("--virtual"), nx19 + QLatin1Char(',') + nx05};
        const auto trace = [this](int run, int mouse) {
            return m_home->path() + QStringLiteral("/trace-%1-%2.txt").arg(run).arg(mouse);
        };
        QStringList alone[2];
        for (int m = 0; m < 2; ++m) {
            QCOMPARE(
                ctl(both + QStringList{QStringLiteral("--trace"), trace(0, m),
                                       QStringLiteral("apply"), QStringLiteral("--mouse"), rows[m]})
                    .status,
                0);
            alone[m] = tracedFeatureReports(trace(0, m));
        }
        QVERIFY(alone[0] != alone[1]);
        for (int run = 1; run <= 3; ++run) {
            std::unique_ptr<QProcess> processes[2];
            for (int m = 0; m < 2; ++m) {
                processes[m] =
                    startCtl(*m_home, both + QStringList{QStringLiteral("--trace"), trace(run, m),
                                                         QStringLiteral("apply"),
                                                         QStringLiteral("--mouse"), rows[m]});
            }
            for (int m = 0; m < 2; ++m) {
                QCOMPARE(finishCtl(*processes[m]).status, 0);
                QCOMPARE(tracedFeatureReports(trace(run, m)), alone[m]);
            }
        }
        QCOMPARE(ctl({QStringLiteral("--virtual"), nx05, QStringLiteral("apply")}).status, 0);
        QCOMPARE(QSettings(globalConfigPath(), QSettings::IniFormat)
                     .value(QStringLiteral("Config/CurrentProductName"))
                     .toString(),
                 nx19);
    }

    // A desktop without a pointer-speed setting is warned about; the mouse
    // took everything, so the command succeeds.
    void pointerSpeedIsOnlyAWarning()
    {
        const Run run =
            ctl({QStringLiteral("--virtual"), QStringLiteral("NX-19"), QStringLiteral("apply")},
                {{QStringLiteral("KORVALEN_GSETTINGS"), QStringLiteral("/bin/false")}});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.err.trimmed(), QStringLiteral("korvalen-ctl: warning: pointer speed: the "
                                                   "desktop's pointer speed could not be set"));
    }

    void errors_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        QTest::addRow("apply without a mouse")
            << QStringList{QStringLiteral("apply")} << 1 << "no supported mouse is connected";
        QTest::addRow("verify without a mouse")
            << QStringList{QStringLiteral("verify")} << 1 << "no supported mouse is connected";
        QTest::addRow("switch without a profile")
            << QStringList{QStringLiteral("switch")} << 2 << "switch needs a profile number 1-5";
        QTest::addRow("switch 6") << QStringList{QStringLiteral("switch"), QStringLiteral("6")} << 2
                                  << "switch needs a profile number 1-5";
        QTest::addRow("switch with --mouse")
            << QStringList{QStringLiteral("switch"), QStringLiteral("2"), QStringLiteral("--mouse"),
                           QStringLiteral("1")}
            << 2 << "switch: unexpected argument --mouse";
        QTest::addRow("dump --mouse without a row")
            << QStringList{QStringLiteral("dump"), QStringLiteral("--mouse")} << 2
            << "--mouse needs a catalogue row";
        QTest::addRow("apply --mouse past the catalogue")
            << QStringList{QStringLiteral("apply"), QStringLiteral("--mouse"), QStringLiteral("59")}
            << 2 << "--mouse needs a catalogue row";
        QTest::addRow("verify with an extra argument")
            << QStringList{QStringLiteral("verify"), QStringLiteral("now")} << 2
            << "verify: unexpected argument now";
    }

    void errors()
    {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QString, message);
        const Run run = ctl(args);
        QCOMPARE(run.status, status);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
    }
};

QTEST_GUILESS_MAIN(TestCtlUpload)
#include "tst_ctlupload.moc"
