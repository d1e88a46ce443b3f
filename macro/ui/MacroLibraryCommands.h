#pragma once

#include "macro/MacroFile.h"
#include "macro/ui/MacroPageLayout.h"

#include <QObject>
#include <QStringList>

#include <functional>

class QLineEdit;
class QListWidget;
class QWidget;

// A modal message of the macro page: kind 2 (Ok) unless told otherwise,
// headed "Warning" unless `heading` is given.
void showMacroWarning(QWidget *parent, const QString &text, int kind = 2,
                      const QString &heading = QString());

// The library side of the macro page: the list of macro names (plain, or
// with check boxes in batch mode) and the commands NEW, DELETE, CHANGE
// NAME, IMPORT, EXPORT, BATCH and GUN SET. The rules and the file work
// live in macro/MacroLibrary; this class asks the user and keeps the list.
// The editor side answers its signals.
class MacroLibraryCommands : public QObject
{
    Q_OBJECT

public:
    MacroLibraryCommands(QWidget *page, QListWidget *list, QLineEdit *nameEdit);

    // The list from the library, `select` current when listed, else the
    // row that was current.
    void fillList(const QString &select = QString());
    QString selected() const;
    // The macro the editor shows, and the name field with it.
    QString current() const { return m_current; }
    void setCurrent(const QString &name);
    bool isBatch() const { return m_batch; }

    // Runs the command of a library button; false for other buttons.
    bool run(MacroPageControls::Control button);
    void newMacro();
    void deleteMacro();
    void changeName();
    void importMacros();
    void exportMacros();
    void toggleBatch();
    void runGunSet();
    // The gun-set dialog's result joins the library under a free name,
    // with record delays on, and becomes the current macro.
    void addGunFile(const QString &wanted, const QVector<MacroEvent> &events);

    // File dialogs, answered by tests through this hook: it receives the
    // kind and returns the chosen paths (empty: cancelled).
    enum FileDialog { OpenOne, OpenMany, SaveOne, ChooseFolder };
    using FileDialogHook = std::function<QStringList(FileDialog)>;
    static void setFileDialogHook(FileDialogHook hook);

signals:
    // The editor shows this macro from its file.
    void loadRequested(const QString &name);
    // A new macro starts: empty rows, default fields, and the options of
    // `delayType` (record delays on for 1, all off for 0).
    void freshMacro(int delayType);
    void batchChanged(bool on);

private:
    bool refuseFullLibrary();
    QStringList askFiles(FileDialog kind);
    QStringList runFileDialog(FileDialog kind);

    QWidget *m_page;
    QListWidget *m_list;
    QLineEdit *m_nameEdit;
    QString m_current;
    bool m_batch = false;
};
