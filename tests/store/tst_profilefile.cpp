// The .prof format: writer, reader, partial writers and the model tag.

#include "RandomRecord.h"
#include "common/TestHome.h"
#include "store/ConfigFile.h"
#include "store/ProfileFile.h"

#include <QtTest>

namespace {

// Every key of a complete profile file, spelled as the format lists them.
QStringList expectedKeys()
{
    QStringList keys;
    auto add = [&](const QString &key) { keys << QStringLiteral("PROFILE/") + key; };
    add(QStringLiteral("pollrate"));
    add(QStringLiteral("dpi"));
    for (int s = 0; s < 5; ++s) {
        for (const char *field : {"used", "link", "xy", "x", "y"})
            add(QString::asprintf("DPI_INFO_%d_%s", s, field));
    }
    for (const char *key :
         {"mousespeed", "dbclickspeed", "scrollispage", "scrollspeed", "accelenable", "acee"})
        add(QString::fromLatin1(key));
    for (int b = 0; b < 42; ++b) {
        for (const char *field :
             {"ID", "Fun", "LoopNumber", "KeyNumber", "Res1", "Res2", "Res3", "Res4", "macroname"})
            add(QString::asprintf("BUTTON_INFO_%d_%s", b, field));
        for (int k = 0; k < 63; ++k) {
            add(QString::asprintf("BUTTON_INFO_%d_KeyInfo_%d_map", b, k));
            add(QString::asprintf("BUTTON_INFO_%d_KeyInfo_%d_", b, k));
            add(QString::asprintf("BUTTON_INFO_%d_KeyInfo_%d_H", b, k));
        }
    }
    add(QStringLiteral("ProfileName"));
    add(QStringLiteral("ProfilePath"));
    add(QStringLiteral("LedMode"));
    for (int m = 0; m < 9; ++m) {
        for (const char *field : {"RGB", "h", "s", "v", "bright", "breath"})
            add(QString::asprintf("LedMode/LED_MODE_%d_%s", m, field));
    }
    return keys;
}

// The value each key of the format holds in `rec`, as another program
// would write it: numbers as numbers, the colour as a QColor.
QVariant valueOf(const ProfileData &rec, const QString &key)
{
    const QStringList p = key.mid(int(qstrlen("PROFILE/"))).split(QLatin1Char('_'));
    const QString head = p.at(0);
    if (head == QLatin1String("pollrate"))
        return rec.pollrate;
    if (head == QLatin1String("dpi"))
        return rec.dpi;
    if (head == QLatin1String("mousespeed"))
        return rec.mousespeed;
    if (head == QLatin1String("dbclickspeed"))
        return rec.dbclickspeed;
    if (head == QLatin1String("scrollispage"))
        return rec.scrollispage;
    if (head == QLatin1String("scrollspeed"))
        return rec.scrollspeed;
    if (head == QLatin1String("accelenable"))
        return rec.accelenable;
    if (head == QLatin1String("acee"))
        return rec.acee;
    if (head == QLatin1String("ProfileName"))
        return rec.ProfileName;
    if (head == QLatin1String("ProfilePath"))
        return rec.ProfilePath;
    if (head == QLatin1String("LedMode"))
        return rec.LedMode;
    if (head == QLatin1String("DPI")) { // DPI_INFO_s_field
        const DpiInfo &stage = rec.DPI_INFO[p.at(2).toInt()];
        const QString f = p.at(3);
        if (f == QLatin1String("used"))
            return stage.used;
        if (f == QLatin1String("link"))
            return stage.link;
        return f == QLatin1String("xy") ? stage.xy : f == QLatin1String("x") ? stage.x : stage.y;
    }
    if (head == QLatin1String("BUTTON")) { // BUTTON_INFO_b_field[_k_byte]
        const ButtonInfo &button = rec.BUTTON_INFO[p.at(2).toInt()];
        const QString f = p.at(3);
        if (f == QLatin1String("KeyInfo")) {
            const KeyInfoEntry &entry = button.KeyInfo[p.at(4).toInt()];
            return p.at(5) == QLatin1String("map") ? entry.map
                   : p.at(5).isEmpty()             ? entry.value
                                                   : entry.H;
        }
        if (f == QLatin1String("ID"))
            return button.ID;
        if (f == QLatin1String("Fun"))
            return button.Fun;
        if (f == QLatin1String("LoopNumber"))
            return button.LoopNumber;
        if (f == QLatin1String("KeyNumber"))
            return button.KeyNumber;
        if (f == QLatin1String("macroname"))
            return button.macroname;
        const quint8 res[] = {button.Res1, button.Res2, button.Res3, button.Res4};
        return res[f.mid(3).toInt() - 1];
    }
    // LedMode/LED_MODE_m_field
    const LedModeInfo &mode = rec.LED_MODE[p.at(2).toInt()];
    const QString f = p.at(3);
    if (f == QLatin1String("RGB"))
        return QVariant::fromValue(mode.RGB);
    if (f == QLatin1String("h"))
        return mode.h;
    if (f == QLatin1String("s"))
        return mode.s;
    if (f == QLatin1String("v"))
        return mode.v;
    return f == QLatin1String("bright") ? mode.bright : mode.breath;
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

ProfileData junkRecord()
{
    QRandomGenerator rng(999);
    return RandomRecord::profile(rng);
}

} // namespace

class TestProfileFile : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip_data();
    void roundTrip();
    void lightingKeys();
    void bytesAreCutOnReading();
    void missingFileReadsAsZero();
    void missingKeysReadAsZero();
    void everyKeyHoldsItsField();
    void foreignFixture();
    void partialWritersKeepTheRest();
    void modelTag();
    void sameNameSharesOneFile();
};

