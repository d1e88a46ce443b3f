#include "device/HostActions.h"

#include "device/DeviceLog.h"
#include "platform/HostShell.h"
#include "platform/KeyPulses.h"
#include "platform/PointerSpeed.h"

namespace {

// The pause between strokes lets applications that poll the keyboard
// state see the key held.
constexpr int kKeyGapMs = 50;

bool pulse(PulseKey key)
{
    return sendKeyStrokes({{key, false}, {key, true}}, kKeyGapMs);
}

struct HostAction
{
    quint8 code;
    void (*perform)();
};

// The codes the mouse reports on interface 0 for the browser, find and
// mail functions of its buttons.
// clang-format off
const HostAction kHostActions[] = {
    {0x1F, [] { OpenStartPage(); }},
    {0x20, [] { BrowserBack(); }},
    {0x21, [] { BrowserForward(); }},
    {0x22, [] { BrowserStop(); }},
    {0x23, [] { BrowserRefresh(); }},
    {0x24, [] { FindKeys(); }},
    {0x25, [] { BrowserFavorites(); }},
    {0x26, [] { OpenMail(true); }},
};
// clang-format on

} // namespace

bool SetPointerSpeed(int speed)
{
    int error = 0;
    if (setSystemPointerSpeed(speed, &error))
        return true;
    qCDebug(lcDevice, "Error in SystemParametersInfo :%d", error);
    return false;
}

int GetPointerSpeed()
{
    return systemPointerSpeed();
}

void GetPointerSpeedLater(QObject *context, std::function<void(int)> done)
{
    readSystemPointerSpeedLater(context, std::move(done));
}

bool BrowserBack()
{
    return pulse(PulseKey::BrowserBack);
}

bool BrowserForward()
{
    return pulse(PulseKey::BrowserForward);
}

bool BrowserStop()
{
    return pulse(PulseKey::BrowserStop);
}

bool BrowserRefresh()
{
    return pulse(PulseKey::BrowserRefresh);
}

bool BrowserFavorites()
{
    return pulse(PulseKey::BrowserFavorites);
}

bool FindKeys()
{
    return sendKeyStrokes({{PulseKey::Control, false},
                           {PulseKey::F, false},
                           {PulseKey::F, true},
                           {PulseKey::Control, true}},
                          kKeyGapMs);
}

void OpenStartPage()
{
    openBrowserStartPage();
}

void OpenMail(bool startProgram)
{
    if (startProgram)
        startMailProgram();
    else
        pulse(PulseKey::LaunchMail);
}

bool performHostAction(quint8 code)
{
    for (const HostAction &action : kHostActions) {
        if (action.code == code) {
            action.perform();
            return true;
        }
    }
    return false;
}
