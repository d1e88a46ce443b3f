#pragma once

#include <QString>

struct ButtonInfo;

// Function codes of a button that plays a macro or a gun file.
constexpr int kMacroFunction = 200;
constexpr int kGunFileFunction = 510;

// Gives a button a macro (or gun file): the function, the loop settings,
// the name and a copy of the file's events, at most the 63 the record
// holds. A missing file gives no events.
void assignMacroToButton(ButtonInfo &button, int function, const QString &name, int loopCount,
                         int loopType);
