// Defaults of a fresh record and of a fresh store, per model.

#include "common/TestHome.h"
#include "store/ConfigFile.h"
#include "store/IniFile.h"
#include "store/ProfileDefaults.h"
#include "store/ProfileFile.h"

#include <QtTest>

namespace {

// Expected Fun/Res1 per slot, from a list such as "1, 2, 6/56" (slot 0 on)
// or "20:6/2, 23:4" (explicit slots). "6/k" is a single key k.
struct Slot
{
    int fun = 0;
    int key = 0;
};

void parseButton(const QString &text, Slot &slot)
{
    const QStringList parts = text.trimmed().split(QLatin1Char('/'));
    slot.fun = parts.at(0).toInt();
    slot.key = parts.size() > 1 ? parts.at(1).toInt() : 0;
}

QVector<Slot> expectedSlots(const QString &buttons, const QString &bank)
{
    QVector<Slot> table(kButtonSlotCount);
    const QStringList list = buttons.split(QLatin1Char(','), Qt::SkipEmptyParts);
    for (int i = 0; i < list.size(); ++i)
        parseButton(list.at(i), table[i]);
    for (const QString &entry : bank.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const int colon = entry.indexOf(QLatin1Char(':'));
        parseButton(entry.mid(colon + 1), table[entry.left(colon).trimmed().toInt()]);
    }
    return table;
}

const QString kBankNx01 = QStringLiteral("20:6/2, 21:6/3, 22:6/4, 23:6/5, 24:6/6, 25:6/7, 26:6/8, "
                                         "27:6/9, 28:6/10, 29:6/11, 30:6/78, 31:6/74");
const QString kBankNx14 = kBankNx01 + QStringLiteral(", 32:6/13, 33:6/52, 34:6/227, 35:6/226");
const QString kBankNx21 =
    QStringLiteral("20:6/2, 21:6/3, 22:6/4, 23:6/5, 24:6/6, 25:6/7, 26:6/8, 27:6/9");
const QString kBankNx53 = QStringLiteral("20:6/56, 21:6/29, 22:6/42, 23:4, 24:5");

const LedColour kRed = LedColour::fromRgb(255, 0, 0);
const LedColour kProfileColour[5] = {kRed, LedColour::fromRgb(0, 0, 255),
                                     LedColour::fromRgb(0, 255, 0), LedColour::fromRgb(255, 0, 255),
                                     LedColour::fromRgb(255, 255, 0)};

void checkCommonValues(const ProfileData &rec, int profileIndex)
{
    QCOMPARE(int(rec.pollrate), 2);
    QCOMPARE(int(rec.dpi), profileIndex);
    QCOMPARE(int(rec.mousespeed), 10);
    QCOMPARE(int(rec.dbclickspeed), 5);
    QCOMPARE(int(rec.scrollispage), 0);
    QCOMPARE(int(rec.scrollspeed), 1);
    QCOMPARE(int(rec.accelenable), 1);
    QCOMPARE(int(rec.acee), 1);
    QVERIFY(rec.ProfileName.isEmpty());
    QVERIFY(rec.ProfilePath.isEmpty());
}

void checkSlots(const ProfileData &rec, const QVector<Slot> &table)
{
    for (int b = 0; b < kButtonSlotCount; ++b) {
        const ButtonInfo &button = rec.BUTTON_INFO[b];
        QVERIFY2(button.Fun == table[b].fun, qPrintable(QStringLiteral("slot %1").arg(b)));
        QVERIFY2(button.Res1 == table[b].key, qPrintable(QStringLiteral("slot %1").arg(b)));
        QCOMPARE(button.ID, 0);
        QCOMPARE(button.LoopNumber, 0);
        QCOMPARE(button.KeyNumber, 0);
        QCOMPARE(int(button.Res2) + button.Res3 + button.Res4, 0);
        QVERIFY(button.macroname.isEmpty());
        for (const KeyInfoEntry &entry : button.KeyInfo)
            QCOMPARE(int(entry.map) + entry.value + entry.H, 0);
    }
}

} // namespace

class TestProfileDefaults : public QObject
{
    Q_OBJECT

private slots:
    void modelRow_data();
    void modelRow();
    void unknownModel_data();
    void unknownModel();
    void storeStartsOnItsProfile_data();
    void storeStartsOnItsProfile();
    void storeMatchesTheWrittenDefaults();
    void readsProductFromConfig();
    void defaultProfileFile();
    void defaultProfileFileRewrittenOnlyWhenStale_data();
    void defaultProfileFileRewrittenOnlyWhenStale();
};

