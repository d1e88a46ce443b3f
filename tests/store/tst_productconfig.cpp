// The product's Config.ini: store, names, saved list, first contact.

#include "RandomRecord.h"
#include "common/TestHome.h"
#include "store/ConfigFile.h"
#include "store/ProductConfig.h"
#include "store/ProfileDefaults.h"
#include "store/ProfileFile.h"
#include "store/StoreContext.h"

#include <QtTest>

namespace {

const QString kProduct = QStringLiteral("NX-14");

QString configPath(const TestHome &home)
{
    return home.productFolder(kProduct) + QStringLiteral("/Config.ini");
}

QString profilePath(const TestHome &home, const QString &name)
{
    return home.productFolder(kProduct) + QStringLiteral("/Profile/") + name +
           QStringLiteral(".prof");
}

ProfileStore randomStore(quint32 seed)
{
    return RandomRecord::store(seed, QStringLiteral("Game %1"));
}

} // namespace

class TestProductConfig : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void productNameIsWrittenOnlyWhenItChanges_data();
    void productNameIsWrittenOnlyWhenItChanges();
    void saveStoreWritesConfigKeys();
    void saveAndLoadRoundTrip();
    void laterProfileWinsASharedFile();
    void loadCutsBytes();
    void missingProductFileReadsZero();
    void emptyNameReadsDotProf();
    void saveStoreNamesOnly();
    void saveProfileIdOnly();
    void savedNames();
    void shorterSavedListLeavesOldKeysUnread();
    void secondList_data();
    void secondList();
    void firstContactWritesDefaults();
    void firstContactLeavesExistingFiles();
    void noProductNoDefaults();
    void storeContextResets();

private:
    std::unique_ptr<TestHome> m_home;
};

void TestProductConfig::init()
{
    m_home = std::make_unique<TestHome>();
    writeProductName(kProduct);
}

void TestProductConfig::cleanup()
{
    m_home.reset();
}

void TestProductConfig::saveStoreWritesConfigKeys()
{
    const ProfileStore store = randomStore(1);
    QVERIFY(saveStore(store));

    QSettings file(configPath(*m_home), QSettings::IniFormat);
    QStringList keys = file.allKeys();
    keys.sort();
    QCOMPARE(keys,
             QStringList({QStringLiteral("Config/AngleValue"), QStringLiteral("Config/Count"),
                          QStringLiteral("Config/LiftHigh"), QStringLiteral("Config/Profile1"),
                          QStringLiteral("Config/Profile2"), QStringLiteral("Config/Profile3"),
                          QStringLiteral("Config/Profile4"), QStringLiteral("Config/Profile5"),
                          QStringLiteral("Config/ProfileID")}));
    // ProfileID is 0-based, the name keys count from 1.
    QCOMPARE(file.value(QStringLiteral("Config/ProfileID")).toInt(), 3);
    QCOMPARE(file.value(QStringLiteral("Config/AngleValue")).toInt(), 1);
    QCOMPARE(file.value(QStringLiteral("Config/LiftHigh")).toInt(), 2);
    QCOMPARE(file.value(QStringLiteral("Config/Count")).toInt(), 9);
    QCOMPARE(file.value(QStringLiteral("Config/Profile1")).toString(), QStringLiteral("Game 1"));
    QCOMPARE(file.value(QStringLiteral("Config/Profile5")).toString(), QStringLiteral("Game 5"));

    for (int i = 0; i < 5; ++i) {
        ProfileData rec;
        readProfile(rec, profilePath(*m_home, QStringLiteral("Game %1").arg(i + 1)));
        QVERIFY(rec == store.profiles[i]);
    }
}

void TestProductConfig::saveAndLoadRoundTrip()
{
    const ProfileStore store = randomStore(2);
    QVERIFY(saveStore(store));
    ProfileStore back = randomStore(3);
    QVERIFY(loadStore(back));
    QVERIFY(back == store);
}

