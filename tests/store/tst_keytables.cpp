// Key names, key code / HID usage pairs and the hook rule.

#include "store/KeyTables.h"

#include <QSet>
#include <QtTest>

class TestKeyTables : public QObject
{
    Q_OBJECT

private slots:
    void names_data();
    void names();
    void unnamedCodes();
    void usages_data();
    void usages();
    void missesLeaveTheValue_data();
    void missesLeaveTheValue();
    void tableIsOneToOneAndNamed();
    void hook_data();
    void hook();
};

void TestKeyTables::names_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("name");

    QTest::addRow("Esc") << 1 << "Esc";
    QTest::addRow("digit 1") << 2 << "1";
    QTest::addRow("digit 0") << 11 << "0";
    QTest::addRow("Q") << 16 << "Q";
    QTest::addRow("P") << 25 << "P";
    QTest::addRow("A") << 30 << "A";
    QTest::addRow("L") << 38 << "L";
    QTest::addRow("Z") << 44 << "Z";
    QTest::addRow("M") << 50 << "M";
    QTest::addRow("backslash") << 43 << "\\";
    QTest::addRow("backtick") << 41 << "`";
    QTest::addRow("LCtr") << 29 << "LCtr";
    QTest::addRow("Print Screen") << 55 << "Print Screen";
    QTest::addRow("F10") << 68 << "F10";
    QTest::addRow("F11") << 87 << "F11";
    QTest::addRow("F12") << 88 << "F12";
    QTest::addRow("Num 5 keeps its scan code") << 76 << "Num 5";
    QTest::addRow("App") << 93 << "App";
    QTest::addRow("F13") << 100 << "F13";
    QTest::addRow("F23") << 110 << "F23";
    QTest::addRow("F24") << 118 << "F24";
    QTest::addRow("Num De") << 224 << "Num De";
    QTest::addRow("Num 9") << 228 << "Num 9";
    QTest::addRow("Num 0") << 237 << "Num 0";
    QTest::addRow("RAlt") << 239 << "RAlt";
    QTest::addRow("Left Button") << 240 << "Left Button";
    QTest::addRow("Middle Button") << 242 << "Middle Button";
}

void TestKeyTables::names()
{
    QFETCH(int, code);
    QFETCH(QString, name);
    QCOMPARE(keyName(quint8(code)), name);
}

void TestKeyTables::unnamedCodes()
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

void TestKeyTables::usages_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("usage");

    QTest::addRow("A") << 30 << 0x04;
    QTest::addRow("Z") << 44 << 0x1D;
    QTest::addRow("1") << 2 << 0x1E;
    QTest::addRow("0") << 11 << 0x27;
    QTest::addRow("Enter") << 28 << 0x28;
    QTest::addRow("backslash") << 43 << 0x31;
    QTest::addRow("semicolon skips 0x32") << 39 << 0x33;
    QTest::addRow("CapsLock") << 58 << 0x39;
    QTest::addRow("F1") << 59 << 0x3A;
    QTest::addRow("F12") << 88 << 0x45;
    QTest::addRow("Pause Break") << 69 << 0x48;
    QTest::addRow("Up") << 72 << 0x52;
    QTest::addRow("Num Lock") << 225 << 0x53;
    QTest::addRow("Num -") << 74 << 0x56;
    QTest::addRow("Num Enter") << 229 << 0x58;
    QTest::addRow("Num 1") << 230 << 0x59;
    QTest::addRow("Num 5") << 76 << 0x5D;
    QTest::addRow("Num 9") << 228 << 0x61;
    QTest::addRow("Num 0") << 237 << 0x62;
    QTest::addRow("Num De") << 224 << 0x63;
    QTest::addRow("App") << 93 << 0x65;
    QTest::addRow("LCtr") << 29 << 0xE0;
    QTest::addRow("LShift") << 42 << 0xE1;
    QTest::addRow("LAlt") << 56 << 0xE2;
    QTest::addRow("LWindows") << 91 << 0xE3;
    QTest::addRow("RCtr") << 238 << 0xE4;
    QTest::addRow("RShift") << 54 << 0xE5;
    QTest::addRow("RAlt") << 239 << 0xE6;
    QTest::addRow("RWindows") << 92 << 0xE7;
}

