#include "app/MousecfgWidget.h"

#include "app/LanguageMenu.h"
#include "app/ModeMenu.h"
#include "app/MouseSelector.h"
#include "app/MouseView.h"
#include "app/ProfileArea.h"
#include "app/ProfileFileCommands.h"
#include "app/ProgramFollower.h"
#include "app/ProgramProfilesDialog.h"
#include "app/StoreFollower.h"
#include "app/UploadCheck.h"
#include "app/WindowTray.h"
#include "device/DeviceConnection.h"
#include "device/DeviceSession.h"
#include "device/HostActions.h"
#include "device/LightingReports.h"
#include "device/StoreUpload.h"
#include "store/ConfigFile.h"
#include "store/ModelTable.h"
#include "store/ProductConfig.h"
#include "store/ProfileDefaults.h"
#include "store/ProfileFile.h"
#include "store/StoreContext.h"
#include "widgets/DesignLayout.h"
#include "widgets/ShellState.h"
#include "widgets/Skin.h"
#include "widgets/UiLog.h"
#include "widgets/UiScale.h"
#include "widgets/VornLabel.h"
#include "widgets/VornLineEdit.h"
#include "widgets/VornMenu.h"
#include "widgets/VornMessageBox.h"
#include "widgets/VornPushButton.h"

#include <QApplication>
#include <QBitmap>
#include <QCursor>
#include <QGuiApplication>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>

namespace {

VornPushButton *skinnedButton(const char *stem, const char *name, QWidget *parent)
{
    auto *button = new VornPushButton(Skin::buttonImages(stem), parent);
    button->setObjectName(QLatin1String(name));
    return button;
}

// Writes the store's files when they hold something else; sends nothing.
void saveChangedStore(const ProfileStore &store)
{
    ProfileStore onDisk;
    loadStore(onDisk);
    if (!(onDisk == store))
        saveStore(store);
}

} // namespace

MousecfgWidget::MousecfgWidget(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("MousecfgWidget"));
    resize(400, 300);
    setWindowTitle(QCoreApplication::translate("MousecfgWidget", "MousecfgWidget"));
    // Set before any child exists: set last, it would polish all of them again.
    setStyleSheet(QStringLiteral("*{outline:0px;}"));
    placeOnScreen();
    m_session = new DeviceSession(this);
    m_links = new PanelLinks(this);
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
    connectDevice();

    m_tray = new WindowTray(this);
    connect(m_tray, &WindowTray::activated, this, &MousecfgWidget::iconActivated);
    connect(m_tray, &WindowTray::loadConfigRequested, this, &MousecfgWidget::slotWarning);
    connect(m_tray, &WindowTray::programProfilesRequested, this,
            &MousecfgWidget::showProgramProfiles);
    m_language = new LanguageMenu(this);
    connect(m_language, &LanguageMenu::changed, this, &MousecfgWidget::retranslate);
    buildChrome();
    connectChrome();
    loadStartStore();
    showStart();
}

void MousecfgWidget::placeOnScreen()
{
    // The window opens where the pointer is, as window managers place new
    // windows; its class must fit that screen.
    QScreen *screen = QGuiApplication::screenAt(QCursor::pos());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    m_iDpiVal = screenSizeClass(screen);
    m_scale = Skin::scaleForClass(m_iDpiVal);
    UiScale::setFactor(m_scale);
    m_backgrounds.preload(m_iDpiVal);

    setBaseSize(DesignLayout::kWidth, DesignLayout::kHeight);
    setMinimumSize(DesignLayout::kWidth, DesignLayout::kHeight);
    resize(int(DesignLayout::kWidth * m_scale), int(DesignLayout::kHeight * m_scale));
    m_designedSize = size();
    if (screen) {
        // Centred in the free area; never starting above or left of it, so
        // that the title row with the close button stays in reach.
        const QRect free = screen->availableGeometry();
        move(free.x() + qMax(0, (free.width() - frameGeometry().width()) / 2),
             free.y() + qMax(0, (free.height() - frameGeometry().height()) / 2));
    }
}