void TestProfileFile::roundTrip_data()
{
    QTest::addColumn<quint32>("seed");
    for (quint32 seed : {1u, 2u, 3u, 17u, 2024u})
        QTest::addRow("seed %u", seed) << seed;
}

void TestProfileFile::roundTrip()
{
    QFETCH(quint32, seed);
    TestHome home;
    QRandomGenerator rng(seed);
    const ProfileData rec = RandomRecord::profile(rng);
    const QString path = home.path() + QStringLiteral("/round.prof");

    QVERIFY(writeProfile(rec, path));
    ProfileData back = junkRecord();
    readProfile(back, path);
    QVERIFY(back == rec);

    // Writing over a file that holds another record replaces every value.
    QRandomGenerator other(seed + 1000);
    const ProfileData second = RandomRecord::profile(other);
    QVERIFY(writeProfile(second, path));
    readProfile(back, path);
    QVERIFY(back == second);
}

// The lighting mode is a value and a group prefix at once; colours are
// QVariant-encoded so that QSettings gives them back as colours.
void TestProfileFile::lightingKeys()
{
    TestHome home;
    const QString path = home.path() + QStringLiteral("/led.prof");
    ProfileData rec;
    rec.LedMode = 7;
    rec.LED_MODE[8].breath = 9;
    rec.LED_MODE[4].RGB = QColor(0, 0, 255);
    QVERIFY(writeProfile(rec, path));

    const QByteArray text = fileBytes(path);
    QVERIFY(text.contains("\nLedMode=7\n"));
    QVERIFY(text.contains("\nLedMode\\LED_MODE_8_breath=9\n"));
    QVERIFY(text.contains("LedMode\\LED_MODE_4_RGB=@Variant("));
    QSettings file(path, QSettings::IniFormat);
    const QVariant value = file.value(QStringLiteral("PROFILE/LedMode/LED_MODE_4_RGB"));
    QCOMPARE(value.userType(), int(QMetaType::QColor));
    // A fresh record's invalid colour stays invalid.
    QVERIFY(
        !file.value(QStringLiteral("PROFILE/LedMode/LED_MODE_0_RGB")).value<QColor>().isValid());
    ProfileData back;
    readProfile(back, path);
    QVERIFY(back == rec);
}

