#pragma once

#include "widgets/Skin.h"

#include <QElapsedTimer>
#include <QPixmap>
#include <QPointer>
#include <QStringList>
#include <QSystemTrayIcon>
#include <QWidget>

#include "app/MouseView.h"
#include "app/PanelLinks.h"
#include "app/PanelSet.h"
#include "widgets/QtCompat.h"
#include "widgets/Skin.h"
#include "widgets/WindowDrag.h"

#include <QHash>

#include <array>
#include <functional>

class DeviceSession;
class LanguageMenu;
class ModeMenu;
class MouseSelector;
class ProfileArea;
class ProfileFileCommands;
class ProgramFollower;
class StoreFollower;
class QLabel;
class QScreen;
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
    bool frontView() const { return m_view->frontView(); }
    int currentGroup() const { return m_view->currentGroup(); }
    int savedGroup() const { return m_view->savedGroup(); }
    int selectedMarker(int group) const { return m_view->selectedMarker(group); }
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
        return Skin::resizeClass(screenClass, previousClass, current, designed);
    }
    const QPixmap &background(int sizeClass) { return m_backgrounds.pixmap(sizeClass); }

    // The widgets by role, for tests and the panels.
    VornPushButton *tabButton(int i) const { return m_tabs[size_t(i)]; }
    VornPushButton *marker(int group, int i) const;
    QLabel *frontPicture() const { return m_view->frontPicture(); }
    QLabel *sidePicture() const { return m_view->sidePicture(); }
    VornPushButton *frontButton() const { return m_view->frontButton(); }
    VornPushButton *sideButton() const { return m_view->sideButton(); }
    VornPushButton *mouseSelector() const { return m_mouseSelector; }
    VornLineEdit *nameEdit() const { return m_nameEdit; }
    VornMenu *modeMenu() const { return m_modeMenu; }
    const PanelSet &panelSet() const { return m_panelSet; }
    PanelLinks *panelLinks() const { return m_links; }
    ProfileFileCommands *profileFiles() const { return m_profileFiles; }
    ProgramFollower *programFollower() const { return m_programs; }

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
    // The dialog that links programs to modes.
    void showProgramProfiles();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool nativeEvent(const QByteArray &eventType, void *message,
                     NativeEventResult *result) override;

private slots:
    void explainOpenFailure(const QString &explanation);
    void slotButtonClicked();
    void onModeAction(int index);
    void onLastMouseRemoved();
    void onActiveMouseRemoved(const QString &productName);
    void onDeviceListRefreshed(const QStringList &names);

private:
    void placeOnScreen();
    void connectDevice();
    void buildChrome();
    void connectChrome();
    void loadStartStore();
    void showStart();
    void followPrograms();
    void layoutChildren();
    void place(QWidget *widget, const QRect &design);
    void applySizeClass(int sizeClass);
    // The class for this screen: its DPI and the scale asked for, within
    // its free area.
    static int screenSizeClass(QScreen *screen);
    void loadMousePictures();
    void showCurrentMode();
    // Registers the action of a chrome button (none: it only opens its
    // menu) and routes its clicks through slotButtonClicked.
    void onClick(VornPushButton *button, std::function<void()> action);
    void reloadAfterOpen();
    // The files as loaded are the baseline of later saves, and are watched.
    void loadedFromFiles();
    void showFollowedStore(bool records);

    // scaling
    int m_iDpiVal = 0;
    double m_scale = 1.0;
    int m_previousClass = 0;
    int m_laidOutClass = -1; // the class of the last full layout
    QSize m_designedSize;
    Skin::Backgrounds m_backgrounds;

    // chrome
    VornPushButton *m_closeButton = nullptr;
    VornPushButton *m_minButton = nullptr;
    VornLabel *m_versionLabel = nullptr;
    QLabel *m_subtitle = nullptr;    // "GAMING MOUSE CONFIG"
    QLabel *m_modeCaption = nullptr; // "MODE" over the mode button
    VornPushButton *m_languageButton = nullptr;
    LanguageMenu *m_language = nullptr;

    // modes
    VornPushButton *m_modeButton = nullptr;
    VornMenu *m_modeMenu = nullptr;
    ModeMenu *m_modes = nullptr;
    std::array<VornPushButton *, kModeCount> m_modeButtons{};

    // profile files
    ProfileArea *m_profileArea = nullptr;
    VornLineEdit *m_nameEdit = nullptr; // the area's, used on every mode change
    ProfileFileCommands *m_profileFiles = nullptr;
    StoreFollower *m_follower = nullptr;
    ProgramFollower *m_programs = nullptr;

    // tabs and footer
    std::array<VornPushButton *, 4> m_tabs{};
    int m_currentTab = 0;
    VornPushButton *m_okButton = nullptr;
    VornPushButton *m_cancelButton = nullptr;
    VornPushButton *m_applyButton = nullptr;

    // mouse picture and markers
    MouseView *m_view = nullptr;

    // device connection
    MouseSelector *m_mice = nullptr;
    VornPushButton *m_mouseSelector = nullptr; // the selector's, disabled while recording
    int m_connectedCount = 0;
    QStringList m_deviceNames; // as last listed
    bool m_stayInTray = false;
    DeviceSession *m_session = nullptr;

    PanelSet m_panelSet;
    PanelLinks *m_links = nullptr;

    // tray and language
    WindowTray *m_tray = nullptr;

    bool m_warningShowing = false;
    QElapsedTimer m_lastToggle; // the last tray click that showed or hid the window
    bool m_openFailureExplained = false;

    QHash<QObject *, std::function<void()>> m_clickActions;

    WindowDrag m_drag{this};
};
