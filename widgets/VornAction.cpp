#include "widgets/VornAction.h"

#include "widgets/UiScale.h"

VornAction::VornAction(const QString &text, QObject *parent) : QAction(text, parent)
{
    setFont(UiScale::languageFont());
}
