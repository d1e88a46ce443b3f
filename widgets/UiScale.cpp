#include "widgets/UiScale.h"

#include "store/ConfigFile.h"
#include "store/DataFolder.h"

#include <QDateTime>
#include <QFileInfo>

namespace {

struct State
{
    double factor = 1.0;
    int languageIndex = 0;
    // The last font entry read, for the language and the Config.ini it was
    // read from: every button asks for the font, and the file rarely changes.
    FontEntry font;
    int fontLanguage = -1;
    QDateTime fontFileTime;
    qint64 fontFileSize = -1;
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

QRect scaled(const QRect &design, double factor)
{
    return QRect(int(design.x() * factor), int(design.y() * factor), int(design.width() * factor),
                 int(design.height() * factor));
}

QRect scaled(const QRect &design)
{
    return scaled(design, state().factor);
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
    State &s = state();
    const QFileInfo file(globalConfigPath());
    const QDateTime fileTime = file.lastModified();
    if (s.fontLanguage != s.languageIndex || s.fontFileTime != fileTime ||
        s.fontFileSize != file.size() || !fileTime.isValid()) {
        s.font = readFontEntry(s.languageIndex);
        s.fontLanguage = s.languageIndex;
        s.fontFileTime = fileTime;
        s.fontFileSize = file.size();
    }
    const FontEntry &entry = s.font;
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
