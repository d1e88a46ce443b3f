#include "app/MousecfgWidget.h"

#include "app/MouseLayout.h"
#include "device/DeviceCatalogue.h"
#include "device/DeviceConnection.h"
#include "device/DeviceContext.h"
#include "device/HostActions.h"
#include "device/LightingReports.h"
#include "device/StoreUpload.h"
#include "device/VornHidReadThread.h"
#include "platform/DeviceNotices.h"
#include "store/ConfigFile.h"
#include "store/ModelTable.h"
#include "store/ProductConfig.h"
#include "store/ProfileDefaults.h"
#include "store/ProfileFile.h"
#include "store/StoreContext.h"
#include "widgets/DesignLayout.h"
#include "widgets/ShellState.h"
#include "widgets/Skin.h"
#include "widgets/UiScale.h"
#include "widgets/VornAction.h"
#include "widgets/VornLabel.h"
#include "widgets/VornLineEdit.h"
#include "widgets/VornMenu.h"
#include "widgets/VornMessageBox.h"
#include "widgets/VornProcessDialog.h"
#include "widgets/VornPushButton.h"

#include <QApplication>
#include <QBitmap>
#include <QCloseEvent>
#include <QDebug>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QThread>
#include <QTimer>
#include <QTranslator>

namespace {

MousecfgWidget *&instancePointer()
{
    static MousecfgWidget *window = nullptr;
    return window;
}

const char *const kLanguageFiles[] = {"/lang/en.qm", "/lang/sc.qm", "/lang/tc.qm"};

// Models whose scroll markers are drawn as a wheel.
bool usesWheelScrollMarkers(const QString &product)
{
    static const QStringList models = {
        QStringLiteral("NX-55"), QStringLiteral("NX-56"), QStringLiteral("NX-57"),
        QStringLiteral("NX-34"), QStringLiteral("NX-35"), QStringLiteral("NX-30"),
        QStringLiteral("NX-27"), QStringLiteral("NX-26"), QStringLiteral("NX-49"),
        QStringLiteral("NX-50"), QStringLiteral("NX-52"), QStringLiteral("NX-07"),
        QStringLiteral("NX-09"), QStringLiteral("NX-46"), QStringLiteral("NX-10"),
        QStringLiteral("NX-33"), QStringLiteral("NX-39"), QStringLiteral("NX-40"),
        QStringLiteral("NX-41"), QStringLiteral("NX-51"), QStringLiteral("NX-42"),
        QStringLiteral("NX-43"), QStringLiteral("NX-44"), QStringLiteral("NX-53"),
        QStringLiteral("NX-31"), QStringLiteral("NX-28"), QStringLiteral("NX-08"),
        QStringLiteral("NX-05"), QStringLiteral("NX-15"), QStringLiteral("NX-20"),
        QStringLiteral("NX-17"), QStringLiteral("NX-19"), QStringLiteral("NX-18"),
        QStringLiteral("NX-25"), QStringLiteral("NX-16"), QStringLiteral("NX-11"),
        QStringLiteral("NX-04"), QStringLiteral("NX-06"), QStringLiteral("NX-24"),
        QStringLiteral("NX-23"), QStringLiteral("NX-21"), QStringLiteral("NX-22"),
    };
    return models.contains(product);
}

QStringList images(const char *stem)
{
    return {QStringLiteral("/skin/%1_1.png").arg(QLatin1String(stem)),
            QStringLiteral("/skin/%1_2.png").arg(QLatin1String(stem)),
            QStringLiteral("/skin/%1_3.png").arg(QLatin1String(stem))};
}

} // namespace

MousecfgWidget *MousecfgWidget::instance()
{
    return instancePointer();
}

