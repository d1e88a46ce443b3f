#include "common/FileBytes.h"
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
        const QString appDir = m_home->path() + "/app";
        QDir().mkpath(appDir);
        QSettings s(defaultConfigPath(appDir), QSettings::IniFormat);
        s.setValue("Config/LangID", 0);
        s.setValue("Mouse_List/Count", 2);
        s.setValue("Mouse_List/PRODUCT_NAME_0", "NX-01");
        s.setValue("Mouse_List/PRODUCT_NAME_1", "NX-02");
        s.setValue("FONT_LIST/FONT_0", "Arial");
        return appDir;
    }

    // Catalogue rows as a Config.ini spells them; row n gets product ID
    // firstPid + n.
    static QStringList catalogueLines(const QStringList &names, int firstPid)
    {
        QStringList lines;
        for (int i = 0; i < names.size(); ++i) {
            const QString n = QString::number(i);
            lines << "VID_" + n + "=65535"
                  << "PID_" + n + '=' + QString::number(firstPid + i) << "USAGE_0_" + n + "=1"
                  << "USAGEPAGE_0_" + n + "=65281"
                  << "VER_MIN_" + n + "=0"
                  << "VER_MAX_" + n + "=7"
                  << "PRODUCT_NAME_" + n + '=' + names.at(i);
        }
        return lines;
    }

