#include "app/LanguageMenu.h"

#include "store/ConfigFile.h"
#include "widgets/Skin.h"
#include "widgets/UiScale.h"
#include "widgets/VornAction.h"
#include "widgets/VornMenu.h"
#include "widgets/VornPushButton.h"

#include <QCoreApplication>
#include <QTranslator>

namespace {

const char *const kLanguageFiles[] = {"/lang/en.qm", "/lang/sc.qm", "/lang/tc.qm"};
// Each language is named in its own script, untranslated.
const char *const kLanguageNames[] = {"English", "简体中文", "繁體中文"};

bool validIndex(int index)
{
    return index >= 0 && index < 3;
}

} // namespace

LanguageMenu::LanguageMenu(QObject *parent) : QObject(parent)
{
    m_index = readLangId();
    UiScale::setLanguageIndex(m_index);
    m_translator = new QTranslator(this);
    if (validIndex(m_index) &&
        m_translator->load(Skin::path(QLatin1String(kLanguageFiles[m_index]))))
        QCoreApplication::installTranslator(m_translator);
}

void LanguageMenu::createButton(QWidget *window)
{
    m_menu = new VornMenu(window);
    for (int i = 0; i < 3; ++i) {
        m_actions[size_t(i)] = new VornAction(QString::fromUtf8(kLanguageNames[i]), m_menu);
        m_menu->addAction(m_actions[size_t(i)]);
        connect(m_actions[size_t(i)], &QAction::triggered, this, &LanguageMenu::onAction);
    }
    m_button = new VornPushButton(Skin::buttonImages("dropdown"), window);
    m_button->setObjectName(QStringLiteral("languageButton"));
    m_button->setMenu(m_menu);
}

void LanguageMenu::onAction()
{
    int index = -1;
    for (int i = 0; i < 3; ++i) {
        if (sender() == m_actions[size_t(i)])
            index = i;
    }
    if (index < 0) {
        refreshButton();
        writeLangId(m_index);
        return;
    }
    setLanguage(index);
}

void LanguageMenu::setLanguage(int index)
{
    const bool loaded =
        validIndex(index) && m_translator->load(Skin::path(QLatin1String(kLanguageFiles[index])));
    m_index = index;
    UiScale::setLanguageIndex(index);
    refreshButton();
    writeLangId(index);
    if (loaded) {
        QCoreApplication::installTranslator(m_translator);
        emit changed();
    }
}

void LanguageMenu::refreshButton()
{
    if (m_button && validIndex(m_index))
        m_button->setText(m_actions[size_t(m_index)]->text());
}
