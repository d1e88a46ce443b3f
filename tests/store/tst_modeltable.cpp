// Sensor, DPI scale and lighting class per model, and the defaults of a
// fresh record and of a fresh store per model; key code / HID usage pairs,
// their names, and the hook rule.

#include "common/TestHome.h"
#include "store/ConfigFile.h"
#include "store/FunctionCodes.h"
#include "store/KeyTables.h"
#include "store/ModelTable.h"
#include "store/ProfileData.h"
#include "store/ProfileDefaults.h"
#include "store/ProfileFile.h"

#include <QSet>
#include <QtTest>

namespace {

// The models the program ships with, as the shipped catalogue lists them.
QStringList shippedModels()
{
    QSettings catalogue(QStringLiteral(KORVALEN_TEST_DATA "/../../data/Config.ini"),
                        QSettings::IniFormat);
    QStringList models;
    for (int i = 0; i < catalogue.value("Mouse_List/Count").toInt(); ++i)
        models << catalogue.value(QStringLiteral("Mouse_List/PRODUCT_NAME_%1").arg(i)).toString();
    return models;
}

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

// Only Fun and, for a single key, Res1 carry a default.
void checkQuietFields(const ProfileData &rec)
{
    for (const ButtonInfo &button : rec.BUTTON_INFO) {
        QCOMPARE(button.ID + button.LoopNumber + button.KeyNumber, 0);
        QCOMPARE(int(button.Res2) + button.Res3 + button.Res4, 0);
        QCOMPARE(button.Res1 != 0, button.Fun == FunctionCode::SingleKey);
        QVERIFY(button.macroname.isEmpty());
        for (const KeyInfoEntry &entry : button.KeyInfo)
            QCOMPARE(int(entry.map) + entry.value + entry.H, 0);
    }
}

} // namespace

class TestModelTable : public QObject
{
    Q_OBJECT

private slots:
    void readsTheProductEachTime()
    {
        TestHome home;
        QCOMPARE(int(sensorType()), 3325); // no Config.ini at all
        QCOMPARE(int(lightingClass()), 0);
        writeProductName(QStringLiteral("NX-23"));
        QCOMPARE(int(sensorType()), 3327);
        QCOMPARE(int(lightingClass()), 4);
        writeProductName(QStringLiteral("NX-18"));
        QCOMPARE(int(sensorType()), 3395);
        QCOMPARE(int(lightingClass()), 3);
        writeProductName("NX-49");
        ProfileStore store;
        initProfileStore(store);
        QCOMPARE(store.profiles[1].DPI_INFO[0].xy, 10u);
        QCOMPARE(store.profiles[1].LED_MODE[0].RGB, LedColour::fromRgb(0, 0, 255));
        writeProductName("NX-14");
        ProfileData rec;
        makeDefaultProfile(rec, 3);
        QCOMPARE(rec.BUTTON_INFO[35].Res1, quint8(226));
        QCOMPARE(int(rec.dpi), 3);
    }

    void dpi_data()
    {
        QTest::addColumn<int>("sensor");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("dpi");
        // {sensor, slider value, DPI}, worked out by hand, the models' default
        // stages among them (round values). The step doubles above a sensor's
        // native maximum; 3104 rounds to whole hundreds near them; 3212 has three
        // formulas with fix-ups of their own; an unknown sensor gives 0.
        // clang-format off
        const int rows[][3] = {
            {3325, 50, 5000}, {3325, 51, 5200}, {3327, 61, 6200}, {3327, 62, 6400},
            {3327, 92, 12400}, {3327, 93, 12600}, {3327, 105, 16200}, {3327, 106, 16400},
            {3333, 80, 8000}, {3333, 81, 8200}, {3335, 160, 16000}, {3335, 161, 16200},
            {3360, 120, 12000}, {3360, 121, 12200}, {3389, 320, 16000}, {3389, 321, 16100},
            {3395, 519, 26000}, {3395, 520, 26100}, {3399, 399, 20000}, {3399, 400, 20100},
            {3104, 14, 500}, {3104, 15, 570}, {3104, 27, 1000}, {3104, 53, 2000}, {3104, 55, 2090},
            {3104, 58, 2200}, {3104, 68, 2580}, {3104, 71, 2700}, {3104, 79, 3000},
            {3104, 105, 3990}, {3104, 106, 4000}, {3104, 107, 4100}, {3104, 108, 4180},
            {3104, 120, 5100}, {3104, 132, 6000}, {3104, 159, 8000}, {3212, 16, 600},
            {3212, 21, 800}, {3212, 22, 830}, {3212, 32, 1200}, {3212, 43, 1600}, {3212, 63, 2400},
            {3212, 64, 2430}, {3212, 94, 4710}, {3212, 95, 4860}, {3212, 111, 7200}, {3100, 50, 0},
            {0, 10, 0}, {3327, 4, 500}, {3327, 9, 1000}, {3327, 19, 2000}, {3327, 29, 3000},
            {3325, 5, 500}, {3325, 10, 1000}, {3325, 20, 2000}, {3325, 30, 3000}, {3389, 20, 1000},
            {3389, 40, 2000}, {3389, 80, 4000}, {3389, 160, 8000}, {3395, 19, 1000},
            {3395, 39, 2000}, {3395, 79, 4000}, {3395, 159, 8000}};
        // clang-format on
        for (const auto &row : rows)
            QTest::addRow("%d v%d", row[0], row[1]) << row[0] << row[1] << row[2];
    }

