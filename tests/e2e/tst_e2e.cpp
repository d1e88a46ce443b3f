#include "common/TestHome.h"

#include <QDir>
#include <QImage>
#include <QLocalSocket>
#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

#include <csignal>

// The real window under an X server (run by CTest through xvfb-run), on
// virtual mice driven through their control socket, watched with xdotool.
class TestEndToEnd : public QObject
{
    Q_OBJECT

private:
    struct Window
    {
        QString id;
        QRect geometry;
    };

    std::unique_ptr<TestHome> m_home;
    QString m_socket;
    QString m_trace;
    QString m_output;

    static QString tool(const QStringList &command, int *status = nullptr)
    {
        QProcess p;
        p.start(command.first(), command.mid(1));
        p.waitForFinished(15000);
        if (status)
            *status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
        return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
    }

    QProcessEnvironment environment(const QString &mice) const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_DATA_HOME"), m_home->dataHome());
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_home->runtimeDir());
        env.insert(QStringLiteral("KORVALEN_VIRTUAL_MOUSE"), mice);
        env.insert(QStringLiteral("KORVALEN_VIRTUAL_MOUSE_CONTROL"), m_socket);
        env.insert(QStringLiteral("KORVALEN_HID_TRACE"), m_trace);
        env.insert(QStringLiteral("KORVALEN_GSETTINGS"), QStringLiteral("/bin/false"));
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        return env;
    }

    bool start(QProcess &app, const QString &mice)
    {
        app.setProcessEnvironment(environment(mice));
        app.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        app.start(QStringLiteral(KORVALEN_APP_DIR "/korvalen-config"), {});
        if (!app.waitForStarted(5000))
            return false;
        // Up once its control socket answers.
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 10000) {
            if (control(QStringLiteral("refreshes NX-19")) != QLatin1String("(no answer)"))
                return true;
            QTest::qWait(100);
        }
        return false;
    }

    QString control(const QString &command) const
    {
        QLocalSocket socket;
        socket.connectToServer(m_socket);
        if (!socket.waitForConnected(500))
            return QStringLiteral("(no answer)");
        socket.write(command.toUtf8() + '\n');
        socket.flush();
        while (!socket.canReadLine()) {
            if (!socket.waitForReadyRead(3000))
                return QStringLiteral("(no answer)");
        }
        return QString::fromUtf8(socket.readLine()).trimmed();
    }

    static QList<Window> visibleWindows(qint64 pid)
    {
        QList<Window> windows;
        const QStringList ids =
            tool({QStringLiteral("xdotool"), QStringLiteral("search"),
                  QStringLiteral("--onlyvisible"), QStringLiteral("--pid"), QString::number(pid)})
                .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        for (const QString &id : ids) {
            const QString shell =
                tool({QStringLiteral("xdotool"), QStringLiteral("getwindowgeometry"),
                      QStringLiteral("--shell"), id});
            QMap<QString, int> v;
            for (const QString &line : shell.split(QLatin1Char('\n'))) {
                const int eq = line.indexOf(QLatin1Char('='));
                if (eq > 0)
                    v.insert(line.left(eq), line.mid(eq + 1).toInt());
            }
            windows.append(
                {id, QRect(v.value(QStringLiteral("X")), v.value(QStringLiteral("Y")),
                           v.value(QStringLiteral("WIDTH")), v.value(QStringLiteral("HEIGHT")))});
        }
        return windows;
    }

    static bool hasWindow(qint64 pid, const QSize &size)
    {
        return !windowOfSize(pid, size).isNull();
    }

    static QRect windowOfSize(qint64 pid, const QSize &size)
    {
        const QList<Window> windows = visibleWindows(pid);
        for (const Window &w : windows) {
            if (w.geometry.size() == size)
                return w.geometry;
        }
        return QRect();
    }

    // The feature reports of a trace, without their times.
    static QStringList reports(const QString &file, int fromLine = 0)
    {
        QFile f(file);
        if (!f.open(QIODevice::ReadOnly))
            return {};
        const QStringList lines = QString::fromLatin1(f.readAll()).split(QLatin1Char('\n'));
        QStringList result;
        for (int i = fromLine; i < lines.size(); ++i) {
            const QString rest = lines.at(i).section(QLatin1Char(' '), 1);
            if (rest.startsWith(QLatin1String("set_feature")) ||
                rest.startsWith(QLatin1String("get_feature")))
                result << rest;
        }
        return result;
    }

    static int lineCount(const QString &file)
    {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll().count('\n') : 0;
    }

    void screenshot(const QString &name)
    {
        const QString file = m_output + QLatin1Char('/') + name + QStringLiteral(".png");
        tool({QStringLiteral("import"), QStringLiteral("-window"), QStringLiteral("root"), file});
        QVERIFY2(QFileInfo(file).size() > 1000, qPrintable(file));
        qInfo("screenshot: %s", qPrintable(file));
    }

    // The screen now, and the part of it at a design rectangle of the window.
    QImage grabScreen(const QString &name)
    {
        screenshot(name);
        return QImage(m_output + QLatin1Char('/') + name + QStringLiteral(".png"));
    }

    static QImage region(const QImage &screen, const QRect &window, const QRect &design)
    {
        return screen.copy(design.translated(window.topLeft()));
    }

    // The centre of tab i (LIGHTING, CUSTOMIZE, DPI, MACRO).
    static QPoint tabCentre(const QRect &window, int i)
    {
        return window.topLeft() + QPoint(69 + 77, 268 + 34 * i + 14);
    }

    static void click(const QPoint &at)
    {
        tool({QStringLiteral("xdotool"), QStringLiteral("mousemove"), QString::number(at.x()),
              QString::number(at.y()), QStringLiteral("click"), QStringLiteral("1")});
    }

    // The profile files in the product's Profile folder, the default one
    // aside, and the saved list of its Config.ini.
    QStringList profileFiles() const
    {
        QStringList names;
        const QString folder =
            m_home->productFolder(QStringLiteral("NX-19")) + QStringLiteral("/Profile");
        for (const QString &file :
             QDir(folder).entryList({QStringLiteral("*.prof")}, QDir::Files)) {
            if (file != QLatin1String("DefaultProfile.prof"))
                names << file.chopped(5);
        }
        names.sort();
        return names;
    }

    QStringList savedList() const
    {
        QSettings s(m_home->productFolder(QStringLiteral("NX-19")) + QStringLiteral("/Config.ini"),
                    QSettings::IniFormat);
        QStringList names;
        const int count = s.value(QStringLiteral("PROFILE_LIST/Count")).toInt();
        for (int i = 1; i <= count; ++i)
            names << s.value(QStringLiteral("PROFILE_LIST/%1").arg(i)).toString();
        return names;
    }

    // Waits until the upload that started after trace line `from` is over.
    QStringList quietReports(int from) const
    {
        int last = -1;
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 30000) {
            QTest::qWait(1500);
            const int now = reports(m_trace, from).size();
            if (now > 0 && now == last)
                break;
            last = now;
        }
        return reports(m_trace, from);
    }

    // What korvalen-ctl sends for the model's default store, from a data
    // folder of its own.
    QStringList toolApplyOfTheDefaults() const
    {
        TestHome fresh;
        const QString toolTrace = fresh.path() + QStringLiteral("/tool.txt");
        QProcess ctl;
        QProcessEnvironment env = environment(QStringLiteral("NX-19"));
        env.insert(QStringLiteral("XDG_DATA_HOME"), fresh.dataHome());
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), fresh.runtimeDir());
        env.remove(QStringLiteral("KORVALEN_VIRTUAL_MOUSE_CONTROL"));
        env.remove(QStringLiteral("KORVALEN_HID_TRACE"));
        ctl.setProcessEnvironment(env);
        ctl.start(QStringLiteral(KORVALEN_APP_DIR "/korvalen-ctl"),
                  {QStringLiteral("--virtual"), QStringLiteral("NX-19"), QStringLiteral("--trace"),
                   toolTrace, QStringLiteral("apply")});
        if (!ctl.waitForFinished(60000) || ctl.exitCode() != 0)
            return {QStringLiteral("korvalen-ctl failed")};
        return reports(toolTrace);
    }

    // The Yes button of a question box at `box`.
    static QPoint yesButton(const QRect &box) { return box.topLeft() + QPoint(146, 254); }

    QString productValue(const QString &key) const
    {
        QSettings s(m_home->productFolder(QStringLiteral("NX-19")) + QStringLiteral("/Config.ini"),
                    QSettings::IniFormat);
        return s.value(key).toString();
    }

    static void stop(QProcess &app)
    {
        if (app.state() == QProcess::NotRunning)
            return;
        app.terminate();
        if (!app.waitForFinished(5000)) {
            app.kill();
            app.waitForFinished(5000);
        }
    }