MousecfgWidget::MousecfgWidget(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("MousecfgWidget"));
    resize(400, 300);
    setWindowTitle(QCoreApplication::translate("MousecfgWidget", "MousecfgWidget"));

    QScreen *screen = QGuiApplication::primaryScreen();
    m_iDpiVal = Skin::sizeClassForRatio(screen ? screen->logicalDotsPerInch() / 96.0 : 1.0);
    m_scale = Skin::scaleForClass(m_iDpiVal);
    UiScale::setFactor(m_scale);
    m_previousClass = 0;
    m_backgrounds.preload(m_iDpiVal);

    setBaseSize(DesignLayout::kWidth, DesignLayout::kHeight);
    setMinimumSize(DesignLayout::kWidth, DesignLayout::kHeight);
    resize(int(DesignLayout::kWidth * m_scale), int(DesignLayout::kHeight * m_scale));
    m_designedSize = size();
    if (screen)
        move((screen->size().width() - frameGeometry().width()) / 2,
             (screen->size().height() - frameGeometry().height()) / 2);

    m_connection = new DeviceConnection(this);
    m_notices = DeviceNoticeService::create(this);
    connect(m_notices, &DeviceNoticeService::noticeReceived, m_connection,
            &DeviceConnection::handleNotice);
    if (!m_notices->start([this] { return quintptr(winId()); }))
        qDebug() << "注册失败";
    instancePointer() = this;
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);

    m_mouseSelector = new VornPushButton(images("dropdown"), this);
    m_mouseSelector->setObjectName(QStringLiteral("mouseSelector"));
    m_mouseMenu = new VornMenu(this);
    connect(m_mouseMenu, &QMenu::triggered, this, &MousecfgWidget::slot_show_mousename);
    connect(m_mouseSelector, &QPushButton::clicked, this, &MousecfgWidget::slotButtonClicked);
    connect(m_connection, &DeviceConnection::deviceListRefreshed, this,
            &MousecfgWidget::onDeviceListRefreshed);
    connect(m_connection, &DeviceConnection::firstMouseArrived, this,
            [this] { QTimer::singleShot(200, this, &MousecfgWidget::slotWarnClose); });
    connect(m_connection, &DeviceConnection::lastMouseRemoved, this,
            &MousecfgWidget::onLastMouseRemoved);
    connect(m_connection, &DeviceConnection::activeMouseRemoved, this,
            &MousecfgWidget::onActiveMouseRemoved);

    m_connectedCount = 0;
    loadDeviceCatalogue();
    enumerateDevices();
    m_connection->refreshDeviceList();

    buildTray();
    loadTranslator();
    buildChrome();

    readSavedNames(m_profileList);
    openDeviceByName(readProductName().toUtf8());
    startReaders();

    ProfileStore &store = StoreContext::store();
    loadProductStore(store);
    // The system speed arrives once the window is up; an unreadable one (0)
    // must not replace the profile's own.
    const int startProfile = store.curProfile % kModeCount;
    GetPointerSpeedLater(this, [this, startProfile](int speed) {
        if (speed < 1 || speed > 20)
            return;
        ProfileStore &store = StoreContext::store();
        store.profiles[startProfile].mousespeed = quint8(speed);
        if (store.curProfile % kModeCount == startProfile)
            loadPanels();
    });

    m_dragging = false;
    m_frontView = true;
    clearMarkerState();
    switchTab(TabLighting);
    loadPanels();
    retranslate();
    showCurrentMode();
    writeDefaultProfileFile();

    // The mask waits for the background, decoded meanwhile.
    if (!backgroundFor(m_iDpiVal).isNull())
        setMask(m_backgrounds.mask(m_iDpiVal));
    setStyleSheet(QStringLiteral("*{outline:0px;}"));
    QTimer::singleShot(200, this, &MousecfgWidget::slotWarning);
}

MousecfgWidget::~MousecfgWidget()
{
    stopReaders();
    closeDevice();
    exitDevice();
    // A stopped reader ends once its read fails, which closing ensures.
    for (const QPointer<VornHidReader> &reader : m_retiredReaders) {
        if (reader) {
            reader->wait(2000);
            delete reader.data();
        }
    }
    if (instancePointer() == this)
        instancePointer() = nullptr;
}

const QPixmap &MousecfgWidget::backgroundFor(int sizeClass)
{
    return m_backgrounds.pixmap(sizeClass);
}

void MousecfgWidget::buildTray()
{
    const QIcon icon(Skin::path(QStringLiteral("/skin/icon.ico")));
    m_loadConfigAction = new QAction(tr("&Load Config"), this);
    connect(m_loadConfigAction, &QAction::triggered, this, &MousecfgWidget::slotWarning);
    m_quitAction = new QAction(tr("&Quit"), this);
    connect(m_quitAction, &QAction::triggered, qApp, &QCoreApplication::quit);
    m_trayMenu = new QMenu(this);
    m_trayMenu->addAction(m_loadConfigAction);
    m_trayMenu->addAction(m_quitAction);
    m_tray = new QSystemTrayIcon(this);
    m_tray->setContextMenu(m_trayMenu);
    connect(m_tray, &QSystemTrayIcon::activated, this, &MousecfgWidget::iconActivated);
    setWindowIcon(icon);
    m_tray->setIcon(icon);
    m_tray->setToolTip(QStringLiteral("KORVALEN Gaming Mouse"));
    m_tray->setVisible(true);
}

void MousecfgWidget::loadTranslator()
{
    m_languageIndex = readLangId();
    UiScale::setLanguageIndex(m_languageIndex);
    m_translator = new QTranslator(this);
    if (m_languageIndex >= 0 && m_languageIndex < 3 &&
        m_translator->load(Skin::path(QLatin1String(kLanguageFiles[m_languageIndex]))))
        QCoreApplication::installTranslator(m_translator);
}

