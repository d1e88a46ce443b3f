#include "store/ButtonFunctions.h"

#include "store/FunctionCodes.h"
#include "store/KeyTables.h"

#include <algorithm>
#include <iterator>

namespace {

const QVector<ButtonFunction> kFunctions = {
    {FunctionCode::Left, QT_TRANSLATE_NOOP("VornBtnWindow", "Left"), MenuHead},
    {FunctionCode::Right, QT_TRANSLATE_NOOP("VornBtnWindow", "Right"), MenuHead},
    {FunctionCode::Middle, QT_TRANSLATE_NOOP("VornBtnWindow", "Middle"), MenuHead},
    {FunctionCode::Forward, QT_TRANSLATE_NOOP("VornBtnWindow", "Forward"), MenuHead},
    {FunctionCode::Back, QT_TRANSLATE_NOOP("VornBtnWindow", "Back"), MenuHead},
    {FunctionCode::Cut, QT_TRANSLATE_NOOP("VornBtnWindow", "Cut"), MenuBasic},
    {FunctionCode::Copy, QT_TRANSLATE_NOOP("VornBtnWindow", "Copy"), MenuBasic},
    {FunctionCode::Paste, QT_TRANSLATE_NOOP("VornBtnWindow", "Paste"), MenuBasic},
    {FunctionCode::SelectAll, QT_TRANSLATE_NOOP("VornBtnWindow", "All"), MenuBasic},
    {FunctionCode::Find, QT_TRANSLATE_NOOP("VornBtnWindow", "Find"), MenuBasic},
    {FunctionCode::New, QT_TRANSLATE_NOOP("VornBtnWindow", "New"), MenuBasic},
    {FunctionCode::Print, QT_TRANSLATE_NOOP("VornBtnWindow", "Print"), MenuBasic},
    {FunctionCode::Save, QT_TRANSLATE_NOOP("VornBtnWindow", "Save"), MenuBasic},
    {FunctionCode::SwitchWindow, QT_TRANSLATE_NOOP("VornBtnWindow", "Switch Window"), MenuWindows},
    {FunctionCode::CloseWindow, QT_TRANSLATE_NOOP("VornBtnWindow", "Close Window"), MenuWindows},
    {FunctionCode::MyComputer, QT_TRANSLATE_NOOP("VornBtnWindow", "My Computer"), MenuWindows},
    {FunctionCode::Run, QT_TRANSLATE_NOOP("VornBtnWindow", "Run"), MenuWindows},
    {FunctionCode::ShowDesktop, QT_TRANSLATE_NOOP("VornBtnWindow", "Show Desktop"), MenuWindows},
    {FunctionCode::LockPc, QT_TRANSLATE_NOOP("VornBtnWindow", "Lock PC"), MenuWindows},
    {FunctionCode::BrowserHome, QT_TRANSLATE_NOOP("VornBtnWindow", "Browser Home"), MenuWindows},
    {FunctionCode::BrowserBackward, QT_TRANSLATE_NOOP("VornBtnWindow", "Browser Backward"),
     MenuWindows},
    {FunctionCode::BrowserForward, QT_TRANSLATE_NOOP("VornBtnWindow", "Browser Forward"),
     MenuWindows},
    {FunctionCode::BrowserStop, QT_TRANSLATE_NOOP("VornBtnWindow", "Browser Stop"), MenuWindows},
    {FunctionCode::BrowserRefresh, QT_TRANSLATE_NOOP("VornBtnWindow", "Browser Refresh"),
     MenuWindows},
    {FunctionCode::BrowserSearch, QT_TRANSLATE_NOOP("VornBtnWindow", "Browser Search"),
     MenuWindows},
    {FunctionCode::BrowserFavorite, QT_TRANSLATE_NOOP("VornBtnWindow", "Browser Favorite"),
     MenuWindows},
    {FunctionCode::Mail, QT_TRANSLATE_NOOP("VornBtnWindow", "Mail"), MenuWindows},
    {FunctionCode::SingleKey, QT_TRANSLATE_NOOP("VornBtnWindow", "SINGLE KEY"), MenuAdvance},
    {FunctionCode::ComboKey, QT_TRANSLATE_NOOP("VornBtnWindow", "COMBO KEY"), MenuAdvance},
    {FunctionCode::FireKey, QT_TRANSLATE_NOOP("VornBtnWindow", "FIRE KEY"), MenuAdvance},
    {FunctionCode::Sniper, QT_TRANSLATE_NOOP("VornBtnWindow", "SNIPER"), MenuAdvance},
    {FunctionCode::PlayPause, QT_TRANSLATE_NOOP("VornBtnWindow", "Play/Pause"), MenuMedia},
    {FunctionCode::Stop, QT_TRANSLATE_NOOP("VornBtnWindow", "Stop"), MenuMedia},
    {FunctionCode::PreviousTrack, QT_TRANSLATE_NOOP("VornBtnWindow", "Previous Track"), MenuMedia},
    {FunctionCode::NextTrack, QT_TRANSLATE_NOOP("VornBtnWindow", "Next Track"), MenuMedia},
    {FunctionCode::VolumeUp, QT_TRANSLATE_NOOP("VornBtnWindow", "Volume Up"), MenuMedia},
    {FunctionCode::VolumeDown, QT_TRANSLATE_NOOP("VornBtnWindow", "Volume Down"), MenuMedia},
    {FunctionCode::Mute, QT_TRANSLATE_NOOP("VornBtnWindow", "Mute"), MenuMedia},
    {FunctionCode::MediaPlayer, QT_TRANSLATE_NOOP("VornBtnWindow", "Media Player"), MenuMedia},
    {FunctionCode::DpiSwitch, QT_TRANSLATE_NOOP("VornBtnWindow", "DPI Switch"), MenuDpi},
    {FunctionCode::DpiUp, QT_TRANSLATE_NOOP("VornBtnWindow", "DPI +"), MenuDpi},
    {FunctionCode::DpiDown, QT_TRANSLATE_NOOP("VornBtnWindow", "DPI -"), MenuDpi},
    {FunctionCode::ProfileSwitch, QT_TRANSLATE_NOOP("VornBtnWindow", "Profile Switch"),
     MenuProfile},
    {FunctionCode::ProfileUp, QT_TRANSLATE_NOOP("VornBtnWindow", "Profile +"), MenuProfile},
    {FunctionCode::ProfileDown, QT_TRANSLATE_NOOP("VornBtnWindow", "Profile -"), MenuProfile},
    {FunctionCode::RateUp, QT_TRANSLATE_NOOP("VornBtnWindow", "Rate +"), MenuPollingRate},
    {FunctionCode::RateDown, QT_TRANSLATE_NOOP("VornBtnWindow", "Rate -"), MenuPollingRate},
    {FunctionCode::Macro, QT_TRANSLATE_NOOP("VornBtnWindow", "Macro Manager"), MenuTail},
    {FunctionCode::GunFile, QT_TRANSLATE_NOOP("VornBtnWindow", "GunFile Manager"), MenuTail},
    {FunctionCode::LedSwitch, QT_TRANSLATE_NOOP("VornBtnWindow", "Led Switch"), MenuTail},
    {FunctionCode::ButtonOff, QT_TRANSLATE_NOOP("VornBtnWindow", "Button Off"), MenuTail},
    {FunctionCode::ScrollUp, QT_TRANSLATE_NOOP("VornBtnWindow", "Scroll Up"), MenuWheelOnly},
    {FunctionCode::ScrollDown, QT_TRANSLATE_NOOP("VornBtnWindow", "Scroll Down"), MenuWheelOnly},
};

const char *const kSubmenuTitles[kFunctionSubmenus] = {
    QT_TRANSLATE_NOOP("VornBtnWindow", "Basic"),
    QT_TRANSLATE_NOOP("VornBtnWindow", "Windows"),
    QT_TRANSLATE_NOOP("VornBtnWindow", "Advance"),
    QT_TRANSLATE_NOOP("VornBtnWindow", "Media"),
    QT_TRANSLATE_NOOP("VornBtnWindow", "DPI"),
    QT_TRANSLATE_NOOP("VornBtnWindow", "Profile Menu"),
    QT_TRANSLATE_NOOP("VornBtnWindow", "Polling Rate"),
};

const QVector<qint32> kWheelFunctions = {
    FunctionCode::ScrollUp,   FunctionCode::ScrollDown, FunctionCode::VolumeUp,
    FunctionCode::VolumeDown, FunctionCode::Left,       FunctionCode::Right,
    FunctionCode::Middle,     FunctionCode::Forward,    FunctionCode::Back,
    FunctionCode::SingleKey,  FunctionCode::ComboKey,
};

constexpr quint8 kPressed = 0x80;
constexpr quint8 kComboKeyValue = 5;

} // namespace

