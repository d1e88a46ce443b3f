// Start-up time of the window: from starting the process until its window
// is mapped on the X server, for korvalen-config against a bare Qt window
// of the same size (bench_bare_window, built by the same CMake). The program
// runs over the virtual mouse NX-19 in a temporary data folder, once with a
// folder seeded by an earlier start and once as a first run with an empty
// folder. Runs of the three kinds take turns, after one warm-up of each.
// Not a test: it prints the figures.
//
//   bench_startup [runs [other-korvalen-config]]
//
// The second argument adds another build of the program (one made from an
// older commit, say), whose runs take turns with the others.
//
// It needs an X server: the one in DISPLAY (xvfb-run -a -s "-screen 0
// 1280x800x24" bench_startup), or else it starts an Xvfb of its own.

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <algorithm>
#include <memory>
#include <poll.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kTimeoutMs = 10000;

int ignoreXErrors(Display *, XErrorEvent *)
{
    return 0; // a window may be gone before we look at it
}

// Starts an Xvfb on a free display and returns its name.
QString startXvfb(QProcess &server)
{
    int fds[2];
    if (pipe(fds) != 0)
        return QString();
    // The write end is inherited by Xvfb, which writes its display number.
    server.setProgram(QStringLiteral("Xvfb"));
    server.setArguments({QStringLiteral("-displayfd"), QString::number(fds[1]),
                         QStringLiteral("-screen"), QStringLiteral("0"),
                         QStringLiteral("1280x800x24"), QStringLiteral("-nolisten"),
                         QStringLiteral("tcp")});
    server.setStandardErrorFile(QProcess::nullDevice());
    server.start();
    ::close(fds[1]);
    QByteArray number;
    pollfd p{fds[0], POLLIN, 0};
    while (poll(&p, 1, kTimeoutMs) > 0) {
        char c;
        if (read(fds[0], &c, 1) != 1 || c == '\n')
            break;
        number += c;
    }
    ::close(fds[0]);
    return number.isEmpty() ? QString() : QStringLiteral(":") + QString::fromLatin1(number);
}

// Watches the root window for top-level windows being mapped.
class MapWatch
{
public:
    explicit MapWatch(const QByteArray &display)
    {
        XSetErrorHandler(ignoreXErrors);
        m_display = XOpenDisplay(display.constData());
        if (!m_display)
            return;
        m_pidAtom = XInternAtom(m_display, "_NET_WM_PID", False);
        XSelectInput(m_display, DefaultRootWindow(m_display), SubstructureNotifyMask);
        XSync(m_display, True);
    }
    ~MapWatch()
    {
        if (m_display)
            XCloseDisplay(m_display);
    }
    bool isOpen() const { return m_display; }

    // Waits until a window of process `pid` is mapped. False on time-out.
    bool waitForMap(qint64 pid)
    {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < kTimeoutMs) {
            while (XPending(m_display)) {
                XEvent event;
                XNextEvent(m_display, &event);
                if (event.type == MapNotify && !event.xmap.override_redirect &&
                    windowPid(event.xmap.window) == pid)
                    return true;
            }
            pollfd p{ConnectionNumber(m_display), POLLIN, 0};
            poll(&p, 1, 50);
        }
        return false;
    }

private:
    qint64 windowPid(Window window)
    {
        Atom type;
        int format;
        unsigned long count;
        unsigned long after;
        unsigned char *data = nullptr;
        qint64 pid = -1;
        if (XGetWindowProperty(m_display, window, m_pidAtom, 0, 1, False, XA_CARDINAL, &type,
                               &format, &count, &after, &data) == Success &&
            data && count == 1 && format == 32)
            pid = qint64(*reinterpret_cast<unsigned long *>(data));
        if (data)
            XFree(data);
        return pid;
    }

    Display *m_display = nullptr;
    Atom m_pidAtom = 0;
};

struct Kind
{
    QString name;
    QString program;
    bool firstRun = false;
    std::vector<double> ms;
};

class Bench
{
public:
    Bench(const QString &display, MapWatch &watch) : m_display(display), m_watch(watch) {}

