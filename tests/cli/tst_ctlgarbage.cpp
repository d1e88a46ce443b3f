#include "common/CleanHome.h"
#include "common/CtlInProcess.h"
#include "common/FileBytes.h"
#include "common/FileSnapshot.h"
#include "common/MessageLog.h"

#include "cli/CtlCommands.h"
#include "device/DeviceCatalogue.h"
#include "device/DeviceContext.h"
#include "device/hid/VirtualMouseBackend.h"
#include "store/DataFolder.h"
#include "store/ProductConfig.h"
#include "store/StoreContext.h"

#include <QtTest>

// korvalen-ctl apply with stored files that hold nonsense: whatever the
// mouse has no code for, or a file that holds nothing, is refused before
// the first report; a stale macro block is left out and the rest goes up.
class TestCtlGarbage : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<CleanHome> m_home;
    VirtualMouseBackend *m_mice = nullptr;
    const QString m_model = "NX-19";

    static CtlResult command(CtlCommandFunction function, const QStringList &args = {})
    {
        return runInProcess(function, args);
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
        QVERIFY(seedDataFolder(QStringLiteral(KORVALEN_APP_DIR)));
        loadDeviceCatalogue();
        m_mice = installVirtualMice({m_model});
        DeviceContext::setProtocolDelayHook([](int) {});
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

private slots:
    void init()
    {
        m_home = std::make_unique<CleanHome>();
        qputenv("KORVALEN_GSETTINGS", "/bin/true");
    }
    void cleanup()
    {
        qunsetenv("KORVALEN_GSETTINGS");
        m_home.reset();
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
            {"verify: speed 12", 2, "LedMode/LED_MODE_1_breath", "12", nullptr, "verify"},
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

    // The mouse holds its profiles already; a switch sends only the index,
    // so nonsense in another profile's file does not stop it.
    void switchNeedsOnlyItsOwnProfile()
    {
        seedWithoutSending();
        setKey(profileFile(5), "PROFILE/pollrate", "999");
        QVERIFY(writeFileBytes(profileFile(3), QByteArray()));

        const CtlResult run = command(runSwitch, {"2"});
        QCOMPARE(run.status, int(CtlOk));
        // The current profile's byte: the second profile.
        QCOMPARE(m_mice->memory(m_model, 0x02C, 1).toHex(), QByteArray("01"));
        QVERIFY(!m_mice->refreshes(m_model).isEmpty());
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
};

QTEST_GUILESS_MAIN(TestCtlGarbage)
#include "tst_ctlgarbage.moc"
