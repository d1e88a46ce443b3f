#include "common/CleanHome.h"
#include "common/MacroFiles.h"
#include "common/MessageLog.h"
#include "common/ReportLog.h"
#include "common/ScopedEnvironment.h"
#include "device/FakePrograms.h"

#include "device/DeviceContext.h"
#include "device/ProtocolDelay.h"
#include "device/StoreUpload.h"
#include "store/DataFolder.h"

#include <QElapsedTimer>
#include <QtTest>

using namespace Frames;

namespace {

// clang-format off
const QStringList kSteps = {
    "mode", "key-map mode", "lighting", "report rates", "scroll speeds", "DPI stage indexes",
    "pointer speed", "DPI stages of profile 1", "DPI stages of profile 2",
    "DPI stages of profile 3", "DPI stages of profile 4", "DPI stages of profile 5",
    "lift-off distance", "current profile", "button maps", "refresh", "macros"};
// clang-format on

const int kBases[5] = {0x040, 0x100, 0x1B0, 0x260, 0x310};

// An NX-19 store (sensor 3399, lighting class 3, lift-off sent, buttons
// 0-5 and 40-41 -> 22-23) with one macro button.
ProfileStore nx19Store()
{
    ProfileStore s;
    s.curProfile = 1;
    s.LiftHigh = 2;
    const quint8 rates[5] = {1, 2, 3, 1, 2};
    const quint32 stages[5] = {19, 39, 79, 159, 399};
    const int funs[6] = {1, 2, 3, 4, 5, 47};
    for (int p = 0; p < 5; ++p) {
        ProfileData &r = s.profiles[p];
        r.pollrate = rates[p];
        r.scrollspeed = quint8(p + 1);
        r.dpi = quint8(p);
        r.mousespeed = 10;
        r.LedMode = 3;
        r.LED_MODE[3] = {LedColour::fromRgb(255, 0, 0), 360, 0, 0, 2, 5};
        for (int i = 0; i < 5; ++i)
            r.DPI_INFO[i] = {1, 1, stages[i], stages[i], stages[i]};
        for (int i = 0; i < 6; ++i)
            r.BUTTON_INFO[i].Fun = funs[i];
        r.BUTTON_INFO[40].Fun = 52;
        r.BUTTON_INFO[41].Fun = 53;
    }
    s.profiles[1].mousespeed = 14;
    ButtonInfo &macro = s.profiles[0].BUTTON_INFO[5];
    macro.Fun = 200;
    macro.LoopNumber = 1;
    macro.macroname = "combo";
    return s;
}

void writeCombo()
{
    writeRawMacro("combo", {{0x84, 0, 4}, {0x04, 0, 4}});
}

// Everything ApplyStore sends for nx19Store(), worked out by hand.
QStringList nx19Upload()
{
    QStringList e;
    e << M(0) << S(10);
    e << W(0x03E, "0000") << S(10) << W(0x03C, "1f") << S(10);
    // Class 3, mode 3: effect 2, variant 0, speed 9 - 5.
    e << W(0x446, "0000") << S(10);
    for (int p = 0; p < 5; ++p)
        e << W(0x449 + 8 * p, "ff000002040002") << S(10);
    e << W(0x032, "010002000300") << S(50) << W(0x038, "01000200") << S(50);
    e << W64(0x020, "01000200030004000500") << S(100);
    const char *indexes[5] = {"00", "01", "02", "03", "04"};
    for (int p = 0; p < 5; ++p)
        e << W(kBases[p] + 2, indexes[p]);
    e << R(2) << R(16);
    // 3399: 19, 39, 79, 159 plain; 399 is the last plain X value.
    const char *stages[5] = {"0113001300", "0127002700", "014f004f00", "019f009f00", "018f018f01"};
    for (int p = 0; p < 5; ++p) {
        for (int s = 0; s < 5; ++s)
            e << W(kBases[p] + 4 + 6 * s, stages[s]);
    }
    e << W(0x02A, "02") << R(8) << S(100);
    e << W(0x02C, "01") << S(100);
    const char *entries[6] = {"81000000", "82000000", "83000000",
                              "85000000", "84000000", "88000000"};
    for (int p = 0; p < 5; ++p) {
        for (int i = 0; i < 6; ++i)
            e << W(kBases[p] + 66 + 4 * i, p == 0 && i == 5 ? "91000100" : entries[i]) << S(10);
        e << W(kBases[p] + 66 + 88, "8b000000") << S(10) << W(kBases[p] + 66 + 92, "8c000000")
          << S(10);
    }
    e << R(4) << R(1) << R(2) << R(8) << R(16);
    // Two events without delays: e0 e1 pause {0,0,0}.
    e << block(0, QByteArray::fromHex("840400040400060001000000")) << S(50);
    return e;
}

} // namespace

