#include "common/HostileValues.h"
#include "common/TestHome.h"

#include "store/ProgramRules.h"

#include <QtTest>

// The program-profile rules as a product Config.ini holds them: what a
// hand-written or hostile section reads as, what a write leaves in the
// file, and which rule picks the mode.
class TestProgramRules : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestHome> m_home;

    QString writeFixture(const QByteArray &text)
    {
        const QString path = m_home->path() + QStringLiteral("/Config.ini");
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(text) != text.size())
            qFatal("fixture not written");
        return path;
    }

    // "on;DEFAULT;program=mode,..." for comparing with a row.
    static QString summary(const ProgramRules &rules)
    {
        QStringList rows;
        for (const ProgramRule &rule : rules.rules)
            rows << rule.program + QLatin1Char('=') + QString::number(rule.mode);
        return QStringLiteral("%1;%2;%3")
            .arg(rules.enabled ? "on" : "off")
            .arg(rules.defaultMode)
            .arg(rows.join(QLatin1Char(',')));
    }

private slots:
    void init() { m_home = std::make_unique<TestHome>(); }
    void cleanup() { m_home.reset(); }

    void readsWhatItCan_data()
    {
        QTest::addColumn<QByteArray>("section"); // the lines below [Program_Profiles]
        QTest::addColumn<QString>("expected");
        const QByteArray two = "Program_1=cs2\nMode_1=3\nProgram_2=steam\nMode_2=1\n";
        QTest::addRow("no section") << QByteArray() << "off;0;";
        QTest::addRow("plain") << "Enabled=1\nDefault=2\nCount=2\n" + two << "on;2;cs2=3,steam=1";
        QTest::addRow("count below the rows") << "Count=1\n" + two << "off;0;cs2=3";
        QTest::addRow("count beyond the rows") << "Count=9\n" + two << "off;0;cs2=3,steam=1";
        QTest::addRow("count of 2^31") << "Count=2147483648\n" + two << "off;0;cs2=3,steam=1";
        QTest::addRow("count of 30 digits")
            << "Count=" + QByteArray(30, '9') + "\n" + two << "off;0;cs2=3,steam=1";
        QTest::addRow("negative count") << "Count=-2\n" + two << "off;0;";
        QTest::addRow("default out of range") << QByteArray("Enabled=1\nDefault=6\n") << "on;0;";
        QTest::addRow("modes out of range")
            << QByteArray("Count=4\nProgram_1=a\nMode_1=0\nProgram_2=b\nMode_2=6\n"
                          "Program_3=c\nMode_3=x\nProgram_4=d\nMode_4=5\n")
            << "off;0;d=5";
        QTest::addRow("duplicates, any case: the first wins")
            << QByteArray("Count=3\nProgram_1=Steam\nMode_1=2\nProgram_2=STEAM\nMode_2=4\n"
                          "Program_3=steam\nMode_3=5\n")
            << "off;0;Steam=2";
        QTest::addRow("names: empty, control character, 255 and 256 characters")
            << "Count=4\nProgram_1=\nMode_1=1\nProgram_2=a\\tb\nMode_2=1\nProgram_3=" +
                   QByteArray(255, 'x') + "\nMode_3=2\nProgram_4=" + QByteArray(256, 'y') +
                   "\nMode_4=3\n"
            << "off;0;" + QString(255, QLatin1Char('x')) + "=2";
        QByteArray many = "Count=10000\n";
        for (int i = 1; i <= 10000; ++i)
            many += QByteArray("Program_%1=p%1\nMode_%1=4\n").replace("%1", QByteArray::number(i));
        QStringList first;
        for (int i = 1; i <= 64; ++i)
            first << QStringLiteral("p%1=4").arg(i);
        QTest::addRow("10,000 rows: the first 64") << many << "off;0;" + first.join(',');
        for (const HostileValue &v : hostileValues()) {
            QTest::addRow("program: %s", v.name)
                << "Count=2\nProgram_1=" + v.text + "\nMode_1=2\n" +
                       two.mid(two.indexOf("Program_2"))
                << "off;0;steam=1";
            QTest::addRow("mode: %s", v.name)
                << "Count=2\nProgram_1=cs2\nMode_1=" + v.text + "\nProgram_2=steam\nMode_2=1\n"
                << "off;0;steam=1";
            QTest::addRow("count: %s", v.name) << "Count=" + v.text + "\n" + two << "off;0;";
        }
    }

    void readsWhatItCan()
    {
        QFETCH(QByteArray, section);
        QFETCH(QString, expected);
        const QString path = writeFixture("[Config]\nProfileID=2\n\n[Program_Profiles]\n" +
                                          section + "\n[Z]\nx=1\n");
        QCOMPARE(summary(readProgramRules(path)), expected);
    }

    // The whole section is replaced, rows of the longer old list too; the
    // other sections keep their bytes, and what was written reads back.
    void writeReplacesTheSectionOnly()
    {
        const QString path = writeFixture("[Config]\nProfileID=2\nProfile1=\"My; profile\"\n\n"
                                          "[Program_Profiles]\nCount=3\nMode_3=1\nProgram_3=old\n"
                                          "Stray=1\n\n[Zeta]\nx=1\n");
        ProgramRules rules;
        rules.enabled = true;
        rules.defaultMode = 4;
        rules.rules = {{"cs2", 3}, {"Steam Launcher", 5}, {"a,b", 2}, {"CS2", 1}, {"", 2}};
        QVERIFY(writeProgramRules(path, rules));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(),
                 QByteArray("[Config]\nProfile1=\"My; profile\"\nProfileID=2\n\n"
                            "[Program_Profiles]\nCount=3\nDefault=4\nEnabled=1\nMode_1=3\n"
                            "Mode_2=5\nMode_3=2\nProgram_1=cs2\nProgram_2=Steam Launcher\n"
                            "Program_3=\"a,b\"\n\n[Zeta]\nx=1\n"));
        QCOMPARE(summary(readProgramRules(path)), "on;4;cs2=3,Steam Launcher=5,a,b=2");
        // A folder that cannot be made: the file it would be in is a file.
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("cannot write .*/sub/Config.ini"));
        QVERIFY(!writeProgramRules(path + QStringLiteral("/sub/Config.ini"), rules));
    }

    void modeForProgram_data()
    {
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<int>("defaultMode");
        QTest::addColumn<QString>("executable");
        QTest::addColumn<QString>("windowClass");
        QTest::addColumn<int>("mode");
        QTest::addRow("executable") << true << 2 << "cs2"
                                    << "" << 3;
        QTest::addRow("executable, other case") << true << 2 << "CS2"
                                                << "x" << 3;
        QTest::addRow("executable by path") << true << 2 << "/usr/games/cs2"
                                            << "" << 3;
        QTest::addRow("Windows image name") << true << 2 << "C:\\Games\\cs2.EXE"
                                            << "" << 3;
        QTest::addRow("executable before class") << true << 2 << "cs2"
                                                 << "steam" << 3;
        QTest::addRow("class when the executable has none") << true << 2 << "wine64"
                                                            << "Steam" << 4;
        QTest::addRow("class never as executable") << true << 2 << "bash"
                                                   << "cs2x" << 2;
        QTest::addRow("neither: default") << true << 2 << "bash"
                                          << "xterm" << 2;
        QTest::addRow("neither: stay") << true << 0 << "bash"
                                       << "" << 0;
        QTest::addRow("nothing known") << true << 5 << ""
                                       << "" << 5;
        QTest::addRow("off") << false << 2 << "cs2"
                             << "steam" << 0;
    }

    void modeForProgram()
    {
        QFETCH(bool, enabled);
        QFETCH(int, defaultMode);
        QFETCH(QString, executable);
        QFETCH(QString, windowClass);
        QFETCH(int, mode);
        ProgramRules rules;
        rules.enabled = enabled;
        rules.defaultMode = defaultMode;
        rules.rules = {{"cs2", 3}, {"steam", 4}, {"firefox-esr", 5}};
        QCOMPARE(::modeForProgram(rules, executable, windowClass), mode);
    }
};

QTEST_GUILESS_MAIN(TestProgramRules)
#include "tst_programrules.moc"
