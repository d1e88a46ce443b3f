#include "macro/ui/VornTreeWidget.h"

#include "macro/MacroFile.h"
#include "widgets/UiScale.h"

#include "widgets/StrictIntValidator.h"
#include <QCoreApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>

VornTreeItem::VornTreeItem(const QString &text, QWidget *parent)
    : QWidget(parent), m_label(new QLabel(text, this)), m_distance(new QLineEdit(this))
{
    m_label->setFont(UiScale::languageFont());
    m_label->setStyleSheet(QStringLiteral("color:white;background:transparent"));
    m_label->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_distance->setMaxLength(3);
    m_distance->setValidator(new StrictIntValidator(1, 120, m_distance));
    m_distance->setAlignment(Qt::AlignCenter);
    m_distance->setText(QStringLiteral("10"));
    m_distance->setStyleSheet(
        QStringLiteral("border:1px solid rgb(80,80,80);background:rgb(30,30,30);color:white"));
    setAttribute(Qt::WA_TransparentForMouseEvents, false);
}

void VornTreeItem::setText(const QString &text)
{
    m_label->setText(text);
}

QString VornTreeItem::text() const
{
    return m_label->text();
}

int VornTreeItem::distance() const
{
    return int(m_distance->text().toUInt());
}

void VornTreeItem::enterEvent(WidgetEnterEvent *event)
{
    emit MouseInSignal();
    QWidget::enterEvent(event);
}

void VornTreeItem::resizeEvent(QResizeEvent *)
{
    const int field = UiScale::scaled(36);
    m_label->setGeometry(0, 0, width() - field - 4, height());
    m_distance->setGeometry(width() - field - 4, 2, field, height() - 4);
}

VornTreeWidget::VornTreeWidget(QWidget *parent) : QTreeWidget(parent)
{
    setColumnCount(1);
    setFocusPolicy(Qt::NoFocus);
    setFont(UiScale::languageFont());
    header()->setFont(UiScale::languageFont());
    for (int i = 0; i < kButtonCount; ++i) {
        auto *item = new QTreeWidgetItem(this);
        new QTreeWidgetItem(item);
        new QTreeWidgetItem(item);
    }
    for (int i = 0; i < kMoveCount; ++i) {
        auto *item = new QTreeWidgetItem(this);
        m_moves[i] = new VornTreeItem(QString(), this);
        setItemWidget(item, 0, m_moves[i]);
    }
    retranslate();
}

void VornTreeWidget::retranslate()
{
    setHeaderLabel(QCoreApplication::translate("MacroDialog", "MOUSE COMMAND"));
    for (int i = 0; i < kButtonCount; ++i) {
        QTreeWidgetItem *item = topLevelItem(i);
        item->setText(0, mouseButtonName(i));
        item->child(0)->setText(0, QCoreApplication::translate("MacroDialog", "PRESS DOWN"));
        item->child(1)->setText(0, QCoreApplication::translate("MacroDialog", "BOUNCE UP"));
    }
    for (int i = 0; i < kMoveCount; ++i)
        m_moves[i]->setText(moveDirectionName(i));
}
