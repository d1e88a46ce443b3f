#include "common/CtlProcess.h"
#include "common/FileSnapshot.h"
#include "common/TestHome.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSettings>
#include <QtTest>

// get and set of korvalen-ctl against virtual mice, through the built
// program and the files it leaves.
class TestCtlSettings : public QObject
{
    Q_OBJECT

private:
    CtlResult ctl(const QStringList &args, const QString &trace = QString())
    {
        // NX-19 alone unless a run names another model, which is then picked
        // by name from two connected mice.
        const int mouse = args.indexOf(QLatin1String("--mouse"));
        const QString mice = mouse >= 0 && args.value(mouse + 1) != QLatin1String("NX-19")
                                 ? QStringLiteral("NX-19,") + args.value(mouse + 1)
                                 : QStringLiteral("NX-19");
        QMap<QString, QString> env{{QStringLiteral("KORVALEN_VIRTUAL_MOUSE"), mice}};
        if (!trace.isEmpty())
            env.insert(QStringLiteral("KORVALEN_HID_TRACE"), trace);
        return runCtl(*m_home, args, env);
    }

    // Runs "set NAME VALUE" for each "NAME=VALUE" and fails on the first
    // refusal.
    bool setAll(const QStringList &pairs, const QStringList &options)
    {
        for (const QString &pair : pairs) {
            const int eq = pair.indexOf(QLatin1Char('='));
            const CtlResult run = ctl(QStringList{QStringLiteral("set")} + options +
                                      QStringList{pair.left(eq), pair.mid(eq + 1)});
            if (run.status != 0) {
                qWarning() << pair << run.err;
                return false;
            }
        }
        return true;
    }

    // "name value" lines of the plain get output; values may hold spaces.
    static QMap<QString, QString> plainSettings(const QString &out)
    {
        QMap<QString, QString> settings;
        for (const QString &line : out.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
            const int gap = line.indexOf(QLatin1Char(' '));
            settings.insert(line.left(gap), line.mid(gap).trimmed());
        }
        return settings;
    }

    // Macros m1 ... m8 in the library, each a key press and release.
    void addMacros()
    {
        QCOMPARE(ctl({QStringLiteral("list")}).status, 0); // seeds the data folder
        const QString folder = m_home->dataFolder();
        QSettings config(folder + QStringLiteral("/Config.ini"), QSettings::IniFormat);
        QDir().mkpath(folder + QStringLiteral("/MacroDB"));
        for (int i = 1; i <= 8; ++i) {
            const QString name = QStringLiteral("m%1").arg(i);
            config.setValue(QStringLiteral("MACRO_LIST/%1").arg(i - 1), name);
            QSettings macro(folder + QStringLiteral("/MacroDB/%1.MSMACRO").arg(name),
                            QSettings::IniFormat);
            macro.setValue(QStringLiteral("Setting/Count"), 2);
            const int events[2][3] = {{0x84, 0x00, 0x04 + i}, {0x04, 0x00, 0x04 + i}};
            for (int e = 0; e < 2; ++e) {
                macro.setValue(QStringLiteral("Setting/Map_%1").arg(e), events[e][0]);
                macro.setValue(QStringLiteral("Setting/DataH_%1").arg(e), events[e][1]);
                macro.setValue(QStringLiteral("Setting/DataL_%1").arg(e), events[e][2]);
            }
        }
    }

    std::unique_ptr<TestHome> m_home;

private slots:
    void init() { m_home = std::make_unique<TestHome>(); }
    void cleanup() { m_home.reset(); }

    void setThenGet_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QStringList>("before"); // NAME=VALUE set first
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("shown"); // what get prints afterwards

