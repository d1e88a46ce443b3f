#include "common/MacroFiles.h"
#include "common/TestHome.h"

#include "macro/MacroFile.h"
#include "macro/MacroLibrary.h"
#include "store/DataFolder.h"

#include <QtTest>

Q_DECLARE_METATYPE(MacroEvent)

class TestMacroFile : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestHome> m_home;

private slots:
    void init()
    {
        m_home = std::make_unique<TestHome>();
        QDir().mkpath(dataFolder());
    }
    void cleanup() { m_home.reset(); }

    // The six settings and three keys per event, the bytes unsigned.
    void writtenAsTheFormatHasIt()
    {
        MacroFileData macro;
        macro.defaultDelay = 10;
        macro.delayType = kRecordDelays;
        macro.loopType = 1;
        macro.loopTime = 3;
        macro.events = {keyEvent(4, true), delayEventFromMs(65530), mouseMoveEvent(2, 120)};
        QVERIFY(writeMacroFile(QStringLiteral("m"), macro));
        QSettings s(macroFilePath(QStringLiteral("m")), QSettings::IniFormat);
        QCOMPARE(s.allKeys().size(), 6 + 3 * 3);
        QCOMPARE(s.value(QStringLiteral("Setting/MacroFilePath")).toString(),
                 macroFilePath(QStringLiteral("m")));
        QCOMPARE(s.value(QStringLiteral("Setting/Count")).toInt(), 3);
        QCOMPARE(s.value(QStringLiteral("Setting/Map_0")).toString(), QStringLiteral("132"));
        QCOMPARE(s.value(QStringLiteral("Setting/DataH_1")).toInt(), 25);
        QCOMPARE(s.value(QStringLiteral("Setting/DataL_1")).toInt(), 153);
        QCOMPARE(s.value(QStringLiteral("Setting/DataH_2")).toInt(), 136);
        const MacroFileData back = readMacroFile(QStringLiteral("m"));
        QCOMPARE(back.events, macro.events);
        QCOMPARE(back.defaultDelay, 10);
        QCOMPARE(back.delayType, 1);
        QCOMPARE(back.loopType, 1);
        QCOMPARE(back.loopTime, 3);
    }

    void encodings_data()
    {
        QTest::addColumn<MacroEvent>("event");
        QTest::addColumn<MacroEvent>("expected");
        QTest::addColumn<QString>("text");
        auto add = [](const char *name, MacroEvent e, MacroEvent expected, const char *text) {
            QTest::addRow("%s", name) << e << expected << QString::fromLatin1(text);
        };
        add("key press A", keyEvent(4, true), {132, 0, 4}, "A");
        add("key release LCtr", keyEvent(0xE0, false), {4, 0, 0xE0}, "LCtr");
        add("press RIGHT CLICK", mouseButtonEvent(2, true), {129, 0, 2}, "RIGHT CLICK DOWN");
        add("release RIGHT CLICK", mouseButtonEvent(2, false), {1, 0, 2}, "RIGHT CLICK UP");
        add("press MIDDLE CLICK", mouseButtonEvent(1, true), {129, 0, 4}, "MIDDLE CLICK DOWN");
        add("release BACKWARD", mouseButtonEvent(4, false), {1, 0, 16}, "BACKWARD UP");
        add("MOVE LEFT 10", mouseMoveEvent(0, 10), {2, 0, 246}, "MOVE LEFT : 10");
        add("MOVE RIGHT 120", mouseMoveEvent(1, 120), {2, 0, 120}, "MOVE RIGHT : 120");
        add("MOVE UP 120", mouseMoveEvent(2, 120), {2, 136, 0}, "MOVE UP : 120");
        add("MOVE DOWN 1", mouseMoveEvent(3, 1), {2, 1, 0}, "MOVE DOWN : 1");
        add("delay 65530 ms", delayEventFromMs(65530), {6, 25, 153}, "65530 ms");
        add("delay above the limit", delayEventFromMs(90000), {6, 25, 153}, "65530 ms");
        add("delay below 10 ms", delayEventFromMs(4), {6, 0, 1}, "10 ms");
        add("delay 2567 ms", delayEventFromMs(2567), {6, 1, 0}, "2560 ms");
    }

    void encodings()
    {
        QFETCH(MacroEvent, event);
        QFETCH(MacroEvent, expected);
        QFETCH(QString, text);
        QCOMPARE(event, expected);
        QCOMPARE(macroEventText(event), text);
    }

    // The reader's decoding rules, one raw event at a time.
    void decoding_data()
    {
        QTest::addColumn<int>("delayType");
        QTest::addColumn<QList<int>>("raw");
        QTest::addColumn<bool>("kept");
        QTest::addColumn<MacroEvent>("event");
        QTest::addColumn<QString>("text");
        auto add = [](const char *name, int delayType, QList<int> raw, bool kept, MacroEvent e,
                      const char *text) {
            QTest::addRow("%s", name) << delayType << raw << kept << e << QString::fromUtf8(text);
        };
        add("button press", 0, {0x81, 9, 1}, true, {0x81, 0, 1}, "LEFT CLICK DOWN");
        add("button release", 0, {0x01, 0, 8}, true, {0x01, 0, 8}, "FORWARD UP");
        add("button with no valid bit", 0, {0x81, 0, 3}, false, {}, "");
        add("move 0/0 reads as right by 0", 0, {2, 0, 0}, true, {2, 0, 0}, "MOVE RIGHT : 0");
        add("move right 120", 0, {2, 0, 120}, true, {2, 0, 120}, "MOVE RIGHT : 120");
        add("move left from 121", 0, {2, 0, 121}, true, {2, 0, 121}, "MOVE LEFT : 135");
        add("move down", 0, {2, 5, 0}, true, {2, 5, 0}, "MOVE DOWN : 5");
        add("move up", 0, {2, 200, 0}, true, {2, 200, 0}, "MOVE UP : 56");
        add("both axes read as left by 0", 0, {2, 3, 4}, true, {2, 0, 0}, "MOVE LEFT : 0");
        add("move with bit 7", 0, {0x82, 0, 5}, true, {2, 0, 5}, "MOVE RIGHT : 5");
        add("key press 132", 0, {132, 7, 4}, true, {0x84, 0, 4}, "A");
        add("key release 4", 0, {4, 0, 0xE5}, true, {0x04, 0, 0xE5}, "RShift");
        add("key without a name", 0, {4, 0, 0x32}, true, {0x04, 0, 0x32}, "");
        add("delay kept with type 1", 1, {6, 1, 0}, true, {6, 1, 0}, "2560 ms");
        add("134 is a delay", 2, {134, 0, 1}, true, {6, 0, 1}, "10 ms");
        // Delays stay whatever the type: they are what the mouse plays.
        add("delay kept with type 0", 0, {6, 1, 0}, true, {6, 1, 0}, "2560 ms");
        add("type 3 skipped", 1, {3, 0, 0}, false, {}, "");
        add("empty event skipped", 1, {0, 0, 0}, false, {}, "");
        add("values cut to a byte", 0, {0x184, 0, 0x104}, true, {0x84, 0, 4}, "A");
    }

    void decoding()
    {
        QFETCH(int, delayType);
        QFETCH(QList<int>, raw);
        QFETCH(bool, kept);
        QFETCH(MacroEvent, event);
        QFETCH(QString, text);
        writeRawMacro(QStringLiteral("one"), {{0x84, 0, 5}, raw, {0x04, 0, 5}}, {}, delayType);
        const MacroFileData macro = readMacroFile(QStringLiteral("one"));
        const QVector<MacroEvent> &events = macro.events;
        QCOMPARE(macro.texts.size(), events.size());
        QCOMPARE(events.size(), kept ? 3 : 2);
        QCOMPARE(events.first(), (MacroEvent{0x84, 0, 5}));
        QCOMPARE(events.last(), (MacroEvent{0x04, 0, 5}));
        if (kept) {
            QCOMPARE(events.at(1), event);
            QCOMPARE(macro.texts.at(1), text);
        }
    }

    void missingFileReadsEmpty()
    {
        const MacroFileData macro = readMacroFile(QStringLiteral("nowhere"));
        QVERIFY(macro.events.isEmpty());
        QCOMPARE(macro.delayType + macro.defaultDelay + macro.loopTime + macro.loopType, 0);
        QVERIFY(!QFile::exists(macroFilePath(QStringLiteral("nowhere"))));
    }

    // No path puts more than 63 events into a macro.
    void sixtyThreeEvents()
    {
        QList<QList<int>> many;
        for (int i = 0; i < 70; ++i)
            many << QList<int>{0x84, 0, 4 + i % 26};
        writeRawMacro(QStringLiteral("many"), many);
        QCOMPARE(readMacroFile(QStringLiteral("many")).events.size(), 63);
        writeRawMacro(QStringLiteral("huge"), many, 2000000000);
        QCOMPARE(readMacroFile(QStringLiteral("huge")).events.size(), 63);
        writeRawMacro(QStringLiteral("negative"), many, -5);
        QCOMPARE(readMacroFile(QStringLiteral("negative")).events.size(), 0);

        MacroFileData macro;
        for (int i = 0; i < 70; ++i)
            macro.events << keyEvent(4, true);
        QVERIFY(writeMacroFile(QStringLiteral("written"), macro));
        QSettings s(macroFilePath(QStringLiteral("written")), QSettings::IniFormat);
        QCOMPARE(s.value(QStringLiteral("Setting/Count")).toInt(), 63);
        QVERIFY(!s.contains(QStringLiteral("Setting/Map_63")));

        QVector<MacroEvent> list(62);
        QVERIFY(appendMacroEvent(list, keyEvent(4, true)));
        QVERIFY(!appendMacroEvent(list, keyEvent(4, false)));
        QCOMPARE(list.size(), 63);
    }

    // A shorter macro saved over a longer one leaves the old keys unread.
    void shorterRewriteKeepsOldKeys()
    {
        MacroFileData macro;
        macro.events = {keyEvent(4, true), keyEvent(4, false), keyEvent(5, true)};
        QVERIFY(writeMacroFile(QStringLiteral("m"), macro));
        macro.events.resize(1);
        QVERIFY(writeMacroFile(QStringLiteral("m"), macro));
        QSettings s(macroFilePath(QStringLiteral("m")), QSettings::IniFormat);
        QVERIFY(s.contains(QStringLiteral("Setting/Map_2")));
        QCOMPARE(readMacroFile(QStringLiteral("m")).events.size(), 1);
    }

    void library()
    {
        QCOMPARE(macroLibraryCount(), 0);
        {
            QSettings s(globalConfigPath(), QSettings::IniFormat);
            s.setValue(QStringLiteral("MACRO_LIST/0"), QStringLiteral("first"));
            s.setValue(QStringLiteral("MACRO_LIST/2"), QStringLiteral("third"));
            s.setValue(QStringLiteral("MACRO_LIST/3"), QStringLiteral("first"));
        }
        QCOMPARE(macroLibrary(), (QStringList{QStringLiteral("first"), QStringLiteral("third"),
                                              QStringLiteral("first")}));
        QVERIFY(addToMacroLibrary(QStringLiteral("new")));
        QCOMPARE(macroLibrary(), (QStringList{QStringLiteral("first"), QStringLiteral("new"),
                                              QStringLiteral("third"), QStringLiteral("first")}));
        QVERIFY(removeFromMacroLibrary(QStringLiteral("first")));
        QCOMPARE(macroLibrary(), (QStringList{QStringLiteral("new"), QStringLiteral("third"),
                                              QStringLiteral("first")}));
        QVERIFY(!removeFromMacroLibrary(QStringLiteral("absent")));
        renameInMacroLibrary(QStringLiteral("first"), QStringLiteral("renamed"));
        QCOMPARE(macroLibrary(), (QStringList{QStringLiteral("new"), QStringLiteral("third"),
                                              QStringLiteral("renamed")}));
        QCOMPARE(macroLibraryCount(), 3);

        for (int i = macroLibraryCount(); i < kMacroLibrarySlots; ++i)
            QVERIFY(addToMacroLibrary(QStringLiteral("fill%1").arg(i)));
        QVERIFY(!addToMacroLibrary(QStringLiteral("one too many")));
        QCOMPARE(macroLibraryCount(), 50);
        QVERIFY(!macroLibrary().contains(QStringLiteral("one too many")));
    }

    void names()
    {
        QCOMPARE(newMacroName(), QStringLiteral("name_1"));
        QVERIFY(writeMacroFile(QStringLiteral("name_1"), {}));
        QVERIFY(writeMacroFile(QStringLiteral("name_3"), {}));
        QCOMPARE(newMacroName(), QStringLiteral("name_2"));
        QCOMPARE(uniqueMacroName(QStringLiteral("gun")), QStringLiteral("gun"));
        QVERIFY(writeMacroFile(QStringLiteral("gun"), {}));
        QVERIFY(writeMacroFile(QStringLiteral("gun_2"), {}));
        QCOMPARE(uniqueMacroName(QStringLiteral("gun")), QStringLiteral("gun_3"));
    }

    void renameAndDelete()
    {
        MacroFileData macro;
        macro.events = {keyEvent(4, true)};
        QVERIFY(writeMacroFile(QStringLiteral("a"), macro));
        QVERIFY(writeMacroFile(QStringLiteral("b"), {}));
        QVERIFY(addToMacroLibrary(QStringLiteral("a")));
        QVERIFY(addToMacroLibrary(QStringLiteral("b")));
        QVERIFY(addToMacroLibrary(QStringLiteral("a")));
        QCOMPARE(renameMacro(QStringLiteral("a"), QStringLiteral("b")), QStringLiteral("b_2"));
        QVERIFY(!QFile::exists(macroFilePath(QStringLiteral("a"))));
        QCOMPARE(readMacroFile(QStringLiteral("b_2")).events, macro.events);
        QCOMPARE(macroLibrary(),
                 (QStringList{QStringLiteral("b_2"), QStringLiteral("b"), QStringLiteral("b_2")}));

        QVERIFY(!renameMacroFile(QStringLiteral("absent"), QStringLiteral("x")));
        QVERIFY(deleteMacroFile(QStringLiteral("b_2")));
        QVERIFY(!QFile::exists(macroFilePath(QStringLiteral("b_2"))));
        QVERIFY(deleteMacroFile(QStringLiteral("b_2")));
    }
};

QTEST_GUILESS_MAIN(TestMacroFile)
#include "tst_macrofile.moc"
