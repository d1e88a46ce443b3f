#pragma once

#include "store/ProfileData.h"

#include <QString>
#include <QVector>

// The button functions of get and set: each button the model has, by the
// name of its marker in the window (button1 ... for the main buttons,
// side1 ... for a side bank, scroll-up and scroll-down), and its function
// as text: the English menu text, or for the functions with parameters
//   SINGLE KEY <key>
//   COMBO KEY <Shift+Ctrl+Win+Alt+key, any of them>
//   FIRE KEY <Left|Right|Middle|Keyboard Key <key>> times <1-255> delay <1-255>
//   SNIPER <DPI>
//   macro <name> [times <1-255>|while-held|until-pressed]
//   gunfile <name> [times <1-255>|while-held|until-pressed]
// Keys go by the names the window's key editors show (A, F5, LCtr, Num +).

struct ButtonSetting
{
    QString name;
    int entry; // record index 0-41
};

// The buttons of the model, in record order.
QVector<ButtonSetting> modelButtons(const QString &productName);

QString buttonFunctionText(const ButtonInfo &entry, const QString &productName);

// Gives entry `entry` of mode `mode` the function `value` by the rules of
// the window's button panel. Returns the problem, naming what is allowed;
// empty when done. On a problem the store may hold a partial change: the
// caller restores it.
QString setButtonFunction(ProfileStore &store, int mode, int entry, const QString &productName,
                          const QString &value);