    void dpi()
    {
        QFETCH(int, sensor);
        QFETCH(int, value);
        QFETCH(int, dpi);
        QCOMPARE(dpiFromSlider(value, quint32(sensor)), dpi);
    }

    // Each model's sensor, and the DPI at both ends of its scale, worked out
    // by hand; a wrong end of the slider range shows as a wrong DPI. Names only
    // a character apart, and unlisted ones, take the 3325.
    void scaleEnds_data()
    {
        QTest::addColumn<QString>("product");
        QTest::addColumn<int>("sensor");
        QTest::addColumn<int>("minDpi");
        QTest::addColumn<int>("maxDpi");
        // clang-format off
        const struct { const char *product; int sensor, minDpi, maxDpi; } rows[] = {
            {"NX-04", 3325, 100, 10000}, {"TEST xx", 3325, 100, 10000}, {"NX-26", 3325, 100, 10000},
            {"NX-27", 3325, 100, 10000}, {"", 3325, 100, 10000}, {"test", 3325, 100, 10000},
            {"NX-03", 3327, 200, 12400}, {"NX-53", 3327, 200, 12400}, {"NX-48", 3327, 200, 16400},
            {"NX-10", 3333, 200, 16000}, {"NX-09", 3335, 100, 32000}, {"NX-34", 3360, 100, 24000},
            {"NX-01", 3389, 100, 32000}, {"TEST", 3389, 100, 32000}, {"NX-18", 3395, 50, 52000},
            {"NX-16", 3399, 50, 40000}, {"NX-19", 3399, 50, 40000}, {"NX-07", 3104, 500, 8000},
            {"NX-44", 3104, 500, 8000}, {"NX-29", 3212, 600, 7200}};
        // clang-format on
        for (const auto &r : rows)
            QTest::addRow("%d %s", r.sensor, r.product)
                << QString::fromLatin1(r.product) << r.sensor << r.minDpi << r.maxDpi;
    }

    void scaleEnds()
    {
        QFETCH(QString, product);
        QFETCH(int, sensor);
        QFETCH(int, minDpi);
        QFETCH(int, maxDpi);
        QCOMPARE(int(sensorType(product)), sensor);
        const DpiScale scale = dpiScale(quint32(sensor), product);
        QCOMPARE(int(scale.sensor), sensor);
        QCOMPARE(dpiFromSlider(scale.range.min, scale.sensor), minDpi);
        QCOMPARE(dpiFromSlider(scale.range.max, scale.sensor), maxDpi);
        // A sensor no row knows, as a mouse may report one, takes the 3325's.
        const DpiScale unknown = dpiScale(9999, product);
        QCOMPARE(int(unknown.sensor), 3325);
        QCOMPARE(dpiFromSlider(unknown.range.max, unknown.sensor), 10000);
    }

    // A code is the report interval in milliseconds, and each finds its rate
    // again; a code no rate has finds none.
    void reportRates()
    {
        QVERIFY(!::reportRates().empty());
        for (const ReportRate &rate : ::reportRates()) {
            QCOMPARE(rate.code * rate.hz, 1000);
            QCOMPARE(reportRateByCode(rate.code), &rate);
            QVERIFY(QString::fromLatin1(rate.text).startsWith(QString::number(rate.hz) +
                                                              QLatin1Char(' ')));
        }
        for (quint8 code : {0, 3, 16, 255})
            QCOMPARE(reportRateByCode(code), nullptr);
    }

