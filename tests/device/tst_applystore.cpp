#include "common/CleanHome.h"
#include "common/MacroFiles.h"
#include "common/MessageLog.h"
#include "common/ReportLog.h"
#include "common/ScopedEnvironment.h"
#include "device/FakePrograms.h"

#include "device/ButtonUpload.h"
#include "device/DeviceContext.h"
#include "device/DpiCodes.h"
#include "device/FeatureCommands.h"
#include "device/LightingReports.h"
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

// A device store with a different value in every field the senders read.
void fillDeviceStore()
{
    ProfileStore &s = DeviceContext::deviceStore();
    s = ProfileStore();
    s.curProfile = 2;
    s.LiftHigh = 3;
    for (int p = 0; p < kProfileCount; ++p) {
        ProfileData &rec = s.profiles[p];
        rec.pollrate = quint8(p + 1);
        rec.scrollspeed = quint8(10 + p);
        rec.dpi = quint8(p);
    }
    DpiInfo *st = s.profiles[0].DPI_INFO;
    st[0] = {1, 1, 400, 400, 400};
    st[1] = {1, 1, 19, 19, 19};
    st[2] = {0, 1, 79, 79, 79};
    st[3] = {1, 1, 599, 599, 599};
    st[4] = {1, 1, 0, 0, 0};
    DpiInfo *last = s.profiles[4].DPI_INFO;
    for (int i = 0; i < kDpiStageCount; ++i)
        last[i] = {1, 1, quint32(10 * (i + 1)), quint32(10 * (i + 1)), quint32(10 * (i + 1))};

    const int modes[kProfileCount] = {0, 8, 2, 4, 6};
    for (int p = 0; p < kProfileCount; ++p)
        s.profiles[p].LedMode = quint8(modes[p]);
    s.profiles[0].LED_MODE[0] = {LedColour::fromRgb(0x11, 0x22, 0x33), 0, 0, 0, 2, 5};
    s.profiles[1].LED_MODE[8] = {LedColour::fromRgb(255, 0, 0), 0, 0, 0, 3, 5};
    s.profiles[2].LED_MODE[2] = {LedColour::fromRgb(0, 255, 0), 0, 0, 0, 1, 7};
    s.profiles[3].LED_MODE[4] = {LedColour::fromRgb(0, 0, 255), 0, 0, 0, 4, 9};
    s.profiles[4].LED_MODE[6] = {LedColour::fromRgb(1, 2, 3), 0, 0, 0, 0, 1};
}

// A sender with its arguments, as a row names it.
using Sender = bool (*)();
const Sender Mode5 = [] { return SendMode(5); };
const Sender KeyMapMode = [] { return SendKeyMapMode(); };
const Sender KeyMapModeByte = [] { return SendKeyMapModeByte(); };
const Sender PollRateRefresh = [] { return SendPollRate(true); };
const Sender ScrollSpeed = [] { return SendScrollSpeed(); };
const Sender StageIndex = [] { return SendDpiStageIndex(false); };
const Sender StageIndexRefresh = [] { return SendDpiStageIndex(true); };
const Sender Dpi0Refresh = [] { return SendDpi(0, true); };
const Sender Dpi4 = [] { return SendDpi(4, false); };
const Sender LiftOff3 = [] { return SendLiftOff(3); };
const Sender Profile3 = [] { return SendProfile(3); };
const Sender CurrentProfileRefresh = [] { return SendCurrentProfile(true); };
const Sender ButtonRefresh = [] { return SendButtonRefesh(); };
const Sender LedState = [] { return SendLedState(); };
const Sender LedPreview = [] { return SendSingleLedStateWithData(DeviceContext::deviceStore()); };

// Lighting writes, each followed by its 10 ms pause.
QStringList paced(const QStringList &writes)
{
    QStringList lines;
    for (const QString &write : writes)
        lines << write << S(10);
    return lines;
}

// The standard lighting writes of fillDeviceStore() on a class-3 model:
// mode 0 -> (1, 4, speed), 8 -> (0, 0), 2 -> (1, 2), 4 -> (6, 0, speed),
// 6 -> (1, 16, speed); speed byte 9 - breath.
QStringList class3Lighting()
{
    return paced({W(0x446, "0000"), W(0x449, "11223301040402"), W(0x451, "ff000000000003"),
                  W(0x459, "00ff0001000201"), W(0x461, "0000ff06000004"),
                  W(0x469, "01020301081000")});
}

// NX-13's five lighting slots, written alike by SendLedState and the preview.
QStringList nx13Slots()
{
    return {W(0x458, "8111223302040102"), W(0x448, "8000000005090100"),
            W(0x450, "8100000002090300"), W(0x468, "8100000001090100"),
            W(0x460, "8100000004090100")};
}

void setMacro(int profile, int slot, const QString &name, int fun = 200)
{
    ButtonInfo &b = DeviceContext::deviceStore().profiles[profile].BUTTON_INFO[slot];
    b.Fun = fun;
    b.macroname = name;
}

// Map 6, DataL 0, DataH 1 as the block carries it: 256 units of 10 ms.
QByteArray delay2560ms()
{
    return QByteArray::fromHex("060001");
}

// An address as a frame carries it: low byte first, in hex.
QString le16(int address)
{
    return QString::fromLatin1((QByteArray(1, char(address & 0xFF)) + char(address >> 8)).toHex());
}

// One profile in mode m with a known colour and levels; the rest zero.
ProfileStore storeWithMode(int mode)
{
    ProfileStore s;
    s.profiles[0].LedMode = quint8(mode);
    s.profiles[0].LED_MODE[7] = {LedColour::fromRgb(40, 50, 60), 0, 0, 0, 1, 1};
    if (mode >= 0 && mode < kLedModeCount)
        s.profiles[0].LED_MODE[mode] = {LedColour::fromRgb(10, 20, 30), 0, 0, 0, 2, 3};
    return s;
}

} // namespace

