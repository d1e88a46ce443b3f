#include "platform/FrontWindow.h"

#include "platform/PlatformLog.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSocketNotifier>
#include <QWindow>

// Xlib defines macros (None, Bool, Status...) that clash with Qt's names,
// so it comes last.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

struct FrontWindow::Watch
{
    Display *display = nullptr;
    Window root = 0;
    Atom activeAtom = 0;
    Atom pidAtom = 0;
    Atom clientListAtom = 0;
    Window front = 0;
    QSocketNotifier *notifier = nullptr;
};

namespace {

// A window property of 32-bit items (Xlib hands them as longs), whatever
// type the writer gave it.
QVector<unsigned long> cardinals(Display *display, Window window, Atom property, long maxItems)
{
    QVector<unsigned long> result;
    Atom actualType = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char *data = nullptr;
    if (XGetWindowProperty(display, window, property, 0, maxItems, False, AnyPropertyType,
                           &actualType, &format, &count, &after, &data) == Success &&
        data && format == 32) {
        const auto *items = reinterpret_cast<const unsigned long *>(data);
        for (unsigned long i = 0; i < count; ++i)
            result.append(items[i]);
    }
    if (data)
        XFree(data);
    return result;
}

// The executable's file name of a process: /proc/PID/exe, else the name
// the process gave itself (another user's process hides its exe link).
QString executableOf(qint64 pid)
{
    if (pid <= 0)
        return QString();
    const QString proc = QStringLiteral("/proc/%1/").arg(pid);
    QString target = QFileInfo(proc + QStringLiteral("exe")).symLinkTarget();
    if (!target.isEmpty()) {
        target.remove(QStringLiteral(" (deleted)")); // updated under a running program
        return QFileInfo(target).fileName();
    }
    QFile comm(proc + QStringLiteral("comm"));
    if (comm.open(QIODevice::ReadOnly))
        return QString::fromLocal8Bit(comm.read(64)).trimmed();
    return QString();
}

bool isOwnWindow(Window window, qint64 pid)
{
    if (pid == QCoreApplication::applicationPid())
        return true;
    // A window of ours that carries no process ID.
    const QWindowList windows = QGuiApplication::allWindows();
    for (const QWindow *w : windows) {
        if (w->handle() && Window(w->winId()) == window)
            return true;
    }
    return false;
}

FrontProgram programOf(const FrontWindow::Watch &watch, Window window)
{
    FrontProgram program;
    if (window == 0)
        return program;
    XClassHint hint{};
    if (XGetClassHint(watch.display, window, &hint)) {
        program.windowClass = QString::fromLocal8Bit(hint.res_class ? hint.res_class : "");
        if (program.windowClass.isEmpty())
            program.windowClass = QString::fromLocal8Bit(hint.res_name ? hint.res_name : "");
        if (hint.res_name)
            XFree(hint.res_name);
        if (hint.res_class)
            XFree(hint.res_class);
    }
    const QVector<unsigned long> pid = cardinals(watch.display, window, watch.pidAtom, 1);
    program.pid = pid.isEmpty() ? 0 : qint64(pid.first());
    program.executable = executableOf(program.pid);
    program.ownWindow = isOwnWindow(window, program.pid);
    return program;
}

Window activeWindow(const FrontWindow::Watch &watch)
{
    const QVector<unsigned long> active = cardinals(watch.display, watch.root, watch.activeAtom, 1);
    return active.isEmpty() ? 0 : Window(active.first());
}

// A window that is errorless to ask about may be gone by the time it is
// asked: Xlib's default handler would end the process.
int ignoreErrors(Display *, XErrorEvent *)
{
    return 0;
}

} // namespace

FrontWindow::FrontWindow(QObject *parent) : QObject(parent), m_watch(std::make_unique<Watch>())
{
    if (reach() == Reach::Unknown)
        return;
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        qCDebug(lcPlatform) << "front window: no X display";
        return;
    }
    XSetErrorHandler(ignoreErrors);
    Watch &w = *m_watch;
    w.display = display;
    w.root = DefaultRootWindow(display);
    w.activeAtom = XInternAtom(display, "_NET_ACTIVE_WINDOW", False);
    w.pidAtom = XInternAtom(display, "_NET_WM_PID", False);
    w.clientListAtom = XInternAtom(display, "_NET_CLIENT_LIST", False);
    XSelectInput(display, w.root, PropertyChangeMask);
    w.front = activeWindow(w);
    XFlush(display);
    w.notifier = new QSocketNotifier(ConnectionNumber(display), QSocketNotifier::Read, this);
    connect(w.notifier, &QSocketNotifier::activated, this, [this] {
        Watch &w = *m_watch;
        bool changed = false;
        // Replies read meanwhile may have queued events without the socket
        // showing them: drain until Xlib holds none.
        while (XPending(w.display) > 0) {
            XEvent event;
            XNextEvent(w.display, &event);
            if (event.type == PropertyNotify && event.xproperty.atom == w.activeAtom)
                changed = true;
        }
        if (!changed)
            return;
        const Window now = activeWindow(w);
        if (now == w.front)
            return;
        w.front = now;
        if (now != 0)
            emit frontChanged(programOf(w, now));
    });
}

FrontWindow::~FrontWindow()
{
    if (m_watch->display) {
        delete m_watch->notifier;
        XCloseDisplay(m_watch->display);
    }
}

FrontWindow::Reach FrontWindow::reach()
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        return Reach::Unknown;
    if (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
        qgetenv("XDG_SESSION_TYPE") == QByteArrayLiteral("wayland"))
        return Reach::XProgramsOnly;
    return Reach::All;
}

bool FrontWindow::watching() const
{
    return m_watch->display != nullptr;
}

FrontProgram FrontWindow::current() const
{
    if (!m_watch->display)
        return FrontProgram();
    return programOf(*m_watch, activeWindow(*m_watch));
}

QVector<FrontProgram> FrontWindow::openPrograms() const
{
    const Watch &w = *m_watch;
    if (!w.display)
        return {};
    // The window manager's list of managed windows; without one (a bare X
    // server) the mapped top-level windows.
    QVector<Window> windows;
    for (unsigned long id : cardinals(w.display, w.root, w.clientListAtom, 4096))
        windows.append(Window(id));
    if (windows.isEmpty()) {
        Window rootReturn = 0;
        Window parentReturn = 0;
        Window *children = nullptr;
        unsigned int count = 0;
        if (XQueryTree(w.display, w.root, &rootReturn, &parentReturn, &children, &count)) {
            for (unsigned int i = 0; i < count; ++i) {
                XWindowAttributes attributes{};
                if (XGetWindowAttributes(w.display, children[i], &attributes) &&
                    attributes.map_state == IsViewable)
                    windows.append(children[i]);
            }
        }
        if (children)
            XFree(children);
    }
    QVector<FrontProgram> found;
    for (Window window : windows)
        found.append(programOf(w, window));
    return distinctPrograms(found);
}
