#include "common/FileBytes.h"
#include "common/MacroFiles.h"
#include "common/TestHome.h"

#include "macro/GunSet.h"
#include "macro/MacroEventList.h"
#include "macro/MacroFile.h"
#include "macro/MacroLibrary.h"
#include "macro/MacroRecorder.h"
#include "store/DataFolder.h"

#include <QtTest>

Q_DECLARE_METATYPE(MacroEvent)

using Events = QVector<MacroEvent>;
// vkCode, scanCode, flags, time in ms[, the event's own stamp].
using Keys = QList<QList<int>>;

namespace {

// Row texts written as "A|10 ms|A".
QStringList texts(const char *joined)
{
    return QString::fromUtf8(joined).split(QLatin1Char('|'));
}

QStringList folderListing()
{
    return QDir(dataFolder() + QStringLiteral("/MacroDB")).entryList(QDir::Files);
}

} // namespace

// The macro core: its file, library, recorder, event list and rules.
class TestMacroRules : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestHome> m_home;

private slots:
    void init()
    {
        m_home = std::make_unique<TestHome>();
        QDir().mkpath(dataFolder() + QStringLiteral("/MacroDB"));
    }
    void cleanup() { m_home.reset(); }

    void recordStep_data()
    {
        QTest::addColumn<int>("delayType");
        QTest::addColumn<Keys>("keys");
        QTest::addColumn<Events>("expected");
        QTest::addColumn<QStringList>("texts");

        QTest::addRow("A press and release 5 ms apart")
            << 1 << Keys{{0x41, 0x1E, 0x00, 1000}, {0x41, 0x1E, 0x80, 1005}}
            << Events{{0x84, 0, 0x04}, {6, 0, 1}, {0x04, 0, 0x04}} << texts("A|10 ms|A");
        QTest::addRow("1234 ms gives 1230")
            << 1 << Keys{{0x42, 0x30, 0x00, 50}, {0x42, 0x30, 0x80, 1284}}
            << Events{{0x84, 0, 0x05}, {6, 0, 123}, {0x04, 0, 0x05}} << texts("B|1230 ms|B");
        QTest::addRow("gap beyond the field clamps to 65530 ms")
            << 1 << Keys{{0x41, 0x1E, 0x00, 0}, {0x41, 0x1E, 0x80, 900000}}
            << Events{{0x84, 0, 0x04}, {6, 25, 153}, {0x04, 0, 0x04}} << texts("A|65530 ms|A");
        QTest::addRow("held key repeats its press")
            << 0
            << Keys{{0x41, 0x1E, 0x00, 0},
                    {0x41, 0x1E, 0x00, 500},
                    {0x41, 0x1E, 0x00, 530},
                    {0x41, 0x1E, 0x00, 560},
                    {0x41, 0x1E, 0x80, 600}}
            << Events{{0x84, 0, 0x04}, {0x04, 0, 0x04}} << texts("A|A");
        QTest::addRow("repeat as release and press at one instant")
            << 1 << Keys{{0x42, 0x30, 0x00, 0},   {0x42, 0x30, 0x80, 500}, {0x42, 0x30, 0x00, 501},
                         {0x42, 0x30, 0x00, 530}, {0x42, 0x30, 0x80, 560}, {0x42, 0x30, 0x00, 560},
                         {0x42, 0x30, 0x80, 1000}}
            << Events{{0x84, 0, 0x05}, {6, 0, 100}, {0x04, 0, 0x05}} << texts("B|1000 ms|B");
        QTest::addRow("a stamped repeat pair seen 40 ms apart")
            << 1
            << Keys{{0x42, 0x30, 0x00, 0, 7},
                    {0x42, 0x30, 0x80, 500, 507},
                    {0x42, 0x30, 0x00, 540, 507},
                    {0x42, 0x30, 0x80, 1000, 1007}}
            << Events{{0x84, 0, 0x05}, {6, 0, 100}, {0x04, 0, 0x05}} << texts("B|1000 ms|B");
        QTest::addRow("quick second press after 30 ms is kept")
            << 0
            << Keys{{0x42, 0x30, 0x00, 0},
                    {0x42, 0x30, 0x80, 40},
                    {0x42, 0x30, 0x00, 70},
                    {0x42, 0x30, 0x80, 100}}
            << Events{{0x84, 0, 0x05}, {0x04, 0, 0x05}, {0x84, 0, 0x05}, {0x04, 0, 0x05}}
            << texts("B|B|B|B");
        QTest::addRow("default delay 15 shows 15 and stores one unit")
            << 2 << Keys{{0x43, 0x2E, 0x00, 0}, {0x43, 0x2E, 0x80, 3000}}
            << Events{{0x84, 0, 0x06}, {6, 0, 1}, {0x04, 0, 0x06}} << texts("C|15 ms|C");
        QTest::addRow("right Ctrl is extended")
            << 0 << Keys{{0xA3, 0x1D, 0x01, 0}, {0xA3, 0x1D, 0x81, 10}}
            << Events{{0x84, 0, 0xE4}, {0x04, 0, 0xE4}} << texts("RCtr|RCtr");
        QTest::addRow("left Ctrl is not")
            << 0 << Keys{{0xA2, 0x1D, 0x00, 0}} << Events{{0x84, 0, 0xE0}} << texts("LCtr");
        QTest::addRow("keypad Enter and Enter")
            << 0 << Keys{{0x0D, 0x1C, 0x01, 0}, {0x0D, 0x1C, 0x00, 10}}
            << Events{{0x84, 0, 0x58}, {0x84, 0, 0x28}} << texts("Num Enter|Enter");
        QTest::addRow("End is extended, keypad 1 is plain")
            << 0 << Keys{{0x23, 0x4F, 0x01, 0}, {0x61, 0x4F, 0x00, 10}, {0x61, 0x4F, 0x80, 20}}
            << Events{{0x84, 0, 0x4D}, {0x84, 0, 0x59}, {0x04, 0, 0x59}}
            << texts("End|Num 1|Num 1");
        QTest::addRow("Num Lock is extended, Pause is not")
            << 0 << Keys{{0x90, 0x45, 0x01, 0}, {0x13, 0x45, 0x00, 10}}
            << Events{{0x84, 0, 0x53}, {0x84, 0, 0x48}} << texts("Num Lock|Pause Break");
        QTest::addRow("right Alt by its virtual key, whatever the flags")
            << 0 << Keys{{0xA5, 0x38, 0x21, 0}, {0xA5, 0x38, 0x81, 10}}
            << Events{{0x84, 0, 0xE6}, {0x04, 0, 0xE6}} << texts("RAlt|RAlt");
        QTest::addRow("left Alt press carries the Alt-down flag")
            << 0 << Keys{{0xA4, 0x38, 0x20, 0}, {0xA4, 0x38, 0x80, 10}}
            << Events{{0x84, 0, 0xE2}, {0x04, 0, 0xE2}} << texts("LAlt|LAlt");
        QTest::addRow("Alt-down keypad 1 keeps its scan code")
            << 0 << Keys{{0x23, 0x4F, 0x20, 0}} << Events{{0x84, 0, 0x4D}} << texts("End");
        QTest::addRow("F13 has no usage and is skipped")
            << 1 << Keys{{0x7C, 0x64, 0x00, 0}, {0x41, 0x1E, 0x00, 40}} << Events{{0x84, 0, 0x04}}
            << texts("A");
    }

    void recordStep()
    {
        QFETCH(int, delayType);
        QFETCH(Keys, keys);
        QFETCH(Events, expected);
        QFETCH(QStringList, texts);

        MacroRecorder recorder;
        recorder.restart();
        QVector<MacroEvent> events;
        QStringList shown;
        for (const QList<int> &k : keys) {
            const KeyRecord record{quint32(k[0]), quint32(k[1]), quint32(k[2]),
                                   quint32(k.value(4))};
            int retract = 0;
            const QVector<MacroRow> rows = recorder.step(record, k[3], events.size(), delayType,
                                                         QStringLiteral("15"), &retract);
            events.resize(events.size() - retract);
            shown = shown.mid(0, shown.size() - retract);
            for (const MacroRow &row : rows) {
                events << row.event;
                shown << row.text;
            }
        }
        QCOMPARE(events, expected);
        QCOMPARE(shown, texts);
        QVERIFY(!recorder.droppedForRoom());
    }

    void recordBound_data()
    {
        QTest::addColumn<int>("delayType");
        QTest::addColumn<int>("rowsBefore");
        QTest::addColumn<int>("rowsAdded");
        QTest::addColumn<int>("bound"); // the one the message names

        QTest::addRow("delays, 61 rows take a delay and a key") << 1 << 61 << 2 << 0;
        QTest::addRow("delays, 62 rows take nothing") << 1 << 62 << 0 << 63;
        QTest::addRow("default delays, 62 rows take nothing") << 2 << 62 << 0 << 63;
        QTest::addRow("no delays, 39 rows take a key") << 0 << 39 << 1 << 0;
        QTest::addRow("no delays, 40 rows take nothing") << 0 << 40 << 0 << 40;
    }

    void recordBound()
    {
        QFETCH(int, delayType);
        QFETCH(int, rowsBefore);
        QFETCH(int, rowsAdded);
        QFETCH(int, bound);

        MacroRecorder recorder;
        // A first key starts the clock, so the second brings its delay.
        QCOMPARE(
            recorder.step(KeyRecord{0x41, 0x1E, 0}, 0, 0, delayType, QStringLiteral("10")).size(),
            1);
        const QVector<MacroRow> rows = recorder.step(KeyRecord{0x41, 0x1E, 0x80}, 100, rowsBefore,
                                                     delayType, QStringLiteral("10"));
        QCOMPARE(rows.size(), rowsAdded);
        QCOMPARE(recorder.droppedForRoom(), rowsAdded == 0);
        if (bound > 0) {
            const QString message = recorder.droppedMessage();
            QVERIFY2(message.contains(QStringLiteral("AT MOST %1 EVENTS").arg(bound)),
                     qPrintable(message));
        }
    }

    void releaseTest_data()
    {
        QTest::addColumn<Events>("events");
        QTest::addColumn<bool>("passes");

        QTest::addRow("empty list") << Events{} << true;
        QTest::addRow("press and release") << Events{{0x84, 0, 4}, {6, 0, 1}, {0x04, 0, 4}} << true;
        QTest::addRow("nested keys")
            << Events{{0x84, 0, 0xE0}, {0x84, 0, 4}, {0x04, 0, 4}, {0x04, 0, 0xE0}} << true;
        QTest::addRow("mouse click") << Events{{0x81, 0, 1}, {0x01, 0, 1}} << true;
        QTest::addRow("release before press counts too")
            << Events{{0x04, 0, 4}, {0x84, 0, 4}} << true;
        QTest::addRow("key still held") << Events{{0x84, 0, 4}, {6, 0, 5}} << false;
        QTest::addRow("released the other key") << Events{{0x84, 0, 4}, {0x04, 0, 5}} << false;
        QTest::addRow("pressed twice, released once")
            << Events{{0x84, 0, 4}, {0x84, 0, 4}, {0x04, 0, 4}} << false;
        QTest::addRow("mouse button held") << Events{{0x81, 0, 2}, {0x01, 0, 1}} << false;
    }

    void releaseTest()
    {
        QFETCH(Events, events);
        QFETCH(bool, passes);
        QCOMPARE(releaseTestPasses(events), passes);
    }

    void gunSet_data()
    {
        QTest::addColumn<QList<QList<int>>>("shots"); // delay, Y, X
        QTest::addColumn<Events>("expected");

        QTest::addRow("one shot Y 5") << QList<QList<int>>{{100, 5, 0}}
                                      << Events{{0x81, 0, 1}, {0x01, 0, 1}, {2, 5, 0}, {6, 0, 10}};
        QTest::addRow("X -3 and Y -7: up before left")
            << QList<QList<int>>{{250, -7, -3}}
            << Events{{0x81, 0, 1}, {0x01, 0, 1}, {2, 249, 0}, {2, 0, 253}, {6, 0, 25}};
        QTest::addRow("no pull") << QList<QList<int>>{{999, 0, 0}}
                                 << Events{{0x81, 0, 1}, {0x01, 0, 1}, {6, 0, 99}};
        QTest::addRow("two bullets") << QList<QList<int>>{{100, 100, 0}, {30, 0, 100}}
                                     << Events{{0x81, 0, 1}, {0x01, 0, 1}, {2, 100, 0}, {6, 0, 10},
                                               {0x81, 0, 1}, {0x01, 0, 1}, {2, 0, 100}, {6, 0, 3}};
    }

    void gunSet()
    {
        QFETCH(QList<QList<int>>, shots);
        QFETCH(Events, expected);
        QVector<GunShot> in;
        for (const QList<int> &s : shots)
            in << GunShot{s[0], s[1], s[2]};
        const QVector<MacroEvent> events = gunSetEvents(in);
        QCOMPARE(events, expected);

        QVERIFY(writeGunFile(QStringLiteral("AK"), events));
        const MacroFileData f = readMacroFile(QStringLiteral("AK"));
        QCOMPARE((QList<int>{f.defaultDelay, f.delayType, f.loopType, f.loopTime}),
                 (QList<int>{10, 1, 0, 1}));
        QCOMPARE(f.events, expected);
    }

    void roomAndTail_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("withDelay");
        QTest::addColumn<bool>("losesTail");

        QTest::addRow("51 without delays") << 51 << false << false;
        QTest::addRow("52 without delays") << 52 << false << true;
        QTest::addRow("63 with one delay") << 63 << true << false;
    }

    void roomAndTail()
    {
        QFETCH(int, count);
        QFETCH(bool, withDelay);
        QFETCH(bool, losesTail);
        QVector<MacroEvent> events(count, MacroEvent{0x84, 0, 4});
        if (withDelay)
            events[count / 2] = MacroEvent{6, 0, 1};
        QCOMPARE(macroLosesTailInMouse(events), losesTail);
    }

    // Steps on the rows "r0", "r1", ... (keys A, B, ...); then the row texts
    // ("#n": n rows) and the current row of the last reset (-2: none).
    void eventList_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("after");
        QTest::addColumn<int>("current");

        const auto steps = [](const char *s) { return QString::fromLatin1(s).split(u';'); };
        QTest::addRow("move up") << 4 << steps("move 2 1") << "r0|r2|r1|r3" << 1;
        QTest::addRow("move past the end") << 4 << steps("move 3 4") << "r0|r1|r2|r3" << -2;
        QTest::addRow("remove a selection") << 4 << steps("remove 0 2") << "r1|r3" << 0;
        QTest::addRow("remove the last") << 3 << steps("remove 2") << "r0|r1" << 1;
        QTest::addRow("cut, paste") << 4 << steps("cut 1 2;paste 1") << "r0|r3|r1|r2" << 3;
        QTest::addRow("keys, delays") << 1 << steps("keys -1 1") << "r0|A|10 ms|A|10 ms" << 4;
        QTest::addRow("keys, default delay") << 0 << steps("keys -1 2") << "A|15 ms|A|15 ms" << 3;
        QTest::addRow("fits 63") << 59 << steps("keys 0 1") << "#63" << 4;
        QTest::addRow("refused past 63") << 60 << steps("keys 0 1") << "#60" << -2;
        QTest::addRow("paste past 63") << 62 << steps("copy 0 1;paste 3") << "#62" << -2;
        QTest::addRow("record after") << 3 << steps("record 1 0 2") << "r0|20 ms|20 ms|r1|r2" << 2;
        QTest::addRow("record retracts") << 3 << steps("record 2 1 2") << "r0|20 ms|20 ms|r2" << 2;
        // Delay rows keep their text, here the default-delay field's.
        QTest::addRow("texts") << 2 << steps("keys 0 2;retranslate") << "A|A|15 ms|A|15 ms|B" << 4;
    }

    void eventList()
    {
        QFETCH(int, rows);
        QFETCH(QStringList, steps);
        QFETCH(QString, after);
        QFETCH(int, current);

        MacroEventList list;
        QVector<MacroRow> start;
        for (int i = 0; i < rows; ++i)
            start << MacroRow{keyEvent(quint8(4 + i % 20), true), QStringLiteral("r%1").arg(i)};
        list.setRows(start);
        QSignalSpy reset(&list, &MacroEventList::reset);
        for (const QString &step : steps) {
            const QStringList w = step.split(u' ');
            QList<int> n;
            for (const QString &number : w.mid(1))
                n << number.toInt();
            if (w[0] == "move")
                list.move(n[0], n[1]);
            else if (w[0] == "remove")
                list.remove(n);
            else if (w[0] == "copy" || w[0] == "cut")
                list.copy(n, w[0] == "cut");
            else if (w[0] == "paste")
                list.paste(n[0]);
            else if (w[0] == "record")
                list.record(n[0], n[1], QVector<MacroRow>(n[2], delayRow(20)));
            else if (w[0] == "retranslate")
                list.retranslate();
            else { // keys CURRENT DELAYTYPE: a press and release of A
                list.setDelayType(n[1]);
                list.insertAfter(n[0], list.withDelays({keyEvent(4, true), keyEvent(4, false)},
                                                       QStringLiteral("15")));
            }
        }
        QStringList texts;
        for (const MacroRow &r : list.rows())
            texts << r.text;
        if (after.startsWith(u'#'))
            QCOMPARE(texts.size(), after.mid(1).toInt());
        else
            QCOMPARE(texts.join(u'|'), after);
        QCOMPARE(reset.isEmpty() ? -2 : reset.last().at(0).toInt(), current);
    }

    void unsafeNames_data()
    {
        // The refusal names the rule the name broke. Backslash and colon are
        // tst_ctlwriters::hostileProductNames' rows of the same rule.
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("rule");
        const QString forbidden = QStringLiteral("ONE OF / \\ : * ? \" < > |");
        const QString trailing = QStringLiteral("ENDS WITH A DOT OR A SPACE");
        QTest::addRow("parent folder") << QStringLiteral("../x") << forbidden;
        QTest::addRow("dot") << QStringLiteral(".") << QStringLiteral("IS \".\" OR \"..\"");
        QTest::addRow("dot dot") << QStringLiteral("..") << QStringLiteral("IS \".\" OR");
        QTest::addRow("control character") << QStringLiteral("a\tb") << QStringLiteral("CONTROL");
        QTest::addRow("right-to-left override")
            << (QStringLiteral("gun") + QChar(0x202E) + QStringLiteral("exe")) << "U+202E";
        QTest::addRow("zero-width space")
            << (QStringLiteral("a") + QChar(0x200B) + QStringLiteral("b")) << "FORMATTING";
        QTest::addRow("trailing dot") << QStringLiteral("gun.") << trailing;
        QTest::addRow("trailing space") << QStringLiteral("gun ") << trailing;
        QTest::addRow("empty") << QString() << QStringLiteral("EMPTY");
        QTest::addRow("too long") << QString(250, QLatin1Char('n'))
                                  << QStringLiteral("LONGER THAN 247 BYTES");
        QTest::addRow("too long in bytes")
            << QString(100, QChar(0x5b8f)) << QStringLiteral("LONGER THAN 247 BYTES");
    }

    void unsafeNames()
    {
        QFETCH(QString, name);
        QFETCH(QString, rule);
        QVERIFY2(unsafeMacroNameMessage(name).contains(rule),
                 qPrintable(unsafeMacroNameMessage(name)));
        QVERIFY(writeMacroFile(QStringLiteral("kept"), MacroFileData{}));
        QVERIFY(addToMacroLibrary(QStringLiteral("kept")));
        const QStringList folder = folderListing();
        const QStringList outside = QDir(dataFolder()).entryList(QDir::AllEntries);

        QVERIFY(!isSafeMacroName(name));
        QVERIFY(!writeMacroFile(name, MacroFileData{}));
        QVERIFY(!addToMacroLibrary(name));
        QVERIFY(renameMacro(QStringLiteral("kept"), name).isEmpty());
        QVERIFY(!deleteMacroFile(name));

        QCOMPARE(macroLibrary(), QStringList{QStringLiteral("kept")});
        QCOMPARE(folderListing(), folder);
        QCOMPARE(QDir(dataFolder()).entryList(QDir::AllEntries), outside);
    }

    void safeNames()
    {
        for (const QString &name : {QStringLiteral("AK 47"), QStringLiteral("宏_1"),
                                    QStringLiteral(".hidden"), QStringLiteral("a.b")})
            QVERIFY2(isSafeMacroName(name), qPrintable(name));
    }

    void import_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("countAfter"); // -1: not imported

        const QByteArray two = "[Setting]\nCount=2\nMap_0=132\nDataH_0=0\nDataL_0=4\n"
                               "Map_1=4\nDataH_1=0\nDataL_1=5\n";
        QTest::addRow("macro file")
            << QStringLiteral("two.MSMACRO") << two << int(MacroImport::Imported) << 2;
        QTest::addRow("no count") << QStringLiteral("nocount.MSMACRO")
                                  << QByteArray("[Setting]\nMap_0=132\n")
                                  << int(MacroImport::NotMacroFile) << -1;
        QTest::addRow("garbage") << QStringLiteral("junk.MSMACRO")
                                 << QByteArray("\x01\x02[[[\xff\xfe=\n\x00", 10)
                                 << int(MacroImport::NotMacroFile) << -1;
        QTest::addRow("count not a number")
            << QStringLiteral("word.MSMACRO") << QByteArray("[Setting]\nCount=many\n")
            << int(MacroImport::NotMacroFile) << -1;
        QTest::addRow("unsafe base name")
            << QStringLiteral("bad..MSMACRO") << two << int(MacroImport::UnsafeName) << -1;
        QTest::addRow("already there")
            << QStringLiteral("kept.MSMACRO") << two << int(MacroImport::Exists) << -1;
        QByteArray many = "[Setting]\nCount=70\n";
        for (int i = 0; i < 70; ++i)
            many += QStringLiteral("Map_%1=132\nDataH_%1=0\nDataL_%1=%2\n")
                        .arg(i)
                        .arg(4 + i % 20)
                        .toLatin1();
        QTest::addRow("70 events")
            << QStringLiteral("long.MSMACRO") << many << int(MacroImport::Shortened) << 63;
    }

    void import()
    {
        QFETCH(QString, fileName);
        QFETCH(QByteArray, content);
        QFETCH(int, result);
        QFETCH(int, countAfter);

        QVERIFY(writeMacroFile(QStringLiteral("kept"), MacroFileData{}));
        QVERIFY(addToMacroLibrary(QStringLiteral("kept")));
        const QString source = m_home->path() + QLatin1Char('/') + fileName;
        QVERIFY(writeFileBytes(source, content));
        const QStringList folder = folderListing();

        QString name;
        QCOMPARE(int(importMacroFile(source, &name)), result);
        if (countAfter < 0) {
            QVERIFY(!macroImportMessage(MacroImport(result), QStringLiteral("n")).isEmpty());
            QCOMPARE(macroLibrary(), QStringList{QStringLiteral("kept")});
            QCOMPARE(folderListing(), folder);
            return;
        }
        QCOMPARE(macroLibrary(), (QStringList{QStringLiteral("kept"), name}));
        QCOMPARE(readMacroEventsForUpload(name).size(), countAfter);
        QSettings copy(macroFilePath(name), QSettings::IniFormat);
        QCOMPARE(copy.value(QStringLiteral("Setting/Count")).toInt(), countAfter);
        QCOMPARE(copy.value(QStringLiteral("Setting/DataL_%1").arg(countAfter - 1)).toInt(),
                 4 + (countAfter - 1) % 20);
    }

    void importIntoFullLibrary()
    {
        for (int i = 0; i < 50; ++i)
            QVERIFY(addToMacroLibrary(QStringLiteral("m%1").arg(i)));
        const QString source = m_home->path() + QStringLiteral("/new.MSMACRO");
        QSettings(source, QSettings::IniFormat).setValue(QStringLiteral("Setting/Count"), 0);
        QCOMPARE(importMacroFile(source), MacroImport::LibraryFull);
        QVERIFY(folderListing().isEmpty());
        QCOMPARE(macroLibraryCount(), 50);
    }

    // The six settings and three keys per event, the bytes unsigned; saved
    // over a longer macro, the old keys stay unread.
    void writtenAsTheFormatHasIt()
    {
        MacroFileData macro;
        macro.events = QVector<MacroEvent>(4, keyEvent(5, true));
        QVERIFY(writeMacroFile(QStringLiteral("m"), macro));
        macro.defaultDelay = 10;
        macro.delayType = kRecordDelays;
        macro.loopType = 1;
        macro.loopTime = 3;
        macro.events = {keyEvent(4, true), delayEventFromMs(65530), mouseMoveEvent(2, 120)};
        QVERIFY(writeMacroFile(QStringLiteral("m"), macro));
        QSettings s(macroFilePath(QStringLiteral("m")), QSettings::IniFormat);
        QCOMPARE(s.allKeys().size(), 6 + 4 * 3);
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

QTEST_GUILESS_MAIN(TestMacroRules)
#include "tst_macrorules.moc"
