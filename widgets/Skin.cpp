#include "widgets/Skin.h"

#include "widgets/UiLog.h"

#include "widgets/DesignLayout.h"

#include <QCoreApplication>
#include <QWidget>

namespace {

struct State
{
    QString applicationDir;
};

State &state()
{
    static State s;
    return s;
}

} // namespace

namespace Skin {

QString applicationDir()
{
    if (state().applicationDir.isEmpty())
        return QCoreApplication::applicationDirPath();
    return state().applicationDir;
}

void setApplicationDir(const QString &dir)
{
    state().applicationDir = dir;
}

QString path(const QString &relative)
{
    return applicationDir() + relative;
}

QPixmap pixmap(const QString &relative)
{
    return QPixmap(path(relative));
}

int sizeClassForRatio(double ratio)
{
    // Upper bounds (exclusive) of classes 0-15; 4.8 and above is class 16.
    static const double bounds[] = {1.1, 1.4, 1.6, 1.8, 2.1, 2.3, 2.6, 2.8,
                                    3.1, 3.3, 3.6, 3.8, 4.1, 4.3, 4.6, 4.8};
    int sizeClass = 0;
    for (double bound : bounds) {
        if (ratio < bound)
            return sizeClass;
        ++sizeClass;
    }
    return sizeClass;
}

double scaleForClass(int sizeClass)
{
    return 1.0 + 0.25 * sizeClass;
}

int fittingSizeClass(double ratio, const QSize &available)
{
    int sizeClass = sizeClassForRatio(ratio);
    while (sizeClass > 0) {
        const double scale = scaleForClass(sizeClass);
        if (int(DesignLayout::kWidth * scale) <= available.width() &&
            int(DesignLayout::kHeight * scale) <= available.height())
            break;
        --sizeClass;
    }
    return sizeClass;
}

namespace {
double g_requestedScale = 1.0;
QStringList g_screenScales;
} // namespace

double requestedScale(const QString &screenName, int screenIndex)
{
    double screenScale = 1.0;
    for (int i = 0; i < g_screenScales.size(); ++i) {
        const QString &entry = g_screenScales.at(i);
        const int eq = entry.indexOf(QLatin1Char('='));
        const bool matches = eq < 0 ? i == screenIndex : entry.left(eq) == screenName;
        bool ok = false;
        const double value = entry.mid(eq + 1).toDouble(&ok);
        if (matches && ok && value > 0)
            screenScale = value;
    }
    return g_requestedScale * screenScale;
}

void setRequestedScale(double scale)
{
    g_requestedScale = scale > 0 ? scale : 1.0;
}

void setRequestedScreenScales(const QString &factors)
{
    g_screenScales = factors.split(QLatin1Char(';'), Qt::SkipEmptyParts);
}

void clipToBackground(QWidget *window, const QPixmap &background)
{
    if (!background.isNull())
        window->setMask(background.scaled(window->size()).mask());
}

QStringList buttonImages(const char *stem)
{
    return {QStringLiteral("/skin/%1_1.png").arg(QLatin1String(stem)),
            QStringLiteral("/skin/%1_2.png").arg(QLatin1String(stem)),
            QStringLiteral("/skin/%1_3.png").arg(QLatin1String(stem))};
}

int resizeClass(int screenClass, int previousClass, const QSize &current, const QSize &designed)
{
    if (screenClass != previousClass || current != designed)
        return screenClass;
    qCDebug(lcUi) << "singleShot";
    // The window was resized to a designed size (by the system moving it
    // between screens): take the class whose width that is, within 9 px.
    static const int widths[] = {999, 1248, 1498, 1748};
    for (int c = 0; c < 4; ++c) {
        if (qAbs(current.width() - widths[c]) <= 9)
            return c;
    }
    return screenClass;
}

QString menuStyleSheet()
{
    return QStringLiteral("QMenu{background-color:rgb(24,24,26);color:rgb(225,225,225);"
                          "border:1px solid rgb(150,20,28);padding:2px;}"
                          "QMenu::item{padding:4px 14px;background:transparent;}"
                          "QMenu::item:selected{background-color:rgb(150,20,28);color:white;}"
                          "QMenu::item:disabled{color:rgb(100,100,100);}"
                          "QMenu::separator{height:1px;background:rgb(70,20,24);}");
}

void reset()
{
    state() = State();
}

namespace {

const char *const kBackgroundFiles[] = {"/skin/cfgMainback.png", "/skin/cfgMainback_2.png",
                                        "/skin/cfgMainback_3.png"};

} // namespace

void Backgrounds::preload(int sizeClass)
{
    const size_t c = size_t(qBound(0, sizeClass, kClasses - 1));
    if (m_made[c] || m_preloadedClass >= 0 || c >= std::size(kBackgroundFiles))
        return;
    const QString file = path(QLatin1String(kBackgroundFiles[c]));
    m_preloaded = std::async(std::launch::async, [file] { return QImage(file); });
    m_preloadedClass = int(c);
}

const QPixmap &Backgrounds::pixmap(int sizeClass)
{
    const size_t c = size_t(qBound(0, sizeClass, kClasses - 1));
    QPixmap &pixmap = m_pixmaps[c];
    if (!m_made[c]) {
        m_made[c] = true;
        if (m_preloadedClass == int(c)) {
            pixmap = QPixmap::fromImage(m_preloaded.get());
            m_preloadedClass = -1;
        } else if (c < std::size(kBackgroundFiles)) {
            pixmap = Skin::pixmap(QLatin1String(kBackgroundFiles[c]));
        }
        if (pixmap.isNull() && c != 0) {
            const QPixmap &base = this->pixmap(0);
            const double scale = scaleForClass(int(c));
            if (!base.isNull())
                pixmap = base.scaled(int(DesignLayout::kWidth * scale),
                                     int(DesignLayout::kHeight * scale), Qt::IgnoreAspectRatio,
                                     Qt::FastTransformation);
        }
    }
    return pixmap;
}

const QBitmap &Backgrounds::mask(int sizeClass)
{
    const size_t c = size_t(qBound(0, sizeClass, kClasses - 1));
    if (m_masks[c].isNull())
        m_masks[c] = pixmap(int(c)).mask();
    return m_masks[c];
}

} // namespace Skin