    // Every effect any model's menu offers has a name, and so has every
    // lift-off distance a model offers; no two share one.
    void namesCoverEveryChoice()
    {
        QStringList models{QStringLiteral("TEST"), QStringLiteral("TEST xx")};
        for (int n = 1; n <= 60; ++n)
            models << QStringLiteral("NX-%1").arg(n, 2, 10, QLatin1Char('0'));
        for (const QString &model : models) {
            QSet<QString> effects;
            for (int mode : lightingEffects(lightingClass(model), model)) {
                const char *text = lightingEffectText(mode);
                QVERIFY2(text, qPrintable(model));
                effects.insert(QString::fromLatin1(text));
            }
            QCOMPARE(effects.size(), lightingEffects(lightingClass(model), model).size());
            QVERIFY(size_t(liftOffDistanceCount(model)) <= liftOffDistances().size());
        }
        QCOMPARE(lightingEffectText(kLedModeCount), nullptr);
        QSet<QString> distances;
        for (const char *distance : liftOffDistances())
            distances.insert(QString::fromLatin1(distance));
        QCOMPARE(size_t(distances.size()), liftOffDistances().size());
    }

    // HID numbers the letters, the digits (1 to 9, then 0) and F1 to F12 in
    // runs: each such key, found by its name, has its place in its run.
    void usagesRunInHidOrder()
    {
        const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ");
        const QString digits = QStringLiteral("1234567890");
        const QRegularExpression functionKey(QStringLiteral("^F([1-9]|1[0-2])$"));
        int inRuns = 0;
        for (const KeyUsagePair &pair : keyUsageTable()) {
            const QString name = keyName(pair.code);
            int usage = -1;
            if (name.size() == 1 && letters.contains(name))
                usage = 0x04 + letters.indexOf(name);
            else if (name.size() == 1 && digits.contains(name))
                usage = 0x1E + digits.indexOf(name);
            else if (functionKey.match(name).hasMatch())
                usage = 0x3A + name.mid(1).toInt() - 1;
            if (usage < 0)
                continue;
            QVERIFY2(pair.usage == usage, qPrintable(name));
            ++inRuns;
        }
        QCOMPARE(inRuns, 26 + 10 + 12);
    }

    void missesLeaveTheValue_data()
    {
        QTest::addColumn<bool>("toUsage");
        QTest::addColumn<int>("input");

        QTest::addRow("F13 has no usage") << true << 100;
        QTest::addRow("F24 has no usage") << true << 118;
        QTest::addRow("Left Button has no usage") << true << 240;
        QTest::addRow("code 0") << true << 0;
        QTest::addRow("usage 0x32 (non-US #)") << false << 0x32;
        QTest::addRow("usage 0x64") << false << 0x64;
        QTest::addRow("usage 0") << false << 0;
        QTest::addRow("usage 0xE8") << false << 0xE8;
    }

    void missesLeaveTheValue()
    {
        QFETCH(bool, toUsage);
        QFETCH(int, input);
        int out = 4711;
        QVERIFY(!(toUsage ? keyCodeToUsage(input, out) : usageToKeyCode(input, out)));
        QCOMPARE(out, 4711);
    }

    void tableIsOneToOneAndNamed()
    {
        const auto &table = keyUsageTable();
        QCOMPARE(int(table.size()), 104);
        QSet<int> codes;
        QSet<int> usages;
        for (const KeyUsagePair &pair : table) {
            codes.insert(pair.code);
            usages.insert(pair.usage);
            QVERIFY2(!keyName(pair.code).isEmpty(), qPrintable(QString::number(pair.code)));
            int usage = -1;
            int code = -1;
            QVERIFY(keyCodeToUsage(pair.code, usage) && usageToKeyCode(pair.usage, code));
            QCOMPARE(usage, int(pair.usage));
            QCOMPARE(code, int(pair.code));
        }
        QCOMPARE(codes.size(), 104);
        QCOMPARE(usages.size(), 104);
        // The usage block 0x04-0x65 without 0x32 and 0x64, plus the 8 modifiers.
        for (int usage = 0x04; usage <= 0x65; ++usage)
            QCOMPARE(usages.contains(usage), usage != 0x32 && usage != 0x64);
        for (int usage = 0xE0; usage <= 0xE7; ++usage)
            QVERIFY(usages.contains(usage));
    }

