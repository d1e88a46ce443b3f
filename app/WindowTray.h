#pragma once

#include <QObject>
#include <QSystemTrayIcon>

class QAction;
class QCloseEvent;
class QMenu;
class QWidget;

// The notification-area icon of the window and the one place that decides
// where the window goes when it is closed or put away. With a notification
// area the window hides into it; without one (GNOME without an extension,
// bare window managers) it must never become unreachable, so closing ends
// the program and putting away minimizes.
class WindowTray final : public QObject
{
    Q_OBJECT

public:
    // Builds the icon with its menu ("&Load Config", "Program Profiles",
    // "&Quit") for window.
    explicit WindowTray(QWidget *window);

    static bool available();

    // The close button and the window's close event.
    void closeWindow();
    void handleCloseEvent(QCloseEvent *event);
    // Where the window is put away (Cancel, the warning box).
    void putAway();

    void retranslate();

signals:
    void activated(QSystemTrayIcon::ActivationReason reason);
    void loadConfigRequested();
    void programProfilesRequested();

private:
    QWidget *m_window;
    QSystemTrayIcon *m_icon = nullptr;
    QMenu *m_menu = nullptr;
    QAction *m_loadConfigAction = nullptr;
    QAction *m_programProfilesAction = nullptr;
    QAction *m_quitAction = nullptr;
};
