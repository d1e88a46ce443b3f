#include "device/LightingReports.h"

#include <QtTest>

class TestLightingReports : public QObject
{
    Q_OBJECT

private:
    // One profile in mode m with a known colour and levels; the rest zero.
    static ProfileStore storeWithMode(int mode, quint32 breath = 3, quint32 bright = 2)
    {
        ProfileStore s;
        s.profiles[0].LedMode = quint8(mode);
        s.profiles[0].LED_MODE[7] = {LedColour::fromRgb(40, 50, 60), 0, 0, 0, 1, 1};
        if (mode >= 0 && mode < kLedModeCount)
            s.profiles[0].LED_MODE[mode] = {
                LedColour::fromRgb(10, 20, 30), 0, 0, 0, bright, breath};
        return s;
    }

private slots:
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

    // 9 - breath; breath 0 and 9 are pinned in tst_featurecommands frames.
    void speedByte_data()
    {
        QTest::addColumn<uint>("breath");
        QTest::addColumn<int>("speed");
        QTest::addRow("10 does not wrap") << 10u << 0;
        QTest::addRow("huge") << 4000000000u << 0;
    }

    void speedByte()
    {
        QFETCH(uint, breath);
        QFETCH(int, speed);
        QCOMPARE(int(ledSpeedByte(breath)), speed);
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
        // The preview always sends a zero header.
        const QVector<LightingSlotWrite> preview =
            lightingWrites(storeWithMode(mode), model, lightClass, true);
        QCOMPARE(int(quint8(preview.at(0).write.data.at(0))), 0);
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
};

QTEST_GUILESS_MAIN(TestLightingReports)
#include "tst_lightingreports.moc"