class TestApplyStore : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<CleanHome> m_home;
    std::unique_ptr<ScopedEnvironment> m_env;
    QString m_speedRecord;

    // Pointer speed goes to a stand-in, never to the desktop.
    void useGsettings(const QByteArray &body)
    {
        const QString program = m_home->path() + "/bin/gsettings-standin";
        QVERIFY(FakePrograms::writeScript(program, body));
        // The old value must be put back before the new one is set.
        m_env.reset();
        m_env = std::make_unique<ScopedEnvironment>(
            std::initializer_list<std::pair<const char *, QByteArray>>{
                {"KORVALEN_GSETTINGS", QFile::encodeName(program)}});
    }

    QStringList progressOf(const ProfileStore &store, bool *all)
    {
        QStringList steps;
        *all = ApplyStore(store, [&steps](const UploadStep &step) {
            QVERIFY(step.ok == step.problem.isEmpty());
            QCOMPARE(step.hostSetting, step.name == "pointer speed");
            steps << (step.ok ? step.name : step.name + " FAILED");
        });
        return steps;
    }

private slots:
    void init()
    {
        m_home = std::make_unique<CleanHome>();
        m_speedRecord = m_home->path() + "/speed";
        QVERIFY(FakePrograms::writeRecorder(m_home->path() + "/bin/gsettings-rec", "gsettings",
                                            m_speedRecord));
        m_env = std::make_unique<ScopedEnvironment>(
            std::initializer_list<std::pair<const char *, QByteArray>>{
                {"KORVALEN_GSETTINGS", QFile::encodeName(m_home->path() + "/bin/gsettings-rec")}});
    }
    void cleanup()
    {
        m_env.reset();
        m_home.reset();
    }

    void wholeUploadInOrder()
    {
        LoggedMouse mouse("NX-19");
        writeCombo();
        const ProfileStore store = nx19Store();
        bool all = false;
        const QStringList steps = progressOf(store, &all);
        QVERIFY(all);
        QCOMPARE(steps, kSteps);
        QCOMPARE(mouse.log, nx19Upload());
        // The device store holds the copy, with the macro's block index.
        ProfileStore expected = store;
        expected.profiles[0].BUTTON_INFO[5].Res4 = 0;
        QVERIFY(DeviceContext::deviceStore() == expected);
        // Profile 2 is active: its speed 14 is (14 - 10) / 10 on GNOME's scale.
        const QStringList speed = FakePrograms::readRecord(m_speedRecord);
        QCOMPARE(speed.mid(1, 4),
                 (QStringList{"4", "set", "org.gnome.desktop.peripherals.mouse", "speed"}));
        QCOMPARE(speed.value(5).toDouble(), 0.4);
    }

    // A failing report ends only its own sender; the next step runs.
    void failingStepDoesNotStopTheUpload_data()
    {
        QTest::addColumn<int>("report");
        QTest::addColumn<QString>("step");
        QTest::addRow("mode") << 1 << "mode";
        QTest::addRow("key-map mode, second form") << 3 << "key-map mode";
        QTest::addRow("lighting, first profile") << 5 << "lighting";
        QTest::addRow("report rates, second write") << 11 << "report rates";
        QTest::addRow("scroll speeds") << 12 << "scroll speeds";
        QTest::addRow("stage indexes, last refresh") << 19 << "DPI stage indexes";
        QTest::addRow("DPI, profile 1") << 20 << "DPI stages of profile 1";
        QTest::addRow("DPI, profile 5 last stage") << 44 << "DPI stages of profile 5";
        QTest::addRow("lift-off refresh") << 46 << "lift-off distance";
        QTest::addRow("current profile") << 47 << "current profile";
        QTest::addRow("a button entry") << 60 << "button maps";
        QTest::addRow("last refresh") << 92 << "refresh";
        QTest::addRow("macro block") << 93 << "macros";
    }

    void failingStepDoesNotStopTheUpload()
    {
        QFETCH(int, report);
        QFETCH(QString, step);
        LoggedMouse mouse("NX-19");
        writeCombo();
        mouse.failReport(report);
        MessageLog debug;
        bool all = true;
        const QStringList steps = progressOf(nx19Store(), &all);
        QVERIFY(!all);
        QStringList expectedSteps = kSteps;
        expectedSteps[kSteps.indexOf(step)] += " FAILED";
        QCOMPARE(steps, expectedSteps);

        // The full upload with the failing frame marked and the rest of its
        // sender's reports gone (a button entry does not stop its walk).
        const QStringList full = nx19Upload();
        int sent = 0;
        int at = -1;
        for (int i = 0; i < full.size() && at < 0; ++i) {
            if (full.at(i).startsWith("set ") && ++sent == report)
                at = i;
        }
        QVERIFY(at >= 0);
        QCOMPARE(mouse.log.mid(0, at), full.mid(0, at));
        QCOMPARE(mouse.log.at(at), failed(full.at(at)));
        // The upload went on to its end.
        if (step != "macros")
            QCOMPARE(mouse.log.mid(mouse.log.size() - 2), full.mid(full.size() - 2));
    }

    void pointerSpeedFailure()
    {
        LoggedMouse mouse("NX-19");
        writeCombo();
        useGsettings("exit 1");
        bool all = true;
        const QStringList steps = progressOf(nx19Store(), &all);
        QVERIFY(!all);
        QCOMPARE(steps.at(6), "pointer speed FAILED");
        QCOMPARE(mouse.log, nx19Upload());
    }

    // Too many macros for the model: the macro step fails with its reason,
    // although no report did.
    void macroLimitFailsTheMacroStep()
    {
        LoggedMouse mouse("NX-04");
        ProfileStore store = nx19Store();
        for (int m = 0; m < 8; ++m) {
            ButtonInfo &b = store.profiles[m / 6].BUTTON_INFO[m % 6];
            b.Fun = 200;
            b.macroname = QStringLiteral("m%1").arg(m);
        }
        QList<UploadStep> steps;
        QVERIFY(!ApplyStore(store, [&steps](const UploadStep &s) { steps << s; }));
        QCOMPARE(steps.size(), kSteps.size());
        for (const UploadStep &s : steps) {
            if (s.name != "macros")
                QVERIFY2(s.ok, qPrintable(s.name));
        }
        QVERIFY(!steps.last().ok);
        QCOMPARE(steps.last().problem,
                 "more macros than the model holds; the rest were not uploaded");
        QVERIFY(!mouse.log.join(',').contains("ERR"));
    }

    void profileSwitch()
    {
        LoggedMouse mouse("NX-19");
        ProfileStore store = nx19Store();
        store.profiles[3].mousespeed = 1;
        QStringList steps;
        auto record = [&steps](const UploadStep &step) {
            steps << (step.ok ? step.name : step.name + " FAILED");
        };
        QVERIFY(SwitchProfile(store, 3, record));
        QCOMPARE(steps, (QStringList{"profile", "refresh", "pointer speed"}));
        QCOMPARE(mouse.log,
                 (QStringList{W(0x02C, "03"), R(1), S(100), R(4), R(1), R(2), R(8), R(16)}));
        QCOMPARE(DeviceContext::deviceStore().curProfile, quint8(3));
        QCOMPARE(FakePrograms::readRecord(m_speedRecord).value(5).toDouble(), -1.0);

        mouse.log.clear();
        mouse.failReport(1);
        steps.clear();
        QVERIFY(!SwitchProfile(store, 0, record));
        QCOMPARE(steps, (QStringList{"profile FAILED", "refresh", "pointer speed"}));
        QCOMPARE(DeviceContext::deviceStore().curProfile, quint8(3));
    }

    void verifyFindsEveryDifference()
    {
        LoggedMouse mouse("NX-19");
        writeCombo();
        const ProfileStore store = nx19Store();
        QVERIFY(ApplyStore(store));
        mouse.log.clear();
        QVector<UploadDifference> differences;
        QVERIFY(verifyUpload(store, "NX-19", &differences));
        QVERIFY(differences.isEmpty());
        // Reads of the check are 64-byte reports of at most 56 data bytes.
        for (const QString &line : mouse.log.filter(QRegularExpression("^set ")))
            QVERIFY2(line.startsWith("set 03f2") && line.size() == 4 + 128 &&
                         line.mid(12, 2).toInt(nullptr, 16) <= 56,
                     qPrintable(line.left(20)));

        // One byte of the macro block changed behind the program's back; a
        // changed stage or rate is tst_ctlupload verifyListsEveryDifference's.
        QVERIFY(mouse.mice().setMemory("NX-19", 0x478 + 8, QByteArray::fromHex("ff")));
        QVERIFY(verifyUpload(store, "NX-19", &differences));
        QCOMPARE(differences.size(), 1);
        QCOMPARE(differences[0].what, "macro block 0 (combo)");
        QCOMPARE(differences[0].address, quint16(0x480));
        QCOMPARE(differences[0].expected.toHex(), QByteArray("01"));
        QCOMPARE(differences[0].actual.toHex(), QByteArray("ff"));

        // A read that fails is not a difference.
        mouse.failReport(2);
        QVERIFY(!verifyUpload(store, "NX-19", &differences));
    }

    void protocolSleepWaitsWithoutHook()
    {
        DeviceContext::reset();
        QElapsedTimer timer;
        timer.start();
        protocolSleep(30);
        QVERIFY(timer.elapsed() >= 29);
        QList<int> asked;
        DeviceContext::setProtocolDelayHook([&asked](int ms) { asked << ms; });
        timer.restart();
        protocolSleep(1000);
        QVERIFY(timer.elapsed() < 500);
        QCOMPARE(asked, QList<int>{1000});
        DeviceContext::reset();
        QVERIFY(!DeviceContext::protocolDelayHook());
    }
};

QTEST_GUILESS_MAIN(TestApplyStore)
#include "tst_applystore.moc"
