#pragma once

#include <QObject>
#include <QStringList>

#include <functional>

class QWidget;
class VornLineEdit;
class VornMenu;
class VornPushButton;

// The commands of the window's profile area: choose a profile file for the
// current mode from the profile file menu, ADD, DELETE, COPY, rename (Enter
// in the name edit), SAVE (export), LOAD (import), RESET and Reset All.
// The rules and the file work live in store/ProfileLibrary; this class asks
// the user and updates the window. A command that fails or is refused
// leaves the list, the names and the files as they were.
class ProfileFileCommands : public QObject
{
    Q_OBJECT

public:
    // In the order of the window's command buttons.
    enum Command { Save, Load, Reset, Add, Delete, Copy };

    ProfileFileCommands(QWidget *window, VornLineEdit *nameEdit, VornPushButton *menuButton,
                        VornMenu *menu);

    // The saved-profile list of the current product.
    const QStringList &list() const { return m_list; }
    void reloadList();
    // The list as the file holds it now, after another program changed it.
    void refreshList();
    // One action per list entry, in list order, with no upper limit; the
    // menu scrolls when it is taller than the screen.
    void rebuildMenu();

    void run(Command command);
    void choose(int index);
    void addProfile();
    void deleteProfile();
    void copyProfile();
    void renameProfile();
    void exportProfile();
    void importProfile();
    void resetProfile();
    void resetAllProfiles();

    // The file dialogs (tests answer them instead): caption, filter -> path.
    using FileDialog = std::function<QString(const QString &caption, const QString &filter)>;
    void setFileDialogs(FileDialog save, FileDialog open);

signals:
    // The panels are to write their edits into the current mode's record
    // now: another file is about to take its place.
    void collectRequested();
    // The store's records changed: the panels take them again.
    void recordsChanged();
    // Every text is set again (the profile names shown changed).
    void textsChanged();
    // Save and send the store with the progress dialog; LOAD's runs
    // without its thread.
    void uploadRequested(bool threaded);

private:
    int warn(const QString &text, bool ask = false);
    bool refuseName(const QString &name);
    QStringList otherModesNames() const;
    bool otherModeUses(const QString &name) const;
    bool commitList(const QStringList &list);
    void showCurrentName();
    void reportUnsafeStoreNames();
    bool keepLeavingRecord();

    QWidget *m_window;
    VornLineEdit *m_nameEdit;
    VornPushButton *m_menuButton;
    VornMenu *m_menu;
    QStringList m_list;
    FileDialog m_saveDialog;
    FileDialog m_openDialog;
};
