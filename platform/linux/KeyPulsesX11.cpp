#include "platform/KeyPulses.h"

#include "platform/PlatformLog.h"

#include <QThread>

// Xlib defines macros (None, Bool, KeyPress...) that clash with Qt's
// names, so it comes last.
#include <X11/XF86keysym.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

namespace {

KeySym keysymOf(PulseKey key)
{
    switch (key) {
    case PulseKey::BrowserBack:
        return XF86XK_Back;
    case PulseKey::BrowserForward:
        return XF86XK_Forward;
    case PulseKey::BrowserStop:
        return XF86XK_Stop;
    case PulseKey::BrowserRefresh:
        return XF86XK_Refresh;
    case PulseKey::BrowserFavorites:
        return XF86XK_Favorites;
    case PulseKey::LaunchMail:
        return XF86XK_Mail;
    case PulseKey::Control:
        return XK_Control_L;
    case PulseKey::F:
        return XK_f;
    }
    return NoSymbol;
}

// The highest key code that carries no keysym at all, or 0.
KeyCode spareKeyCode(Display *display)
{
    int minCode = 0;
    int maxCode = 0;
    XDisplayKeycodes(display, &minCode, &maxCode);
    int perCode = 0;
    KeySym *map = XGetKeyboardMapping(display, KeyCode(minCode), maxCode - minCode + 1, &perCode);
    if (!map)
        return 0;
    KeyCode spare = 0;
    for (int code = maxCode; code >= minCode && spare == 0; --code) {
        const KeySym *syms = map + (code - minCode) * perCode;
        bool empty = true;
        for (int i = 0; i < perCode; ++i)
            empty = empty && syms[i] == NoSymbol;
        if (empty)
            spare = KeyCode(code);
    }
    XFree(map);
    return spare;
}

// A key code bound for the pulses, with the keysyms it had before.
struct Borrowed
{
    KeySym keysym = NoSymbol;
    KeyCode code = 0;
    QVector<KeySym> previous;
};

// Common keymaps lack some browser keysyms (Stop and Refresh among them).
// Such a keysym is bound to a spare key code for the pulse only; the
// caller puts the code back afterwards. A client handles its events in
// order, so it translates the key before it sees the mapping change back.
KeyCode keyCodeFor(Display *display, KeySym keysym, QVector<Borrowed> &borrowed)
{
    for (const Borrowed &b : borrowed) {
        if (b.keysym == keysym)
            return b.code;
    }
    KeyCode code = XKeysymToKeycode(display, keysym);
    if (code != 0)
        return code;
    code = spareKeyCode(display);
    if (code == 0)
        return 0;
    Borrowed b;
    b.keysym = keysym;
    b.code = code;
    int perCode = 0;
    if (KeySym *old = XGetKeyboardMapping(display, code, 1, &perCode)) {
        for (int i = 0; i < perCode; ++i)
            b.previous.append(old[i]);
        XFree(old);
    }
    if (b.previous.isEmpty())
        b.previous.append(NoSymbol);
    borrowed.append(b);
    KeySym syms[2] = {keysym, keysym};
    XChangeKeyboardMapping(display, code, 2, syms, 1);
    XSync(display, False);
    return code;
}

void giveBack(Display *display, const QVector<Borrowed> &borrowed)
{
    for (int i = borrowed.size() - 1; i >= 0; --i) {
        QVector<KeySym> syms = borrowed[i].previous;
        XChangeKeyboardMapping(display, borrowed[i].code, syms.size(), syms.data(), 1);
    }
    XSync(display, False);
}

} // namespace

bool sendKeyStrokes(const QVector<KeyStroke> &strokes, int gapMs)
{
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        qCDebug(lcPlatform) << "no X display; the key events are not sent";
        return false;
    }
    int eventBase = 0;
    int errorBase = 0;
    int major = 0;
    int minor = 0;
    if (!XTestQueryExtension(display, &eventBase, &errorBase, &major, &minor)) {
        qCDebug(lcPlatform) << "the X server lacks XTEST; the key events are not sent";
        XCloseDisplay(display);
        return false;
    }
    QVector<KeyCode> codes;
    QVector<Borrowed> borrowed;
    codes.reserve(strokes.size());
    for (const KeyStroke &stroke : strokes) {
        const KeyCode code = keyCodeFor(display, keysymOf(stroke.key), borrowed);
        if (code == 0) {
            qCDebug(lcPlatform)
                << "no key code free for a browser key; the key events are not sent";
            giveBack(display, borrowed);
            XCloseDisplay(display);
            return false;
        }
        codes.append(code);
    }
    for (int i = 0; i < strokes.size(); ++i) {
        if (i > 0)
            QThread::msleep(gapMs);
        XTestFakeKeyEvent(display, codes[i], strokes[i].release ? False : True, CurrentTime);
        XFlush(display);
    }
    XSync(display, False);
    if (!borrowed.isEmpty()) {
        // A moment for the focused program to translate the key before the
        // code goes back to carrying nothing.
        QThread::msleep(gapMs);
        giveBack(display, borrowed);
    }
    XCloseDisplay(display);
    return true;
}

void reportKeyPulseLimits()
{
    const bool wayland = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
                         qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1String("wayland");
    if (!wayland)
        return;
    qCDebug(lcPlatform) << "Wayland session: the browser keys (back, forward, stop, refresh, "
                           "favorites), find and the mail key are sent through XTest and reach "
                           "only X programs (XWayland), not Wayland windows";
}
