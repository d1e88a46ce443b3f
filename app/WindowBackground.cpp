#include "app/WindowBackground.h"

#include "widgets/DesignLayout.h"
#include "widgets/Skin.h"
#include "widgets/UiLog.h"

const QPixmap &WindowBackground::pixmap(int sizeClass)
{
    static const char *const files[] = {"/skin/cfgMainback.png", "/skin/cfgMainback_2.png",
                                        "/skin/cfgMainback_3.png"};
    const int c = qBound(0, sizeClass, kSizeClasses - 1);
    QPixmap &pixmap = m_pixmaps[size_t(c)];
    if (c < 3 && !m_tried[size_t(c)]) {
        m_tried[size_t(c)] = true;
        pixmap = Skin::pixmap(QLatin1String(files[c]));
    }
    if (pixmap.isNull() && c != 0) {
        const QPixmap &base = this->pixmap(0);
        if (!base.isNull()) {
            const double scale = Skin::scaleForClass(c);
            pixmap =
                base.scaled(int(DesignLayout::kWidth * scale), int(DesignLayout::kHeight * scale),
                            Qt::IgnoreAspectRatio, Qt::FastTransformation);
        }
    }
    return pixmap;
}

int WindowBackground::resizeClass(int screenClass, int previousClass, const QSize &current,
                                  const QSize &designed)
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
