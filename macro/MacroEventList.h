#pragma once

#include "macro/MacroFile.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QVector>

// One row the editor shows: the event and its text.
struct MacroRow
{
    MacroEvent event;
    QString text;
};

// A delay row of `ms` milliseconds, shown as the mouse will play it.
MacroRow delayRow(int ms);
// A delay row of the default-delay field's value, shown as typed.
MacroRow defaultDelayRow(const QString &defaultDelayText);

// The macro being edited: its rows, the delay type that decides which
// delay rows follow an inserted command, and the rows COPY or CUT took.
// Rows are placed by the list's current row (-1: none), as the editor's
// list shows it; the list shows what `reset` and `rowChanged` announce.
// Every addition keeps the macro within its 63 events, all or nothing.
class MacroEventList : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    const QVector<MacroRow> &rows() const { return m_rows; }
    QVector<MacroEvent> events() const;
    int size() const { return m_rows.size(); }

    int delayType() const { return m_delayType; }
    // Types other than 0-2 (a damaged file) count as 0.
    void setDelayType(int type);
    // The commands with the delay rows the delay type adds after each.
    QVector<MacroRow> withDelays(const QVector<MacroEvent> &commands,
                                 const QString &defaultDelayText) const;

    void setRows(const QVector<MacroRow> &rows, int current = -1);
    void clear() { setRows({}); }
    // Inserts after `current` (at the end when -1); the last inserted row
    // becomes current. False, nothing inserted, when the rows do not fit.
    bool insertAfter(int current, const QVector<MacroRow> &added);
    // Removes the rows (in list order); the row at the first one's place
    // becomes current.
    void remove(const QList<int> &selected);
    // Moves a row to another place, where it becomes current; out of range
    // does nothing.
    void move(int from, int to);
    void copy(const QList<int> &selected, bool cut);
    bool paste(int current) { return insertAfter(current, m_clipboard); }
    void replace(int row, const MacroRow &with);
    // Row texts in the current language; delay rows keep theirs, which may
    // be the default-delay field's.
    void retranslate();

    // A recording step: takes back the `retract` rows before `at` (the end
    // when -1), then inserts `added` there. Returns where the next step
    // inserts (-1 stays -1). The recorder bounds the rows itself.
    int record(int at, int retract, const QVector<MacroRow> &added);

signals:
    // The rows changed as a whole; `current` is the row to make current.
    void reset(int current);
    void rowChanged(int row);

private:
    QVector<MacroRow> m_rows;
    QVector<MacroRow> m_clipboard;
    int m_delayType = kNoDelays;
};
