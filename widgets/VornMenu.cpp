#include "widgets/VornMenu.h"

#include "widgets/Skin.h"
#include "widgets/UiScale.h"

VornMenu::VornMenu(QWidget *parent) : QMenu(parent)
{
    setFont(UiScale::languageFont());
    setStyleSheet(Skin::menuStyleSheet());
}