void MousecfgWidget::connectDevice()
{
    DeviceConnection *connection = m_session->connection();
    m_mice = new MouseSelector(this);
    m_mouseSelector = m_mice->button();
    connect(m_mice, &MouseSelector::mouseChosen, this, &MousecfgWidget::slot_show_mousename);
    connect(m_mouseSelector, &QPushButton::clicked, this, &MousecfgWidget::slotButtonClicked);
    connect(connection, &DeviceConnection::deviceListRefreshed, this,
            &MousecfgWidget::onDeviceListRefreshed);
    connect(connection, &DeviceConnection::firstMouseArrived, this,
            [this] { QTimer::singleShot(200, this, &MousecfgWidget::slotWarnClose); });
    connect(connection, &DeviceConnection::lastMouseRemoved, this,
            &MousecfgWidget::onLastMouseRemoved);
    connect(connection, &DeviceConnection::activeMouseRemoved, this,
            &MousecfgWidget::onActiveMouseRemoved);

    connect(m_session, &DeviceSession::RefreshProfile, this, &MousecfgWidget::slotRefreshProfile);
    connect(m_session, &DeviceSession::RefreshLightModeSignal, this,
            &MousecfgWidget::slotRefreshLightMode);
    connect(m_session, &DeviceSession::RefreshDPIStage, this, &MousecfgWidget::slotRefreshDPIStage);
    connect(m_session, &DeviceSession::RefreshPollRate, this, &MousecfgWidget::slotRefreshRate);
    // Queued: the first failure comes while the window is still being built.
    connect(m_session, &DeviceSession::openFailed, this, &MousecfgWidget::explainOpenFailure,
            Qt::QueuedConnection);
    m_session->begin([this] { return quintptr(winId()); });
}

void MousecfgWidget::loadStartStore()
{
    m_profileFiles = new ProfileFileCommands(this, m_nameEdit, m_profileArea->profileButton(),
                                             m_profileArea->profileMenu());
    connect(m_profileFiles, &ProfileFileCommands::collectRequested, this,
            &MousecfgWidget::collectPanels);
    connect(m_profileFiles, &ProfileFileCommands::recordsChanged, this,
            &MousecfgWidget::loadPanels);
    connect(m_profileFiles, &ProfileFileCommands::textsChanged, this, &MousecfgWidget::retranslate);
    connect(m_profileFiles, &ProfileFileCommands::uploadRequested, this,
            &MousecfgWidget::uploadWithProgress);
    m_follower =
        new StoreFollower(this, [this](ProfileStore &store) { m_panelSet.collect(store); });
    connect(m_follower, &StoreFollower::storeChanged, this, &MousecfgWidget::showFollowedStore);
    followPrograms();
    m_session->openCurrent();

    ProfileStore &store = StoreContext::store();
    loadProductStore(store);
    loadedFromFiles();
    // The system speed arrives once the window is up; an unreadable one (0)
    // must not replace the profile's own.
    const int startProfile = store.curProfile % kModeCount;
    GetPointerSpeedLater(this, [this, startProfile](int speed) {
        if (speed < 1 || speed > 20)
            return;
        collectPanels(); // the panels are shown again below
        ProfileStore &store = StoreContext::store();
        store.profiles[startProfile].mousespeed = quint8(speed);
        if (store.curProfile % kModeCount == startProfile)
            loadPanels();
    });
}

void MousecfgWidget::showStart()
{
    // Read once the store is loaded: meeting a new product writes the list.
    m_profileFiles->reloadList();
    m_profileFiles->rebuildMenu();
    m_panelSet.create(this, m_links);
    connect(m_links, &PanelLinks::buttonSelected, this, &MousecfgWidget::SelBtnChanged);
    connect(m_links, &PanelLinks::macroTabRequested, this, &MousecfgWidget::slotGotoMacro);
    connect(m_links, &PanelLinks::lastClickRefused, this, &MousecfgWidget::slotPopOneClickBox);
    connect(m_links, &PanelLinks::buttonsEnabled, this, &MousecfgWidget::slotEnableButtons);
    m_view->clearState();
    switchTab(TabLighting);
    loadPanels();
    retranslate();
    showCurrentMode();
    // No model yet (no mouse ever met): there is no product folder to
    // write into.
    if (!readProductName().isEmpty())
        writeDefaultProfileFile();

    // The mask waits for the background, decoded meanwhile.
    if (!m_backgrounds.pixmap(m_iDpiVal).isNull())
        setMask(m_backgrounds.mask(m_iDpiVal));
    QTimer::singleShot(200, this, [this] {
        if (!m_stayInTray)
            slotWarning();
    });
}