void MousecfgWidget::buildChrome()
{
    m_versionLabel = new VornLabel(QString(), this);
    m_versionLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_closeButton = new VornPushButton(images("close"), this);
    m_closeButton->setObjectName(QStringLiteral("closeButton"));
    m_minButton = new VornPushButton(images("min"), this);
    m_minButton->setObjectName(QStringLiteral("minimizeButton"));

    m_languageMenu = new VornMenu(this);
    const char *languageNames[] = {"English", "简体中文", "繁體中文"};
    for (int i = 0; i < 3; ++i) {
        m_languageActions[size_t(i)] =
            new VornAction(QString::fromUtf8(languageNames[i]), m_languageMenu);
        m_languageMenu->addAction(m_languageActions[size_t(i)]);
        connect(m_languageActions[size_t(i)], &QAction::triggered, this,
                &MousecfgWidget::onLanguageAction);
    }
    m_languageButton = new VornPushButton(images("dropdown"), this);
    m_languageButton->setObjectName(QStringLiteral("languageButton"));
    m_languageButton->setMenu(m_languageMenu);

    m_modeButton = new VornPushButton(images("dropdown"), this);
    m_modeButton->setObjectName(QStringLiteral("modeButton"));
    for (int i = 0; i < kModeCount; ++i) {
        m_modeButtons[size_t(i)] = new VornPushButton({}, this);
        m_modeButtons[size_t(i)]->setFixedSize(0, 0);
    }
    for (int i = 0; i < 4; ++i) {
        m_tabs[size_t(i)] = new VornPushButton(images("tab"), this);
        m_tabs[size_t(i)]->setObjectName(QStringLiteral("tab%1").arg(i));
    }
    m_frontButton = new VornPushButton(images("view"), this);
    m_frontButton->setObjectName(QStringLiteral("frontButton"));
    m_sideButton = new VornPushButton(images("view"), this);
    m_sideButton->setObjectName(QStringLiteral("sideButton"));

    m_frontPicture = new QLabel(this);
    m_frontPicture->setObjectName(QStringLiteral("frontPicture"));
    m_frontPicture->setAlignment(Qt::AlignCenter);
    m_sidePicture = new QLabel(this);
    m_sidePicture->setObjectName(QStringLiteral("sidePicture"));
    m_sidePicture->setAlignment(Qt::AlignCenter);
    m_sidePicture->hide();
    m_thirdPicture = new QLabel(this);
    m_thirdPicture->setAlignment(Qt::AlignCenter);
    m_thirdPicture->hide();

    const QStringList markerImages = {QStringLiteral("/skin/btn_2.png"),
                                      QStringLiteral("/skin/btn_1.png"),
                                      QStringLiteral("/skin/btn_1.png")};
    for (int i = 0; i < kMarkersPerGroup; ++i) {
        for (int group = 0; group < 2; ++group) {
            auto *m = new VornPushButton(markerImages, this);
            m->setText(QString::number(i + 1));
            m->setIndex(i);
            m->setObjectName(QStringLiteral("marker%1_%2").arg(group).arg(i));
            (group == 0 ? m_frontMarkers : m_sideMarkers)[size_t(i)] = m;
        }
    }
    for (int i = 0; i < kScrollMarkers; ++i) {
        m_scrollMarkers[size_t(i)] = new VornPushButton({}, this);
        m_scrollMarkers[size_t(i)]->setIndex(i);
        m_scrollMarkers[size_t(i)]->setObjectName(QStringLiteral("marker2_%1").arg(i));
    }
    selectButtonMarker(0, 0);

    m_modeMenu = new VornMenu(this);
    m_modeMenu->setFixedWidth(int(152 * m_scale));
    buildModeMenu();
    m_modeButton->setMenu(m_modeMenu);
    m_profileMenu = new VornMenu(this);
    m_profileMenu->setFixedWidth(int(152 * m_scale));

    m_nameEdit = new VornLineEdit(this);
    m_nameEdit->setObjectName(QStringLiteral("nameEdit"));
    m_nameEdit->setMaxLength(100);
    m_nameEdit->setFocusPolicy(Qt::ClickFocus);
    m_nameEdit->setAlignment(Qt::AlignCenter);
    m_nameEdit->setStyleSheet(
        QStringLiteral("QLineEdit{border-width:2px;background-color:rgb(30,30,30);color:white}"
                       "QToolTip{background-color:black}"));
    connect(m_nameEdit, &QLineEdit::returnPressed, this, &MousecfgWidget::slotProfileNameChange);
    m_profileButton = new VornPushButton({QStringLiteral("/skin/profile_apply1.png")}, this);
    m_profileButton->setObjectName(QStringLiteral("profileButton"));
    m_profileButton->setMenu(m_profileMenu);
    m_nameLabel = new VornLabel(QString(), this);

    const char *commands[] = {"prof_save", "prof_load",   "prof_reset",
                              "prof_add",  "prof_delete", "prof_copy"};
    for (int i = 0; i < 6; ++i) {
        m_profileCommands[size_t(i)] = new VornPushButton(images(commands[i]), this);
        m_profileCommands[size_t(i)]->setObjectName(QLatin1String(commands[i]));
    }
    m_resetAllButton = new VornPushButton(images("button"), this);
    m_resetAllButton->setObjectName(QStringLiteral("resetAllButton"));
    m_okButton = new VornPushButton(images("button"), this);
    m_okButton->setObjectName(QStringLiteral("okButton"));
    m_cancelButton = new VornPushButton(images("button"), this);
    m_cancelButton->setObjectName(QStringLiteral("cancelButton"));
    m_applyButton = new VornPushButton(images("button"), this);
    m_applyButton->setObjectName(QStringLiteral("applyButton"));

    setProfileFileCommandsEnabled(true);

    // Every chrome button goes through the one click handler.
    QList<VornPushButton *> buttons = {m_closeButton,    m_minButton,    m_languageButton,
                                       m_modeButton,     m_frontButton,  m_sideButton,
                                       m_resetAllButton, m_okButton,     m_cancelButton,
                                       m_applyButton,    m_profileButton};
    for (auto *b : m_modeButtons)
        buttons << b;
    for (auto *b : m_tabs)
        buttons << b;
    for (auto *b : m_profileCommands)
        buttons << b;
    for (auto *b : m_frontMarkers)
        buttons << b;
    for (auto *b : m_sideMarkers)
        buttons << b;
    for (auto *b : m_scrollMarkers)
        buttons << b;
    for (VornPushButton *b : buttons)
        connect(b, &QPushButton::clicked, this, &MousecfgWidget::slotButtonClicked);
    layoutChildren();
}

