#include "app/WindowTray.h"

#include "widgets/Skin.h"
#include "widgets/VornMenu.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QIcon>
#include <QMenu>
#include <QWidget>

WindowTray::WindowTray(QWidget *window) : QObject(window), m_window(window)
{
    const QIcon icon(Skin::path(QStringLiteral("/skin/icon.ico")));
    m_loadConfigAction = new QAction(this);
    connect(m_loadConfigAction, &QAction::triggered, this, &WindowTray::loadConfigRequested);
    m_programProfilesAction = new QAction(this);
    connect(m_programProfilesAction, &QAction::triggered, this,
            &WindowTray::programProfilesRequested);
    m_quitAction = new QAction(this);
    connect(m_quitAction, &QAction::triggered, qApp, &QCoreApplication::quit);
    m_menu = new VornMenu(window); // the window's menu style, not the desktop's
    m_menu->addAction(m_loadConfigAction);
    m_menu->addAction(m_programProfilesAction);
    m_menu->addAction(m_quitAction);
    m_icon = new QSystemTrayIcon(this);
    m_icon->setContextMenu(m_menu);
    connect(m_icon, &QSystemTrayIcon::activated, this, &WindowTray::activated);
    window->setWindowIcon(icon);
    m_icon->setIcon(icon);
    m_icon->setToolTip(QStringLiteral("KORVALEN Gaming Mouse"));
    m_icon->setVisible(true);
    retranslate();
}

bool WindowTray::available()
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void WindowTray::closeWindow()
{
    if (available())
        m_window->hide();
    else
        QCoreApplication::quit(); // nowhere to hide to
}

void WindowTray::handleCloseEvent(QCloseEvent *event)
{
    if (available()) {
        event->ignore();
        m_window->hide();
    } else {
        event->accept();
        QCoreApplication::quit();
    }
}

void WindowTray::putAway()
{
    if (available())
        m_window->hide();
    else
        m_window->showMinimized();
}

void WindowTray::retranslate()
{
    // The texts belong to the window's translation context.
    m_loadConfigAction->setText(QCoreApplication::translate("MousecfgWidget", "&Load Config"));
    m_programProfilesAction->setText(
        QCoreApplication::translate("MousecfgWidget", "Program Profiles"));
    m_quitAction->setText(QCoreApplication::translate("MousecfgWidget", "&Quit"));
}
