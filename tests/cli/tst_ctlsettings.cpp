#include "common/CtlProcess.h"
#include "common/FileBytes.h"
#include "common/FileSnapshot.h"
#include "common/MacroFiles.h"
#include "common/TestHome.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSettings>
#include <QtTest>

// Runs the built korvalen-ctl the way a user does: the list, refused
// command lines, and get and set against virtual mice, judged by the output
// and the files it leaves.
class TestCtlSettings : public QObject
{
    Q_OBJECT

private:
    CtlResult ctl(const QStringList &args, const QString &trace = QString())
    {
        // NX-19 alone unless a run names another model, which is then picked
        // by name from two connected mice.
        const int mouse = args.indexOf("--mouse");
        const QString mice = mouse >= 0 && args.value(mouse + 1) != "NX-19"
                                 ? "NX-19," + args.value(mouse + 1)
                                 : "NX-19";
        QMap<QString, QString> env{{"KORVALEN_VIRTUAL_MOUSE", mice}};
        if (!trace.isEmpty())
            env.insert("KORVALEN_HID_TRACE", trace);
        return runCtl(*m_home, args, env);
    }
    CtlResult ctl(const char *line, const QString &trace = QString())
    {
        return ctl(words(line), trace);
    }
    // No mouse unless `env` names some.
    CtlResult ctlWith(const QStringList &args, const QMap<QString, QString> &env = {})
    {
        return runCtl(*m_home, args, env);
    }

    // Runs "set NAME VALUE" for each "NAME=VALUE" and fails on the first
    // refusal.
    bool setAll(const QStringList &pairs, const QStringList &options)
    {
        for (const QString &pair : pairs) {
            const int eq = pair.indexOf('=');
            const CtlResult run =
                ctl(QStringList{"set"} + options + QStringList{pair.left(eq), pair.mid(eq + 1)});
            if (run.status != 0) {
                qWarning() << pair << run.err;
                return false;
            }
        }
        return true;
    }