void MousecfgWidget::place(QWidget *widget, const QRect &design)
{
    if (!widget)
        return;
    widget->setGeometry(int(design.x() * m_scale), int(design.y() * m_scale),
                        int(design.width() * m_scale), int(design.height() * m_scale));
}

void MousecfgWidget::layoutChildren()
{
    using namespace DesignLayout;
    const QFont font = UiScale::languageFont();
    // With its menu the selector is 150 wide; it grows to the left so that
    // it does not run under the language button.
    QRect selector = kMouseSelector;
    if (m_mouseSelector->menu())
        selector.setLeft(kMouseSelector.right() + 1 - 150);
    place(m_mouseSelector, selector);
    m_mouseSelector->setFont(font);
    if (!m_closeButton)
        return; // the chrome is not built yet
    place(m_closeButton, kClose);
    place(m_minButton, kMinimize);
    place(m_versionLabel, kVersion);
    place(m_languageButton, kLanguage);
    m_languageButton->setFixedWidth(int(105 * m_scale));
    place(m_modeButton, kModeButton);
    for (int i = 0; i < 4; ++i)
        place(m_tabs[size_t(i)], tab(i));
    place(m_frontButton, kFrontButton);
    place(m_sideButton, kSideButton);
    place(m_frontPicture, kPicture);
    place(m_sidePicture, kPicture);
    place(m_thirdPicture, kThirdPicture);
    place(m_nameEdit, kNameEdit);
    place(m_profileButton, kProfileButton);
    place(m_nameLabel, kNameLabel);
    for (int i = 0; i < kProfileCommandCount; ++i)
        place(m_profileCommands[size_t(i)], profileCommand(i));
    place(m_resetAllButton, kResetAll);
    place(m_okButton, footer(0));
    place(m_cancelButton, footer(1));
    place(m_applyButton, footer(2));
    m_modeMenu->setFixedWidth(int(152 * m_scale));
    m_profileMenu->setFixedWidth(int(152 * m_scale));

    QFont markerFont = font;
    markerFont.setPixelSize(qMax(1, int(10 * m_scale)));
    markerFont.setBold(true);
    for (QWidget *w : findChildren<VornPushButton *>())
        w->setFont(w->objectName().startsWith(QLatin1String("marker")) ? markerFont : font);
    m_versionLabel->setFont(font);
    m_nameLabel->setFont(font);
    m_nameEdit->setFont(font);
    m_languageMenu->setFont(font);
    m_modeMenu->setFont(font);
    m_profileMenu->setFont(font);
    m_mouseMenu->setFont(font);
    // Pictures and markers depend on the scale and the model.
    loadMousePictures();
}

void MousecfgWidget::applySizeClass(int sizeClass)
{
    m_iDpiVal = sizeClass;
    m_scale = Skin::scaleForClass(sizeClass);
    UiScale::setFactor(m_scale);
    if (!backgroundFor(sizeClass).isNull())
        setMask(m_backgrounds.mask(sizeClass));
    layoutChildren();
}

int MousecfgWidget::resizeClass(int screenClass, int previousClass, const QSize &current,
                                const QSize &designed)
{
    if (screenClass != previousClass || current != designed)
        return screenClass;
    qDebug() << "singleShot";
    // The window was resized to a designed size (by the system moving it
    // between screens): take the class whose width that is, within 9 px.
    static const int widths[] = {999, 1248, 1498, 1748};
    for (int c = 0; c < 4; ++c) {
        if (qAbs(current.width() - widths[c]) <= 9)
            return c;
    }
    return screenClass;
}

void MousecfgWidget::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    QScreen *screen = QGuiApplication::screenAt(geometry().center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const int screenClass =
        Skin::sizeClassForRatio(screen ? screen->logicalDotsPerInch() / 96.0 : 1.0);
    backgroundFor(screenClass);
    const int sizeClass = resizeClass(screenClass, m_previousClass, size(), m_designedSize);
    applySizeClass(sizeClass);
    m_previousClass = sizeClass;
    qDebug("width = %d, height = %d m_iDpiVal = %d", width(), height(), m_iDpiVal);
}

void MousecfgWidget::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const QPixmap &background = backgroundFor(m_iDpiVal);
    if (!background.isNull())
        painter.drawPixmap(0, 0, background);
    event->ignore();
}

