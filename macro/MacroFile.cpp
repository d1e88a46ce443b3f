#include "macro/MacroFile.h"

#include "store/FileNameRule.h"

#include "store/DataFolder.h"
#include "store/IniDocument.h"
#include "store/IniFile.h"
#include "store/KeyTables.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace {

const QLatin1String kMacroFolder("/MacroDB/");
const QLatin1String kMacroSuffix(".MSMACRO");

const QLatin1String kKeyPath("Setting/MacroFilePath");
const QLatin1String kKeyDefaultDelay("Setting/DefaultDelay");
const QLatin1String kKeyDelayType("Setting/DelayType");
const QLatin1String kKeyLoopType("Setting/LoopType");
const QLatin1String kKeyLoopTime("Setting/LoopTime");
const QLatin1String kKeyCount("Setting/Count");

QString eventKey(const char *field, int index)
{
    return QStringLiteral("Setting/") + QLatin1String(field) + QLatin1Char('_') +
           QString::number(index);
}

constexpr int kMaxMoveDistance = 120;
constexpr int kMinDelayUnits = 1;
constexpr int kMaxDelayUnits = 6553;

struct MouseButton
{
    quint8 bit;
    const char *name;
};

// In the order of the editor's mouse-command list.
constexpr MouseButton kMouseButtons[] = {
    {0x01, QT_TRANSLATE_NOOP("Macro", "LEFT CLICK")},
    {0x04, QT_TRANSLATE_NOOP("Macro", "MIDDLE CLICK")},
    {0x02, QT_TRANSLATE_NOOP("Macro", "RIGHT CLICK")},
    {0x08, QT_TRANSLATE_NOOP("Macro", "FORWARD")},
    {0x10, QT_TRANSLATE_NOOP("Macro", "BACKWARD")},
};

constexpr const char *kMoveNames[] = {
    QT_TRANSLATE_NOOP("Macro", "MOVE LEFT"),
    QT_TRANSLATE_NOOP("Macro", "MOVE RIGHT"),
    QT_TRANSLATE_NOOP("Macro", "MOVE UP"),
    QT_TRANSLATE_NOOP("Macro", "MOVE DOWN"),
};

enum MoveDirection { kLeft = 0, kRight = 1, kUp = 2, kDown = 3 };

int mouseButtonIndex(quint8 bit)
{
    for (int i = 0; i < int(std::size(kMouseButtons)); ++i) {
        if (kMouseButtons[i].bit == bit)
            return i;
    }
    return -1;
}

QString tr(const char *text)
{
    return QCoreApplication::translate("Macro", text);
}

// Direction and distance of a move event, as the reader interprets it.
void moveOf(const MacroEvent &e, int *direction, int *distance)
{
    if (e.DataH == 0) {
        if (e.DataL <= kMaxMoveDistance) {
            *direction = kRight;
            *distance = e.DataL;
        } else {
            *direction = kLeft;
            *distance = 256 - e.DataL;
        }
    } else if (e.DataL == 0) {
        if (e.DataH <= kMaxMoveDistance) {
            *direction = kDown;
            *distance = e.DataH;
        } else {
            *direction = kUp;
            *distance = 256 - e.DataH;
        }
    } else {
        // Both axes at once is not a move the editor makes.
        *direction = kLeft;
        *distance = 0;
    }
}

// A move rebuilt from direction and distance; a file may hold distances
// the editor would not let one type, and they stay as they are.
MacroEvent encodeMove(int direction, int distance)
{
    const quint8 d = quint8(distance);
    const quint8 back = quint8(256 - distance);
    switch (direction) {
    case kLeft:
        return MacroEvent{kMacroMove, 0, back};
    case kRight:
        return MacroEvent{kMacroMove, 0, d};
    case kUp:
        return MacroEvent{kMacroMove, back, 0};
    default:
        return MacroEvent{kMacroMove, d, 0};
    }
}

QString moveText(int direction, int distance)
{
    return tr(kMoveNames[direction]) + QStringLiteral(" : %1").arg(distance);
}