    // Macros m1 ... m8 in the library, each a key press and release.
    void addMacros()
    {
        QCOMPARE(ctl("list").status, 0); // seeds the data folder
        QSettings config(m_home->dataFolder() + "/Config.ini", QSettings::IniFormat);
        for (int i = 1; i <= 8; ++i) {
            config.setValue(QStringLiteral("MACRO_LIST/%1").arg(i - 1),
                            QStringLiteral("m%1").arg(i));
            writeRawMacro(QStringLiteral("m%1").arg(i), {{0x84, 0, 4 + i}, {0x04, 0, 4 + i}});
        }
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

    // Every catalogue row is listed in the state of its mouse. Mice the user
    // may not open are there without access, and every command that needs
    // them ends with status 1 and the remedy.
    void listShowsTheConnectedMice_data()
    {
        QTest::addColumn<QString>("mice");
        QTest::addColumn<bool>("denied");
        QTest::addRow("two virtual mice") << "NX-19,NX-05" << false;
        QTest::addRow("none") << QString() << false;
        QTest::addRow("two closed to the user") << "NX-19,NX-05" << true;
    }

    void listShowsTheConnectedMice()
    {
        QFETCH(QString, mice);
        QFETCH(bool, denied);
        QMap<QString, QString> env{{"KORVALEN_VIRTUAL_MOUSE", mice}};
        if (denied)
            env.insert("KORVALEN_VIRTUAL_MOUSE_DENY", "1");
        const CtlResult run = ctlWith({"list"}, env);
        QCOMPARE(run.status, 0);
        const QMap<QString, QString> rows = states(run.out);
        QCOMPARE(rows.size(), 59);
        const QStringList present = mice.split(',', Qt::SkipEmptyParts);
        for (auto it = rows.cbegin(); it != rows.cend(); ++it) {
            if (!present.contains(it.key()))
                QCOMPARE(it.value(), "absent");
            else if (denied)
                QCOMPARE(it.value(), "present, no access (permission denied)");
            else
                QVERIFY2(it.value().startsWith("connected"), qPrintable(it.key()));
        }
        QVERIFY(run.out.contains(
            QStringLiteral("59 catalogue rows, %1 connected").arg(denied ? 0 : present.size())));
        // The first run created the data folder from the shipped default.
        QVERIFY(QFile::exists(m_home->dataFolder() + "/Config.ini"));
        if (!denied)
            return;
        const CtlResult apply = ctlWith({"apply"}, env);
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
        const CtlResult run = ctlWith(args);
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
        const CtlResult run = ctlWith(args);
        QCOMPARE(run.status, 0);
        QVERIFY2(run.out.startsWith(first), qPrintable(run.out));
        QVERIFY2(run.out.contains(detail), qPrintable(run.out));
    }
    void setThenGet_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QStringList>("before"); // NAME=VALUE set first
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("shown"); // what get prints afterwards
        // {row, options, before (";" between), name, value, shown}. The 3399
        // scale runs in 50 DPI steps to 20000, then in 100s; its sniper
        // steps in 50 DPI from 50.
        // clang-format off
        const char *const rows[][6] = {
            {"report rate", "", "", "report-rate", "500", "500"},
            {"report rate with unit", "", "", "report-rate", "250Hz", "250"},
            {"pointer speed", "", "", "pointer-speed", "17", "17"},
            {"scroll speed", "", "", "scroll-speed", "3", "3"},
            {"lift-off", "", "", "lift-off", "1mm", "1mm"},
            {"lift-off, two-distance model", "--mouse NX-18", "", "lift-off", "2 mm", "2mm"},
            {"active stage", "", "", "dpi-stage", "3", "3"},
            {"stage DPI", "", "", "dpi2", "1650", "1650"},
            {"stage DPI above the native range", "", "", "dpi5", "20100", "20100"},
            {"stage X and Y", "", "dpi2-link=off", "dpi2", "800x1600", "800x1600"},
            {"stage enable", "", "", "dpi4-enabled", "off", "off"},
            {"stage link makes X follow Y", "", "dpi1-link=off;dpi1=400x1200", "dpi1-link", "on", "on"},
            {"effect by menu text", "", "", "effect", "GO WITHOUT TRACE", "go-without-trace"},
            {"colour", "", "effect=breathing", "colour", "#12AB9F", "#12ab9f"},
            {"brightness", "", "effect=wave", "brightness", "2", "2"},
            {"effect speed", "", "effect=flash", "effect-speed", "7", "7"},
            {"another mode", "--mode 4", "", "pointer-speed", "2", "2"},
            {"button by menu text", "", "", "button6", "browser-home", "Browser Home"},
            {"wheel slot", "", "", "scroll-up", "volume down", "Volume Down"},
            {"left click moves to another button", "", "button2=Left", "button1", "DPI +", "DPI +"},
            {"single key", "", "", "button2", "single key num +", "SINGLE KEY Num +"},
            {"combo in slot order", "", "", "button4", "COMBO KEY LCtr+shift+A", "COMBO KEY Shift+Ctrl+A"},
            {"fire key", "", "", "button3", "FIRE KEY Keyboard Key F5 times 4 delay 20",
             "FIRE KEY Keyboard Key F5 times 4 delay 20"},
            {"fire mouse button", "", "button3=fire key Keyboard Key F5 times 1 delay 1", "button3",
             "fire middle times 2 delay 9", "FIRE KEY Middle times 2 delay 9"},
            {"sniper", "", "", "button6", "SNIPER 800", "SNIPER 800"},
            {"macro while held", "", "", "button5", "macro m2 while-held", "macro m2 while-held"},
            {"macro loops", "", "", "button5", "Macro Manager m3 times 12", "macro m3 times 12"},
            {"gun file", "", "", "button2", "gunfile m1", "gunfile m1 times 1"},
            {"button of another mode", "--mode 3", "", "button5", "Mute", "Mute"},
        };
        // clang-format on
        for (const auto &r : rows)
            QTest::newRow(r[0]) << QString::fromLatin1(r[1]).split(' ', Qt::SkipEmptyParts)
                                << QString::fromLatin1(r[2]).split(';', Qt::SkipEmptyParts)
                                << QString::fromLatin1(r[3]) << QString::fromLatin1(r[4])
                                << QString::fromLatin1(r[5]);
    }

