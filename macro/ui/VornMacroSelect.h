#pragma once

#include "macro/ui/MacroChoice.h"

#include <QDialog>
#include <QPixmap>

#include <optional>

class QAbstractButton;
class QLabel;
class QLineEdit;
class QPushButton;
class VornCheckButton;
class VornMenu;

// Picks a macro (or gun file) of the library for a button, with the loop
// mode the mouse plays it in: 0 a number of runs, 1 while the button is
// held, 2 until the button is pressed again.
class VornMacroSelect : public QDialog
{
    Q_OBJECT

public:
    VornMacroSelect(const QString &title, const QString &name, int loopCount, int loopType,
                    QWidget *parent = nullptr, Qt::WindowFlags flags = Qt::FramelessWindowHint);

    // The button panel's chooser: runs the dialog for a button holding
    // `current` and gives the choice, or nothing when it was declined. Gun
    // files are macros of the same library, so both list all of it.
    static std::optional<MacroChoice> choose(QWidget *parent, const QString &title,
                                             const MacroChoice &current, bool gunFile);

    QString macroName() const { return m_name; }
    void setMacroName(const QString &name);
    int loopType() const;
    void setLoopType(int type);
    int loopCount() const;

    QPushButton *nameButton() const { return m_nameButton; }
    VornMenu *nameMenu() const { return m_menu; }
    VornCheckButton *loopButton(int type) const { return m_loops[type]; }
    QLineEdit *loopCountEdit() const { return m_count; }
    // The sentence under the name when the mouse would drop the macro's
    // tail; empty otherwise.
    QString warning() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_name;
    QPixmap m_background;
    QLabel *m_title;
    QPushButton *m_nameButton;
    VornMenu *m_menu;
    VornCheckButton *m_loops[3] = {};
    QLineEdit *m_count;
    QLabel *m_warning;
    QAbstractButton *m_yes = nullptr; // only with a macro chosen
};
