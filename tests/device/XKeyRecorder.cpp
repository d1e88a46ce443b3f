#include "XKeyRecorder.h"

#include <poll.h>

// Xlib after Qt: its macros clash with Qt's names.

#include <X11/Xlib.h>
#include <X11/Xutil.h>

XKeyRecorder::~XKeyRecorder()
{
    m_stop = true;
    if (m_thread.joinable())
        m_thread.join();
    if (m_control)
        XCloseDisplay(m_control);
    if (!m_display)
        return;
    if (m_window)
        XDestroyWindow(m_display, m_window);
    XCloseDisplay(m_display);
}

bool XKeyRecorder::open()
{
    m_display = XOpenDisplay(nullptr);
    m_control = XOpenDisplay(nullptr);
    if (!m_display || !m_control)
        return false;
    const int screen = DefaultScreen(m_display);
    m_window = XCreateSimpleWindow(m_display, RootWindow(m_display, screen), 0, 0, 200, 100, 0,
                                   BlackPixel(m_display, screen), WhitePixel(m_display, screen));
    XSelectInput(m_display, m_window, KeyPressMask | KeyReleaseMask | StructureNotifyMask);
    XMapRaised(m_display, m_window);
    XEvent event;
    do {
        XNextEvent(m_display, &event);
    } while (event.type != MapNotify);
    // Focus can be set only on a viewable window, hence after MapNotify.
    XSetInputFocus(m_display, m_window, RevertToParent, CurrentTime);
    XSync(m_display, False);
    m_thread = std::thread([this] { run(); });
    take();
    return true;
}

void XKeyRecorder::run()
{
    pollfd fd = {ConnectionNumber(m_display), POLLIN, 0};
    while (!m_stop) {
        if (XPending(m_display) == 0) {
            ::poll(&fd, 1, 20);
            continue;
        }
        XEvent event;
        XNextEvent(m_display, &event);
        if (event.type == MappingNotify) {
            XRefreshKeyboardMapping(&event.xmapping);
        } else if (event.type == KeyPress || event.type == KeyRelease) {
            const RecordedKey key = {XLookupKeysym(&event.xkey, 0), event.type == KeyPress,
                                     event.xkey.time};
            std::lock_guard<std::mutex> lock(m_mutex);
            m_keys.append(key);
        } else if (event.type == ClientMessage) {
            std::lock_guard<std::mutex> lock(m_mutex);
            ++m_markersSeen;
            m_arrived.notify_all();
        }
    }
}

QVector<RecordedKey> XKeyRecorder::take()
{
    if (!m_control || !m_thread.joinable())
        return {};
    XEvent marker = {};
    marker.xclient.type = ClientMessage;
    marker.xclient.window = m_window;
    marker.xclient.format = 32;
    long expected = 0;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        expected = ++m_markersSent;
    }
    XSendEvent(m_control, m_window, False, NoEventMask, &marker);
    XSync(m_control, False);
    std::unique_lock<std::mutex> lock(m_mutex);
    m_arrived.wait_for(lock, std::chrono::seconds(5), [&] { return m_markersSeen >= expected; });
    QVector<RecordedKey> keys;
    keys.swap(m_keys);
    return keys;
}

QString XKeyRecorder::describe(unsigned long keysym, bool press)
{
    const char *name = XKeysymToString(keysym);
    const QString key =
        name ? QString::fromLatin1(name) : QStringLiteral("0x%1").arg(keysym, 0, 16);
    return key + (press ? QStringLiteral(" down") : QStringLiteral(" up"));
}
