#include "common/FileBytes.h"
#include "common/HostileValues.h"
#include "common/MessageLog.h"
#include "common/QSettingsFormat.h"
#include "common/TestHome.h"

#include "store/ConfigFile.h"
#include "store/IniFile.h"
#include "store/ProductConfig.h"
#include "store/ProfileFile.h"

#include <QElapsedTimer>
#include <QtTest>

#include <limits>

// The INI writer against QSettings (Qt 5.15), whose format the files have:
// the same edits of the same file give the same bytes, and every key of the
// file reads as QSettings reads it; and the readers against files that
// hold what no writer of ours would.
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
    // Numbers and colours in the files that the readers must not turn into
    // something else: no wrapping, no undefined colour, no count walked
    // blindly.
    void wideNumbersAreClamped_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("stage"); // a 32-bit unsigned field
        QTest::addColumn<qint64>("fun");   // a 32-bit signed field
        const qint64 uMax = std::numeric_limits<quint32>::max();
        const qint64 iMax = std::numeric_limits<qint32>::max();
        const qint64 iMin = std::numeric_limits<qint32>::min();
        QTest::addRow("past 2^31") << "3000000000" << qint64(3000000000) << iMax;
        QTest::addRow("2^32 + 1") << "4294967297" << uMax << iMax;
        QTest::addRow("past 64 bits") << "99999999999999999999999" << qint64(0) << qint64(0);
        QTest::addRow("below the int range") << "-4294967297" << qint64(0) << iMin;
        QTest::addRow("negative") << "-5" << qint64(0) << qint64(-5);
        QTest::addRow("plain") << "700" << qint64(700) << qint64(700);
    }

    void wideNumbersAreClamped()
    {
        QFETCH(QString, text);
        QFETCH(qint64, stage);
        QFETCH(qint64, fun);
        TestHome home;
        const QString path = home.path() + "/wide.prof";
        QVERIFY(writeFileBytes(path, "[PROFILE]\nDPI_INFO_1_x=" + text.toLatin1() +
                                         "\nBUTTON_INFO_2_Fun=" + text.toLatin1() + "\n"));
        ProfileData rec;
        readProfile(rec, path);
        QCOMPARE(qint64(rec.DPI_INFO[1].x), stage);
        QCOMPARE(qint64(rec.BUTTON_INFO[2].Fun), fun);
    }

    // A colour whose serialised model number is none of Qt's reads as
    // black, with a warning; a good colour next to it is unaffected.
    void unknownColourModelReadsBlack()
    {
        TestHome home;
        const QString path = home.path() + "/colour.prof";
        {
            QSettings file(path, QSettings::IniFormat);
            file.setValue("PROFILE/LedMode/LED_MODE_1_RGB", QColor(10, 20, 30));
            file.setValue("PROFILE/LedMode/LED_MODE_2_RGB", QColor(40, 50, 60));
        }
        QByteArray text = fileBytes(path);
        // The model number is the byte after the QColor type id; 0x7f is
        // none of Qt's.
        const QByteArray good = "LED_MODE_1_RGB=@Variant(\\0\\0\\0\\x43\\x1\\xff";
        const int at = text.indexOf(good);
        QVERIFY2(at >= 0, text.constData());
        text.replace(at, good.size(), "LED_MODE_1_RGB=@Variant(\\0\\0\\0\\x43\\x7f\\xff");
        QVERIFY(writeFileBytes(path, text));

        MessageLog log("korvalen.store");
        ProfileData rec;
        readProfile(rec, path);
        QCOMPARE(rec.LED_MODE[1].RGB, LedColour::fromRgb(0, 0, 0));
        QCOMPARE(rec.LED_MODE[2].RGB, LedColour::fromRgb(40, 50, 60));
        QCOMPARE(log.messages.filter("LED_MODE_1_RGB").size(), 1);
    }

    // A serialised value that could claim more than its line holds reads
    // as no value, in the whole-file reader and the plain one, and a file
    // written back keeps its line as it stands. Values of the kinds read
    // read as QSettings reads them.
    void serialisedValuesReadAsNothing_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("hostile");
        for (const HostileValue &value : hostileValues())
            QTest::addRow("%s", value.name) << value.text << true;
        QTest::addRow("text") << QByteArray(R"(@Variant(\0\0\0\n\0\0\0\x4\0h\0i))") << false;
        QTest::addRow("number") << QByteArray(R"(@Variant(\0\0\0\x2\xff\xff\xff\xfe))") << false;
        QTest::addRow("bytes") << QByteArray(R"(@Variant(\0\0\0\f\0\0\0\x2xy))") << false;
        QTest::addRow("a list") << QByteArray("a, b,c") << false;
    }

    void serialisedValuesReadAsNothing()
    {
        QFETCH(QByteArray, text);
        QFETCH(bool, hostile);
        TestHome home;
        const QString path = home.path() + "/values.ini";
        const QByteArray line = "x=" + text + "\n";
        QVERIFY(writeFileBytes(path, "[Setting]\nCount=2\n" + line + "y=after\n"));
        IniFile ini(path);
        QCOMPARE(ini.value("Setting/Count"), QVariant("2"));
        QCOMPARE(ini.value("Setting/y"), QVariant("after"));
        std::vector<QVariant> plain;
        const bool plainRead =
            readPlainIniSection(path, "Setting", PlainIniKeys({"Count", "x", "y"}), plain);
        if (hostile) {
            QCOMPARE(ini.value("Setting/x"), QVariant());
            QVERIFY(!plainRead || !plain[1].isValid());
        } else {
            const QVariant expected = QSettings(path, QSettings::IniFormat).value("Setting/x");
            QCOMPARE(ini.value("Setting/x"), expected);
            QVERIFY(!plainRead || plain[1] == expected);
        }
        ini.setValue("Setting/Count", 3);
        QVERIFY(ini.commit());
        const QByteArray written = fileBytes(path);
        QVERIFY2(!hostile || written.contains("\n" + line), written.constData());
    }

    void listCountsAreBoundedByTheFile_data()
    {
        QTest::addColumn<QString>("count");
        QTest::addColumn<int>("expected");
        QTest::addRow("two billion") << "2000000000" << 2;
        QTest::addRow("past 2^32") << "8589934594" << 2;
        QTest::addRow("one short") << "1" << 1;
        QTest::addRow("negative") << "-3" << 0;
        QTest::addRow("as written") << "2" << 2;
    }

    void listCountsAreBoundedByTheFile()
    {
        QFETCH(QString, count);
        QFETCH(int, expected);
        TestHome home;
        writeProductName("NX-19");
        QVERIFY(writeSavedNames({"one", "two"}));
        {
            QSettings file(productConfigPath(), QSettings::IniFormat);
            file.setValue("PROFILE_LIST/Count", count);
            file.setValue("PROFILE_LIST/SCount", count);
            file.setValue("PROFILE_LIST/S2", "second");
        }
        QElapsedTimer timer;
        timer.start();
        QStringList names;
        readSavedNames(names);
        QCOMPARE(names.size(), expected);
        QCOMPARE(isInSecondList("absent"), false);
        QVERIFY(timer.elapsed() < 2000);
    }
};

QTEST_GUILESS_MAIN(TestIniFile)
#include "tst_inifile.moc"
