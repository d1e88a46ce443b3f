#include "common/AppUnderX.h"
#include "common/TestHome.h"
#include "common/ThreadWakeups.h"

#include "store/ProgramRules.h"

#include <QSettings>
#include <QtTest>

#include <unistd.h>

// Xlib's macros (None, Bool...) clash with Qt's names: it comes last.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

// The mode follows the program in front: plain X windows of this test with
// classes of their own are put in front by setting the root window's
// _NET_ACTIVE_WINDOW, as a window manager would (Xvfb runs none).
class TestProgramProfiles : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestHome> m_home;
    Display *m_display = nullptr;

    Window testWindow(const char *windowClass)
    {
        const Window window =
            XCreateSimpleWindow(m_display, DefaultRootWindow(m_display), 0, 0, 80, 60, 0, 0, 0);
        XClassHint hint;
        hint.res_name = const_cast<char *>(windowClass);
        hint.res_class = const_cast<char *>(windowClass);
        XSetClassHint(m_display, window, &hint);
        const unsigned long pid = static_cast<unsigned long>(getpid());
        XChangeProperty(m_display, window, XInternAtom(m_display, "_NET_WM_PID", False),
                        XA_CARDINAL, 32, PropModeReplace,
                        reinterpret_cast<const unsigned char *>(&pid), 1);
        XMapWindow(m_display, window);
        XFlush(m_display);
        return window;
    }

    // The window's debug lines that tell a program came to the front.
    static int frontLines(const AppUnderX &app)
    {
        return app.logLines().filter(QStringLiteral("korvalen.ui: front program:")).size();
    }

    // Puts `window` in front; true once the program has seen it.
    bool putInFront(const AppUnderX &app, Window window)
    {
        const int seen = frontLines(app);
        const unsigned long id = window;
        XChangeProperty(m_display, DefaultRootWindow(m_display),
                        XInternAtom(m_display, "_NET_ACTIVE_WINDOW", False), XA_WINDOW, 32,
                        PropModeReplace, reinterpret_cast<const unsigned char *>(&id), 1);
        XFlush(m_display);
        return QTest::qWaitFor([&] { return frontLines(app) > seen; }, 10000) &&
               frontLines(app) == seen + 1;
    }

    // Starts the window on NX-19 and gives it `rules`; true once it has
    // read them.
    bool startWithRules(AppUnderX &app, const ProgramRules &rules)
    {
        if (!app.start(QStringLiteral("NX-19"), QStringLiteral("korvalen.ui.debug=true")))
            return false;
        const QString config =
            m_home->productFolder(QStringLiteral("NX-19")) + QStringLiteral("/Config.ini");
        if (!writeProgramRules(config, rules))
            return false;
        // The window reads the rules again once it sees its Config.ini change.
        const QString line = QStringLiteral("korvalen.ui: program rules: %1 %2")
                                 .arg(rules.rules.size())
                                 .arg(rules.enabled ? QStringLiteral("on") : QStringLiteral("off"));
        return QTest::qWaitFor([&] { return app.logLines().contains(line); }, 10000);
    }

    QString profileId() const
    {
        QSettings s(m_home->productFolder(QStringLiteral("NX-19")) + QStringLiteral("/Config.ini"),
                    QSettings::IniFormat);
        return s.value(QStringLiteral("Config/ProfileID")).toString();
    }

    // What korvalen-ctl sends to switch the mouse to `mode` (1-5): the
    // mode menu's switch.
    static QStringList toolSwitch(const AppUnderX &app, int mode)
    {
        const TestHome other;
        return app.toolRun(QStringLiteral("NX-19"), other,
                           {QStringLiteral("switch"), QString::number(mode)});
    }

private slots:
    void initTestCase()
    {
        if (qEnvironmentVariableIsEmpty("DISPLAY"))
            QSKIP("needs an X server (CTest runs this under xvfb-run)");
        m_display = XOpenDisplay(nullptr);
        QVERIFY(m_display);
    }
    void cleanupTestCase()
    {
        if (m_display)
            XCloseDisplay(m_display);
    }
    void init() { m_home = std::make_unique<TestHome>(); }
    void cleanup() { m_home.reset(); }

    void theModeFollowsTheProgramInFront()
    {
        AppUnderX app(*m_home);
        ProgramRules rules;
        rules.enabled = true;
        rules.defaultMode = 4;
        rules.rules = {{QStringLiteral("KvAlpha"), 2}, {QStringLiteral("KvBeta"), 3}};
        QVERIFY(startWithRules(app, rules));
        QCOMPARE(profileId(), QStringLiteral("0"));

        const Window alpha = testWindow("KvAlpha");
        const Window beta = testWindow("KvBeta");
        const Window secondBeta = testWindow("KvBeta");
        const Window other = testWindow("KvOther");
        const QString own =
            AppUnderX::tool({QStringLiteral("xdotool"), QStringLiteral("search"),
                             QStringLiteral("--onlyvisible"), QStringLiteral("--pid"),
                             QString::number(app.processId())})
                .section(QLatin1Char('\n'), 0, 0);
        QVERIFY(!own.isEmpty());

        int from = app.traceLines();
        QVERIFY(putInFront(app, alpha));
        QTRY_COMPARE_WITH_TIMEOUT(profileId(), QStringLiteral("1"), 10000);
        const QStringList toMode2 = toolSwitch(app, 2);
        QTRY_COMPARE_WITH_TIMEOUT(app.reports(from), toMode2, 5000);

        from = app.traceLines();
        QVERIFY(putInFront(app, beta));
        QTRY_COMPARE_WITH_TIMEOUT(profileId(), QStringLiteral("2"), 10000);
        QTRY_COMPARE_WITH_TIMEOUT(app.reports(from), toolSwitch(app, 3), 5000);

        // The window's own window, then another window of the mode already
        // active: nothing. The window without a rule then takes the default;
        // the trace from here holds that one switch only.
        from = app.traceLines();
        QVERIFY(putInFront(app, Window(own.toULong())));
        QVERIFY(putInFront(app, secondBeta));
        QVERIFY(putInFront(app, other));
        QTRY_COMPARE_WITH_TIMEOUT(profileId(), QStringLiteral("3"), 10000);
        QTRY_COMPARE_WITH_TIMEOUT(app.reports(from), toolSwitch(app, 4), 5000);
        // Back to the first program: its rule again, with the same bytes.
        from = app.traceLines();
        QVERIFY(putInFront(app, alpha));
        QTRY_COMPARE_WITH_TIMEOUT(profileId(), QStringLiteral("1"), 10000);
        QTRY_COMPARE_WITH_TIMEOUT(app.reports(from), toMode2, 5000);
    }

    // Following the front window costs no wake-ups while nothing changes:
    // the whole program stays within 2 a second.
    void followingStaysAsleepWhileNothingChanges()
    {
        AppUnderX app(*m_home);
        ProgramRules rules;
        rules.enabled = true;
        rules.defaultMode = 2;
        rules.rules = {{QStringLiteral("KvAlpha"), 3}};
        QVERIFY(startWithRules(app, rules));
        const auto before = threadWakeups(QString(), app.processId());
        QTest::qWait(10000); // the time measured
        const qint64 woken = wakeupsBetween(before, threadWakeups(QString(), app.processId()));
        qInfo("10 s idle with following on: %lld wake-ups of the program", woken);
        QVERIFY2(woken <= 20, "the program wakes while nothing changes");
    }
};

QTEST_GUILESS_MAIN(TestProgramProfiles)
#include "tst_e2e_programs.moc"