void TestProductConfig::laterProfileWinsASharedFile()
{
    // Profiles are written in order, profile 1 first, so the last one
    // sharing a name owns the file, and both load its record.
    ProfileStore store = randomStore(4);
    store.profileNames[1] = QStringLiteral("Shared");
    store.profileNames[3] = QStringLiteral("Shared");
    QVERIFY(saveStore(store));

    ProfileStore back;
    QVERIFY(loadStore(back));
    QVERIFY(back.profiles[1] == store.profiles[3]);
    QVERIFY(back.profiles[3] == store.profiles[3]);
    QVERIFY(back.profiles[0] == store.profiles[0]);
}

void TestProductConfig::loadCutsBytes()
{
    {
        QSettings file(configPath(*m_home), QSettings::IniFormat);
        file.setValue(QStringLiteral("Config/ProfileID"), 257);
        file.setValue(QStringLiteral("Config/AngleValue"), -1);
        file.setValue(QStringLiteral("Config/LiftHigh"), 515);
        file.setValue(QStringLiteral("Config/Count"), 256);
    }
    ProfileStore store;
    QVERIFY(loadStore(store));
    QCOMPARE(int(store.curProfile), 1);
    QCOMPARE(int(store.AngleValue), 255);
    QCOMPARE(int(store.LiftHigh), 3);
    QCOMPARE(int(store.Count), 0);
}

void TestProductConfig::missingProductFileReadsZero()
{
    ProfileStore store = randomStore(5);
    QVERIFY(loadStore(store));
    QCOMPARE(int(store.LiftHigh), 0); // not the default 2
    QVERIFY(store == ProfileStore());
    QVERIFY(!QFile::exists(configPath(*m_home)));
}

void TestProductConfig::emptyNameReadsDotProf()
{
    ProfileData rec;
    rec.pollrate = 4;
    QVERIFY(writeProfile(rec, profilePath(*m_home, QString())));
    ProfileStore store;
    QVERIFY(loadStore(store));
    for (const ProfileData &profile : store.profiles)
        QCOMPARE(int(profile.pollrate), 4);
}

void TestProductConfig::saveStoreNamesOnly()
{
    QVERIFY(saveStore(randomStore(6)));
    const QByteArray before = [&] {
        QFile f(profilePath(*m_home, QStringLiteral("Game 1")));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();

    ProfileStore renamed = randomStore(7);
    renamed.curProfile = 2;
    renamed.AngleValue = 0;
    renamed.LiftHigh = 1;
    renamed.Count = 4;
    renamed.profileNames[0] = QStringLiteral("Renamed");
    QVERIFY(saveStoreNames(renamed));

    QSettings file(configPath(*m_home), QSettings::IniFormat);
    QCOMPARE(file.value(QStringLiteral("Config/ProfileID")).toInt(), 2);
    QCOMPARE(file.value(QStringLiteral("Config/Count")).toInt(), 4);
    QCOMPARE(file.value(QStringLiteral("Config/Profile1")).toString(), QStringLiteral("Renamed"));
    // Angle snapping and lift-off keep the saved values; no profile file
    // is written.
    QCOMPARE(file.value(QStringLiteral("Config/AngleValue")).toInt(), 1);
    QCOMPARE(file.value(QStringLiteral("Config/LiftHigh")).toInt(), 2);
    QVERIFY(!QFile::exists(profilePath(*m_home, QStringLiteral("Renamed"))));
    QFile f(profilePath(*m_home, QStringLiteral("Game 1")));
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), before);
}

void TestProductConfig::saveProfileIdOnly()
{
    QVERIFY(saveStore(randomStore(8)));
    QVERIFY(saveProfileId(4));
    ProfileStore store;
    QVERIFY(loadStore(store));
    QCOMPARE(int(store.curProfile), 4);
    QCOMPARE(int(store.LiftHigh), 2);
    QCOMPARE(store.profileNames[2], QStringLiteral("Game 3"));
}