        const QStringList none;
        const QStringList nx18{QStringLiteral("--mouse"), QStringLiteral("NX-18")};
        QTest::addRow("report rate") << none << none << "report-rate"
                                     << "500"
                                     << "500";
        QTest::addRow("report rate with unit") << none << none << "report-rate"
                                               << "250Hz"
                                               << "250";
        QTest::addRow("pointer speed") << none << none << "pointer-speed"
                                       << "17"
                                       << "17";
        QTest::addRow("scroll speed") << none << none << "scroll-speed"
                                      << "3"
                                      << "3";
        QTest::addRow("lift-off") << none << none << "lift-off"
                                  << "1mm"
                                  << "1mm";
        QTest::addRow("lift-off, two-distance model") << nx18 << none << "lift-off"
                                                      << "2 mm"
                                                      << "2mm";
        QTest::addRow("active stage") << none << none << "dpi-stage"
                                      << "3"
                                      << "3";
        // The 3399 scale runs in 50 DPI steps to 20000, then in 100s.
        QTest::addRow("stage DPI") << none << none << "dpi2"
                                   << "1650"
                                   << "1650";
        QTest::addRow("stage DPI above the native range") << none << none << "dpi5"
                                                          << "20100"
                                                          << "20100";
        QTest::addRow("stage X and Y") << none << QStringList{"dpi2-link=off"} << "dpi2"
                                       << "800x1600"
                                       << "800x1600";
        QTest::addRow("stage enable") << none << none << "dpi4-enabled"
                                      << "off"
                                      << "off";
        QTest::addRow("stage link makes X follow Y")
            << none << QStringList{"dpi1-link=off", "dpi1=400x1200"} << "dpi1-link"
            << "on"
            << "on";
        QTest::addRow("effect by menu text") << none << none << "effect"
                                             << "GO WITHOUT TRACE"
                                             << "go-without-trace";
        QTest::addRow("colour") << none << QStringList{"effect=breathing"} << "colour"
                                << "#12AB9F"
                                << "#12ab9f";
        QTest::addRow("brightness") << none << QStringList{"effect=wave"} << "brightness"
                                    << "2"
                                    << "2";
        QTest::addRow("effect speed") << none << QStringList{"effect=flash"} << "effect-speed"
                                      << "7"
                                      << "7";
        QTest::addRow("another mode")
            << QStringList{QStringLiteral("--mode"), QStringLiteral("4")} << none << "pointer-speed"
            << "2"
            << "2";
        QTest::addRow("button by menu text") << none << none << "button6"
                                             << "browser-home"
                                             << "Browser Home";
        QTest::addRow("wheel slot") << none << none << "scroll-up"
                                    << "volume down"
                                    << "Volume Down";
        QTest::addRow("left click moves to another button")
            << none << QStringList{"button2=Left"} << "button1"
            << "DPI +"
            << "DPI +";
        QTest::addRow("single key") << none << none << "button2"
                                    << "single key num +"
                                    << "SINGLE KEY Num +";
        QTest::addRow("combo in slot order") << none << none << "button4"
                                             << "COMBO KEY LCtr+shift+A"
                                             << "COMBO KEY Shift+Ctrl+A";
        QTest::addRow("fire key") << none << none << "button3"
                                  << "FIRE KEY Keyboard Key F5 times 4 delay 20"
                                  << "FIRE KEY Keyboard Key F5 times 4 delay 20";
        QTest::addRow("fire mouse button")
            << none << QStringList{"button3=fire key Keyboard Key F5 times 1 delay 1"} << "button3"
            << "fire middle times 2 delay 9"
            << "FIRE KEY Middle times 2 delay 9";
        // The 3399 sensor's sniper steps run in 50 DPI from 50.
        QTest::addRow("sniper") << none << none << "button6"
                                << "SNIPER 800"
                                << "SNIPER 800";
        QTest::addRow("macro while held") << none << none << "button5"
                                          << "macro m2 while-held"
                                          << "macro m2 while-held";
        QTest::addRow("macro loops") << none << none << "button5"
                                     << "Macro Manager m3 times 12"
                                     << "macro m3 times 12";
        QTest::addRow("gun file") << none << none << "button2"
                                  << "gunfile m1"
                                  << "gunfile m1 times 1";
        QTest::addRow("button of another mode")
            << QStringList{QStringLiteral("--mode"), QStringLiteral("3")} << none << "button5"
            << "Mute"
            << "Mute";
    }

    void setThenGet()
    {
        QFETCH(QStringList, options);
        QFETCH(QStringList, before);
        QFETCH(QString, name);
        QFETCH(QString, value);
        QFETCH(QString, shown);
        if (value.contains(QLatin1String(" m")))
            addMacros();
        QVERIFY(setAll(before, options));
        const CtlResult set =
            ctl(QStringList{QStringLiteral("set")} + options + QStringList{name, value});
        QVERIFY2(set.status == 0, qPrintable(set.err));
        const CtlResult get = ctl(QStringList{QStringLiteral("get")} + options + QStringList{name});
        QCOMPARE(get.status, 0);
        QCOMPARE(get.out, shown + QLatin1Char('\n'));
        if (name == QLatin1String("dpi1-link")) {
            // Linking moved X to Y.
            const CtlResult dpi = ctl(QStringList{QStringLiteral("get"), QStringLiteral("dpi1")});
            QCOMPARE(dpi.out, QStringLiteral("1200\n"));
        }
        if (!options.contains(QLatin1String("--mode")))
            return;
        // The active profile kept its own value.
        const CtlResult other = ctl({QStringLiteral("get"), name});
        QVERIFY(other.out != shown + QLatin1Char('\n'));
    }

    void refusedValuesChangeNoFile_data()
    {
        QTest::addColumn<QStringList>("before"); // NAME=VALUE set first, on the same mouse
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("message");
        const QStringList none;
        QTest::addRow("rate") << none << QStringList{"report-rate", "300"}
                              << "allowed: 125, 250, 500, 1000";
        QTest::addRow("negative rate")
            << none << QStringList{"report-rate", "-1000"} << "allowed: 125, 250, 500, 1000";
        QTest::addRow("signed speed")
            << none << QStringList{"pointer-speed", "+5"} << "allowed: 1-20";
        QTest::addRow("negative DPI") << none << QStringList{"dpi1", "-800"} << "allowed: 50-40000";
        QTest::addRow("negative lift-off")
            << none << QStringList{"lift-off", "-2mm"} << "allowed: 3mm, 2mm, 1mm";
        QTest::addRow("speed too high")
            << none << QStringList{"pointer-speed", "21"} << "allowed: 1-20";
        QTest::addRow("speed not a number")
            << none << QStringList{"scroll-speed", "fast"} << "allowed: 1-20";
        QTest::addRow("DPI between steps")
            << none << QStringList{"dpi1", "20150"} << "(nearest: 20100, 20200)";
        QTest::addRow("DPI beyond the sensor")
            << none << QStringList{"dpi1", "90000"} << "allowed: 50-40000 DPI";
        QTest::addRow("X and Y apart while linked")
            << QStringList{"dpi3-link=on"} << QStringList{"dpi3", "800x1600"}
            << "X and Y are linked";
        QTest::addRow("stage beyond five")
            << none << QStringList{"dpi-stage", "6"} << "allowed: 1-5";
        QTest::addRow("effect of another class")
            << none << QStringList{"effect", "7 color breathing"}
            << "allowed: breathing, rainbow, full-lighted, wave, go-without-trace, reactive, "
               "flash, off";
        QTest::addRow("colour by name")
            << none << QStringList{"colour", "red"} << "allowed: #rrggbb";
        QTest::addRow("brightness zero")
            << none << QStringList{"brightness", "0"} << "allowed: 1-3";
        QTest::addRow("lift-off the model lacks")
            << none << QStringList{"--mouse", "NX-18", "lift-off", "3mm"} << "allowed: 2mm, 1mm";
        QTest::addRow("unknown setting")
            << none << QStringList{"loudness", "3"} << "has no setting loudness";
        QTest::addRow("mode beyond five") << none << QStringList{"--mode", "6", "dpi1", "800"}
                                          << "--mode needs a profile number 1-5";
        QTest::addRow("unknown function")
            << none << QStringList{"button2", "Teleport"} << "functions: Left, Right, Middle";
        QTest::addRow("a button the model lacks")
            << none << QStringList{"button9", "Left"} << "has no setting button9";
        QTest::addRow("wheel slot takes the wheel menu")
            << none << QStringList{"scroll-down", "Mail"}
            << "functions: Left, Right, Middle, Forward, Back, Volume Up, Volume Down, Scroll "
               "Up, Scroll Down; with parameters: SINGLE KEY <key>, COMBO KEY <keys>";
        QTest::addRow("key the window has no name for")
            << none << QStringList{"button3", "single key F13"} << "keys by the window's names";
        QTest::addRow("sniper between steps")
            << none << QStringList{"button6", "SNIPER 825"} << "sniper DPI: 50, 100, 150";
        QTest::addRow("the last left click")
            << none << QStringList{"button1", "Right"} << "holds the profile's last Left click";
        QTest::addRow("gun file on the left button")
            << QStringList{"button2=Left"} << QStringList{"button1", "gunfile m1"}
            << "the left button cannot fire a gun file";
        QTest::addRow("a macro that does not exist")
            << none << QStringList{"button3", "macro m9"}
            << "there is no macro m9; the macros are: m1, m2, m3, m4, m5, m6, m7, m8";
        // m2 is still counted while its only button is being given m8.
        QTest::addRow("eighth macro on a 7-macro model")
            << QStringList{"button2=macro m1", "button3=macro m2", "button4=macro m3",
                           "button5=macro m4", "button6=macro m5", "button7=macro m6",
                           "button8=macro m7"}
            << QStringList{"--mouse", "NX-32", "button3", "macro m8"}
            << "NX-32 holds at most 7 different macros; assign one of m1, m2, m3, m4, m5, m6, m7";
    }

    void refusedValuesChangeNoFile()
    {
        QFETCH(QStringList, before);
        QFETCH(QStringList, args);
        QFETCH(QString, message);
        addMacros();
        // The first run writes the model's defaults; the refusal must not
        // touch them.
        const int mouse = args.indexOf(QLatin1String("--mouse"));
        const QStringList mouseArgs = args.mid(mouse, mouse < 0 ? 0 : 2);
        QCOMPARE(ctl(QStringList{QStringLiteral("get")} + mouseArgs).status, 0);
        QVERIFY(setAll(before, mouseArgs));
        const QMap<QString, QByteArray> files = fileSnapshot(m_home->dataFolder());
        const CtlResult run = ctl(QStringList{QStringLiteral("set")} + args);
        QCOMPARE(run.status, 2);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QCOMPARE(fileSnapshot(m_home->dataFolder()), files);
    }

    void jsonHoldsThePlainFacts()
    {
        QVERIFY(setAll({QStringLiteral("effect=reactive"), QStringLiteral("dpi2-link=off"),
                        QStringLiteral("dpi2=400x800")},
                       {}));
        const CtlResult plain = ctl({QStringLiteral("get")});
        const CtlResult json = ctl({QStringLiteral("get"), QStringLiteral("--json")});
        QCOMPARE(json.status, 0);
        QJsonParseError error;
        const QJsonDocument doc = QJsonDocument::fromJson(json.out.toUtf8(), &error);
        QCOMPARE(error.error, QJsonParseError::NoError);
        QCOMPARE(doc.object().value(QStringLiteral("model")).toString(), QStringLiteral("NX-19"));
        const QJsonObject settings = doc.object().value(QStringLiteral("settings")).toObject();
        QMap<QString, QString> fromJson;
        for (auto it = settings.constBegin(); it != settings.constEnd(); ++it)
            fromJson.insert(it.key(), it.value().isDouble() ? QString::number(it.value().toInt())
                                                            : it.value().toString());
        QCOMPARE(fromJson, plainSettings(plain.out));
        QCOMPARE(fromJson.value(QStringLiteral("effect")), QStringLiteral("reactive"));
        QCOMPARE(fromJson.value(QStringLiteral("dpi2")), QStringLiteral("400x800"));
    }

    void jsonOfTheOtherCommands()
    {
        QCOMPARE(ctl({QStringLiteral("apply")}).status, 0);
        const auto parsed = [this](const QString &command, QString *plain) {
            *plain = ctl({command}).out;
            // Before the command here; get takes it after the command.
            const CtlResult run = ctl({QStringLiteral("--json"), command});
            QJsonParseError error;
            const QJsonDocument doc = QJsonDocument::fromJson(run.out.toUtf8(), &error);
            return error.error == QJsonParseError::NoError ? doc : QJsonDocument();
        };
        QString plain;

        const QJsonDocument list = parsed(QStringLiteral("list"), &plain);
        const QJsonArray rows = list.object().value(QStringLiteral("rows")).toArray();
        QVERIFY(plain.contains(QStringLiteral("%1 catalogue rows, 1 connected").arg(rows.size())));
        int connected = 0;
        for (const QJsonValue &row : rows) {
            const QJsonObject o = row.toObject();
            if (o.value(QStringLiteral("state")).toString() != QLatin1String("connected"))
                continue;
            ++connected;
            QCOMPARE(o.value(QStringLiteral("product")).toString(), QStringLiteral("NX-19"));
            QCOMPARE(o.value(QStringLiteral("active")).toBool(),
                     plain.contains(QLatin1String("(active)")));
            // IDs in decimal, as the catalogue row of Config.ini has them.
            const int n = o.value(QStringLiteral("row")).toInt();
            const QSettings config(m_home->dataFolder() + QStringLiteral("/Config.ini"),
                                   QSettings::IniFormat);
            QCOMPARE(o.value(QStringLiteral("vid")).toInt(),
                     config.value(QStringLiteral("Mouse_List/VID_%1").arg(n)).toInt());
            QCOMPARE(o.value(QStringLiteral("pid")).toInt(),
                     config.value(QStringLiteral("Mouse_List/PID_%1").arg(n)).toInt());
            const QRegularExpression line(QStringLiteral("\\n\\s*%1\\s+NX-19\\s+%2\\s+%3\\s")
                                              .arg(n)
                                              .arg(o.value(QStringLiteral("vid")).toInt())
                                              .arg(o.value(QStringLiteral("pid")).toInt()));
            QVERIFY2(line.match(plain).hasMatch(), qPrintable(plain));
        }
        QCOMPARE(connected, 1);

        const QJsonDocument devices = parsed(QStringLiteral("devices"), &plain);
        QVERIFY(devices.isArray());
        QVERIFY(plain.contains(QStringLiteral("\n%1 HID collections").arg(devices.array().size())));
        QList<int> interfaces;
        for (const QJsonValue &d : devices.array()) {
            QVERIFY(plain.contains(d.toObject().value(QStringLiteral("path")).toString()));
            interfaces << d.toObject().value(QStringLiteral("interface")).toInt();
        }
        // The mouse's two collections, one an interface.
        QCOMPARE(interfaces, QList<int>({0, 1}));

        const QJsonDocument dump = parsed(QStringLiteral("dump"), &plain);
        const QJsonObject root = dump.object();
        QVERIFY(plain.contains(QStringLiteral("\ncurrent profile %1\n")
                                   .arg(root.value(QStringLiteral("currentProfile")).toInt())));
        const QJsonArray profiles = root.value(QStringLiteral("profiles")).toArray();
        QCOMPARE(profiles.size(), 5);
        for (const QJsonValue &stage :
             profiles.at(1).toObject().value(QStringLiteral("dpiStages")).toArray()) {
            const QJsonObject o = stage.toObject();
            QVERIFY(plain.contains(QStringLiteral("(%1 x %2 DPI) [%3]")
                                       .arg(o.value(QStringLiteral("xDpi")).toInt())
                                       .arg(o.value(QStringLiteral("yDpi")).toInt())
                                       .arg(o.value(QStringLiteral("bytes")).toString())));
        }

        const QJsonDocument verify = parsed(QStringLiteral("verify"), &plain);
        QVERIFY(plain.contains(QLatin1String("holds what apply writes")));
        QCOMPARE(verify.object().value(QStringLiteral("model")).toString(),
                 QStringLiteral("NX-19"));
        QVERIFY(verify.object().value(QStringLiteral("differences")).isArray());
        QCOMPARE(verify.object().value(QStringLiteral("differences")).toArray().size(), 0);
    }

    void udevRuleFollowsTheUsersCatalogue()
    {
        QCOMPARE(ctl({QStringLiteral("list")}).status, 0); // seeds the data folder
        {
            // A user enters the real IDs of their mouse into row 3.
            QSettings config(m_home->dataFolder() + QStringLiteral("/Config.ini"),
                             QSettings::IniFormat);
            config.setValue(QStringLiteral("Mouse_List/VID_3"), 0x1A2B);
            config.setValue(QStringLiteral("Mouse_List/PID_3"), 0x00C4);
        }
        const CtlResult run = ctl({QStringLiteral("udev-rule")});
        QCOMPARE(run.status, 0);
        const QStringList lines = run.out.split(QLatin1Char('\n')).filter(QStringLiteral("1a2b"));
        QCOMPARE(lines,
                 QStringList{QStringLiteral("KERNEL==\"hidraw*\", ATTRS{idVendor}==\"1a2b\", "
                                            "ATTRS{idProduct}==\"00c4\", TAG+=\"uaccess\"")});
    }

    void dryRunPrintsWhatApplySends()
    {
        QVERIFY(setAll({QStringLiteral("effect=flash")}, {}));
        QTemporaryDir traces;
        const QString printed = traces.filePath(QStringLiteral("printed.trace"));
        const QString sent = traces.filePath(QStringLiteral("sent.trace"));
        const CtlResult dry = ctl({QStringLiteral("apply"), QStringLiteral("--mouse"),
                                   QStringLiteral("NX-19"), QStringLiteral("--dry-run")});
        QCOMPARE(dry.status, 0);
        QFile file(printed);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(dry.out.toUtf8());
        file.close();
        QCOMPARE(ctl({QStringLiteral("apply")}, sent).status, 0);
        QVERIFY(!tracedFeatureReports(sent).isEmpty());
        QCOMPARE(tracedFeatureReports(printed), tracedFeatureReports(sent));
    }

    // The record travels whole; a file of another model stays out, and
    // the refusal writes nothing.
    void exportThenImport()
    {
        addMacros();
        QVERIFY(setAll({QStringLiteral("dpi1=3200"), QStringLiteral("button6=macro m4 times 2"),
                        QStringLiteral("effect=flash")},
                       {QStringLiteral("--mode"), QStringLiteral("1")}));
        QTemporaryDir outside;
        const QString file = outside.filePath(QStringLiteral("fps.prof"));
        const auto settingsOf = [this](const QString &mode) {
            const CtlResult get = ctl(
                {QStringLiteral("get"), QStringLiteral("--json"), QStringLiteral("--mode"), mode});
            return QJsonDocument::fromJson(get.out.toUtf8())
                .object()
                .value(QStringLiteral("settings"))
                .toObject();
        };
        QCOMPARE(
            ctl({QStringLiteral("export"), QStringLiteral("--mode"), QStringLiteral("1"), file})
                .status,
            0);
        QVERIFY(settingsOf(QStringLiteral("1")) != settingsOf(QStringLiteral("4")));
        QCOMPARE(
            ctl({QStringLiteral("import"), file, QStringLiteral("--mode"), QStringLiteral("4")})
                .status,
            0);
        QCOMPARE(settingsOf(QStringLiteral("4")), settingsOf(QStringLiteral("1")));
        // Every key of the record, the macro's events included, as the
        // files spell them.
        const auto record = [this](const QString &name) {
            QFile file(m_home->productFolder(QStringLiteral("NX-19")) +
                       QStringLiteral("/Profile/%1.prof").arg(name));
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
        QCOMPARE(record(QStringLiteral("fps")).size(), 8406);
        QCOMPARE(record(QStringLiteral("fps")), record(QStringLiteral("Profile 1")));
        const CtlResult profiles = ctl({QStringLiteral("profiles"), QStringLiteral("--json")});
        QJsonObject used;
        for (const QJsonValue &row :
             QJsonDocument::fromJson(profiles.out.toUtf8()).object().value("profiles").toArray())
            used.insert(row.toObject().value("name").toString(), row.toObject().value("modes"));
        QCOMPARE(used.value("fps").toArray(), QJsonArray{4});
        QCOMPARE(used.value("Profile 4").toArray(), QJsonArray{});

        const QString other = outside.filePath(QStringLiteral("other.prof"));
        QCOMPARE(ctl({QStringLiteral("export"), QStringLiteral("--mouse"), QStringLiteral("NX-18"),
                      other})
                     .status,
                 0);
        const QMap<QString, QByteArray> files = fileSnapshot(m_home->dataFolder());
        const CtlResult refused = ctl({QStringLiteral("import"), other});
        QCOMPARE(refused.status, 2);
        QVERIFY2(refused.err.contains(QLatin1String("was not exported from NX-19 (its model: "
                                                    "NX-18)")),
                 qPrintable(refused.err));
        QCOMPARE(fileSnapshot(m_home->dataFolder()), files);
    }

    void setWithApplyUploadsAsApplyDoes_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("value");
        QTest::addRow("DPI stage") << "dpi1"
                                   << "3200";
        QTest::addRow("button") << "button4"
                                << "COMBO KEY Ctrl+Alt+Delete";
    }

    void setWithApplyUploadsAsApplyDoes()
    {
        QFETCH(QString, name);
        QFETCH(QString, value);
        QTemporaryDir traces;
        const QString together = traces.filePath(QStringLiteral("together.trace"));
        const QString apart = traces.filePath(QStringLiteral("apart.trace"));
        QCOMPARE(
            ctl({QStringLiteral("set"), QStringLiteral("--apply"), name, value}, together).status,
            0);
        // The same change again on a fresh home, then a separate apply.
        m_home = std::make_unique<TestHome>();
        QCOMPARE(ctl({QStringLiteral("set"), name, value}, apart).status, 0);
        QCOMPARE(ctl({QStringLiteral("apply")}, apart).status, 0);
        const QStringList reports = tracedFeatureReports(together);
        QVERIFY(!reports.isEmpty());
        QCOMPARE(reports, tracedFeatureReports(apart));
    }
};

QTEST_GUILESS_MAIN(TestCtlSettings)
#include "tst_ctlsettings.moc"