private slots:
    void initTestCase()
    {
        if (qEnvironmentVariableIsEmpty("DISPLAY"))
            QSKIP("needs an X server (CTest runs this under xvfb-run)");
        m_output = QStringLiteral(KORVALEN_APP_DIR "/tests/e2e-output");
        QDir().mkpath(m_output);
    }

    void init()
    {
        m_home = std::make_unique<TestHome>();
        m_socket = m_home->runtimeDir() + QStringLiteral("/mice");
        m_trace = m_home->path() + QStringLiteral("/trace.txt");
    }

    void cleanup() { m_home.reset(); }

    void windowAppearsAndASecondInstanceExits()
    {
        QProcess app;
        QVERIFY(start(app, QStringLiteral("NX-19")));
        QTRY_VERIFY_WITH_TIMEOUT(hasWindow(app.processId(), QSize(999, 640)), 10000);
        QTest::qWait(300);
        screenshot(QStringLiteral("main-window"));

        QProcess second;
        second.setProcessEnvironment(environment(QStringLiteral("NX-19")));
        second.start(QStringLiteral(KORVALEN_APP_DIR "/korvalen-config"), {});
        QVERIFY(second.waitForFinished(10000));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 1);
        QCOMPARE(app.state(), QProcess::Running);
        QVERIFY(hasWindow(app.processId(), QSize(999, 640)));
        stop(app);
    }

    void unpluggingWarnsAndPluggingBackReloads()
    {
        QProcess app;
        QVERIFY(start(app, QStringLiteral("NX-19")));
        QTRY_VERIFY_WITH_TIMEOUT(hasWindow(app.processId(), QSize(999, 640)), 10000);
        const QString defaults = m_home->productFolder(QStringLiteral("NX-19")) +
                                 QStringLiteral("/Profile/DefaultProfile.prof");
        QVERIFY(QFile::exists(defaults));
        QFile::remove(defaults);

        QCOMPARE(control(QStringLiteral("unplug NX-19")), QStringLiteral("ok"));
        QTRY_VERIFY_WITH_TIMEOUT(hasWindow(app.processId(), QSize(478, 309)), 5000);
        screenshot(QStringLiteral("no-mouse-warning"));

        QCOMPARE(control(QStringLiteral("plug NX-19")), QStringLiteral("ok"));
        QTRY_VERIFY_WITH_TIMEOUT(!hasWindow(app.processId(), QSize(478, 309)), 5000);
        QVERIFY(hasWindow(app.processId(), QSize(999, 640)));
        // The reload wrote the model's default profile file again.
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(defaults), 5000);
        stop(app);
    }

    void aProfileSwitchOnTheMouseShowsAndSendsNothing()
    {
        QProcess app;
        QVERIFY(start(app, QStringLiteral("NX-19")));
        QTRY_VERIFY_WITH_TIMEOUT(hasWindow(app.processId(), QSize(999, 640)), 10000);
        QTest::qWait(500);
        const int before = reports(m_trace).size();
        QCOMPARE(control(QStringLiteral("profile NX-19 3")), QStringLiteral("ok"));
        QTRY_COMPARE_WITH_TIMEOUT(productValue(QStringLiteral("Config/ProfileID")),
                                  QStringLiteral("3"), 5000);
        QTest::qWait(300);
        QCOMPARE(reports(m_trace).size(), before);
        QCOMPARE(control(QStringLiteral("refreshes NX-19")), QString());
        screenshot(QStringLiteral("profile-4-from-the-mouse"));
        stop(app);
    }

    void applySendsWhatTheToolSends()
    {
        QProcess app;
        QVERIFY(start(app, QStringLiteral("NX-19")));
        QRect window;
        QTRY_VERIFY_WITH_TIMEOUT(
            !(window = windowOfSize(app.processId(), QSize(999, 640))).isNull(), 10000);
        QTest::qWait(500);
        const int from = lineCount(m_trace);
        // The Apply button, third in the footer (design place 835,556 110x26).
        click(window.topLeft() + QPoint(835 + 55, 556 + 13));
        // The upload ends with the macro step; wait until the trace is quiet.
        int last = -1;
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 30000) {
            QTest::qWait(1500);
            const int now = reports(m_trace, from).size();
            if (now > 0 && now == last)
                break;
            last = now;
        }
        const QStringList fromWindow = reports(m_trace, from);
        QVERIFY(fromWindow.size() > 50);
        stop(app);

        const QString toolTrace = m_home->path() + QStringLiteral("/tool.txt");
        QProcess ctl;
        QProcessEnvironment env = environment(QStringLiteral("NX-19"));
        env.remove(QStringLiteral("KORVALEN_VIRTUAL_MOUSE_CONTROL"));
        env.remove(QStringLiteral("KORVALEN_HID_TRACE"));
        ctl.setProcessEnvironment(env);
        ctl.start(QStringLiteral(KORVALEN_APP_DIR "/korvalen-ctl"),
                  {QStringLiteral("--virtual"), QStringLiteral("NX-19"), QStringLiteral("--trace"),
                   toolTrace, QStringLiteral("apply")});
        QVERIFY(ctl.waitForFinished(60000));
        QCOMPARE(ctl.exitCode(), 0);
        QCOMPARE(reports(toolTrace), fromWindow);
    }

    void theMouseButtonsShowInTheDpiAndLightingPanels()
    {
        QProcess app;
        QVERIFY(start(app, QStringLiteral("NX-19")));
        QRect window;
        QTRY_VERIFY_WITH_TIMEOUT(
            !(window = windowOfSize(app.processId(), QSize(999, 640))).isNull(), 10000);
        QTest::qWait(500);
        const QRect dpiPanel(286, 75, 456, 386);
        const QRect lightingPanel(285, 342, 664, 199);

        click(tabCentre(window, 2));
        QTest::qWait(500);
        const int sent = reports(m_trace).size();
        const QImage stage1 = grabScreen(QStringLiteral("dpi-stage-1"));
        QCOMPARE(control(QStringLiteral("dpi NX-19 3")), QStringLiteral("ok"));
        QTest::qWait(800);
        const QImage stage4 = grabScreen(QStringLiteral("dpi-stage-4-from-the-mouse"));
        QVERIFY(region(stage1, window, dpiPanel) != region(stage4, window, dpiPanel));

        click(tabCentre(window, 0));
        QTest::qWait(500);
        const QImage wave = grabScreen(QStringLiteral("lighting-wave"));
        // Class 3: effect code 0 is OFF.
        QCOMPARE(control(QStringLiteral("light NX-19 0 0")), QStringLiteral("ok"));
        QTest::qWait(800);
        const QImage off = grabScreen(QStringLiteral("lighting-off-from-the-mouse"));
        QVERIFY(region(wave, window, lightingPanel) != region(off, window, lightingPanel));
        QCOMPARE(reports(m_trace).size(), sent);
        stop(app);
    }

    void applyAfterChangingAStageSendsWhatTheToolSends()
    {
        QProcess app;
        QVERIFY(start(app, QStringLiteral("NX-19")));
        QRect window;
        QTRY_VERIFY_WITH_TIMEOUT(
            !(window = windowOfSize(app.processId(), QSize(999, 640))).isNull(), 10000);
        QTest::qWait(500);
        click(tabCentre(window, 2));
        QTest::qWait(300);
        // The DPI panel is at 286,75: the stage-3 button's indicator, then
        // the far end of stage 2's X bar (one step up per click).
        click(window.topLeft() + QPoint(286 + 44, 75 + 30 + 71 * 2 + 12));
        click(window.topLeft() + QPoint(286 + 66 + 320, 75 + 30 + 71 + 32 + 4));
        QTest::qWait(300);
        screenshot(QStringLiteral("dpi-stage-changed"));
        const int from = lineCount(m_trace);
        click(window.topLeft() + QPoint(835 + 55, 556 + 13));
        int last = -1;
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 30000) {
            QTest::qWait(1500);
            const int now = reports(m_trace, from).size();
            if (now > 0 && now == last)
                break;
            last = now;
        }
        const QStringList fromWindow = reports(m_trace, from);
        stop(app);
        QSettings profile(m_home->dataHome() +
                              QStringLiteral("/KORVALEN Gaming Mouse/NX-19/Profile/Profile 1.prof"),
                          QSettings::IniFormat);
        QCOMPARE(profile.value(QStringLiteral("PROFILE/dpi")).toInt(), 2);
        // NX-19 starts stage 2 at 39 with X and Y linked.
        const int x = profile.value(QStringLiteral("PROFILE/DPI_INFO_1_x")).toInt();
        QVERIFY2(x > 39, qPrintable(QString::number(x)));
        QCOMPARE(profile.value(QStringLiteral("PROFILE/DPI_INFO_1_y")).toInt(), x);

        const QString toolTrace = m_home->path() + QStringLiteral("/tool.txt");
        QProcess ctl;
        QProcessEnvironment env = environment(QStringLiteral("NX-19"));
        env.remove(QStringLiteral("KORVALEN_VIRTUAL_MOUSE_CONTROL"));
        env.remove(QStringLiteral("KORVALEN_HID_TRACE"));
        ctl.setProcessEnvironment(env);
        ctl.start(QStringLiteral(KORVALEN_APP_DIR "/korvalen-ctl"),
                  {QStringLiteral("--virtual"), QStringLiteral("NX-19"), QStringLiteral("--trace"),
                   toolTrace, QStringLiteral("apply")});
        QVERIFY(ctl.waitForFinished(60000));
        QCOMPARE(ctl.exitCode(), 0);
        QCOMPARE(reports(toolTrace), fromWindow);
    }

    void screenshotsOfTheTabs_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addRow("NX-19") << "NX-19";
        QTest::addRow("NX-23, lighting class 4") << "NX-23";
    }

    void screenshotsOfTheTabs()
    {
        QFETCH(QString, model);
        QProcess app;
        QVERIFY(start(app, model));
        QRect window;
        QTRY_VERIFY_WITH_TIMEOUT(
            !(window = windowOfSize(app.processId(), QSize(999, 640))).isNull(), 10000);
        QTest::qWait(500);
        const char *tabs[] = {"lighting", "customize", "dpi"};
        for (int i = 0; i < 3; ++i) {
            click(tabCentre(window, i));
            QTest::qWait(400);
            screenshot(QStringLiteral("tab-%1-%2").arg(model, QLatin1String(tabs[i])));
        }
        stop(app);
    }

    void profileFilesThroughTheButtons()
    {
        QProcess app;
        QVERIFY(start(app, QStringLiteral("NX-19")));
        QRect window;
        QTRY_VERIFY_WITH_TIMEOUT(
            !(window = windowOfSize(app.processId(), QSize(999, 640))).isNull(), 10000);
        QTest::qWait(500);
        auto at = [&](const QRect &design) { return window.topLeft() + design.center(); };
        auto command = [](int i) { return QRect(68 + 26 * i, 508, 22, 22); };
        const QRect add = command(3), remove = command(4), copy = command(5), reset = command(2);
        const QRect nameEdit(68, 479, 134, 22);
        QStringList names = {"Profile 1", "Profile 2", "Profile 3", "Profile 4", "Profile 5"};
        QCOMPARE(profileFiles(), names);
        QCOMPARE(savedList(), names);

        click(at(add));
        names << QStringLiteral("Profile 6");
        QTRY_COMPARE_WITH_TIMEOUT(profileFiles(), names, 5000);
        QCOMPARE(savedList(), names);

        click(at(copy));
        names << QStringLiteral("Profile 6 copy");
        QTRY_COMPARE_WITH_TIMEOUT(profileFiles(), names, 5000);
        QCOMPARE(savedList(), names);

        click(at(nameEdit));
        tool({QStringLiteral("xdotool"), QStringLiteral("key"), QStringLiteral("ctrl+a")});
        tool({QStringLiteral("xdotool"), QStringLiteral("type"), QStringLiteral("Aim Set")});
        tool({QStringLiteral("xdotool"), QStringLiteral("key"), QStringLiteral("Return")});
        names.replace(6, QStringLiteral("Aim Set"));
        QTRY_COMPARE_WITH_TIMEOUT(savedList(), names, 5000);
        QStringList sorted = names;
        sorted.sort();
        QCOMPARE(profileFiles(), sorted);
        screenshot(QStringLiteral("profile-renamed"));

        click(at(remove));
        QRect box;
        QTRY_VERIFY_WITH_TIMEOUT(!(box = windowOfSize(app.processId(), QSize(478, 309))).isNull(),
                                 5000);
        screenshot(QStringLiteral("profile-delete-question"));
        click(yesButton(box));
        names.removeLast();
        QTRY_COMPARE_WITH_TIMEOUT(savedList(), names, 5000);
        QCOMPARE(profileFiles(), names);

        // The mouse's own DPI button makes mode 1 differ from its defaults;
        // RESET brings back exactly the default store.
        QCOMPARE(control(QStringLiteral("dpi NX-19 3")), QStringLiteral("ok"));
        QSettings sixth(m_home->productFolder(QStringLiteral("NX-19")) +
                            QStringLiteral("/Profile/Profile 6.prof"),
                        QSettings::IniFormat);
        QTRY_COMPARE_WITH_TIMEOUT(
            (sixth.sync(), sixth.value(QStringLiteral("PROFILE/dpi")).toInt()), 3, 5000);
        const int from = lineCount(m_trace);
        click(at(reset));
        QTRY_VERIFY_WITH_TIMEOUT(!(box = windowOfSize(app.processId(), QSize(478, 309))).isNull(),
                                 5000);
        click(yesButton(box));
        const QStringList fromWindow = quietReports(from);
        QVERIFY(fromWindow.size() > 50);
        stop(app);
        QCOMPARE(fromWindow, toolApplyOfTheDefaults());
    }

    void withoutAMouseOnlyTheTrayRemains()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("trayer")).isEmpty())
            QSKIP("trayer is not installed");
        QProcess tray;
        tray.start(QStringLiteral("trayer"), {QStringLiteral("--edge"), QStringLiteral("top")});
        QVERIFY(tray.waitForStarted(5000));
        QTest::qWait(500);

        QProcess app;
        // A virtual backend with no mouse plugged in.
        QVERIFY(start(app, QStringLiteral(",")));
        QRect box;
        QTRY_VERIFY_WITH_TIMEOUT(!(box = windowOfSize(app.processId(), QSize(478, 309))).isNull(),
                                 5000);
        screenshot(QStringLiteral("no-mouse-at-start"));
        // The Ok button sits centred near the bottom of the box.
        click(box.topLeft() + QPoint(239, 309 - 30 - 14));
        QTRY_VERIFY_WITH_TIMEOUT(!hasWindow(app.processId(), QSize(478, 309)), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(!hasWindow(app.processId(), QSize(999, 640)), 5000);
        QCOMPARE(app.state(), QProcess::Running);
        // What is left of the program is its icon in the notification area.
        const QList<Window> left = visibleWindows(app.processId());
        for (const Window &w : left)
            QVERIFY2(w.geometry.width() <= 64 && w.geometry.height() <= 64,
                     qPrintable(
                         QStringLiteral("%1x%2").arg(w.geometry.width()).arg(w.geometry.height())));
        QVERIFY(!left.isEmpty());
        stop(app);
        tray.kill();
        tray.waitForFinished(3000);
    }
};

QTEST_GUILESS_MAIN(TestEndToEnd)
#include "tst_e2e.moc"
