#include "widgets/UiScale.h"

#include "store/DataFolder.h"

#include <QSettings>

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
    QSettings settings(globalConfigPath(), QSettings::IniFormat);
    const QString n = QString::number(state().languageIndex);
    const QString family = settings.value(QStringLiteral("FONT_LIST/FONT_") + n).toString();
    const uint size = settings.value(QStringLiteral("FONT_LIST/FONT_SIZE_") + n).toUInt();
    QFont font(family);
    const int pixels = scaled(int(size));
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
