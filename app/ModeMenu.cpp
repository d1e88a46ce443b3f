#include "app/ModeMenu.h"

#include "store/ModelTable.h"
#include "widgets/Skin.h"
#include "widgets/VornAction.h"
#include "widgets/VornMenu.h"
#include "widgets/VornPushButton.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

QString modeName(int index)
{
    return QCoreApplication::translate("MousecfgWidget", "Mode") +
           QStringLiteral(" %1").arg(index + 1);
}

QString programProfilesName()
{
    return QCoreApplication::translate("MousecfgWidget", "Program Profiles");
}

} // namespace

ModeMenu::ModeMenu(QWidget *window) : QObject(window)
{
    m_button = new VornPushButton(Skin::buttonImages("dropdown"), window);
    m_button->setObjectName(QStringLiteral("modeButton"));
    m_menu = new VornMenu(window);
}

void ModeMenu::rebuild(const QString &product)
{
    // Our actions go first: clearing the menu deletes the actions it owns.
    for (VornAction *&action : m_actions) {
        delete action;
        action = nullptr;
    }
    delete m_programs;
    m_programs = nullptr;
    m_menu->clear();
    const int count = std::min(onBoardProfileCount(product), kModeCount);
    for (int i = 0; i < count; ++i) {
        auto *action = new VornAction(modeName(i), m_menu);
        m_menu->addAction(action);
        connect(action, &QAction::triggered, this, [this, i] { emit modeTriggered(i); });
        m_actions[size_t(i)] = action;
    }
    m_menu->addSeparator();
    m_programs = new VornAction(programProfilesName(), m_menu);
    m_programs->setObjectName(QStringLiteral("programProfilesAction"));
    m_menu->addAction(m_programs);
    connect(m_programs, &QAction::triggered, this, &ModeMenu::programProfilesRequested);
}

bool ModeMenu::hasMode(int index) const
{
    return index >= 0 && index < kModeCount && m_actions[size_t(index)];
}

int ModeMenu::actionCount() const
{
    int count = 0;
    for (VornAction *a : m_actions)
        count += a ? 1 : 0;
    return count;
}

void ModeMenu::showMode(int index)
{
    if (hasMode(index))
        m_button->setText(m_actions[size_t(index)]->text());
    m_button->update();
}

void ModeMenu::retranslate()
{
    for (int i = 0; i < kModeCount; ++i) {
        if (m_actions[size_t(i)])
            m_actions[size_t(i)]->setText(modeName(i));
    }
    if (m_programs)
        m_programs->setText(programProfilesName());
}