void MousecfgWidget::loadMousePictures()
{
    if (!m_frontPicture)
        return;
    const QString product = readProductName();
    const int side = int(300 * m_scale);
    // Another model's picture would be wrong, so a missing one leaves the
    // view empty.
    const QPixmap front =
        Skin::pixmap(QStringLiteral("/skin/mouse/") + product + QStringLiteral(".png"));
    m_frontPicture->setPixmap(
        front.isNull() ? QPixmap()
                       : front.scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    const QPixmap sidePicture =
        Skin::pixmap(QStringLiteral("/skin/mouse/") + product + QStringLiteral("_Side.png"));
    m_sidePicture->setPixmap(
        sidePicture.isNull()
            ? QPixmap()
            : sidePicture.scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation));

    const MouseLayout layout = mouseLayout(product);
    for (int i = 0; i < 42; ++i) {
        m_markerPresent[size_t(i)] = layout.markers[size_t(i)].present;
        m_markerRects[size_t(i)] = layout.markers[size_t(i)].rect;
    }
    for (int i = 0; i < kMarkersPerGroup; ++i) {
        place(m_frontMarkers[size_t(i)], m_markerRects[size_t(i)]);
        place(m_sideMarkers[size_t(i)], m_markerRects[size_t(20 + i)]);
    }
    for (int i = 0; i < kScrollMarkers; ++i)
        place(m_scrollMarkers[size_t(i)], m_markerRects[size_t(40 + i)]);
    applyMarkerSkin();
    if (m_tabs[0])
        switchTab(m_currentTab);
}

void MousecfgWidget::applyMarkerSkin()
{
    const bool wheel = usesWheelScrollMarkers(readProductName());
    const QString up = wheel ? QStringLiteral("4") : QStringLiteral("2");
    const QString upLit = wheel ? QStringLiteral("3") : QStringLiteral("1");
    m_scrollMarkers[0]->setImages({QStringLiteral("/skin/btn_up%1.png").arg(up),
                                   QStringLiteral("/skin/btn_up%1.png").arg(upLit),
                                   QStringLiteral("/skin/btn_up%1.png").arg(upLit)});
    m_scrollMarkers[1]->setImages({QStringLiteral("/skin/btn_down%1.png").arg(up),
                                   QStringLiteral("/skin/btn_down%1.png").arg(upLit),
                                   QStringLiteral("/skin/btn_down%1.png").arg(upLit)});
}

VornPushButton *MousecfgWidget::marker(int group, int i) const
{
    switch (group) {
    case 0:
        return m_frontMarkers[size_t(i)];
    case 1:
        return m_sideMarkers[size_t(i)];
    default:
        return m_scrollMarkers[size_t(i)];
    }
}

void MousecfgWidget::clearMarkerState()
{
    m_selectedMarker = {0, 0, 0};
    m_currentGroup = 0;
    m_savedGroup = 0;
    m_frontView = true;
}

void MousecfgWidget::buildModeMenu()
{
    // Our actions go first: clearing the menu deletes the actions it owns.
    for (VornAction *&action : m_modeActions) {
        delete action;
        action = nullptr;
    }
    m_modeMenu->clear();
    const bool threeModes = readProductName() == QLatin1String("NX-04");
    for (int i = 0; i < kModeCount; ++i) {
        // This model keeps three on-board profiles.
        if (threeModes && i >= 3)
            continue;
        auto *action = new VornAction(tr("Mode") + QStringLiteral(" %1").arg(i + 1), m_modeMenu);
        m_modeMenu->addAction(action);
        connect(action, &QAction::triggered, this, &MousecfgWidget::onModeAction);
        m_modeActions[size_t(i)] = action;
    }
}

int MousecfgWidget::modeActionCount() const
{
    int count = 0;
    for (VornAction *a : m_modeActions)
        count += a ? 1 : 0;
    return count;
}

QString MousecfgWidget::modeButtonText() const
{
    return m_modeButton ? m_modeButton->text() : QString();
}

int MousecfgWidget::modeIndexOf(QObject *action) const
{
    for (int i = 0; i < kModeCount; ++i) {
        if (m_modeActions[size_t(i)] && m_modeActions[size_t(i)] == action)
            return i;
    }
    return -1;
}

void MousecfgWidget::showCurrentMode()
{
    const ProfileStore &store = StoreContext::store();
    const int mode = store.curProfile % kModeCount;
    if (VornAction *action = m_modeActions[size_t(mode)])
        m_modeButton->setText(action->text());
    m_nameEdit->setText(store.profileNames[mode]);
}

void MousecfgWidget::selectMode(int index, bool loadFile)
{
    if (index < 0 || index >= kModeCount)
        return;
    if (VornAction *action = m_modeActions[size_t(index)])
        m_modeButton->setText(action->text());
    m_modeButton->update();
    ProfileStore &store = StoreContext::store();
    store.curProfile = quint8(index);
    if (loadFile) {
        loadProfileFile(store.profiles[index], store.profileNames[index]);
        store.profiles[index].ProfileName = store.profileNames[index];
    }
    m_nameEdit->setText(store.profileNames[index]);
    loadPanels();
    saveProfileId(index);
}

void MousecfgWidget::onModeAction()
{
    const int index = modeIndexOf(sender());
    if (index < 0)
        return;
    selectMode(index, false);
    // The mouse holds all five modes already: switch, nothing else.
    SwitchProfile(StoreContext::store(), quint8(index));
    m_nameEdit->setText(StoreContext::store().profileNames[StoreContext::store().curProfile]);
}

void MousecfgWidget::loadPanels()
{
    // The settings panels take the current record here as each of them
    // joins the window.
}

void MousecfgWidget::collectPanels()
{
    // Copies the DPI, pointer-speed, report-rate and lift-off panels'
    // values back into the store as each of them joins the window.
}

