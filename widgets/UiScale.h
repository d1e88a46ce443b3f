#pragma once

#include <QFont>
#include <QRect>

// Process-wide presentation state: the scale factor that every design-time
// pixel size is multiplied by, and the language index that picks the
// translation and the font.
namespace UiScale {

double factor();
void setFactor(double factor);

// A design-time size times the scale factor, truncated.
int scaled(int designPixels);
// A design-time rectangle times a factor (by default the current one),
// each of its four values truncated.
QRect scaled(const QRect &design, double factor);
QRect scaled(const QRect &design);

int languageIndex();
void setLanguageIndex(int index);

// The font of the current language, "FONT_LIST/FONT_%d" and
// "FONT_LIST/FONT_SIZE_%d" of the global Config.ini, its pixel size scaled.
QFont languageFont();

// Back to 1.0 and language 0 (tests).
void reset();

} // namespace UiScale