// 8-bit fields keep the low byte of what the file says; 32-bit ones keep
// the value.
void TestProfileFile::bytesAreCutOnReading()
{
    ProfileData rec;
    readProfile(rec, QStringLiteral(KORVALEN_TEST_DATA "/store/out-of-range.prof"));
    QCOMPARE(int(rec.pollrate), 2);
    QCOMPARE(int(rec.DPI_INFO[3].used), 255);
    QCOMPARE(int(rec.BUTTON_INFO[5].Res2), 255);
    QCOMPARE(int(rec.BUTTON_INFO[0].KeyInfo[1].value), 0);
    QCOMPARE(int(rec.LedMode), 9);
    QCOMPARE(rec.BUTTON_INFO[2].Fun, 510);
    QCOMPARE(rec.DPI_INFO[1].x, 700u);
    QCOMPARE(rec.LED_MODE[6].breath, 300u);
}

void TestProfileFile::missingFileReadsAsZero()
{
    TestHome home;
    const QString path = home.path() + QStringLiteral("/nothing/here.prof");
    ProfileData rec = junkRecord();
    readProfile(rec, path);
    QVERIFY(rec == ProfileData());
    QVERIFY(!rec.LED_MODE[0].RGB.isValid());
    QVERIFY(!QFile::exists(path)); // reading creates nothing
}

void TestProfileFile::missingKeysReadAsZero()
{
    TestHome home;
    const QString path = home.path() + QStringLiteral("/partial.prof");
    {
        QSettings file(path, QSettings::IniFormat);
        file.setValue(QStringLiteral("PROFILE/dpi"), 3);
        file.setValue(QStringLiteral("PROFILE/BUTTON_INFO_7_macroname"), QStringLiteral("m"));
    }
    ProfileData rec = junkRecord();
    readProfile(rec, path);
    ProfileData expected;
    expected.dpi = 3;
    expected.BUTTON_INFO[7].macroname = QStringLiteral("m");
    QVERIFY(rec == expected);
}

// Each key of the format holds its own field, as a plain INI reader sees
// it; with the round trip this also pins the reader to the format.
void TestProfileFile::everyKeyHoldsItsField()
{
    TestHome home;
    const QString path = home.path() + QStringLiteral("/plain.prof");
    QRandomGenerator rng(7);
    const ProfileData rec = RandomRecord::profile(rng);
    QVERIFY(writeProfile(rec, path));

    QSettings file(path, QSettings::IniFormat);
    QStringList keys = file.allKeys();
    QStringList expected = expectedKeys();
    QCOMPARE(expected.size(), 8406);
    keys.sort();
    expected.sort();
    QCOMPARE(keys, expected);
    for (const QString &key : qAsConst(expected)) {
        const QVariant value = valueOf(rec, key);
        const QVariant actual = file.value(key);
        if (value.userType() == QMetaType::QColor)
            QCOMPARE(actual.value<QColor>(), value.value<QColor>());
        else
            QVERIFY2(actual.toString() == value.toString(), qPrintable(key));
    }
    // Even an all-zero record writes every key.
    QVERIFY(writeProfile(ProfileData(), path));
    QCOMPARE(QSettings(path, QSettings::IniFormat).allKeys().size(), 8406);
}

