#pragma once

#include <QPixmap>
#include <QSize>

#include <array>

// The window's background for each of the 17 size classes. Classes 0-2
// have images of their own; every other class, and one whose image failed
// to load, is class 0 scaled to the class's size. Each is made on first
// use and kept, so a start pays only for the class it shows.
class WindowBackground
{
public:
    static constexpr int kSizeClasses = 17;

    const QPixmap &pixmap(int sizeClass);

    // The size class a resize settles on: the screen's class, except that
    // a window at its designed size whose class did not change takes the
    // class of its width.
    static int resizeClass(int screenClass, int previousClass, const QSize &current,
                           const QSize &designed);

private:
    std::array<QPixmap, kSizeClasses> m_pixmaps;
    std::array<bool, 3> m_tried{};
};