void TestProfileDefaults::modelRow_data()
{
    QTest::addColumn<QString>("product");
    QTest::addColumn<QString>("stages");
    QTest::addColumn<QString>("buttons");
    QTest::addColumn<QString>("bank");
    QTest::addColumn<int>("ledMode");
    QTest::addColumn<QString>("lighting");

    auto add = [](std::initializer_list<const char *> models, const char *stages,
                  const char *buttons, const QString &bank, int ledMode, const char *lighting) {
        for (const char *model : models) {
            QTest::addRow("%s", model)
                << QString::fromLatin1(model) << QString::fromLatin1(stages)
                << QString::fromLatin1(buttons) << bank << ledMode << QString::fromLatin1(lighting);
        }
    };
    // One row per kind of default: the side keypads of 8, 12 and 16 keys,
    // the modifier bank, single keys among the buttons, a disabled fifth
    // stage at 0, each lighting pattern and LedMode, and names that differ
    // by a suffix only.
    const QString none;
    add({"NX-01"}, "20 40 80 160 320", "1, 2, 3, 12, 48, 49", kBankNx01, 3, "standard");
    add({"TEST xx"}, "4 9 19 29 61", "1, 2, 3, 12, 48, 49", kBankNx01, 3, "standard");
    add({"NX-04"}, "10 20 30 50 0", "1, 2, 3, 4, 5, 47, 54", none, 3, "standard");
    add({"NX-09"}, "10 20 40 80 160", "1, 2, 3, 12, 6/56, 6/29, 6/42, 48, 49", none, 3, "standard");
    add({"NX-13"}, "14 27 53 79 106", "1, 2, 3, 12, 4, 5, 48, 49, 54", none, 3, "B");
    add({"NX-14"}, "4 9 19 29 61", "1, 2, 3, 12, 48, 49, 54", kBankNx14, 3, "standard");
    add({"NX-19"}, "19 39 79 159 399", "1, 2, 3, 4, 5, 47", none, 3, "standard");
    add({"NX-21"}, "4 9 19 29 61", "1, 2, 3, 4, 5, 48, 49", kBankNx21, 3, "standard");
    add({"NX-23"}, "4 9 19 29 61", "1, 2, 3, 4, 5, 47", none, 0, "B");
    add({"NX-25"}, "19 39 79 159 519", "1, 2, 3, 4, 5, 47", none, 1, "standard");
    add({"NX-48"}, "9 19 39 71 106", "1, 2, 3, 6/56, 6/29, 6/42, 12, 48, 49", none, 1, "standard");
    add({"NX-49"}, "10 20 40 80 120", "1, 2, 3, 12, 48, 49", kBankNx01, 0, "profile");
    add({"NX-51"}, "5 10 20 30 50", "1, 2, 3, 4, 5, 4, 5, 48, 49, 54", none, 3, "standard");
    add({"NX-53"}, "4 9 19 29 61", "1, 2, 3, 12, 43, 44, 48, 49", kBankNx53, 3, "standard");
    add({"TEST"}, "10 20 30 40 50", "1, 2, 3, 4, 5, 48, 49", none, 3, "standard");
}

void TestProfileDefaults::modelRow()
{
    QFETCH(QString, product);
    QFETCH(QString, stages);
    QFETCH(QString, buttons);
    QFETCH(QString, bank);
    QFETCH(int, ledMode);
    QFETCH(QString, lighting);

    const QStringList stageValues = stages.split(QLatin1Char(' '));
    QVector<Slot> table = expectedSlots(buttons, bank);
    table[40].fun = 52;
    table[41].fun = 53;

    for (int profile = 0; profile < kProfileCount; ++profile) {
        ProfileData rec;
        rec.BUTTON_INFO[7].macroname = QStringLiteral("stale"); // must be cleared
        rec.DPI_INFO[0].used = 9;
        makeDefaultProfile(rec, quint8(profile), product);

        checkCommonValues(rec, profile);
        for (int s = 0; s < kDpiStageCount; ++s) {
            const quint32 value = stageValues.at(s).toUInt();
            const DpiInfo &stage = rec.DPI_INFO[s];
            QCOMPARE(int(stage.used), 1);
            QCOMPARE(int(stage.link), 1);
            QCOMPARE(stage.xy, value);
            QCOMPARE(stage.x, value);
            QCOMPARE(stage.y, value);
        }
        checkSlots(rec, table);
        QCOMPARE(int(rec.LedMode), ledMode);

        for (int m = 0; m < kLedModeCount; ++m) {
            const LedModeInfo &mode = rec.LED_MODE[m];
            QCOMPARE(mode.h, 360u);
            QCOMPARE(mode.s, 0u);
            QCOMPARE(mode.v, 0u);
            if (lighting == QLatin1String("B")) {
                QCOMPARE(mode.RGB, kRed);
                QCOMPARE(mode.bright, 3u);
                QCOMPARE(mode.breath, (m == 1 || m == 2) ? 4u : 1u);
            } else {
                QCOMPARE(mode.RGB,
                         lighting == QLatin1String("profile") ? kProfileColour[profile] : kRed);
                QCOMPARE(mode.bright, 2u);
                QCOMPARE(mode.breath, 5u);
            }
        }
    }
}