    void hook_data()
    {
        QTest::addColumn<int>("scanCode");
        QTest::addColumn<int>("flags");
        QTest::addColumn<int>("code");
        // {scan code, flags, key code}: 0x01 extended, 0x10 injected, 0x20 alt
        // down, 0x80 key-up. The keypad's plain forms and the right-hand
        // modifiers' extended ones get codes of their own (224-239).
        // clang-format off
        const int hooks[][3] = {
            {83, 0x00, 224}, {83, 0x01, 83}, {83, 0x10, 83}, {83, 0x80, 224}, {69, 0x01, 225},
            {69, 0x00, 69}, {69, 0x81, 225}, {53, 0x01, 226}, {53, 0x00, 53}, {55, 0x00, 227},
            {55, 0x01, 55}, {73, 0x00, 228}, {73, 0x01, 73}, {79, 0x00, 230}, {80, 0x00, 231},
            {81, 0x00, 232}, {75, 0x00, 233}, {77, 0x00, 234}, {71, 0x00, 235}, {72, 0x00, 236},
            {72, 0x01, 72}, {82, 0x00, 237}, {82, 0x81, 82}, {28, 0x01, 229}, {28, 0x00, 28},
            {29, 0x01, 238}, {29, 0x00, 29}, {56, 0x01, 239}, {56, 0x21, 239}, {56, 0x81, 239},
            {56, 0xA1, 56}, {56, 0x00, 56}, {56, 0x20, 56}, {76, 0x00, 76}, {30, 0x01, 30}};
        // clang-format on
        for (const auto &hook : hooks)
            QTest::addRow("%d flags %x", hook[0], hook[1]) << hook[0] << hook[1] << hook[2];
    }

    void hook()
    {
        QFETCH(int, scanCode);
        QFETCH(int, flags);
        QFETCH(int, code);
        QCOMPARE(int(keyCodeFromHook(quint32(scanCode), quint32(flags))), code);
    }

    // What holds for every shipped model: its stages climb within its sensor's
    // slider, the first buttons click, the wheel scrolls, and the lighting is one
    // of the three patterns.
    void everyModel()
    {
        const QStringList models = shippedModels();
        QVERIFY(models.size() > 50);
        for (const QString &product : models) {
            if (product == "NX-26" || product == "NX-27")
                continue; // listed without defaults of their own: see unknownModel
            const DpiSliderRange range = dpiSliderRange(sensorType(product), product);
            ProfileData first;
            makeDefaultProfile(first, 0, product);
            for (int profile = 0; profile < kProfileCount; ++profile) {
                ProfileData rec;
                rec.BUTTON_INFO[7].macroname = "stale"; // must be cleared
                makeDefaultProfile(rec, quint8(profile), product);
                checkCommonValues(rec, profile);
                checkQuietFields(rec);
                for (int s = 0; s < kDpiStageCount; ++s) {
                    const DpiInfo &stage = rec.DPI_INFO[s];
                    QVERIFY2(stage.used == 1 && stage.link == 1, qPrintable(product));
                    QVERIFY2(stage.x == stage.xy && stage.y == stage.xy, qPrintable(product));
                    if (s >= dpiStageCount(product)) {
                        QCOMPARE(stage.xy, 0u);
                        continue;
                    }
                    QVERIFY2(int(stage.xy) >= range.min && int(stage.xy) <= range.max,
                             qPrintable(product));
                    QVERIFY2(s == 0 || stage.xy > rec.DPI_INFO[s - 1].xy, qPrintable(product));
                }
                const qint32 expectedFuns[] = {FunctionCode::Left, FunctionCode::Right,
                                               FunctionCode::Middle};
                for (int b = 0; b < 3; ++b)
                    QCOMPARE(rec.BUTTON_INFO[b].Fun, expectedFuns[b]);
                QCOMPARE(rec.BUTTON_INFO[40].Fun, qint32(FunctionCode::ScrollUp));
                QCOMPARE(rec.BUTTON_INFO[41].Fun, qint32(FunctionCode::ScrollDown));
                QVERIFY(rec.LedMode <= 3);
                // Every profile but in its colour; pattern B levels or the plain ones.
                const bool ownColour = first.LED_MODE[0].RGB != rec.LED_MODE[0].RGB;
                const bool patternB = rec.LED_MODE[0].bright == 3;
                for (int m = 0; m < kLedModeCount; ++m) {
                    const LedModeInfo &mode = rec.LED_MODE[m];
                    QVERIFY(mode.h == 360 && mode.s == 0 && mode.v == 0);
                    QCOMPARE(mode.RGB, ownColour ? kProfileColour[profile] : kRed);
                    QCOMPARE(mode.bright, patternB ? 3u : 2u);
                    QCOMPARE(mode.breath, !patternB ? 5u : (m == 1 || m == 2) ? 4u : 1u);
                }
            }
        }
    }

