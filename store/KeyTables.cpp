#include "store/KeyTables.h"

#include <algorithm>
#include <iterator>

namespace {

struct KeyNameRow
{
    quint8 code;
    const char *name;
};

// clang-format off
const KeyNameRow kKeyNames[] = {
    {1, "Esc"}, {2, "1"}, {3, "2"}, {4, "3"}, {5, "4"}, {6, "5"}, {7, "6"}, {8, "7"}, {9, "8"},
    {10, "9"}, {11, "0"}, {12, "-"}, {13, "="}, {14, "Backspace"}, {15, "Tab"}, {16, "Q"},
    {17, "W"}, {18, "E"}, {19, "R"}, {20, "T"}, {21, "Y"}, {22, "U"}, {23, "I"}, {24, "O"},
    {25, "P"}, {26, "["}, {27, "]"}, {28, "Enter"}, {29, "LCtr"}, {30, "A"}, {31, "S"}, {32, "D"},
    {33, "F"}, {34, "G"}, {35, "H"}, {36, "J"}, {37, "K"}, {38, "L"}, {39, ";"}, {40, "'"},
    {41, "`"}, {42, "LShift"}, {43, "\\"}, {44, "Z"}, {45, "X"}, {46, "C"}, {47, "V"}, {48, "B"},
    {49, "N"}, {50, "M"}, {51, ","}, {52, "."}, {53, "/"}, {54, "RShift"}, {55, "Print Screen"},
    {56, "LAlt"}, {57, "Space"}, {58, "CapsLock"}, {59, "F1"}, {60, "F2"}, {61, "F3"}, {62, "F4"},
    {63, "F5"}, {64, "F6"}, {65, "F7"}, {66, "F8"}, {67, "F9"}, {68, "F10"}, {69, "Pause Break"},
    {70, "Scroll Lock"}, {71, "Home"}, {72, "Up"}, {73, "Page Up"}, {74, "Num -"}, {75, "Left"},
    {76, "Num 5"}, {77, "Right"}, {78, "Num +"}, {79, "End"}, {80, "Down"}, {81, "Page Down"},
    {82, "Insert"}, {83, "Delete"}, {87, "F11"}, {88, "F12"}, {91, "LWindows"}, {92, "RWindows"},
    {93, "App"}, {100, "F13"}, {101, "F14"}, {102, "F15"}, {103, "F16"}, {104, "F17"},
    {105, "F18"}, {106, "F19"}, {107, "F20"}, {108, "F21"}, {109, "F22"}, {110, "F23"},
    {118, "F24"}, {224, "Num De"}, {225, "Num Lock"}, {226, "Num /"}, {227, "Num *"},
    {228, "Num 9"}, {229, "Num Enter"}, {230, "Num 1"}, {231, "Num 2"}, {232, "Num 3"},
    {233, "Num 4"}, {234, "Num 6"}, {235, "Num 7"}, {236, "Num 8"}, {237, "Num 0"}, {238, "RCtr"},
    {239, "RAlt"}, {240, "Left Button"}, {241, "Right Button"}, {242, "Middle Button"},
};
// clang-format on

// Letters, digits, punctuation, function keys, navigation block, keypad,
// App, then the modifiers. Each usage is the standard one of the key.
const std::array<KeyUsagePair, kKeyUsagePairCount> kKeyUsages = {{
    {30, 0x04},  {48, 0x05},  {46, 0x06},  {32, 0x07}, {18, 0x08},  {33, 0x09},  {34, 0x0A},
    {35, 0x0B},  {23, 0x0C},  {36, 0x0D},  {37, 0x0E}, {38, 0x0F},  {50, 0x10},  {49, 0x11},
    {24, 0x12},  {25, 0x13},  {16, 0x14},  {19, 0x15}, {31, 0x16},  {20, 0x17},  {22, 0x18},
    {47, 0x19},  {17, 0x1A},  {45, 0x1B},  {21, 0x1C}, {44, 0x1D}, // A-Z
    {2, 0x1E},   {3, 0x1F},   {4, 0x20},   {5, 0x21},  {6, 0x22},   {7, 0x23},   {8, 0x24},
    {9, 0x25},   {10, 0x26},  {11, 0x27}, // 1-9, 0
    {28, 0x28},  {1, 0x29},   {14, 0x2A},  {15, 0x2B}, {57, 0x2C},  {12, 0x2D},  {13, 0x2E},
    {26, 0x2F},  {27, 0x30},  {43, 0x31},  {39, 0x33}, {40, 0x34},  {41, 0x35},  {51, 0x36},
    {52, 0x37},  {53, 0x38},  {58, 0x39}, // Enter ... CapsLock
    {59, 0x3A},  {60, 0x3B},  {61, 0x3C},  {62, 0x3D}, {63, 0x3E},  {64, 0x3F},  {65, 0x40},
    {66, 0x41},  {67, 0x42},  {68, 0x43},  {87, 0x44}, {88, 0x45}, // F1-F12
    {55, 0x46},  {70, 0x47},  {69, 0x48},  {82, 0x49}, {71, 0x4A},  {73, 0x4B},  {83, 0x4C},
    {79, 0x4D},  {81, 0x4E},  {77, 0x4F},  {75, 0x50}, {80, 0x51},  {72, 0x52}, // navigation
    {225, 0x53}, {226, 0x54}, {227, 0x55}, {74, 0x56}, {78, 0x57},  {229, 0x58}, {230, 0x59},
    {231, 0x5A}, {232, 0x5B}, {233, 0x5C}, {76, 0x5D}, {234, 0x5E}, {235, 0x5F}, {236, 0x60},
    {228, 0x61}, {237, 0x62}, {224, 0x63}, // keypad
    {93, 0x65},                            // App
    {42, 0xE1},  {29, 0xE0},  {91, 0xE3},  {56, 0xE2}, {239, 0xE6}, {92, 0xE7},  {238, 0xE4},
    {54, 0xE5}, // modifiers
}};

constexpr quint32 kKeyUpFlag = 0x80;
constexpr quint32 kExtendedFlag = 0x01;
constexpr quint32 kAltDownFlag = 0x20;

// Navigation keys that share their scan code with a keypad key, and the
// keypad key's own code.
struct KeypadTwin
{
    quint8 scanCode;
    quint8 keypadCode;
};

const KeypadTwin kKeypadTwins[] = {
    {73, 228}, {79, 230}, {80, 231}, {81, 232}, {75, 233},
    {77, 234}, {71, 235}, {72, 236}, {82, 237},
};

} // namespace