MousecfgWidget::~MousecfgWidget()
{
    // Readers stop and the device closes before any widget goes.
    delete m_session;
}

void MousecfgWidget::buildChrome()
{
    m_versionLabel = new VornLabel(QString(), this);
    m_versionLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Captions on the background, in the grey the skin's own lines use.
    for (QLabel **caption : {&m_subtitle, &m_modeCaption}) {
        *caption = new QLabel(this);
        (*caption)->setStyleSheet(QStringLiteral("color:rgb(150,152,156);background:transparent"));
        (*caption)->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        (*caption)->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    m_subtitle->setObjectName(QStringLiteral("subtitle"));
    m_modeCaption->setObjectName(QStringLiteral("modeCaption"));
    m_closeButton = skinnedButton("close", "closeButton", this);
    m_minButton = skinnedButton("min", "minimizeButton", this);

    m_language->createButton(this);
    m_languageButton = m_language->button();
    m_modes = new ModeMenu(this);
    m_modeButton = m_modes->button();
    connect(m_modes, &ModeMenu::modeTriggered, this, &MousecfgWidget::onModeAction);
    connect(m_modes, &ModeMenu::programProfilesRequested, this,
            &MousecfgWidget::showProgramProfiles);
    for (int i = 0; i < kModeCount; ++i) {
        m_modeButtons[size_t(i)] = new VornPushButton({}, this);
        m_modeButtons[size_t(i)]->setFixedSize(0, 0);
    }
    for (int i = 0; i < 4; ++i) {
        m_tabs[size_t(i)] = new VornPushButton(Skin::buttonImages("tab"), this);
        m_tabs[size_t(i)]->setObjectName(QStringLiteral("tab%1").arg(i));
    }
    m_view = new MouseView(this);
    connect(m_view, &MouseView::viewChanged, m_links, &PanelLinks::viewChanged);

    m_modeMenu = m_modes->menu();
    m_modeMenu->setFixedWidth(int(152 * m_scale));
    buildModeMenu();
    m_modeButton->setMenu(m_modeMenu);
    m_profileArea = new ProfileArea(this);
    m_nameEdit = m_profileArea->nameEdit();
    connect(m_nameEdit, &QLineEdit::returnPressed, this, &MousecfgWidget::slotProfileNameChange);
    m_okButton = skinnedButton("button", "okButton", this);
    m_cancelButton = skinnedButton("button", "cancelButton", this);
    m_applyButton = skinnedButton("button", "applyButton", this);
}

void MousecfgWidget::connectChrome()
{
    // Every chrome button goes through the one click handler; those
    // without an action only open their menus.
    QList<VornPushButton *> buttons = {m_languageButton, m_modeButton,
                                       m_profileArea->profileButton()};
    for (int i = 0; i < MouseView::kMarkersPerGroup; ++i)
        buttons << m_view->marker(1, i); // the button panel's own side view handles these
    for (VornPushButton *b : buttons)
        onClick(b, nullptr);
    onClick(m_closeButton, [this] { m_tray->closeWindow(); });
    onClick(m_minButton, [this] { showMinimized(); });
    for (int i = 0; i < kModeCount; ++i) {
        onClick(m_modeButtons[size_t(i)], [this, i] {
            collectPanels();
            selectMode(i, true);
        });
    }
    for (int i = 0; i < 4; ++i)
        onClick(m_tabs[size_t(i)], [this, i] { switchTab(i); });
    onClick(m_view->frontButton(), [this] { m_view->showFront(); });
    onClick(m_view->sideButton(), [this] { m_view->showSide(); });
    // Front (group 0) and scroll (group 2) markers; the button panel's
    // own side view handles the side markers.
    for (int group : {0, 2}) {
        const int count = group == 2 ? kScrollMarkers : kMarkersPerGroup;
        for (int i = 0; i < count; ++i) {
            onClick(m_view->marker(group, i), [this, i, group] {
                selectButtonMarker(i, group);
                emit m_links->markerClicked(i, group);
            });
        }
    }
    // Cancel sends nothing and takes the shown mode back to its file: its
    // edits not yet applied, the panels' copies among them, are dropped
    // because the person asked for it.
    onClick(m_cancelButton, [this] {
        m_tray->putAway();
        selectMode(StoreContext::store().curProfile, true);
    });
    onClick(m_applyButton, [this] {
        collectPanels();
        uploadWithProgress();
    });
    onClick(m_okButton, [this] {
        collectPanels();
        uploadWithProgress();
        m_tray->putAway();
    });
    for (int i = 0; i < ProfileArea::kCommandCount; ++i) {
        onClick(m_profileArea->command(i),
                [this, i] { m_profileFiles->run(ProfileFileCommands::Command(i)); });
    }
    onClick(m_profileArea->resetAllButton(), [this] { m_profileFiles->resetAllProfiles(); });
}

void MousecfgWidget::place(QWidget *widget, const QRect &design)
{
    if (!widget)
        return;
    widget->setGeometry(UiScale::scaled(design, m_scale));
}

void MousecfgWidget::layoutChildren()
{
    using namespace DesignLayout;
    const QFont font = UiScale::languageFont();
    m_mice->place(m_scale, font);
    if (!m_closeButton)
        return; // the chrome is not built yet
    place(m_closeButton, kClose);
    place(m_minButton, kMinimize);
    place(m_versionLabel, kVersion);
    place(m_subtitle, kSubtitle);
    place(m_modeCaption, kModeCaption);
    place(m_languageButton, kLanguage);
    m_languageButton->setFixedWidth(int(105 * m_scale));
    place(m_modeButton, kModeButton);
    for (int i = 0; i < 4; ++i)
        place(m_tabs[size_t(i)], tab(i));
    place(m_okButton, footer(0));
    place(m_cancelButton, footer(1));
    place(m_applyButton, footer(2));
    m_modeMenu->setFixedWidth(int(152 * m_scale));

    QFont markerFont = font;
    markerFont.setPixelSize(qMax(1, int(10 * m_scale)));
    markerFont.setBold(true);
    for (QWidget *w : findChildren<VornPushButton *>())
        w->setFont(w->objectName().startsWith(QLatin1String("marker")) ? markerFont : font);
    m_versionLabel->setFont(font);
    QFont captionFont = font;
    captionFont.setPixelSize(qMax(1, int(11 * m_scale)));
    m_subtitle->setFont(captionFont);
    captionFont.setBold(true);
    m_modeCaption->setFont(captionFont);
    m_language->menu()->setFont(font);
    m_modeMenu->setFont(font);
    m_profileArea->place(m_scale, font);
    m_panelSet.place(m_scale);
    // Pictures and markers depend on the scale and the model.
    loadMousePictures();
    m_laidOutClass = m_iDpiVal;
}

void MousecfgWidget::applySizeClass(int sizeClass)
{
    if (sizeClass == m_laidOutClass)
        return; // laid out for this class already (the first show resizes)
    m_iDpiVal = sizeClass;
    m_scale = Skin::scaleForClass(sizeClass);
    UiScale::setFactor(m_scale);
    if (!m_backgrounds.pixmap(sizeClass).isNull())
        setMask(m_backgrounds.mask(sizeClass));
    layoutChildren();
}

void MousecfgWidget::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    QScreen *screen = QGuiApplication::screenAt(geometry().center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const int screenClass = screenSizeClass(screen);
    m_backgrounds.pixmap(screenClass);
    const int sizeClass = Skin::resizeClass(screenClass, m_previousClass, size(), m_designedSize);
    applySizeClass(sizeClass);
    m_previousClass = sizeClass;
    qCDebug(lcUi, "width = %d, height = %d m_iDpiVal = %d", width(), height(), m_iDpiVal);
}

int MousecfgWidget::screenSizeClass(QScreen *screen)
{
    if (!screen)
        return Skin::fittingSizeClass(Skin::requestedScale(),
                                      QSize(DesignLayout::kWidth, DesignLayout::kHeight));
    const double asked =
        Skin::requestedScale(screen->name(), QGuiApplication::screens().indexOf(screen));
    return Skin::fittingSizeClass(screen->logicalDotsPerInch() / 96.0 * asked,
                                  screen->availableGeometry().size());
}

void MousecfgWidget::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const QPixmap &background = m_backgrounds.pixmap(m_iDpiVal);
    if (!background.isNull())
        painter.drawPixmap(0, 0, background);
    if (m_currentTab == TabLighting || m_currentTab == TabCustomize) {
        // The frame of the lower panel, around the panels of these two tabs
        // only: the DPI and MACRO pages are taller and it would show
        // through their gaps. Colours of the skin's lines and panels.
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QColor(48, 50, 54), m_scale));
        painter.setBrush(QColor(33, 35, 35));
        const QRectF frame = QRectF(DesignLayout::kLowerPanel).adjusted(-2, -2, 2, 2);
        painter.drawRoundedRect(QRectF(frame.x() * m_scale, frame.y() * m_scale,
                                       frame.width() * m_scale, frame.height() * m_scale),
                                6 * m_scale, 6 * m_scale);
    }
    event->ignore();
}