    // One model of each kind of default, as a fixture written by hand says it.
    void handWrittenModels()
    {
        TestHome home;
        QSettings facts(QStringLiteral(KORVALEN_TEST_DATA "/store/model-defaults.ini"),
                        QSettings::IniFormat);
        QVERIFY(facts.childGroups().size() >= 14);
        for (const QString &model : facts.childGroups()) {
            ProfileData rec;
            makeDefaultProfile(rec, 3, model);
            const QString path = home.path() + '/' + model + ".prof";
            QVERIFY(writeProfile(rec, path));
            const QSettings written(path, QSettings::IniFormat);
            facts.beginGroup(model);
            for (const QString &key : facts.allKeys()) {
                const QString value = written.value("PROFILE/" + key).toString();
                QVERIFY2(value == facts.value(key).toString(), qPrintable(model + ' ' + key));
            }
            facts.endGroup();
        }
    }

    void unknownModel_data()
    {
        QTest::addColumn<QString>("product");
        QTest::addRow("NX-26") << "NX-26";
        QTest::addRow("NX-27") << "NX-27";
        QTest::addRow("empty") << QString();
        QTest::addRow("lower case") << "nx-19";
        QTest::addRow("trailing space") << "NX-19 ";
        QTest::addRow("prefix of a name") << "TEST x";
    }

    void unknownModel()
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
            checkQuietFields(rec);
            for (const ButtonInfo &button : rec.BUTTON_INFO) // slots 40 and 41 too
                QCOMPARE(button.Fun, 0);
            for (const LedModeInfo &mode : rec.LED_MODE) {
                QCOMPARE(mode.RGB, kRed);
                QCOMPARE(mode.bright, 2u);
                QCOMPARE(mode.breath, 5u);
                QCOMPARE(mode.h + mode.s + mode.v, 0u);
            }
        }
    }

    void storeStartsOnItsProfile_data()
    {
        QTest::addColumn<QString>("product");
        QTest::addColumn<int>("curProfile");
        QTest::addRow("NX-14") << "NX-14" << 1;
        QTest::addRow("NX-34 shares its keypad, not its start") << "NX-34" << 0;
        QTest::addRow("NX-19") << "NX-19" << 0;
        QTest::addRow("unknown") << "NX-26" << 0;
    }

    void storeStartsOnItsProfile()
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

    void defaultProfileFileRewrittenOnlyWhenStale_data()
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
        QTest::addRow("a key of its own") << "Note/text" << QVariant("mine") << false;
    }

    void defaultProfileFileRewrittenOnlyWhenStale()
    {
        QFETCH(QString, key);
        QFETCH(QVariant, value);
        QFETCH(bool, rewritten);
        TestHome home;
        writeProductName("NX-50");
        QVERIFY(writeDefaultProfileFile());
        const QString path = home.productFolder("NX-50") + "/Profile/DefaultProfile.prof";
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
        // Built for profile 1: stage 1, red lighting even on a per-profile model.
        QSettings file(path, QSettings::IniFormat);
        QCOMPARE(file.value("PROFILE/dpi").toInt(), 0);
        QCOMPARE(file.value("PROFILE/pollrate").toInt(), 2);
        QCOMPARE(file.value("PROFILE/BUTTON_INFO_0_Fun").toInt(), 1);
        QCOMPARE(file.value("PROFILE/BUTTON_INFO_20_Res1").toInt(), 2);
        QCOMPARE(file.value("PROFILE/LedMode/LED_MODE_8_RGB").value<QColor>(), QColor(255, 0, 0));
    }
};

QTEST_GUILESS_MAIN(TestModelTable)
#include "tst_modeltable.moc"