const QVector<ButtonFunction> &buttonFunctions()
{
    return kFunctions;
}

const ButtonFunction *buttonFunction(qint32 code)
{
    for (const ButtonFunction &f : kFunctions) {
        if (f.code == code)
            return &f;
    }
    return nullptr;
}

const char *functionSubmenuTitle(int submenu)
{
    return submenu >= 0 && submenu < kFunctionSubmenus ? kSubmenuTitles[submenu] : "";
}

const QVector<qint32> &wheelFunctions()
{
    return kWheelFunctions;
}

bool isWheelSlot(int entry)
{
    return entry >= 2 * kButtonGroupSize;
}

bool opensKeyEditor(qint32 code)
{
    return code == FunctionCode::SingleKey || code == FunctionCode::ComboKey ||
           code == FunctionCode::FireKey || code == FunctionCode::Sniper;
}

bool ButtonAssignment::anotherLeftClick(int entry) const
{
    for (int i = 0; i < kButtonSlotCount; ++i) {
        if (i != entry && m_record.BUTTON_INFO[i].Fun == FunctionCode::Left)
            return true;
    }
    return false;
}

bool ButtonAssignment::takesLastLeftClick(int entry, qint32 code) const
{
    return m_record.BUTTON_INFO[entry].Fun == FunctionCode::Left && code != FunctionCode::Left &&
           !anotherLeftClick(entry);
}

