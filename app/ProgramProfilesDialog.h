#pragma once

#include "store/ProgramRules.h"

#include <QDialog>
#include <QPixmap>

#include <functional>

class FrontWindow;
class QLabel;
class QPushButton;
class QTableWidget;
class VornCheckButton;
class VornLineEdit;
class VornMenu;

// Links programs to the mouse's modes: the rules of the current model, the
// mode for programs without a rule, and whether the mode follows the
// program in front at all. OK writes them to the product Config.ini.
class ProgramProfilesDialog final : public QDialog
{
    Q_OBJECT

public:
    // `front` lists the programs open now; may be null.
    ProgramProfilesDialog(const FrontWindow *front, QWidget *parent = nullptr);

    // The rules as the dialog shows them.
    ProgramRules rules() const;
    // Adds a rule for `program` in mode 1, or selects its row when it has
    // one; false when the name cannot be a rule's (or the list is full).
    bool addProgram(const QString &program);
    void removeSelected();
    void setDefaultMode(int mode); // 0: stay

    QTableWidget *table() const { return m_table; }
    VornMenu *openProgramsMenu() const { return m_openMenu; }

    void accept() override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void addRow(const ProgramRule &rule);
    QPushButton *modeButton(int mode, bool withStay, const std::function<void(int)> &chosen);
    void fillOpenPrograms();
    void placeWidgets();

    const FrontWindow *m_front;
    QPixmap m_background;
    QLabel *m_title;
    QLabel *m_note;
    VornCheckButton *m_enabled;
    QTableWidget *m_table;
    VornLineEdit *m_name;
    QPushButton *m_add;
    QPushButton *m_open;
    VornMenu *m_openMenu;
    QPushButton *m_remove;
    QLabel *m_defaultCaption;
    QPushButton *m_default;
    int m_defaultMode = 0;
};
