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

    // Catalogue rows as a Config.ini spells them; row n gets product ID
    // firstPid + n.
    static QStringList catalogueLines(const QStringList &names, int firstPid)
    {
        QStringList lines;
        for (int i = 0; i < names.size(); ++i) {
            const QString n = QString::number(i);
            lines << QStringLiteral("VID_") + n + QStringLiteral("=65535")
                  << QStringLiteral("PID_") + n + QLatin1Char('=') + QString::number(firstPid + i)
                  << QStringLiteral("USAGE_0_") + n + QStringLiteral("=1")
                  << QStringLiteral("USAGEPAGE_0_") + n + QStringLiteral("=65281")
                  << QStringLiteral("VER_MIN_") + n + QStringLiteral("=0")
                  << QStringLiteral("VER_MAX_") + n + QStringLiteral("=7")
                  << QStringLiteral("PRODUCT_NAME_") + n + QLatin1Char('=') + names.at(i);
        }
        return lines;
    }

    static void writeText(const QString &path, const QString &text)
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(text.toUtf8());
    }

    static QByteArray readBytes(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
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

    void catalogueGrowsWithTheShippedOne_data()
    {
        QTest::addColumn<QStringList>("user");
        QTest::addColumn<QStringList>("shipped");
        QTest::addColumn<QStringList>("expected");

        const QStringList shipped{QStringLiteral("NX-01"), QStringLiteral("NX-02"),
                                  QStringLiteral("NX-03")};
        QTest::newRow("missing ones appended in shipped order")
            << QStringList{QStringLiteral("MINE"), QStringLiteral("NX-02")} << shipped
            << QStringList{QStringLiteral("MINE"), QStringLiteral("NX-02"), QStringLiteral("NX-01"),
                           QStringLiteral("NX-03")};
        QTest::newRow("nothing missing")
            << QStringList{QStringLiteral("NX-03"), QStringLiteral("NX-01"),
                           QStringLiteral("NX-02")}
            << shipped
            << QStringList{QStringLiteral("NX-03"), QStringLiteral("NX-01"),
                           QStringLiteral("NX-02")};
        QStringList full;
        for (int i = 0; i < 199; ++i)
            full << QStringLiteral("OLD-%1").arg(i);
        QTest::newRow("one row left below 200")
            << full << shipped << (QStringList(full) << QStringLiteral("NX-01"));
        full << QStringLiteral("OLD-199");
        QTest::newRow("200 rows already") << full << shipped << full;
    }

    // The user's rows stay as they were, line for line; the missing
    // shipped ones follow with every field of theirs.
    void catalogueGrowsWithTheShippedOne()
    {
        QFETCH(QStringList, user);
        QFETCH(QStringList, shipped);
        QFETCH(QStringList, expected);
        const QString appDir = m_home->path() + QStringLiteral("/app");
        QDir().mkpath(appDir);
        QDir().mkpath(dataFolder());
        const QStringList userLines = catalogueLines(user, 4000);
        writeText(globalConfigPath(), QStringLiteral("[Config]\nLangID=2\n\n[Mouse_List]\nCount=") +
                                          QString::number(user.size()) + QLatin1Char('\n') +
                                          userLines.join(QLatin1Char('\n')) + QLatin1Char('\n'));
        const QByteArray before = readBytes(globalConfigPath());
        writeText(defaultConfigPath(appDir),
                  QStringLiteral("[Mouse_List]\nCount=") + QString::number(shipped.size()) +
                      QLatin1Char('\n') + catalogueLines(shipped, 100).join(QLatin1Char('\n')));

        QVERIFY(seedDataFolder(appDir));

        const QByteArray after = readBytes(globalConfigPath());
        if (expected == user)
            QCOMPARE(after, before); // nothing to add: the file is not rewritten
        const QStringList afterLines = QString::fromUtf8(after).split(QLatin1Char('\n'));
        for (const QString &line : userLines)
            QVERIFY2(afterLines.contains(line), qPrintable(line));
        QSettings s(globalConfigPath(), QSettings::IniFormat);
        QCOMPARE(s.value(QStringLiteral("Mouse_List/Count")).toInt(), expected.size());
        QCOMPARE(s.value(QStringLiteral("Config/LangID")).toInt(), 2);
        for (int row = user.size(); row < expected.size(); ++row) {
            const QString n = QString::number(row);
            const int from = shipped.indexOf(expected.at(row));
            QCOMPARE(s.value(QStringLiteral("Mouse_List/PRODUCT_NAME_") + n).toString(),
                     expected.at(row));
            QCOMPARE(s.value(QStringLiteral("Mouse_List/PID_") + n).toInt(), 100 + from);
            QCOMPARE(s.value(QStringLiteral("Mouse_List/VER_MAX_") + n).toInt(), 7);
        }
        QVERIFY(!s.contains(QStringLiteral("Mouse_List/PRODUCT_NAME_") +
                            QString::number(expected.size())));
    }

    void languageOfTheLocale_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("langId");
        QTest::newRow("mainland") << QStringLiteral("zh_CN") << 1;
        QTest::newRow("Singapore") << QStringLiteral("zh_SG") << 1;
        QTest::newRow("Taiwan") << QStringLiteral("zh_TW") << 2;
        QTest::newRow("Hong Kong") << QStringLiteral("zh_HK") << 2;
        QTest::newRow("Macao") << QStringLiteral("zh_MO") << 2;
        QTest::newRow("English") << QStringLiteral("en_US") << 0;
        QTest::newRow("Japanese") << QStringLiteral("ja_JP") << 0;
        QTest::newRow("C") << QStringLiteral("C") << 0;
    }

    void languageOfTheLocale()
    {
        QFETCH(QString, locale);
        QFETCH(int, langId);
        QCOMPARE(languageIdForLocale(QLocale(locale)), langId);
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
            QVERIFY(
                !s.value(QStringLiteral("FONT_LIST/FONT_%1").arg(lang)).toStringList().isEmpty());
        DeviceContext::reset();
    }
};

QTEST_GUILESS_MAIN(TestDataFolder)
#include "tst_datafolder.moc"
