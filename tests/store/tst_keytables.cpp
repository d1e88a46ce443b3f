// Key code / HID usage pairs, their names, and the hook rule.

#include "store/KeyTables.h"

#include <QSet>
#include <QtTest>

class TestKeyTables : public QObject
{
    Q_OBJECT

private slots:
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
};

QTEST_GUILESS_MAIN(TestKeyTables)
#include "tst_keytables.moc"
