#pragma once

#include <QObject>
#include <QStringList>

class QAction;
class QFont;
class QWidget;
class VornMenu;
class VornPushButton;

// The mouse selector beside the language button: shown only while more
// than one supported mouse is connected, with a menu of their names.
class MouseSelector final : public QObject
{
    Q_OBJECT

public:
    explicit MouseSelector(QWidget *window);

    VornPushButton *button() const { return m_button; }
    const QStringList &names() const { return m_names; }

    // The connected mice changed; current is the one the window shows.
    void setNames(const QStringList &names, const QString &current);
    void showCurrent(const QString &name);
    void place(double scale, const QFont &font);

signals:
    void mouseChosen(QAction *action);

private:
    VornPushButton *m_button = nullptr;
    VornMenu *m_menu = nullptr;
    QStringList m_names;
};
