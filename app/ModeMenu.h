#pragma once

#include <QObject>

#include <array>

class QWidget;
class VornAction;
class VornMenu;
class VornPushButton;

// The mode (on-board profile) selector: a button that shows the current
// mode and opens a menu with one action per mode the model has, and below
// them the entry of the program profiles.
class ModeMenu final : public QObject
{
    Q_OBJECT

public:
    static constexpr int kModeCount = 5;

    explicit ModeMenu(QWidget *window);

    VornPushButton *button() const { return m_button; }
    VornMenu *menu() const { return m_menu; }

    // One action per mode of this product.
    void rebuild(const QString &product);
    bool hasMode(int index) const;
    int actionCount() const;
    // The button shows mode index's name (when the model has it).
    void showMode(int index);
    void retranslate();

signals:
    // A mode was picked from the menu.
    void modeTriggered(int index);
    void programProfilesRequested();

private:
    VornPushButton *m_button = nullptr;
    VornMenu *m_menu = nullptr;
    std::array<VornAction *, kModeCount> m_actions{};
    VornAction *m_programs = nullptr;
};
