#include "macro/MacroEventList.h"

MacroRow delayRow(int ms)
{
    const MacroEvent delay = delayEventFromMs(ms);
    return {delay, macroEventText(delay)};
}

MacroRow defaultDelayRow(const QString &defaultDelayText)
{
    return {delayEventFromMs(defaultDelayText.toInt()), defaultDelayText + QStringLiteral(" ms")};
}

QVector<MacroEvent> MacroEventList::events() const
{
    QVector<MacroEvent> events;
    for (const MacroRow &r : m_rows)
        events << r.event;
    return events;
}

void MacroEventList::setDelayType(int type)
{
    m_delayType = type >= kNoDelays && type <= kDefaultDelays ? type : kNoDelays;
}

QVector<MacroRow> MacroEventList::withDelays(const QVector<MacroEvent> &commands,
                                             const QString &defaultDelayText) const
{
    QVector<MacroRow> out;
    for (const MacroEvent &e : commands) {
        out << MacroRow{e, macroEventText(e)};
        if (m_delayType == kRecordDelays)
            out << delayRow(10);
        else if (m_delayType == kDefaultDelays)
            out << defaultDelayRow(defaultDelayText);
    }
    return out;
}

void MacroEventList::setRows(const QVector<MacroRow> &rows, int current)
{
    m_rows = rows;
    emit reset(current);
}

bool MacroEventList::insertAfter(int current, const QVector<MacroRow> &added)
{
    if (added.isEmpty())
        return true;
    if (!macroHasRoom(m_rows.size(), added.size()))
        return false;
    const int at = current < 0 ? m_rows.size() : current + 1;
    for (int i = 0; i < added.size(); ++i)
        m_rows.insert(at + i, added.at(i));
    emit reset(at + added.size() - 1);
    return true;
}

void MacroEventList::remove(const QList<int> &selected)
{
    if (selected.isEmpty())
        return;
    QVector<MacroRow> kept;
    for (int i = 0; i < m_rows.size(); ++i) {
        if (!selected.contains(i))
            kept << m_rows.at(i);
    }
    setRows(kept, qMin(selected.first(), kept.size() - 1));
}

void MacroEventList::move(int from, int to)
{
    if (from < 0 || from >= m_rows.size() || to < 0 || to >= m_rows.size() || to == from)
        return;
    m_rows.move(from, to);
    emit reset(to);
}

void MacroEventList::copy(const QList<int> &selected, bool cut)
{
    m_clipboard.clear();
    for (int i : selected)
        m_clipboard << m_rows.at(i);
    if (cut)
        remove(selected);
}

void MacroEventList::replace(int row, const MacroRow &with)
{
    if (row < 0 || row >= m_rows.size())
        return;
    m_rows[row] = with;
    emit rowChanged(row);
}

void MacroEventList::retranslate()
{
    for (int i = 0; i < m_rows.size(); ++i) {
        if ((m_rows.at(i).event.Map & 0x7F) != kMacroDelay)
            replace(i, {m_rows.at(i).event, macroEventText(m_rows.at(i).event)});
    }
}

int MacroEventList::record(int at, int retract, const QVector<MacroRow> &added)
{
    if (retract <= 0 && added.isEmpty())
        return at;
    int end = at < 0 ? m_rows.size() : qMin(at, int(m_rows.size()));
    m_rows.remove(end - retract, retract);
    end -= retract;
    for (const MacroRow &r : added)
        m_rows.insert(end++, r);
    emit reset(end - 1);
    return at < 0 ? -1 : end;
}
