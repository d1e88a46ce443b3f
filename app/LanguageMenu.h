#pragma once

#include <QObject>

#include <array>

class QTranslator;
class QWidget;
class VornAction;
class VornMenu;
class VornPushButton;

// The interface language: the translator, the language button with its
// menu of three languages, and "Config/LangID". Index 0 English, 1
// Simplified Chinese, 2 Traditional Chinese.
class LanguageMenu final : public QObject
{
    Q_OBJECT

public:
    // Reads "Config/LangID" and installs its translation.
    explicit LanguageMenu(QObject *parent);

    // Builds the button and its menu as children of the window.
    void createButton(QWidget *window);
    VornPushButton *button() const { return m_button; }
    VornMenu *menu() const { return m_menu; }
    int index() const { return m_index; }

    // Loads the language into the translator, stores the index and writes
    // "Config/LangID"; emits changed() when the file loaded.
    void setLanguage(int index);
    // The button shows the current language's name.
    void refreshButton();

signals:
    void changed();

private:
    void onAction();

    QTranslator *m_translator = nullptr;
    int m_index = 0;
    VornPushButton *m_button = nullptr;
    VornMenu *m_menu = nullptr;
    std::array<VornAction *, 3> m_actions{};
};
