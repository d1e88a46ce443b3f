#include "common/FileBytes.h"
#include "common/QSettingsFormat.h"
#include "common/TestHome.h"

#include "store/IniFile.h"

#include <QtTest>

// The INI writer against QSettings (Qt 5.15), whose format the files have:
// the same edits of the same file give the same bytes, and every key of the
// file reads as QSettings reads it.
class TestIniFile : public QObject
{
    Q_OBJECT

private slots:
    void writesWhatQSettingsWrites_data()
    {
        QTest::addColumn<QString>("fixture"); // a file to start from, or none
        QTest::addColumn<QVariantMap>("edits");
        const QString shipped = QStringLiteral(KORVALEN_APP_DIR "/Config.ini");
        const QString corpus = QStringLiteral(KORVALEN_TEST_DATA "/../fuzz/corpus/");
        QTest::addRow("global: language, product, macro slot")
            << shipped
            << QVariantMap{{"Config/LangID", 2},
                           {"Config/CurrentProductName", "NX-19"},
                           {"MACRO_LIST/0", "burst 2"},
                           {"MACRO_LIST/1", QString()}};
        QTest::addRow("global: catalogue row, font lists")
            << shipped
            << QVariantMap{
                   {"Mouse_List/Count", 60},
                   {"Mouse_List/PRODUCT_NAME_59", "NX-99"},
                   {"Mouse_List/VID_59", 65535u},
                   {"FONT_LIST/FONT_0", QStringList{"Arial", "Liberation Sans"}},
                   {"FONT_LIST/FONT_1", QStringList{"One"}},
                   {"FONT_LIST/FONT_2", QStringList()},
                   {"FONT_LIST/FONT_3", QStringList{"a,b", " c", "@d", "e=f", "\u4e2d", ""}},
                   {"FONT_LIST/FONT_SIZE_3", 12}};
        QTest::addRow("global: a new file")
            << QString()
            << QVariantMap{{"Config/LangID", 0},
                           {"FONT_LIST/FONT_0", QStringList{"Arial", "DejaVu Sans"}}};
        QTest::addRow("product: store keys and saved list")
            << corpus + "product_config/names.ini"
            << QVariantMap{{"Config/ProfileID", 3},
                           {"Config/Profile3", "My; profile"},
                           {"PROFILE_LIST/Count", 3},
                           {"PROFILE_LIST/3", "caf\u00e9"}};
        QTest::addRow("product: a new file") << QString()
                                             << QVariantMap{{"Config/ProfileID", 0},
                                                            {"Config/AngleValue", 1},
                                                            {"Config/Profile1", "Profile1"},
                                                            {"PROFILE_LIST/Count", 1},
                                                            {"PROFILE_LIST/1", "Profile1"}};
        QTest::addRow("macro: saved over")
            << corpus + "macro_file/burst.MSMACRO"
            << QVariantMap{{"Setting/MacroFilePath", "/home/a b/MacroDB/m.MSMACRO"},
                           {"Setting/Count", 1},
                           {"Setting/Map_0", 129},
                           {"Setting/DataH_0", 0},
                           {"Setting/DataL_0", 1}};
        QTest::addRow("macro: a file of another program")
            << corpus + "macro_file/wide.MSMACRO" << QVariantMap{{"Setting/DelayType", 2}};
    }

    void writesWhatQSettingsWrites()
    {
        SKIP_UNLESS_QSETTINGS_WRITES_THE_FORMAT();
        QFETCH(QString, fixture);
        QFETCH(QVariantMap, edits);
        TestHome home;
        const QString ours = home.path() + "/ours/file.ini";
        const QString theirs = home.path() + "/theirs.ini";
        if (!fixture.isEmpty()) {
            QDir().mkpath(QFileInfo(ours).path());
            QVERIFY(QFile::copy(fixture, ours));
            QVERIFY(QFile::copy(fixture, theirs));
        }
        {
            // Read as QSettings reads it.
            const QSettings reference(theirs, QSettings::IniFormat);
            const IniFile file(ours);
            for (const QString &key : reference.allKeys())
                QCOMPARE(file.value(key), reference.value(key));
        }
        IniFile file(ours);
        {
            QSettings reference(theirs, QSettings::IniFormat);
            for (auto it = edits.cbegin(); it != edits.cend(); ++it) {
                file.setValue(it.key(), it.value());
                reference.setValue(it.key(), it.value());
            }
        }
        QVERIFY(file.commit());
        QCOMPARE(fileBytes(ours), fileBytes(theirs));
        QVERIFY(!QFile::exists(ours + ".lock"));
        // Read back as QSettings reads it: the lists as lists.
        const QSettings reference(ours, QSettings::IniFormat);
        for (auto it = edits.cbegin(); it != edits.cend(); ++it)
            QCOMPARE(IniFile(ours).value(it.key()), reference.value(it.key()));
    }

    // Writers of one file keep each other's keys: each writes what it set
    // into the file as it is then.
    void writersKeepEachOthersKeys()
    {
        TestHome home;
        const QString path = home.path() + "/shared.ini";
        IniFile first(path);
        IniFile second(path);
        first.setValue("Config/A", 1);
        second.setValue("Config/B", 2);
        QVERIFY(first.commit());
        QVERIFY(second.commit());
        QCOMPARE(fileBytes(path), QByteArray("[Config]\nA=1\nB=2\n"));
    }
};

QTEST_GUILESS_MAIN(TestIniFile)
#include "tst_inifile.moc"
