#include "panels/VornColorWindow.h"

#include "device/DeviceContext.h"
#include "device/FeatureCommands.h"
#include "panels/PanelLog.h"
#include "panels/PanelStyle.h"
#include "panels/QtColour.h"
#include "panels/VornColorArea.h"
#include "store/ConfigFile.h"
#include "store/ModelTable.h"
#include "store/ProfileFile.h"
#include "store/StoreContext.h"
#include "widgets/DesignLayout.h"
#include "widgets/UiScale.h"
#include "widgets/VornAction.h"
#include "widgets/VornLabel.h"
#include "widgets/VornMenu.h"
#include "widgets/VornMessageBox.h"
#include "widgets/VornPushButton.h"
#include "widgets/VornSlider.h"

namespace {

// What each effect lets the user set.
struct ModeControls
{
    bool brightness;
    bool speed;
    bool colour;
};
constexpr ModeControls kControls[kLedModeCount] = {
    {true, true, true},  {true, true, false},   {true, false, true},
    {true, true, false}, {true, true, false},   {true, true, false},
    {true, true, true},  {false, false, false}, {true, true, false},
};

} // namespace

VornColorWindow::VornColorWindow(QWidget *parent)
    : SettingsPanel(parent)
    , m_effectLabel(new VornLabel(QString(), this))
    , m_brightLabel(new VornLabel(QString(), this))
    , m_speedLabel(new VornLabel(QString(), this))
    , m_effectButton(new VornPushButton(Skin::buttonImages("dropdown"), this))
    , m_menu(new VornMenu(this))
    , m_bright(new VornSlider(Qt::Horizontal, this))
    , m_speed(new VornSlider(Qt::Horizontal, this))
    , m_colorArea(new VornColorArea(this))
{
    setObjectName(QStringLiteral("lightingPanel"));
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QStringLiteral("VornColorWindow {background-color: rgb(33,35, 35)}"));
    m_effectButton->setObjectName(QStringLiteral("effectButton"));
    m_effectButton->setMenu(m_menu);
    m_bright->setObjectName(QStringLiteral("brightnessSlider"));
    m_speed->setObjectName(QStringLiteral("speedSlider"));
    m_brightLabel->setObjectName(QStringLiteral("brightnessLabel"));
    m_speedLabel->setObjectName(QStringLiteral("speedLabel"));
    m_bright->setRange(int(kMinBright), int(kMaxBright));
    m_speed->setRange(int(kMinBreath), int(kMaxBreath));
    for (VornSlider *slider : {m_bright, m_speed}) {
        slider->setSingleStep(1);
        slider->setPageStep(1);
        slider->setTickPosition(QSlider::NoTicks);
        connect(slider, &VornSlider::MouseChange, this, &VornColorWindow::slotSliderMouseChange);
    }
    connect(m_bright, &QSlider::valueChanged, this, [this](int value) {
        if (LedModeInfo *mode = currentMode())
            mode->bright = quint32(value);
    });
    connect(m_speed, &QSlider::valueChanged, this, [this](int value) {
        if (LedModeInfo *mode = currentMode())
            mode->breath = quint32(value);
    });
    connect(m_colorArea, &VornColorArea::VornChangeColor, this, &VornColorWindow::slotSendLedState);
    connect(m_colorArea, &VornColorArea::ApplyColor, this, &VornColorWindow::slotApplyColor);
    rebuildMenu();
    retranslate();
    rescale();
}

QRect VornColorWindow::designRect() const
{
    return DesignLayout::kLowerPanel;
}

void VornColorWindow::loadRecord(ProfileStore &store)
{
    setProfileData(
        store, lightingInFirstProfile(readProductName()) ? 0 : store.curProfile % kProfileCount);
}

void VornColorWindow::setProfileData(ProfileStore &store, int profile)
{
    m_store = &store;
    m_profile = profile;
    m_record = &store.profiles[profile];
    rebuildMenu();
    retranslate();
    selectMode(m_record->LedMode, false);
}

QString VornColorWindow::modeName(int mode)
{
    const char *text = lightingEffectText(mode);
    return text ? tr(text) : QString();
}

QVector<int> VornColorWindow::menuModes(quint32 lightingClass, const QString &productName)
{
    return lightingEffects(lightingClass, productName);
}

void VornColorWindow::rebuildMenu()
{
    // The actions belong to the panel, so clearing the menu leaves them.
    m_menu->clear();
    for (VornAction *action : m_actions)
        delete action;
    const QString product = readProductName();
    const QVector<int> offered = menuModes(lightingClass(product), product);
    for (int m = 0; m < kLedModeCount; ++m) {
        auto *action = new VornAction(modeName(m), this);
        action->setData(m);
        action->setVisible(offered.contains(m));
        connect(action, &QAction::triggered, this, &VornColorWindow::onEffectAction);
        m_actions[size_t(m)] = action;
    }
    for (int m : offered)
        m_menu->addAction(m_actions[size_t(m)]);
}

