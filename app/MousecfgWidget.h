#pragma once

#include <QPixmap>
#include <QPointer>
#include <QStringList>
#include <QSystemTrayIcon>
#include <QWidget>

#include "app/PanelSet.h"
#include "app/WindowBackground.h"

#include <QHash>

#include <array>
#include <functional>

class DeviceSession;
class LanguageMenu;
class ModeMenu;
class MouseView;
class ProfileFileCommands;
class QLabel;
class QTranslator;
class VornAction;
class VornLabel;
class VornLineEdit;
class VornMenu;
class VornPushButton;
class WindowTray;

// The one top-level window: the mouse picture with its button markers, the
// mode (on-board profile) selector, the tabs that host the settings panels,
// the profile-file commands, and the device connection with its reader
// threads and reload sequences.
class MousecfgWidget : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kModeCount = 5;
    static constexpr int kMarkersPerGroup = 20;
    static constexpr int kScrollMarkers = 2;
    static constexpr int kSizeClasses = 17;
    enum Tab { TabLighting = 0, TabCustomize = 1, TabDpi = 2, TabMacro = 3 };

    explicit MousecfgWidget(QWidget *parent = nullptr);
    ~MousecfgWidget() override;

    int connectedCount() const { return m_connectedCount; }
    // Started into the tray: the window stays hidden until it is asked for.
    void stayInTray() { m_stayInTray = true; }
    int sizeClass() const { return m_iDpiVal; }
    double scaleFactor() const { return m_scale; }
    int currentTab() const { return m_currentTab; }
    bool frontView() const;
    int currentGroup() const;
    int savedGroup() const;
    int selectedMarker(int group) const;
    int languageIndex() const;
    int modeActionCount() const;
    QString modeButtonText() const;
    bool readersRunning() const;

    void selectMode(int index, bool loadFile);
    void loadPanels();
    void collectPanels();
    void switchTab(int index);
    void setFrontView(bool front);
    void selectButtonMarker(int iBtn, int iType);
    void buildModeMenu();
    void retranslate();
    void setLanguage(int index);

    static int resizeClass(int screenClass, int previousClass, const QSize &current,
                           const QSize &designed)
    {
        return WindowBackground::resizeClass(screenClass, previousClass, current, designed);
    }
    const QPixmap &background(int sizeClass) { return m_background.pixmap(sizeClass); }

    // The widgets by role, for tests and the panels.
    VornPushButton *tabButton(int i) const { return m_tabs[size_t(i)]; }
    VornPushButton *marker(int group, int i) const;
    QLabel *frontPicture() const;
    QLabel *sidePicture() const;
    VornPushButton *frontButton() const;
    VornPushButton *sideButton() const;
    VornPushButton *mouseSelector() const { return m_mouseSelector; }
    VornLineEdit *nameEdit() const { return m_nameEdit; }
    VornMenu *modeMenu() const { return m_modeMenu; }
    const PanelSet &panelSet() const { return m_panelSet; }
    ProfileFileCommands *profileFiles() const { return m_profileFiles; }

    // Saves the store and sends it to the mouse behind the progress dialog;
    // without the thread the update starts 100 ms after the dialog is up.
    void uploadWithProgress(bool threaded = true);

public slots:
    void iconActivated(QSystemTrayIcon::ActivationReason reason);
    void SelBtnChanged(quint8 iBtn, quint8 iType);
    void slotGotoMacro(quint8 index);
    void slot_show_profilename(QAction *action);
    void slot_show_mousename(QAction *action);
    void slotPopOneClickBox();
    void OnProfileMenuCheck(QWidget *item);
    void slotEnableButtons(bool bEnable);
    void slotProfileNameChange();
    void slotRefreshProfile(quint8 iProfile);
    void slotRefreshDPIStage(quint8 iDPI);
    void slotRefreshLightMode(quint8 iBuff1, quint8 iBuff2);
    void slotRefreshRate(quint8 iRate);
    void slotRefreshLift(quint8 iLift);
    void slotWarning();
    void slotWarnClose();

signals:
    // The lighting panel selects this effect (issued by the mouse's own
    // lighting button).
    void lightModeSelected(int index);
    // The mouse switched DPI stage, report rate or lift-off by itself; the
    // store already holds the new value.
    void dpiStageRefreshed(quint8 stage);
    void pollRateRefreshed(quint8 rate);
    void liftRefreshed(quint8 lift);
    // A front or scroll marker was clicked: the button panel shows that
    // button (group 0 front, 2 scroll).
    void markerClicked(int index, int group);
    // The view changed: the button panel follows with the selected button
    // of the current group.
    void viewChanged(bool front, int index, int group);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool nativeEvent(const QByteArray &eventType, void *message, long *result) override;

private slots:
    void slotButtonClicked();
    void onModeAction(int index);
    void onLastMouseRemoved();
    void onActiveMouseRemoved(const QString &productName);
    void onDeviceListRefreshed(const QStringList &names);

private:
    void buildChrome();
    void layoutChildren();
    void place(QWidget *widget, const QRect &design);
    void applySizeClass(int sizeClass);
    void loadMousePictures();
    void clearMarkerState();
    void showCurrentMode();
    // Registers the action of a chrome button (none: it only opens its
    // menu) and routes its clicks through slotButtonClicked.
    void onClick(VornPushButton *button, std::function<void()> action);
    void reloadAfterOpen();
    void setProfileFileCommandsEnabled(bool enable);

    // scaling
    int m_iDpiVal = 0;
    double m_scale = 1.0;
    int m_previousClass = 0;
    QSize m_designedSize;
    WindowBackground m_background;

    // chrome
    VornPushButton *m_closeButton = nullptr;
    VornPushButton *m_minButton = nullptr;
    VornLabel *m_versionLabel = nullptr;
    VornPushButton *m_languageButton = nullptr;
    LanguageMenu *m_language = nullptr;

    // modes
    VornPushButton *m_modeButton = nullptr;
    VornMenu *m_modeMenu = nullptr;
    ModeMenu *m_modes = nullptr;
    std::array<VornPushButton *, kModeCount> m_modeButtons{};

    // profile files
    VornLineEdit *m_nameEdit = nullptr;
    VornPushButton *m_profileButton = nullptr;
    VornMenu *m_profileMenu = nullptr;
    VornLabel *m_nameLabel = nullptr;
    ProfileFileCommands *m_profileFiles = nullptr;
    std::array<VornPushButton *, 6> m_profileCommands{}; // SAVE LOAD RESET ADD DELETE COPY
    VornPushButton *m_resetAllButton = nullptr;

    // tabs and footer
    std::array<VornPushButton *, 4> m_tabs{};
    int m_currentTab = 0;
    VornPushButton *m_okButton = nullptr;
    VornPushButton *m_cancelButton = nullptr;
    VornPushButton *m_applyButton = nullptr;

    // mouse picture and markers
    MouseView *m_view = nullptr;

    // device connection
    VornPushButton *m_mouseSelector = nullptr;
    VornMenu *m_mouseMenu = nullptr;
    QStringList m_mouseNames;
    int m_connectedCount = 0;
    bool m_stayInTray = false;
    DeviceSession *m_session = nullptr;

    PanelSet m_panelSet;

    // tray and language
    WindowTray *m_tray = nullptr;

    bool m_warningShowing = false;

    QHash<QObject *, std::function<void()>> m_clickActions;

    // dragging
    bool m_dragging = false;
    QPoint m_pressPos;
    QPoint m_framePos;
};
