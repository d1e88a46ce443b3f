// The product's Config.ini: store, names, saved list, first contact.

#include "RandomRecord.h"
#include "common/FileBytes.h"
#include "common/TestHome.h"
#include "store/ConfigFile.h"
#include "store/ProductConfig.h"
#include "store/ProfileDefaults.h"
#include "store/ProfileFile.h"
#include "store/StoreContext.h"

#include <QtTest>

namespace {

const QString kProduct = "NX-14";

ProfileStore randomStore(quint32 seed)
{
    return RandomRecord::store(seed, "Game %1");
}

} // namespace

class TestProductConfig : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestHome> m_home;

    QString configPath() const { return m_home->productFolder(kProduct) + "/Config.ini"; }
    QString profilePath(const QString &name) const
    {
        return m_home->productFolder(kProduct) + "/Profile/" + name + ".prof";
    }
    QVariant config(const QString &key) const
    {
        return QSettings(configPath(), QSettings::IniFormat).value(key);
    }
    void setConfig(const QVariantMap &values)
    {
        QSettings file(configPath(), QSettings::IniFormat);
        for (auto it = values.cbegin(); it != values.cend(); ++it)
            file.setValue(it.key(), it.value());
    }

private slots:
    void init()
    {
        m_home = std::make_unique<TestHome>();
        writeProductName(kProduct);
    }
    void cleanup() { m_home.reset(); }

    void saveStoreWritesConfigKeysAndLoadsBack()
    {
        const ProfileStore store = randomStore(1);
        QVERIFY(saveStore(store));
        QStringList keys = QSettings(configPath(), QSettings::IniFormat).allKeys();
        keys.sort();
        QCOMPARE(keys, QStringList({"Config/AngleValue", "Config/Count", "Config/LiftHigh",
                                    "Config/Profile1", "Config/Profile2", "Config/Profile3",
                                    "Config/Profile4", "Config/Profile5", "Config/ProfileID"}));
        // ProfileID is 0-based, the name keys count from 1.
        QCOMPARE(config("Config/ProfileID").toInt(), 3);
        QCOMPARE(config("Config/AngleValue").toInt(), 1);
        QCOMPARE(config("Config/LiftHigh").toInt(), 2);
        QCOMPARE(config("Config/Count").toInt(), 9);
        QCOMPARE(config("Config/Profile1").toString(), "Game 1");
        QCOMPARE(config("Config/Profile5").toString(), "Game 5");
        for (int i = 0; i < 5; ++i) {
            ProfileData rec;
            readProfile(rec, profilePath(QStringLiteral("Game %1").arg(i + 1)));
            QVERIFY(rec == store.profiles[i]);
        }
        ProfileStore back = randomStore(3);
        QVERIFY(loadStore(back));
        QVERIFY(back == store);
    }

    void laterProfileWinsASharedFile()
    {
        // Profiles are written in order, profile 1 first, so the last one
        // sharing a name owns the file, and both load its record.
        ProfileStore store = randomStore(4);
        store.profileNames[1] = store.profileNames[3] = "Shared";
        QVERIFY(saveStore(store));
        ProfileStore back;
        QVERIFY(loadStore(back));
        QVERIFY(back.profiles[1] == store.profiles[3]);
        QVERIFY(back.profiles[3] == store.profiles[3]);
        QVERIFY(back.profiles[0] == store.profiles[0]);
    }

    void loadCutsBytes()
    {
        setConfig({{"Config/ProfileID", 257},
                   {"Config/AngleValue", -1},
                   {"Config/LiftHigh", 515},
                   {"Config/Count", 256}});
        ProfileStore store;
        QVERIFY(loadStore(store));
        QCOMPARE(int(store.curProfile), 1);
        QCOMPARE(int(store.AngleValue), 255);
        QCOMPARE(int(store.LiftHigh), 3);
        QCOMPARE(int(store.Count), 0);
    }

    void missingProductFileReadsZero()
    {
        ProfileStore store = randomStore(5);
        QVERIFY(loadStore(store));
        QCOMPARE(int(store.LiftHigh), 0); // not the default 2
        QVERIFY(store == ProfileStore());
        QVERIFY(!QFile::exists(configPath()));
    }

    void emptyNameReadsDotProf()
    {
        ProfileData rec;
        rec.pollrate = 4;
        QVERIFY(writeProfile(rec, profilePath(QString())));
        ProfileStore store;
        QVERIFY(loadStore(store));
        for (const ProfileData &profile : store.profiles)
            QCOMPARE(int(profile.pollrate), 4);
    }

    // Angle snapping and lift-off keep the saved values; no profile file
    // is written. Saving the profile index alone keeps the names too.
    void saveStoreNamesOnly()
    {
        QVERIFY(saveStore(randomStore(6)));
        const QByteArray before = fileBytes(profilePath("Game 1"));
        ProfileStore renamed = randomStore(7);
        renamed.curProfile = 2;
        renamed.AngleValue = 0;
        renamed.LiftHigh = 1;
        renamed.Count = 4;
        renamed.profileNames[0] = "Renamed";
        QVERIFY(saveStoreNames(renamed));
        QCOMPARE(config("Config/ProfileID").toInt(), 2);
        QCOMPARE(config("Config/Count").toInt(), 4);
        QCOMPARE(config("Config/Profile1").toString(), "Renamed");
        QCOMPARE(config("Config/AngleValue").toInt(), 1);
        QCOMPARE(config("Config/LiftHigh").toInt(), 2);
        QVERIFY(!QFile::exists(profilePath("Renamed")));
        QCOMPARE(fileBytes(profilePath("Game 1")), before);

        QVERIFY(saveProfileId(4));
        ProfileStore store;
        QVERIFY(loadStore(store));
        QCOMPARE(int(store.curProfile), 4);
        QCOMPARE(int(store.Count), 4);
        QCOMPARE(int(store.LiftHigh), 2);
        QCOMPARE(store.profileNames[0], "Renamed");
        QCOMPARE(store.profileNames[2], "Game 3");
    }

    // A shorter list leaves the old keys in the file, unread.
    void savedNames()
    {
        QVERIFY(writeSavedNames({"A", "B", "C", "D"}));
        const QStringList names = {"Alpha", "Beta, two", "Gamma"};
        QVERIFY(writeSavedNames(names));
        QCOMPARE(config("PROFILE_LIST/Count").toInt(), 3);
        QCOMPARE(config("PROFILE_LIST/1").toString(), "Alpha");
        QCOMPARE(config("PROFILE_LIST/4").toString(), "D");
        QVERIFY(!config("PROFILE_LIST/0").isValid());
        QStringList back = {"stale"};
        readSavedNames(back);
        QCOMPARE(back, names);
        QVERIFY(QFile::remove(configPath()));
        readSavedNames(back);
        QVERIFY(back.isEmpty());
    }

    void secondList_data()
    {
        QTest::addColumn<int>("count"); // -1: no SCount key
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("found");
        QTest::addRow("no SCount") << -1 << "Factory" << false;
        QTest::addRow("first entry") << 2 << "Factory" << true;
        QTest::addRow("second entry") << 2 << "Tournament" << true;
        QTest::addRow("beyond SCount") << 2 << "Hidden" << false;
        QTest::addRow("case differs") << 2 << "factory" << false;
        QTest::addRow("SCount 0") << 0 << "Factory" << false;
    }

    void secondList()
    {
        QFETCH(int, count);
        QFETCH(QString, name);
        QFETCH(bool, found);
        QVariantMap keys{{"PROFILE_LIST/S1", "Factory"},
                         {"PROFILE_LIST/S2", "Tournament"},
                         {"PROFILE_LIST/S3", "Hidden"}};
        if (count >= 0)
            keys.insert("PROFILE_LIST/SCount", count);
        setConfig(keys);
        QCOMPARE(isInSecondList(name), found);
    }

    // A model met for the first time gets its defaults, on disk and in the
    // store: compared with its first profile written by hand.
    void firstContactWritesDefaults()
    {
        const QString product = "NX-19";
        writeProductName(product);
        ProfileStore store = randomStore(9);
        QVERIFY(loadProductStore(store));

        ProfileData expected;
        readProfile(expected, KORVALEN_TEST_DATA "/store/nx19-default.prof");
        QStringList names;
        for (int i = 0; i < kProfileCount; ++i) {
            names << QStringLiteral("Profile %1").arg(i + 1);
            expected.dpi = quint8(i);
            QVERIFY(store.profiles[i] == expected);
            QCOMPARE(store.profileNames[i], names.last());
            ProfileData onDisk;
            readProfile(onDisk,
                        m_home->productFolder(product) + "/Profile/" + names.last() + ".prof");
            QVERIFY(onDisk == expected);
        }
        QCOMPARE(int(store.curProfile), 0);
        QCOMPARE(int(store.LiftHigh), 2);
        QStringList saved;
        readSavedNames(saved);
        QCOMPARE(saved, names);
        // The next start reads from the files the store this one kept.
        ProfileStore reread;
        QVERIFY(loadStore(reread));
        QVERIFY(reread == store);
    }

    void productNameIsWrittenOnlyWhenItChanges_data()
    {
        QTest::addColumn<QString>("stored"); // null: no key at all
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("written");
        QTest::addRow("the same name") << "NX-19"
                                       << "NX-19" << false;
        QTest::addRow("another name") << "NX-19"
                                      << "NX-05" << true;
        QTest::addRow("no mouse any more") << "NX-19" << QString() << true;
        QTest::addRow("still no mouse") << "" << QString() << false;
        QTest::addRow("no key yet") << QString() << QString() << true;
    }

    void productNameIsWrittenOnlyWhenItChanges()
    {
        QFETCH(QString, stored);
        QFETCH(QString, name);
        QFETCH(bool, written);
        const QString path = m_home->dataFolder() + "/Config.ini";
        {
            QSettings file(path, QSettings::IniFormat);
            file.remove("Config/CurrentProductName");
            if (!stored.isNull())
                file.setValue("Config/CurrentProductName", stored);
        }
        const QDateTime past(QDate(2001, 2, 3), QTime(4, 5, 6));
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.setFileTime(past, QFileDevice::FileModificationTime));
        }
        writeProductName(name);
        QCOMPARE(QFileInfo(path).lastModified() != past, written);
        QVERIFY(QSettings(path, QSettings::IniFormat).contains("Config/CurrentProductName"));
        QCOMPARE(readProductName(), name);
    }

    void firstContactLeavesExistingFiles()
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

    void noProductNoDefaults()
    {
        // Without a product name the "product file" would be the global one.
        writeProductName(QString());
        const QString global = m_home->dataFolder() + "/Config.ini";
        QFile::remove(global);
        ProfileStore store;
        QVERIFY(loadProductStore(store));
        QVERIFY(store == ProfileStore());
        QVERIFY(!QFile::exists(global));
    }

    void storeContextResets()
    {
        ProfileStore &store = StoreContext::store();
        initProfileStore(store, kProduct);
        QCOMPARE(&StoreContext::store(), &store);
        QCOMPARE(int(StoreContext::store().curProfile), 1);
        StoreContext::reset();
        QVERIFY(StoreContext::store() == ProfileStore());
    }
};

QTEST_GUILESS_MAIN(TestProductConfig)
#include "tst_productconfig.moc"
