#pragma once

#include "store/LedColour.h"

#include <QColor>

// The window's edge between the store's lighting colours and QColor. Both
// go through the serialised form the two share, so nothing is rounded and
// a colour picked here is stored exactly as picked.
QColor toQColor(const LedColour &colour);
LedColour toLedColour(const QColor &colour);
