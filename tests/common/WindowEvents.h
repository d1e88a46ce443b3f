#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMenu>
#include <QPushButton>
#include <QSlider>
#include <QStyleOptionSlider>
#include <QTimer>
#include <QWindow>
#include <QtTest>

#include <functional>

// A person's mouse on the window: clicks where the control takes them,
// menus opened and picked entry by entry, sliders stepped by a click on
// the groove beside the handle.
namespace WindowEvents {

inline QStringList visibleTexts(QMenu *menu)
{
    QStringList texts;
    const QList<QAction *> actions = menu->actions();
    for (QAction *a : actions) {
        if (a->isVisible())
            texts << a->text();
    }
    return texts;
}

inline QAction *visibleEntry(QMenu *menu, const QString &text)
{
    const QList<QAction *> actions = menu->actions();
    for (QAction *a : actions) {
        if (a->isVisible() && a->text() == text)
            return a;
    }
    return nullptr;
}

// Presses `button`, which opens its menu, and clicks the entries of
// `path` in the menus as they open. False when an entry is missing (the
// menus are then closed with Escape).
inline bool pickFromMenu(QPushButton *button, const QStringList &path)
{
    int step = 0;
    int polls = 0;
    bool found = true;
    std::function<void()> next;
    next = [&] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        // A submenu shows once the click on its entry is handled.
        const bool shown = menu && (step == 0 || menu->title() == path.at(step - 1));
        if (!shown && ++polls < 100000) {
            QTimer::singleShot(0, next);
            return;
        }
        QAction *action = shown ? visibleEntry(menu, path.at(step)) : nullptr;
        if (!action) {
            found = false;
            while (auto *open = QApplication::activePopupWidget())
                open->close();
            return;
        }
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
        if (++step < path.size())
            QTimer::singleShot(0, next);
    };
    QTimer::singleShot(0, next);
    // The menu runs its own loop inside the press, until an entry is taken.
    QTest::mousePress(button, Qt::LeftButton);
    QTest::mouseRelease(button, Qt::LeftButton);
    return found && step == path.size();
}

// A part of the slider (its handle, its groove), in its own coordinates.
inline QRect sliderPart(QSlider *slider, QStyle::SubControl part)
{
    QStyleOptionSlider option;
    option.initFrom(slider);
    option.orientation = slider->orientation();
    option.minimum = slider->minimum();
    option.maximum = slider->maximum();
    option.sliderPosition = slider->value();
    option.sliderValue = slider->value();
    return slider->style()->subControlRect(QStyle::CC_Slider, &option, part, slider);
}

// Drags the handle by `dx` pixels through the window (only there does a
// move carry the pressed button), in moves of `stride` pixels with `step`
// run after each.
inline void dragSlider(QSlider *slider, int dx, int stride = 0,
                       const std::function<void()> &step = {})
{
    QWindow *window = slider->window()->windowHandle();
    const QPoint from =
        slider->mapTo(slider->window(), sliderPart(slider, QStyle::SC_SliderHandle).center());
    QTest::mousePress(window, Qt::LeftButton, {}, from);
    for (int x = stride; stride > 0 && x < qAbs(dx); x += stride) {
        QTest::mouseMove(window, from + QPoint(dx < 0 ? -x : x, 0));
        if (step)
            step();
    }
    QTest::mouseMove(window, from + QPoint(dx, 0));
    if (step)
        step();
    QTest::mouseRelease(window, Qt::LeftButton, {}, from + QPoint(dx, 0));
}

// Drags the handle by one step's width (rounded up) towards
// `direction`.
inline void stepSlider(QSlider *slider, int direction)
{
    const int handle = sliderPart(slider, QStyle::SC_SliderHandle).width();
    const int steps = qMax(1, slider->maximum() - slider->minimum());
    const int span =
        (sliderPart(slider, QStyle::SC_SliderGroove).width() - handle + steps - 1) / steps;
    dragSlider(slider, direction * qMax(1, span));
}

// A click on a check box's or radio button's indicator.
inline void clickIndicator(QAbstractButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton, {},
                      QPoint(button->height() / 2, button->height() / 2));
}

} // namespace WindowEvents