void TestProfileDefaults::unknownModel_data()
{
    QTest::addColumn<QString>("product");
    QTest::addRow("NX-26") << QStringLiteral("NX-26");
    QTest::addRow("NX-27") << QStringLiteral("NX-27");
    QTest::addRow("empty") << QString();
    QTest::addRow("lower case") << QStringLiteral("nx-19");
    QTest::addRow("trailing space") << QStringLiteral("NX-19 ");
    QTest::addRow("prefix of a name") << QStringLiteral("TEST x");
}

void TestProfileDefaults::unknownModel()
{
    QFETCH(QString, product);
    for (int profile = 0; profile < kProfileCount; ++profile) {
        ProfileData rec;
        rec.BUTTON_INFO[40].Fun = 99;
        makeDefaultProfile(rec, quint8(profile), product);
        checkCommonValues(rec, profile);
        QCOMPARE(int(rec.LedMode), 3);
        for (const DpiInfo &stage : rec.DPI_INFO)
            QVERIFY(stage == DpiInfo());
        checkSlots(rec, QVector<Slot>(kButtonSlotCount)); // table 40 and 41 too
        for (const LedModeInfo &mode : rec.LED_MODE) {
            QCOMPARE(mode.RGB, kRed);
            QCOMPARE(mode.bright, 2u);
            QCOMPARE(mode.breath, 5u);
            QCOMPARE(mode.h + mode.s + mode.v, 0u);
        }
    }
}

void TestProfileDefaults::storeStartsOnItsProfile_data()
{
    QTest::addColumn<QString>("product");
    QTest::addColumn<int>("curProfile");
    QTest::addRow("NX-14") << QStringLiteral("NX-14") << 1;
    QTest::addRow("NX-34 shares its keypad, not its start") << QStringLiteral("NX-34") << 0;
    QTest::addRow("NX-19") << QStringLiteral("NX-19") << 0;
    QTest::addRow("unknown") << QStringLiteral("NX-26") << 0;
}

void TestProfileDefaults::storeStartsOnItsProfile()
{
    QFETCH(QString, product);
    QFETCH(int, curProfile);

    ProfileStore store;
    store.curProfile = 4;
    store.AngleValue = 1;
    store.LiftHigh = 7;
    store.Count = 42;
    initProfileStore(store, product);

    QCOMPARE(int(store.curProfile), curProfile);
    QCOMPARE(int(store.AngleValue), 0);
    QCOMPARE(int(store.LiftHigh), 2);
    QCOMPARE(int(store.Count), 42);
    for (int i = 0; i < kProfileCount; ++i) {
        QCOMPARE(store.profileNames[i], QStringLiteral("Profile %1").arg(i + 1));
        QCOMPARE(int(store.profiles[i].dpi), i);
    }
}

// Profile i of a fresh NX-19 store is the hand-written first profile on
// stage i.
void TestProfileDefaults::storeMatchesTheWrittenDefaults()
{
    ProfileStore store;
    initProfileStore(store, QStringLiteral("NX-19"));
    ProfileData expected;
    readProfile(expected, QStringLiteral(KORVALEN_TEST_DATA "/store/nx19-default.prof"));
    for (int i = 0; i < kProfileCount; ++i) {
        expected.dpi = quint8(i);
        QVERIFY2(store.profiles[i] == expected, qPrintable(QString::number(i + 1)));
    }
}

