#include "platform/FrontWindow.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <windows.h>

struct FrontWindow::Watch
{
    FrontWindow *owner = nullptr;
    HWINEVENTHOOK hook = nullptr;
    HWND front = nullptr;
};

namespace {

// The hook's callback carries no user data; one watch per process.
FrontWindow::Watch *g_watch = nullptr;

QString executableOf(DWORD pid)
{
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid);
    if (!process)
        return QString();
    wchar_t path[MAX_PATH * 2];
    DWORD size = DWORD(sizeof(path) / sizeof(path[0]));
    QString name;
    if (QueryFullProcessImageNameW(process, 0, path, &size))
        name = QFileInfo(QString::fromWCharArray(path, int(size))).fileName();
    CloseHandle(process);
    return name;
}

FrontProgram programOf(HWND window)
{
    FrontProgram program;
    if (!window)
        return program;
    wchar_t className[256];
    const int length = GetClassNameW(window, className, 256);
    if (length > 0)
        program.windowClass = QString::fromWCharArray(className, length);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    program.pid = qint64(pid);
    program.executable = executableOf(pid);
    program.ownWindow = pid == GetCurrentProcessId();
    return program;
}

// Out of context: called on our own thread from its message loop.
void CALLBACK foregroundChanged(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG, DWORD,
                                DWORD)
{
    if (!g_watch || event != EVENT_SYSTEM_FOREGROUND || object != OBJID_WINDOW || !window ||
        window == g_watch->front)
        return;
    g_watch->front = window;
    emit g_watch->owner->frontChanged(programOf(window));
}

BOOL CALLBACK collectWindow(HWND window, LPARAM data)
{
    auto *windows = reinterpret_cast<QVector<HWND> *>(data);
    // Windows a person can switch to: visible, top level, not a tool window.
    if (IsWindowVisible(window) && !GetWindow(window, GW_OWNER) &&
        !(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW))
        windows->append(window);
    return TRUE;
}

} // namespace

FrontWindow::FrontWindow(QObject *parent) : QObject(parent), m_watch(std::make_unique<Watch>())
{
    if (g_watch)
        return;
    m_watch->owner = this;
    m_watch->front = GetForegroundWindow();
    m_watch->hook = SetWinEventHook(EVENT_SYSTEM_FOREGROUND, EVENT_SYSTEM_FOREGROUND, nullptr,
                                    foregroundChanged, 0, 0, WINEVENT_OUTOFCONTEXT);
    if (m_watch->hook)
        g_watch = m_watch.get();
}

FrontWindow::~FrontWindow()
{
    if (m_watch->hook) {
        UnhookWinEvent(m_watch->hook);
        g_watch = nullptr;
    }
}

FrontWindow::Reach FrontWindow::reach()
{
    return Reach::All;
}

bool FrontWindow::watching() const
{
    return m_watch->hook != nullptr;
}

FrontProgram FrontWindow::current() const
{
    return programOf(GetForegroundWindow());
}

QVector<FrontProgram> FrontWindow::openPrograms() const
{
    QVector<HWND> windows;
    EnumWindows(collectWindow, reinterpret_cast<LPARAM>(&windows));
    QVector<FrontProgram> found;
    for (HWND window : windows)
        found.append(programOf(window));
    return distinctPrograms(found);
}
