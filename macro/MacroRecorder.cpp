#include "macro/MacroRecorder.h"

#include "store/KeyTables.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

constexpr quint32 kRightAltVk = 0xA5;

struct Twin
{
    quint32 scanCode;
    quint8 code;
};

// Keys told apart from their twins by the extended flag.
constexpr Twin kExtendedTwins[] = {{0x45, 225}, {0x35, 226}, {0x1C, 229}, {0x1D, 238}};
// Keypad keys, which arrive without the extended flag.
constexpr Twin kPlainTwins[] = {{0x53, 224}, {0x37, 227}, {0x49, 228}, {0x4F, 230},
                                {0x50, 231}, {0x51, 232}, {0x4B, 233}, {0x4D, 234},
                                {0x47, 235}, {0x48, 236}, {0x52, 237}};

} // namespace

quint8 recorderKeyCode(const KeyRecord &record)
{
    const quint32 s = record.scanCode;
    const quint32 f = record.flags;
    if (s == 0x38 && record.vkCode == kRightAltVk)
        return 239;
    const bool extended = f == kKeyExtended || f == (kKeyExtended | kKeyUp);
    const bool plain = (f & ~kKeyUp) == 0;
    for (const Twin &t : kExtendedTwins) {
        if (t.scanCode == s)
            return extended ? t.code : quint8(s);
    }
    for (const Twin &t : kPlainTwins) {
        if (t.scanCode == s)
            return plain ? t.code : quint8(s);
    }
    return quint8(s);
}

void MacroRecorder::restart()
{
    m_state = State();
    m_droppedForRoom = false;
    m_releasePending = false;
}

QVector<MacroRow> MacroRecorder::step(const KeyRecord &record, qint64 nowMs, int rowCount,
                                      int delayType, const QString &defaultDelayText, int *retract)
{
    if (retract)
        *retract = 0;
    const quint8 code = recorderKeyCode(record);
    const bool pressed = !(record.flags & kKeyUp);
    const bool releasePending = m_releasePending;
    m_releasePending = false;
    const bool sameStamp = record.time != 0 && record.time == m_releaseStamp;
    if (releasePending && pressed && code == m_state.lastCode &&
        (sameStamp || nowMs - m_releaseMs <= kRepeatPairMs)) {
        // The release was the first half of a repeat: take it back and
        // treat the key as still held.
        m_state = m_beforeRelease;
        m_state.hasLastKey = true;
        m_state.lastCode = code;
        m_state.lastFlags = record.flags;
        if (retract)
            *retract = m_releaseRows;
        return {};
    }
    // A held key repeats its press with the same code and flags.
    if (m_state.hasLastKey && code == m_state.lastCode && record.flags == m_state.lastFlags)
        return {};
    int usage = 0;
    if (!keyCodeToUsage(code, usage))
        return {}; // no usage for it (F13-F24): the mouse could not play it
    const int limit = delayType == kNoDelays ? kMaxRecordedRowsWithoutDelays : kMaxMacroEvents;
    // The bound is taken as if a delay came too, so that a list with delays
    // never ends on a key whose delay did not fit.
    if (rowCount + (delayType == kNoDelays ? 1 : 2) > limit) {
        m_droppedForRoom = true;
        m_droppedLimit = limit;
        return {};
    }
    const State before = m_state;
    m_state.hasLastKey = true;
    m_state.lastCode = code;
    m_state.lastFlags = record.flags;

    QVector<MacroRow> rows;
    if (m_state.hasPrevious) {
        const qint64 gap = std::max<qint64>((nowMs - m_state.lastMs) / 10 * 10, 10);
        if (delayType == kRecordDelays)
            rows.append(delayRow(int(std::min<qint64>(gap, 65530))));
        else if (delayType == kDefaultDelays)
            rows.append(defaultDelayRow(defaultDelayText));
    }
    // Only the key-up bit tells a release: Windows also sets the Alt-down
    // flag on presses made while Alt is held, Alt's own press included.
    const MacroEvent key = keyEvent(quint8(usage), pressed);
    rows.append({key, keyName(code)});
    m_state.hasPrevious = true;
    m_state.lastMs = nowMs;
    if (!pressed) {
        m_releasePending = true;
        m_beforeRelease = before;
        m_releaseMs = nowMs;
        m_releaseStamp = record.time;
        m_releaseRows = rows.size();
    }
    return rows;
}

QString MacroRecorder::droppedMessage() const
{
    if (m_droppedLimit == kMaxMacroEvents)
        return macroFullMessage();
    return QCoreApplication::translate("Macro", "A RECORDING WITHOUT DELAYS HOLDS AT MOST %1 "
                                                "EVENTS. NOTHING MORE WAS RECORDED.")
        .arg(m_droppedLimit);
}

void MacroRecorder::settled(qint64 nowMs)
{
    if (m_releasePending)
        m_releaseMs = std::max(m_releaseMs, nowMs);
}

bool releaseTestPasses(const QVector<MacroEvent> &events)
{
    QVector<quint8> presses;
    QVector<quint8> releases;
    for (const MacroEvent &e : events) {
        const int type = e.Map & 0x7F;
        if (type < 1 || type > 4)
            continue;
        if (e.Map & 0x80)
            presses.append(e.DataL);
        else
            releases.append(e.DataL);
    }
    if (releases.size() < presses.size())
        return false;
    for (const quint8 r : releases) {
        const int i = presses.indexOf(r);
        if (i >= 0)
            presses.remove(i);
    }
    return presses.isEmpty();
}