void TestProductConfig::savedNames()
{
    const QStringList names = {QStringLiteral("Alpha"), QStringLiteral("Beta, two"),
                               QStringLiteral("Gamma")};
    QVERIFY(writeSavedNames(names));
    QSettings file(configPath(*m_home), QSettings::IniFormat);
    QCOMPARE(file.value(QStringLiteral("PROFILE_LIST/Count")).toInt(), 3);
    QCOMPARE(file.value(QStringLiteral("PROFILE_LIST/1")).toString(), QStringLiteral("Alpha"));
    QVERIFY(!file.contains(QStringLiteral("PROFILE_LIST/0")));

    QStringList back = {QStringLiteral("stale")};
    readSavedNames(back);
    QCOMPARE(back, names);
}

void TestProductConfig::shorterSavedListLeavesOldKeysUnread()
{
    QVERIFY(writeSavedNames(
        {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("D")}));
    QVERIFY(writeSavedNames({QStringLiteral("X"), QStringLiteral("Y")}));

    QSettings file(configPath(*m_home), QSettings::IniFormat);
    QCOMPARE(file.value(QStringLiteral("PROFILE_LIST/3")).toString(), QStringLiteral("C"));
    QCOMPARE(file.value(QStringLiteral("PROFILE_LIST/4")).toString(), QStringLiteral("D"));
    QStringList back;
    readSavedNames(back);
    QCOMPARE(back, QStringList({QStringLiteral("X"), QStringLiteral("Y")}));

    QVERIFY(QFile::remove(configPath(*m_home)));
    readSavedNames(back);
    QVERIFY(back.isEmpty());
}

void TestProductConfig::secondList_data()
{
    QTest::addColumn<int>("count"); // -1: no SCount key
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("found");

    QTest::addRow("no SCount") << -1 << QStringLiteral("Factory") << false;
    QTest::addRow("first entry") << 2 << QStringLiteral("Factory") << true;
    QTest::addRow("second entry") << 2 << QStringLiteral("Tournament") << true;
    QTest::addRow("beyond SCount") << 2 << QStringLiteral("Hidden") << false;
    QTest::addRow("case differs") << 2 << QStringLiteral("factory") << false;
    QTest::addRow("SCount 0") << 0 << QStringLiteral("Factory") << false;
}

void TestProductConfig::secondList()
{
    QFETCH(int, count);
    QFETCH(QString, name);
    QFETCH(bool, found);
    {
        QSettings file(configPath(*m_home), QSettings::IniFormat);
        if (count >= 0)
            file.setValue(QStringLiteral("PROFILE_LIST/SCount"), count);
        file.setValue(QStringLiteral("PROFILE_LIST/S1"), QStringLiteral("Factory"));
        file.setValue(QStringLiteral("PROFILE_LIST/S2"), QStringLiteral("Tournament"));
        file.setValue(QStringLiteral("PROFILE_LIST/S3"), QStringLiteral("Hidden"));
    }
    QCOMPARE(isInSecondList(name), found);
}

