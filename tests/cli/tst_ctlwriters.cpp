#include "common/CatalogueFile.h"
#include "common/CtlProcess.h"
#include "common/FileSnapshot.h"
#include "common/ScratchMount.h"
#include "common/TestHome.h"

#include <QSettings>
#include <QtTest>

#include <memory>

// korvalen-ctl when it is not the only writer, when the data folder cannot
// be written, and when names are hostile: every update lands, every
// failure is told with its own exit status, and nothing is written where
// it should not be.
class TestCtlWriters : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestHome> m_home;

    QString profileFile(int mode) const
    {
        return m_home->productFolder("NX-19") +
               QStringLiteral("/Profile/Profile %1.prof").arg(mode);
    }

    CtlResult ctl(const QStringList &args, const QString &mice = "NX-19")
    {
        return runCtl(*m_home, args, {{"KORVALEN_VIRTUAL_MOUSE", mice}});
    }

private slots:
    void init() { m_home = std::make_unique<TestHome>(); }
    void cleanup() { m_home.reset(); }

    // Two runs at once change two settings of the same profile file.
    void concurrentSetsKeepBoth()
    {
        QCOMPARE(ctl({"get"}).status, 0);
        const int pairs = 20;
        int kept = 0;
        for (int i = 0; i < pairs; ++i) {
            const QString speed = QString::number(1 + i % 20);
            const QString scroll = QString::number(20 - i % 20);
            const QMap<QString, QString> env{{"KORVALEN_VIRTUAL_MOUSE", "NX-19"}};
            auto a = startCtl(*m_home, {"set", "--mode", "2", "pointer-speed", speed}, env);
            auto b = startCtl(*m_home, {"set", "--mode", "2", "scroll-speed", scroll}, env);
            const CtlResult first = finishCtl(*a);
            const CtlResult second = finishCtl(*b);
            QVERIFY2(first.status == 0 && second.status == 0, qPrintable(first.err + second.err));
            QSettings file(profileFile(2), QSettings::IniFormat);
            QCOMPARE(file.status(), QSettings::NoError);
            const bool whole = file.childGroups() == QStringList{"PROFILE"} &&
                               file.value("PROFILE/LedMode/LED_MODE_8_breath").isValid();
            kept += whole && file.value("PROFILE/mousespeed").toString() == speed;
            kept += whole && file.value("PROFILE/scrollspeed").toString() == scroll;
        }
        qInfo("updates kept: %d/%d", kept, 2 * pairs);
        QCOMPARE(kept, 2 * pairs);
    }

    void refusalsChangeNothing_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        const QStringList setMode3{"set", "--mode", "3", "dpi1", "800"};
        QTest::addRow("set on a missing profile file")
            << "remove" << setMode3 << 2 << "Profile 3.prof is missing, empty";
        QTest::addRow("set on a dangling link")
            << "dangle" << setMode3 << 2 << "Open the window and press Apply";
        QTest::addRow("import of a missing file")
            << "" << QStringList{"import", "/nonexistent/fps.prof"} << 2
            << "/nonexistent/fps.prof is missing";
        QTest::addRow("trace that cannot be opened")
            << "" << QStringList{"--trace", "@/no/such/folder/t", "apply"} << 2
            << "--trace: cannot open";
        QTest::addRow("switch beyond five")
            << "" << QStringList{"switch", "-3"} << 2 << "switch needs a profile number 1-5";
    }

    void refusalsChangeNothing()
    {
        QFETCH(QString, setup);
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QString, message);
        QCOMPARE(ctl({"get"}).status, 0);
        if (setup == "remove" || setup == "dangle")
            QVERIFY(QFile::remove(profileFile(3)));
        if (setup == "dangle")
            QVERIFY(QFile::link(m_home->path() + "/gone.prof", profileFile(3)));
        args.replaceInStrings("@", m_home->path());
        const auto before = fileSnapshot(m_home->path());
        const CtlResult run = ctl(args);
        QCOMPARE(run.status, status);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        // Nothing written, the virtual mouse's memory file included.
        QCOMPARE(fileSnapshot(m_home->path()), before);
    }

    // Texts a person gave print as given, "%2" and all.
    void namesPrintAsTheyAre()
    {
        QCOMPARE(ctl({"get"}).status, 0);
        const QString file = m_home->path() + "/%2e%2e.prof";
        QCOMPARE(ctl({"export", file}).status, 0);
        QCOMPARE(ctl({"import", file, "--mode", "2"}).status, 0);
        QVERIFY(ctl({"profiles"}).out.contains("%2e%2e "));
        writeCatalogue({row("NX-%3", 0x77)});
        QVERIFY(ctl({"list"}).out.contains("  NX-%3  "));
    }

    void readOnlyAndFullDisk_data()
    {
        QTest::addColumn<int>("fault");
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<bool>("sends");
        for (const int fault : {int(ScratchMount::ReadOnly), int(ScratchMount::Full)}) {
            const char *f = fault == ScratchMount::ReadOnly ? "read-only" : "full";
            QTest::addRow("%s: set", f) << fault << QStringList{"set", "dpi1", "800"} << 4 << false;
            QTest::addRow("%s: set --apply", f)
                << fault << QStringList{"set", "--apply", "report-rate", "125"} << 4 << false;
            QTest::addRow("%s: import", f)
                << fault << QStringList{"import", "@/fps.prof", "--mode", "3"} << 4 << false;
            QTest::addRow("%s: switch", f) << fault << QStringList{"switch", "3"} << 4 << false;
            QTest::addRow("%s: program-profiles add", f)
                << fault << QStringList{"program-profiles", "add", "cs2", "3"} << 4 << false;
            QTest::addRow("%s: program-profiles list", f)
                << fault << QStringList{"program-profiles", "list"} << 0 << false;
            QTest::addRow("%s: export into the data folder", f)
                << fault << QStringList{"export", "#/out.prof"} << 4 << false;
            // Reading needs no write: these still work.
            QTest::addRow("%s: export elsewhere", f)
                << fault << QStringList{"export", "@/out.prof"} << 0 << false;
            QTest::addRow("%s: apply", f) << fault << QStringList{"apply"} << 0 << true;
            QTest::addRow("%s: apply, first contact", f)
                << fault << QStringList{"--virtual", "NX-18", "apply"} << 4 << false;
        }
    }

    void readOnlyAndFullDisk()
    {
        QFETCH(int, fault);
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(bool, sends);
        QCOMPARE(ctl({"get"}).status, 0);
        QCOMPARE(ctl({"export", m_home->path() + "/fps.prof"}).status, 0);
        ScratchMount mount(m_home->dataFolder(), ScratchMount::Fault(fault));
        if (!mount.ok())
            QSKIP("no tmpfs can be mounted here (needs root)");
        args.replaceInStrings("@", m_home->path());
        args.replaceInStrings("#", m_home->dataFolder());
        const QString trace = m_home->path() + "/trace";
        const auto before = fileSnapshot(m_home->dataFolder());
        const CtlResult run = ctl(QStringList{"--trace", trace} + args);
        QVERIFY2(run.status == status, qPrintable(run.err));
        if (status == 4) {
            const QString cause = fault == ScratchMount::ReadOnly ? "read-only" : "full";
            QVERIFY2(run.err.contains(cause), qPrintable(run.err));
        }
        QCOMPARE(!tracedFeatureReports(trace).isEmpty(), sends);
        QCOMPARE(fileSnapshot(m_home->dataFolder()), before);
    }

    void hostileProductNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("rule");
        // The rule itself is FileNameRule's (tst_macrorules::unsafeNames);
        // here the ways out of the data folder, the characters the macro
        // rows leave out, and the product names' own length limit.
        const QString forbidden = "it contains one of / \\";
        QTest::addRow("parent of the data folder") << "../../ESCAPED" << forbidden;
        QTest::addRow("out of the temporary folder") << "../../../ESCAPED" << forbidden;
        QTest::addRow("backslash") << "..\\ESCAPED" << forbidden;
        QTest::addRow("colon") << "NX:19" << forbidden;
        QTest::addRow("too long") << QString(120, QLatin1Char('N')) << "it is longer than 100";
    }

    // The virtual mouse of such a row is never plugged, the window's model
    // choice never settles on it, and no file or folder appears.
    void hostileProductNames()
    {
        QFETCH(QString, name);
        QFETCH(QString, rule);
        QCOMPARE(ctl({"list"}).status, 0);
        writeCatalogue({row(name, 0x77)});
        // "../../../ESCAPED" from the data folder is beside the test's home.
        const QString escaped = m_home->path() + "/../ESCAPED";
        // The first run after the catalogue was written adds the shipped rows.
        const CtlResult list = ctl({"list"}, name);
        const auto before = fileSnapshot(m_home->path());
        QVERIFY2(list.out.contains("skipped: the name cannot be a folder name, " + rule),
                 qPrintable(list.out));
        QCOMPARE(ctl({"apply"}, name).status, 1);
        QCOMPARE(ctl({"switch", "2"}, name).status, 1);
        QCOMPARE(ctl({"apply", "--dry-run", "--mouse", name}, name).status, 2);
        QCOMPARE(fileSnapshot(m_home->path()), before);
        QVERIFY(!QFileInfo::exists(escaped));
    }
};

QTEST_GUILESS_MAIN(TestCtlWriters)
#include "tst_ctlwriters.moc"
