#include "macro/ui/VornListItem.h"

#include "macro/MacroLog.h"
#include "widgets/Skin.h"
#include "widgets/UiScale.h"
#include "widgets/VornLineEdit.h"

#include <QIntValidator>
#include <QLabel>
#include <QListWidgetItem>

VornListItem::VornListItem(const MacroEvent &event, const QString &text, QWidget *parent)
    : QWidget(parent), m_label(new QLabel(this)), m_edit(new VornLineEdit(this))
{
    m_label->setFont(UiScale::languageFont());
    m_label->setStyleSheet(QStringLiteral("color:rgb(255,255,255);background:transparent"));
    m_label->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_edit->setStyleSheet(QStringLiteral("color:black;background:white"));
    m_edit->setValidator(new QIntValidator(1, 99999, m_edit));
    m_edit->hide();
    connect(m_edit, &QLineEdit::returnPressed, this, &VornListItem::editPressSlot);
    connect(m_edit, &VornLineEdit::vornLostFocus, this, &VornListItem::lostFocusSlot);
    setEvent(event, text);
}

void VornListItem::setEvent(const MacroEvent &event, const QString &text)
{
    Map = event.Map;
    DataH = event.DataH;
    DataL = event.DataL;
    m_text = text;
    m_label->setText(text);
}

bool VornListItem::isEditing() const
{
    return !m_edit->isHidden();
}

void VornListItem::startEdit()
{
    m_label->hide();
    m_edit->setText(QString::number(delayMsOf(event())));
    m_edit->show();
    m_edit->setFocus();
    m_edit->end(false);
}

void VornListItem::cancelEdit()
{
    m_edit->hide();
    m_label->show();
}

void VornListItem::editPressSlot()
{
    const MacroEvent delay = delayEventFromMs(m_edit->text().toInt());
    setEvent(delay, macroEventText(delay));
    cancelEdit();
    emit editApplied();
}

void VornListItem::lostFocusSlot()
{
    qCDebug(lcMacro, "lostFocusSlot\n");
    if (!m_edit->isHidden())
        cancelEdit();
}

void VornListItem::resizeEvent(QResizeEvent *)
{
    m_label->setGeometry(rect());
    m_edit->setGeometry(0, 1, width() / 2, height() - 2);
}

QString VornListItem::iconFor(const MacroEvent &event)
{
    if (event.Map == kMacroKeyPress)
        return QStringLiteral("/skin/iconstart11.png");
    if (event.Map == kMacroKeyRelease)
        return QStringLiteral("/skin/iconstart21.png");
    if ((event.Map & 0x7F) == kMacroDelay)
        return QStringLiteral("/skin/icondelay.png");
    return QStringLiteral("/skin/mouse_move.png");
}

void VornListItem::decorate(QListWidgetItem *item, const MacroEvent &event)
{
    item->setIcon(QIcon(Skin::pixmap(iconFor(event))));
}