// The decoding rules of the reader; false when the event is dropped.
bool decodeEvent(const MacroEvent &raw, MacroEvent *out, QString *text)
{
    if (raw.Map == kMacroButtonPress || raw.Map == kMacroButtonRelease) {
        if (mouseButtonIndex(raw.DataL) < 0)
            return false;
        *out = MacroEvent{raw.Map, 0, raw.DataL};
        *text = macroEventText(*out);
        return true;
    }
    const bool pressed = raw.Map & 0x80;
    switch (raw.Map & 0x7F) {
    case kMacroMove: {
        int direction = 0;
        int distance = 0;
        moveOf(raw, &direction, &distance);
        *out = encodeMove(direction, distance);
        // Both axes at once shows as a move left by 0, even though it is
        // stored back as 0/0, which reads as a move right.
        *text = moveText(direction, distance);
        return true;
    }
    case kMacroDelay:
        // Whatever the delay type, a delay the file holds is one the mouse
        // plays: the type only says how new ones are recorded.
        *out = MacroEvent{kMacroDelay, raw.DataH, raw.DataL};
        *text = macroEventText(*out);
        return true;
    case kMacroKeyRelease:
        *out = keyEvent(raw.DataL, pressed);
        *text = macroEventText(*out);
        return true;
    default:
        return false;
    }
}

// Macro files come from other people too: the store's INI reader takes
// serialised lists and the like as no value. A missing key reads 0.
IniDocument readMacroDocument(const QString &name)
{
    IniDocument document;
    document.load(macroFilePath(name));
    return document;
}

int readCount(const IniDocument &d)
{
    return std::clamp(d.value(kKeyCount).toInt(), 0, kMaxMacroEvents);
}

MacroEvent readRawEvent(const IniDocument &d, int i)
{
    return MacroEvent{quint8(d.value(eventKey("Map", i)).toInt()),
                      quint8(d.value(eventKey("DataH", i)).toInt()),
                      quint8(d.value(eventKey("DataL", i)).toInt())};
}

} // namespace

bool operator==(const MacroEvent &a, const MacroEvent &b)
{
    return a.Map == b.Map && a.DataH == b.DataH && a.DataL == b.DataL;
}

QString macroFolder()
{
    return dataFolder() + kMacroFolder;
}

QString macroFilePath(const QString &name)
{
    return macroFolder() + name + kMacroSuffix;
}

bool writeMacroFile(const QString &name, const MacroFileData &macro)
{
    if (!isSafeMacroName(name))
        return false;
    const QString path = macroFilePath(name);
    if (!QDir().mkpath(QFileInfo(path).path()))
        return false;
    const int count = std::min(int(macro.events.size()), kMaxMacroEvents);
    IniFile s(path);
    s.setValue(kKeyPath, path);
    s.setValue(kKeyDefaultDelay, macro.defaultDelay);
    s.setValue(kKeyDelayType, macro.delayType);
    s.setValue(kKeyLoopType, macro.loopType);
    s.setValue(kKeyLoopTime, macro.loopTime);
    s.setValue(kKeyCount, count);
    for (int i = 0; i < count; ++i) {
        const MacroEvent &e = macro.events.at(i);
        s.setValue(eventKey("Map", i), int(e.Map));
        s.setValue(eventKey("DataH", i), int(e.DataH));
        s.setValue(eventKey("DataL", i), int(e.DataL));
    }
    return s.commit();
}

MacroFileData readMacroFile(const QString &name)
{
    MacroFileData macro;
    if (!isSafeMacroName(name))
        return macro;
    const IniDocument s = readMacroDocument(name);
    macro.delayType = s.value(kKeyDelayType).toInt();
    macro.defaultDelay = s.value(kKeyDefaultDelay).toInt();
    macro.loopTime = s.value(kKeyLoopTime).toInt();
    macro.loopType = s.value(kKeyLoopType).toInt();
    const int count = readCount(s);
    for (int i = 0; i < count; ++i) {
        MacroEvent decoded;
        QString text;
        if (decodeEvent(readRawEvent(s, i), &decoded, &text)) {
            macro.events.append(decoded);
            macro.texts.append(text);
        }
    }
    return macro;
}

QVector<MacroEvent> readMacroEventsForUpload(const QString &name)
{
    if (!isSafeMacroName(name))
        return {};
    const IniDocument s = readMacroDocument(name);
    const int count = readCount(s);
    QVector<MacroEvent> events;
    events.reserve(count);
    for (int i = 0; i < count; ++i)
        events.append(readRawEvent(s, i));
    return events;
}