QString keyName(quint8 code)
{
    for (const KeyNameRow &row : kKeyNames) {
        if (row.code == code)
            return QString::fromLatin1(row.name);
    }
    return QString();
}

const std::array<KeyUsagePair, kKeyUsagePairCount> &keyUsageTable()
{
    return kKeyUsages;
}

bool keyCodeToUsage(int code, int &usage)
{
    bool found = false;
    for (const KeyUsagePair &pair : kKeyUsages) {
        if (pair.code == code) {
            usage = pair.usage;
            found = true;
        }
    }
    return found;
}

bool usageToKeyCode(int usage, int &code)
{
    bool found = false;
    for (const KeyUsagePair &pair : kKeyUsages) {
        if (pair.usage == usage) {
            code = pair.code;
            found = true;
        }
    }
    return found;
}

quint8 keyCodeFromHook(quint32 scanCode, quint32 flags)
{
    const quint32 f = flags & ~kKeyUpFlag;
    switch (scanCode) {
    case 83:
        return f == 0 ? 224 : 83;
    case 69:
        return f == kExtendedFlag ? 225 : 69;
    case 53:
        return f == kExtendedFlag ? 226 : 53;
    case 55:
        return f == 0 ? 227 : 55;
    case 28:
        return f == kExtendedFlag ? 229 : 28;
    case 29:
        return f == kExtendedFlag ? 238 : 29;
    case 56:
        // Right Alt: extended, possibly with the Alt-down flag; its key-up
        // arrives as 0x81.
        return ((flags & ~kAltDownFlag) == kExtendedFlag || flags == (kKeyUpFlag | kExtendedFlag))
                   ? 239
                   : 56;
    default:
        break;
    }
    for (const KeypadTwin &twin : kKeypadTwins) {
        if (twin.scanCode == scanCode)
            return f == 0 ? twin.keypadCode : twin.scanCode;
    }
    return quint8(scanCode);
}
