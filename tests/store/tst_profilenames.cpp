// Profile names become file names; names that would leave the Profile
// folder are refused without touching the disk, and in a store they cost
// only their own file.

#include "RandomRecord.h"
#include "common/FileSnapshot.h"
#include "common/TestHome.h"
#include "store/ConfigFile.h"
#include "store/DataFolder.h"
#include "store/ProductConfig.h"
#include "store/ProfileFile.h"

#include <QtTest>

namespace {

ProfileStore sampleStore(quint32 seed)
{
    return RandomRecord::store(seed, "P%1");
}

} // namespace

class TestProfileNames : public QObject
{
    Q_OBJECT

private slots:
    void decision_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("safe");

        QTest::addRow("plain") << "Profile 1" << true;
        QTest::addRow("empty (the .prof file)") << QString() << true;
        QTest::addRow("three dots") << "..." << true;
        QTest::addRow("leading dot") << ".hidden" << true;
        QTest::addRow("dots inside") << "a..b" << true;
        QTest::addRow("punctuation") << "FPS: 800 <fast> | \"x\" ?*" << true;
        QTest::addRow("non-Latin") << "设置 ü" << true;
        QTest::addRow("slash") << "a/b" << false;
        QTest::addRow("leading slash") << "/etc/passwd" << false;
        QTest::addRow("backslash") << "a\\b" << false;
        QTest::addRow("dot") << "." << false;
        QTest::addRow("dot dot") << ".." << false;
        QTest::addRow("parent path") << "../Config" << false;
        QTest::addRow("newline") << "a\nb" << false;
        QTest::addRow("tab") << "a\tb" << false;
        QTest::addRow("NUL") << QString(QChar(0)) << false;
        QTest::addRow("DEL") << "a\x7f" << false;
        QTest::addRow("C1 control") << (QString("a") + QChar(0x85)) << false;
    }

    void decision()
    {
        QFETCH(QString, name);
        QFETCH(bool, safe);
        QCOMPARE(isSafeProfileName(name), safe);
        QCOMPARE(profileFilePath(name).isEmpty(), !safe);
    }

    void unsafeNameTouchesNothing_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addRow("parent path") << "../Config";
        QTest::addRow("escape to data folder") << "../../Config";
        QTest::addRow("subfolder") << "sub/name";
        QTest::addRow("backslash") << "..\\Config";
        QTest::addRow("dot dot") << "..";
        QTest::addRow("control") << "bad\rname";
    }

    void unsafeNameTouchesNothing()
    {
        QFETCH(QString, name);
        TestHome home;
        writeProductName("NX-19");
        const ProfileStore original = sampleStore(1);
        QVERIFY(saveStore(original));
        QVERIFY(writeSavedNames({"P1", "P2"}));
        const auto before = fileSnapshot(home.path());

        ProfileData rec;
        QRandomGenerator rng(2);
        const ProfileData other = RandomRecord::profile(rng);

        QVERIFY(!saveProfileFile(other, name));
        rec = other;
        QVERIFY(!loadProfileFile(rec, name));
        QVERIFY(rec == other);
        QVERIFY(!writeLedModeToFile(name, 1, LedColour::fromRgb(1, 2, 3), 1, 2, 3, 4, 5));
        QVERIFY(!writeDpiStageToFile(name, 3));
        QVERIFY(!isInSecondList(name));
        QVERIFY(!writeSavedNames({"P1", name}));

        QCOMPARE(fileSnapshot(home.path()), before);

        // In a store, an unsafe name costs only its own file: Config.ini and
        // the other four are written, and read back.
        ProfileStore bad = sampleStore(3);
        bad.profileNames[3] = name;
        QStringList refused;
        QVERIFY(!saveStore(bad, &refused));
        QCOMPARE(refused, QStringList{name});
        QStringList changed;
        const auto after = fileSnapshot(home.path());
        for (auto it = after.cbegin(); it != after.cend(); ++it) {
            if (before.value(it.key()) != it.value())
                changed << QDir(productFolder(readProductName())).relativeFilePath(it.key());
        }
        changed.sort();
        QCOMPARE(changed, QStringList({"Config.ini", "Profile/P1.prof", "Profile/P2.prof",
                                       "Profile/P3.prof", "Profile/P5.prof"}));

        ProfileStore store = sampleStore(4);
        refused.clear();
        QVERIFY(!loadStore(store, &refused));
        QCOMPARE(refused, QStringList{name});
        QCOMPARE(store.profileNames[3], name);
        QCOMPARE(int(store.LiftHigh), int(bad.LiftHigh));
        QVERIFY(store.profiles[3] == ProfileData());
        for (int i : {0, 1, 2, 4})
            QVERIFY(store.profiles[i] == bad.profiles[i]);
    }

    void safeOddNamesWork_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addRow("punctuation") << "FPS: 800 <fast> ?*";
        QTest::addRow("ini syntax") << "[PROFILE] a=b; c#d,e";
        QTest::addRow("non-Latin") << "设置 ü";
        QTest::addRow("leading dot") << ".hidden";
    }

    void safeOddNamesWork()
    {
        QFETCH(QString, name);
        TestHome home;
        writeProductName("NX-19");
        ProfileStore store = sampleStore(5);
        store.profileNames[0] = name;
        QVERIFY(saveStore(store));
        QVERIFY(QFile::exists(home.productFolder("NX-19") + "/Profile/" + name + ".prof"));
        ProfileStore back;
        QVERIFY(loadStore(back));
        QVERIFY(back == store);
    }
};

QTEST_GUILESS_MAIN(TestProfileNames)
#include "tst_profilenames.moc"