void MousecfgWidget::loadMousePictures()
{
    if (!m_view)
        return;
    m_view->layout(m_scale, readProductName());
    if (m_tabs[0])
        switchTab(m_currentTab);
}

VornPushButton *MousecfgWidget::marker(int group, int i) const
{
    return m_view->marker(group, i);
}

void MousecfgWidget::buildModeMenu()
{
    m_modes->rebuild(readProductName());
}

int MousecfgWidget::modeActionCount() const
{
    return m_modes->actionCount();
}

QString MousecfgWidget::modeButtonText() const
{
    return m_modeButton ? m_modeButton->text() : QString();
}

void MousecfgWidget::showCurrentMode()
{
    const ProfileStore &store = StoreContext::store();
    const int mode = store.curProfile % kModeCount;
    m_modes->showMode(mode);
    m_nameEdit->setText(store.profileNames[mode]);
}

void MousecfgWidget::selectMode(int index, bool loadFile)
{
    if (index < 0 || index >= kModeCount)
        return;
    m_modes->showMode(index);
    ProfileStore &store = StoreContext::store();
    store.curProfile = quint8(index);
    if (loadFile) {
        loadProfileFile(store.profiles[index], store.profileNames[index]);
        // What the file holds now is what later saves change (a mode put
        // on another file goes whole, as Config.ini does not name it yet).
        ProfileStore &baseline = StoreContext::baseline();
        if (baseline.profileNames[index] == store.profileNames[index])
            baseline.profiles[index] = store.profiles[index];
        store.profiles[index].ProfileName = store.profileNames[index];
    }
    m_nameEdit->setText(store.profileNames[index]);
    loadPanels();
    saveProfileId(index);
}

