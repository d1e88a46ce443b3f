#include "widgets/MouseLayout.h"

#include "store/ModelTable.h"
#include "widgets/DesignLayout.h"

#include <QtMath>

namespace {

// Front view, canvas coordinates: the buttons of a mouse seen from above,
// in the order the record numbers its main slots.
const QPointF kFront[20] = {
    {232, 130}, // left button
    {368, 130}, // right button
    {300, 112}, // wheel click
    {182, 232}, // left side, front
    {182, 292}, // left side, back
    {300, 214}, // top, behind the wheel
    {300, 266}, // top, second
    {418, 232}, // right side, front
    {418, 292}, // right side, back
    {182, 352}, // left side, third
    // No model uses more than ten main buttons; these keep any further
    // slot on the picture all the same.
    {240, 330},
    {360, 330},
    {240, 390},
    {360, 390},
    {300, 330},
    {300, 390},
    {240, 440},
    {360, 440},
    {300, 440},
    {418, 352},
};
const QPointF kScrollUp{300, 60};
const QPointF kScrollDown{300, 164};

QRect markerRect(const QPointF &canvasPoint)
{
    const QPoint c = canvasToDesign(canvasPoint);
    const int half = DesignLayout::kMarkerSize / 2;
    return QRect(c.x() - half, c.y() - half, DesignLayout::kMarkerSize, DesignLayout::kMarkerSize);
}

} // namespace

QPointF frontAnchor(int slot)
{
    if (slot == 40)
        return kScrollUp;
    if (slot == 41)
        return kScrollDown;
    return kFront[qBound(0, slot, 19)];
}

QPointF sideAnchor(int position, int count)
{
    // A keypad on the side of the mouse: one to four rows of keys.
    const int rows = count <= 5 ? 1 : count <= 8 ? 2 : count <= 12 ? 3 : 4;
    const int columns = (count + rows - 1) / rows;
    const qreal pitch = 56;
    const int row = position / columns;
    const int column = position % columns;
    const QPointF centre(300, 262);
    return QPointF(centre.x() + (column - (columns - 1) / 2.0) * pitch,
                   centre.y() + (row - (rows - 1) / 2.0) * pitch);
}

QPoint canvasToDesign(const QPointF &point)
{
    // The picture is shown at half the canvas size, centred in the picture
    // area the way a centred QLabel places it.
    const QRect area = DesignLayout::kPicture;
    const int shownWidth = kPictureCanvas.width() / 2;
    const int shownHeight = kPictureCanvas.height() / 2;
    const int left = area.x() + (area.width() - shownWidth) / 2;
    const int top = area.y() + (area.height() - shownHeight) / 2;
    return QPoint(left + qRound(point.x() / 2), top + qRound(point.y() / 2));
}

MouseLayout mouseLayout(const QString &productName)
{
    MouseLayout layout;
    const QVector<ButtonMapStep> map = modelButtonMap(productName);
    int bank = 0;
    for (const ButtonMapStep &step : map) {
        if (step.slot >= 20 && step.slot < 40)
            ++bank;
    }
    for (const ButtonMapStep &step : map) {
        // A fixed entry (no slot) has no button of its own to show.
        const int slot = step.slot;
        if (slot < 0 || slot >= 42)
            continue;
        MouseLayout::Marker &m = layout.markers[size_t(slot)];
        m.present = true;
        if (slot < 20) {
            m.rect = markerRect(frontAnchor(slot));
            layout.mainButtons = qMax(layout.mainButtons, slot + 1);
        } else if (slot < 40) {
            m.rect = markerRect(sideAnchor(slot - 20, bank));
            layout.secondBank = qMax(layout.secondBank, slot - 19);
        } else {
            m.rect = markerRect(frontAnchor(slot));
            layout.scrollSlots = true;
        }
    }
    return layout;
}
