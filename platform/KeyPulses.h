#pragma once

#include <QVector>

// Synthesized keyboard input for the browser, find and mail keys that a
// mouse button can carry out on the computer.
enum class PulseKey {
    BrowserBack,
    BrowserForward,
    BrowserStop,
    BrowserRefresh,
    BrowserFavorites,
    LaunchMail,
    Control,
    F,
};

struct KeyStroke
{
    PulseKey key;
    bool release;
};

// Sends the strokes in order as if typed on the keyboard, waiting gapMs
// between one stroke and the next; blocks for that long. Windows:
// keybd_event with the extended-key flag. Linux: XTest on the X display of
// DISPLAY with the XF86 keysyms (a keysym the keymap lacks is bound to a
// spare key code for the strokes, then the code is given back). Returns false, with a debug
// message, when nothing could be sent (no X display, no XTEST).
bool sendKeyStrokes(const QVector<KeyStroke> &strokes, int gapMs);

// Says once in the debug output which key pulses cannot reach programs in
// this session: under Wayland XTest reaches only X (XWayland) programs.
// Called once at start; silent where every pulse works.
void reportKeyPulseLimits();