void MousecfgWidget::onModeAction(int index)
{
    collectPanels(); // into the mode being left
    selectMode(index, false);
    m_profileFiles->rebuildMenu();
    // The mouse holds all five modes already: switch, nothing else.
    SwitchProfile(StoreContext::store(), quint8(index));
    m_nameEdit->setText(StoreContext::store().profileNames[StoreContext::store().curProfile]);
}

void MousecfgWidget::followPrograms()
{
    m_programs = new ProgramFollower(this, [this] {
        return m_session->connection()->connectedCount() > 0
                   ? StoreContext::store().curProfile % kModeCount
                   : -1;
    });
    // The rules live in the product Config.ini, which the follower watches.
    connect(m_follower, &StoreFollower::storeChanged, m_programs, &ProgramFollower::reloadRules);
    connect(m_programs, &ProgramFollower::modeWanted, this, [this](int index) {
        // As the mode menu: not while a recording holds the mode button,
        // nor under an open dialog (an upload, a question).
        if (!m_modes->hasMode(index) || !m_modeButton->isEnabled() ||
            QApplication::activeModalWidget())
            return;
        onModeAction(index);
    });
}

void MousecfgWidget::showProgramProfiles()
{
    // The rules belong to a model: with none met yet there is nowhere to
    // keep them.
    if (readProductName().isEmpty()) {
        VornMessageBox box(VornMessageBox::Ok, QString(), tr("Warning"), tr("NO MOUSE DETECTED!"),
                           this);
        box.exec();
        return;
    }
    ProgramProfilesDialog dialog(m_programs->frontWindow(), this);
    if (dialog.exec() == QDialog::Accepted)
        m_programs->reloadRules();
}