    void setThenGet()
    {
        QFETCH(QStringList, options);
        QFETCH(QStringList, before);
        QFETCH(QString, name);
        QFETCH(QString, value);
        QFETCH(QString, shown);
        if (value.contains(" m"))
            addMacros();
        QVERIFY(setAll(before, options));
        QVERIFY(setAll({name + '=' + value}, options));
        const CtlResult get = ctl(QStringList{"get"} + options + QStringList{name});
        QCOMPARE(get.status, 0);
        QCOMPARE(get.out, shown + '\n');
        if (name == "dpi1-link") {
            // Linking moved X to Y.
            QCOMPARE(ctl("get dpi1").out, "1200\n");
        }
        if (!options.contains("--mode"))
            return;
        // The active profile kept its own value.
        const CtlResult other = ctl({"get", name});
        QVERIFY(other.out != shown + '\n');
    }

    void refusedValuesChangeNoFile_data()
    {
        QTest::addColumn<QStringList>("before"); // NAME=VALUE set first, on the same mouse
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("message");
        // {row, before (";" between), arguments ("|" between), message}. m2
        // is still counted while its only button is being given m8.
        // clang-format off
        const char *const rows[][4] = {
            {"rate", "", "report-rate|300", "allowed: 125, 250, 500, 1000"},
            {"negative rate", "", "report-rate|-1000", "allowed: 125, 250, 500, 1000"},
            {"signed speed", "", "pointer-speed|+5", "allowed: 1-20"},
            {"speed too high", "", "pointer-speed|21", "allowed: 1-20"},
            {"DPI between steps", "", "dpi1|20150", "(nearest: 20100, 20200)"},
            {"DPI beyond the sensor", "", "dpi1|90000", "allowed: 50-40000 DPI"},
            {"X and Y apart while linked", "dpi3-link=on", "dpi3|800x1600", "X and Y are linked"},
            {"stage beyond five", "", "dpi-stage|6", "allowed: 1-5"},
            {"effect of another class", "", "effect|7 color breathing",
             "allowed: breathing, rainbow, full-lighted, wave, go-without-trace, reactive, flash, off"},
            {"colour by name", "", "colour|red", "allowed: #rrggbb"},
            {"brightness zero", "", "brightness|0", "allowed: 1-3"},
            {"lift-off the model lacks", "", "--mouse|NX-18|lift-off|3mm", "allowed: 2mm, 1mm"},
            {"unknown setting", "", "loudness|3", "has no setting loudness"},
            {"mode beyond five", "", "--mode|6|dpi1|800", "--mode needs a profile number 1-5"},
            {"unknown function", "", "button2|Teleport", "functions: Left, Right, Middle"},
            {"a button the model lacks", "", "button9|Left", "has no setting button9"},
            {"wheel slot takes the wheel menu", "", "scroll-down|Mail",
             "functions: Left, Right, Middle, Forward, Back, Volume Up, Volume Down, Scroll Up, "
             "Scroll Down; with parameters: SINGLE KEY <key>, COMBO KEY <keys>"},
            {"key the window has no name for", "", "button3|single key F13", "keys by the window's names"},
            {"sniper between steps", "", "button6|SNIPER 825", "sniper DPI: 50, 100, 150"},
            {"the last left click", "", "button1|Right", "holds the profile's last Left click"},
            {"gun file on the left button", "button2=Left", "button1|gunfile m1",
             "the left button cannot fire a gun file"},
            {"a macro that does not exist", "", "button3|macro m9",
             "there is no macro m9; the macros are: m1, m2, m3, m4, m5, m6, m7, m8"},
            {"eighth macro on a 7-macro model",
             "button2=macro m1;button3=macro m2;button4=macro m3;button5=macro m4;button6=macro m5;"
             "button7=macro m6;button8=macro m7", "--mouse|NX-32|button3|macro m8",
             "NX-32 holds at most 7 different macros; assign one of m1, m2, m3, m4, m5, m6, m7"},
        };
        // clang-format on
        for (const auto &r : rows)
            QTest::newRow(r[0]) << QString::fromLatin1(r[1]).split(';', Qt::SkipEmptyParts)
                                << QString::fromLatin1(r[2]).split('|')
                                << QString::fromLatin1(r[3]);
    }

    void refusedValuesChangeNoFile()
    {
        QFETCH(QStringList, before);
        QFETCH(QStringList, args);
        QFETCH(QString, message);
        addMacros();
        // The first run writes the model's defaults; the refusal must not
        // touch them.
        const int mouse = args.indexOf("--mouse");
        const QStringList mouseArgs = args.mid(mouse, mouse < 0 ? 0 : 2);
        QCOMPARE(ctl(QStringList{"get"} + mouseArgs).status, 0);
        QVERIFY(setAll(before, mouseArgs));
        const QMap<QString, QByteArray> files = fileSnapshot(m_home->dataFolder());
        const CtlResult run = ctl(QStringList{"set"} + args);
        QCOMPARE(run.status, 2);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QCOMPARE(fileSnapshot(m_home->dataFolder()), files);
    }