Q_DECLARE_METATYPE(Sender)

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
        QTest::addRow("pointer speed, no report") << 0 << "pointer speed";
    }

    void failingStepDoesNotStopTheUpload()
    {
        QFETCH(int, report);
        QFETCH(QString, step);
        LoggedMouse mouse("NX-19");
        writeCombo();
        if (report)
            mouse.failReport(report);
        else
            useGsettings("exit 1");
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
        if (!report) {
            QCOMPARE(mouse.log, full);
            return;
        }
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

    // With the hook every pause is a line of the frames' logs.
    void protocolSleepWaitsWithoutHook()
    {
        DeviceContext::setProtocolDelayHook([](int) {});
        DeviceContext::reset();
        QVERIFY(!DeviceContext::protocolDelayHook());
        QElapsedTimer timer;
        timer.start();
        protocolSleep(30);
        QVERIFY(timer.elapsed() >= 29);
    }

    void frames_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<Sender>("sender");
        QTest::addColumn<int>("failing"); // the report that fails; 0: no open mouse
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QStringList>("messages");

        const auto add = [](const char *name, const char *model, Sender sender, int failing,
                            const QStringList &expected, const QStringList &messages = {}) {
            QTest::addRow("%s", name)
                << QString(model) << sender << failing << expected << messages;
        };
        // The class-4 layout writes "bright = n" for each slot; the preview
        // does so for the slots of NX-13 too.
        const QStringList bright5 = {"bright = 2", "bright = 0", "bright = 0", "bright = 0",
                                     "bright = 0"};
        const QStringList class4Slots = {W(0x448, "8111223302040102"), W(0x450, "8100000003090000"),
                                         W(0x458, "8100000001090100"), W(0x460, "8100000004090100"),
                                         W(0x468, "8000000000000000")};
        // clang-format off
        add("SendMode", "NX-19", Mode5, -1, {M(5), S(10)});
        add("SendKeyMapMode second form, NX-04", "NX-04", KeyMapModeByte, -1, {W(0x03C, "07"), S(10)});
        add("SendPollRate(true)", "NX-19", PollRateRefresh, -1,
            {W(0x032, "010002000300"), S(50), W(0x038, "04000500"), S(50), R(8)});
        add("SendScrollSpeed", "NX-19", ScrollSpeed, -1, {W64(0x020, "0a000b000c000d000e00"), S(100)});
        add("SendDpiStageIndex(false)", "NX-19", StageIndex, -1,
            {W(0x042, "00"), W(0x102, "01"), W(0x1B2, "02"), W(0x262, "03"), W(0x312, "04")});
        // 3399: 400/400 is c8 80 / 90 01; 599 is 399 + 0x80 on both axes.
        add("SendDpi(0, true) on a 3399", "NX-19", Dpi0Refresh, -1,
            {W(0x044, "01c8809001"), W(0x04A, "0113001300"), W(0x050, "004f004f00"),
             W(0x056, "018f818f81"), W(0x05C, "0100000000"), R(2)});
        // 3325 codes T3325[10, 20, 30, 40] = 22, 46, 69, 92; 50 -> 115.
        add("SendDpi(4) on NX-04: fifth stage disabled", "NX-04", Dpi4, -1,
            {W(0x314, "0116001600"), W(0x31A, "012e002e00"), W(0x320, "0145004500"),
             W(0x326, "015c005c00"), W(0x32C, "0073007300")});
        add("SendDpi(4) on NX-33 keeps the fifth stage", "NX-33", Dpi4, -1,
            {W(0x314, "0116001600"), W(0x31A, "012e002e00"), W(0x320, "0145004500"),
             W(0x326, "015c005c00"), W(0x32C, "0173007300")});
        add("SendLiftOff on NX-05 sends nothing", "NX-05", LiftOff3, -1, {});
        add("SendCurrentProfile(true)", "NX-19", CurrentProfileRefresh, -1, {W(0x02C, "02"), R(1), S(100)});
        add("SendLedState, class 3", "NX-19", LedState, -1, class3Lighting());
        // Profile 1's mode 0 is active: header bit 0x04 on NX-13, 0x01 on
        // class 4. Slots of unset modes carry zero colour and 9 - 0.
        add("SendLedState, NX-13", "NX-13", LedState, -1, paced(QStringList{W(0x446, "0400")} + nx13Slots()));
        add("SendLedState, class 4", "NX-23", LedState, -1, paced(QStringList{W(0x446, "0100")} + class4Slots), bright5);
        add("lighting preview, class 3", "NX-19", LedPreview, -1,
            class3Lighting() + QStringList{R(4), W(0x02C, "02"), S(100)});
        add("lighting preview, class 4: header 0", "NX-23", LedPreview, -1,
            paced(QStringList{W(0x446, "0000")} + class4Slots) + QStringList{R(4), W(0x02C, "02"), S(100)}, bright5);
        add("lighting preview, NX-13: header 0, slot of mode 7, no profile write", "NX-13", LedPreview, -1,
            paced(QStringList{W(0x446, "0000")} + nx13Slots() << W(0x470, "8000000000000000")) << R(4),
            bright5 + QStringList{"bright = 0"});
        add("SendMode waits also after a failure", "NX-19", Mode5, 1, {failed(M(5)), S(10)},
            {"Unable to send a feature report."});
        add("SendKeyMapMode", "NX-19", KeyMapMode, 1, {failed(W(0x03E, "0000"))},
            {"SendKeyMapMode Unable to send a feature report."});
        add("SendKeyMapMode second form", "NX-19", KeyMapModeByte, 1, {failed(W(0x03C, "1f"))},
            {"SendKeyMapMode Unable to send a feature report."});
        add("SendPollRate(true), first report", "NX-19", PollRateRefresh, 1,
            {failed(W(0x032, "010002000300"))}, {"SendPollRate Unable to send a feature report 1."});
        add("SendPollRate(true), second report", "NX-19", PollRateRefresh, 2,
            {W(0x032, "010002000300"), S(50), failed(W(0x038, "04000500"))},
            {"SendPollRate Unable to send a feature report 2."});
        add("SendPollRate(true), refresh", "NX-19", PollRateRefresh, 3,
            {W(0x032, "010002000300"), S(50), W(0x038, "04000500"), S(50), failed(R(8))},
            {"SendPollRate Unable to send a feature report 3."});
        add("SendScrollSpeed", "NX-19", ScrollSpeed, 1, {failed(W64(0x020, "0a000b000c000d000e00"))},
            {"SendScrollSpeed Unable to send a feature report"});
        add("SendDpiStageIndex(true), first refresh", "NX-19", StageIndexRefresh, 6,
            {W(0x042, "00"), W(0x102, "01"), W(0x1B2, "02"), W(0x262, "03"), W(0x312, "04"), failed(R(2))});
        add("SendDpi, second stage", "NX-19", Dpi0Refresh, 2,
            {W(0x044, "01c8809001"), failed(W(0x04A, "0113001300"))});
        add("SendLiftOff, refresh: no pause", "NX-19", LiftOff3, 2, {W(0x02A, "03"), failed(R(8))});
        add("SendProfile, write", "NX-19", Profile3, 1, {failed(W(0x02C, "03"))});
        add("SendButtonRefesh, third", "NX-19", ButtonRefresh, 3, {R(4), R(1), failed(R(2))},
            {"SendButtonRefesh Unable to send a feature report 3"});
        add("SendButtonRefesh, fifth shares the fourth message", "NX-19", ButtonRefresh, 5,
            {R(4), R(1), R(2), R(8), failed(R(16))}, {"SendButtonRefesh Unable to send a feature report 4"});
        add("SendLedState, standard", "NX-19", LedState, 2,
            {W(0x446, "0000"), S(10), failed(W(0x449, "11223301040402"))},
            {"SendLedState Unable to send a feature report."});
        add("SendLedState, class 4 uses the preview's message", "NX-23", LedState, 1,
            {failed(W(0x446, "0100"))}, {"SendSingleLedStateWithData Unable to send a feature report."});
        add("lighting preview, refresh", "NX-19", LedPreview, 7, class3Lighting() + QStringList{failed(R(4))},
            {"SendButtonRefesh Unable to send a feature report 1"});
        // Failing 0: no open mouse. The preview and the class-4 layout skip
        // their writes; the refresh is still tried.
        add("class 4 SendLedState without a mouse", "NX-23", LedState, 0, {});
        add("standard SendLedState without a mouse", "NX-19", LedState, 0, {failed(W(0x446, "0000"))},
            {"SendLedState Unable to send a feature report."});
        add("preview without a mouse tries its refresh", "NX-19", LedPreview, 0, {failed(R(4))},
            {"SendButtonRefesh Unable to send a feature report 1"});
        // clang-format on
    }

    void frames()
    {
        QFETCH(QString, model);
        QFETCH(Sender, sender);
        QFETCH(int, failing);
        QFETCH(QStringList, expected);
        QFETCH(QStringList, messages);
        // The whole upload (wholeUploadInOrder) pins the other forms of these
        // senders on NX-19.
        LoggedMouse mouse(model);
        QVERIFY(mouse.isOpen());
        fillDeviceStore();
        if (failing > 0)
            mouse.failReport(failing);
        else if (failing == 0)
            closeDevice();
        MessageLog debug;
        // A sender succeeds exactly when none of its reports failed.
        QCOMPARE(sender(), expected.filter(" ERR").isEmpty());
        QCOMPARE(mouse.log, expected);
        QCOMPARE(debug.messages, messages);
    }

    // The mouse's memory after the senders, read back by the readers.
    void readersDecodeWhatTheSendersWrote()
    {
        LoggedMouse mouse("NX-19");
        fillDeviceStore();
        QVERIFY(SendPollRate(false));
        QVERIFY(SendCurrentProfile(false));
        QVERIFY(SendLedState());
        QVERIFY(SendDpiStageIndex(false));
        QVERIFY(SendDpi(0, false));
        const ProfileStore sent = DeviceContext::deviceStore();
        DeviceContext::deviceStore() = ProfileStore();
        mouse.log.clear();

        QVERIFY(QueryCurrentProfile());
        QCOMPARE(mouse.log,
                 (QStringList{"set 02f22c0001000000" + QString(16, QLatin1Char('0')), S(10),
                              "get 02f22c000100000002" + QString(14, QLatin1Char('0'))}));
        QVERIFY(QueryPollRate());
        QVERIFY(QueryLedState());
        mouse.log.clear();
        QVERIFY(QueryDpi(0));
        // The read request is a 64-byte report 3 asking for 32 bytes at
        // base + 2 = 0x042.
        QCOMPARE(mouse.log.size(), 3);
        QCOMPARE(mouse.log.at(0), "set 03f2420020000000" + QString(112, QLatin1Char('0')));
        QCOMPARE(mouse.log.at(1), S(10));
        QVERIFY(mouse.log.at(2).startsWith("get 03f242002000000000"));

        const ProfileStore &read = DeviceContext::deviceStore();
        QCOMPARE(read.curProfile, quint8(2));
        for (int p = 0; p < kProfileCount; ++p)
            QCOMPARE(read.profiles[p].pollrate, sent.profiles[p].pollrate);
        // Class 3: lighting modes back from (code, variant); the colour is
        // taken back only on classes 0 and 1; breath as the mouse holds it.
        const int modes[kProfileCount] = {0, 7, 2, 4, 6};
        for (int p = 0; p < kProfileCount; ++p)
            QCOMPARE(int(read.profiles[p].LedMode), modes[p]);
        QCOMPARE(read.profiles[0].LED_MODE[0].breath, 4u);
        QCOMPARE(read.profiles[0].LED_MODE[0].bright, 2u);
        QVERIFY(!read.profiles[0].LED_MODE[0].RGB.isValid());
        QCOMPARE(read.profiles[0].dpi, quint8(0));
        const quint32 values[kDpiStageCount] = {400, 19, 79, 599, 0};
        for (int s = 0; s < kDpiStageCount; ++s) {
            QCOMPARE(read.profiles[0].DPI_INFO[s].used, sent.profiles[0].DPI_INFO[s].used);
            QCOMPARE(read.profiles[0].DPI_INFO[s].x, values[s]);
            QCOMPARE(read.profiles[0].DPI_INFO[s].y, values[s]);
        }

        mouse.log.clear();
        QByteArray entry;
        QVERIFY(QuerySingleButton(1, 2, &entry));
        // 0x100 + 66 + 8 = 0x14A.
        QCOMPARE(mouse.log.at(0), "set 03f24a0104000000" + QString(112, QLatin1Char('0')));
        QCOMPARE(entry, QByteArray(4, '\0'));
    }

    void readerFailures_data()
    {
        QTest::addColumn<Sender>("reader");
        QTest::addColumn<int>("failing");
        QTest::addColumn<QString>("message");
        QTest::addRow("QueryPollRate, second request")
            << Sender(QueryPollRate) << 3 << "QueryPollRate Unable to send a feature report.";
        QTest::addRow("QueryLedState, a fetch")
            << Sender(QueryLedState) << 4 << "QueryLedState Unable to send a feature report.";
        QTest::addRow("QueryDpi") << Sender([] { return QueryDpi(0); }) << 1
                                  << "QueryDpi Unable to send a feature report.";
        QTest::addRow("QuerySingleButton") << Sender([] {
            QByteArray entry;
            return QuerySingleButton(0, 0, &entry);
        }) << 2 << "QuerySingleButton Unable to send a feature report.";
    }

    void readerFailures()
    {
        QFETCH(Sender, reader);
        QFETCH(int, failing);
        QFETCH(QString, message);
        LoggedMouse mouse("NX-19");
        mouse.failReport(failing);
        MessageLog debug;
        QVERIFY(!reader());
        QCOMPARE(debug.messages, QStringList{message});
        QVERIFY(mouse.log.last().endsWith(" ERR"));
    }

    void encoding_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<int>("fun");
        QTest::addColumn<int>("res1");
        QTest::addColumn<int>("loop");
        QTest::addColumn<int>("keyNumber");
        QTest::addColumn<QByteArray>("keys"); // KeyInfo map bytes from entry 0
        QTest::addColumn<QByteArray>("entry");

        const QString nx19 = "NX-19";
        auto add = [&](const char *name, const QString &model, int fun, int res1, int loop,
                       int keyNumber, const char *keys, const char *entry) {
            QTest::addRow("%s", name) << model << fun << res1 << loop << keyNumber
                                      << QByteArray::fromHex(keys) << QByteArray::fromHex(entry);
        };
        add("function 48", nx19, 48, 0, 0, 0, "", "8a000000");
        add("code missing from the table", nx19, 999, 0, 0, 0, "", "00000000");
        add("nothing assigned", nx19, 0, 0, 0, 0, "", "00000000");
        add("browser back reports host action 0x20", nx19, 32, 0, 0, 0, "", "8e01ff20");
        add("volume up", nx19, 43, 0, 0, 0, "", "8e01e900");
        add("mail", nx19, 46, 0, 0, 0, "", "8e018301");
        add("Ctrl+Z shortcut", nx19, 17, 0, 0, 0, "", "8f011b00");
        add("profile switch", nx19, 59, 0, 0, 0, "", "8d000000");
        add("single key A", nx19, 6, 30, 0, 0, "", "90000400");
        add("single key LAlt", nx19, 6, 56, 0, 0, "", "9000e200");
        add("single key Num 1", nx19, 6, 230, 0, 0, "", "90005900");
        add("single key F13 has no usage", nx19, 6, 100, 0, 0, "", "90000000");
        add("Ctrl+Shift+A pressed and released", nx19, 7, 0, 0, 0, "e0e10404e1e0", "8f030400");
        add("Alt+Win+Tab", nx19, 7, 0, 0, 0, "e2e32b2be3e2", "8f0c2b00");
        add("right Ctrl+F", nx19, 7, 0, 0, 0, "e40909e4", "8f010900");
        add("later key wins, gaps skipped", nx19, 7, 0, 0, 0, "040000000005", "8f000500");
        add("fire key 2/5/10", nx19, 12, 2, 5, 100, "", "9902050a");
        add("fire key without key", nx19, 12, 0, 5, 100, "", "99810300");
        add("macro, run n times", nx19, 200, 0, 0x0203, 0, "", "91000302");
        add("macro, while held", nx19, 200, 1, 0x0203, 0, "", "9180ffff");
        add("macro, until pressed again", nx19, 200, 2, 0x0203, 0, "", "9140ffff");
        add("macro, unknown loop mode", nx19, 200, 3, 0x0203, 0, "", "91000302");
        add("gun file", nx19, 510, 0, 7, 0, "", "9d000700");
        add("sniper on a 3399", nx19, 55, 40, 0, 0, "", "9a012828");
        add("sniper on a 3327", "NX-03", 55, 4, 0, 0, "", "9a010b0b");
        add("sniper on a 3360", "NX-34", 55, 40, 0, 0, "", "9a012727");
        add("sniper on a 3333", "NX-10", 55, 40, 0, 0, "", "9a010404");
        add("lighting switch", nx19, 54, 0, 0, 0, "", "9b040000");
        add("lighting switch on NX-13", "NX-13", 54, 0, 0, 0, "", "9b080000");
        add("lighting switch on class 4", "NX-24", 54, 0, 0, 0, "", "9b080000");
    }

    void encoding()
    {
        QFETCH(QString, model);
        QFETCH(int, fun);
        QFETCH(int, res1);
        QFETCH(int, loop);
        QFETCH(int, keyNumber);
        QFETCH(QByteArray, keys);
        QFETCH(QByteArray, entry);
        ButtonInfo slot;
        slot.Fun = fun;
        slot.Res1 = quint8(res1);
        slot.LoopNumber = loop;
        slot.KeyNumber = keyNumber;
        slot.macroname = "m";
        for (int i = 0; i < keys.size(); ++i)
            slot.KeyInfo[i].map = quint8(keys.at(i));
        MacroIndexMap macros;
        const FunctionEntry e = encodeButton(slot, model, macros);
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(e.data()), 4).toHex(), entry.toHex());
    }

    // Upload order and addresses of one profile: slot -> device index ->
    // position; base 0x040 + 66 = 0x082 for profile 1.
    void buttonMap_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<QList<int>>("addresses"); // profile 1, in upload order
        // clang-format off
        QTest::addRow("NX-12: 0-5, 40-41 -> 10-11") << "NX-12" << QList<int>{0x82, 0x86, 0x8A, 0x8E, 0x92, 0x96, 0xAA, 0xAE};
        QTest::addRow("NX-05: remapped positions, the fixed button 8")
            << "NX-05" << QList<int>{0x82, 0x86, 0x8A, 0x9E, 0x8E, 0x92, 0x96, 0x9A, 0xA2, 0xDA, 0xDE};
        QTest::addRow("NX-54: index 3 at position 6") << "NX-54" << QList<int>{0x82, 0x86, 0x8A, 0x9A, 0x9E, 0x92, 0xD2, 0xD6};
        QTest::addRow("NX-29: index 6 at position 7") << "NX-29" << QList<int>{0x82, 0x86, 0x8A, 0x8E, 0x92, 0x96, 0x9E, 0xAA, 0xAE};
        QTest::addRow("NX-01: no fixed slots") << "NX-01" << QList<int>{0x82, 0x86, 0x8A, 0x8E, 0x92, 0x96, 0x9A, 0x9E, 0xA2,
                                                                        0xA6, 0xAA, 0xAE, 0xB2, 0xB6, 0xBA, 0xBE, 0xC2, 0xC6};
        QTest::addRow("TEST: 0-6 only") << "TEST" << QList<int>{0x82, 0x86, 0x8A, 0x8E, 0x92, 0x96, 0x9A};
        QTest::addRow("NX-26: nothing") << "NX-26" << QList<int>{};
        // clang-format on
    }

    void buttonMap()
    {
        QFETCH(QString, model);
        QFETCH(QList<int>, addresses);
        LoggedMouse mouse(model);
        QVERIFY(UploadButtonMaps());
        QCOMPARE(mouse.log.size(), 2 * 5 * addresses.size());
        for (int i = 0; i < addresses.size(); ++i) {
            QCOMPARE(mouse.log.at(2 * i).mid(4, 10), "02f3" + le16(addresses[i]) + "04");
            QCOMPARE(mouse.log.at(2 * i + 1), S(10));
        }
        // The other profiles repeat the map at their own base.
        if (!addresses.isEmpty())
            QCOMPARE(mouse.log.at(mouse.log.size() - 2).mid(8, 4),
                     le16(0x310 - 0x040 + addresses.last()));
    }

    void sendersOfOneEntry()
    {
        LoggedMouse mouse("NX-54");
        DeviceContext::deviceStore().profiles[1].BUTTON_INFO[3].Fun = 4;
        QVERIFY(SendButton(1, 3, 3));
        QVERIFY(SendFixedButton(2, 8, 59));
        QVERIFY(SendFixedButton(2, 9, 1234));
        // 0x100 + 66 + 24; fixed entries are not remapped: 0x1B0 + 66 + 32.
        QCOMPARE(mouse.log, (QStringList{W(0x15A, "85000000"), S(10), W(0x212, "8d000000"), S(10),
                                         W(0x216, "00000000"), S(10)}));

        // A failing entry does not stop anything, but the map upload says so.
        mouse.log.clear();
        mouse.failReport(1);
        QVERIFY(SendButton(1, 3, 3));
        mouse.failReport(3);
        QVERIFY(!UploadButtonMaps());
        QCOMPARE(mouse.log.size(), 1 * 2 + 5 * 8 * 2);
    }

    void delayOf2560msAfterEveryFourEvents_data()
    {
        QTest::addColumn<QByteArray>("events"); // Map DataH DataL per event
        QTest::addColumn<QByteArray>("block");  // Map DataL DataH per event
        const QByteArray e0 = QByteArray::fromHex("840004");
        const QByteArray e1 = QByteArray::fromHex("040004");
        const QByteArray e2 = QByteArray::fromHex("0205f6");
        const QByteArray e3 = QByteArray::fromHex("810001");
        const QByteArray e4 = QByteArray::fromHex("010001");
        auto swapped = [](const QByteArray &e) { return QByteArray(1, e[0]) + e[2] + e[1]; };
        const QByteArray none(3, '\0');
        QTest::addRow("3 events") << e0 + e1 + e2
                                  << swapped(e0) + swapped(e1) + swapped(e2) + delay2560ms() +
                                         delay2560ms();
        QTest::addRow("4 events") << e0 + e1 + e2 + e3
                                  << swapped(e0) + swapped(e1) + swapped(e2) + swapped(e3) +
                                         delay2560ms() + delay2560ms() + none;
        QTest::addRow("5 events") << e0 + e1 + e2 + e3 + e4
                                  << swapped(e0) + swapped(e1) + swapped(e2) + swapped(e3) +
                                         delay2560ms() + swapped(e4) + delay2560ms() + none;
        QTest::addRow("no events") << QByteArray() << delay2560ms() + none;
        const QByteArray delay = QByteArray::fromHex("060102");
        QTest::addRow("own delays: unchanged")
            << e0 + delay + e1 << swapped(e0) + swapped(delay) + swapped(e1);
    }

    void delayOf2560msAfterEveryFourEvents()
    {
        QFETCH(QByteArray, events);
        QFETCH(QByteArray, block);
        QVector<MacroEvent> list;
        for (int i = 0; i + 2 < events.size(); i += 3)
            list.append(
                MacroEvent{quint8(events[i]), quint8(events[i + 1]), quint8(events[i + 2])});
        LoggedMouse mouse("NX-19");
        ButtonInfo slot;
        slot.Res4 = 2;
        QVERIFY(SendMacro(slot, list));
        QCOMPARE(mouse.log, QStringList{Frames::block(2, block)});
        QCOMPARE(mouse.memory(0x478 + 400, 200), block + QByteArray(200 - block.size(), '\0'));
    }

    // 63 events without delays grow to 80 with the inserted delays; the block keeps
    // the first 66 and nothing is written past its 200 bytes.
    void longMacroIsCutAtTheBlock()
    {
        QVector<MacroEvent> list;
        for (int i = 0; i < 63; ++i)
            list.append(MacroEvent{0x84, 0, quint8(4 + i % 26)});
        const QVector<MacroEvent> block = macroBlockEvents(list);
        QCOMPARE(block.size(), 66);
        // Groups of four events and a delay: event 52 sits at 52 + 13.
        QCOMPARE(block.at(4), (MacroEvent{6, 1, 0}));
        QCOMPARE(block.at(65), list.at(52));
        LoggedMouse mouse("NX-19");
        ButtonInfo slot;
        slot.Res4 = 0;
        QVERIFY(SendMacro(slot, list));
        QCOMPARE(mouse.memory(0x478 + 200, 3), QByteArray(3, '\0'));
    }

    void macroUpload()
    {
        LoggedMouse mouse("NX-19");
        writeRawMacro("a", {{0x84, 0, 4}, {0x04, 0, 4}, {0x06, 0, 5}});
        writeRawMacro("b", {{0x81, 0, 1}});
        setMacro(0, 0, "a");
        setMacro(1, 2, "a");
        setMacro(1, 3, "b");
        setMacro(2, 1, "missing");
        // Not in NX-19's map: keeps its stale block index.
        setMacro(0, 10, "b");
        DeviceContext::deviceStore().profiles[0].BUTTON_INFO[10].Res4 = 5;
        QVERIFY(UploadButtonMaps());
        // Every distinct name gets the next index, whatever profile its
        // button is in; the index goes to Res4 and into the entry.
        const MacroIndexMap indexes = {{0, "a"}, {1, "b"}, {2, "missing"}};
        QCOMPARE(DeviceContext::macroIndexMap() == indexes, true);
        QCOMPARE(DeviceContext::deviceStore().profiles[1].BUTTON_INFO[3].Res4, quint8(1));
        QVERIFY(mouse.log.contains(W(0x1B0 + 66 + 4, "91020000")));
        mouse.log.clear();
        MessageLog debug;
        QVERIFY(UploadMacros());
        const QByteArray a = QByteArray::fromHex("840400040400060500");
        const QByteArray b = QByteArray::fromHex("810100") + delay2560ms() + QByteArray(3, '\0');
        const QByteArray missing = delay2560ms() + QByteArray(3, '\0');
        // The buttons numbered a 0, b 1, missing 2. Profile 1: slot 0 "a"
        // (index 0, then taken out of the map); slot 10 "b" is still mapped,
        // so it passes the limit check, but goes to its own stale Res4 (5).
        // Profile 2: "a" and "b" are no longer mapped while "missing" still
        // is, so both go again to their slots' Res4 (0 and 1). Profile 3:
        // "missing" (index 2) with only the inserted delays; the map is then empty.
        QCOMPARE(mouse.log, (QStringList{block(0, a), S(50), block(5, b), S(50), block(0, a), S(50),
                                         block(1, b), S(50), block(2, missing), S(50)}));
        QVERIFY(DeviceContext::macroIndexMap().empty());
        QCOMPARE(debug.messages, QStringList{});
        // The warning before an upload names the missing files; a button
        // given no name has none to miss.
        setMacro(3, 4, QString());
        QCOMPARE(missingMacros(DeviceContext::deviceStore()), QStringList{"missing"});
    }

    void macroLimit_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<int>("macros");
        QTest::addColumn<int>("uploaded");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("failing"); // the block whose report fails; 0: none
        QTest::addRow("7-macro model with seven") << "NX-04" << 7 << 7 << QString() << 0;
        QTest::addRow("7-macro model with eight")
            << "NX-04" << 8 << 7 << "iIndex>=MAX_MACRO_NUMBER_550" << 0;
        QTest::addRow("another 7-macro model with eight")
            << "NX-06" << 8 << 7 << "iIndex>=MAX_MACRO_NUMBER_550" << 0;
        QTest::addRow("20-macro model with eight") << "NX-19" << 8 << 8 << QString() << 0;
        QTest::addRow("20-macro model with twenty-one")
            << "NX-19" << 21 << 20 << "iIndex>=MAX_MACRO_NUMBER_560" << 0;
        QTest::addRow("a failed block does not stop the others")
            << "NX-19" << 2 << 2 << "SendButtonRefesh Unable to send a feature report 3" << 1;
    }

    void macroLimit()
    {
        QFETCH(QString, model);
        QFETCH(int, macros);
        QFETCH(int, uploaded);
        QFETCH(QString, message);
        QFETCH(int, failing);
        LoggedMouse mouse(model);
        // Slots 0-5 of each profile are in every one of these models' maps.
        for (int m = 0; m < macros; ++m)
            setMacro(m / 6, m % 6, QStringLiteral("m%1").arg(m));
        QVERIFY(UploadButtonMaps());
        mouse.log.clear();
        if (failing)
            mouse.failReport(failing);
        MessageLog debug;
        // Set to the opposite of the outcome: the upload must say which.
        bool limitReached = !message.startsWith("iIndex");
        QCOMPARE(UploadMacros(&limitReached), message.isEmpty());
        QCOMPARE(limitReached, message.startsWith("iIndex"));
        QCOMPARE(mouse.log.size(), 2 * uploaded);
        for (int i = 0; i < uploaded; ++i) {
            QCOMPARE(mouse.log.at(2 * i).left(14), "set 04f3" + le16(0x478 + 200 * i) + "c8");
            QCOMPARE(mouse.log.at(2 * i).endsWith(" ERR"), i + 1 == failing);
            QCOMPARE(mouse.log.at(2 * i + 1), S(50));
        }
        QCOMPARE(debug.messages, message.isEmpty() ? QStringList{} : QStringList{message});
    }

    // The upload reads at most 63 events, whatever Count says.
    void macroFileCountIsHeld()
    {
        QList<QList<int>> raw;
        for (int i = 0; i < 64; ++i)
            raw.append(i == 62 ? QList<int>{0x184, 0, 0} : QList<int>{0x84, 0, 4});
        writeRawMacro("big", raw, 100000);
        const QVector<MacroEvent> events = readMacroEventsForUpload("big");
        QCOMPARE(events.size(), 63);
        QCOMPARE(events.last(), (MacroEvent{0x84, 0, 0})); // cut to a byte
        writeRawMacro("big", raw, -4);
        QVERIFY(readMacroEventsForUpload("big").isEmpty());
    }
    // The codes the reports carry for DPI stages and lighting. Expected bytes
    // are worked out from the rules and the code tables by hand; each row
    // names the rule it exercises.
    // Data bytes of profile 1's standard write: colour, code, speed
    // (9 - breath where the mode has one), variant, brightness.
    void standardEffects_data()
    {
        QTest::addColumn<uint>("lightClass");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QByteArray>("data");
        const struct
        {
            int mode;
            const char *classes0to2;
            const char *class3;
        } rows[] = {
            {0, "0a141e02060102", "0a141e01060402"}, {1, "0a141e03060102", "0a141e01060802"},
            {2, "0a141e01000102", "0a141e01000202"}, {3, "0a141e05060102", "0a141e02060002"},
            {4, "0a141e00000002", "0a141e06060002"}, {5, "0a141e00000002", "0a141e07060002"},
            {6, "0a141e04060102", "0a141e01061002"}, {7, "0a141e00000002", "0a141e00000002"},
            {8, "0a141e02060302", "0a141e00000002"},
        };
        for (const auto &r : rows) {
            for (uint c : {0u, 1u, 2u})
                QTest::addRow("class %u mode %d", c, r.mode)
                    << c << r.mode << QByteArray::fromHex(r.classes0to2);
            QTest::addRow("class 3 mode %d", r.mode)
                << 3u << r.mode << QByteArray::fromHex(r.class3);
            QTest::addRow("class 5 mode %d", r.mode)
                << 5u << r.mode << QByteArray::fromHex("0a141e00000002");
        }
        // An unknown mode is sent as mode 7, lights off, in mode 7's colour.
        QTest::addRow("class 3 mode 12") << 3u << 12 << QByteArray::fromHex("28323c00000001");
    }

    void standardEffects()
    {
        QFETCH(uint, lightClass);
        QFETCH(int, mode);
        QFETCH(QByteArray, data);
        const QVector<LightingSlotWrite> w =
            lightingWrites(storeWithMode(mode), "NX-19", lightClass, false);
        QCOMPARE(w.size(), 6);
        QCOMPARE(w.at(1).write.address, quint16(0x449));
        QCOMPARE(w.at(1).write.data.toHex(), data.toHex());
        QCOMPARE(w.at(0).write.data.toHex(), QByteArray("0000"));
    }

    // 9 - breath; breath 0 and 9 are pinned in frames.
    void speedByteDoesNotWrap()
    {
        QCOMPARE(int(ledSpeedByte(10)), 0);
        QCOMPARE(int(ledSpeedByte(4000000000u)), 0);
    }

    void headerBits_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<uint>("lightClass");
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("bit");
        const QString nx13 = "NX-13";
        const QString nx23 = "NX-23";
        const int nx13Bits[][2] = {{0, 4}, {8, 2}, {2, 0x10}, {6, 8}, {7, 0x20}, {1, 1}, {3, 1}};
        for (const auto &b : nx13Bits)
            QTest::addRow("NX-13 mode %d", b[0]) << nx13 << 0u << b[0] << b[1];
        const int class4Bits[][2] = {{1, 2}, {2, 4}, {6, 8}, {7, 0x10}, {0, 1}, {8, 1}};
        for (const auto &b : class4Bits)
            QTest::addRow("class 4 mode %d", b[0]) << nx23 << 4u << b[0] << b[1];
        QTest::addRow("standard") << "NX-19" << 3u << 6 << 0;
    }

    void headerBits()
    {
        QFETCH(QString, model);
        QFETCH(uint, lightClass);
        QFETCH(int, mode);
        QFETCH(int, bit);
        const QVector<LightingSlotWrite> w =
            lightingWrites(storeWithMode(mode), model, lightClass, false);
        QCOMPARE(w.at(0).write.address, quint16(0x446));
        QCOMPARE(int(quint8(w.at(0).write.data.at(0))), bit);
    }

    // What a status report of the mouse's own lighting button means.
    void modeFromEffect_data()
    {
        QTest::addColumn<uint>("lightClass");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("variant");
        QTest::addColumn<int>("mode");
        QTest::addRow("class 1 (2,1)") << 1u << 2 << 1 << 0;
        QTest::addRow("class 2 (2,3)") << 2u << 2 << 3 << 8;
        QTest::addRow("class 0 code 0") << 0u << 0 << 9 << 7;
        QTest::addRow("class 0 unknown") << 0u << 9 << 9 << 0;
        QTest::addRow("class 3 code 6") << 3u << 6 << 5 << 4;
        QTest::addRow("class 3 code 7") << 3u << 7 << 0 << 5;
        QTest::addRow("class 4 code 3") << 4u << 3 << 7 << 1;
        QTest::addRow("class 4 (1,1)") << 4u << 1 << 1 << 2;
        QTest::addRow("class 4 (1,2)") << 4u << 1 << 2 << 0;
        QTest::addRow("class 6") << 6u << 2 << 1 << 0;
    }

    void modeFromEffect()
    {
        QFETCH(uint, lightClass);
        QFETCH(int, code);
        QFETCH(int, variant);
        QFETCH(int, mode);
        QCOMPARE(ledModeFromEffect(lightClass, quint8(code), quint8(variant)), mode);
    }

    void stageBytes_data()
    {
        QTest::addColumn<uint>("sensor");
        QTest::addColumn<uint>("x");
        QTest::addColumn<uint>("y");
        QTest::addColumn<QByteArray>("bytes");

        // 3399: X switches to the upper range at 400 (400/400 and 599/19 are
        // pinned in frames), Y only at 401.
        QTest::addRow("3399 399/399") << 3399u << 399u << 399u << QByteArray::fromHex("8f018f01");
        QTest::addRow("3399 401/401") << 3399u << 401u << 401u << QByteArray::fromHex("c980c980");
        // 3395: the same one-step offset at 520/521.
        QTest::addRow("3395 520/520") << 3395u << 520u << 520u << QByteArray::fromHex("04810802");
        QTest::addRow("3395 519/521") << 3395u << 519u << 521u << QByteArray::fromHex("07020581");
        // 3389: plain up to 320 with the high bits in the range byte.
        QTest::addRow("3389 320/321") << 3389u << 320u << 321u << QByteArray::fromHex("4001a180");
        QTest::addRow("3389 20/480") << 3389u << 20u << 480u << QByteArray::fromHex("14004081");
        // 3325 tables: T3325[50] = 115, T3325[26] = 59, T3325[5] = 11.
        QTest::addRow("3325 50/51") << 3325u << 50u << 51u << QByteArray::fromHex("73003b01");
        QTest::addRow("3325 75/5") << 3325u << 75u << 5u << QByteArray::fromHex("73010b00");
        // Past the table's end the last code (115) stands.
        QTest::addRow("3325 76/200") << 3325u << 76u << 200u << QByteArray::fromHex("73017301");
        // 3327: T3327[61] = 140, [31] = 72, [41] = 95, [54] = 124.
        QTest::addRow("3327 61/62") << 3327u << 61u << 62u << QByteArray::fromHex("8c004801");
        QTest::addRow("3327 92/93") << 3327u << 92u << 93u << QByteArray::fromHex("8c015f04");
        QTest::addRow("3327 106/114") << 3327u << 106u << 114u << QByteArray::fromHex("7c048c04");
        // 3360: v - 1 up to 120, v - 61 above.
        QTest::addRow("3360 1/120") << 3360u << 1u << 120u << QByteArray::fromHex("00007700");
        QTest::addRow("3360 121/180") << 3360u << 121u << 180u << QByteArray::fromHex("3c017701");
        // 3212: three ranges.
        QTest::addRow("3212 63/64") << 3212u << 63u << 64u << QByteArray::fromHex("3f002001");
        QTest::addRow("3212 94/95") << 3212u << 94u << 95u << QByteArray::fromHex("3e012002");
        // 3104 sends Y first.
        QTest::addRow("3104 106/107") << 3104u << 106u << 107u << QByteArray::fromHex("36016a00");
        QTest::addRow("3104 14/159") << 3104u << 14u << 159u << QByteArray::fromHex("6a010e00");
        // 3333: T3333[79] = 185, [40] = 93, [2] = 4; 120 runs past the table.
        QTest::addRow("3333 79/80") << 3333u << 79u << 80u << QByteArray::fromHex("b9005d01");
        QTest::addRow("3333 2/120") << 3333u << 2u << 120u << QByteArray::fromHex("0400b901");
        // 3335 sends X only: T3335[160] = 188, T3335[121] = 144.
        QTest::addRow("3335 160/9") << 3335u << 160u << 9u << QByteArray::fromHex("bc000000");
        QTest::addRow("3335 161/161") << 3335u << 161u << 161u << QByteArray::fromHex("90010000");
        QTest::addRow("3335 240 past the table")
            << 3335u << 240u << 1u << QByteArray::fromHex("bc010000");
        QTest::addRow("unknown sensor") << 1234u << 400u << 400u << QByteArray::fromHex("00000000");
    }

    void stageBytes()
    {
        QFETCH(uint, sensor);
        QFETCH(uint, x);
        QFETCH(uint, y);
        QFETCH(QByteArray, bytes);
        const std::array<quint8, 4> got = dpiStageBytes(sensor, x, y);
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(got.data()), 4).toHex(), bytes.toHex());
    }

    void sniperCodes_data()
    {
        QTest::addColumn<uint>("sensor");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("code");
        QTest::addRow("3325 table") << 3325u << 10 << 22;
        QTest::addRow("3325 past the table") << 3325u << 60 << 115;
        QTest::addRow("3335 table") << 3335u << 100 << 119;
        QTest::addRow("3389 plain") << 3389u << 40 << 40;
        QTest::addRow("3399 plain") << 3399u << 200 << 200;
        QTest::addRow("3104 plain") << 3104u << 27 << 27;
        QTest::addRow("unknown sensor") << 1u << 10 << 4;
    }

    void sniperCodes()
    {
        QFETCH(uint, sensor);
        QFETCH(int, value);
        QFETCH(int, code);
        const std::array<quint8, 2> got = sniperDpiCodes(sensor, quint8(value));
        QCOMPARE(int(got[0]), code);
        QCOMPARE(int(got[1]), code);
    }

    // Decoding finds the value back for every value of each sensor's slider
    // range that the encoding keeps apart.
    void decodingInvertsEncoding_data()
    {
        QTest::addColumn<uint>("sensor");
        QTest::addColumn<int>("low");
        QTest::addColumn<int>("high");
        QTest::addRow("3325") << 3325u << 1 << 75;
        QTest::addRow("3327") << 3327u << 1 << 106;
        QTest::addRow("3333") << 3333u << 2 << 119;
        QTest::addRow("3335") << 3335u << 2 << 200;
        QTest::addRow("3360") << 3360u << 1 << 180;
        QTest::addRow("3389") << 3389u << 2 << 480;
        QTest::addRow("3395") << 3395u << 0 << 779;
        QTest::addRow("3399") << 3399u << 0 << 599;
        QTest::addRow("3104") << 3104u << 14 << 159;
        QTest::addRow("3212") << 3212u << 16 << 111;
    }

    void decodingInvertsEncoding()
    {
        QFETCH(uint, sensor);
        QFETCH(int, low);
        QFETCH(int, high);
        for (bool y : {false, true}) {
            for (int v = low; v <= high; ++v) {
                const AxisCode code = *dpiAxisCode(sensor, y, quint32(v));
                const std::optional<quint32> back = dpiValueFromCode(sensor, y, code);
                QVERIFY(back.has_value());
                // Tables repeat a code now and then (T3335 0/1, 187/188);
                // the lowest value with the code is returned.
                QCOMPARE(*dpiAxisCode(sensor, y, *back), code);
                QVERIFY2(*back <= quint32(v), qPrintable(QString::number(v)));
            }
        }
        QVERIFY(!dpiValueFromCode(1234, false, AxisCode{1, 0}).has_value());
    }
};

QTEST_GUILESS_MAIN(TestApplyStore)
#include "tst_applystore.moc"