void MousecfgWidget::loadPanels()
{
    m_panelSet.load(StoreContext::store());
}

void MousecfgWidget::collectPanels()
{
    m_panelSet.collect(StoreContext::store());
}

void MousecfgWidget::switchTab(int index)
{
    if (index < 0 || index > 3)
        return;
    m_currentTab = index;
    update(); // the lower panel's frame belongs to some tabs only
    for (int i = 0; i < 4; ++i)
        m_tabs[size_t(i)]->setSelected(i == index);
    m_panelSet.showTab(index);
    m_view->showForTab(index);
}

void MousecfgWidget::setFrontView(bool front)
{
    m_view->setFrontView(front);
}

void MousecfgWidget::selectButtonMarker(int iBtn, int iType)
{
    m_view->selectButtonMarker(iBtn, iType);
}

void MousecfgWidget::onClick(VornPushButton *button, std::function<void()> action)
{
    m_clickActions.insert(button, std::move(action));
    connect(button, &QPushButton::clicked, this, &MousecfgWidget::slotButtonClicked);
}

void MousecfgWidget::slotButtonClicked()
{
    const auto it = m_clickActions.constFind(sender());
    if (it != m_clickActions.constEnd() && *it)
        (*it)();
}

void MousecfgWidget::uploadWithProgress(bool threaded)
{
    const ProfileStore before = StoreContext::store();
    uploadStoreWithProgress(this, threaded);
    // The save took in what other programs had written meanwhile.
    if (!(StoreContext::store() == before))
        showFollowedStore(true);
}

void MousecfgWidget::loadedFromFiles()
{
    StoreContext::baseline() = StoreContext::store();
    m_follower->watchCurrentProduct();
}

void MousecfgWidget::showFollowedStore(bool records)
{
    m_profileFiles->refreshList();
    if (!records)
        return;
    showCurrentMode();
    loadPanels();
}

void MousecfgWidget::retranslate()
{
    const QString profile = tr("Profile");
    m_versionLabel->setText(tr("Version") + QStringLiteral(" : " KORVALEN_VERSION));
    m_subtitle->setText(tr("GAMING MOUSE CONFIG"));
    m_modeCaption->setText(tr("MODE"));
    m_profileArea->retranslate();
    m_okButton->setText(tr("OK"));
    m_cancelButton->setText(tr("Cancel"));
    m_applyButton->setText(tr("Apply"));
    m_tabs[0]->setText(tr("LIGHTING"));
    m_tabs[1]->setText(tr("CUSTOMIZE"));
    m_tabs[2]->setText(tr("DPI"));
    m_tabs[3]->setText(tr("MACRO"));
    for (int i = 0; i < kModeCount; ++i)
        m_modeButtons[size_t(i)]->setText(profile + QStringLiteral(" %1").arg(i + 1));
    m_language->refreshButton();
    m_view->retranslate();
    m_modes->retranslate();
    m_modes->showMode(StoreContext::store().curProfile % kModeCount);
    m_tray->retranslate();
    m_panelSet.retranslate();
    layoutChildren();
}

void MousecfgWidget::setLanguage(int index)
{
    m_language->setLanguage(index);
}

int MousecfgWidget::languageIndex() const
{
    return m_language->index();
}

void MousecfgWidget::onDeviceListRefreshed(const QStringList &names)
{
    // A mouse came or went: the selector changes under a recording, which
    // ends as STOP would.
    if (names != m_deviceNames)
        m_panelSet.endRecording();
    m_deviceNames = names;
    m_connectedCount = names.size();
    m_mice->setNames(names, readProductName());
    if (names.size() > 1)
        layoutChildren();
}

bool MousecfgWidget::readersRunning() const
{
    return m_session->readersRunning();
}

