#pragma once

#include "store/ProfileData.h"

#include <QString>
#include <QStringList>

// Giving a button a macro or a gun file, free of widgets: the button panel
// and korvalen-ctl share these rules.

// The macro (or gun file) chosen for a button, how often it runs and its
// loop mode (0 the loop count, 1 repeat while the button is held, 2 repeat
// until the button is pressed again).
struct MacroChoice
{
    QString name;
    int loopCount = 1;
    int loopMode = 0;
};

enum class MacroRefusal {
    None,
    GunFileOnLeftButton, // record entry 0 never fires a gun file
    NoMacros,            // the library is empty: a macro has to be made first
    LimitReached,        // the model holds no more distinct macros
};

// The distinct non-empty macro names the buttons of all five modes hold, in
// mode and entry order: what the model's macro limit counts.
QStringList assignedMacros(const ProfileStore &store);

// Whether `code` (macro or gun file) may go to record entry `entry` before
// anything is chosen: the gun-file rule and the empty library.
MacroRefusal macroFunctionRefusal(int entry, qint32 code);
// Whether the chosen macro fits the model's macro limit: a name already
// assigned somewhere always does. Gun files are not counted.
MacroRefusal macroLimitRefusal(const ProfileStore &store, const QString &productName, qint32 code,
                               const QString &name);

// What a button held when the assignment opened (an empty name, 1 and 0
// for a button without this kind of function).
MacroChoice currentMacroChoice(const ButtonInfo &entry, qint32 code);

// Writes the function, the loop settings, the name and the macro file's
// events (at most 63) into the entry.
void assignMacro(ButtonInfo &entry, qint32 code, const MacroChoice &choice);
