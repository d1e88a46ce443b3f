// Defaults of a fresh record and of a fresh store, per model.

#include "common/TestHome.h"
#include "store/ConfigFile.h"
#include "store/FunctionCodes.h"
#include "store/IniFile.h"
#include "store/ModelTable.h"
#include "store/ProfileDefaults.h"
#include "store/ProfileFile.h"

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

class TestProfileDefaults : public QObject
{
    Q_OBJECT

private slots:
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

    void readsProductFromConfig()
    {
        TestHome home;
        writeProductName("NX-49");
        ProfileStore store;
        initProfileStore(store);
        QCOMPARE(store.profiles[1].DPI_INFO[0].xy, 10u);
        QCOMPARE(store.profiles[1].LED_MODE[0].RGB, LedColour::fromRgb(0, 0, 255));

        // Every call reads the name afresh.
        writeProductName("NX-14");
        ProfileData rec;
        makeDefaultProfile(rec, 3);
        QCOMPARE(rec.BUTTON_INFO[35].Res1, quint8(226));
        QCOMPARE(int(rec.dpi), 3);
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
        // What this program writes reads back without QSettings' slow parser.
        QSettings written(path, QSettings::IniFormat);
        written.beginGroup("PROFILE");
        const QStringList keys = written.allKeys();
        QCOMPARE(keys.size(), 8406);
        std::vector<QVariant> plain;
        QVERIFY(readPlainIniSection(path, "PROFILE", PlainIniKeys(keys), plain));
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

QTEST_GUILESS_MAIN(TestProfileDefaults)
#include "tst_profiledefaults.moc"
