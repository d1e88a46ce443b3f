#include "widgets/VornLineEdit.h"

#include "widgets/UiScale.h"

VornLineEdit::VornLineEdit(QWidget *parent) : QLineEdit(parent)
{
    setFont(UiScale::languageFont());
}

void VornLineEdit::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    emit vornLostFocus();
}
