#pragma once

#include "common/TestHome.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLocalSocket>
#include <QMap>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRect>
#include <QSize>
#include <QStringList>
#include <QtTest>

// korvalen-config on virtual mice under the X server of the test, driven
// with xdotool and watched through its HID trace and its debug output.
class AppUnderX
{
public:
    explicit AppUnderX(const TestHome &home)
        : m_home(home)
        , m_socket(home.runtimeDir() + QStringLiteral("/mice"))
        , m_trace(home.path() + QStringLiteral("/trace.txt"))
        , m_log(home.path() + QStringLiteral("/app.log"))
    {}
    ~AppUnderX() { stop(); }

    static QString tool(const QStringList &command)
    {
        QProcess p;
        p.start(command.first(), command.mid(1));
        p.waitForFinished(15000);
        return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
    }
    static void xdotool(const QStringList &args)
    {
        tool(QStringList{QStringLiteral("xdotool")} + args);
    }

    // Arguments and environment variables of the next start.
    void setArguments(const QStringList &arguments) { m_arguments = arguments; }
    void setEnvironment(const QString &name, const QString &value) { m_extraEnv[name] = value; }

    // Sizes of the main window and of a message box, and places in the
    // window at scale 1.
    static constexpr QSize kMainWindow{999, 640};
    static constexpr QSize kBox{478, 309};
    static constexpr QPoint kApply{890, 569};
    // The centre of tab i (LIGHTING, CUSTOMIZE, DPI, MACRO).
    static QPoint tab(int i) { return QPoint(146, 282 + 34 * i); }
    // Where screenshots for a person to look at go.
    static QString outputFolder()
    {
        const QString folder = QStringLiteral(KORVALEN_APP_DIR "/tests/e2e-output");
        QDir().mkpath(folder);
        return folder;
    }

