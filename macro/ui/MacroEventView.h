#pragma once

#include "macro/MacroEventList.h"
#include "macro/ui/MacroPageLayout.h"

#include <QObject>

class QListWidget;
class QWidget;
class VornListItem;

// The event list of the macro page showing the macro being edited: one
// VornListItem per row, the row buttons on the current row or the
// selection, and the edits of one row (a delay in place, a move in the
// move editor). Refused additions (63 events) are shown to the user.
class MacroEventView : public QObject
{
    Q_OBJECT

public:
    MacroEventView(QListWidget *list, MacroEventList *events, QWidget *page);

    VornListItem *row(int i) const;
    // Inserts after the current row, which the last inserted row becomes.
    void insert(const QVector<MacroRow> &rows);
    // INSERT DELAY and the buttons under the list.
    void run(MacroPageControls::Control button);

    // The row whose delay is edited in place (-1: none).
    int editRow() const { return m_editRow; }
    void forgetEdit() { m_editRow = -1; }
    // Leaves the in-place edit without applying it.
    void endEdit();
    // A delay row is edited in place; a move opens the move editor.
    void edit(int row);

private:
    void show(int current);
    QList<int> selectedRows() const;

    QListWidget *m_list;
    MacroEventList *m_events;
    QWidget *m_page;
    int m_editRow = -1;
};
