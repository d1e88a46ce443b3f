#pragma once

#include <QBitmap>
#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <QStringList>

#include <array>
#include <future>
#include <utility>

class QWidget;

// Where the program's own files are and how its skin looks.
namespace Skin {

// The application directory (the executable's folder), set once at start.
QString applicationDir();
void setApplicationDir(const QString &dir);

// applicationDir() + relative, e.g. path("/skin/dlg.png").
QString path(const QString &relative);
QPixmap pixmap(const QString &relative);

// A skin picture read on first use: most of the window's pictures sit on
// panels that are not shown at start, and decoding is what they cost.
class LazyPixmap
{
public:
    LazyPixmap() = default;
    explicit LazyPixmap(QString relative) : m_relative(std::move(relative)) {}
    const QPixmap &get()
    {
        if (!m_read) {
            m_pixmap = pixmap(m_relative);
            m_read = true;
        }
        return m_pixmap;
    }

private:
    QString m_relative;
    QPixmap m_pixmap;
    bool m_read = false;
};

// The size class of a screen whose logical DPI is ratio × 96, and its
// scale factor (1.0 + 0.25 × class).
int sizeClassForRatio(double ratio);
double scaleForClass(int sizeClass);
// The class for a screen of this ratio whose free area (less panels and
// docks) is `available`: the ratio's class, or the largest smaller one
// whose window fits; class 0 when none does.
int fittingSizeClass(double ratio, const QSize &available);
// The scale a person asked for (QT_SCALE_FACTOR, and QT_SCREEN_SCALE_FACTORS
// for single screens, which the window takes over from Qt's own scaling so
// that it draws its art at that size instead of blowing up the 100 % one);
// it multiplies the screen's ratio. Screens go by name or by their place
// in the screen list, as in QT_SCREEN_SCALE_FACTORS ("2;1.5" or
// "DP-1=2;HDMI-1=1.5").
double requestedScale(const QString &screenName = QString(), int screenIndex = -1);
void setRequestedScale(double scale);
void setRequestedScreenScales(const QString &factors);

// The normal, highlighted and pressed images of a skinned button:
// "/skin/<stem>_1.png" to "_3.png".
QStringList buttonImages(const char *stem);

// The size class a resize settles on: the screen's class, except that a
// window at its designed size whose class did not change takes the class
// of its width.
int resizeClass(int screenClass, int previousClass, const QSize &current, const QSize &designed);

// The dark-red style of every drop-down menu.
QString menuStyleSheet();

// Clips a frameless window at its present size to the opaque part of its
// background picture: without a compositor the transparent corners would
// show as black squares.
void clipToBackground(QWidget *window, const QPixmap &background);

void reset();

// The main window's background of each size class, made on first use and
// kept: classes 0, 1 and 2 are read from files of their own; any other
// class, or one whose file does not load, is the class-0 picture scaled to
// the class's size. Decoding is most of what a picture costs, so only the
// classes a window actually shows are ever read.
class Backgrounds
{
public:
    static constexpr int kClasses = 17;

    // Starts decoding the file of `sizeClass` on a worker thread, for
    // pixmap() to take over when it is first asked for; a window that has
    // other work to do meanwhile need not wait for the decoder.
    void preload(int sizeClass);
    // A null pixmap when there is no class-0 picture to fall back on.
    const QPixmap &pixmap(int sizeClass);
    // The mask of pixmap(sizeClass), worked out once.
    const QBitmap &mask(int sizeClass);

private:
    std::array<QPixmap, kClasses> m_pixmaps;
    std::array<QBitmap, kClasses> m_masks;
    std::array<bool, kClasses> m_made{};
    std::future<QImage> m_preloaded;
    int m_preloadedClass = -1;
};

} // namespace Skin
