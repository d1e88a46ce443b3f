#pragma once

#include "widgets/Skin.h"

#include <QPixmap>
#include <QPointer>
#include <QStringList>
#include <QSystemTrayIcon>
#include <QWidget>

#include <array>
#include <vector>

class DeviceConnection;
class DeviceNoticeService;
class QLabel;
class QTranslator;
class VornAction;
class VornHidReader;
class VornHidReadThread;
class VornHidReadThread2;
class VornLabel;
class VornLineEdit;
class VornMenu;
class VornPushButton;

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

    // The window that is running, for the hot-plug and tray paths.
    static MousecfgWidget *instance();

    int connectedCount() const { return m_connectedCount; }
    int sizeClass() const { return m_iDpiVal; }
    double scaleFactor() const { return m_scale; }
    int currentTab() const { return m_currentTab; }
    bool frontView() const { return m_frontView; }
    int currentGroup() const { return m_currentGroup; }
    int savedGroup() const { return m_savedGroup; }
    int selectedMarker(int group) const { return m_selectedMarker[size_t(group)]; }
    int languageIndex() const { return m_languageIndex; }
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

    // The size class a resize settles on: the screen's class, except that
    // a window at its designed size whose class did not change takes the
    // class of its width.
    static int resizeClass(int screenClass, int previousClass, const QSize &current,
                           const QSize &designed);
    const QPixmap &background(int sizeClass) { return backgroundFor(sizeClass); }

    // The widgets by role, for tests and the panels.
    VornPushButton *tabButton(int i) const { return m_tabs[size_t(i)]; }
    VornPushButton *marker(int group, int i) const;
    QLabel *frontPicture() const { return m_frontPicture; }
    QLabel *sidePicture() const { return m_sidePicture; }
    VornPushButton *frontButton() const { return m_frontButton; }
    VornPushButton *sideButton() const { return m_sideButton; }
    VornPushButton *mouseSelector() const { return m_mouseSelector; }
    VornLineEdit *nameEdit() const { return m_nameEdit; }
    VornMenu *modeMenu() const { return m_modeMenu; }

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
    void onModeAction();
    void onLanguageAction();
    void onLastMouseRemoved();
    void onActiveMouseRemoved(const QString &productName);
    void onDeviceListRefreshed(const QStringList &names);

private:
    void buildChrome();
    void buildTray();
    void loadTranslator();
    void layoutChildren();
    void place(QWidget *widget, const QRect &design);
    const QPixmap &backgroundFor(int sizeClass);
    void applySizeClass(int sizeClass);
    void loadMousePictures();
    void applyMarkerSkin();
    void clearMarkerState();
    void showCurrentMode();
    void startReaders();
    void stopReaders();
    void reloadAfterOpen();
    void uploadWithProgress();
    void hideToTray();
    void setProfileFileCommandsEnabled(bool enable);
    static constexpr bool kProfileFileCommandsOffered = false;
    int modeIndexOf(QObject *action) const;

    // scaling
    int m_iDpiVal = 0;
    double m_scale = 1.0;
    int m_previousClass = 0;
    QSize m_designedSize;
    Skin::Backgrounds m_backgrounds;

    // chrome
    VornPushButton *m_closeButton = nullptr;
    VornPushButton *m_minButton = nullptr;
    VornLabel *m_versionLabel = nullptr;
    VornPushButton *m_languageButton = nullptr;
    VornMenu *m_languageMenu = nullptr;
    std::array<VornAction *, 3> m_languageActions{};
    int m_languageIndex = 0;

    // modes
    VornPushButton *m_modeButton = nullptr;
    VornMenu *m_modeMenu = nullptr;
    std::array<VornAction *, kModeCount> m_modeActions{};
    std::array<VornPushButton *, kModeCount> m_modeButtons{};

    // profile files
    VornLineEdit *m_nameEdit = nullptr;
    VornPushButton *m_profileButton = nullptr;
    VornMenu *m_profileMenu = nullptr;
    VornLabel *m_nameLabel = nullptr;
    QStringList m_profileList;
    std::array<VornPushButton *, 6> m_profileCommands{}; // SAVE LOAD RESET ADD DELETE COPY
    VornPushButton *m_resetAllButton = nullptr;

    // tabs and footer
    std::array<VornPushButton *, 4> m_tabs{};
    int m_currentTab = 0;
    VornPushButton *m_okButton = nullptr;
    VornPushButton *m_cancelButton = nullptr;
    VornPushButton *m_applyButton = nullptr;

    // mouse picture and markers
    QLabel *m_frontPicture = nullptr;
    QLabel *m_sidePicture = nullptr;
    QLabel *m_thirdPicture = nullptr;
    VornPushButton *m_frontButton = nullptr;
    VornPushButton *m_sideButton = nullptr;
    bool m_frontView = true;
    std::array<VornPushButton *, kMarkersPerGroup> m_frontMarkers{};
    std::array<VornPushButton *, kMarkersPerGroup> m_sideMarkers{};
    std::array<VornPushButton *, kScrollMarkers> m_scrollMarkers{};
    std::array<QRect, 42> m_markerRects{};
    std::array<bool, 42> m_markerPresent{};
    std::array<int, 3> m_selectedMarker{};
    int m_currentGroup = 0;
    int m_savedGroup = 0;

    // device connection
    VornPushButton *m_mouseSelector = nullptr;
    VornMenu *m_mouseMenu = nullptr;
    QStringList m_mouseNames;
    int m_connectedCount = 0;
    DeviceConnection *m_connection = nullptr;
    DeviceNoticeService *m_notices = nullptr;
    VornHidReadThread *m_reader1 = nullptr;
    VornHidReadThread2 *m_reader2 = nullptr;
    // Stopped readers still finishing their last read; deleted once done.
    std::vector<QPointer<VornHidReader>> m_retiredReaders;

    // tray and language
    QSystemTrayIcon *m_tray = nullptr;
    QMenu *m_trayMenu = nullptr;
    QAction *m_loadConfigAction = nullptr;
    QAction *m_quitAction = nullptr;
    QTranslator *m_translator = nullptr;

    bool m_warningShowing = false;

    // dragging
    bool m_dragging = false;
    QPoint m_pressPos;
    QPoint m_framePos;
};
