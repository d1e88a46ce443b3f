#pragma once

#include <QObject>

#include <array>

class QFont;
class QWidget;
class VornLabel;
class VornLineEdit;
class VornMenu;
class VornPushButton;

// The profile-file area of the window's left column: the "NAME" label, the
// name edit with the profile file button and its menu, the six commands
// (SAVE, LOAD, RESET, ADD, DELETE, COPY) and Reset All. Only the widgets:
// what the commands do is ProfileFileCommands'.
class ProfileArea final : public QObject
{
    Q_OBJECT

public:
    static constexpr int kCommandCount = 6;

    explicit ProfileArea(QWidget *window);

    VornLineEdit *nameEdit() const { return m_nameEdit; }
    VornPushButton *profileButton() const { return m_profileButton; }
    VornMenu *profileMenu() const { return m_profileMenu; }
    VornPushButton *command(int i) const { return m_commands[size_t(i)]; }
    VornPushButton *resetAllButton() const { return m_resetAllButton; }

    void place(double scale, const QFont &font);
    void retranslate();
    // The commands, Reset All and the profile file button.
    void setCommandsEnabled(bool enable);

private:
    VornMenu *m_profileMenu = nullptr;
    VornLineEdit *m_nameEdit = nullptr;
    VornPushButton *m_profileButton = nullptr;
    VornLabel *m_nameLabel = nullptr;
    std::array<VornPushButton *, kCommandCount> m_commands{};
    VornPushButton *m_resetAllButton = nullptr;
};
