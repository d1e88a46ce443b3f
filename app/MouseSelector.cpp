#include "app/MouseSelector.h"

#include "widgets/DesignLayout.h"
#include "widgets/Skin.h"
#include "widgets/UiScale.h"
#include "widgets/VornAction.h"
#include "widgets/VornMenu.h"
#include "widgets/VornPushButton.h"

MouseSelector::MouseSelector(QWidget *window) : QObject(window)
{
    m_button = new VornPushButton(Skin::buttonImages("dropdown"), window);
    m_button->setObjectName(QStringLiteral("mouseSelector"));
    m_menu = new VornMenu(window);
    connect(m_menu, &QMenu::triggered, this, &MouseSelector::mouseChosen);
}

void MouseSelector::setNames(const QStringList &names, const QString &current)
{
    m_names = names;
    m_menu->clear();
    if (names.size() <= 1) {
        m_button->hide();
        return;
    }
    for (const QString &name : names)
        m_menu->addAction(new VornAction(name, m_menu));
    m_button->setMenu(m_menu);
    m_button->setText(current);
    m_button->show();
}

void MouseSelector::showCurrent(const QString &name)
{
    m_button->setText(name);
}

void MouseSelector::place(double scale, const QFont &font)
{
    // With its menu the selector is 150 wide; it grows to the left so that
    // it does not run under the language button.
    QRect r = DesignLayout::kMouseSelector;
    if (m_button->menu())
        r.setLeft(DesignLayout::kMouseSelector.right() + 1 - 150);
    m_button->setGeometry(UiScale::scaled(r, scale));
    m_button->setFont(font);
    m_menu->setFont(font);
}