void TestProfileFile::foreignFixture()
{
    // Hand-written: a colour as "#rrggbb" text, one as @Variant, loose
    // spacing, CRLF line ends, a comment, and an unrelated section.
    ProfileData rec = junkRecord();
    readProfile(rec, QStringLiteral(KORVALEN_TEST_DATA "/store/handwritten.prof"));
    QCOMPARE(int(rec.pollrate), 3);
    QCOMPARE(int(rec.dpi), 2);
    QCOMPARE(rec.DPI_INFO[2].x, 1234u);
    QCOMPARE(rec.BUTTON_INFO[0].Fun, 200);
    QCOMPARE(rec.BUTTON_INFO[0].macroname, QStringLiteral("Burst, fast"));
    QCOMPARE(int(rec.BUTTON_INFO[0].KeyInfo[0].map), 132);
    QCOMPARE(int(rec.BUTTON_INFO[0].KeyInfo[0].value), 4);
    QCOMPARE(int(rec.BUTTON_INFO[0].KeyInfo[0].H), 0);
    QCOMPARE(int(rec.LedMode), 5);
    QCOMPARE(rec.LED_MODE[0].RGB, QColor(0, 255, 0));
    QCOMPARE(rec.LED_MODE[1].RGB, QColor(0, 0, 255));
    QCOMPARE(rec.LED_MODE[1].bright, 4u);
    QVERIFY(!rec.LED_MODE[2].RGB.isValid());
    QCOMPARE(rec.ProfileName, QStringLiteral("Sniper"));
    QCOMPARE(int(rec.BUTTON_INFO[1].Fun), 0);
    QCOMPARE(readMouseName(QStringLiteral(KORVALEN_TEST_DATA "/store/handwritten.prof")),
             QStringLiteral("NX-19"));
}

void TestProfileFile::partialWritersKeepTheRest()
{
    TestHome home;
    writeProductName(QStringLiteral("NX-19"));
    QRandomGenerator rng(5);
    ProfileData rec = RandomRecord::profile(rng);
    QVERIFY(saveProfileFile(rec, QStringLiteral("Work")));
    const QString path =
        home.productFolder(QStringLiteral("NX-19")) + QStringLiteral("/Profile/Work.prof");
    QVERIFY(QFile::exists(path));
    QVERIFY(writeMouseName(QStringLiteral("NX-19"), path));

    QVERIFY(writeDpiStageToFile(QStringLiteral("Work"), 4));
    QVERIFY(writeLedModeToFile(QStringLiteral("Work"), 6, QColor(1, 2, 3), 10, 20, 30, 4, 2));

    rec.dpi = 4;
    rec.LedMode = 6;
    rec.LED_MODE[6] = {QColor(1, 2, 3), 10, 20, 30, 4, 2};
    ProfileData back;
    QVERIFY(loadProfileFile(back, QStringLiteral("Work")));
    QVERIFY(back == rec);
    QCOMPARE(readMouseName(path), QStringLiteral("NX-19"));
    QCOMPARE(QSettings(path, QSettings::IniFormat).allKeys().size(), 8407);
}

void TestProfileFile::modelTag()
{
    TestHome home;
    const QString path = home.path() + QStringLiteral("/tag.prof");
    QVERIFY(writeProfile(ProfileData(), path));
    QCOMPARE(readMouseName(path), QString()); // no tag: refused by the import check
    QVERIFY(writeMouseName(QStringLiteral("NX-49"), path));
    QCOMPARE(readMouseName(path), QStringLiteral("NX-49"));
    QSettings file(path, QSettings::IniFormat);
    QCOMPARE(file.value(QStringLiteral("MouseName/Name")).toString(), QStringLiteral("NX-49"));
}

void TestProfileFile::sameNameSharesOneFile()
{
    TestHome home;
    writeProductName(QStringLiteral("NX-01"));
    ProfileData first;
    first.pollrate = 1;
    ProfileData second;
    second.pollrate = 2;
    QVERIFY(saveProfileFile(first, QStringLiteral("Twin")));
    QVERIFY(saveProfileFile(second, QStringLiteral("Twin")));
    ProfileData back;
    QVERIFY(loadProfileFile(back, QStringLiteral("Twin")));
    QVERIFY(back == second);
}

QTEST_GUILESS_MAIN(TestProfileFile)
#include "tst_profilefile.moc"
