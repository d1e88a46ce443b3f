#include "widgets/UiScale.h"

#include "store/ConfigFile.h"

namespace {

struct State
{
    double factor = 1.0;
    int languageIndex = 0;
};

State &state()
{
    static State s;
    return s;
}

} // namespace

namespace UiScale {

double factor()
{
    return state().factor;
}

void setFactor(double factor)
{
    state().factor = factor;
}

int scaled(int designPixels)
{
    return int(designPixels * state().factor);
}

int languageIndex()
{
    return state().languageIndex;
}

void setLanguageIndex(int index)
{
    state().languageIndex = index;
}

QFont languageFont()
{
    const FontEntry entry = readFontEntry(state().languageIndex);
    QFont font(entry.family);
    if (!entry.fallbacks.isEmpty())
        font.setFamilies(QStringList{entry.family} + entry.fallbacks);
    const int pixels = scaled(int(entry.pixelSize));
    // Size 0 (a missing entry) keeps Qt's default size.
    if (pixels > 0)
        font.setPixelSize(pixels);
    return font;
}

void reset()
{
    state() = State();
}

} // namespace UiScale