    // What the program (or korvalen-ctl) is started with on `mice`.
    QProcessEnvironment environment(const QString &mice) const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_DATA_HOME"), m_home.dataHome());
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_home.runtimeDir());
        env.insert(QStringLiteral("KORVALEN_VIRTUAL_MOUSE"), mice);
        env.insert(QStringLiteral("KORVALEN_VIRTUAL_MOUSE_CONTROL"), m_socket);
        env.insert(QStringLiteral("KORVALEN_HID_TRACE"), m_trace);
        env.insert(QStringLiteral("KORVALEN_GSETTINGS"), QStringLiteral("/bin/false"));
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        for (auto it = m_extraEnv.cbegin(); it != m_extraEnv.cend(); ++it)
            env.insert(it.key(), it.value());
        return env;
    }

    // Starts the program on `mice` and waits until its control socket
    // answers; with no mouse plugged in there is no main window to wait for.
    bool launch(const QString &mice, const QString &loggingRules = QString())
    {
        QProcessEnvironment env = environment(mice);
        if (!loggingRules.isEmpty())
            env.insert(QStringLiteral("QT_LOGGING_RULES"), loggingRules);
        m_app.setProcessEnvironment(env);
        m_app.setStandardErrorFile(m_log);
        m_app.start(QStringLiteral(KORVALEN_APP_DIR "/korvalen-config"), m_arguments);
        if (!m_app.waitForStarted(5000))
            return false;
        QElapsedTimer clock;
        clock.start();
        // A start that ends at once (a second instance) has no socket.
        while (clock.elapsed() < 10000 && running()) {
            if (control(QStringLiteral("refreshes NX-19")) != QLatin1String("(no answer)"))
                return true;
            QTest::qWait(100);
        }
        if (!running())
            return true;
        qWarning("no control socket; the program said:\n%s",
                 qPrintable(logLines().join(QLatin1Char('\n'))));
        return false;
    }

    // Waits for the 999 x 640 window.
    bool waitForWindow(int timeoutMs = 45000)
    {
        QElapsedTimer clock;
        clock.start();
        // Looked for at least once, so that a timeout of 0 asks "shown now?".
        for (;;) {
            m_window = windowOfSize(kMainWindow);
            if (!m_window.isNull())
                return true;
            if (clock.elapsed() >= timeoutMs)
                return false;
            QTest::qWait(200);
        }
    }

    // Starts the program on `mice` and waits for its 999 x 640 window.
    bool start(const QString &mice, const QString &loggingRules = QString())
    {
        if (!launch(mice, loggingRules))
            return false;
        if (waitForWindow())
            return true;
        qWarning("no window (running: %d); the program said:\n%s",
                 int(m_app.state() == QProcess::Running),
                 qPrintable(logLines().join(QLatin1Char('\n'))));
        return false;
    }

    bool running() const { return m_app.state() == QProcess::Running; }
    qint64 processId() const { return m_app.processId(); }
    // The exit code, or -1 when the program did not end normally in time.
    int waitForExit(int timeoutMs)
    {
        // waitForFinished() says false for a program that has ended already.
        if (m_app.state() != QProcess::NotRunning && !m_app.waitForFinished(timeoutMs))
            return -1;
        if (m_app.exitStatus() != QProcess::NormalExit)
            return -1;
        return m_app.exitCode();
    }

    void stop()
    {
        if (m_app.state() == QProcess::NotRunning)
            return;
        m_app.terminate();
        if (!m_app.waitForFinished(5000)) {
            m_app.kill();
            m_app.waitForFinished(5000);
        }
    }

    // A command to the virtual mice ("unplug NX-19"), and their answer.
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

    // The program's visible windows, in screen coordinates.
    QList<QRect> windows() const
    {
        const QStringList ids = tool({QStringLiteral("xdotool"), QStringLiteral("search"),
                                      QStringLiteral("--onlyvisible"), QStringLiteral("--pid"),
                                      QString::number(m_app.processId())})
                                    .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QList<QRect> result;
        for (const QString &id : ids) {
            QMap<QString, int> v;
            const QString shell =
                tool({QStringLiteral("xdotool"), QStringLiteral("getwindowgeometry"),
                      QStringLiteral("--shell"), id});
            for (const QString &line : shell.split(QLatin1Char('\n'))) {
                const int eq = line.indexOf(QLatin1Char('='));
                if (eq > 0)
                    v.insert(line.left(eq), line.mid(eq + 1).toInt());
            }
            result << QRect(v.value(QStringLiteral("X")), v.value(QStringLiteral("Y")),
                            v.value(QStringLiteral("WIDTH")), v.value(QStringLiteral("HEIGHT")));
        }
        return result;
    }
    QRect windowOfSize(const QSize &size) const
    {
        const QList<QRect> all = windows();
        for (const QRect &r : all) {
            if (r.size() == size)
                return r;
        }
        return QRect();
    }
    bool hasWindow(const QSize &size) const { return !windowOfSize(size).isNull(); }

    // Window (design) coordinates at scale 1.
    void moveTo(const QPoint &at) const { moveToScreen(m_window.topLeft() + at); }
    void click(const QPoint &at) const { clickScreen(m_window.topLeft() + at); }
    // Screen coordinates, for the places of other windows.
    static void moveToScreen(const QPoint &p)
    {
        xdotool({QStringLiteral("mousemove"), QString::number(p.x()), QString::number(p.y())});
        QTest::qWait(150);
    }
    static void clickScreen(const QPoint &p)
    {
        moveToScreen(p);
        xdotool({QStringLiteral("click"), QStringLiteral("1")});
        QTest::qWait(300);
    }
    // Keys as xdotool names them ("a", "Right", "ctrl+shift+a").
    static void keys(const QStringList &names)
    {
        for (const QString &name : names) {
            xdotool({QStringLiteral("key"), name});
            QTest::qWait(80);
        }
        QTest::qWait(250);
    }

    // The screen, or a window rectangle of it; kept as screenshot `name`
    // when named (a null image if that failed).
    QImage grab(const QRect &inWindow = QRect(), const QString &name = QString()) const
    {
        const QString file =
            name.isEmpty() ? m_home.path() + QStringLiteral("/grab.png")
                           : outputFolder() + QLatin1Char('/') + name + QStringLiteral(".png");
        if (name.isEmpty())
            tool({QStringLiteral("import"), QStringLiteral("-window"), QStringLiteral("root"),
                  file});
        else if (!screenshot(name))
            return QImage();
        const QImage screen = QImage(file).convertToFormat(QImage::Format_RGB32);
        return inWindow.isNull() ? screen : screen.copy(inWindow.translated(m_window.topLeft()));
    }
    // Waits until `inWindow` differs from `before` and holds still over two
    // grabs: the page a click or the mouse brought up, painted. Kept as
    // screenshot `name` when named; a null image on a timeout.
    QImage grabSettled(const QRect &inWindow = QRect(), const QImage &before = QImage(),
                       const QString &name = QString()) const
    {
        QImage last;
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 10000) {
            const QImage now = grab(inWindow);
            if (now == last && now != before)
                return name.isEmpty() ? now : grab(inWindow, name);
            last = now;
            QTest::qWait(100);
        }
        return QImage();
    }
    // Saves the screen for a person to look at; false if nothing was saved.
    static bool screenshot(const QString &name)
    {
        const QString file = outputFolder() + QLatin1Char('/') + name + QStringLiteral(".png");
        tool({QStringLiteral("import"), QStringLiteral("-window"), QStringLiteral("root"), file});
        if (QFileInfo(file).size() <= 1000)
            return false;
        qInfo("screenshot: %s", qPrintable(file));
        return true;
    }

    // The program's debug output so far.
    QStringList logLines() const
    {
        QFile f(m_log);
        if (!f.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    // The feature reports of the trace from line `fromLine` on, without
    // their times.
    QStringList reports(int fromLine = 0) const { return reportsOf(m_trace, fromLine); }
    static QStringList reportsOf(const QString &trace, int fromLine = 0)
    {
        QFile f(trace);
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
    int traceLines() const
    {
        QFile f(m_trace);
        return f.open(QIODevice::ReadOnly) ? int(f.readAll().count('\n')) : 0;
    }
    // Waits until an upload has begun and the trace has been quiet a while.
    QStringList waitForUpload(int fromLine) const
    {
        int last = -1;
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 30000) {
            QTest::qWait(1500);
            const int now = reports(fromLine).size();
            if (now > 0 && now == last)
                break;
            last = now;
        }
        return reports(fromLine);
    }

    // What korvalen-ctl `command` sends to a virtual `model` on the data
    // folder of `from`.
    QStringList toolRun(const QString &model, const TestHome &from,
                        const QStringList &command) const
    {
        const QString trace = from.path() + QStringLiteral("/tool.txt");
        QProcessEnvironment env = environment(model);
        env.insert(QStringLiteral("XDG_DATA_HOME"), from.dataHome());
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), from.runtimeDir());
        env.remove(QStringLiteral("KORVALEN_VIRTUAL_MOUSE_CONTROL"));
        env.remove(QStringLiteral("KORVALEN_HID_TRACE"));
        QProcess ctl;
        ctl.setProcessEnvironment(env);
        ctl.start(
            QStringLiteral(KORVALEN_APP_DIR "/korvalen-ctl"),
            QStringList{QStringLiteral("--virtual"), model, QStringLiteral("--trace"), trace} +
                command);
        if (!ctl.waitForFinished(60000) || ctl.exitStatus() != QProcess::NormalExit ||
            ctl.exitCode() != 0)
            return {QStringLiteral("korvalen-ctl failed")};
        return reportsOf(trace);
    }

private:
    const TestHome &m_home;
    QString m_socket;
    QString m_trace;
    QString m_log;
    QProcess m_app;
    QRect m_window;
    QStringList m_arguments;
    QMap<QString, QString> m_extraEnv;
};