void TestKeyTables::usages()
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

void TestKeyTables::missesLeaveTheValue_data()
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

void TestKeyTables::missesLeaveTheValue()
{
    QFETCH(bool, toUsage);
    QFETCH(int, input);
    int out = 4711;
    QVERIFY(!(toUsage ? keyCodeToUsage(input, out) : usageToKeyCode(input, out)));
    QCOMPARE(out, 4711);
}

void TestKeyTables::tableIsOneToOneAndNamed()
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

void TestKeyTables::hook_data()
{
    QTest::addColumn<int>("scanCode");
    QTest::addColumn<int>("flags");
    QTest::addColumn<int>("code");

    QTest::addRow("83 plain: Num De") << 83 << 0x00 << 224;
    QTest::addRow("83 extended: Delete") << 83 << 0x01 << 83;
    QTest::addRow("83 injected: Delete") << 83 << 0x10 << 83;
    QTest::addRow("83 plain key-up: Num De") << 83 << 0x80 << 224;
    QTest::addRow("69 extended: Num Lock") << 69 << 0x01 << 225;
    QTest::addRow("69 plain: Pause Break") << 69 << 0x00 << 69;
    QTest::addRow("69 extended key-up: Num Lock") << 69 << 0x81 << 225;
    QTest::addRow("53 extended: Num /") << 53 << 0x01 << 226;
    QTest::addRow("53 plain: /") << 53 << 0x00 << 53;
    QTest::addRow("55 plain: Num *") << 55 << 0x00 << 227;
    QTest::addRow("55 extended: Print Screen") << 55 << 0x01 << 55;
    QTest::addRow("73 plain: Num 9") << 73 << 0x00 << 228;
    QTest::addRow("73 extended: Page Up") << 73 << 0x01 << 73;
    QTest::addRow("79 plain: Num 1") << 79 << 0x00 << 230;
    QTest::addRow("80 plain: Num 2") << 80 << 0x00 << 231;
    QTest::addRow("81 plain: Num 3") << 81 << 0x00 << 232;
    QTest::addRow("75 plain: Num 4") << 75 << 0x00 << 233;
    QTest::addRow("77 plain: Num 6") << 77 << 0x00 << 234;
    QTest::addRow("71 plain: Num 7") << 71 << 0x00 << 235;
    QTest::addRow("72 plain: Num 8") << 72 << 0x00 << 236;
    QTest::addRow("72 extended: Up") << 72 << 0x01 << 72;
    QTest::addRow("82 plain: Num 0") << 82 << 0x00 << 237;
    QTest::addRow("82 extended key-up: Insert") << 82 << 0x81 << 82;
    QTest::addRow("28 extended: Num Enter") << 28 << 0x01 << 229;
    QTest::addRow("28 plain: Enter") << 28 << 0x00 << 28;
    QTest::addRow("29 extended: RCtr") << 29 << 0x01 << 238;
    QTest::addRow("29 plain: LCtr") << 29 << 0x00 << 29;
    QTest::addRow("56 extended: RAlt") << 56 << 0x01 << 239;
    QTest::addRow("56 extended alt-down: RAlt") << 56 << 0x21 << 239;
    QTest::addRow("56 key-up 0x81: RAlt") << 56 << 0x81 << 239;
    QTest::addRow("56 key-up alt-down 0xA1: LAlt") << 56 << 0xA1 << 56;
    QTest::addRow("56 plain: LAlt") << 56 << 0x00 << 56;
    QTest::addRow("56 alt-down: LAlt") << 56 << 0x20 << 56;
    QTest::addRow("76 plain: Num 5 as it is") << 76 << 0x00 << 76;
    QTest::addRow("30 extended: A as it is") << 30 << 0x01 << 30;
}

void TestKeyTables::hook()
{
    QFETCH(int, scanCode);
    QFETCH(int, flags);
    QFETCH(int, code);
    QCOMPARE(int(keyCodeFromHook(quint32(scanCode), quint32(flags))), code);
}

QTEST_GUILESS_MAIN(TestKeyTables)
#include "tst_keytables.moc"
