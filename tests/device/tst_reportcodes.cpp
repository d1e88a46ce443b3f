#include "device/DpiCodes.h"
#include "device/LightingReports.h"

#include <QtTest>

// The codes the reports carry for DPI stages and lighting. Expected bytes
// are worked out from the rules and the code tables by hand; each row
// names the rule it exercises.
class TestReportCodes : public QObject
{
    Q_OBJECT

private:
    // One profile in mode m with a known colour and levels; the rest zero.
    static ProfileStore storeWithMode(int mode)
    {
        ProfileStore s;
        s.profiles[0].LedMode = quint8(mode);
        s.profiles[0].LED_MODE[7] = {LedColour::fromRgb(40, 50, 60), 0, 0, 0, 1, 1};
        if (mode >= 0 && mode < kLedModeCount)
            s.profiles[0].LED_MODE[mode] = {LedColour::fromRgb(10, 20, 30), 0, 0, 0, 2, 3};
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

    // 9 - breath; breath 0 and 9 are pinned in tst_applystore frames.
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

    void stageBytes_data()
    {
        QTest::addColumn<uint>("sensor");
        QTest::addColumn<uint>("x");
        QTest::addColumn<uint>("y");
        QTest::addColumn<QByteArray>("bytes");

        // 3399: X switches to the upper range at 400 (400/400 and 599/19 are
        // pinned in tst_applystore), Y only at 401.
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

QTEST_GUILESS_MAIN(TestReportCodes)
#include "tst_reportcodes.moc"
