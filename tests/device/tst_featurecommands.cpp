#include "common/CleanHome.h"
#include "common/MessageLog.h"
#include "common/ReportLog.h"

#include "device/DeviceContext.h"
#include "device/FeatureCommands.h"

#include <QtTest>

using namespace Frames;

namespace {

enum Sender {
    Mode5,
    KeyMapMode,
    KeyMapModeByte,
    PollRate,
    PollRateRefresh,
    ScrollSpeed,
    StageIndex,
    StageIndexRefresh,
    Dpi0Refresh,
    Dpi4,
    LiftOff3,
    Profile3,
    CurrentProfile,
    CurrentProfileRefresh,
    ButtonRefresh,
    LedState,
    LedPreview,
};

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

bool run(Sender sender)
{
    switch (sender) {
    case Mode5:
        return SendMode(5);
    case KeyMapMode:
        return SendKeyMapMode();
    case KeyMapModeByte:
        return SendKeyMapModeByte();
    case PollRate:
        return SendPollRate(false);
    case PollRateRefresh:
        return SendPollRate(true);
    case ScrollSpeed:
        return SendScrollSpeed();
    case StageIndex:
        return SendDpiStageIndex(false);
    case StageIndexRefresh:
        return SendDpiStageIndex(true);
    case Dpi0Refresh:
        return SendDpi(0, true);
    case Dpi4:
        return SendDpi(4, false);
    case LiftOff3:
        return SendLiftOff(3);
    case Profile3:
        return SendProfile(3);
    case CurrentProfile:
        return SendCurrentProfile(false);
    case CurrentProfileRefresh:
        return SendCurrentProfile(true);
    case ButtonRefresh:
        return SendButtonRefesh();
    case LedState:
        return SendLedState();
    case LedPreview:
        return SendSingleLedStateWithData(DeviceContext::deviceStore());
    }
    return false;
}

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
        QTest::addColumn<int>("sender");
        QTest::addColumn<QStringList>("expected");