    // One start: milliseconds until the window is mapped, or -1.
    double start(const Kind &kind)
    {
        // The runtime folder is a tmpfs on a desktop (/run/user/UID), where
        // the single-instance lock costs no disk sync; the data folder is on
        // disk, as a home folder is.
        QTemporaryDir runtime(runtimeParent() + QStringLiteral("/korvalen-runtime-XXXXXX"));
        QFile::setPermissions(runtime.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QTemporaryDir fresh(m_scratch.path() + QStringLiteral("/fresh-XXXXXX"));
        const QString dataHome =
            kind.firstRun
                ? fresh.path()
                : m_scratch.path() + QStringLiteral("/seeded-%1").arg(qHash(kind.program));
        QDir().mkpath(dataHome);

        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DISPLAY"), m_display);
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        env.insert(QStringLiteral("KORVALEN_VIRTUAL_MOUSE"), QStringLiteral("NX-19"));
        env.remove(QStringLiteral("KORVALEN_VIRTUAL_MOUSE_CONTROL"));
        env.remove(QStringLiteral("KORVALEN_HID_TRACE"));
        env.insert(QStringLiteral("XDG_DATA_HOME"), dataHome);
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());

        QProcess process;
        process.setProcessEnvironment(env);
        process.setStandardOutputFile(QProcess::nullDevice());
        process.setStandardErrorFile(QProcess::nullDevice());
        QElapsedTimer clock;
        clock.start();
        process.start(kind.program, QStringList());
        double ms = -1;
        if (process.waitForStarted(kTimeoutMs) && m_watch.waitForMap(process.processId()))
            ms = clock.nsecsElapsed() / 1e6;
        process.terminate();
        if (!process.waitForFinished(kTimeoutMs)) {
            process.kill();
            process.waitForFinished(kTimeoutMs);
        }
        return ms;
    }

private:
    QString runtimeParent() const
    {
        return QFileInfo(QStringLiteral("/dev/shm")).isWritable() ? QStringLiteral("/dev/shm")
                                                                  : m_scratch.path();
    }

    QString m_display;
    MapWatch &m_watch;
    QTemporaryDir m_scratch;
};

QString figures(std::vector<double> ms)
{
    std::sort(ms.begin(), ms.end());
    const size_t n = ms.size();
    const double median = n % 2 ? ms[n / 2] : (ms[n / 2 - 1] + ms[n / 2]) / 2;
    return QStringLiteral("min %1  median %2  max %3 ms")
        .arg(ms.front(), 6, 'f', 1)
        .arg(median, 6, 'f', 1)
        .arg(ms.back(), 6, 'f', 1);
}

double median(std::vector<double> ms)
{
    std::sort(ms.begin(), ms.end());
    const size_t n = ms.size();
    return n % 2 ? ms[n / 2] : (ms[n / 2 - 1] + ms[n / 2]) / 2;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int runs = std::max(1, app.arguments().value(1, QStringLiteral("15")).toInt());
    QTextStream out(stdout);
    QTextStream err(stderr);

    QProcess server;
    QString display = qEnvironmentVariable("DISPLAY");
    if (display.isEmpty()) {
        display = startXvfb(server);
        if (display.isEmpty()) {
            err << "no DISPLAY, and Xvfb could not be started\n";
            return 2;
        }
    }
    auto watch = std::make_unique<MapWatch>(display.toLocal8Bit());
    if (!watch->isOpen()) {
        err << "cannot open the display " << display << '\n';
        return 2;
    }

    const QString here = QCoreApplication::applicationDirPath();
    const QString program = QStringLiteral(KORVALEN_APP_DIR "/korvalen-config");
    const QString other = app.arguments().value(2);
    std::vector<Kind> kinds = {
        {QStringLiteral("bare Qt window"), here + QStringLiteral("/bench_bare_window"), false, {}},
        {QStringLiteral("seeded folder"), program, false, {}},
        {QStringLiteral("first run"), program, true, {}},
    };
    if (!other.isEmpty()) {
        kinds.push_back({QStringLiteral("other, seeded"), other, false, {}});
        kinds.push_back({QStringLiteral("other, first"), other, true, {}});
    }

    Bench bench(display, *watch);
    // The warm-up seeds the folder and brings the programs into the page cache.
    for (const Kind &kind : kinds) {
        if (bench.start(kind) < 0) {
            err << kind.program << ": no window within " << kTimeoutMs << " ms\n";
            return 1;
        }
    }
    for (int r = 0; r < runs; ++r) {
        for (Kind &kind : kinds) {
            const double ms = bench.start(kind);
            if (ms < 0) {
                err << kind.program << ": no window within " << kTimeoutMs << " ms\n";
                return 1;
            }
            kind.ms.push_back(ms);
        }
    }

    out << "process start until the window is mapped, X server " << display << ", " << runs
        << " runs each, virtual mouse NX-19\n";
    const double bare = median(kinds[0].ms);
    for (const Kind &kind : kinds) {
        out << QStringLiteral("%1  %2  ratio %3\n")
                   .arg(kind.name, -15)
                   .arg(figures(kind.ms))
                   .arg(median(kind.ms) / bare, 0, 'f', 2);
    }
    out.flush();
    // Our connection goes before the server does.
    watch.reset();
    if (server.state() != QProcess::NotRunning) {
        server.terminate();
        server.waitForFinished(kTimeoutMs);
    }
    return 0;
}
