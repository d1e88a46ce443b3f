// The product's Config.ini: store, names, saved list, first contact,
// program rules.

#include "RandomRecord.h"
#include "common/FileBytes.h"
#include "common/HostileValues.h"
#include "common/TestHome.h"
#include "store/ConfigFile.h"
#include "store/ProductConfig.h"
#include "store/ProfileFile.h"
#include "store/ProgramRules.h"
#include "store/StoreContext.h"

#include <QtTest>

namespace {

const QString kProduct = "NX-14";

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
    QString writeFixture(const QByteArray &text)
    {
        const QString path = m_home->path() + QStringLiteral("/Config.ini");
        return writeFileBytes(path, text) ? path : QString();
    }

    // "on;DEFAULT;program=mode,..." for comparing with a row.
    static QString summary(const ProgramRules &rules)
    {
        QStringList rows;
        for (const ProgramRule &rule : rules.rules)
            rows << rule.program + QLatin1Char('=') + QString::number(rule.mode);
        return QStringLiteral("%1;%2;%3")
            .arg(rules.enabled ? "on" : "off")
            .arg(rules.defaultMode)
            .arg(rows.join(QLatin1Char(',')));
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
        ProfileStore store = RandomRecord::store(1, "Game %1");
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
        ProfileStore back = RandomRecord::store(3, "Game %1");
        QVERIFY(loadStore(back));
        QVERIFY(back == store);

        // Profiles are written in order, profile 1 first, so the last one
        // sharing a name owns the file, and both load its record.
        store.profileNames[1] = store.profileNames[3] = "Shared";
        QVERIFY(saveStore(store));
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
        ProfileStore store = RandomRecord::store(5, "Game %1");
        QVERIFY(loadStore(store));
        QCOMPARE(int(store.LiftHigh), 0); // not the default 2
        QVERIFY(store == ProfileStore());
        QVERIFY(!QFileInfo::exists(m_home->productFolder(kProduct))); // reading creates nothing

        // Without names every profile reads the file named by the empty name.
        ProfileData rec;
        rec.pollrate = 4;
        QVERIFY(writeProfile(rec, profilePath(QString())));
        QVERIFY(loadStore(store));
        for (const ProfileData &profile : store.profiles)
            QCOMPARE(int(profile.pollrate), 4);
    }

    // Angle snapping and lift-off keep the saved values; no profile file
    // is written. Saving the profile index alone keeps the names too.
    void saveStoreNamesOnly()
    {
        QVERIFY(saveStore(RandomRecord::store(6, "Game %1")));
        const QByteArray before = fileBytes(profilePath("Game 1"));
        ProfileStore renamed = RandomRecord::store(7, "Game %1");
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
        ProfileStore store = RandomRecord::store(9, "Game %1");
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
        ProfileStore mine = RandomRecord::store(10, "Game %1");
        mine.LiftHigh = 0;
        QVERIFY(saveStore(mine));
        ProfileStore store;
        QVERIFY(loadProductStore(store));
        QVERIFY(store == mine);
        QStringList saved;
        readSavedNames(saved);
        QVERIFY(saved.isEmpty());

        // Without a product name the "product file" would be the global one.
        writeProductName(QString());
        const QString global = m_home->dataFolder() + "/Config.ini";
        QFile::remove(global);
        QVERIFY(loadProductStore(store));
        QVERIFY(store == ProfileStore());
        QVERIFY(!QFile::exists(global));
    }

    // Tests start from a clean store through this; the program never resets.
    void storeContextResets()
    {
        StoreContext::store().curProfile = 3;
        StoreContext::reset();
        QVERIFY(StoreContext::store() == ProfileStore());
    }

    // The program-profile rules: what a hand-written or hostile section
    // reads as, what a write leaves in the file, and which rule picks the
    // mode.
    void readsWhatItCan_data()
    {
        QTest::addColumn<QByteArray>("section"); // the lines below [Program_Profiles]
        QTest::addColumn<QString>("expected");
        const QByteArray two = "Program_1=cs2\nMode_1=3\nProgram_2=steam\nMode_2=1\n";
        QTest::addRow("no section") << QByteArray() << "off;0;";
        QTest::addRow("plain") << "Enabled=1\nDefault=2\nCount=2\n" + two << "on;2;cs2=3,steam=1";
        QTest::addRow("count below the rows") << "Count=1\n" + two << "off;0;cs2=3";
        QTest::addRow("count beyond the rows") << "Count=9\n" + two << "off;0;cs2=3,steam=1";
        QTest::addRow("count of 2^31") << "Count=2147483648\n" + two << "off;0;cs2=3,steam=1";
        QTest::addRow("count of 30 digits")
            << "Count=" + QByteArray(30, '9') + "\n" + two << "off;0;cs2=3,steam=1";
        QTest::addRow("negative count") << "Count=-2\n" + two << "off;0;";
        QTest::addRow("default out of range") << QByteArray("Enabled=1\nDefault=6\n") << "on;0;";
        QTest::addRow("modes out of range")
            << QByteArray("Count=4\nProgram_1=a\nMode_1=0\nProgram_2=b\nMode_2=6\n"
                          "Program_3=c\nMode_3=x\nProgram_4=d\nMode_4=5\n")
            << "off;0;d=5";
        QTest::addRow("duplicates, any case: the first wins")
            << QByteArray("Count=3\nProgram_1=Steam\nMode_1=2\nProgram_2=STEAM\nMode_2=4\n"
                          "Program_3=steam\nMode_3=5\n")
            << "off;0;Steam=2";
        QTest::addRow("names: empty, control character, 255 and 256 characters")
            << "Count=4\nProgram_1=\nMode_1=1\nProgram_2=a\\tb\nMode_2=1\nProgram_3=" +
                   QByteArray(255, 'x') + "\nMode_3=2\nProgram_4=" + QByteArray(256, 'y') +
                   "\nMode_4=3\n"
            << "off;0;" + QString(255, QLatin1Char('x')) + "=2";
        QByteArray many = "Count=10000\n";
        for (int i = 1; i <= 10000; ++i)
            many += QByteArray("Program_%1=p%1\nMode_%1=4\n").replace("%1", QByteArray::number(i));
        QStringList first;
        for (int i = 1; i <= 64; ++i)
            first << QStringLiteral("p%1=4").arg(i);
        QTest::addRow("10,000 rows: the first 64") << many << "off;0;" + first.join(',');
        for (const HostileValue &v : hostileValues()) {
            QTest::addRow("program: %s", v.name)
                << "Count=2\nProgram_1=" + v.text + "\nMode_1=2\n" +
                       two.mid(two.indexOf("Program_2"))
                << "off;0;steam=1";
            QTest::addRow("mode: %s", v.name)
                << "Count=2\nProgram_1=cs2\nMode_1=" + v.text + "\nProgram_2=steam\nMode_2=1\n"
                << "off;0;steam=1";
            QTest::addRow("count: %s", v.name) << "Count=" + v.text + "\n" + two << "off;0;";
        }
    }

