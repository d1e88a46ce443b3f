#pragma once

#include "macro/MacroFile.h"
#include "platform/KeyboardCapture.h"

#include <QString>
#include <QVector>

// The program key code of a keyboard event as the macro recorder reads it.
// Unlike the key editors it knows right Alt by its virtual key, and takes
// the keypad twins only from events without any flag but key-up.
quint8 recorderKeyCode(const KeyRecord &record);

// One row the editor shows: the event and its text.
struct MacroRow
{
    MacroEvent event;
    QString text;
};

// The record step: turns each captured key event into the rows to add,
// a delay row first when the delay type asks for one. The clock is the
// caller's (milliseconds, any origin), so that tests can drive it.
class MacroRecorder
{
public:
    // Forgets the previous event: the next one adds no delay row.
    void restart();

    // The rows to add for one event when the list holds `rowCount` rows;
    // empty when the event is an auto-repeat, has no key the mouse can
    // hold, or no longer fits. `defaultDelayText` is the default-delay
    // field (delay type 2).
    QVector<MacroRow> step(const KeyRecord &record, qint64 nowMs, int rowCount, int delayType,
                           const QString &defaultDelayText);

    // True once an event was dropped because the list was full; restart()
    // clears it.
    bool droppedForRoom() const { return m_droppedForRoom; }

private:
    bool m_hasPrevious = false;
    qint64 m_lastMs = 0;
    bool m_hasLastKey = false;
    quint8 m_lastCode = 0;
    quint32 m_lastFlags = 0;
    bool m_droppedForRoom = false;
};

// Without delays a recording stops at 40 rows (the mouse adds a pause after
// every four such events); with delays at 63, as two rows arrive at a time.
constexpr int kMaxRecordedRowsWithoutDelays = 40;

// Every press (key or mouse button) has its release later in the list.
// Rows of types 1-4 take part: bit 7 set is a press, clear a release,
// matched by their low data byte.
bool releaseTestPasses(const QVector<MacroEvent> &events);