void VornColorWindow::retranslate()
{
    m_effectLabel->setText(tr("EFFECT"));
    m_brightLabel->setText(tr("BRIGHTNESS"));
    m_speedLabel->setText(tr("SPEED"));
    for (int m = 0; m < kLedModeCount; ++m) {
        if (m_actions[size_t(m)])
            m_actions[size_t(m)]->setText(modeName(m));
    }
    if (m_record)
        m_effectButton->setText(modeName(m_record->LedMode));
    m_colorArea->retranslate();
}

void VornColorWindow::rescale()
{
    const QFont font = UiScale::languageFont();
    for (QWidget *w : std::initializer_list<QWidget *>{m_effectLabel, m_brightLabel, m_speedLabel,
                                                       m_effectButton})
        w->setFont(font);
    for (VornSlider *slider : {m_bright, m_speed})
        slider->setStyleSheet(levelSliderStyle(QStringLiteral("rate.png")));
    m_colorArea->rescale();
    layoutChildren();
}

void VornColorWindow::layoutChildren()
{
    m_effectLabel->setGeometry(UiScale::scaled({24, 20, 200, 20}));
    m_effectButton->setGeometry(UiScale::scaled({24, 44, 200, 29}));
    m_brightLabel->setGeometry(UiScale::scaled({24, 88, 200, 20}));
    m_bright->setGeometry(UiScale::scaled({24, 110, 250, 22}));
    m_speedLabel->setGeometry(UiScale::scaled({24, 142, 200, 20}));
    m_speed->setGeometry(UiScale::scaled({24, 164, 250, 22}));
    m_colorArea->setGeometry(UiScale::scaled({318, 4, 340, 191}));
}

LedModeInfo *VornColorWindow::currentMode() const
{
    if (!m_record || m_record->LedMode >= kLedModeCount)
        return nullptr;
    return &m_record->LED_MODE[m_record->LedMode];
}

void VornColorWindow::selectMode(int mode, bool apply)
{
    if (!m_record || mode < 0 || mode >= kLedModeCount)
        return;
    // An effect the menu does not offer (an old file, a report) is still
    // shown by its name.
    m_effectButton->setText(modeName(mode));
    const ModeControls &controls = kControls[mode];
    m_brightLabel->setVisible(controls.brightness);
    m_bright->setVisible(controls.brightness);
    m_speedLabel->setVisible(controls.speed);
    m_speed->setVisible(controls.speed);
    m_colorArea->setVisible(controls.colour);
    m_colorArea->setSwatchOnly(takesPresetColoursOnly(readProductName()));

    m_record->LedMode = quint8(mode);
    const LedModeInfo &info = m_record->LED_MODE[mode];
    {
        // Showing the stored levels is not an edit.
        const QSignalBlocker b(m_bright);
        const QSignalBlocker s(m_speed);
        m_bright->setValue(int(info.bright));
        m_speed->setValue(int(info.breath));
    }
    qCDebug(lcPanels, "EffectMenuFunction iProfile=%d i=%d r=%d g=%d b=%d", m_profile, mode,
            info.RGB.red(), info.RGB.green(), info.RGB.blue());
    m_colorArea->setColor(toQColor(info.RGB));
    if (apply)
        applyStep();
}

void VornColorWindow::onEffectAction()
{
    auto *action = qobject_cast<QAction *>(sender());
    if (action)
        selectMode(action->data().toInt(), true);
}

void VornColorWindow::slotRefreshLightMode(int mode)
{
    selectMode(mode, false);
}

void VornColorWindow::slotSendLedState(QColor color)
{
    LedModeInfo *mode = currentMode();
    if (!mode)
        return;
    qCDebug(lcPanels, "slotSendLedState iProfile=%d i=%d r=%d g=%d b=%d", m_profile,
            m_record->LedMode, color.red(), color.green(), color.blue());
    mode->RGB = toLedColour(color);
}

void VornColorWindow::slotSliderMouseChange()
{
    applyStep();
}

void VornColorWindow::slotApplyColor()
{
    applyStep();
}

void VornColorWindow::applyStep()
{
    const LedModeInfo *mode = currentMode();
    if (!mode || !m_store)
        return;
    if (writeLedModeToFile(m_store->profileNames[m_profile], m_record->LedMode, mode->RGB, mode->h,
                           mode->s, mode->v, mode->bright, mode->breath) &&
        m_store == &StoreContext::store()) {
        // Our own write: the file watcher must not take it for another
        // program's change and reload the panels under the person's hand.
        ProfileData &base = StoreContext::baseline().profiles[m_profile];
        base.LedMode = m_record->LedMode;
        base.LED_MODE[m_record->LedMode] = *mode;
    }
    const bool sent = SendSingleLedStateWithData(*m_store);
    // Without an open mouse there is nothing to tell.
    if (sent || !DeviceContext::interface1Handle()) {
        m_previewFailed = false;
        return;
    }
    if (m_previewFailed)
        return;
    m_previewFailed = true;
    VornMessageBox box(VornMessageBox::Ok, QString(), tr("Warning"),
                       tr("The lighting preview did not reach the mouse. Replug the mouse and try "
                          "again; if it fails again, start the program with "
                          "KORVALEN_HID_TRACE=<file> and send that file to support."),
                       this, false, Qt::FramelessWindowHint);
    box.exec();
}
