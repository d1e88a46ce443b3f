#pragma once

#include <QPointF>
#include <QRect>
#include <QSize>
#include <QString>

#include <array>

// Where each button of a model sits on its pictures. The window places its
// markers from this and the skin generator draws the pictures from it, so
// marker and button always agree. Which buttons a model has comes from the
// button map its upload uses.
//
// The 42 markers follow the record's button slots: 0-19 the main buttons
// (front view), 20-39 the second bank (side view), 40 and 41 the scroll
// slots (front view).
struct MouseLayout
{
    struct Marker
    {
        bool present = false;
        QRect rect; // design coordinates of the window
    };
    std::array<Marker, 42> markers;
    int mainButtons = 0; // slots 0.. present
    int secondBank = 0;  // slots 20.. present
    bool scrollSlots = false;
    bool hasSide() const { return secondBank > 0; }
};

MouseLayout mouseLayout(const QString &productName);

// The pictures are drawn on a canvas of this size; the window shows them
// scaled into a 300 x 300 box, centred in the picture area.
constexpr QSize kPictureCanvas{600, 500};

// Centre of slot `slot`'s button on the front picture (slots 0-19, 40, 41),
// in canvas coordinates.
QPointF frontAnchor(int slot);
// Centre of key `position` (0-based) of a second bank of `count` keys on
// the side picture, in canvas coordinates.
QPointF sideAnchor(int position, int count);
// A canvas point in the window's design coordinates.
QPoint canvasToDesign(const QPointF &point);
