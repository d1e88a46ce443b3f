#pragma once

#include <QtGlobal>

// The function codes of a button (ButtonInfo::Fun): what the button panel
// offers, what the defaults assign and what the upload turns into bytes.
// Codes 8-11, 13-15, 56 and 60-199 are not offered by the panel.
namespace FunctionCode {

enum : qint32 {
    None = 0,
    Left = 1,
    Right = 2,
    Middle = 3,
    Forward = 4,
    Back = 5,
    SingleKey = 6,
    ComboKey = 7,
    FireKey = 12,
    ButtonOff = 16,
    // Basic: 17 "Cut" ... 24 "Save".
    Cut = 17,
    Copy = 18,
    Paste = 19,
    SelectAll = 20,
    Find = 21,
    New = 22,
    Print = 23,
    Save = 24,
    // Windows: 25 "Switch Window" ... 38 "Mail".
    SwitchWindow = 25,
    CloseWindow = 26,
    MyComputer = 27,
    Run = 28,
    ShowDesktop = 29,
    LockPc = 30,
    BrowserHome = 31,
    BrowserBackward = 32,
    BrowserForward = 33,
    BrowserStop = 34,
    BrowserRefresh = 35,
    BrowserSearch = 36,
    BrowserFavorite = 37,
    Mail = 38,
    // Media: 39 "Play/Pause" ... 46 "Media Player".
    PlayPause = 39,
    Stop = 40,
    PreviousTrack = 41,
    NextTrack = 42,
    VolumeUp = 43,
    VolumeDown = 44,
    Mute = 45,
    MediaPlayer = 46,
    DpiSwitch = 47,
    DpiUp = 48,
    DpiDown = 49,
    RateUp = 50,
    RateDown = 51,
    ScrollUp = 52,
    ScrollDown = 53,
    LedSwitch = 54,
    Sniper = 55,
    ProfileUp = 57,
    ProfileDown = 58,
    ProfileSwitch = 59,
    Macro = 200,
    GunFile = 510,
};

} // namespace FunctionCode
