#pragma once

#include <QString>
#include <QStringList>
#include <QVector>
#include <QtGlobal>

// Macro files: one INI file per macro, "<data folder>/MacroDB/<name>.MSMACRO",
// all keys in the group "Setting". The name is the file's base name and is
// not stored inside. Gun files use the same format.

// One event as the file and the mouse hold it.
struct MacroEvent
{
    quint8 Map = 0;   // event type; bit 7 marks a press for keys and buttons
    quint8 DataH = 0; // high data byte
    quint8 DataL = 0; // low data byte
};

bool operator==(const MacroEvent &a, const MacroEvent &b);

enum MacroEventMap : quint8 {
    kMacroKeyPress = 0x84,
    kMacroKeyRelease = 0x04,
    kMacroButtonPress = 0x81,
    kMacroButtonRelease = 0x01,
    kMacroMove = 0x02,
    kMacroDelay = 0x06,
};

// A button's KeyInfo array has 63 places, so no macro holds more events,
// whichever way they arrive.
constexpr int kMaxMacroEvents = 63;

// DelayType of a macro file.
enum MacroDelayType {
    kNoDelays = 0,      // delays are not recorded (inserted ones stay)
    kRecordDelays = 1,  // the measured delays between actions
    kDefaultDelays = 2, // the default delay after each action
};

struct MacroFileData
{
    int defaultDelay = 0; // ms
    int delayType = kNoDelays;
    int loopType = 0;
    int loopTime = 0;
    QVector<MacroEvent> events;
    // The row text of each event as the reader decoded it (only filled by
    // readMacroFile).
    QStringList texts;
};

QString macroFolder();
QString macroFilePath(const QString &name);

// Writes the file (false, nothing written, for a name that is not safe):
// path, default delay, delay type, loop type, loop time,
// count, then the events. At most 63 events are written. Keys of events
// past the new count that an older file held stay in it unread.
bool writeMacroFile(const QString &name, const MacroFileData &macro);

// Reads and decodes the file: mouse buttons with a valid bit, moves, keys
// and delays, whatever the delay type; any other event is
// skipped and every kept event is rebuilt in its canonical form. A missing
// file, or a name that is not safe, reads as an empty macro with every
// setting 0. Only the first 63 events of a file are read.
MacroFileData readMacroFile(const QString &name);

// The events as the macro upload reads them: Count and the three bytes of
// each event, cut to a byte, without decoding; Count is held to 0-63.
QVector<MacroEvent> readMacroEventsForUpload(const QString &name);

// Appends unless the list is full; false when it is.
bool appendMacroEvent(QVector<MacroEvent> &events, const MacroEvent &event);

// Whether `adding` more events fit into a macro of `current` events. Every
// way of adding events asks this first and adds all or nothing.
bool macroHasRoom(int current, int adding);
// The message shown when an addition is refused for want of room.
QString macroFullMessage();

// The mouse keeps 66 events of a macro. The upload puts a pause after every
// four events of a macro that has no delay of its own, so such a macro of
// more than 51 events loses its tail in the mouse.
constexpr int kMaxEventsWithoutDelays = 51;
bool macroLosesTailInMouse(const QVector<MacroEvent> &events);
QString macroTailLostMessage();

// Event constructors. Mouse buttons by their index in the editor's list
// (0 left, 1 middle, 2 right, 3 forward, 4 backward); moves by direction
// (0 left, 1 right, 2 up, 3 down) and a distance of 1-120.
MacroEvent keyEvent(quint8 usage, bool pressed);
MacroEvent mouseButtonEvent(int index, bool pressed);
MacroEvent mouseMoveEvent(int direction, int distance);
// A delay typed in milliseconds: units of 10 ms, held to 1-6553.
MacroEvent delayEventFromMs(int ms);
int delayMsOf(const MacroEvent &event);

// Translated names of the five mouse buttons and four move directions, in
// the order of the editor's mouse-command list.
constexpr int kMacroMouseButtons = 5;
constexpr int kMacroMoveDirections = 4;
QString mouseButtonName(int index);
// Direction and distance of a move event, as the reader decodes it.
void macroMoveOf(const MacroEvent &event, int *direction, int *distance);
QString moveDirectionName(int direction);

// The row text the macro editor shows for an event.
QString macroEventText(const MacroEvent &event);

// A macro name is a file's base name in MacroDB, so it must stay a plain
// file name on every system the files travel to: not empty, not "." or
// "..", no path separator, none of : * ? " < > |, no control character,
// no trailing dot or space (Windows drops those), and short enough that
// the file name with its suffix fits 255 bytes. Every operation below that
// takes a name refuses one that is not safe and changes nothing.
bool isSafeMacroName(const QString &name);
// The message shown when a name is refused.
QString unsafeMacroNameMessage(const QString &name);