bool appendMacroEvent(QVector<MacroEvent> &events, const MacroEvent &event)
{
    if (events.size() >= kMaxMacroEvents)
        return false;
    events.append(event);
    return true;
}

bool macroHasRoom(int current, int adding)
{
    return adding >= 0 && current + adding <= kMaxMacroEvents;
}

QString macroFullMessage()
{
    return QCoreApplication::translate("Macro",
                                       "A MACRO HOLDS AT MOST 63 EVENTS. NOTHING MORE WAS ADDED.");
}

bool macroLosesTailInMouse(const QVector<MacroEvent> &events)
{
    if (events.size() <= kMaxEventsWithoutDelays)
        return false;
    return std::none_of(events.begin(), events.end(),
                        [](const MacroEvent &e) { return e.Map == kMacroDelay; });
}

QString macroTailLostMessage()
{
    return QCoreApplication::translate(
        "Macro", "THE MOUSE KEEPS ONLY THE FIRST 51 EVENTS OF A MACRO WITHOUT DELAYS; "
                 "THE REST WILL NOT PLAY.");
}

MacroEvent keyEvent(quint8 usage, bool pressed)
{
    return MacroEvent{pressed ? quint8(kMacroKeyPress) : quint8(kMacroKeyRelease), 0, usage};
}

MacroEvent mouseButtonEvent(int index, bool pressed)
{
    const quint8 bit = kMouseButtons[std::clamp(index, 0, int(std::size(kMouseButtons)) - 1)].bit;
    return MacroEvent{pressed ? quint8(kMacroButtonPress) : quint8(kMacroButtonRelease), 0, bit};
}

MacroEvent mouseMoveEvent(int direction, int distance)
{
    return encodeMove(std::clamp(direction, 0, 3), std::clamp(distance, 0, kMaxMoveDistance));
}

MacroEvent delayEventFromMs(int ms)
{
    const int units = std::clamp(ms / 10, kMinDelayUnits, kMaxDelayUnits);
    return MacroEvent{kMacroDelay, quint8(units / 256), quint8(units % 256)};
}

int delayMsOf(const MacroEvent &event)
{
    return (event.DataH * 256 + event.DataL) * 10;
}

void macroMoveOf(const MacroEvent &event, int *direction, int *distance)
{
    moveOf(event, direction, distance);
}

QString mouseButtonName(int index)
{
    return tr(kMouseButtons[std::clamp(index, 0, int(std::size(kMouseButtons)) - 1)].name);
}

QString moveDirectionName(int direction)
{
    return tr(kMoveNames[std::clamp(direction, 0, int(std::size(kMoveNames)) - 1)]);
}

QString macroEventText(const MacroEvent &event)
{
    if (event.Map == kMacroButtonPress || event.Map == kMacroButtonRelease) {
        const int index = mouseButtonIndex(event.DataL);
        const QString name = index < 0 ? QString() : tr(kMouseButtons[index].name);
        return name +
               (event.Map == kMacroButtonPress ? QStringLiteral(" DOWN") : QStringLiteral(" UP"));
    }
    switch (event.Map & 0x7F) {
    case kMacroMove: {
        int direction = 0;
        int distance = 0;
        moveOf(event, &direction, &distance);
        return moveText(direction, distance);
    }
    case kMacroDelay:
        return QStringLiteral("%1 ms").arg(delayMsOf(event));
    case kMacroKeyRelease: {
        int code = 0;
        if (!usageToKeyCode(event.DataL, code))
            return QString();
        return keyName(quint8(code));
    }
    default:
        return QString();
    }
}

namespace {
// 255 bytes of a file name less the ".MSMACRO" suffix.
constexpr NameLimits kMacroNameLimits{0, 255 - 8};
} // namespace

bool isSafeMacroName(const QString &name)
{
    return nameProblem(name, kMacroNameLimits) == NameProblem::None;
}

QString unsafeMacroNameMessage(const QString &name)
{
    return QCoreApplication::translate("Macro", "THIS NAME CANNOT BE USED AS A MACRO NAME: %1.")
        .arg(nameProblemText(nameProblem(name, kMacroNameLimits), kMacroNameLimits).toUpper());
}
