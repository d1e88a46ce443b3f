#pragma once

#include "widgets/QtCompat.h"

#include <QTreeWidget>

class QLabel;
class QLineEdit;

// A move command of the mouse-command list: its name and the distance
// field beside it (1-120).
class VornTreeItem : public QWidget
{
    Q_OBJECT

public:
    explicit VornTreeItem(const QString &text, QWidget *parent = nullptr);

    void setText(const QString &text);
    QString text() const;
    QLineEdit *distanceEdit() const { return m_distance; }
    // The field read as an unsigned number; 0 when empty.
    int distance() const;

signals:
    void MouseInSignal();

protected:
    void enterEvent(WidgetEnterEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QLabel *m_label;
    QLineEdit *m_distance;
};

// The mouse-command list: five buttons with "PRESS DOWN" and "BOUNCE UP",
// then the four moves.
class VornTreeWidget : public QTreeWidget
{
    Q_OBJECT

public:
    enum { kButtonCount = 5, kMoveCount = 4 };

    explicit VornTreeWidget(QWidget *parent = nullptr);

    // Top-level item i: 0-4 the buttons, 5-8 the moves.
    QTreeWidgetItem *command(int i) const { return topLevelItem(i); }
    VornTreeItem *move(int direction) const { return m_moves[direction]; }

    void retranslate();

private:
    VornTreeItem *m_moves[kMoveCount] = {};
};
