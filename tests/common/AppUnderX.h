#pragma once

#include "common/TestHome.h"

#include <QFile>
#include <QImage>
#include <QLocalSocket>
#include <QMap>
#include <QProcess>
#include <QRect>
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

    // Arguments and environment variables of the next start.
    void setArguments(const QStringList &arguments) { m_arguments = arguments; }
    void setEnvironment(const QString &name, const QString &value) { m_extraEnv[name] = value; }

    // Starts the program on `mice` without waiting for a window.
    bool launch(const QString &mice, const QString &loggingRules = QString())
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_DATA_HOME"), m_home.dataHome());
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_home.runtimeDir());
        env.insert(QStringLiteral("KORVALEN_VIRTUAL_MOUSE"), mice);
        env.insert(QStringLiteral("KORVALEN_VIRTUAL_MOUSE_CONTROL"), m_socket);
        env.insert(QStringLiteral("KORVALEN_HID_TRACE"), m_trace);
        env.insert(QStringLiteral("KORVALEN_GSETTINGS"), QStringLiteral("/bin/false"));
        if (!loggingRules.isEmpty())
            env.insert(QStringLiteral("QT_LOGGING_RULES"), loggingRules);
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        for (auto it = m_extraEnv.cbegin(); it != m_extraEnv.cend(); ++it)
            env.insert(it.key(), it.value());
        m_app.setProcessEnvironment(env);
        m_app.setStandardErrorFile(m_log);
        m_app.start(QStringLiteral(KORVALEN_APP_DIR "/korvalen-config"), m_arguments);
        return m_app.waitForStarted(5000);
    }

    // Waits for the 999 x 640 window.
    bool waitForWindow(int timeoutMs = 45000)
    {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < timeoutMs) {
            m_window = windowOfSize(QSize(999, 640));
            if (!m_window.isNull())
                return true;
            QTest::qWait(200);
        }
        return false;
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
    // The exit code, or -1 when the program did not end normally in time.
    int waitForExit(int timeoutMs)
    {
        if (!m_app.waitForFinished(timeoutMs) || m_app.exitStatus() != QProcess::NormalExit)
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

    int visibleWindows() const
    {
        return tool({QStringLiteral("xdotool"), QStringLiteral("search"),
                     QStringLiteral("--onlyvisible"), QStringLiteral("--pid"),
                     QString::number(m_app.processId())})
            .split(QLatin1Char('\n'), Qt::SkipEmptyParts)
            .size();
    }

    QRect windowOfSize(const QSize &size) const
    {
        const QStringList ids = tool({QStringLiteral("xdotool"), QStringLiteral("search"),
                                      QStringLiteral("--onlyvisible"), QStringLiteral("--pid"),
                                      QString::number(m_app.processId())})
                                    .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
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
            const QRect r(v.value(QStringLiteral("X")), v.value(QStringLiteral("Y")),
                          v.value(QStringLiteral("WIDTH")), v.value(QStringLiteral("HEIGHT")));
            if (r.size() == size)
                return r;
        }
        return QRect();
    }

    // Window (design) coordinates at scale 1.
    void moveTo(const QPoint &at) const
    {
        const QPoint p = m_window.topLeft() + at;
        tool({QStringLiteral("xdotool"), QStringLiteral("mousemove"), QString::number(p.x()),
              QString::number(p.y())});
        QTest::qWait(150);
    }
    void click(const QPoint &at) const
    {
        moveTo(at);
        tool({QStringLiteral("xdotool"), QStringLiteral("click"), QStringLiteral("1")});
        QTest::qWait(300);
    }
    // Keys as xdotool names them ("a", "Right", "ctrl+shift+a").
    static void keys(const QStringList &names)
    {
        for (const QString &name : names) {
            tool({QStringLiteral("xdotool"), QStringLiteral("key"), name});
            QTest::qWait(80);
        }
        QTest::qWait(250);
    }

    // The screen, or a window rectangle of it.
    QImage grab(const QRect &inWindow = QRect()) const
    {
        const QString file = m_home.path() + QStringLiteral("/grab.png");
        tool({QStringLiteral("import"), QStringLiteral("-window"), QStringLiteral("root"), file});
        const QImage screen = QImage(file).convertToFormat(QImage::Format_RGB32);
        return inWindow.isNull() ? screen : screen.copy(inWindow.translated(m_window.topLeft()));
    }
    QString screenshot(const QString &folder, const QString &name) const
    {
        const QString file = folder + QLatin1Char('/') + name + QStringLiteral(".png");
        tool({QStringLiteral("import"), QStringLiteral("-window"), QStringLiteral("root"), file});
        return file;
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
    QStringList reports(int fromLine = 0) const
    {
        QFile f(m_trace);
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

    QString productFile(const QString &product, const QString &relative) const
    {
        return m_home.dataHome() + QStringLiteral("/KORVALEN Gaming Mouse/") + product +
               QLatin1Char('/') + relative;
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
