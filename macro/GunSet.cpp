#include "macro/GunSet.h"

namespace {

enum Direction { kLeft = 0, kRight = 1, kUp = 2, kDown = 3 };
constexpr int kLeftClick = 0;

} // namespace

QVector<MacroEvent> gunSetEvents(const QVector<GunShot> &shots)
{
    QVector<MacroEvent> events;
    for (const GunShot &shot : shots) {
        events.append(mouseButtonEvent(kLeftClick, true));
        events.append(mouseButtonEvent(kLeftClick, false));
        if (shot.y != 0)
            events.append(mouseMoveEvent(shot.y > 0 ? kDown : kUp, qAbs(shot.y)));
        if (shot.x != 0)
            events.append(mouseMoveEvent(shot.x > 0 ? kRight : kLeft, qAbs(shot.x)));
        events.append(delayEventFromMs(shot.delayMs));
    }
    return events;
}

bool writeGunFile(const QString &name, const QVector<MacroEvent> &events)
{
    MacroFileData macro;
    macro.defaultDelay = 10;
    macro.delayType = kRecordDelays;
    macro.loopType = 0;
    macro.loopTime = 1;
    macro.events = events;
    return writeMacroFile(name, macro);
}
