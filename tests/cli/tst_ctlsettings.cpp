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
        // NX-19 alone unless a run names NX-18, which is then picked by name
        // from two connected mice.
        const QString mice = args.contains(QLatin1String("NX-18")) ? QStringLiteral("NX-19,NX-18")
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

    // "name value" lines of the plain get output.
    static QMap<QString, QString> plainSettings(const QString &out)
    {
        QMap<QString, QString> settings;
        for (const QString &line : out.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
            const QStringList parts = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
            if (parts.size() == 2)
                settings.insert(parts.at(0), parts.at(1));
        }
        return settings;
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
    }

    void setThenGet()
    {
        QFETCH(QStringList, options);
        QFETCH(QStringList, before);
        QFETCH(QString, name);
        QFETCH(QString, value);
        QFETCH(QString, shown);
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
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("message");
        QTest::addRow("rate") << QStringList{"report-rate", "300"}
                              << "allowed: 125, 250, 500, 1000";
        QTest::addRow("speed too high") << QStringList{"pointer-speed", "21"} << "allowed: 1-20";
        QTest::addRow("speed not a number")
            << QStringList{"scroll-speed", "fast"} << "allowed: 1-20";
        QTest::addRow("DPI between steps")
            << QStringList{"dpi1", "20150"} << "(nearest: 20100, 20200)";
        QTest::addRow("DPI beyond the sensor")
            << QStringList{"dpi1", "90000"} << "allowed: 50-40000 DPI";
        QTest::addRow("X and Y apart while linked")
            << QStringList{"dpi3-link", "on"} << QString(); // set up below
        QTest::addRow("stage beyond five") << QStringList{"dpi-stage", "6"} << "allowed: 1-5";
        QTest::addRow("effect of another class")
            << QStringList{"effect", "7 color breathing"}
            << "allowed: breathing, rainbow, full-lighted, wave, go-without-trace, reactive, "
               "flash, off";
        QTest::addRow("colour by name") << QStringList{"colour", "red"} << "allowed: #rrggbb";
        QTest::addRow("brightness zero") << QStringList{"brightness", "0"} << "allowed: 1-3";
        QTest::addRow("lift-off the model lacks")
            << QStringList{"--mouse", "NX-18", "lift-off", "3mm"} << "allowed: 2mm, 1mm";
        QTest::addRow("unknown setting")
            << QStringList{"loudness", "3"} << "has no setting loudness";
        QTest::addRow("mode beyond five")
            << QStringList{"--mode", "6", "dpi1", "800"} << "--mode needs a profile number 1-5";
    }

    void refusedValuesChangeNoFile()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, message);
        if (message.isEmpty()) {
            QVERIFY(setAll({QStringLiteral("dpi3-link=on")}, {}));
            args = QStringList{QStringLiteral("dpi3"), QStringLiteral("800x1600")};
            message = QStringLiteral("X and Y are linked");
        }
        // The first run writes the model's defaults; the refusal must not
        // touch them.
        const int mouse = args.indexOf(QLatin1String("--mouse"));
        QCOMPARE(
            ctl(QStringList{QStringLiteral("get")} + args.mid(mouse, mouse < 0 ? 0 : 2)).status, 0);
        const QMap<QString, QByteArray> before = fileSnapshot(m_home->dataFolder());
        const CtlResult run = ctl(QStringList{QStringLiteral("set")} + args);
        QCOMPARE(run.status, 2);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QCOMPARE(fileSnapshot(m_home->dataFolder()), before);
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
            const CtlResult run = ctl({command, QStringLiteral("--json")});
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
            const QRegularExpression line(QStringLiteral("\\n\\s*%1\\s+NX-19\\s+%2\\s+%3\\s")
                                              .arg(o.value(QStringLiteral("row")).toInt())
                                              .arg(o.value(QStringLiteral("vid")).toString(),
                                                   o.value(QStringLiteral("pid")).toString()));
            QVERIFY2(line.match(plain).hasMatch(), qPrintable(plain));
        }
        QCOMPARE(connected, 1);

        const QJsonDocument devices = parsed(QStringLiteral("devices"), &plain);
        QVERIFY(devices.isArray());
        QVERIFY(plain.contains(QStringLiteral("\n%1 HID collections").arg(devices.array().size())));
        for (const QJsonValue &d : devices.array())
            QVERIFY(plain.contains(d.toObject().value(QStringLiteral("path")).toString()));

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

    void setWithApplyUploadsAsApplyDoes()
    {
        QTemporaryDir traces;
        const QString together = traces.filePath(QStringLiteral("together.trace"));
        const QString apart = traces.filePath(QStringLiteral("apart.trace"));
        QCOMPARE(ctl({QStringLiteral("set"), QStringLiteral("--apply"), QStringLiteral("dpi1"),
                      QStringLiteral("3200")},
                     together)
                     .status,
                 0);
        // The same change again on a fresh home, then a separate apply.
        m_home = std::make_unique<TestHome>();
        QCOMPARE(ctl({QStringLiteral("set"), QStringLiteral("dpi1"), QStringLiteral("3200")}, apart)
                     .status,
                 0);
        QCOMPARE(ctl({QStringLiteral("apply")}, apart).status, 0);
        const QStringList reports = tracedFeatureReports(together);
        QVERIFY(!reports.isEmpty());
        QCOMPARE(reports, tracedFeatureReports(apart));
    }
};

QTEST_GUILESS_MAIN(TestCtlSettings)
#include "tst_ctlsettings.moc"
