#pragma once

#include "macro/MacroFile.h"

#include <QString>
#include <QVector>

// Gun files: a burst of left clicks with a pull against the recoil after
// each, stored as an ordinary macro of the library.

constexpr int kMaxGunShots = 5;

struct GunShot
{
    int delayMs = 100; // 1-999
    int y = 0;         // -100 to 100, positive pulls down
    int x = 0;         // -100 to 100, positive pulls right
};

// Per shot: left press, left release, the vertical move, the horizontal
// move (each only when not zero), then the shot's delay.
QVector<MacroEvent> gunSetEvents(const QVector<GunShot> &shots);

// Writes the events as a macro file with the settings every gun file has:
// default delay 10, measured delays, no loop, one run.
bool writeGunFile(const QString &name, const QVector<MacroEvent> &events);
