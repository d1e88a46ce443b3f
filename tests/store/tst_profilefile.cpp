// The .prof format: writer, reader, partial writers, the model tag, and
// the profile names that become the files' names.

#include "RandomRecord.h"
#include "common/FileBytes.h"
#include "common/FileSnapshot.h"
#include "common/QSettingsFormat.h"
#include "common/QtColours.h"
#include "common/TestHome.h"
#include "store/ConfigFile.h"
#include "store/DataFolder.h"
#include "store/IniDocument.h"
#include "store/IniFile.h"
#include "store/ProductConfig.h"
#include "store/ProfileFile.h"

#include <QtTest>

#include <utility>

namespace {

// A file QSettings 5.15 wrote for a record with a value of its own in every
// key (random numbers, texts INI must escape, colours of each kind and an
// invalid one): the format as another program writes it.
const QString kEveryField = QStringLiteral(KORVALEN_TEST_DATA "/store/every-field.prof");

ProfileData junkRecord()
{
    QRandomGenerator rng(999);
    return RandomRecord::profile(rng);
}

// A value as the store reads it, for comparing with what QSettings reads.
QVariant storeForm(const QVariant &value)
{
    return value.userType() == QMetaType::QColor ? QVariant::fromValue(ledColourOf(value)) : value;
}

void compareValues(const QVariant &actual, const QVariant &expected, const QString &key)
{
    QVERIFY2(actual.userType() == storeForm(expected).userType(), qPrintable(key));
    if (expected.userType() == QMetaType::QColor)
        QVERIFY2(actual.value<LedColour>() == ledColourOf(expected), qPrintable(key));
    else
        QVERIFY2(actual == expected, qPrintable(key));
}

} // namespace

class TestProfileFile : public QObject
{
    Q_OBJECT

private slots:
    void colourAgreesWithQColor_data()
    {
        // A colour in each of QColor's models (or the text it is read from):
        // the store's colour must send the channels QColor rounds to, be
        // spelled as QColor spells it, and serialise to QColor's bytes.
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<QString>("text");
        QColor hsv;
        hsv.setHsv(123, 200, 177);
        QTest::addRow("8-bit RGB") << QColor(59, 44, 61) << QString();
        QTest::addRow("16-bit RGB") << hsv.toRgb() << QString();
        QTest::addRow("RGB with alpha") << QColor::fromRgba64(1, 30000, 65535, 7) << QString();
        for (int hue : {0, 59, 123, 180, 250, 300, 359})
            QTest::addRow("HSV hue %d", hue) << QColor::fromHsv(hue, 200, 177) << QString();
        QTest::addRow("HSV grey") << QColor::fromHsv(-1, 0, 90) << QString();
        for (int lightness : {0, 40, 127, 128, 200, 255})
            QTest::addRow("HSL lightness %d", lightness)
                << QColor::fromHsl(300, 120, lightness) << QString();
        QTest::addRow("HSL hue 20") << QColor::fromHsl(20, 255, 100) << QString();
        QTest::addRow("HSL grey") << QColor::fromHsl(-1, 0, 77) << QString();
        QTest::addRow("CMYK") << QColor::fromCmyk(10, 200, 30, 40) << QString();
        QTest::addRow("extended RGB")
            << QColor::fromRgbF(0.2, 0.7, 0.1).toExtendedRgb() << QString();
        QTest::addRow("extended RGB past 0 and 1")
            << QColor::fromRgbF(1.5, -0.25, 0.5) << QString();
        QTest::addRow("invalid") << QColor() << QString();
        for (const char *text : {"#3b2C3d", "#f0a", "#803b2c3d", "#3b12c43d5", "#3b0c2c003d00",
                                 "#12345", "#zz0000", "#+12345", "#3b 2c3d", "3b2c3d", ""})
            QTest::addRow("text %s", text) << QColor() << QString::fromLatin1(text);
    }