void MousecfgWidget::switchTab(int index)
{
    if (index < 0 || index > 3)
        return;
    m_currentTab = index;
    for (int i = 0; i < 4; ++i)
        m_tabs[size_t(i)]->setSelected(i == index);
    m_frontButton->setVisible(index == TabCustomize);
    m_sideButton->setVisible(index == TabCustomize);
    if (index == TabCustomize) {
        setFrontView(m_frontView);
    } else {
        m_frontPicture->setVisible(index == TabLighting);
        m_sidePicture->hide();
        for (int i = 0; i < 42; ++i)
            marker(i / 20, i % 20)->hide();
    }
}

void MousecfgWidget::setFrontView(bool front)
{
    m_frontPicture->setVisible(front);
    m_sidePicture->setVisible(!front);
    m_frontButton->setSelected(front);
    m_sideButton->setSelected(!front);
    for (int i = 0; i < kMarkersPerGroup; ++i) {
        m_frontMarkers[size_t(i)]->setVisible(front && m_markerPresent[size_t(i)]);
        m_sideMarkers[size_t(i)]->setVisible(!front && m_markerPresent[size_t(20 + i)]);
    }
    for (int i = 0; i < kScrollMarkers; ++i)
        m_scrollMarkers[size_t(i)]->setVisible(front && m_markerPresent[size_t(40 + i)]);
}

void MousecfgWidget::selectButtonMarker(int iBtn, int iType)
{
    if (iType < 0 || iType > 2)
        return;
    const int count = iType == 2 ? kScrollMarkers : kMarkersPerGroup;
    if (iBtn < 0 || iBtn >= count)
        return;
    m_currentGroup = iType;
    m_selectedMarker[size_t(iType)] = iBtn;
    for (int group = 0; group < 3; ++group) {
        const int n = group == 2 ? kScrollMarkers : kMarkersPerGroup;
        for (int i = 0; i < n; ++i)
            marker(group, i)->setSelected(false);
    }
    marker(iType, iBtn)->setSelected(true);
}

void MousecfgWidget::slotButtonClicked()
{
    QObject *s = sender();
    if (s == m_closeButton) {
        if (QSystemTrayIcon::isSystemTrayAvailable())
            hide();
        else
            QCoreApplication::quit(); // nowhere to hide to
        return;
    }
    if (s == m_minButton) {
        showMinimized();
        return;
    }
    for (int i = 0; i < kModeCount; ++i) {
        if (s == m_modeButtons[size_t(i)]) {
            StoreContext::store().curProfile = quint8(i);
            selectMode(i, true);
            return;
        }
    }
    for (int i = 0; i < 4; ++i) {
        if (s == m_tabs[size_t(i)]) {
            switchTab(i);
            return;
        }
    }
    if (s == m_frontButton) {
        m_frontView = true;
        m_currentGroup = m_savedGroup;
        setFrontView(true);
        return;
    }
    if (s == m_sideButton) {
        m_frontView = false;
        m_savedGroup = m_currentGroup;
        m_currentGroup = 1;
        setFrontView(false);
        return;
    }
    for (int i = 0; i < kMarkersPerGroup; ++i) {
        if (s == m_frontMarkers[size_t(i)]) {
            selectButtonMarker(i, 0);
            return;
        }
    }
    for (int i = 0; i < kScrollMarkers; ++i) {
        if (s == m_scrollMarkers[size_t(i)]) {
            selectButtonMarker(i, 2);
            return;
        }
    }
    if (s == m_cancelButton) {
        hideToTray();
        selectMode(StoreContext::store().curProfile, true);
        return;
    }
    if (s == m_applyButton) {
        collectPanels();
        uploadWithProgress();
        return;
    }
    if (s == m_okButton) {
        uploadWithProgress();
        return;
    }
}

void MousecfgWidget::uploadWithProgress()
{
    VornProcessDialog dialog(this);
    auto *thread = new VornProcessThread;
    connect(thread, &VornProcessThread::DoProcessDlg, &dialog, &VornProcessDialog::slotProcessDlg);
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    thread->start(QThread::InheritPriority);
    dialog.exec();
}

void MousecfgWidget::hideToTray()
{
    if (QSystemTrayIcon::isSystemTrayAvailable())
        hide();
    else
        showMinimized();
}