        const QString nx19 = QStringLiteral("NX-19");
        QTest::addRow("SendMode") << nx19 << int(Mode5) << QStringList{M(5), S(10)};
        QTest::addRow("SendKeyMapMode second form, NX-04")
            << QStringLiteral("NX-04") << int(KeyMapModeByte) << QStringList{W(0x03C, "07"), S(10)};
        QTest::addRow("SendPollRate(true)")
            << nx19 << int(PollRateRefresh)
            << QStringList{W(0x032, "010002000300"), S(50), W(0x038, "04000500"), S(50), R(8)};
        QTest::addRow("SendScrollSpeed")
            << nx19 << int(ScrollSpeed) << QStringList{W64(0x020, "0a000b000c000d000e00"), S(100)};
        QTest::addRow("SendDpiStageIndex(false)")
            << nx19 << int(StageIndex)
            << QStringList{W(0x042, "00"), W(0x102, "01"), W(0x1B2, "02"), W(0x262, "03"),
                           W(0x312, "04")};
        // 3399: 400/400 is c8 80 / 90 01; 599 is 399 + 0x80 on both axes.
        QTest::addRow("SendDpi(0, true) on a 3399")
            << nx19 << int(Dpi0Refresh)
            << QStringList{W(0x044, "01c8809001"), W(0x04A, "0113001300"), W(0x050, "004f004f00"),
                           W(0x056, "018f818f81"), W(0x05C, "0100000000"), R(2)};
        // 3325 codes T3325[10, 20, 30, 40] = 22, 46, 69, 92; 50 -> 115.
        QTest::addRow("SendDpi(4) on NX-04: fifth stage disabled")
            << QStringLiteral("NX-04") << int(Dpi4)
            << QStringList{W(0x314, "0116001600"), W(0x31A, "012e002e00"), W(0x320, "0145004500"),
                           W(0x326, "015c005c00"), W(0x32C, "0073007300")};
        QTest::addRow("SendDpi(4) on NX-33 keeps the fifth stage")
            << QStringLiteral("NX-33") << int(Dpi4)
            << QStringList{W(0x314, "0116001600"), W(0x31A, "012e002e00"), W(0x320, "0145004500"),
                           W(0x326, "015c005c00"), W(0x32C, "0173007300")};
        QTest::addRow("SendLiftOff on NX-05 sends nothing")
            << QStringLiteral("NX-05") << int(LiftOff3) << QStringList{};
        QTest::addRow("SendProfile(3)")
            << nx19 << int(Profile3) << QStringList{W(0x02C, "03"), R(1), S(100)};
        QTest::addRow("SendCurrentProfile(true)")
            << nx19 << int(CurrentProfileRefresh) << QStringList{W(0x02C, "02"), R(1), S(100)};
        QTest::addRow("SendLedState, class 3") << nx19 << int(LedState) << class3Lighting();
        // Profile 1's mode 0 is active: header bit 0x04 on NX-13, 0x01 on
        // class 4. Slots of unset modes carry zero colour and 9 - 0.
        QTest::addRow("SendLedState, NX-13") << QStringLiteral("NX-13") << int(LedState)
                                             << paced(QStringList{W(0x446, "0400")} + nx13Slots());
        QTest::addRow("SendLedState, class 4")
            << QStringLiteral("NX-23") << int(LedState)
            << paced({W(0x446, "0100"), W(0x448, "8111223302040102"), W(0x450, "8100000003090000"),
                      W(0x458, "8100000001090100"), W(0x460, "8100000004090100"),
                      W(0x468, "8000000000000000")});
        QTest::addRow("lighting preview, class 3")
            << nx19 << int(LedPreview)
            << (class3Lighting() + QStringList{R(4), W(0x02C, "02"), S(100)});
        QTest::addRow("lighting preview, NX-13: header 0, slot of mode 7, no profile write")
            << QStringLiteral("NX-13") << int(LedPreview)
            << (paced(QStringList{W(0x446, "0000")} + nx13Slots() << W(0x470, "8000000000000000"))
                << R(4));
    }

    void frames()
    {
        QFETCH(QString, model);
        QFETCH(int, sender);
        QFETCH(QStringList, expected);
        // The whole upload (tst_applystore) pins the other forms of these
        // senders on NX-19.
        LoggedMouse mouse(model);
        QVERIFY(mouse.isOpen());
        fillDeviceStore();
        QVERIFY(run(Sender(sender)));
        QCOMPARE(mouse.log, expected);
    }

    void failures_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<int>("sender");
        QTest::addColumn<int>("failing");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QStringList>("messages");

        const QString nx19 = QStringLiteral("NX-19");
        QTest::addRow("SendMode waits also after a failure")
            << nx19 << int(Mode5) << 1 << QStringList{failed(M(5)), S(10)}
            << QStringList{QStringLiteral("Unable to send a feature report.")};
        QTest::addRow("SendKeyMapMode")
            << nx19 << int(KeyMapMode) << 1 << QStringList{failed(W(0x03E, "0000"))}
            << QStringList{QStringLiteral("SendKeyMapMode Unable to send a feature report.")};
        QTest::addRow("SendKeyMapMode second form")
            << nx19 << int(KeyMapModeByte) << 1 << QStringList{failed(W(0x03C, "1f"))}
            << QStringList{QStringLiteral("SendKeyMapMode Unable to send a feature report.")};
        QTest::addRow("SendPollRate(true), first report")
            << nx19 << int(PollRateRefresh) << 1 << QStringList{failed(W(0x032, "010002000300"))}
            << QStringList{QStringLiteral("SendPollRate Unable to send a feature report 1.")};
        QTest::addRow("SendPollRate(true), second report")
            << nx19 << int(PollRateRefresh) << 2
            << QStringList{W(0x032, "010002000300"), S(50), failed(W(0x038, "04000500"))}
            << QStringList{QStringLiteral("SendPollRate Unable to send a feature report 2.")};
        QTest::addRow("SendPollRate(true), refresh")
            << nx19 << int(PollRateRefresh) << 3
            << QStringList{W(0x032, "010002000300"), S(50), W(0x038, "04000500"), S(50),
                           failed(R(8))}
            << QStringList{QStringLiteral("SendPollRate Unable to send a feature report 3.")};
        QTest::addRow("SendScrollSpeed")
            << nx19 << int(ScrollSpeed) << 1
            << QStringList{failed(W64(0x020, "0a000b000c000d000e00"))}
            << QStringList{QStringLiteral("SendScrollSpeed Unable to send a feature report")};
        QTest::addRow("SendDpiStageIndex(true), first refresh")
            << nx19 << int(StageIndexRefresh) << 6
            << QStringList{W(0x042, "00"), W(0x102, "01"), W(0x1B2, "02"),
                           W(0x262, "03"), W(0x312, "04"), failed(R(2))}
            << QStringList{};
        QTest::addRow("SendDpi, second stage")
            << nx19 << int(Dpi0Refresh) << 2
            << QStringList{W(0x044, "01c8809001"), failed(W(0x04A, "0113001300"))} << QStringList{};
        QTest::addRow("SendLiftOff, refresh: no pause")
            << nx19 << int(LiftOff3) << 2 << QStringList{W(0x02A, "03"), failed(R(8))}
            << QStringList{};
        QTest::addRow("SendProfile, write")
            << nx19 << int(Profile3) << 1 << QStringList{failed(W(0x02C, "03"))} << QStringList{};
        QTest::addRow("SendButtonRefesh, third")
            << nx19 << int(ButtonRefresh) << 3 << QStringList{R(4), R(1), failed(R(2))}
            << QStringList{QStringLiteral("SendButtonRefesh Unable to send a feature report 3")};
        QTest::addRow("SendButtonRefesh, fifth shares the fourth message")
            << nx19 << int(ButtonRefresh) << 5 << QStringList{R(4), R(1), R(2), R(8), failed(R(16))}
            << QStringList{QStringLiteral("SendButtonRefesh Unable to send a feature report 4")};
        QTest::addRow("SendLedState, standard")
            << nx19 << int(LedState) << 2
            << QStringList{W(0x446, "0000"), S(10), failed(W(0x449, "11223301040402"))}
            << QStringList{QStringLiteral("SendLedState Unable to send a feature report.")};
        QTest::addRow("SendLedState, class 4 uses the preview's message")
            << QStringLiteral("NX-23") << int(LedState) << 1
            << QStringList{failed(W(0x446, "0100"))}
            << QStringList{
                   QStringLiteral("SendSingleLedStateWithData Unable to send a feature report.")};
        QTest::addRow("lighting preview, refresh")
            << nx19 << int(LedPreview) << 7 << (class3Lighting() + QStringList{failed(R(4))})
            << QStringList{QStringLiteral("SendButtonRefesh Unable to send a feature report 1")};
    }

    void failures()
    {
        QFETCH(QString, model);
        QFETCH(int, sender);
        QFETCH(int, failing);
        QFETCH(QStringList, expected);
        QFETCH(QStringList, messages);
        LoggedMouse mouse(model);
        fillDeviceStore();
        mouse.failReport(failing);
        MessageLog debug;
        QVERIFY(!run(Sender(sender)));
        QCOMPARE(mouse.log, expected);
        QCOMPARE(debug.messages, messages);
    }

    // The class-4 layout writes "bright = n" for each slot; the preview
    // does so for the slots of NX-13 too.
    void brightnessMessages_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<int>("sender");
        QTest::addColumn<QStringList>("messages");
        const QStringList class4 = {QStringLiteral("bright = 2"), QStringLiteral("bright = 0"),
                                    QStringLiteral("bright = 0"), QStringLiteral("bright = 0"),
                                    QStringLiteral("bright = 0")};
        QTest::addRow("class 4") << QStringLiteral("NX-23") << int(LedState) << class4;
        QTest::addRow("class 4 preview") << QStringLiteral("NX-23") << int(LedPreview) << class4;
        QTest::addRow("NX-13 SendLedState is quiet")
            << QStringLiteral("NX-13") << int(LedState) << QStringList{};
        QTest::addRow("NX-13 preview")
            << QStringLiteral("NX-13") << int(LedPreview)
            << QStringList{QStringLiteral("bright = 2"), QStringLiteral("bright = 0"),
                           QStringLiteral("bright = 0"), QStringLiteral("bright = 0"),
                           QStringLiteral("bright = 0"), QStringLiteral("bright = 0")};
        QTest::addRow("standard layout is quiet")
            << QStringLiteral("NX-19") << int(LedPreview) << QStringList{};
    }

    void brightnessMessages()
    {
        QFETCH(QString, model);
        QFETCH(int, sender);
        QFETCH(QStringList, messages);
        LoggedMouse mouse(model);
        fillDeviceStore();
        MessageLog debug;
        QVERIFY(run(Sender(sender)));
        QCOMPARE(debug.messages, messages);
    }

    // Without an open mouse the preview and the class-4 layout skip their
    // writes; the refresh is still tried.
    void lightingWithoutMouse_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<int>("sender");
        QTest::addColumn<bool>("result");
        QTest::addColumn<QStringList>("expected");
        QTest::addRow("class 4 SendLedState")
            << QStringLiteral("NX-23") << int(LedState) << true << QStringList{};
        QTest::addRow("standard SendLedState fails at its first write")
            << QStringLiteral("NX-19") << int(LedState) << false
            << QStringList{failed(W(0x446, "0000"))};
        QTest::addRow("preview tries its refresh")
            << QStringLiteral("NX-19") << int(LedPreview) << false << QStringList{failed(R(4))};
    }

    void lightingWithoutMouse()
    {
        QFETCH(QString, model);
        QFETCH(int, sender);
        QFETCH(bool, result);
        QFETCH(QStringList, expected);
        LoggedMouse mouse(model);
        fillDeviceStore();
        closeDevice();
        MessageLog debug;
        QCOMPARE(run(Sender(sender)), result);
        QCOMPARE(mouse.log, expected);
    }

    // The mouse's memory after the senders, read back by the readers.
    void readersDecodeWhatTheSendersWrote()
    {
        LoggedMouse mouse(QStringLiteral("NX-19"));
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
                 (QStringList{
                     QStringLiteral("set 02f22c0001000000") + QString(16, QLatin1Char('0')), S(10),
                     QStringLiteral("get 02f22c0001000000") + QStringLiteral("02") +
                         QString(14, QLatin1Char('0'))}));
        QVERIFY(QueryPollRate());
        QVERIFY(QueryLedState());
        mouse.log.clear();
        QVERIFY(QueryDpi(0));
        // The read request is a 64-byte report 3 asking for 32 bytes at
        // base + 2 = 0x042.
        QCOMPARE(mouse.log.size(), 3);
        QCOMPARE(mouse.log.at(0),
                 QStringLiteral("set 03f2420020000000") + QString(112, QLatin1Char('0')));
        QCOMPARE(mouse.log.at(1), S(10));
        QVERIFY(mouse.log.at(2).startsWith(QLatin1String("get 03f242002000000000")));

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
        QCOMPARE(mouse.log.at(0),
                 QStringLiteral("set 03f24a0104000000") + QString(112, QLatin1Char('0')));
        QCOMPARE(entry, QByteArray(4, '\0'));
    }

    void readerFailures_data()
    {
        QTest::addColumn<int>("reader");
        QTest::addColumn<int>("failing");
        QTest::addColumn<QString>("message");
        QTest::addRow("QueryPollRate, second request")
            << 0 << 3 << "QueryPollRate Unable to send a feature report.";
        QTest::addRow("QueryLedState, a fetch")
            << 1 << 4 << "QueryLedState Unable to send a feature report.";
        QTest::addRow("QueryDpi") << 2 << 1 << "QueryDpi Unable to send a feature report.";
        QTest::addRow("QuerySingleButton")
            << 3 << 2 << "QuerySingleButton Unable to send a feature report.";
    }

    void readerFailures()
    {
        QFETCH(int, reader);
        QFETCH(int, failing);
        QFETCH(QString, message);
        LoggedMouse mouse(QStringLiteral("NX-19"));
        mouse.failReport(failing);
        MessageLog debug;
        QByteArray entry;
        bool ok = true;
        switch (reader) {
        case 0:
            ok = QueryPollRate();
            break;
        case 1:
            ok = QueryLedState();
            break;
        case 2:
            ok = QueryDpi(0);
            break;
        default:
            ok = QuerySingleButton(0, 0, &entry);
            break;
        }
        QVERIFY(!ok);
        QCOMPARE(debug.messages, QStringList{message});
        QVERIFY(mouse.log.last().endsWith(QLatin1String(" ERR")));
    }
};

QTEST_GUILESS_MAIN(TestFeatureCommands)
#include "tst_featurecommands.moc"