    void colourAgreesWithQColor()
    {
        QFETCH(QColor, colour);
        QFETCH(QString, text);
        LedColour ours = ledColourOf(colour);
        if (!text.isNull()) {
            colour = QColor(text);
            ours = LedColour::fromText(text);
            QCOMPARE(qColorOf(ours), colour);
        }
        QCOMPARE(ours.isValid(), colour.isValid());
        if (colour.isValid()) {
            QCOMPARE(ours.red(), colour.red());
            QCOMPARE(ours.green(), colour.green());
            QCOMPARE(ours.blue(), colour.blue());
            QCOMPARE(ours.name(), colour.name());
        }
        QByteArray bytes;
        {
            QDataStream stream(&bytes, QIODevice::WriteOnly);
            stream.setVersion(QDataStream::Qt_4_0);
            stream << QVariant(colour);
        }
        QCOMPARE(colourVariantBytes(ours).toHex(), bytes.toHex());
        LedColour back;
        QVERIFY(colourFromVariantBytes(bytes, back));
        QCOMPARE(back, ours);
    }

    // Each key of the format holds its own field, as QSettings reads it: one key
    // of every field, at the last index of each list.
    void everyKeyHoldsItsField()
    {
        ProfileData rec = junkRecord();
        readProfile(rec, kEveryField);
        const QSettings file(kEveryField, QSettings::IniFormat);
        QCOMPARE(file.allKeys().size(), 8406);
        const DpiInfo &d = rec.DPI_INFO[4];
        const ButtonInfo &b = rec.BUTTON_INFO[41];
        const KeyInfoEntry &k = rec.BUTTON_INFO[41].KeyInfo[62];
        const LedModeInfo &m = rec.LED_MODE[8];
        // clang-format off
        const std::pair<const char *, QVariant> fields[] = {
            {"pollrate", rec.pollrate}, {"dpi", rec.dpi}, {"mousespeed", rec.mousespeed},
            {"dbclickspeed", rec.dbclickspeed}, {"scrollispage", rec.scrollispage},
            {"scrollspeed", rec.scrollspeed}, {"accelenable", rec.accelenable}, {"acee", rec.acee},
            {"ProfileName", rec.ProfileName}, {"ProfilePath", rec.ProfilePath},
            {"LedMode", rec.LedMode}, {"DPI_INFO_4_used", d.used}, {"DPI_INFO_4_link", d.link},
            {"DPI_INFO_4_xy", d.xy}, {"DPI_INFO_4_x", d.x}, {"DPI_INFO_4_y", d.y},
            {"BUTTON_INFO_41_ID", b.ID}, {"BUTTON_INFO_41_Fun", b.Fun},
            {"BUTTON_INFO_41_LoopNumber", b.LoopNumber}, {"BUTTON_INFO_41_KeyNumber", b.KeyNumber},
            {"BUTTON_INFO_41_Res1", b.Res1}, {"BUTTON_INFO_41_Res2", b.Res2},
            {"BUTTON_INFO_41_Res3", b.Res3}, {"BUTTON_INFO_41_Res4", b.Res4},
            {"BUTTON_INFO_41_macroname", b.macroname}, {"BUTTON_INFO_41_KeyInfo_62_map", k.map},
            {"BUTTON_INFO_41_KeyInfo_62_", k.value}, {"BUTTON_INFO_41_KeyInfo_62_H", k.H},
            {"LedMode/LED_MODE_8_h", m.h}, {"LedMode/LED_MODE_8_s", m.s},
            {"LedMode/LED_MODE_8_v", m.v}, {"LedMode/LED_MODE_8_bright", m.bright},
            {"LedMode/LED_MODE_8_breath", m.breath}};
        // clang-format on
        for (const auto &[key, value] : fields) {
            const QVariant read = file.value("PROFILE/" + QLatin1String(key));
            QVERIFY2(read.toString() == value.toString(), key);
        }
        QCOMPARE(file.value("PROFILE/LedMode/LED_MODE_8_RGB").value<QColor>(), qColorOf(m.RGB));
        QVERIFY(!file.value("PROFILE/LedMode/LED_MODE_0_RGB").value<QColor>().isValid());
        QVERIFY(!rec.LED_MODE[0].RGB.isValid());
    }