void MousecfgWidget::retranslate()
{
    const QString profile = tr("Profile");
    const QString mode = tr("Mode");
    m_versionLabel->setText(tr("Version") + QStringLiteral(" : 1.0.58"));
    m_nameEdit->setToolTip(tr("Press Enter To Apply"));
    m_nameLabel->setText(tr("NAME"));
    const QString tips[] = {tr("SAVE"), tr("LOAD"),   tr("RESET"),
                            tr("ADD"),  tr("DELETE"), tr("COPY")};
    for (int i = 0; i < 6; ++i)
        m_profileCommands[size_t(i)]->setToolTip(tips[i]);
    m_resetAllButton->setText(tr("Reset All"));
    m_okButton->setText(tr("OK"));
    m_cancelButton->setText(tr("Cancel"));
    m_applyButton->setText(tr("Apply"));
    m_tabs[0]->setText(tr("LIGHTING"));
    m_tabs[1]->setText(tr("CUSTOMIZE"));
    m_tabs[2]->setText(tr("DPI"));
    m_tabs[3]->setText(tr("MACRO"));
    for (int i = 0; i < kModeCount; ++i)
        m_modeButtons[size_t(i)]->setText(profile + QStringLiteral(" %1").arg(i + 1));
    const char *languageNames[] = {"English", "简体中文", "繁體中文"};
    for (int i = 0; i < 3; ++i)
        m_languageActions[size_t(i)]->setText(QString::fromUtf8(languageNames[i]));
    if (m_languageIndex >= 0 && m_languageIndex < 3)
        m_languageButton->setText(m_languageActions[size_t(m_languageIndex)]->text());
    m_frontButton->setText(tr("Front"));
    m_sideButton->setText(tr("Side"));
    for (int i = 0; i < kModeCount; ++i) {
        if (m_modeActions[size_t(i)])
            m_modeActions[size_t(i)]->setText(mode + QStringLiteral(" %1").arg(i + 1));
    }
    const int current = StoreContext::store().curProfile % kModeCount;
    if (m_modeActions[size_t(current)])
        m_modeButton->setText(m_modeActions[size_t(current)]->text());
    m_loadConfigAction->setText(tr("&Load Config"));
    m_quitAction->setText(tr("&Quit"));
    layoutChildren();
}

void MousecfgWidget::onLanguageAction()
{
    int index = -1;
    for (int i = 0; i < 3; ++i) {
        if (sender() == m_languageActions[size_t(i)])
            index = i;
    }
    if (index < 0) {
        if (m_languageIndex >= 0 && m_languageIndex < 3)
            m_languageButton->setText(m_languageActions[size_t(m_languageIndex)]->text());
        writeLangId(m_languageIndex);
        return;
    }
    setLanguage(index);
}

void MousecfgWidget::setLanguage(int index)
{
    const bool loaded = index >= 0 && index < 3 &&
                        m_translator->load(Skin::path(QLatin1String(kLanguageFiles[index])));
    m_languageIndex = index;
    UiScale::setLanguageIndex(index);
    if (index >= 0 && index < 3)
        m_languageButton->setText(m_languageActions[size_t(index)]->text());
    writeLangId(index);
    if (loaded) {
        QCoreApplication::installTranslator(m_translator);
        retranslate();
    }
}

void MousecfgWidget::onDeviceListRefreshed(const QStringList &names)
{
    m_mouseNames = names;
    m_connectedCount = names.size();
    m_mouseMenu->clear();
    if (names.size() > 1) {
        for (const QString &name : names)
            m_mouseMenu->addAction(new VornAction(name, m_mouseMenu));
        m_mouseSelector->setMenu(m_mouseMenu);
        m_mouseSelector->setText(readProductName());
        layoutChildren();
        m_mouseSelector->show();
    } else {
        m_mouseSelector->hide();
    }
}

void MousecfgWidget::startReaders()
{
    // Readers started while no mouse was open have ended by themselves;
    // they are retired like any other before new ones take their place.
    if (m_reader1 || m_reader2)
        stopReaders();
    m_reader1 = new VornHidReadThread;
    m_reader1->start(QThread::InheritPriority);
    m_reader2 = new VornHidReadThread2;
    m_reader2->start(QThread::InheritPriority);
    connect(m_reader2, &VornHidReadThread2::RefreshProfile, this,
            &MousecfgWidget::slotRefreshProfile);
    connect(m_reader2, &VornHidReadThread2::RefreshLightModeSignal, this,
            &MousecfgWidget::slotRefreshLightMode);
    connect(m_reader2, &VornHidReadThread2::RefreshDPIStage, this,
            &MousecfgWidget::slotRefreshDPIStage);
    connect(m_reader2, &VornHidReadThread2::RefreshPollRate, this,
            &MousecfgWidget::slotRefreshRate);
}

void MousecfgWidget::stopReaders()
{
    VornHidReader *readers[] = {m_reader1, m_reader2};
    for (VornHidReader *reader : readers) {
        if (!reader)
            continue;
        reader->isStop = true;
        QThread::msleep(10);
        reader->stop();
        // The thread object goes once its loop has ended: never while it
        // runs, and never left behind.
        connect(reader, &QThread::finished, reader, &QObject::deleteLater);
        if (reader->isFinished())
            reader->deleteLater();
        m_retiredReaders.emplace_back(reader);
    }
    m_reader1 = nullptr;
    m_reader2 = nullptr;
    m_retiredReaders.erase(std::remove_if(m_retiredReaders.begin(), m_retiredReaders.end(),
                                          [](const QPointer<VornHidReader> &r) { return !r; }),
                           m_retiredReaders.end());
}

bool MousecfgWidget::readersRunning() const
{
    return m_reader1 && m_reader2;
}

void MousecfgWidget::reloadAfterOpen()
{
    layoutChildren(); // with the pictures of the product now open
    loadProductStore(StoreContext::store());
    showCurrentMode();
    readSavedNames(m_profileList);
    writeDefaultProfileFile();
    switchTab(TabLighting);
    selectButtonMarker(0, 0);
    applyMarkerSkin();
    loadPanels();
}