private slots:
    void init() { m_home = std::make_unique<TestHome>(); }
    void cleanup() { m_home.reset(); }

    void missingSectionsAreFilledAndTheRestKept()
    {
        const QString appDir = makeDefault();
        QDir().mkpath(dataFolder());
        {
            QSettings s(globalConfigPath(), QSettings::IniFormat);
            s.setValue("Config/LangID", 2);
            s.setValue("Config/CurrentProductName", "NX-02");
            s.setValue("MACRO_LIST/0", "burst");
        }
        QVERIFY(seedDataFolder(appDir));
        QSettings s(globalConfigPath(), QSettings::IniFormat);
        QCOMPARE(s.value("Config/LangID").toInt(), 2);
        QCOMPARE(s.value("Config/CurrentProductName").toString(), "NX-02");
        QCOMPARE(s.value("MACRO_LIST/0").toString(), "burst");
        QCOMPARE(s.value("Mouse_List/Count").toInt(), 2);
        QCOMPARE(s.value("FONT_LIST/FONT_0").toString(), "Arial");
    }

    void catalogueGrowsWithTheShippedOne_data()
    {
        QTest::addColumn<QStringList>("user");
        QTest::addColumn<QStringList>("shipped");
        QTest::addColumn<QStringList>("expected");

        const QStringList shipped{"NX-01", "NX-02", "NX-03"};
        QTest::newRow("missing ones appended in shipped order")
            << QStringList{"MINE", "NX-02"} << shipped
            << QStringList{"MINE", "NX-02", "NX-01", "NX-03"};
        QTest::newRow("nothing missing") << QStringList{"NX-03", "NX-01", "NX-02"} << shipped
                                         << QStringList{"NX-03", "NX-01", "NX-02"};
        QStringList full;
        for (int i = 0; i < 199; ++i)
            full << QStringLiteral("OLD-%1").arg(i);
        QTest::newRow("one row left below 200")
            << full << shipped << (QStringList(full) << "NX-01");
        full << "OLD-199";
        QTest::newRow("200 rows already") << full << shipped << full;
    }

    // The user's rows stay as they were, line for line; the missing
    // shipped ones follow with every field of theirs.
    void catalogueGrowsWithTheShippedOne()
    {
        QFETCH(QStringList, user);
        QFETCH(QStringList, shipped);
        QFETCH(QStringList, expected);
        const QString appDir = m_home->path() + "/app";
        const QStringList userLines = catalogueLines(user, 4000);
        QVERIFY(writeFileBytes(globalConfigPath(),
                               ("[Config]\nLangID=2\n\n[Mouse_List]\nCount=" +
                                QString::number(user.size()) + '\n' + userLines.join('\n') + '\n')
                                   .toUtf8()));
        const QByteArray before = fileBytes(globalConfigPath());
        QVERIFY(writeFileBytes(defaultConfigPath(appDir),
                               ("[Mouse_List]\nCount=" + QString::number(shipped.size()) + '\n' +
                                catalogueLines(shipped, 100).join('\n'))
                                   .toUtf8()));

        QVERIFY(seedDataFolder(appDir));

        const QByteArray after = fileBytes(globalConfigPath());
        if (expected == user)
            QCOMPARE(after, before); // nothing to add: the file is not rewritten
        const QStringList afterLines = QString::fromUtf8(after).split('\n');
        for (const QString &line : userLines)
            QVERIFY2(afterLines.contains(line), qPrintable(line));
        QSettings s(globalConfigPath(), QSettings::IniFormat);
        QCOMPARE(s.value("Mouse_List/Count").toInt(), expected.size());
        QCOMPARE(s.value("Config/LangID").toInt(), 2);
        for (int row = user.size(); row < expected.size(); ++row) {
            const QString n = QString::number(row);
            const int from = shipped.indexOf(expected.at(row));
            QCOMPARE(s.value("Mouse_List/PRODUCT_NAME_" + n).toString(), expected.at(row));
            QCOMPARE(s.value("Mouse_List/PID_" + n).toInt(), 100 + from);
            QCOMPARE(s.value("Mouse_List/VER_MAX_" + n).toInt(), 7);
        }
        QVERIFY(!s.contains("Mouse_List/PRODUCT_NAME_" + QString::number(expected.size())));
    }

    void languageOfTheLocale_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("langId");
        QTest::newRow("mainland") << "zh_CN" << 1;
        QTest::newRow("Singapore") << "zh_SG" << 1;
        QTest::newRow("Taiwan") << "zh_TW" << 2;
        QTest::newRow("Hong Kong") << "zh_HK" << 2;
        QTest::newRow("Macao") << "zh_MO" << 2;
        QTest::newRow("English") << "en_US" << 0;
        QTest::newRow("Japanese") << "ja_JP" << 0;
        QTest::newRow("C") << "C" << 0;
    }

    void languageOfTheLocale()
    {
        QFETCH(QString, locale);
        QFETCH(int, langId);
        QCOMPARE(languageIdForLocale(QLocale(locale)), langId);
    }

    void withoutADefaultNothingIsInvented()
    {
        // Nothing of the data home exists yet: the folder is made all the same.
        const QString fresh = m_home->path() + "/fresh/share";
        qputenv("XDG_DATA_HOME", fresh.toLocal8Bit());
        QCOMPARE(dataFolder(), TestHome::dataFolderIn(fresh));
        QVERIFY(!seedDataFolder(m_home->path() + "/nowhere"));
        QVERIFY(QDir(dataFolder()).exists());
        QVERIFY(!QFile::exists(globalConfigPath()));
    }

    void shippedCatalogueNamesEveryModelOnce()
    {
        QVERIFY(seedDataFolder(QStringLiteral(KORVALEN_APP_DIR)));
        DeviceContext::reset();
        loadDeviceCatalogue();
        const DeviceCatalogue &c = DeviceContext::catalogue();
        QVERIFY(c.count > 50);
        QSet<QString> names;
        QSet<quint32> ids;
        for (int n = 0; n < int(c.count); ++n) {
            names.insert(QString::fromUtf8(c.entries[n].productName));
            ids.insert(c.entries[n].vendorId << 16 | c.entries[n].productId);
        }
        // Distinct IDs, or one virtual mouse would pass for several models.
        QCOMPARE(names.size(), int(c.count));
        QVERIFY(!names.contains(QString()));
        QCOMPARE(ids.size(), int(c.count));
        QSettings s(globalConfigPath(), QSettings::IniFormat);
        QCOMPARE(s.value("Config/LangID").toInt(), 0);
        for (int lang = 0; lang < 3; ++lang)
            QVERIFY(
                !s.value(QStringLiteral("FONT_LIST/FONT_%1").arg(lang)).toStringList().isEmpty());
        DeviceContext::reset();
    }
};

QTEST_GUILESS_MAIN(TestDataFolder)
#include "tst_datafolder.moc"