    void plainSectionReaderAgreesWithQSettings_data()
    {
        // A file's text (or, when empty, the keys QSettings writes), and whether
        // the plain reader takes it on: whatever it takes it must read exactly
        // as QSettings does. The whole-file reader takes every file on, and an
        // edit of it must write what QSettings writes.
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QVariantMap>("written");
        QTest::addColumn<bool>("plain");
        QTest::addColumn<bool>("writable"); // the same text comes out of plainIniText
        const auto text = [](const char *name, const QByteArray &bytes, bool plain) {
            QTest::addRow("%s", name) << bytes << QVariantMap() << plain << false;
        };
        const auto written = [](const char *name, const QVariantMap &keys, bool plain) {
            QTest::addRow("written: %s", name) << QByteArray() << keys << plain << plain;
        };
        // clang-format off
        text("numbers", "[PROFILE]\npollrate=2\ndpi=-3\nbig=4294967295\n", true);
        text("value and prefix", "[PROFILE]\nLedMode=3\nLedMode\\LED_MODE_0_h=360\n", true);
        text("escapes", "[PROFILE]\nx=a\\tb\\x41\\0z\\\\\\\"q\\101\n", true);
        text("other sections, CRLF, a repeated section",
             "[MouseName]\r\nName=NX-19\r\n[PROFILE]\r\na=1\r\n\r\n[X]\r\nb=2\r\n[PROFILE]\r\na=3\r\n", true);
        text("missing file", QByteArray(), true);
        written("numbers, text, colours, empty text",
                {{"pollrate", 2}, {"DPI_INFO_0_x", 4294967295u}, {"BUTTON_INFO_0_macroname", "Burst 2"},
                 {"ProfileName", QString()}, {"minus", -7},
                 {"LedMode/LED_MODE_0_RGB", QColor(255, 0, 0)},
                 {"LedMode/LED_MODE_1_RGB", QColor(0, 16, 32, 48)},
                 {"LedMode/LED_MODE_2_RGB", QColor::fromHsv(200, 10, 0)},
                 {"LedMode/LED_MODE_3_RGB", QColor(59, 44, 61)},
                 {"LedMode/LED_MODE_4_RGB", QColor::fromHsl(300, 120, 90)},
                 {"LedMode/LED_MODE_5_RGB", QColor::fromCmyk(10, 200, 30, 40)},
                 {"LedMode/LED_MODE_6_RGB", QColor::fromHsv(123, 200, 177).toRgb()},
                 {"invalid", QColor()}}, true);
        written("a tab", {{"tab", "a\tb"}}, true);
        written("a list", {{"x", "a,b"}}, true);
        written("an equals sign", {{"x", "a=b"}}, true);
        written("beyond ASCII, escaped", {{"x", "caf\u00e9 \u4e2d"}}, true);
        written("leading space", {{"x", " a"}}, true);
        QTest::addRow("written: text starting with @ or holding a zero")
            << QByteArray() << QVariantMap{{"x", "@Variant(1)"}, {"y", QString(QChar(0))}} << false << true;
        written("a byte array", {{"x", QByteArray("ab")}}, false);
        text("a key the table lacks", "[PROFILE]\ndpi=1\nextra_key=2\n", false);
        text("comment", "; hi\n[PROFILE]\npollrate=1\n", false);
        text("spaces around =", "[PROFILE]\ndpi = 2\n", false);
        text("quoted", "[PROFILE]\nname=\"x\"\n", true);
        text("a repeated key", "[PROFILE]\ndpi=1\npollrate=2\ndpi=3\n", true);
        text("a list, a comment after a value", "[PROFILE]\nx = a, \"b\" ,c\ndpi=1 ; one\n", false);
        text("a section without its bracket", "[PROFILE]\ndpi=1\n[Other\nx=2\n", false);
        text("a cut colour, a long one", "[PROFILE]\nb=@Variant(\\0\\0\\0\\x43)\n"
             "c=@Variant(\\0\\0\\0\\x43\\x1\\0\\x1\\0\\x2\\0\\x3\\0\\x4\\0\\0\\0\\x5)\n", true);
        text("quote in another section", "[A]\nx=\"\n[PROFILE]\ndpi=1\n\"\n", false);
        text("ours spelled from General", "[General]\nPROFILE\\pollrate=5\n[PROFILE]\ndpi=1\n", false);
        text("escaped key", "[PROFILE]\nmy%20key=1\n", false);
        text("section in another case", "[profile]\ndpi=1\n", false);
        text("continued line", "[PROFILE]\nx=a\\\nb=1\n", false);
        text("long octal escape", "[PROFILE]\nx=\\1012\n", false);
        text("long hex escape", "[PROFILE]\nx=\\x00041\n", false);
        text("other @ form", "[PROFILE]\nx=@ByteArray(ab)\n", false);
        text("UTF-8 mark", "\xef\xbb\xbf[PROFILE]\ndpi=1\n", false);
        // clang-format on
    }