void MousecfgWidget::reloadAfterOpen()
{
    layoutChildren(); // with the pictures of the product now open
    loadProductStore(StoreContext::store());
    loadedFromFiles();
    m_programs->reloadRules(); // the rules of this model
    showCurrentMode();
    m_profileFiles->reloadList();
    m_profileFiles->rebuildMenu();
    // No model yet (no mouse ever met): there is no product folder to
    // write into.
    if (!readProductName().isEmpty())
        writeDefaultProfileFile();
    switchTab(TabLighting);
    selectButtonMarker(0, 0);
    m_view->applyMarkerSkin(readProductName());
    loadPanels();
}

void MousecfgWidget::slotWarnClose()
{
    m_session->openCurrent();
    m_view->clearState();
    reloadAfterOpen();
    ShellState::setDeviceOpen(true);
    if (!m_warningShowing)
        ShellState::setWarningOpen(false);
    buildModeMenu();
    showCurrentMode();
}

void MousecfgWidget::onLastMouseRemoved()
{
    m_panelSet.endRecording();
    m_session->closeAll();
    m_connectedCount = 0;
    ShellState::setDeviceOpen(false);
    ShellState::setWarningOpen(true);
    QTimer::singleShot(200, this, &MousecfgWidget::slotWarning);
}

void MousecfgWidget::onActiveMouseRemoved(const QString &productName)
{
    m_panelSet.endRecording();
    m_session->reopen(productName, [this] {
        m_view->clearState();
        buildModeMenu();
        reloadAfterOpen();
    });
}

void MousecfgWidget::slot_show_mousename(QAction *action)
{
    if (!action)
        return;
    const QString name = action->text();
    m_panelSet.endRecording();
    // The store is about to be replaced by the other mouse's: what was
    // edited here goes to this mouse's files, to be sent with its next Apply.
    collectPanels();
    saveChangedStore(StoreContext::store());
    m_session->switchTo(name, [this, name] {
        m_view->clearState();
        m_mice->showCurrent(name);
        buildModeMenu();
        reloadAfterOpen();
    });
}

void MousecfgWidget::slotWarning()
{
    show();
    if (m_connectedCount != 0) {
        // A mouse came back before the warning opened: nothing to wait for.
        if (!m_warningShowing)
            ShellState::setWarningOpen(false);
        activateWindow();
        return;
    }
    // One warning at a time: a second request while it is up (the mouse
    // pulled out right after start) is already answered by the open box.
    if (m_warningShowing)
        return;
    ShellState::setWarningOpen(true);
    VornMessageBox box(VornMessageBox::Ok, QString(), tr("Warning"), tr("NO MOUSE DETECTED!"), this,
                       true, Qt::FramelessWindowHint);
    m_warningShowing = true;
    box.exec();
    m_warningShowing = false;
    // Closing the box any way (Esc included) counts as accepting it, so
    // that the tray does not stay locked.
    if (m_connectedCount == 0)
        m_tray->putAway();
    ShellState::setWarningOpen(false);
}

void MousecfgWidget::explainOpenFailure(const QString &explanation)
{
    // Every later open fails the same way until the rule is installed and
    // the mouse replugged; saying it once is enough.
    if (m_openFailureExplained)
        return;
    m_openFailureExplained = true;
    VornMessageBox box(VornMessageBox::Ok, QString(), tr("Warning"), explanation, this);
    box.exec();
}

void MousecfgWidget::iconActivated(QSystemTrayIcon::ActivationReason reason)
{
    if (reason != QSystemTrayIcon::DoubleClick && reason != QSystemTrayIcon::Trigger)
        return;
    // A double-click arrives as a click and then a double-click: it
    // toggles the window once.
    if (m_lastToggle.isValid() && m_lastToggle.elapsed() < QApplication::doubleClickInterval())
        return;
    // Timed from the end of the toggle: on a slow machine the first show
    // outlasts the interval, and the double-click's second half, queued
    // meanwhile, must not hide the window again.
    if (isHidden()) {
        slotWarning();
        m_lastToggle.start();
        return;
    }
    if (!ShellState::warningOpen()) {
        hide();
        m_lastToggle.start();
    }
}