bool ButtonAssignment::setFunction(int entry, qint32 code)
{
    if (takesLastLeftClick(entry, code))
        return false;
    ButtonInfo &info = m_record.BUTTON_INFO[entry];
    if (opensKeyEditor(code) && info.Fun != code) {
        info.Res1 = 0;
        info.LoopNumber = 0;
        info.KeyNumber = 0;
    }
    info.Fun = code;
    return true;
}

void ButtonAssignment::setSingleKey(int entry, quint8 keyCode)
{
    m_record.BUTTON_INFO[entry].Res1 = keyCode;
}

// Each key goes in at the position of the keys taken so far, pushing the
// later events back, so the releases come out in reverse order.
int ButtonAssignment::setComboKeys(int entry, const QVector<quint8> &keyCodes)
{
    KeyInfoEntry(&info)[kKeyInfoCount] = m_record.BUTTON_INFO[entry].KeyInfo;
    std::fill(std::begin(info), std::end(info), KeyInfoEntry{});
    int k = 0;
    for (quint8 code : keyCodes) {
        int usage = 0;
        if (!keyCodeToUsage(code, usage))
            continue; // a key the mouse cannot send (F13-F24)
        std::copy_backward(info + k, info + kKeyInfoCount - 2, info + kKeyInfoCount);
        info[k] = KeyInfoEntry{quint8(usage), kComboKeyValue, kPressed};
        info[k + 1] = KeyInfoEntry{quint8(usage), kComboKeyValue, 0};
        ++k;
    }
    return k;
}

void ButtonAssignment::setFireKey(int entry, int type, quint8 keyCode, quint8 times, quint8 delay)
{
    ButtonInfo &info = m_record.BUTTON_INFO[entry];
    if (type >= FireLeft && type < FireKeyboard) {
        info.Res1 = kFiredButton[type];
    } else {
        int usage = 0;
        keyCodeToUsage(keyCode, usage);
        info.Res1 = quint8(usage);
    }
    info.LoopNumber = times;
    info.KeyNumber = delay;
}

void ButtonAssignment::setSniper(int entry, quint8 step)
{
    m_record.BUTTON_INFO[entry].Res1 = step;
}

QVector<quint8> comboKeyCodes(const ButtonInfo &entry)
{
    QVector<quint8> codes;
    for (const KeyInfoEntry &k : entry.KeyInfo) {
        int code = 0;
        if (k.map != 0 && (k.H & kPressed) && usageToKeyCode(k.map, code))
            codes << quint8(code);
    }
    return codes;
}

int fireKeyType(const ButtonInfo &entry, quint8 *keyCode)
{
    // A fire key not yet edited (Res1 0) fires the left button.
    if (entry.Res1 == 0 || entry.Res1 == kFiredButton[FireLeft])
        return FireLeft;
    if (entry.Res1 == kFiredButton[FireRight])
        return FireRight;
    if (entry.Res1 == kFiredButton[FireMiddle])
        return FireMiddle;
    int code = 0;
    usageToKeyCode(entry.Res1, code);
    if (keyCode)
        *keyCode = quint8(code);
    return FireKeyboard;
}