// A model met for the first time gets its defaults, on disk and in the
// store: compared with its first profile written by hand.
void TestProductConfig::firstContactWritesDefaults()
{
    const QString product = QStringLiteral("NX-19");
    writeProductName(product);
    ProfileStore store = randomStore(9);
    QVERIFY(loadProductStore(store));

    ProfileData expected;
    readProfile(expected, QStringLiteral(KORVALEN_TEST_DATA "/store/nx19-default.prof"));
    const QString folder = m_home->productFolder(product);
    for (int i = 0; i < kProfileCount; ++i) {
        const QString name = QStringLiteral("Profile %1").arg(i + 1);
        expected.dpi = quint8(i);
        QVERIFY(store.profiles[i] == expected);
        QCOMPARE(store.profileNames[i], name);
        ProfileData onDisk;
        readProfile(onDisk, folder + QStringLiteral("/Profile/") + name + QStringLiteral(".prof"));
        QVERIFY(onDisk == expected);
    }
    QCOMPARE(int(store.curProfile), 0);
    QCOMPARE(int(store.LiftHigh), 2);
    QStringList saved;
    readSavedNames(saved);
    QCOMPARE(saved, QStringList({QStringLiteral("Profile 1"), QStringLiteral("Profile 2"),
                                 QStringLiteral("Profile 3"), QStringLiteral("Profile 4"),
                                 QStringLiteral("Profile 5")}));
    QVERIFY(QFile::exists(folder + QStringLiteral("/Config.ini")));
    QVERIFY(QFile::exists(folder + QStringLiteral("/Profile/Profile 5.prof")));
    // The next start reads from the files the store this one kept.
    ProfileStore reread;
    QVERIFY(loadStore(reread));
    QVERIFY(reread == store);
}

void TestProductConfig::productNameIsWrittenOnlyWhenItChanges_data()
{
    QTest::addColumn<QString>("stored"); // null: no key at all
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("written");
    QTest::addRow("the same name") << QStringLiteral("NX-19") << QStringLiteral("NX-19") << false;
    QTest::addRow("another name") << QStringLiteral("NX-19") << QStringLiteral("NX-05") << true;
    QTest::addRow("no mouse any more") << QStringLiteral("NX-19") << QString() << true;
    QTest::addRow("still no mouse") << QStringLiteral("") << QString() << false;
    QTest::addRow("no key yet") << QString() << QString() << true;
}

void TestProductConfig::productNameIsWrittenOnlyWhenItChanges()
{
    QFETCH(QString, stored);
    QFETCH(QString, name);
    QFETCH(bool, written);
    const QString path = m_home->dataHome() + QStringLiteral("/KORVALEN Gaming Mouse/Config.ini");
    {
        QSettings file(path, QSettings::IniFormat);
        file.remove(QStringLiteral("Config/CurrentProductName"));
        if (!stored.isNull())
            file.setValue(QStringLiteral("Config/CurrentProductName"), stored);
    }
    const QDateTime past(QDate(2001, 2, 3), QTime(4, 5, 6));
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(past, QFileDevice::FileModificationTime));
    }
    writeProductName(name);
    QCOMPARE(QFileInfo(path).lastModified() != past, written);
    QSettings file(path, QSettings::IniFormat);
    QVERIFY(file.contains(QStringLiteral("Config/CurrentProductName")));
    QCOMPARE(readProductName(), name);
}

void TestProductConfig::firstContactLeavesExistingFiles()
{
    ProfileStore mine = randomStore(10);
    mine.LiftHigh = 0;
    QVERIFY(saveStore(mine));

    ProfileStore store;
    QVERIFY(loadProductStore(store));
    QVERIFY(store == mine);
    QStringList saved;
    readSavedNames(saved);
    QVERIFY(saved.isEmpty());
}

void TestProductConfig::noProductNoDefaults()
{
    // Without a product name the "product file" would be the global one.
    writeProductName(QString());
    const QString global = m_home->dataFolder() + QStringLiteral("/Config.ini");
    QFile::remove(global);
    ProfileStore store;
    QVERIFY(loadProductStore(store));
    QVERIFY(store == ProfileStore());
    QVERIFY(!QFile::exists(global));
}

void TestProductConfig::storeContextResets()
{
    ProfileStore &store = StoreContext::store();
    initProfileStore(store, kProduct);
    QCOMPARE(&StoreContext::store(), &store);
    QCOMPARE(int(StoreContext::store().curProfile), 1);
    StoreContext::reset();
    QVERIFY(StoreContext::store() == ProfileStore());
}

QTEST_GUILESS_MAIN(TestProductConfig)
#include "tst_productconfig.moc"