    void readsWhatItCan()
    {
        QFETCH(QByteArray, section);
        QFETCH(QString, expected);
        const QString path = writeFixture("[Config]\nProfileID=2\n\n[Program_Profiles]\n" +
                                          section + "\n[Z]\nx=1\n");
        QCOMPARE(summary(readProgramRules(path)), expected);
    }

    // The whole section is replaced, rows of the longer old list too; the
    // other sections keep their bytes, and what was written reads back.
    void writeReplacesTheSectionOnly()
    {
        const QString path = writeFixture("[Config]\nProfileID=2\nProfile1=\"My; profile\"\n\n"
                                          "[Program_Profiles]\nCount=3\nMode_3=1\nProgram_3=old\n"
                                          "Stray=1\n\n[Zeta]\nx=1\n");
        ProgramRules rules;
        rules.enabled = true;
        rules.defaultMode = 4;
        rules.rules = {{"cs2", 3}, {"Steam Launcher", 5}, {"a,b", 2}, {"CS2", 1}, {"", 2}};
        QVERIFY(writeProgramRules(path, rules));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(),
                 QByteArray("[Config]\nProfile1=\"My; profile\"\nProfileID=2\n\n"
                            "[Program_Profiles]\nCount=3\nDefault=4\nEnabled=1\nMode_1=3\n"
                            "Mode_2=5\nMode_3=2\nProgram_1=cs2\nProgram_2=Steam Launcher\n"
                            "Program_3=\"a,b\"\n\n[Zeta]\nx=1\n"));
        QCOMPARE(summary(readProgramRules(path)), "on;4;cs2=3,Steam Launcher=5,a,b=2");
        // A folder that cannot be made: the file it would be in is a file.
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("cannot write .*/sub/Config.ini"));
        QVERIFY(!writeProgramRules(path + QStringLiteral("/sub/Config.ini"), rules));
    }

    void modeForProgram_data()
    {
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<int>("defaultMode");
        QTest::addColumn<QString>("executable");
        QTest::addColumn<QString>("windowClass");
        QTest::addColumn<int>("mode");
        // {row, enabled, default mode, executable, window class, mode}
        // clang-format off
        const struct {
            const char *row;
            bool enabled;
            int defaultMode;
            const char *exe, *cls;
            int mode;
        } rows[] = {
            {"executable", true, 2, "cs2", "", 3},
            {"executable, other case", true, 2, "CS2", "x", 3},
            {"executable by path", true, 2, "/usr/games/cs2", "", 3},
            {"Windows image name", true, 2, "C:\\Games\\cs2.EXE", "", 3},
            {"executable before class", true, 2, "cs2", "steam", 3},
            {"class when the executable has none", true, 2, "wine64", "Steam", 4},
            {"class never as executable", true, 2, "bash", "cs2x", 2},
            {"neither: default", true, 2, "bash", "xterm", 2},
            {"neither: stay", true, 0, "bash", "", 0},
            {"nothing known", true, 5, "", "", 5},
            {"off", false, 2, "cs2", "steam", 0},
        };
        // clang-format on
        for (const auto &r : rows)
            QTest::addRow("%s", r.row) << r.enabled << r.defaultMode << QString::fromUtf8(r.exe)
                                       << QString::fromUtf8(r.cls) << r.mode;
    }

    void modeForProgram()
    {
        QFETCH(bool, enabled);
        QFETCH(int, defaultMode);
        QFETCH(QString, executable);
        QFETCH(QString, windowClass);
        QFETCH(int, mode);
        ProgramRules rules;
        rules.enabled = enabled;
        rules.defaultMode = defaultMode;
        rules.rules = {{"cs2", 3}, {"steam", 4}, {"firefox-esr", 5}};
        QCOMPARE(::modeForProgram(rules, executable, windowClass), mode);
    }
};

QTEST_GUILESS_MAIN(TestProductConfig)
#include "tst_productconfig.moc"
