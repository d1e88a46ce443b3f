#pragma once

#include <QString>
#include <QtGlobal>

#include <array>

// Program key codes: the scan-code-set-1 make code as the Windows keyboard
// hook reports it (1-93, 100-118), and our own codes 224-242 for keys whose
// scan code alone is ambiguous (keypad twins of the navigation block, right
// Ctrl and Alt) and for the three mouse buttons. The mouse itself stores
// keys as USB HID keyboard usages (page 0x07).

// Display name of a key code; empty for a code without a key.
QString keyName(quint8 code);

struct KeyUsagePair
{
    quint8 code;  // program key code
    quint8 usage; // USB HID keyboard usage
};

constexpr int kKeyUsagePairCount = 104;

// The pairs for every key the mouse can hold; F13-F24 and the mouse buttons
// have none.
const std::array<KeyUsagePair, kKeyUsagePairCount> &keyUsageTable();

// Look-ups in keyUsageTable(). On a miss the out value is left unchanged.
bool keyCodeToUsage(int code, int &usage);
bool usageToKeyCode(int usage, int &code);

// The key code of a low-level keyboard event (KBDLLHOOKSTRUCT scanCode and
// flags): extended-key flag and scan code together tell the keypad from the
// navigation block, and right Ctrl/Alt from the left ones.
quint8 keyCodeFromHook(quint32 scanCode, quint32 flags);
