#include "common/TestHome.h"

#include "device/DeviceCatalogue.h"
#include "device/DeviceContext.h"
#include "store/DataFolder.h"

#include <QSet>
#include <QtTest>

class TestDataFolder : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestHome> m_home;

    QString makeDefault()
    {
        const QString appDir = m_home->path() + QStringLiteral("/app");
        QDir().mkpath(appDir);
        QSettings s(defaultConfigPath(appDir), QSettings::IniFormat);
        s.setValue(QStringLiteral("Config/LangID"), 0);
        s.setValue(QStringLiteral("Mouse_List/Count"), 2);
        s.setValue(QStringLiteral("Mouse_List/PRODUCT_NAME_0"), QStringLiteral("NX-01"));
        s.setValue(QStringLiteral("Mouse_List/PRODUCT_NAME_1"), QStringLiteral("NX-02"));
        s.setValue(QStringLiteral("FONT_LIST/FONT_0"), QStringLiteral("Arial"));
        return appDir;
    }

private slots:
    void init() { m_home = std::make_unique<TestHome>(); }
    void cleanup() { m_home.reset(); }

    void folderFollowsXdgDataHome()
    {
        QCOMPARE(dataFolder(), m_home->dataFolder());
        QCOMPARE(globalConfigPath(), dataFolder() + QStringLiteral("/Config.ini"));
    }

    void folderOfAFreshAccount()
    {
        // Nothing of the data home exists yet.
        const QString fresh = m_home->path() + QStringLiteral("/fresh/share");
        qputenv("XDG_DATA_HOME", fresh.toLocal8Bit());
        QCOMPARE(dataFolder(), TestHome::dataFolderIn(fresh));
        QVERIFY(seedDataFolder(makeDefault()));
        QVERIFY(QFile::exists(TestHome::dataFolderIn(fresh) + QStringLiteral("/Config.ini")));
    }

    void missingFileIsCreatedFromTheDefault()
    {
        const QString appDir = makeDefault();
        QVERIFY(seedDataFolder(appDir));
        QSettings s(globalConfigPath(), QSettings::IniFormat);
        QCOMPARE(s.value(QStringLiteral("Mouse_List/Count")).toInt(), 2);
        QCOMPARE(s.value(QStringLiteral("Mouse_List/PRODUCT_NAME_1")).toString(),
                 QStringLiteral("NX-02"));
    }

    void missingSectionsAreFilledAndTheRestKept()
    {
        const QString appDir = makeDefault();
        QDir().mkpath(dataFolder());
        {
            QSettings s(globalConfigPath(), QSettings::IniFormat);
            s.setValue(QStringLiteral("Config/LangID"), 2);
            s.setValue(QStringLiteral("Config/CurrentProductName"), QStringLiteral("NX-02"));
            s.setValue(QStringLiteral("MACRO_LIST/0"), QStringLiteral("burst"));
        }
        QVERIFY(seedDataFolder(appDir));
        QSettings s(globalConfigPath(), QSettings::IniFormat);
        QCOMPARE(s.value(QStringLiteral("Config/LangID")).toInt(), 2);
        QCOMPARE(s.value(QStringLiteral("Config/CurrentProductName")).toString(),
                 QStringLiteral("NX-02"));
        QCOMPARE(s.value(QStringLiteral("MACRO_LIST/0")).toString(), QStringLiteral("burst"));
        QCOMPARE(s.value(QStringLiteral("Mouse_List/Count")).toInt(), 2);
        QCOMPARE(s.value(QStringLiteral("FONT_LIST/FONT_0")).toString(), QStringLiteral("Arial"));
    }

    void anExistingCatalogueIsLeftAlone()
    {
        const QString appDir = makeDefault();
        QDir().mkpath(dataFolder());
        {
            QSettings s(globalConfigPath(), QSettings::IniFormat);
            s.setValue(QStringLiteral("Mouse_List/Count"), 1);
            s.setValue(QStringLiteral("Mouse_List/PRODUCT_NAME_0"), QStringLiteral("MINE"));
        }
        QVERIFY(seedDataFolder(appDir));
        QSettings s(globalConfigPath(), QSettings::IniFormat);
        QCOMPARE(s.value(QStringLiteral("Mouse_List/Count")).toInt(), 1);
        QCOMPARE(s.value(QStringLiteral("Mouse_List/PRODUCT_NAME_0")).toString(),
                 QStringLiteral("MINE"));
        QVERIFY(!s.contains(QStringLiteral("Mouse_List/PRODUCT_NAME_1")));
    }

    void withoutADefaultNothingIsInvented()
    {
        QVERIFY(!seedDataFolder(m_home->path() + QStringLiteral("/nowhere")));
        QVERIFY(QDir(dataFolder()).exists());
        QVERIFY(!QFile::exists(globalConfigPath()));
    }

    void shippedCatalogueNamesEveryModelOnce()
    {
        QVERIFY(seedDataFolder(QStringLiteral(KORVALEN_APP_DIR)));
        DeviceContext::reset();
        loadDeviceCatalogue();
        const DeviceCatalogue &c = DeviceContext::catalogue();
        QStringList expected;
        for (int i = 1; i <= 57; ++i)
            expected << QStringLiteral("NX-%1").arg(i, 2, 10, QLatin1Char('0'));
        expected << QStringLiteral("TEST") << QStringLiteral("TEST xx");
        QCOMPARE(int(c.count), expected.size());
        QSet<quint32> ids;
        for (int n = 0; n < int(c.count); ++n) {
            QCOMPARE(QString::fromUtf8(c.entries[n].productName), expected.at(n));
            ids.insert(c.entries[n].vendorId << 16 | c.entries[n].productId);
        }
        // Distinct IDs, or one virtual mouse would pass for several models.
        QCOMPARE(ids.size(), expected.size());
        QSettings s(globalConfigPath(), QSettings::IniFormat);
        QCOMPARE(s.value(QStringLiteral("Config/LangID")).toInt(), 0);
        for (int lang = 0; lang < 3; ++lang)
            QVERIFY(!s.value(QStringLiteral("FONT_LIST/FONT_%1").arg(lang)).toString().isEmpty());
        DeviceContext::reset();
    }
};

QTEST_GUILESS_MAIN(TestDataFolder)
#include "tst_datafolder.moc"
