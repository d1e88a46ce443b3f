#pragma once

#include "store/LedColour.h"

#include <QString>
#include <QtGlobal>

// The in-memory form of the mouse's five on-board profiles. Plain structures
// with fixed arrays: the device layer turns them into feature reports and the
// profile files store them key by key, so the field names, their order and
// the array sizes are part of the file format and of the upload.
//
// A default-constructed record is all zero: every number 0, every string
// empty, every colour invalid.

constexpr int kDpiStageCount = 5;
constexpr int kButtonSlotCount = 42;
constexpr int kKeyInfoCount = 63;
constexpr int kLedModeCount = 9;
constexpr int kProfileCount = 5;

// One DPI stage. Values are raw slider steps of the model's DPI scale
// (see dpiFromSlider), not DPI.
struct DpiInfo
{
    quint8 used = 0; // 1 = stage enabled
    quint8 link = 0; // 1 = X and Y linked ("Link XY")
    quint32 xy = 0;  // stage value when linked
    quint32 x = 0;
    quint32 y = 0;
};

// One event of a key combination or macro. For a combination `map` is a USB
// HID keyboard usage; for a macro the three bytes are the macro event's Map,
// DataL and DataH. The middle byte is stored under an empty key suffix.
struct KeyInfoEntry
{
    quint8 map = 0;
    quint8 value = 0;
    quint8 H = 0;
};

// One button slot: 0-19 the physical buttons, 20-39 a second bank (side
// keypads), 40 and 41 the fixed scroll-up / scroll-down slots.
struct ButtonInfo
{
    qint32 ID = 0;
    qint32 Fun = 0;        // function code, 0 = nothing assigned
    qint32 LoopNumber = 0; // macro loop count / fire-key shots
    qint32 KeyNumber = 0;  // macro event count / fire-key delay
    KeyInfoEntry KeyInfo[kKeyInfoCount];
    quint8 Res1 = 0; // first parameter: single key code, fired key, loop mode, sniper value
    quint8 Res2 = 0;
    quint8 Res3 = 0;
    quint8 Res4 = 0; // the upload puts the macro's slot index here
    QString macroname;
};

// The levels the lighting panel offers; the mouse gets the brightness as
// it is and the speed as 9 - breath.
constexpr quint32 kMinBright = 1;
constexpr quint32 kMaxBright = 3;
constexpr quint32 kMinBreath = 1;
constexpr quint32 kMaxBreath = 8;

// Settings of one lighting mode.
struct LedModeInfo
{
    LedColour RGB;
    quint32 h = 0; // 0-360
    quint32 s = 0;
    quint32 v = 0;
    quint32 bright = 0;
    quint32 breath = 0; // effect speed level
};

// One profile.
struct ProfileData
{
    quint8 pollrate = 0; // report-rate code
    quint8 dpi = 0;      // active DPI stage, 0-4
    quint8 LedMode = 0;  // active lighting mode, 0-8
    DpiInfo DPI_INFO[kDpiStageCount];
    quint8 mousespeed = 0; // host pointer speed, 1-20
    quint8 dbclickspeed = 0;
    quint8 scrollispage = 0;
    quint8 scrollspeed = 0; // 1-20
    quint8 accelenable = 0;
    quint8 acee = 0;
    ButtonInfo BUTTON_INFO[kButtonSlotCount];
    LedModeInfo LED_MODE[kLedModeCount];
    QString ProfileName;
    QString ProfilePath;
};

// The five profiles with the device-wide values and the profile names. The
// edited store and the device layer's copy are two values of this type.
struct ProfileStore
{
    quint8 curProfile = 0; // active profile, 0-4
    ProfileData profiles[kProfileCount];
    quint8 AngleValue = 0;               // angle snapping on/off
    quint8 LiftHigh = 0;                 // lift-off distance setting
    quint8 Count = 0;                    // kept in Config.ini, otherwise unused
    QString profileNames[kProfileCount]; // also the .prof file names
};

// Field-by-field equality (two colours as LedColour compares them).
bool operator==(const DpiInfo &a, const DpiInfo &b);
bool operator==(const KeyInfoEntry &a, const KeyInfoEntry &b);
bool operator==(const ButtonInfo &a, const ButtonInfo &b);
bool operator==(const LedModeInfo &a, const LedModeInfo &b);
bool operator==(const ProfileData &a, const ProfileData &b);
bool operator==(const ProfileStore &a, const ProfileStore &b);