    void plainSectionReaderAgreesWithQSettings()
    {
        SKIP_UNLESS_QSETTINGS_WRITES_THE_FORMAT();
        QFETCH(QByteArray, text);
        QFETCH(QVariantMap, written);
        QFETCH(bool, plain);
        TestHome home;
        const QString path = home.path() + "/section.ini";
        if (!written.isEmpty()) {
            const QString original = home.path() + "/written.ini";
            {
                QSettings file(original, QSettings::IniFormat);
                file.beginGroup("PROFILE");
                for (auto it = written.cbegin(); it != written.cend(); ++it)
                    file.setValue(it.key(), it.value());
            }
            // A copy, so that QSettings parses it rather than recall what it wrote.
            QVERIFY(QFile::copy(original, path));
        } else if (!text.isEmpty()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(text);
        }

        QFETCH(bool, writable);
        if (!written.isEmpty()) {
            // In an order of their own: the writer must sort them as QSettings does.
            QStringList writtenKeys;
            std::vector<QVariant> values;
            for (auto it = written.cend(); it != written.cbegin();) {
                --it;
                writtenKeys << it.key();
                values.push_back(storeForm(it.value()));
            }
            QByteArray ours;
            QCOMPARE(plainIniText("PROFILE", PlainIniKeys(writtenKeys), values, ours), writable);
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            if (writable)
                QCOMPARE(ours, file.readAll());
        }

        // The table: what QSettings finds (but "extra_key"), and some keys it
        // must not find.
        QSettings file(path, QSettings::IniFormat);
        file.beginGroup("PROFILE");
        QStringList keys = file.allKeys();
        keys.removeAll("extra_key");
        for (const char *absent : {"absent", "b", "LedMode/LED_MODE_9_h", "pollrate"}) {
            if (!keys.contains(QLatin1String(absent)))
                keys << QLatin1String(absent);
        }
        IniDocument document;
        QVERIFY(document.load(path));
        for (const QString &key : qAsConst(keys))
            compareValues(document.value("PROFILE/" + key), file.value(key), key);
        std::vector<QVariant> values;
        QCOMPARE(readPlainIniSection(path, "PROFILE", PlainIniKeys(keys), values), plain);
        if (plain) {
            for (int i = 0; i < keys.size(); ++i)
                compareValues(values[size_t(i)], file.value(keys[i]), keys[i]);
        }

        // An edit: a key changed, a colour set, a section added.
        const QString reference = home.path() + "/reference.ini";
        if (QFile::exists(path))
            QVERIFY(QFile::copy(path, reference));
        {
            QSettings edited(reference, QSettings::IniFormat);
            edited.setValue("PROFILE/dpi", 7);
            edited.setValue("PROFILE/LedMode/LED_MODE_5_RGB", QColor(59, 44, 61));
            edited.setValue("MouseName/Name", "NX-19");
        }
        QVERIFY(editIniFile(path, [](IniDocument &edited) {
            edited.setValue("PROFILE/dpi", 7);
            edited.setValue("PROFILE/LedMode/LED_MODE_5_RGB",
                            QVariant::fromValue(LedColour::fromRgb(59, 44, 61)));
            edited.setValue("MouseName/Name", "NX-19");
        }));
        QCOMPARE(fileBytes(path), fileBytes(reference));
    }

