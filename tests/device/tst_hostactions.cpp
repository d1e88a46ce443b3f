#include "device/HostActions.h"
#include "platform/KeyPulses.h"
#include "platform/linux/DesktopEntries.h"

#include "FakePrograms.h"
#include "common/FileBytes.h"
#include "common/MessageLog.h"
#include "common/ScopedEnvironment.h"
#include "common/TestHome.h"

#include <QtTest>

using namespace FakePrograms;

namespace {

const QString kSchema = "org.gnome.desktop.peripherals.mouse";
const QByteArray kMemoryBackend =
    "GLib-GIO-Message: 10:00:00.000: Using the 'memory' GSettings backend.  Your settings "
    "will not be saved or shared with other applications.";

const QByteArray kDconfCommit =
    "(process:4242): dconf-WARNING **: 10:00:00.000: failed to commit changes to dconf: "
    "Cannot autolaunch D-Bus without X11 $DISPLAY";

} // namespace

// The pointer speed over a stand-in gsettings, and the start page and mail
// program over stand-in desktop programs; a search path holding only the
// stand-ins keeps the real ones out of reach. Key pulses are tested under
// an X server (tst_hostkeys).
class TestHostActions : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_home = std::make_unique<TestHome>();
        m_bin = m_home->path() + "/bin";
        QVERIFY(QDir().mkpath(m_bin));
        const QByteArray root = m_home->path().toLocal8Bit();
        m_env = std::make_unique<ScopedEnvironment>(
            std::initializer_list<std::pair<const char *, QByteArray>>{
                {"PATH", QFile::encodeName(m_bin)},
                {"KORVALEN_GSETTINGS", QFile::encodeName(m_bin + "/absent")},
                {"XDG_CONFIG_HOME", root + "/config"},
                {"XDG_CONFIG_DIRS", root + "/no-config"},
                {"XDG_DATA_DIRS", root + "/no-data"},
                {"XDG_CURRENT_DESKTOP", QByteArray()},
                {"DISPLAY", QByteArray()},
                {"WAYLAND_DISPLAY", QByteArray()}});
        // A gsettings found through the search path must never be run.
        QVERIFY(writeRecorder(m_bin + "/gsettings", "decoy", record("decoy")));
    }

    void cleanup()
    {
        QVERIFY2(!QFile::exists(record("decoy")), "the gsettings of the search path was run");
        m_env.reset();
        m_home.reset();
    }

    // Every failure writes the one message with the error code and leaves
    // the setting alone: gsettings is tried once, nothing else is tried.
    void setPointerSpeedFails_data()
    {
        QTest::addColumn<int>("speed");
        QTest::addColumn<QByteArray>("gsettings"); // body of the stand-in; empty: none there
        QTest::addColumn<int>("error");            // the code the one message names
        QTest::addColumn<bool>("runs");
        // clang-format off
        QTest::addRow("gsettings absent") << 10 << QByteArray() << -1 << false;
        QTest::addRow("schema missing") << 10 << QByteArray("echo 'No such schema \"" + kSchema.toUtf8() + "\"' >&2\nexit 1") << 1 << true;
        QTest::addRow("no settings store") << 12 << ("echo \"" + kMemoryBackend + "\" >&2\nexit 0") << 0 << true;
        // gsettings exits 0 but dconf, without a session bus, kept nothing.
        QTest::addRow("dconf cannot commit") << 12 << ("echo \"" + kDconfCommit + "\" >&2\nexit 0") << 0 << true;
        QTest::addRow("killed") << 12 << QByteArray("kill -9 $$") << -1 << true;
        QTest::addRow("speed 0") << 0 << QByteArray("exit 0") << -1 << false;
        QTest::addRow("speed 21") << 21 << QByteArray("exit 0") << -1 << false;
        // clang-format on
    }

    void setPointerSpeedFails()
    {
        QFETCH(int, speed);
        QFETCH(QByteArray, gsettings);
        QFETCH(int, error);
        QFETCH(bool, runs);
        if (!gsettings.isEmpty())
            useGsettings(gsettings);

        QTest::ignoreMessage(
            QtDebugMsg, qPrintable(QStringLiteral("Error in SystemParametersInfo :%1").arg(error)));
        QVERIFY(!SetPointerSpeed(speed));
        QCOMPARE(countRuns(), runs ? 1 : 0);
    }

    // The scale is tst_platformreadings', a whole answer tst_mainwindow's.
    void getPointerSpeed_data()
    {
        QTest::addColumn<QByteArray>("gsettings");
        QTest::addColumn<int>("speed");

        QTest::addRow("two ninths below") << QByteArray("echo -0.22222222222222221") << 8;
        QTest::addRow("gsettings absent") << QByteArray() << 0;
        QTest::addRow("schema missing") << QByteArray("echo 'No such schema' >&2\nexit 1") << 0;
        QTest::addRow("no settings store")
            << QByteArray("echo 0.0\necho \"" + kMemoryBackend + "\" >&2") << 0;
        QTest::addRow("not a number") << QByteArray("echo speed") << 0;
        QTest::addRow("no output") << QByteArray("exit 0") << 0;
    }

    void getPointerSpeed()
    {
        QFETCH(QByteArray, gsettings);
        QFETCH(int, speed);
        if (!gsettings.isEmpty())
            useGsettings(gsettings);

        QCOMPARE(GetPointerSpeed(), speed);
        int later = -1;
        QObject context;
        GetPointerSpeedLater(&context, [&later](int value) { later = value; });
        QTRY_COMPARE(later, speed);
        if (!gsettings.isEmpty()) {
            QCOMPARE(readRecord(record("gsettings")),
                     (QStringList{"gsettings", "3", "get", kSchema, "speed"}));
        }
    }

    void pointerSpeedAnswersNoAskerThatIsGone()
    {
        useGsettings("sleep 0.3\necho 1.0");
        int calls = 0;
        {
            auto asker = std::make_unique<QObject>();
            GetPointerSpeedLater(asker.get(), [&calls](int) { ++calls; });
        }
        // An asker that stays, asking later: once it has its answer, the
        // gone one's would have come.
        QObject stays;
        bool answered = false;
        GetPointerSpeedLater(&stays, [&answered](int) { answered = true; });
        QTRY_VERIFY(answered);
        QCOMPARE(calls, 0);
    }

    // A Wayland session is named once: the key pulses reach X programs only.
    void keyPulseLimits_data()
    {
        QTest::addColumn<QByteArray>("waylandDisplay");
        QTest::addColumn<QByteArray>("sessionType");
        QTest::addColumn<bool>("named");
        QTest::addRow("X11") << QByteArray() << QByteArray("x11") << false;
        QTest::addRow("Wayland display") << QByteArray("wayland-0") << QByteArray() << true;
        QTest::addRow("Wayland session") << QByteArray() << QByteArray("wayland") << true;
    }

    void keyPulseLimits()
    {
        QFETCH(QByteArray, waylandDisplay);
        QFETCH(QByteArray, sessionType);
        QFETCH(bool, named);
        ScopedEnvironment env(
            {{"WAYLAND_DISPLAY", waylandDisplay}, {"XDG_SESSION_TYPE", sessionType}});
        MessageLog log("korvalen.platform");
        reportKeyPulseLimits();
        if (!named) {
            QCOMPARE(log.messages, QStringList());
            return;
        }
        QCOMPARE(log.messages.size(), 1);
        QVERIFY2(log.messages.first().contains("XTest"), qPrintable(log.messages.first()));
        QVERIFY2(log.messages.first().contains("stop"), qPrintable(log.messages.first()));
    }

    // The default browser is started without a URL. Rows name what the
    // desktop provides; "browser" is a desktop file whose program lies in
    // a folder with a space in its name.
    void startPage_data()
    {
        QTest::addColumn<QByteArray>("xdgSettings"); // body; empty: not installed
        QTest::addColumn<QString>("mimeapps");       // x-scheme-handler/http list; empty: none
        QTest::addColumn<bool>("wwwBrowser");
        QTest::addColumn<QStringList>("started");

        const QStringList browser{"browser", "1", "--new-window"};
        const QStringList wwwBrowser{"x-www-browser", "0"};
        QTest::addRow("desktop setting before association list")
            << QByteArray("echo browser.desktop") << "other.desktop" << false << browser;
        QTest::addRow("setting names a file not installed")
            << QByteArray("echo gone.desktop") << "browser.desktop" << false << browser;
        QTest::addRow("setting fails") << QByteArray("echo unknown desktop >&2\nexit 3")
                                       << "browser.desktop" << false << browser;
        QTest::addRow("desktop file whose program is missing")
            << QByteArray("echo broken.desktop") << QString() << true << wwwBrowser;
        QTest::addRow("Debian alternative") << QByteArray() << QString() << true << wwwBrowser;
        QTest::addRow("nothing") << QByteArray() << QString() << false << QStringList();
    }

    void startPage()
    {
        QFETCH(QByteArray, xdgSettings);
        QFETCH(QString, mimeapps);
        QFETCH(bool, wwwBrowser);
        QFETCH(QStringList, started);
        installBrowsers(xdgSettings, mimeapps, wwwBrowser);

        if (started.isEmpty())
            QTest::ignoreMessage(QtDebugMsg, "no web browser found; the start page is not opened");
        QVERIFY(performHostAction(0x1F));
        expectStarted(started);
    }

    // The mouse's mail code; its start page code is taken in startPage. The
    // key codes, and the codes the table does not know, are tested under an
    // X server (tst_hostkeys).
    void mailCodeStartsTheMailProgram()
    {
        QVERIFY(writeRecorder(m_bin + "/xdg-email", "xdg-email", record("started")));
        QVERIFY(performHostAction(0x26));
        expectStarted({"xdg-email", "0"});
    }

    // Finding the default browser and its command line in freedesktop.org
    // desktop files and association lists.
    void value_data()
    {
        QTest::addColumn<QString>("contents");
        QTest::addColumn<QString>("value");

        auto add = [](const char *name, const QString &contents, const QString &value) {
            QTest::addRow("%s", name) << contents << value;
        };
        const QString entry = "[Desktop Entry]\n";
        const QString other = "[Desktop Action new]\nExec=other --new\n";
        add("plain", entry + "Name=B\nExec=browser %u\n", "browser %u");
        add("same key in another group first", other + entry + "Exec=browser\n", "browser");
        add("same key in another group after", entry + "Exec=browser\n" + other, "browser");
        add("spaces around the equals sign", entry + "Exec = browser\n", "browser");
        add("longer key with the same start", entry + "Executable=no\nTryExec=no\nExec=yes\n",
            "yes");
        add("comment", entry + "# Exec=no\nExec=yes\n", "yes");
        add("escapes", entry + "Exec=a\\sb\\\\c\\td\n", "a b\\c\td");
        add("quoting escape kept for the split", entry + "Exec=\"a\\\"b\"\n", "\"a\\\"b\"");
        add("carriage returns", "[Desktop Entry]\r\nExec=browser\r\n", "browser");
        add("group missing", other, QString());
        add("key missing", entry + "Name=B\n", QString());
    }

    void value()
    {
        QFETCH(QString, contents);
        QFETCH(QString, value);
        const QString found = desktopEntryValue(contents, "Desktop Entry", "Exec");
        QCOMPARE(found, value);
        QCOMPARE(found.isNull(), value.isNull());
    }

    void exec_data()
    {
        QTest::addColumn<QString>("exec");
        QTest::addColumn<QStringList>("command");

        QTest::addRow("URL field code") << "firefox-esr %u" << QStringList{"firefox-esr"};
        QTest::addRow("URL list field code")
            << "/usr/bin/chromium %U" << QStringList{"/usr/bin/chromium"};
        QTest::addRow("quoted path with a space")
            << "\"/opt/My Browser/browser\" --new-window %u"
            << QStringList{"/opt/My Browser/browser", "--new-window"};
        QTest::addRow("environment wrapper")
            << "env MOZ_X=1  firefox\t%u" << QStringList{"env", "MOZ_X=1", "firefox"};
        QTest::addRow("escapes in quotes")
            << "\"/a/b\\\"c\" \"d\\\\e\" \"\\$f\"" << QStringList{"/a/b\"c", "d\\e", "$f"};
        QTest::addRow("literal percent")
            << "browser --title=50%% %U" << QStringList{"browser", "--title=50%"};
        QTest::addRow("icon, name and file codes") << "browser %i %c %k" << QStringList{"browser"};
        QTest::addRow("field code inside a word")
            << "browser --url=%u" << QStringList{"browser", "--url="};
        QTest::addRow("empty quoted argument")
            << "browser \"\"" << QStringList{"browser", QString()};
        QTest::addRow("empty") << QString() << QStringList();
        QTest::addRow("unterminated quote") << "\"/opt/browser %u" << QStringList();
        QTest::addRow("percent at the end") << "browser %" << QStringList();
    }

    void exec()
    {
        QFETCH(QString, exec);
        QFETCH(QStringList, command);
        QCOMPARE(splitDesktopExec(exec), command);
    }

    // The lists are read in XDG order, the desktop's own list first; an
    // ID whose desktop file is not installed is passed over.
    void defaultApplication_data()
    {
        QTest::addColumn<QString>("desktop");
        QTest::addColumn<QString>("configList");
        QTest::addColumn<QString>("desktopList");
        QTest::addColumn<QString>("dataList");
        QTest::addColumn<QString>("id");

        const QString none;
        QTest::addRow("user list")
            << none << listing("b.desktop") << none << listing("c.desktop") << "b.desktop";
        QTest::addRow("desktop list wins") << "X-Test:GNOME" << listing("b.desktop")
                                           << listing("c.desktop") << none << "c.desktop";
        QTest::addRow("desktop list of another desktop")
            << "KDE" << listing("b.desktop") << listing("c.desktop") << none << "b.desktop";
        QTest::addRow("uninstalled first entry")
            << none << listing("gone.desktop;c.desktop;b.desktop") << none << none << "c.desktop";
        QTest::addRow("only uninstalled in user list")
            << none << listing("gone.desktop") << none << listing("b.desktop") << "b.desktop";
        QTest::addRow("other section only")
            << none << "[Added Associations]\nx-scheme-handler/http=b.desktop\n"
            << none << none << QString();
        QTest::addRow("nothing") << none << none << none << none << QString();
    }

    void defaultApplication()
    {
        QFETCH(QString, desktop);
        QFETCH(QString, configList);
        QFETCH(QString, desktopList);
        QFETCH(QString, dataList);
        QFETCH(QString, id);

        const QString config = m_home->path() + "/config";
        const QString apps = m_home->dataHome() + "/applications";
        ScopedEnvironment env({{"XDG_CURRENT_DESKTOP", desktop.toLocal8Bit()}});
        for (const char *name : {"b.desktop", "c.desktop"})
            write(apps + QLatin1Char('/') + QLatin1String(name), "[Desktop Entry]\nExec=b\n");
        write(config + "/mimeapps.list", configList);
        write(config + "/x-test-mimeapps.list", desktopList);
        write(apps + "/mimeapps.list", dataList);

        QCOMPARE(defaultApplicationFor(QStringLiteral("x-scheme-handler/http")), id);
    }

    // A desktop file's command line is startPage's; an ID names a file,
    // never a path.
    void command()
    {
        write(m_home->dataHome() + "/applications/b.desktop", "[Desktop Entry]\nExec=b\n");
        QCOMPARE(desktopFileCommand(QStringLiteral("missing.desktop")), QStringList());
        QCOMPARE(desktopFileCommand(QStringLiteral("../applications/b.desktop")), QStringList());
    }

