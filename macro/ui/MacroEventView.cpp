#include "macro/ui/MacroEventView.h"

#include "macro/ui/MacroLibraryCommands.h"
#include "macro/ui/VornGunEditDialog.h"
#include "macro/ui/VornListItem.h"
#include "widgets/UiScale.h"

#include <QListWidget>

#include <algorithm>

MacroEventView::MacroEventView(QListWidget *list, MacroEventList *events, QWidget *page)
    : QObject(page), m_list(list), m_events(events), m_page(page)
{
    connect(m_events, &MacroEventList::reset, this, &MacroEventView::show);
    connect(m_events, &MacroEventList::rowChanged, this, [this](int i) {
        row(i)->setEvent(m_events->rows().at(i).event, m_events->rows().at(i).text);
    });
}

VornListItem *MacroEventView::row(int i) const
{
    return qobject_cast<VornListItem *>(m_list->itemWidget(m_list->item(i)));
}

void MacroEventView::show(int current)
{
    m_editRow = -1;
    const QSignalBlocker block(m_list);
    m_list->clear();
    for (const MacroRow &r : m_events->rows()) {
        auto *item = new QListWidgetItem(m_list);
        VornListItem::decorate(item, r.event);
        auto *widget = new VornListItem(r.event, r.text);
        connect(widget, &VornListItem::editApplied, this, [this, widget] {
            // The row has taken the typed delay; the macro takes it too.
            for (int i = 0; i < m_list->count(); ++i) {
                if (row(i) == widget)
                    m_events->replace(i, {widget->event(), widget->text()});
            }
            m_editRow = -1;
            m_list->setFocus();
        });
        m_list->setItemWidget(item, widget);
    }
    if (current >= 0 && current < m_list->count())
        m_list->setCurrentRow(current);
}

void MacroEventView::insert(const QVector<MacroRow> &rows)
{
    if (!m_events->insertAfter(m_list->currentRow(), rows))
        showMacroWarning(m_page, macroFullMessage());
}

// The selected rows in list order, else the current one.
QList<int> MacroEventView::selectedRows() const
{
    QList<int> selected;
    for (const QModelIndex &index : m_list->selectionModel()->selectedRows())
        selected << index.row();
    if (selected.isEmpty() && m_list->currentRow() >= 0)
        selected << m_list->currentRow();
    std::sort(selected.begin(), selected.end());
    return selected;
}

void MacroEventView::run(MacroPageControls::Control button)
{
    using C = MacroPageControls;
    const int current = m_list->currentRow();
    if (button == C::RowClear)
        return m_events->clear();
    if (button == C::RowPaste) {
        if (!m_events->paste(current))
            showMacroWarning(m_page, macroFullMessage());
        return;
    }
    if (m_events->size() == 0)
        return; // the other buttons need a row
    switch (button) {
    case C::InsertDelay:
        return insert({delayRow(10)});
    case C::RowDelete:
        return m_events->remove(selectedRows());
    case C::RowCopy:
    case C::RowCut:
        return m_events->copy(selectedRows(), button == C::RowCut);
    case C::RowTop:
        return m_events->move(current, 0);
    case C::RowBottom:
        return m_events->move(current, m_events->size() - 1);
    case C::RowUp:
    case C::RowDown:
        return m_events->move(current, current + (button == C::RowUp ? -1 : 1));
    default:
        return;
    }
}

void MacroEventView::endEdit()
{
    if (m_editRow >= 0 && m_editRow < m_list->count())
        row(m_editRow)->cancelEdit();
    m_editRow = -1;
}

void MacroEventView::edit(int i)
{
    VornListItem *r = row(i);
    if (!r)
        return;
    const MacroEvent e = m_events->rows().at(i).event;
    if ((e.Map & 0x7F) == kMacroDelay) {
        endEdit();
        m_editRow = i;
        r->startEdit();
    } else if (e.Map == kMacroMove) {
        int direction = 0;
        int distance = 0;
        macroMoveOf(e, &direction, &distance);
        VornGunEditDialog dialog(direction, distance, m_page, UiScale::factor());
        if (dialog.exec() != QDialog::Accepted)
            return;
        const MacroEvent move = ::mouseMoveEvent(dialog.direction(), dialog.distance());
        m_events->replace(i, {move, macroEventText(move)});
    }
}