    // The writer gives what QSettings wrote for the same record: in a new file,
    // in an empty one, and over a file with another record, another section and
    // keys of its own.
    void newFileTextIsWhatQSettingsWrites()
    {
        SKIP_UNLESS_QSETTINGS_WRITES_THE_FORMAT();
        ProfileData rec;
        readProfile(rec, kEveryField);
        TestHome home;
        const QString fresh = home.path() + "/new/fresh.prof";
        const QString existing = home.path() + "/existing.prof";
        {
            QFile file(existing);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QVERIFY(writeProfile(rec, fresh));
        QVERIFY(writeProfile(rec, existing));
        const QByteArray expected = fileBytes(kEveryField);
        QCOMPARE(expected.count('\n'), 8407);
        QCOMPARE(fileBytes(fresh), expected);
        QCOMPARE(fileBytes(existing), expected);

        const QString reference = home.path() + "/reference.prof";
        QVERIFY(QFile::copy(kEveryField, reference));
        for (const QString &path : {existing, reference}) {
            QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
            QSettings file(path, QSettings::IniFormat);
            file.setValue("MouseName/Name", "NX-19");
            file.setValue("PROFILE/mine", "kept");
        }
        QVERIFY(writeProfile(ProfileData(), existing));
        QVERIFY(writeProfile(rec, existing));
        QCOMPARE(fileBytes(existing), fileBytes(reference));
    }

    // A missing key reads as zero (a missing file is
    // tst_productconfig::missingProductFileReadsZero's).
    void foreignFixture()
    {
        // Hand-written: a colour as "#rrggbb" text, one as @Variant, loose
        // spacing, CRLF line ends, a comment, and an unrelated section.
        ProfileData rec = junkRecord();
        readProfile(rec, QStringLiteral(KORVALEN_TEST_DATA "/store/handwritten.prof"));
        QCOMPARE(int(rec.pollrate), 3);
        QCOMPARE(int(rec.dpi), 2);
        QCOMPARE(rec.DPI_INFO[2].x, 1234u);
        QCOMPARE(rec.BUTTON_INFO[0].Fun, 200);
        QCOMPARE(rec.BUTTON_INFO[0].macroname, "Burst, fast");
        QCOMPARE(int(rec.BUTTON_INFO[0].KeyInfo[0].map), 132);
        QCOMPARE(int(rec.BUTTON_INFO[0].KeyInfo[0].value), 4);
        QCOMPARE(int(rec.BUTTON_INFO[0].KeyInfo[0].H), 0);
        QCOMPARE(int(rec.LedMode), 5);
        QCOMPARE(rec.LED_MODE[0].RGB, LedColour::fromRgb(0, 255, 0));
        QCOMPARE(rec.LED_MODE[1].RGB, LedColour::fromRgb(0, 0, 255));
        QCOMPARE(rec.LED_MODE[1].bright, 4u);
        QVERIFY(!rec.LED_MODE[2].RGB.isValid());
        QCOMPARE(rec.ProfileName, "Sniper");
        QCOMPARE(int(rec.BUTTON_INFO[1].Fun), 0);
        QCOMPARE(readMouseName(QStringLiteral(KORVALEN_TEST_DATA "/store/handwritten.prof")),
                 "NX-19");
        QCOMPARE(readMouseName(kEveryField), QString()); // untagged: refused by the import check

        // 8-bit fields keep the low byte of what the file says (32-bit ones
        // are tst_inifile::wideNumbersAreClamped's).
        readProfile(rec, QStringLiteral(KORVALEN_TEST_DATA "/store/out-of-range.prof"));
        QCOMPARE(int(rec.pollrate), 2);
        QCOMPARE(int(rec.DPI_INFO[3].used), 255);
        QCOMPARE(int(rec.BUTTON_INFO[5].Res2), 255);
        QCOMPARE(int(rec.BUTTON_INFO[0].KeyInfo[1].value), 0);
        QCOMPARE(int(rec.LedMode), 9);
    }

    void partialWritersKeepTheRest()
    {
        SKIP_UNLESS_QSETTINGS_WRITES_THE_FORMAT();
        TestHome home;
        writeProductName("NX-19");
        QRandomGenerator rng(5);
        ProfileData rec = RandomRecord::profile(rng);
        QVERIFY(saveProfileFile(rec, "Work"));
        const QString path = home.productFolder("NX-19") + "/Profile/Work.prof";
        QVERIFY(QFile::exists(path));
        QVERIFY(writeMouseName("NX-19", path));

        const QString reference = home.path() + "/reference.prof";
        QVERIFY(QFile::copy(path, reference));

        QVERIFY(writeDpiStageToFile("Work", 4));
        QVERIFY(writeLedModeToFile("Work", 6, LedColour::fromRgb(59, 2, 3), 10, 20, 30, 4, 2));
        {
            // The same edits through QSettings give the same file.
            QSettings file(reference, QSettings::IniFormat);
            file.setValue("PROFILE/dpi", 4);
            file.setValue("PROFILE/LedMode", 6);
            const QString mode = "PROFILE/LedMode/LED_MODE_6_";
            file.setValue(mode + "RGB", QColor(59, 2, 3));
            const char *fields[] = {"h", "s", "v", "bright", "breath"};
            const uint values[] = {10, 20, 30, 4, 2};
            for (int i = 0; i < 5; ++i)
                file.setValue(mode + QLatin1String(fields[i]), values[i]);
        }
        QCOMPARE(fileBytes(path), fileBytes(reference));

        rec.dpi = 4;
        rec.LedMode = 6;
        rec.LED_MODE[6] = {LedColour::fromRgb(59, 2, 3), 10, 20, 30, 4, 2};
        ProfileData back;
        QVERIFY(loadProfileFile(back, "Work"));
        QVERIFY(back == rec);
        QCOMPARE(readMouseName(path), "NX-19");
        QCOMPARE(QSettings(path, QSettings::IniFormat).allKeys().size(), 8407);
    }

    // Profile names become file names; names that would leave the Profile
    // folder are refused without touching the disk, and in a store they
    // cost only their own file.
    void decision_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("safe");

        QTest::addRow("plain") << "Profile 1" << true;
        QTest::addRow("empty (the .prof file)") << QString() << true;
        QTest::addRow("three dots") << "..." << true;
        QTest::addRow("slash") << "a/b" << false;
        QTest::addRow("backslash") << "a\\b" << false;
        QTest::addRow("dot") << "." << false;
        QTest::addRow("dot dot") << ".." << false;
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

    // Every file function goes through the decision above; one unsafe name
    // proves that each of them asks it.
    void unsafeNameTouchesNothing()
    {
        const QString name = "../Config";
        TestHome home;
        writeProductName("NX-19");
        const ProfileStore original = RandomRecord::store(1, "P%1");
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
        ProfileStore bad = RandomRecord::store(3, "P%1");
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

        ProfileStore store = RandomRecord::store(4, "P%1");
        refused.clear();
        QVERIFY(!loadStore(store, &refused));
        QCOMPARE(refused, QStringList{name});
        QCOMPARE(store.profileNames[3], name);
        QCOMPARE(int(store.LiftHigh), int(bad.LiftHigh));
        QVERIFY(store.profiles[3] == ProfileData());
        for (int i : {0, 1, 2, 4})
            QVERIFY(store.profiles[i] == bad.profiles[i]);
    }

    // Safe names that are odd as file names or as INI text (the safe rows
    // of the decision above) save and load, each in a profile of its own.
    void safeOddNamesWork()
    {
        TestHome home;
        writeProductName("NX-19");
        ProfileStore store = RandomRecord::store(5, "P%1");
        const QStringList names = {"FPS: 800 <fast> | \"x\" ?*", "[PROFILE] a=b; c#d,e", "设置 ü",
                                   ".hidden"};
        for (int i = 0; i < names.size(); ++i)
            store.profileNames[i] = names[i];
        QVERIFY(saveStore(store));
        for (const QString &name : names)
            QVERIFY(QFile::exists(home.productFolder("NX-19") + "/Profile/" + name + ".prof"));
        ProfileStore back;
        QVERIFY(loadStore(back));
        QVERIFY(back == store);
    }
};

QTEST_GUILESS_MAIN(TestProfileFile)
#include "tst_profilefile.moc"
