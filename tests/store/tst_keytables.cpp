// Key names, key code / HID usage pairs and the hook rule.

#include "store/KeyTables.h"

#include <QSet>
#include <QtTest>

#include <utility>

class TestKeyTables : public QObject
{
    Q_OBJECT

private slots:
    void names_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("name");
        // clang-format off
        const std::pair<int, const char *> names[] = {
            {1, "Esc"}, {2, "1"}, {11, "0"}, {16, "Q"}, {25, "P"}, {30, "A"}, {38, "L"}, {44, "Z"},
            {50, "M"}, {43, "\\"}, {41, "`"}, {29, "LCtr"}, {55, "Print Screen"}, {68, "F10"},
            {87, "F11"}, {88, "F12"}, {76, "Num 5"}, {93, "App"}, {100, "F13"}, {110, "F23"},
            {118, "F24"}, {224, "Num De"}, {228, "Num 9"}, {237, "Num 0"}, {239, "RAlt"},
            {240, "Left Button"}, {242, "Middle Button"}};
        // clang-format on
        for (const auto &[code, name] : names)
            QTest::addRow("%d %s", code, name) << code << QString::fromLatin1(name);
    }

    void names()
    {
        QFETCH(int, code);
        QFETCH(QString, name);
        QCOMPARE(keyName(quint8(code)), name);
    }

    void unnamedCodes()
    {
        const QList<int> empty = {0,   84,  85,  86,  89,  90,  94,  95,  96,  97,  98,  99,
                                  111, 112, 113, 114, 115, 116, 117, 119, 150, 223, 243, 255};
        for (int code : empty)
            QVERIFY2(keyName(quint8(code)).isEmpty(), qPrintable(QString::number(code)));
        int named = 0;
        for (int code = 0; code < 256; ++code)
            named += keyName(quint8(code)).isEmpty() ? 0 : 1;
        // 1-83, 87, 88, 91-93, 100-110, 118 and 224-242.
        QCOMPARE(named, 83 + 2 + 3 + 11 + 1 + 19);
    }

    void usages_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("usage");
        // A to Z, the digits, Enter, the gap at 0x32, F1 and F12, the keypad and
        // the modifiers.
        // clang-format off
        const std::pair<int, int> pairs[] = {
            {30, 0x04}, {44, 0x1D}, {2, 0x1E}, {11, 0x27}, {28, 0x28}, {43, 0x31}, {39, 0x33},
            {58, 0x39}, {59, 0x3A}, {88, 0x45}, {69, 0x48}, {72, 0x52}, {225, 0x53}, {74, 0x56},
            {229, 0x58}, {230, 0x59}, {76, 0x5D}, {228, 0x61}, {237, 0x62}, {224, 0x63}, {93, 0x65},
            {29, 0xE0}, {42, 0xE1}, {56, 0xE2}, {91, 0xE3}, {238, 0xE4}, {54, 0xE5}, {239, 0xE6},
            {92, 0xE7}};
        // clang-format on
        for (const auto &[code, usage] : pairs)
            QTest::addRow("%d", code) << code << usage;
    }

    void usages()
    {
        QFETCH(int, code);
        QFETCH(int, usage);
        int u = -1;
        QVERIFY(keyCodeToUsage(code, u));
        QCOMPARE(u, usage);
        int c = -1;
        QVERIFY(usageToKeyCode(usage, c));
        QCOMPARE(c, code);
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
};

QTEST_GUILESS_MAIN(TestKeyTables)
#include "tst_keytables.moc"
