#include "common/CleanHome.h"
#include "common/MessageLog.h"
#include "common/ReportLog.h"

#include "device/DeviceContext.h"
#include "device/FeatureCommands.h"

#include <QtTest>

using namespace Frames;

namespace {

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

} // namespace

Q_DECLARE_METATYPE(Sender)

class TestFeatureCommands : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<CleanHome> m_home;

private slots:
    void init() { m_home = std::make_unique<CleanHome>(); }
    void cleanup() { m_home.reset(); }

    void frames_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<Sender>("sender");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QStringList>("messages");

        const auto add = [](const char *name, const char *model, Sender sender,
                            const QStringList &expected, const QStringList &messages = {}) {
            QTest::addRow("%s", name) << QString(model) << sender << expected << messages;
        };
        // The class-4 layout writes "bright = n" for each slot; the preview
        // does so for the slots of NX-13 too.
        const QStringList bright5 = {"bright = 2", "bright = 0", "bright = 0", "bright = 0",
                                     "bright = 0"};
        const QStringList class4Slots = {W(0x448, "8111223302040102"), W(0x450, "8100000003090000"),
                                         W(0x458, "8100000001090100"), W(0x460, "8100000004090100"),
                                         W(0x468, "8000000000000000")};
        // clang-format off
        add("SendMode", "NX-19", Mode5, {M(5), S(10)});
        add("SendKeyMapMode second form, NX-04", "NX-04", KeyMapModeByte, {W(0x03C, "07"), S(10)});
        add("SendPollRate(true)", "NX-19", PollRateRefresh,
            {W(0x032, "010002000300"), S(50), W(0x038, "04000500"), S(50), R(8)});
        add("SendScrollSpeed", "NX-19", ScrollSpeed, {W64(0x020, "0a000b000c000d000e00"), S(100)});
        add("SendDpiStageIndex(false)", "NX-19", StageIndex,
            {W(0x042, "00"), W(0x102, "01"), W(0x1B2, "02"), W(0x262, "03"), W(0x312, "04")});
        // 3399: 400/400 is c8 80 / 90 01; 599 is 399 + 0x80 on both axes.
        add("SendDpi(0, true) on a 3399", "NX-19", Dpi0Refresh,
            {W(0x044, "01c8809001"), W(0x04A, "0113001300"), W(0x050, "004f004f00"),
             W(0x056, "018f818f81"), W(0x05C, "0100000000"), R(2)});
        // 3325 codes T3325[10, 20, 30, 40] = 22, 46, 69, 92; 50 -> 115.
        add("SendDpi(4) on NX-04: fifth stage disabled", "NX-04", Dpi4,
            {W(0x314, "0116001600"), W(0x31A, "012e002e00"), W(0x320, "0145004500"),
             W(0x326, "015c005c00"), W(0x32C, "0073007300")});
        add("SendDpi(4) on NX-33 keeps the fifth stage", "NX-33", Dpi4,
            {W(0x314, "0116001600"), W(0x31A, "012e002e00"), W(0x320, "0145004500"),
             W(0x326, "015c005c00"), W(0x32C, "0173007300")});
        add("SendLiftOff on NX-05 sends nothing", "NX-05", LiftOff3, {});
        add("SendCurrentProfile(true)", "NX-19", CurrentProfileRefresh, {W(0x02C, "02"), R(1), S(100)});
        add("SendLedState, class 3", "NX-19", LedState, class3Lighting());
        // Profile 1's mode 0 is active: header bit 0x04 on NX-13, 0x01 on
        // class 4. Slots of unset modes carry zero colour and 9 - 0.
        add("SendLedState, NX-13", "NX-13", LedState, paced(QStringList{W(0x446, "0400")} + nx13Slots()));
        add("SendLedState, class 4", "NX-23", LedState, paced(QStringList{W(0x446, "0100")} + class4Slots), bright5);
        add("lighting preview, class 3", "NX-19", LedPreview,
            class3Lighting() + QStringList{R(4), W(0x02C, "02"), S(100)});
        add("lighting preview, class 4: header 0", "NX-23", LedPreview,
            paced(QStringList{W(0x446, "0000")} + class4Slots) + QStringList{R(4), W(0x02C, "02"), S(100)}, bright5);
        add("lighting preview, NX-13: header 0, slot of mode 7, no profile write", "NX-13", LedPreview,
            paced(QStringList{W(0x446, "0000")} + nx13Slots() << W(0x470, "8000000000000000")) << R(4),
            bright5 + QStringList{"bright = 0"});
        // clang-format on
    }

    void frames()
    {
        QFETCH(QString, model);
        QFETCH(Sender, sender);
        QFETCH(QStringList, expected);
        QFETCH(QStringList, messages);
        // The whole upload (tst_applystore) pins the other forms of these
        // senders on NX-19.
        LoggedMouse mouse(model);
        QVERIFY(mouse.isOpen());
        fillDeviceStore();
        MessageLog debug;
        QVERIFY(sender());
        QCOMPARE(mouse.log, expected);
        QCOMPARE(debug.messages, messages);
    }

    void failures_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<Sender>("sender");
        QTest::addColumn<int>("failing");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QStringList>("messages");

        const auto add = [](const char *name, const char *model, Sender sender, int failing,
                            const QStringList &expected, const char *message = nullptr) {
            QTest::addRow("%s", name) << QString(model) << sender << failing << expected
                                      << (message ? QStringList{message} : QStringList());
        };
        // clang-format off
        add("SendMode waits also after a failure", "NX-19", Mode5, 1, {failed(M(5)), S(10)},
            "Unable to send a feature report.");
        add("SendKeyMapMode", "NX-19", KeyMapMode, 1, {failed(W(0x03E, "0000"))},
            "SendKeyMapMode Unable to send a feature report.");
        add("SendKeyMapMode second form", "NX-19", KeyMapModeByte, 1, {failed(W(0x03C, "1f"))},
            "SendKeyMapMode Unable to send a feature report.");
        add("SendPollRate(true), first report", "NX-19", PollRateRefresh, 1,
            {failed(W(0x032, "010002000300"))}, "SendPollRate Unable to send a feature report 1.");
        add("SendPollRate(true), second report", "NX-19", PollRateRefresh, 2,
            {W(0x032, "010002000300"), S(50), failed(W(0x038, "04000500"))},
            "SendPollRate Unable to send a feature report 2.");
        add("SendPollRate(true), refresh", "NX-19", PollRateRefresh, 3,
            {W(0x032, "010002000300"), S(50), W(0x038, "04000500"), S(50), failed(R(8))},
            "SendPollRate Unable to send a feature report 3.");
        add("SendScrollSpeed", "NX-19", ScrollSpeed, 1, {failed(W64(0x020, "0a000b000c000d000e00"))},
            "SendScrollSpeed Unable to send a feature report");
        add("SendDpiStageIndex(true), first refresh", "NX-19", StageIndexRefresh, 6,
            {W(0x042, "00"), W(0x102, "01"), W(0x1B2, "02"), W(0x262, "03"), W(0x312, "04"), failed(R(2))});
        add("SendDpi, second stage", "NX-19", Dpi0Refresh, 2,
            {W(0x044, "01c8809001"), failed(W(0x04A, "0113001300"))});
        add("SendLiftOff, refresh: no pause", "NX-19", LiftOff3, 2, {W(0x02A, "03"), failed(R(8))});
        add("SendProfile, write", "NX-19", Profile3, 1, {failed(W(0x02C, "03"))});
        add("SendButtonRefesh, third", "NX-19", ButtonRefresh, 3, {R(4), R(1), failed(R(2))},
            "SendButtonRefesh Unable to send a feature report 3");
        add("SendButtonRefesh, fifth shares the fourth message", "NX-19", ButtonRefresh, 5,
            {R(4), R(1), R(2), R(8), failed(R(16))}, "SendButtonRefesh Unable to send a feature report 4");
        add("SendLedState, standard", "NX-19", LedState, 2,
            {W(0x446, "0000"), S(10), failed(W(0x449, "11223301040402"))},
            "SendLedState Unable to send a feature report.");
        add("SendLedState, class 4 uses the preview's message", "NX-23", LedState, 1,
            {failed(W(0x446, "0100"))}, "SendSingleLedStateWithData Unable to send a feature report.");
        add("lighting preview, refresh", "NX-19", LedPreview, 7, class3Lighting() + QStringList{failed(R(4))},
            "SendButtonRefesh Unable to send a feature report 1");
        // Failing 0: no open mouse. The preview and the class-4 layout skip
        // their writes; the refresh is still tried.
        add("class 4 SendLedState without a mouse", "NX-23", LedState, 0, {});
        add("standard SendLedState without a mouse", "NX-19", LedState, 0, {failed(W(0x446, "0000"))},
            "SendLedState Unable to send a feature report.");
        add("preview without a mouse tries its refresh", "NX-19", LedPreview, 0, {failed(R(4))},
            "SendButtonRefesh Unable to send a feature report 1");
        // clang-format on
    }

    void failures()
    {
        QFETCH(QString, model);
        QFETCH(Sender, sender);
        QFETCH(int, failing);
        QFETCH(QStringList, expected);
        QFETCH(QStringList, messages);
        LoggedMouse mouse(model);
        fillDeviceStore();
        if (failing)
            mouse.failReport(failing);
        else
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
};

QTEST_GUILESS_MAIN(TestFeatureCommands)
#include "tst_featurecommands.moc"
