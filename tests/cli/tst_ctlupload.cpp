#include "common/CleanHome.h"
#include "common/CtlInProcess.h"
#include "common/FileBytes.h"
#include "common/FileSnapshot.h"
#include "common/MacroFiles.h"
#include "common/MessageLog.h"
#include "common/ReportLog.h"

#include "cli/CtlCommands.h"
#include "device/DeviceCatalogue.h"
#include "device/DeviceContext.h"
#include "device/hid/VirtualMouseBackend.h"
#include "store/ConfigFile.h"
#include "store/DataFolder.h"
#include "store/ProductConfig.h"
#include "store/StoreContext.h"

#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

// korvalen-ctl apply, switch, dump and verify: in this process over a
// virtual mouse (so that one mouse lives through several commands, as a
// real one does), and as the built program the way a user runs it. And
// when things go wrong: stored files that hold nonsense (whatever the mouse
// has no code for, or a file that holds nothing, is refused before the
// first report; a stale macro block is left out and the rest goes up), and
// a mouse that fails or goes away in the middle.
class TestCtlUpload : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<CleanHome> m_home;
    VirtualMouseBackend *m_mice = nullptr;
    QList<int> m_delays;
    const QString m_model = "NX-19";

    // The program's own start: the shipped Config.ini, its catalogue, and
    // virtual mice in place of hidapi. Delays are recorded, not waited.
    void startInProcess(const QStringList &mice)
    {
        QVERIFY(seedDataFolder(QStringLiteral(KORVALEN_APP_DIR)));
        loadDeviceCatalogue();
        m_mice = installVirtualMice(mice);
        DeviceContext::setProtocolDelayHook([this](int ms) { m_delays << ms; });
    }

    static CtlResult command(CtlCommandFunction function, const QString &args = {},
                             bool terminal = false)
    {
        return runInProcess(function, words(args), terminal);
    }

    CtlResult ctl(const QString &line, const QMap<QString, QString> &env = {})
    {
        return runCtl(*m_home, words(line), env);
    }

    QString configFile() const { return m_home->productFolder(m_model) + "/Config.ini"; }
    QString profileFile(int number) const
    {
        const QString name = QSettings(configFile(), QSettings::IniFormat)
                                 .value(QStringLiteral("Config/Profile%1").arg(number))
                                 .toString();
        return m_home->productFolder(m_model) + "/Profile/" + name + ".prof";
    }

    // Only reads go to the mouse, and the model's files are written from
    // its defaults.
    void seedWithoutSending()
    {
        startInProcess({m_model});
        QCOMPARE(command(runVerify).status, int(CtlReportFailed));
        QVERIFY(QFile::exists(profileFile(1)));
    }

    static void setKey(const QString &file, const QString &key, const QString &value)
    {
        QSettings(file, QSettings::IniFormat).setValue(key, value);
    }

    void expectNothingSent()
    {
        QCOMPARE(m_mice->memory(m_model, 0, 0x2000), QByteArray(0x2000, '\0'));
        QVERIFY(m_mice->modes(m_model).isEmpty());
        QVERIFY(m_mice->refreshes(m_model).isEmpty());
    }

    void expectNothingOutsideTheDataFolder()
    {
        for (const QString &path : fileSnapshot(m_home->path()).keys())
            QVERIFY2(path.startsWith(m_home->dataFolder() + '/'), qPrintable(path));
    }

    enum Fault { FailReport, UnplugAfterReport };

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
    }

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

    // A model met for the first time gets its defaults and uploads them,
    // and dump decodes them; that verify then finds them is
    // applyThenVerifyAsTwoRuns', here it lists what changed since.
    void applyThenVerifyOnAFreshDataFolder()
    {
        startInProcess({"NX-19"});
        const CtlResult apply = command(runApply, {}, true);
        QCOMPARE(apply.status, int(CtlOk));
        QCOMPARE(apply.err, QString());
        // One progress line per step.
        const QStringList lines = apply.out.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 1 + 17 + 1);
        QVERIFY(lines.at(1).contains("mode") && lines.at(1).endsWith("ok"));
        QVERIFY(lines.at(17).contains("macros"));
        QVERIFY(QFile::exists(dataFolder() + "/NX-19/Config.ini"));

        // The defaults are the store's (tst_productconfig), their bytes the
        // upload's (tst_applystore). Refreshes: stage index (2, 16),
        // lift-off (8), then all areas (4, 1, 2, 8, 16).
        QCOMPARE(m_mice->refreshes("NX-19").toHex(), QByteArray("0210080401020810"));

        const CtlResult dump = command(runDump);
        QCOMPARE(dump.status, int(CtlOk));
        QVERIFY(dump.out.startsWith("NX-19 (catalogue row 18), sensor 3399"));
        for (const char *line : {"current profile 1\n", "lift-off distance (0x02a): 02\n",
                                 "  report rate code 2, DPI stage 3\n",
                                 "  stage 5: on  X 399 Y 399 (20000 x 20000 DPI) [01 8f 01 8f 01]",
                                 "  lighting mode 3, speed byte 4, brightness 2",
                                 "  button 5 at 0x096: 88 00 00 00 (function 47)"})
            QVERIFY2(dump.out.contains(line), line);
        QVERIFY(!dump.out.contains("macro block"));

        // The mouse's own report-rate button changes profile 1's rate.
        QVERIFY(m_mice->switchReportRate("NX-19", 3));
        // And a stored value changes without an upload.
        QVERIFY(loadProductStore(StoreContext::store()));
        StoreContext::store().profiles[4].DPI_INFO[0].used = 0;
        QVERIFY(saveStore(StoreContext::store()));

        const CtlResult verify = command(runVerify);
        QCOMPARE(verify.status, int(CtlReportFailed));
        const QStringList differences = verify.out.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(differences.size(), 2);
        QVERIFY2(
            differences.contains("report rates at 0x0032: expected 02, read 03") &&
                differences.contains("DPI stage 1 of profile 5 at 0x0314: expected 00, read 01"),
            qPrintable(verify.out));
        QVERIFY(verify.err.contains("differs from the stored profiles in 2 places"));

        // The mouse holds its profiles already; a switch sends only the
        // index, so nonsense in another profile's file does not stop it.
        setKey(profileFile(5), "PROFILE/pollrate", "999");
        QVERIFY(writeFileBytes(profileFile(3), QByteArray()));
        const QByteArray before = m_mice->refreshes("NX-19");
        QCOMPARE(command(runSwitch, "4").status, int(CtlOk));
        QCOMPARE(m_mice->memory("NX-19", 0x02C, 1).toHex(), QByteArray("03"));
        QCOMPARE(m_mice->refreshes("NX-19").mid(before.size()).toHex(), QByteArray("010401020810"));
        ProfileStore stored;
        QVERIFY(loadProductStore(stored));
        QCOMPARE(stored.curProfile, quint8(3));
        expectNothingOutsideTheDataFolder();
    }

    // --mouse picks a catalogue row; the others are left alone.
    void mouseByRow()
    {
        startInProcess({"NX-19", "NX-05"});
        const QString row =
            "--mouse " + QString::number(DeviceContext::catalogue().indexOfName("NX-05"));
        QCOMPARE(command(runApply, row).status, int(CtlOk));
        QCOMPARE(readProductName(), "NX-05");
        QCOMPARE(m_mice->memory("NX-19", 0x000, 0x100), QByteArray(0x100, '\0'));
        QVERIFY(m_mice->memory("NX-05", 0x044, 5) != QByteArray(5, '\0'));
        QCOMPARE(command(runVerify, row).status, int(CtlOk));
        const int absent = DeviceContext::catalogue().indexOfName("NX-33");
        const CtlResult run = command(runDump, "--mouse " + QString::number(absent));
        QCOMPARE(run.status, int(CtlNoMouse));
        QVERIFY(run.err.contains("(NX-33) is not connected"));
    }

    // The virtual mouse of the tool keeps its memory between runs, as a
    // real one does.
    void applyThenVerifyAsTwoRuns()
    {
        QCOMPARE(ctl("--virtual NX-19 verify").status, 3);
        // A desktop without a pointer-speed setting is warned about; the
        // mouse took everything, so the command succeeds.
        const CtlResult apply =
            ctl("--virtual NX-19 apply", {{"KORVALEN_GSETTINGS", "/bin/false"}});
        QCOMPARE(apply.status, 0);
        QCOMPARE(apply.err.trimmed(), "korvalen-ctl: warning: pointer speed: the desktop's pointer "
                                      "speed could not be set");
        const CtlResult verify = ctl("--virtual NX-19 verify");
        QCOMPARE(verify.status, 0);
        QCOMPARE(verify.out.trimmed(), "NX-19 holds what apply writes for the stored profiles");

        // A failed upload leaves the mouse short of what verify expects.
        const CtlResult failed =
            ctl("--virtual NX-19 switch 2", {{"KORVALEN_VIRTUAL_MOUSE_FAIL", "1"}});
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

    // What a refused command names as left undone.
    static QString outcome(const QString &command)
    {
        return command == "verify" ? "nothing was compared with" : "nothing was sent to";
    }
    CtlResult runNamed(const QString &command)
    {
        if (command == "verify")
            return this->command(runVerify);
        if (command.startsWith("switch "))
            return this->command(runSwitch, {command.mid(7)});
        return this->command(runApply);
    }

    // A code the mouse has no meaning for, or a file that holds nothing:
    // refused before the first report, and no file changes.
    void refusedBeforeAnyReport_data()
    {
        QTest::addColumn<int>("file");         // 0 Config.ini, n profile n
        QTest::addColumn<QString>("key");      // empty: the whole file is `value`
        QTest::addColumn<QByteArray>("value"); // null for the whole file: removed
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("command");
        // {row, file, key, value, values allowed (none: not checked), command}
        struct Row
        {
            const char *name;
            int file;
            const char *key;
            const char *value;
            const char *allowed;
            const char *command;
        };
        // clang-format off
        const Row rows[] = {
            {"report rate 999", 1, "pollrate", "999", "1 (1000 Hz), 2 (500 Hz)", "apply"},
            {"report rate cut to 3", 3, "pollrate", "259", nullptr, "apply"},
            {"profile index 200", 0, "Config/ProfileID", "200", "0-4", "apply"},
            {"lift-off 300", 0, "Config/LiftHigh", "300", "0 (3 mm), 1 (2 mm), 2 (1 mm)", "apply"},
            {"lighting mode 9", 5, "LedMode", "9", "0-8", "apply"},
            {"DPI stage 5 of 5", 2, "dpi", "5", nullptr, "apply"},
            {"brightness 0 of an idle mode", 1, "LedMode/LED_MODE_4_bright", "0", "1-3", "apply"},
            {"brightness 4", 3, "LedMode/LED_MODE_3_bright", "4", nullptr, "apply"},
            // 9 would go up as speed 0, 0 as speed 9: neither is a level.
            {"speed 9", 4, "LedMode/LED_MODE_3_breath", "9", "1-8", "apply"},
            {"speed 0", 5, "LedMode/LED_MODE_0_breath", "0", nullptr, "apply"},
            {"speed past 2^32", 2, "LedMode/LED_MODE_8_breath", "4294967297", nullptr, "apply"},
            {"verify: report rate 999", 1, "pollrate", "999", "", "verify"},
        };
        // clang-format on
        for (const Row &r : rows) {
            const QString key = QLatin1String(r.file ? "PROFILE/" : "") + QLatin1String(r.key);
            QString message = ": " + key + " = " + QLatin1String(r.value);
            if (r.allowed)
                message += " is not a value the mouse knows; allowed: " + QLatin1String(r.allowed);
            QTest::addRow("%s", r.name) << r.file << key << QByteArray(r.value) << message
                                        << QString::fromLatin1(r.command);
        }
        // Binary bytes, NULs included, as a file that is no text at all.
        static const char kElfGarbage[] = "\x7f"
                                          "ELF\x02\x01\x01\0\0\0 not = a profile\n[x]\ny=1\n";
        const QByteArray garbage = QByteArray::fromRawData(kElfGarbage, sizeof kElfGarbage - 1);
        const QByteArray empty("");
        const auto nothing = [](const char *name, int file, const QByteArray &content,
                                const QString &command) {
            QTest::addRow("%s", name)
                << file << QString() << content
                << " is missing, empty, unreadable or holds none of its keys; " + outcome(command) +
                       " NX-19"
                << command;
        };
        nothing("profile file missing", 2, QByteArray(), "apply");
        nothing("profile file empty", 1, empty, "apply");
        nothing("profile file garbage", 5, garbage, "apply");
        nothing("Config.ini garbage", 0, "<html>404</html>\n", "apply");
        nothing("Config.ini empty", 0, empty, "apply");
        nothing("verify: profile file garbage", 3, garbage, "verify");
        // A switch puts the pointer speed of its profile on the desktop.
        nothing("switch to an empty profile", 4, empty, "switch 4");
        nothing("switch with Config.ini garbage", 0, garbage, "switch 1");
    }

    void refusedBeforeAnyReport()
    {
        QFETCH(int, file);
        QFETCH(QString, key);
        QFETCH(QByteArray, value);
        QFETCH(QString, message);
        QFETCH(QString, command);
        seedWithoutSending();
        const QString path = file == 0 ? configFile() : profileFile(file);
        if (!key.isEmpty())
            setKey(path, key, QString::fromLatin1(value));
        else if (value.isNull())
            QVERIFY(QFile::remove(path));
        else
            QVERIFY(writeFileBytes(path, value));
        const QMap<QString, QByteArray> before = fileSnapshot(m_home->path());

        const CtlResult run = runNamed(command);
        QCOMPARE(run.status, int(CtlUsage));
        QVERIFY2(run.err.contains(path + message), qPrintable(run.err));
        QVERIFY(run.err.contains(outcome(command) + " NX-19"));
        expectNothingSent();
        QCOMPARE(fileSnapshot(m_home->path()), before);
        expectNothingOutsideTheDataFolder();
    }

    // A macro name left on a slot this model has no button for keeps its
    // old block index; its block would land past the macro area. The
    // button's own macro goes up (its file is missing: pauses only), the
    // stale one is left out, everything else is sent.
    void staleMacroBlockIsNotWritten()
    {
        seedWithoutSending();
        ProfileStore &store = StoreContext::store();
        QVERIFY(loadProductStore(store));
        ButtonInfo &button = store.profiles[0].BUTTON_INFO[3];
        button.Fun = 200;
        button.macroname = "kept";
        ButtonInfo &stale = store.profiles[1].BUTTON_INFO[30];
        stale.Fun = 200;
        stale.macroname = "stale";
        stale.Res4 = 30;
        // A macro still to come keeps the index map from running empty
        // before the stale slot is met.
        ButtonInfo &later = store.profiles[2].BUTTON_INFO[0];
        later.Fun = 200;
        later.macroname = "later";
        QVERIFY(saveStore(store));

        MessageLog log;
        const CtlResult run = command(runApply);
        QCOMPARE(run.status, int(CtlOk));
        QVERIFY2(run.err.contains("the macro \"kept\" has no file"), qPrintable(run.err));
        QVERIFY(run.err.contains("the macro \"stale\" has no file"));
        const QStringList warnings = log.messages.filter("\"stale\"");
        QCOMPARE(warnings.size(), 1);
        QVERIFY2(warnings.first().contains("profile 2, button slot 30"),
                 qPrintable(warnings.first()));
        // Blocks 0 and 1 hold the pauses of the missing files: Map 6, DataL 0, DataH 1.
        QCOMPARE(m_mice->memory(m_model, 0x478, 9).toHex(), QByteArray("060001000000000000"));
        QCOMPARE(m_mice->memory(m_model, 0x478 + 200, 9).toHex(), QByteArray("060001000000000000"));
        QCOMPARE(m_mice->memory(m_model, 0x478 + 200 * 30, 200), QByteArray(200, '\0'));
        // Button 4 of profile 1 plays block 0 (loop count 0).
        QCOMPARE(m_mice->memory(m_model, 0x040 + 66 + 4 * 3, 4).toHex(), QByteArray("91000000"));
        QCOMPARE(m_mice->memory(m_model, 0x032, 1).toHex(), QByteArray("02"));
        expectNothingOutsideTheDataFolder();
    }
    // The mouse fails each feature report in turn, and is unplugged after
    // each in turn: every run ends as the README says (status 3 and the
    // failed step named; 0 when the mouse went away only after the last
    // report), and no run changes a file.
    void everyReportFailsOrUnplugsInTurn()
    {
        seedStoreWithMacros();
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

QTEST_GUILESS_MAIN(TestCtlUpload)
#include "tst_ctlupload.moc"
