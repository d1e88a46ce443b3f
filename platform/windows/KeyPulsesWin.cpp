#include "platform/KeyPulses.h"

#include <windows.h>

namespace {

BYTE virtualKeyOf(PulseKey key)
{
    switch (key) {
    case PulseKey::BrowserBack:
        return VK_BROWSER_BACK; // 0xA6
    case PulseKey::BrowserForward:
        return VK_BROWSER_FORWARD; // 0xA7
    case PulseKey::BrowserStop:
        return VK_BROWSER_STOP; // 0xA9
    case PulseKey::BrowserRefresh:
        return VK_BROWSER_REFRESH; // 0xA8
    case PulseKey::BrowserFavorites:
        return VK_BROWSER_FAVORITES; // 0xAB
    case PulseKey::LaunchMail:
        return VK_LAUNCH_MAIL; // 0xB4
    case PulseKey::Control:
        return VK_CONTROL; // 0x11
    case PulseKey::F:
        return 0x46;
    }
    return 0;
}

} // namespace

// Every stroke carries the extended-key flag, Ctrl and F included, as the
// browser keys need it and the others do not mind.
bool sendKeyStrokes(const QVector<KeyStroke> &strokes, int gapMs)
{
    for (int i = 0; i < strokes.size(); ++i) {
        if (i > 0)
            Sleep(DWORD(gapMs));
        DWORD flags = KEYEVENTF_EXTENDEDKEY;
        if (strokes[i].release)
            flags |= KEYEVENTF_KEYUP;
        keybd_event(virtualKeyOf(strokes[i].key), 0, flags, 0);
    }
    return true;
}

void reportKeyPulseLimits() {}
