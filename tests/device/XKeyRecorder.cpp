#include "XKeyRecorder.h"

// Xlib after Qt: its macros clash with Qt's names.

#include <X11/Xlib.h>
#include <X11/Xutil.h>

XKeyRecorder::~XKeyRecorder()
{
    if (!m_display)
        return;
    if (m_window)
        XDestroyWindow(m_display, m_window);
    XCloseDisplay(m_display);
}

bool XKeyRecorder::open()
{
    m_display = XOpenDisplay(nullptr);
    if (!m_display)
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
    take();
    return true;
}

QVector<RecordedKey> XKeyRecorder::take()
{
    QVector<RecordedKey> keys;
    if (!m_display)
        return keys;
    XSync(m_display, False);
    while (XPending(m_display) > 0) {
        XEvent event;
        XNextEvent(m_display, &event);
        if (event.type == MappingNotify) {
            // Keysyms bound while the events were sent must be seen.
            XRefreshKeyboardMapping(&event.xmapping);
        } else if (event.type == KeyPress || event.type == KeyRelease) {
            keys.append({XLookupKeysym(&event.xkey, 0), event.type == KeyPress, event.xkey.time});
        }
    }
    return keys;
}

QString XKeyRecorder::describe(unsigned long keysym, bool press)
{
    const char *name = XKeysymToString(keysym);
    const QString key =
        name ? QString::fromLatin1(name) : QStringLiteral("0x%1").arg(keysym, 0, 16);
    return key + (press ? QStringLiteral(" down") : QStringLiteral(" up"));
}