void MousecfgWidget::slotWarnClose()
{
    openDeviceByName(readProductName().toUtf8());
    startReaders();
    clearMarkerState();
    reloadAfterOpen();
    ShellState::setDeviceOpen(true);
    buildModeMenu();
    showCurrentMode();
}

void MousecfgWidget::onLastMouseRemoved()
{
    stopReaders();
    closeDevice();
    m_connectedCount = 0;
    ShellState::setDeviceOpen(false);
    ShellState::setWarningOpen(true);
    QTimer::singleShot(200, this, &MousecfgWidget::slotWarning);
}

void MousecfgWidget::onActiveMouseRemoved(const QString &productName)
{
    stopReaders();
    closeDevice();
    openDeviceByName(productName.toUtf8());
    startReaders();
    clearMarkerState();
    buildModeMenu();
    reloadAfterOpen();
}

void MousecfgWidget::slot_show_mousename(QAction *action)
{
    if (!action)
        return;
    stopReaders();
    QThread::msleep(50);
    closeDevice();
    QThread::msleep(50);
    clearMarkerState();
    m_mouseSelector->setText(action->text());
    writeProductName(action->text());
    buildModeMenu();
    openDeviceByName(action->text().toUtf8());
    QThread::msleep(50);
    reloadAfterOpen();
    startReaders();
}

void MousecfgWidget::slotWarning()
{
    show();
    if (m_connectedCount != 0) {
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
        hideToTray();
    ShellState::setWarningOpen(false);
}

void MousecfgWidget::iconActivated(QSystemTrayIcon::ActivationReason reason)
{
    if (reason != QSystemTrayIcon::DoubleClick && reason != QSystemTrayIcon::Trigger)
        return;
    if (isHidden()) {
        slotWarning();
        return;
    }
    if (!ShellState::warningOpen())
        hide();
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
    setProfileFileCommandsEnabled(bEnable);
}

void MousecfgWidget::setProfileFileCommandsEnabled(bool enable)
{
    // The profile-file commands (choose, add, delete, copy, rename, export,
    // import, reset) are not offered yet: they are shown, but disabled, and
    // the name can be read but not edited.
    const bool offered = enable && kProfileFileCommandsOffered;
    for (VornPushButton *b : m_profileCommands)
        b->setEnabled(offered);
    m_resetAllButton->setEnabled(offered);
    m_profileButton->setEnabled(offered);
    m_nameEdit->setReadOnly(!kProfileFileCommandsOffered);
}

void MousecfgWidget::slotProfileNameChange()
{
    // Renaming profile files belongs to the profile management.
}

void MousecfgWidget::slotRefreshProfile(quint8 iProfile)
{
    // A mode this model has no action for (modes 4 and 5 of a three-mode
    // model) cannot be shown; the report is ignored.
    if (iProfile >= kModeCount || !m_modeActions[iProfile]) {
        qDebug() << "slotRefreshProfile: no mode" << iProfile;
        return;
    }
    selectMode(iProfile, false);
    SetPointerSpeed(StoreContext::store().profiles[iProfile].mousespeed);
}

void MousecfgWidget::slotRefreshDPIStage(quint8 iDPI)
{
    ProfileStore &store = StoreContext::store();
    const int mode = store.curProfile % kModeCount;
    store.profiles[mode].dpi = iDPI;
    writeDpiStageToFile(store.profileNames[mode], iDPI);
}

void MousecfgWidget::slotRefreshLightMode(quint8 iBuff1, quint8 iBuff2)
{
    emit lightModeSelected(ledModeFromEffect(lightingClass(), iBuff1, iBuff2));
}

void MousecfgWidget::slotRefreshRate(quint8 iRate)
{
    ProfileStore &store = StoreContext::store();
    store.profiles[store.curProfile % kModeCount].pollrate = iRate;
}

void MousecfgWidget::slotRefreshLift(quint8 iLift)
{
    StoreContext::store().LiftHigh = iLift;
}

void MousecfgWidget::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        m_dragging = true;
        m_pressPos = QPoint(qRound(event->screenPos().x()), qRound(event->screenPos().y()));
        m_framePos = frameGeometry().topLeft();
    }
    QWidget::mousePressEvent(event);
}

void MousecfgWidget::mouseReleaseEvent(QMouseEvent *event)
{
    m_dragging = false;
    QWidget::mouseReleaseEvent(event);
}

void MousecfgWidget::mouseMoveEvent(QMouseEvent *event)
{
    if (m_dragging) {
        const QPoint now(qRound(event->screenPos().x()), qRound(event->screenPos().y()));
        const QPoint offset = now - m_pressPos;
        if (offset.manhattanLength() > 4)
            move(m_framePos + offset);
    }
    QWidget::mouseMoveEvent(event);
}

void MousecfgWidget::closeEvent(QCloseEvent *event)
{
    // Closing hides into the tray; with no notification area there is
    // nowhere to hide, so it ends the program as "&Quit" would.
    if (QSystemTrayIcon::isSystemTrayAvailable()) {
        event->ignore();
        hide();
    } else {
        event->accept();
        QCoreApplication::quit();
    }
}

bool MousecfgWidget::nativeEvent(const QByteArray &eventType, void *message, long *result)
{
    Q_UNUSED(result)
    if (m_notices)
        m_notices->nativeEvent(eventType, message);
    return false;
}
