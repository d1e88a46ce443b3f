#include "common/CtlProcess.h"
#include "common/TestHome.h"

#include <QProcess>
#include <QtTest>

// Runs the built korvalen-ctl the way a user does.
class TestCtl : public QObject
{
    Q_OBJECT

private:
    using Run = CtlResult;

    Run ctl(const QStringList &args, const QMap<QString, QString> &env = {})
    {
        return runCtl(*m_home, args, env);
    }

    // "NX-19" -> "connected" etc., from the list table.
    static QMap<QString, QString> states(const QString &table)
    {
        QMap<QString, QString> result;
        const QStringList lines = table.split('\n', Qt::SkipEmptyParts);
        static const QRegularExpression row(
            "^\\s*\\d+\\s+(.+?)\\s+\\d+\\s+\\d+\\s+\\S+\\s+\\S+\\s+\\S+\\s+(.+)$");
        for (const QString &line : lines) {
            const QRegularExpressionMatch m = row.match(line);
            if (m.hasMatch())
                result.insert(m.captured(1), m.captured(2));
        }
        return result;
    }

    std::unique_ptr<TestHome> m_home;

private slots:
    void init() { m_home = std::make_unique<TestHome>(); }
    void cleanup() { m_home.reset(); }

    void listShowsTheConnectedMice_data()
    {
        QTest::addColumn<QString>("mice");
        QTest::addColumn<QStringList>("connected");
        QTest::addRow("two virtual mice") << "NX-19,NX-05" << QStringList{"NX-05", "NX-19"};
        QTest::addRow("none") << QString() << QStringList{};
    }

    void listShowsTheConnectedMice()
    {
        QFETCH(QString, mice);
        QFETCH(QStringList, connected);
        const Run run = ctl({"list"}, {{"KORVALEN_VIRTUAL_MOUSE", mice}});
        QCOMPARE(run.status, 0);
        const QMap<QString, QString> rows = states(run.out);
        QCOMPARE(rows.size(), 59);
        for (auto it = rows.cbegin(); it != rows.cend(); ++it) {
            if (connected.contains(it.key()))
                QVERIFY2(it.value().startsWith("connected"), qPrintable(it.key()));
            else
                QCOMPARE(it.value(), "absent");
        }
        QVERIFY(run.out.contains(
            QStringLiteral("59 catalogue rows, %1 connected").arg(connected.size())));
        // The first run created the data folder from the shipped default.
        QVERIFY(QFile::exists(m_home->dataFolder() + "/Config.ini"));
    }

    // Mice the user may not open: present in the list without access, and
    // every command that needs them ends with status 1 and the remedy.
    void miceClosedToTheUser()
    {
        const QMap<QString, QString> env = {{"KORVALEN_VIRTUAL_MOUSE", "NX-19,NX-05"},
                                            {"KORVALEN_VIRTUAL_MOUSE_DENY", "1"}};
        const Run list = ctl({"list"}, env);
        QCOMPARE(list.status, 0);
        const QMap<QString, QString> rows = states(list.out);
        QCOMPARE(rows.value("NX-19"), "present, no access (permission denied)");
        QCOMPARE(rows.value("NX-05"), "present, no access (permission denied)");
        QVERIFY(list.out.contains("59 catalogue rows, 0 connected"));

        const Run apply = ctl({"apply"}, env);
        QCOMPARE(apply.status, 1);
        QVERIFY2(apply.err.contains("cannot be opened: permission denied"), qPrintable(apply.err));
        QVERIFY2(apply.err.contains("70-korvalen-mice.rules"), qPrintable(apply.err));
    }

    // Refused command lines, for every command: usage errors exit 2, a
    // command that finds no mouse 1; only stderr says why.
    void errors_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        // {row, arguments ("|" between), status, message}
        // clang-format off
        const struct { const char *row, *args; int status; const char *message; } rows[] = {
            {"no command", "", 2, "no command given"},
            {"unknown command", "frobnicate", 2, "unknown command frobnicate"},
            {"unknown option", "--loud|list", 2, "unknown option --loud"},
            {"option without value", "--virtual", 2, "--virtual needs a value"},
            {"empty option value", "--trace||list", 2, "--trace needs a value"},
            {"list with an argument", "list|extra", 2, "list takes no arguments"},
            {"apply without a mouse", "apply", 1, "no supported mouse is connected"},
            {"verify without a mouse", "verify", 1, "no supported mouse is connected"},
            {"switch without a profile", "switch", 2, "switch needs a profile number 1-5"},
            {"switch 6", "switch|6", 2, "switch needs a profile number 1-5"},
            {"switch with --mouse", "switch|2|--mouse|1", 2, "switch: unexpected argument --mouse"},
            {"dump --mouse without a row", "dump|--mouse", 2, "--mouse needs a catalogue row"},
            {"apply --mouse past the catalogue", "apply|--mouse|59", 2,
             "--mouse needs a catalogue row"},
            {"verify with an extra argument", "verify|now", 2, "verify: unexpected argument now"},
        };
        // clang-format on
        for (const auto &r : rows)
            QTest::addRow("%s", r.row)
                << (*r.args ? QString::fromLatin1(r.args).split('|') : QStringList()) << r.status
                << QString::fromLatin1(r.message);
    }

    void errors()
    {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QString, message);
        const Run run = ctl(args);
        QCOMPARE(run.status, status);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QVERIFY(run.out.isEmpty());
    }

    void help_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("first"); // the usage line
        QTest::addColumn<QString>("detail");
        QTest::addRow("the tool") << QStringList{"--help"}
                                  << "Usage: korvalen-ctl [--virtual NAME[,NAME...]]"
                                  << "  profiles [--mouse N] [--json]";
        QTest::addRow("set, short option")
            << QStringList{"set", "-h"} << "Usage: korvalen-ctl set [--mouse N] [--mode M]"
            << "COMBO KEY Ctrl+Shift+A";
        QTest::addRow("import, whatever follows")
            << QStringList{"import", "some.prof", "--help"} << "Usage: korvalen-ctl import"
            << "  --apply     then upload";
    }

    void help()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, first);
        QFETCH(QString, detail);
        const Run run = ctl(args);
        QCOMPARE(run.status, 0);
        QVERIFY2(run.out.startsWith(first), qPrintable(run.out));
        QVERIFY2(run.out.contains(detail), qPrintable(run.out));
    }
};

QTEST_GUILESS_MAIN(TestCtl)
#include "tst_ctl.moc"