    // Every command's --json holds what its lines for people say.
    void jsonHoldsThePlainFacts()
    {
        QVERIFY(setAll({"effect=reactive", "dpi2-link=off", "dpi2=400x800"}, {}));
        const CtlResult json = ctl("get --json");
        QCOMPARE(json.status, 0);
        QJsonParseError error;
        const QJsonDocument doc = QJsonDocument::fromJson(json.out.toUtf8(), &error);
        QCOMPARE(error.error, QJsonParseError::NoError);
        QCOMPARE(doc.object().value("model").toString(), "NX-19");
        const QJsonObject settings = doc.object().value("settings").toObject();
        QMap<QString, QString> fromJson;
        for (auto it = settings.constBegin(); it != settings.constEnd(); ++it)
            fromJson.insert(it.key(), it.value().isDouble() ? QString::number(it.value().toInt())
                                                            : it.value().toString());
        // setThenGet proves the plain output ("name value" lines) shows what
        // was set.
        QMap<QString, QString> shown;
        for (const QString &line : ctl("get").out.split('\n', Qt::SkipEmptyParts))
            shown.insert(line.section(' ', 0, 0), line.section(' ', 1).trimmed());
        QCOMPARE(fromJson, shown);

        QCOMPARE(ctl("apply").status, 0);
        QString plain;
        const auto parsed = [this, &plain](const QString &command) {
            plain = ctl({command}).out;
            // Before the command here; get takes it after the command.
            return QJsonDocument::fromJson(ctl({"--json", command}).out.toUtf8());
        };

        const QJsonArray rows = parsed("list").object().value("rows").toArray();
        QVERIFY(plain.contains(QStringLiteral("%1 catalogue rows, 1 connected").arg(rows.size())));
        const QSettings config(m_home->dataFolder() + "/Config.ini", QSettings::IniFormat);
        int connected = 0;
        for (const QJsonValue &row : rows) {
            const QJsonObject o = row.toObject();
            if (o.value("state").toString() != "connected")
                continue;
            ++connected;
            QCOMPARE(o.value("product").toString(), "NX-19");
            QCOMPARE(o.value("active").toBool(), plain.contains("(active)"));
            // IDs in decimal, as the catalogue row of Config.ini has them.
            const int n = o.value("row").toInt(), vid = o.value("vid").toInt(),
                      pid = o.value("pid").toInt();
            QCOMPARE(vid, config.value(QStringLiteral("Mouse_List/VID_%1").arg(n)).toInt());
            QCOMPARE(pid, config.value(QStringLiteral("Mouse_List/PID_%1").arg(n)).toInt());
            const QRegularExpression line(
                QStringLiteral("\\n\\s*%1\\s+NX-19\\s+%2\\s+%3\\s").arg(n).arg(vid).arg(pid));
            QVERIFY2(line.match(plain).hasMatch(), qPrintable(plain));
        }
        QCOMPARE(connected, 1);

        const QJsonArray devices = parsed("devices").array();
        QVERIFY(plain.contains(QStringLiteral("\n%1 HID collections").arg(devices.size())));
        QList<int> interfaces;
        for (const QJsonValue &d : devices) {
            QVERIFY(plain.contains(d.toObject().value("path").toString()));
            interfaces << d.toObject().value("interface").toInt();
        }
        // The mouse's two collections, one an interface.
        QCOMPARE(interfaces, QList<int>({0, 1}));

        const QJsonObject dump = parsed("dump").object();
        QVERIFY(plain.contains(
            QStringLiteral("\ncurrent profile %1\n").arg(dump.value("currentProfile").toInt())));
        const QJsonArray profiles = dump.value("profiles").toArray();
        QCOMPARE(profiles.size(), 5);
        for (const QJsonValue &stage : profiles.at(1).toObject().value("dpiStages").toArray()) {
            const QJsonObject o = stage.toObject();
            QVERIFY(plain.contains(QStringLiteral("(%1 x %2 DPI) [%3]")
                                       .arg(o.value("xDpi").toInt())
                                       .arg(o.value("yDpi").toInt())
                                       .arg(o.value("bytes").toString())));
        }

        const QJsonObject verify = parsed("verify").object();
        QVERIFY(plain.contains("holds what apply writes"));
        QCOMPARE(verify.value("model").toString(), "NX-19");
        QVERIFY(verify.value("differences").isArray());
        QCOMPARE(verify.value("differences").toArray().size(), 0);
    }

