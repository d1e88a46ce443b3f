// Saving never leaves a half-written file: a writer killed mid-write
// leaves each Config.ini and .prof with its old or its new content.
//
// The kill is made deterministic with a file-size limit: the child process
// runs under `prlimit --fsize`, and the kernel sends it SIGXFSZ at the
// first write past the limit, i.e. in the middle of writing a profile file.

#include "SaveScenario.h"
#include "common/FileBytes.h"
#include "common/TestHome.h"
#include "store/ConfigFile.h"
#include "store/DataFolder.h"
#include "store/ProductConfig.h"
#include "store/ProfileFile.h"

#include <QtTest>

namespace {

constexpr int kSizeLimit = 100000; // bytes; every profile file here is larger

struct DiskState
{
    QByteArray config;
    QByteArray profiles[kProfileCount];
};

DiskState diskState()
{
    DiskState state;
    state.config = fileBytes(productConfigPath());
    for (int i = 0; i < kProfileCount; ++i)
        state.profiles[i] = fileBytes(profileFilePath(QStringLiteral("P%1").arg(i + 1)));
    return state;
}

} // namespace

class TestAtomicSave : public QObject
{
    Q_OBJECT

private slots:
    void killedWriter_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<bool>("configChanges");
        QTest::addColumn<bool>("profileIntact");

        // Config.ini is small and written first: it is new, profile 1 is old.
        QTest::addRow("saveStore") << "saveStore" << true << true;
        // The partial writers rewrite the whole file too, all by one edit
        // function.
        QTest::addRow("writeDpiStageToFile") << "writeDpiStageToFile" << false << true;
        // Control: a truncating writer under the same limit does leave a
        // broken file, so the limit really strikes mid-write.
        QTest::addRow("control: truncating write") << "truncatingWrite" << false << false;
    }

    void killedWriter()
    {
        QFETCH(QString, mode);
        QFETCH(bool, configChanges);
        QFETCH(bool, profileIntact);

        const QString prlimit = QStandardPaths::findExecutable("prlimit");
        if (prlimit.isEmpty())
            QSKIP("prlimit (util-linux) is needed to interrupt a write");
        const QString child = QCoreApplication::applicationDirPath() + "/store_save_child";
        QVERIFY(QFile::exists(child));

        TestHome home;
        writeProductName(SaveScenario::productName());
        QVERIFY(saveStore(SaveScenario::oldStore()));
        const DiskState before = diskState();
        QVERIFY(before.profiles[0].size() > kSizeLimit);

        QProcess process;
        process.start(prlimit, {QStringLiteral("--fsize=%1").arg(kSizeLimit), child, mode});
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitStatus(), QProcess::CrashExit); // killed, not finished

        const DiskState after = diskState();
        if (profileIntact) {
            for (int i = 0; i < kProfileCount; ++i)
                QVERIFY2(after.profiles[i] == before.profiles[i],
                         qPrintable(QString::number(i + 1)));
        } else {
            QCOMPARE(after.profiles[0].size(), kSizeLimit);
        }

        ProfileStore loaded;
        QVERIFY(loadStore(loaded));
        ProfileStore expected = SaveScenario::oldStore();
        if (configChanges) {
            const ProfileStore fresh = SaveScenario::newStore();
            expected.curProfile = fresh.curProfile;
            expected.LiftHigh = fresh.LiftHigh;
            expected.Count = fresh.Count;
        } else {
            QCOMPARE(after.config, before.config);
        }
        if (profileIntact)
            QVERIFY(loaded == expected);

        // The dead writer's lock is stale; the next save goes through (and
        // repairs the broken control file).
        if (!profileIntact)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("rewrote malformed"));
        QVERIFY(saveStore(SaveScenario::newStore()));
        QVERIFY(loadStore(loaded));
        QVERIFY(loaded == SaveScenario::newStore());

        // Nothing else that looks like a profile was left behind.
        QStringList profiles = QDir(profileFolder()).entryList({"*.prof"}, QDir::Files);
        profiles.sort();
        QCOMPARE(profiles, QStringList({"P1.prof", "P2.prof", "P3.prof", "P4.prof", "P5.prof"}));
    }

    void failedWriteIsReported()
    {
        // A Profile "folder" that is a file cannot take a temporary file, so
        // QSettings refuses rather than writing in place, and we say so.
        TestHome home;
        writeProductName(SaveScenario::productName());
        QVERIFY(QDir().mkpath(productFolder(SaveScenario::productName())));
        QFile blocker(profileFolder());
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.write("not a folder");
        blocker.close();

        for (int i = 1; i <= kProfileCount; ++i)
            QTest::ignoreMessage(
                QtWarningMsg, QRegularExpression(QStringLiteral("cannot write .*P%1.prof").arg(i)));
        QVERIFY(!saveStore(SaveScenario::newStore()));
        QCOMPARE(fileBytes(profileFolder()), QByteArray("not a folder"));
        // Config.ini, written first, went through.
        QSettings config(productConfigPath(), QSettings::IniFormat);
        QCOMPARE(config.value("Config/LiftHigh").toInt(), 3);
    }
};

QTEST_GUILESS_MAIN(TestAtomicSave)
#include "tst_atomicsave.moc"
