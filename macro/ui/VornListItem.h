#pragma once

#include "macro/MacroFile.h"

#include <QWidget>

class QListWidgetItem;
class QLabel;
class VornLineEdit;

// One row of the macro editor's event list: the event, its text, and a
// field that edits a delay in place.
class VornListItem : public QWidget
{
    Q_OBJECT

public:
    VornListItem(const MacroEvent &event, const QString &text, QWidget *parent = nullptr);

    MacroEvent event() const { return MacroEvent{Map, DataH, DataL}; }
    QString text() const { return m_text; }
    void setEvent(const MacroEvent &event, const QString &text);

    bool isEditing() const;
    // Shows the delay in ms in the field, focused, cursor at the end.
    void startEdit();
    // Leaves edit mode without applying the field.
    void cancelEdit();
    VornLineEdit *editor() const { return m_edit; }

    // The icon a row of this event shows.
    static QString iconFor(const MacroEvent &event);
    static void decorate(QListWidgetItem *item, const MacroEvent &event);

    quint8 Map = 0;
    quint8 DataH = 0;
    quint8 DataL = 0;

signals:
    // A delay edit was applied; the owner gives the list the focus back.
    void editApplied();

public slots:
    void editPressSlot();
    void lostFocusSlot();

protected:
    // event() above names the macro event; QWidget's event handler stays.
    using QWidget::event;
    void resizeEvent(QResizeEvent *event) override;

private:
    QString m_text;
    // A plain label: the row's selection colour shows through it.
    QLabel *m_label;
    VornLineEdit *m_edit;
};