    void udevRuleFollowsTheUsersCatalogue()
    {
        QCOMPARE(ctl("list").status, 0); // seeds the data folder
        {
            // A user enters the real IDs of their mouse into row 3.
            QSettings config(m_home->dataFolder() + "/Config.ini", QSettings::IniFormat);
            config.setValue("Mouse_List/VID_3", 0x1A2B);
            config.setValue("Mouse_List/PID_3", 0x00C4);
        }
        const CtlResult run = ctl("udev-rule");
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out.split('\n').filter("1a2b"),
                 QStringList{"KERNEL==\"hidraw*\", ATTRS{idVendor}==\"1a2b\", "
                             "ATTRS{idProduct}==\"00c4\", TAG+=\"uaccess\""});
    }

    // The record travels whole; a file of another model stays out, and
    // the refusal writes nothing.
    void exportThenImport()
    {
        addMacros();
        QVERIFY(setAll({"dpi1=3200", "button6=macro m4 times 2", "effect=flash"}, {"--mode", "1"}));
        QTemporaryDir outside;
        const QString file = outside.filePath("fps.prof");
        QCOMPARE(ctl({"export", "--mode", "1", file}).status, 0);
        QCOMPARE(ctl({"import", file, "--mode", "4"}).status, 0);
        // Every key of the record, the macro's events included, as the
        // files spell them; and mode 4 plays it.
        const auto record = [this](const QString &name) {
            QFile file(m_home->productFolder("NX-19") + "/Profile/" + name + ".prof");
            QStringList lines;
            bool inProfile = false;
            if (file.open(QIODevice::ReadOnly)) {
                for (const QByteArray &line : file.readAll().split('\n')) {
                    if (line.startsWith('['))
                        inProfile = line == "[PROFILE]";
                    else if (inProfile && !line.isEmpty())
                        lines << QString::fromUtf8(line);
                }
            }
            lines.sort();
            return lines;
        };
        QCOMPARE(record("fps").size(), 8406);
        QCOMPARE(record("fps"), record("Profile 1"));
        QJsonObject used;
        for (const QJsonValue &row : QJsonDocument::fromJson(ctl("profiles --json").out.toUtf8())
                                         .object()
                                         .value("profiles")
                                         .toArray())
            used.insert(row.toObject().value("name").toString(), row.toObject().value("modes"));
        QCOMPARE(used.value("fps").toArray(), QJsonArray{4});
        QCOMPARE(used.value("Profile 4").toArray(), QJsonArray{});

        const QString other = outside.filePath("other.prof");
        QCOMPARE(ctl({"export", "--mouse", "NX-18", other}).status, 0);
        const QMap<QString, QByteArray> files = fileSnapshot(m_home->dataFolder());
        const CtlResult refused = ctl({"import", other});
        QCOMPARE(refused.status, 2);
        QVERIFY2(refused.err.contains("was not exported from NX-19 (its model: NX-18)"),
                 qPrintable(refused.err));
        QCOMPARE(fileSnapshot(m_home->dataFolder()), files);
    }

    void programProfiles_data()
    {
        QTest::addColumn<int>("seeded"); // rules p1 ... pN, pI in mode I % 5 + 1, already kept
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("expected"); // the rules afterwards, or the refusal's words
        // {row, seeded, arguments ("|" between; "~" a 256-character name), expected}
        // clang-format off
        const struct { const char *row; int seeded; const char *args; const char *expected; } rows[] = {
            {"add", 0, "add|cs2|3", "off;0;cs2=3"},
            {"add replaces the mode", 2, "add|P2|5", "off;0;p1=2,p2=5"},
            {"remove", 2, "remove|P1", "off;0;p2=3"},
            {"default", 1, "default|4", "off;4;p1=2"},
            {"on", 1, "on", "on;0;p1=2"},
            {"unknown mode", 1, "add|cs2|6", "unknown mode 6; modes are 1-5"},
            {"mode not a number", 1, "add|cs2|three", "unknown mode three"},
            {"missing mode", 1, "add|cs2", "usage: program-profiles add PROGRAM MODE"},
            {"empty name", 1, "add||3", "the program's name is empty"},
            {"control character", 1, "add|a\tb|3", "may not hold control or invisible characters"},
            {"name too long", 1, "add|~|3", "at most 255 characters"},
            {"no such rule", 1, "remove|cs2", "there is no rule for \"cs2\""},
            {"default 0", 1, "default|0", "modes are 1-5, or stay"},
            {"a 65th rule", 64, "add|cs2|1", "there are 64 rules already"},
            {"unknown sub-command", 0, "rename|a|b", "unknown command rename"},
        };
        // clang-format on
        for (const auto &r : rows)
            QTest::addRow("%s", r.row)
                << r.seeded
                << QString::fromLatin1(r.args).replace('~', QString(256, 'n')).split('|')
                << QString::fromLatin1(r.expected);
    }

    // A refusal exits with 2 and changes no file. That a change keeps the
    // rest of Config.ini is writeProgramRules' (tst_productconfig).
    void programProfiles()
    {
        QFETCH(int, seeded);
        QFETCH(QStringList, args);
        QFETCH(QString, expected);
        const QStringList list{"program-profiles", "list", "--json"};
        QCOMPARE(ctl(list).status, 0); // writes the model's defaults
        const QString path = m_home->productFolder("NX-19") + "/Config.ini";
        {
            QSettings config(path, QSettings::IniFormat);
            config.setValue("Program_Profiles/Count", seeded);
            for (int i = 1; i <= seeded; ++i) {
                config.setValue(QStringLiteral("Program_Profiles/Program_%1").arg(i),
                                "p" + QString::number(i));
                config.setValue(QStringLiteral("Program_Profiles/Mode_%1").arg(i), i % 5 + 1);
            }
        }
        const QMap<QString, QByteArray> files = fileSnapshot(m_home->dataFolder());
        const CtlResult run = ctl(QStringList{"program-profiles"} + args);
        if (!expected.startsWith("on;") && !expected.startsWith("off;")) {
            QCOMPARE(run.status, 2);
            QVERIFY2(run.err.contains(expected), qPrintable(run.err));
            QCOMPARE(fileSnapshot(m_home->dataFolder()), files);
            return;
        }
        QVERIFY2(run.status == 0, qPrintable(run.err));
        const QJsonObject shown = QJsonDocument::fromJson(ctl(list).out.toUtf8()).object();
        QStringList rules;
        for (const QJsonValue &rule : shown.value("rules").toArray())
            rules << rule["program"].toString() + '=' + QString::number(rule["mode"].toInt());
        QCOMPARE(QStringLiteral("%1;%2;%3")
                     .arg(shown.value("enabled").toBool() ? "on" : "off")
                     .arg(shown.value("defaultMode").toInt())
                     .arg(rules.join(',')),
                 expected);
        // The lines for people: on or off, the default, a line a rule.
        QCOMPARE(ctl({"program-profiles", "list"}).out.count('\n'), rules.size() + 2);
    }

    // apply --dry-run prints what apply sends, and set --apply hands the
    // store to apply's own upload: the same reports three ways.
    void dryRunAndSetApplySendWhatApplySends()
    {
        QTemporaryDir traces;
        const QString together = traces.filePath("together.trace");
        const QString apart = traces.filePath("apart.trace");
        const QString printed = traces.filePath("printed.trace");
        QCOMPARE(ctl("set --apply dpi1 3200", together).status, 0);
        // The same change again on a fresh home, then a separate apply.
        m_home = std::make_unique<TestHome>();
        QCOMPARE(ctl("set dpi1 3200", apart).status, 0);
        const CtlResult dry = ctl("apply --mouse NX-19 --dry-run");
        QCOMPARE(dry.status, 0);
        QVERIFY(writeFileBytes(printed, dry.out.toUtf8()));
        QCOMPARE(ctl("apply", apart).status, 0);
        const QStringList reports = tracedFeatureReports(apart);
        QVERIFY(!reports.isEmpty());
        QCOMPARE(tracedFeatureReports(printed), reports);
        QCOMPARE(tracedFeatureReports(together), reports);
    }
};

QTEST_GUILESS_MAIN(TestCtlSettings)
#include "tst_ctlsettings.moc"
