#include "widgets/VornMenu.h"

#include "widgets/Skin.h"
#include "widgets/UiScale.h"

#include <QPushButton>

VornMenu::VornMenu(QWidget *parent) : QMenu(parent)
{
    setFont(UiScale::languageFont());
    setStyleSheet(Skin::menuStyleSheet());
    // A drop-down list is at least as wide as the button that opens it
    // (set before the menu measures itself for the popup).
    connect(this, &QMenu::aboutToShow, this, [this] {
        if (!parentWidget())
            return;
        const auto buttons = parentWidget()->findChildren<QPushButton *>();
        for (QPushButton *button : buttons) {
            if (button->menu() == this) {
                setMinimumWidth(button->width());
                return;
            }
        }
    });
}