private:
    QString record(const QString &name) const { return m_home->path() + "/" + name + ".record"; }

    // The stand-in gsettings counts its runs and records the last one.
    void useGsettings(const QByteArray &body)
    {
        const QString program = m_home->path() + "/stand-in/gsettings";
        const QByteArray target = QFile::encodeName(record("gsettings"));
        const QByteArray runs = QFile::encodeName(record("runs"));
        QVERIFY(writeScript(program, "echo run >> '" + runs +
                                         "'\nprintf '%s\\n' gsettings \"$#\" "
                                         "\"$@\" > '" +
                                         target + "'\n" + body));
        qputenv("KORVALEN_GSETTINGS", QFile::encodeName(program));
    }

    int countRuns() const { return readRecord(record("runs")).size(); }

    void installBrowsers(const QByteArray &xdgSettings, const QString &mimeapps, bool wwwBrowser)
    {
        const QString started = record("started");
        const QString apps = m_home->dataHome() + "/applications";
        const QString home = m_home->path();
        const QString program = home + "/opt/My Browser/browser";
        QVERIFY(writeRecorder(program, "browser", started));
        QVERIFY(writeRecorder(home + "/opt/other", "other", started));
        write(apps + "/browser.desktop",
              "[Desktop Entry]\nType=Application\nName=Browser\nExec=\"" + program +
                  "\" --new-window %u\n");
        write(apps + "/other.desktop", "[Desktop Entry]\nExec=" + home + "/opt/other %U\n");
        write(apps + "/broken.desktop", "[Desktop Entry]\nExec=" + home + "/opt/gone %U\n");
        if (!xdgSettings.isEmpty())
            QVERIFY(writeScript(m_bin + "/xdg-settings", xdgSettings));
        if (!mimeapps.isEmpty())
            write(home + "/config/mimeapps.list", listing(mimeapps));
        if (wwwBrowser)
            QVERIFY(writeRecorder(m_bin + "/x-www-browser", "x-www-browser", started));
    }

    // The programs run detached; an empty expectation waits a little to
    // give a wrongly started one the chance to show up.
    void expectStarted(const QStringList &expected)
    {
        const QString started = record("started");
        if (expected.isEmpty()) {
            QTest::qWait(300);
            QVERIFY(!QFile::exists(started));
            return;
        }
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(started), 10000);
        QCOMPARE(readRecord(started), expected);
    }

    static QString listing(const QString &ids)
    {
        return "[Default Applications]\nx-scheme-handler/http=" + ids + QLatin1Char('\n');
    }

    static void write(const QString &path, const QString &contents)
    {
        if (!contents.isNull())
            QVERIFY(writeFileBytes(path, contents.toUtf8()));
    }

    std::unique_ptr<TestHome> m_home;
    std::unique_ptr<ScopedEnvironment> m_env;
    QString m_bin;
};

QTEST_GUILESS_MAIN(TestHostActions)
#include "tst_hostactions.moc"
