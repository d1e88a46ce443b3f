#pragma once

#include "macro/MacroEventList.h"
#include "platform/KeyRecord.h"

#include <QString>
#include <QVector>

// The program key code of a keyboard event as the macro recorder reads it.
// Unlike the key editors it knows right Alt by its virtual key, and takes
// the keypad twins only from events without any flag but key-up.
quint8 recorderKeyCode(const KeyRecord &record);

// Without delays a recording stops at 40 rows (the mouse adds a pause after
// every four such events); with delays at 63, as two rows arrive at a time.
constexpr int kMaxRecordedRowsWithoutDelays = 40;

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
    // field (delay type 2). When `retract` is set to n > 0 the caller takes
    // back the n rows the previous step added: that release was the first
    // half of an auto-repeat.
    QVector<MacroRow> step(const KeyRecord &record, qint64 nowMs, int rowCount, int delayType,
                           const QString &defaultDelayText, int *retract = nullptr);

    // The caller has finished with the last event at `nowMs`: a repeat's
    // press is measured from here, so that the time spent showing the
    // release does not count.
    void settled(qint64 nowMs);

    // True once an event was dropped because the list was full; restart()
    // clears it.
    bool droppedForRoom() const { return m_droppedForRoom; }
    // The message that names the bound which dropped it.
    QString droppedMessage() const;

private:
    struct State
    {
        bool hasPrevious = false;
        qint64 lastMs = 0;
        bool hasLastKey = false;
        quint8 lastCode = 0;
        quint32 lastFlags = 0;
    };

    State m_state;
    bool m_droppedForRoom = false;
    int m_droppedLimit = kMaxMacroEvents;
    // The last step recorded a release: the state before it, and the rows
    // it added, kept until the next event.
    bool m_releasePending = false;
    State m_beforeRelease;
    qint64 m_releaseMs = 0;
    quint32 m_releaseStamp = 0;
    int m_releaseRows = 0;
};

// X servers repeat a held key as a release and a press sent together;
// toolkits do not always mark the pair. No hand releases and presses a key
// again this fast.
constexpr qint64 kRepeatPairMs = 10;

// Every press (key or mouse button) has its release later in the list.
// Rows of types 1-4 take part: bit 7 set is a press, clear a release,
// matched by their low data byte.
bool releaseTestPasses(const QVector<MacroEvent> &events);