void TestProfileDefaults::readsProductFromConfig()
{
    TestHome home;
    writeProductName(QStringLiteral("NX-49"));
    ProfileStore store;
    initProfileStore(store);
    QCOMPARE(store.profiles[1].DPI_INFO[0].xy, 10u);
    QCOMPARE(store.profiles[1].LED_MODE[0].RGB, LedColour::fromRgb(0, 0, 255));

    // Every call reads the name afresh.
    writeProductName(QStringLiteral("NX-14"));
    ProfileData rec;
    makeDefaultProfile(rec, 3);
    QCOMPARE(rec.BUTTON_INFO[35].Res1, quint8(226));
    QCOMPARE(int(rec.dpi), 3);
}

void TestProfileDefaults::defaultProfileFile()
{
    TestHome home;
    writeProductName(QStringLiteral("NX-50"));
    QVERIFY(writeDefaultProfileFile());

    const QString path = home.productFolder(QStringLiteral("NX-50")) +
                         QStringLiteral("/Profile/DefaultProfile.prof");
    QVERIFY(QFile::exists(path));
    QSettings file(path, QSettings::IniFormat);
    // Built for profile 1: stage 1, red lighting even on a per-profile model.
    QCOMPARE(file.value(QStringLiteral("PROFILE/dpi")).toInt(), 0);
    QCOMPARE(file.value(QStringLiteral("PROFILE/LedMode/LED_MODE_3_RGB")).value<QColor>(),
             QColor(255, 0, 0));
    QCOMPARE(file.value(QStringLiteral("PROFILE/BUTTON_INFO_20_Res1")).toInt(), 2);
}

void TestProfileDefaults::defaultProfileFileRewrittenOnlyWhenStale_data()
{
    // A key set (or removed, when the value is invalid) in the file a
    // previous start wrote, and whether the next start writes it again.
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<bool>("rewritten");
    QTest::addRow("untouched") << QString() << QVariant() << false;
    QTest::addRow("a value changed") << "PROFILE/pollrate" << QVariant(7) << true;
    QTest::addRow("a button lost") << "PROFILE/BUTTON_INFO_0_Fun" << QVariant() << true;
    QTest::addRow("a colour changed")
        << "PROFILE/LedMode/LED_MODE_8_RGB" << QVariant(QColor(0, 0, 255)) << true;
    QTest::addRow("a key of its own") << "Note/text" << QVariant(QStringLiteral("mine")) << false;
}

void TestProfileDefaults::defaultProfileFileRewrittenOnlyWhenStale()
{
    QFETCH(QString, key);
    QFETCH(QVariant, value);
    QFETCH(bool, rewritten);
    TestHome home;
    writeProductName(QStringLiteral("NX-19"));
    QVERIFY(writeDefaultProfileFile());
    const QString path = home.dataHome() +
                         QStringLiteral("/KORVALEN Gaming Mouse/NX-19/Profile/DefaultProfile.prof");
    // What this program writes reads back without QSettings' slow parser.
    QSettings written(path, QSettings::IniFormat);
    written.beginGroup(QStringLiteral("PROFILE"));
    const QStringList keys = written.allKeys();
    QCOMPARE(keys.size(), 8406);
    std::vector<QVariant> plain;
    QVERIFY(readPlainIniSection(path, QStringLiteral("PROFILE"), PlainIniKeys(keys), plain));
    if (!key.isEmpty()) {
        QSettings file(path, QSettings::IniFormat);
        if (value.isValid())
            file.setValue(key, value);
        else
            file.remove(key);
    }
    const QDateTime past(QDate(2001, 2, 3), QTime(4, 5, 6));
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(past, QFileDevice::FileModificationTime));
    }

    QVERIFY(writeDefaultProfileFile());
    QCOMPARE(QFileInfo(path).lastModified() != past, rewritten);
    QSettings file(path, QSettings::IniFormat);
    QCOMPARE(file.value(QStringLiteral("PROFILE/pollrate")).toInt(), 2);
    QCOMPARE(file.value(QStringLiteral("PROFILE/BUTTON_INFO_0_Fun")).toInt(), 1);
    QCOMPARE(file.value(QStringLiteral("PROFILE/LedMode/LED_MODE_8_RGB")).value<QColor>(),
             QColor(255, 0, 0));
}

QTEST_GUILESS_MAIN(TestProfileDefaults)
#include "tst_profiledefaults.moc"