void MousecfgWidget::SelBtnChanged(quint8 iBtn, quint8 iType)
{
    selectButtonMarker(iBtn, iType);
}

void MousecfgWidget::slotGotoMacro(quint8 index)
{
    switchTab(index);
}

void MousecfgWidget::slot_show_profilename(QAction *action)
{
    if (!action)
        return;
    m_modeButton->setText(action->text());
    ProfileStore &store = StoreContext::store();
    store.profileNames[store.curProfile % kModeCount] = action->text();
}

void MousecfgWidget::slotPopOneClickBox()
{
    VornMessageBox box(VornMessageBox::Ok, QString(), tr("Warning"),
                       tr("AT LEAST ONE CLICK FUNCTION TO BE RETAINED."), this, false,
                       Qt::FramelessWindowHint);
    box.exec();
}

void MousecfgWidget::OnProfileMenuCheck(QWidget *item)
{
    Q_UNUSED(item)
}

void MousecfgWidget::slotEnableButtons(bool bEnable)
{
    QWidget *widgets[] = {m_tabs[0],     m_tabs[1],   m_tabs[2],      m_tabs[3],  m_languageButton,
                          m_closeButton, m_minButton, m_modeButton,   m_okButton, m_cancelButton,
                          m_applyButton, m_nameEdit,  m_mouseSelector};
    for (QWidget *w : widgets)
        w->setEnabled(bEnable);
    m_profileArea->setCommandsEnabled(bEnable);
}

void MousecfgWidget::slotProfileNameChange()
{
    m_profileFiles->renameProfile();
}

void MousecfgWidget::slotRefreshProfile(quint8 iProfile)
{
    // A mode this model has no action for (modes 4 and 5 of a three-mode
    // model) cannot be shown; the report is ignored.
    if (!m_modes->hasMode(iProfile)) {
        qCDebug(lcUi) << "slotRefreshProfile: no mode" << iProfile;
        return;
    }
    collectPanels(); // into the mode being left
    selectMode(iProfile, false);
    m_profileFiles->rebuildMenu();
    SetPointerSpeed(StoreContext::store().profiles[iProfile].mousespeed);
}

void MousecfgWidget::slotRefreshDPIStage(quint8 iDPI)
{
    ProfileStore &store = StoreContext::store();
    const int mode = store.curProfile % kModeCount;
    store.profiles[mode].dpi = iDPI;
    // Written by us, so the file watcher does not take it for another program.
    if (writeDpiStageToFile(store.profileNames[mode], iDPI))
        StoreContext::baseline().profiles[mode].dpi = iDPI;
    emit m_links->dpiStageRefreshed(iDPI);
}

void MousecfgWidget::slotRefreshLightMode(quint8 iBuff1, quint8 iBuff2)
{
    emit m_links->lightModeSelected(ledModeFromEffect(lightingClass(), iBuff1, iBuff2));
}

void MousecfgWidget::slotRefreshRate(quint8 iRate)
{
    ProfileStore &store = StoreContext::store();
    store.profiles[store.curProfile % kModeCount].pollrate = iRate;
    emit m_links->pollRateRefreshed(iRate);
}

void MousecfgWidget::slotRefreshLift(quint8 iLift)
{
    StoreContext::store().LiftHigh = iLift;
    emit m_links->liftRefreshed(iLift);
}

void MousecfgWidget::mousePressEvent(QMouseEvent *event)
{
    m_drag.press(event);
    QWidget::mousePressEvent(event);
}

void MousecfgWidget::mouseReleaseEvent(QMouseEvent *event)
{
    m_drag.release();
    QWidget::mouseReleaseEvent(event);
}

void MousecfgWidget::mouseMoveEvent(QMouseEvent *event)
{
    m_drag.move(event);
    QWidget::mouseMoveEvent(event);
}

void MousecfgWidget::closeEvent(QCloseEvent *event)
{
    m_tray->handleCloseEvent(event);
}

bool MousecfgWidget::nativeEvent(const QByteArray &eventType, void *message,
                                 NativeEventResult *result)
{
    Q_UNUSED(result)
    if (m_session)
        m_session->nativeEvent(eventType, message);
    return false;
}
