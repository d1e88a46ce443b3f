#include "panels/VornBtnWindow.h"

#include "macro/MacroFile.h"
#include "macro/MacroLibrary.h"
#include "panels/PanelLog.h"
#include "panels/VornComboKeyWindow.h"
#include "panels/VornFireKeyWindow.h"
#include "panels/VornSingleKeyWindow.h"
#include "panels/VornSniperWindow.h"
#include "store/ConfigFile.h"
#include "store/FunctionCodes.h"
#include "store/KeyTables.h"
#include "store/ModelTable.h"
#include "store/ProfileData.h"
#include "store/StoreContext.h"
#include "widgets/DesignLayout.h"
#include "widgets/MouseLayout.h"
#include "widgets/UiScale.h"
#include "widgets/VornAction.h"
#include "widgets/VornMenu.h"
#include "widgets/VornMessageBox.h"
#include "widgets/VornPushButton.h"

#include <algorithm>
#include <cstring>

namespace {

// Where an action sits: on the function menu itself (before or after the
// submenus) or in one of the seven submenus.
enum Place {
    MenuHead = -1,
    Basic = 0,
    Windows,
    Advance,
    Media,
    Dpi,
    ProfileMenu,
    PollingRate,
    MenuTail = 7
};

struct FunctionItem
{
    qint32 code;
    const char *text;
    int place;
};

// Every function of the panel with its menu text, in menu order.
const FunctionItem kFunctions[] = {
    {FunctionCode::Left, QT_TRANSLATE_NOOP("VornBtnWindow", "Left"), MenuHead},
    {FunctionCode::Right, QT_TRANSLATE_NOOP("VornBtnWindow", "Right"), MenuHead},
    {FunctionCode::Middle, QT_TRANSLATE_NOOP("VornBtnWindow", "Middle"), MenuHead},
    {FunctionCode::Forward, QT_TRANSLATE_NOOP("VornBtnWindow", "Forward"), MenuHead},
    {FunctionCode::Back, QT_TRANSLATE_NOOP("VornBtnWindow", "Back"), MenuHead},
    {FunctionCode::Cut, QT_TRANSLATE_NOOP("VornBtnWindow", "Cut"), Basic},
    {FunctionCode::Copy, QT_TRANSLATE_NOOP("VornBtnWindow", "Copy"), Basic},
    {FunctionCode::Paste, QT_TRANSLATE_NOOP("VornBtnWindow", "Paste"), Basic},
    {FunctionCode::SelectAll, QT_TRANSLATE_NOOP("VornBtnWindow", "All"), Basic},
    {FunctionCode::Find, QT_TRANSLATE_NOOP("VornBtnWindow", "Find"), Basic},
    {FunctionCode::New, QT_TRANSLATE_NOOP("VornBtnWindow", "New"), Basic},
    {FunctionCode::Print, QT_TRANSLATE_NOOP("VornBtnWindow", "Print"), Basic},
    {FunctionCode::Save, QT_TRANSLATE_NOOP("VornBtnWindow", "Save"), Basic},
    {FunctionCode::SwitchWindow, QT_TRANSLATE_NOOP("VornBtnWindow", "Switch Window"), Windows},
    {FunctionCode::CloseWindow, QT_TRANSLATE_NOOP("VornBtnWindow", "Close Window"), Windows},
    {FunctionCode::MyComputer, QT_TRANSLATE_NOOP("VornBtnWindow", "My Computer"), Windows},
    {FunctionCode::Run, QT_TRANSLATE_NOOP("VornBtnWindow", "Run"), Windows},
    {FunctionCode::ShowDesktop, QT_TRANSLATE_NOOP("VornBtnWindow", "Show Desktop"), Windows},
    {FunctionCode::LockPc, QT_TRANSLATE_NOOP("VornBtnWindow", "Lock PC"), Windows},
    {FunctionCode::BrowserHome, QT_TRANSLATE_NOOP("VornBtnWindow", "Browser Home"), Windows},
    {FunctionCode::BrowserBackward, QT_TRANSLATE_NOOP("VornBtnWindow", "Browser Backward"),
     Windows},
    {FunctionCode::BrowserForward, QT_TRANSLATE_NOOP("VornBtnWindow", "Browser Forward"), Windows},
    {FunctionCode::BrowserStop, QT_TRANSLATE_NOOP("VornBtnWindow", "Browser Stop"), Windows},
    {FunctionCode::BrowserRefresh, QT_TRANSLATE_NOOP("VornBtnWindow", "Browser Refresh"), Windows},
    {FunctionCode::BrowserSearch, QT_TRANSLATE_NOOP("VornBtnWindow", "Browser Search"), Windows},
    {FunctionCode::BrowserFavorite, QT_TRANSLATE_NOOP("VornBtnWindow", "Browser Favorite"),
     Windows},
    {FunctionCode::Mail, QT_TRANSLATE_NOOP("VornBtnWindow", "Mail"), Windows},
    {FunctionCode::SingleKey, QT_TRANSLATE_NOOP("VornBtnWindow", "SINGLE KEY"), Advance},
    {FunctionCode::ComboKey, QT_TRANSLATE_NOOP("VornBtnWindow", "COMBO KEY"), Advance},
    {FunctionCode::FireKey, QT_TRANSLATE_NOOP("VornBtnWindow", "FIRE KEY"), Advance},
    {FunctionCode::Sniper, QT_TRANSLATE_NOOP("VornBtnWindow", "SNIPER"), Advance},
    {FunctionCode::PlayPause, QT_TRANSLATE_NOOP("VornBtnWindow", "Play/Pause"), Media},
    {FunctionCode::Stop, QT_TRANSLATE_NOOP("VornBtnWindow", "Stop"), Media},
    {FunctionCode::PreviousTrack, QT_TRANSLATE_NOOP("VornBtnWindow", "Previous Track"), Media},
    {FunctionCode::NextTrack, QT_TRANSLATE_NOOP("VornBtnWindow", "Next Track"), Media},
    {FunctionCode::VolumeUp, QT_TRANSLATE_NOOP("VornBtnWindow", "Volume Up"), Media},
    {FunctionCode::VolumeDown, QT_TRANSLATE_NOOP("VornBtnWindow", "Volume Down"), Media},
    {FunctionCode::Mute, QT_TRANSLATE_NOOP("VornBtnWindow", "Mute"), Media},
    {FunctionCode::MediaPlayer, QT_TRANSLATE_NOOP("VornBtnWindow", "Media Player"), Media},
    {FunctionCode::DpiSwitch, QT_TRANSLATE_NOOP("VornBtnWindow", "DPI Switch"), Dpi},
    {FunctionCode::DpiUp, QT_TRANSLATE_NOOP("VornBtnWindow", "DPI +"), Dpi},
    {FunctionCode::DpiDown, QT_TRANSLATE_NOOP("VornBtnWindow", "DPI -"), Dpi},
    {FunctionCode::ProfileSwitch, QT_TRANSLATE_NOOP("VornBtnWindow", "Profile Switch"),
     ProfileMenu},
    {FunctionCode::ProfileUp, QT_TRANSLATE_NOOP("VornBtnWindow", "Profile +"), ProfileMenu},
    {FunctionCode::ProfileDown, QT_TRANSLATE_NOOP("VornBtnWindow", "Profile -"), ProfileMenu},
    {FunctionCode::RateUp, QT_TRANSLATE_NOOP("VornBtnWindow", "Rate +"), PollingRate},
    {FunctionCode::RateDown, QT_TRANSLATE_NOOP("VornBtnWindow", "Rate -"), PollingRate},
    {FunctionCode::Macro, QT_TRANSLATE_NOOP("VornBtnWindow", "Macro Manager"), MenuTail},
    {FunctionCode::GunFile, QT_TRANSLATE_NOOP("VornBtnWindow", "GunFile Manager"), MenuTail},
    {FunctionCode::LedSwitch, QT_TRANSLATE_NOOP("VornBtnWindow", "Led Switch"), MenuTail},
    {FunctionCode::ButtonOff, QT_TRANSLATE_NOOP("VornBtnWindow", "Button Off"), MenuTail},
    // The wheel menu's own entries (it also shares the clicks, volume and
    // the two key editors).
    {FunctionCode::ScrollUp, QT_TRANSLATE_NOOP("VornBtnWindow", "Scroll Up"), MenuTail + 1},
    {FunctionCode::ScrollDown, QT_TRANSLATE_NOOP("VornBtnWindow", "Scroll Down"), MenuTail + 1},
};

const char *const kSubmenuTitles[] = {
    QT_TRANSLATE_NOOP("VornBtnWindow", "Basic"),
    QT_TRANSLATE_NOOP("VornBtnWindow", "Windows"),
    QT_TRANSLATE_NOOP("VornBtnWindow", "Advance"),
    QT_TRANSLATE_NOOP("VornBtnWindow", "Media"),
    QT_TRANSLATE_NOOP("VornBtnWindow", "DPI"),
    QT_TRANSLATE_NOOP("VornBtnWindow", "Profile Menu"),
    QT_TRANSLATE_NOOP("VornBtnWindow", "Polling Rate"),
};

const qint32 kWheelFunctions[] = {
    FunctionCode::ScrollUp,   FunctionCode::ScrollDown, FunctionCode::VolumeUp,
    FunctionCode::VolumeDown, FunctionCode::Left,       FunctionCode::Right,
    FunctionCode::Middle,     FunctionCode::Forward,    FunctionCode::Back,
    FunctionCode::SingleKey,  FunctionCode::ComboKey,
};

bool opensKeyEditor(qint32 code)
{
    return code == FunctionCode::SingleKey || code == FunctionCode::ComboKey ||
           code == FunctionCode::FireKey || code == FunctionCode::Sniper;
}

const QRect kFunctionButton{29, 62, 150, 20};
const QRect kNarrowEditor{30, 86, 360, 100};
const QRect kWideEditor{30, 86, 560, 100};

// The row of markers: 25 x 25 squares 32 apart.
QRect markerPlace(int position)
{
    return QRect(27 + 32 * position, 20, 25, 25);
}

} // namespace

VornBtnWindow::VornBtnWindow(QWidget *parent)
    : SettingsPanel(parent)
    , m_single(new VornSingleKeyWindow(this))
    , m_combo(new VornComboKeyWindow(this))
    , m_fire(new VornFireKeyWindow(this))
    , m_sniper(new VornSniperWindow(this))
{
    setObjectName(QStringLiteral("VornBtnWindow"));
    setStyleSheet(QStringLiteral("background-color: rgb(33,35, 35)"));
    setAttribute(Qt::WA_StyledBackground);
    m_layout.add(m_single, kNarrowEditor);
    m_layout.add(m_combo, kNarrowEditor);
    m_layout.add(m_fire, kWideEditor);
    m_layout.add(m_sniper, kWideEditor);

    buildMenus();

    const QStringList dropDown = {QStringLiteral("/skin/dropdown_1.png"),
                                  QStringLiteral("/skin/dropdown_2.png"),
                                  QStringLiteral("/skin/dropdown_3.png")};
    const QStringList numbered = {QStringLiteral("/skin/btn_2.png"),
                                  QStringLiteral("/skin/btn_1.png"),
                                  QStringLiteral("/skin/btn_1.png")};
    for (int entry = 0; entry < kButtons; ++entry) {
        auto *button = new VornPushButton(dropDown, this);
        button->setObjectName(QStringLiteral("function%1").arg(entry));
        button->setMenu(entry < 2 * kGroupSize ? m_functionMenu : m_wheelMenu);
        button->hide();
        connect(button, &QPushButton::clicked, this, &VornBtnWindow::onMarkerClicked);
        m_functionButtons[size_t(entry)] = button;
        m_layout.add(button, kFunctionButton);

        VornPushButton *marker = nullptr;
        if (entry < 2 * kGroupSize) {
            marker = new VornPushButton(numbered, this);
            marker->setText(QString::number(entry % kGroupSize + 1));
        } else if (entry == 2 * kGroupSize) {
            marker = new VornPushButton({QStringLiteral("/skin/btn_up2.png"),
                                         QStringLiteral("/skin/btn_up1.png"),
                                         QStringLiteral("/skin/btn_up1.png")},
                                        this);
        } else {
            marker = new VornPushButton({QStringLiteral("/skin/btn_down2.png"),
                                         QStringLiteral("/skin/btn_down1.png"),
                                         QStringLiteral("/skin/btn_down1.png")},
                                        this);
        }
        marker->setObjectName(QStringLiteral("panelMarker%1").arg(entry));
        marker->setIndex(entry);
        connect(marker, &QPushButton::clicked, this, &VornBtnWindow::onMarkerClicked);
        m_markers[size_t(entry)] = marker;
    }

    retranslate();
    connect(m_single, &VornSingleKeyWindow::SetSingleKeyValue, this,
            &VornBtnWindow::OnSingleBtnValue);
    connect(m_combo, &VornComboKeyWindow::SetComboKeyValue, this, &VornBtnWindow::OnComboBtnValue);
    connect(m_fire, &VornFireKeyWindow::SetFireKeyValue, this, &VornBtnWindow::OnFireBtnValue);
    connect(m_sniper, &VornSniperWindow::SetSniperValue, this, &VornBtnWindow::OnSniperValue);
    selectButton(0, 0);
}

QRect VornBtnWindow::designRect() const
{
    return DesignLayout::kLowerPanel;
}

void VornBtnWindow::buildMenus()
{
    m_functionMenu = new VornMenu(this);
    m_functionMenu->setObjectName(QStringLiteral("functionMenu"));
    for (size_t i = 0; i < m_submenus.size(); ++i) {
        m_submenus[i] = new VornMenu(this);
        m_submenus[i]->setObjectName(QStringLiteral("submenu%1").arg(i));
    }
    m_wheelMenu = new VornMenu(this);
    m_wheelMenu->setObjectName(QStringLiteral("wheelMenu"));
    for (const FunctionItem &item : kFunctions) {
        auto *action = new VornAction(QString(), this);
        const qint32 code = item.code;
        connect(action, &QAction::triggered, this, [this, code](bool) { onMenuAction(code); });
        m_actions.insert(code, action);
        if (item.place >= Basic && item.place < MenuTail)
            m_submenus[size_t(item.place)]->addAction(action);
    }
    for (qint32 code : kWheelFunctions)
        m_wheelMenu->addAction(m_actions.value(code));
}

// The function menu follows the language: the gun-file entry only exists
// in the Chinese versions.
void VornBtnWindow::buildFunctionMenu()
{
    m_functionMenu->clear();
    for (const FunctionItem &item : kFunctions) {
        if (item.place == MenuHead)
            m_functionMenu->addAction(m_actions.value(item.code));
    }
    for (VornMenu *submenu : m_submenus)
        m_functionMenu->addMenu(submenu);
    const bool chinese = UiScale::languageIndex() == 1 || UiScale::languageIndex() == 2;
    for (const FunctionItem &item : kFunctions) {
        if (item.place != MenuTail || (item.code == FunctionCode::GunFile && !chinese))
            continue;
        m_functionMenu->addAction(m_actions.value(item.code));
    }
}

void VornBtnWindow::retranslate()
{
    for (size_t i = 0; i < m_submenus.size(); ++i)
        m_submenus[i]->setTitle(tr(kSubmenuTitles[i]));
    for (const FunctionItem &item : kFunctions)
        m_actions.value(item.code)->setText(tr(item.text));
    buildFunctionMenu();
    const QFont font = UiScale::languageFont();
    for (QMenu *menu : {static_cast<QMenu *>(m_functionMenu), static_cast<QMenu *>(m_wheelMenu)})
        menu->setFont(font);
    for (VornMenu *submenu : m_submenus)
        submenu->setFont(font);
    for (QAction *action : qAsConst(m_actions))
        action->setFont(font);
    for (VornPushButton *button : m_functionButtons)
        button->setFont(font);
    m_single->retranslate();
    m_combo->retranslate();
    m_fire->retranslate();
    m_sniper->retranslate();
    rescale(); // the language's font
    refreshButtonTexts();
}

void VornBtnWindow::rescale()
{
    const double scale = UiScale::factor();
    m_layout.apply(scale);
    for (int entry = 0; entry < kButtons; ++entry)
        m_markers[size_t(entry)]->setGeometry(
            ScaledLayout::scaled(m_markerRects[size_t(entry)], scale));
    QFont markerFont = UiScale::languageFont();
    markerFont.setPixelSize(qMax(1, int(10 * scale)));
    markerFont.setBold(true);
    for (VornPushButton *marker : m_markers)
        marker->setFont(markerFont);
    const int menuWidth = UiScale::scaled(kFunctionButton.width());
    m_functionMenu->setMinimumWidth(menuWidth);
    m_wheelMenu->setMinimumWidth(menuWidth);
    m_single->rescale();
    m_combo->rescale();
    m_fire->rescale();
    m_sniper->rescale();
}

void VornBtnWindow::loadRecord(ProfileStore &store)
{
    placeMarkers(readProductName());
    setRecord(&store.profiles[store.curProfile % kProfileCount]);
}

void VornBtnWindow::setRecord(ProfileData *record)
{
    m_record = record;
    refreshButtonTexts();
    // The editor shown belongs to the selected button of the new record.
    selectButton(m_index, m_group);
}

// The same table places the markers over the mouse pictures.
void VornBtnWindow::placeMarkers(const QString &productName)
{
    m_markerRects.fill(QRect());
    const MouseLayout layout = mouseLayout(productName);
    int front = 0;
    int side = 0;
    for (int entry = 0; entry < 2 * kGroupSize; ++entry) {
        if (!layout.markers[size_t(entry)].present)
            continue;
        m_markerRects[size_t(entry)] = markerPlace(entry < kGroupSize ? front++ : side++);
    }
    for (int i = 0; i < kScrollButtons; ++i) {
        const int entry = 2 * kGroupSize + i;
        if (layout.markers[size_t(entry)].present)
            m_markerRects[size_t(entry)] = markerPlace(front + i);
    }
    rescale();
}

void VornBtnWindow::setView(bool front, int index, int group)
{
    for (int entry = 0; entry < kButtons; ++entry) {
        const bool sideMarker = entry >= kGroupSize && entry < 2 * kGroupSize;
        m_markers[size_t(entry)]->setVisible(front != sideMarker);
    }
    m_index = index;
    m_group = group;
    selectButton(index, group);
    refreshButtonTexts();
}

void VornBtnWindow::selectButton(int index, int group)
{
    if (group != kKeepGroup)
        m_group = qBound(0, group, 2);
    m_index = qBound(0, index, m_group == 2 ? kScrollButtons - 1 : kGroupSize - 1);
    for (VornPushButton *button : m_functionButtons)
        button->hide();
    for (int entry = 0; entry < kButtons; ++entry) {
        const int entryGroup = entry / kGroupSize;
        if (entryGroup == m_group)
            m_markers[size_t(entry)]->setSelected(false);
    }
    m_functionButtons[size_t(entryIndex())]->show();
    m_markers[size_t(entryIndex())]->setSelected(true);
    showKeyEditor();
}

void VornBtnWindow::showKeyEditor()
{
    if (!m_record) {
        m_single->showEditor(false);
        m_combo->showEditor(false);
        m_fire->showEditor(false);
        m_sniper->showEditor(false);
        return;
    }
    ButtonInfo &entry = m_record->BUTTON_INFO[entryIndex()];
    if (m_functionChanged) {
        entry.Res1 = 0;
        entry.LoopNumber = 0;
        entry.KeyNumber = 0;
    }
    m_functionChanged = false;
    const qint32 code = entry.Fun;
    // Hide first: a shown keyboard editor holds the keyboard.
    if (code != FunctionCode::SingleKey)
        m_single->showEditor(false);
    if (code != FunctionCode::ComboKey)
        m_combo->showEditor(false);
    if (code != FunctionCode::FireKey)
        m_fire->showEditor(false);
    if (code != FunctionCode::Sniper)
        m_sniper->showEditor(false);
    switch (code) {
    case FunctionCode::SingleKey:
        m_single->load(entry.Res1);
        m_single->showEditor(true);
        break;
    case FunctionCode::ComboKey:
        m_combo->load(entry.KeyInfo);
        m_combo->showEditor(true);
        break;
    case FunctionCode::FireKey:
        m_fire->load(entry);
        m_fire->showEditor(true);
        break;
    case FunctionCode::Sniper:
        m_sniper->showEditor(true);
        m_sniper->load(entry.Res1);
        break;
    default:
        break;
    }
}

void VornBtnWindow::refreshButtonTexts()
{
    if (!m_record)
        return;
    for (int entry = 0; entry < kButtons; ++entry) {
        const ButtonInfo &info = m_record->BUTTON_INFO[entry];
        VornPushButton *button = m_functionButtons[size_t(entry)];
        if (info.Fun == FunctionCode::Macro || info.Fun == FunctionCode::GunFile)
            button->setText(info.macroname);
        else if (QAction *action = m_actions.value(info.Fun))
            button->setText(action->text());
    }
}

void VornBtnWindow::onMarkerClicked()
{
    auto *button = qobject_cast<VornPushButton *>(sender());
    const auto found = std::find(m_markers.begin(), m_markers.end(), button);
    if (!button || found == m_markers.end())
        return; // a function button: its menu opens
    const int entry = int(found - m_markers.begin());
    m_group = entry / kGroupSize;
    m_index = entry % kGroupSize;
    qCDebug(lcPanels, "m_btnBtn %d", m_index);
    selectButton(m_index, kKeepGroup);
    emit SelBtnControl(quint8(m_index), quint8(m_group));
}

void VornBtnWindow::OnMouseEnterSlot(VornPushButton *button)
{
    for (int i = 0; i < kGroupSize; ++i) {
        if (m_functionButtons[size_t(i)] == button) {
            selectButton(i, 0);
            qCDebug(lcPanels, "OnMouseEnterSlot %d", i);
            return;
        }
    }
}

bool VornBtnWindow::anotherLeftClick(int entry) const
{
    for (int i = 0; i < kButtons; ++i) {
        if (i != entry && m_record->BUTTON_INFO[i].Fun == FunctionCode::Left)
            return true;
    }
    return false;
}

void VornBtnWindow::setSelectedText(qint32 code)
{
    if (QAction *action = m_actions.value(code))
        m_functionButtons[size_t(entryIndex())]->setText(action->text());
}

void VornBtnWindow::warn(const QString &text)
{
    VornMessageBox box(VornMessageBox::Ok, QString(), tr("Warning"), text, this, false,
                       Qt::FramelessWindowHint);
    box.exec();
}

void VornBtnWindow::onMenuAction(qint32 code)
{
    if (!m_record)
        return;
    const int entryNo = entryIndex();
    ButtonInfo &entry = m_record->BUTTON_INFO[entryNo];
    // At least one left click stays assigned somewhere.
    if (entry.Fun == FunctionCode::Left && code != FunctionCode::Left &&
        !anotherLeftClick(entryNo)) {
        emit PopOneClickBox();
        return;
    }
    if (code == FunctionCode::Macro || code == FunctionCode::GunFile) {
        assignMacro(code);
        return;
    }
    setSelectedText(code);
    if (opensKeyEditor(code) && entry.Fun != code)
        m_functionChanged = true;
    entry.Fun = code;
    showKeyEditor();
}

// A macro or gun file: the record changes only once the dialog has been
// accepted and, for macros, the model's macro limit allows the name.
void VornBtnWindow::assignMacro(qint32 code)
{
    const bool gunFile = code == FunctionCode::GunFile;
    ButtonInfo &entry = m_record->BUTTON_INFO[entryIndex()];
    if (gunFile && entryIndex() == 0) {
        warn(tr("Left Button Can not be Gun Function."));
        return;
    }
    if (macroLibraryCount() <= 0) {
        emit GotoMacroTab(SettingsPanel::TabMacro);
        return;
    }
    MacroChoice current;
    if (entry.Fun == code) {
        current.name = entry.macroname;
        current.loopCount = entry.LoopNumber;
        current.loopMode = entry.Res1;
    }
    const QString title = gunFile ? tr("GUNFILE SELECT") : tr("MACRO SELECT");
    const std::optional<MacroChoice> choice =
        m_macroChooser ? m_macroChooser(this, title, current, gunFile) : std::nullopt;
    if (!choice)
        return;

    if (!gunFile) {
        m_macroSlots.clear();
        const ProfileStore &store = StoreContext::store();
        for (const ProfileData &profile : store.profiles) {
            for (const ButtonInfo &info : profile.BUTTON_INFO) {
                if (info.Fun == FunctionCode::Macro && !m_macroSlots.contains(info.macroname))
                    m_macroSlots.insert(info.macroname, quint8(m_macroSlots.size()));
            }
        }
        const int limit = macroLimit(readProductName());
        if (m_macroSlots.size() >= limit && !m_macroSlots.contains(choice->name)) {
            warn(limit == 7 ? tr("You can only assign 7 different macros.")
                            : tr("You can only assign 20 different macros."));
            return;
        }
    }

    entry.Fun = code;
    entry.LoopNumber = choice->loopCount;
    entry.Res1 = quint8(choice->loopMode);
    entry.macroname = choice->name;
    m_functionButtons[size_t(entryIndex())]->setText(choice->name);
    const QVector<MacroEvent> events = readMacroEventsForUpload(choice->name);
    entry.KeyNumber = events.size();
    for (int i = 0; i < events.size() && i < kKeyInfoCount; ++i)
        entry.KeyInfo[i] = KeyInfoEntry{events[i].Map, events[i].DataL, events[i].DataH};
    showKeyEditor();
}

void VornBtnWindow::OnSingleBtnValue(quint8 iScan)
{
    if (!m_record)
        return;
    setSelectedText(FunctionCode::SingleKey);
    m_record->BUTTON_INFO[entryIndex()].Res1 = iScan;
    qCDebug(lcPanels, "%d", iScan);
}

// Press events in slot order, releases in reverse: each key goes in at
// the position of the keys taken so far, pushing the later events back.
// Modifiers are stored by their left key.
void VornBtnWindow::OnComboBtnValue(const ComboKeys &iComboKey, const HotKeyCodes &iHotKeyCode)
{
    Q_UNUSED(iComboKey)
    Q_UNUSED(iHotKeyCode)
    if (!m_record)
        return;
    setSelectedText(FunctionCode::ComboKey);
    KeyInfoEntry(&info)[kKeyInfoCount] = m_record->BUTTON_INFO[entryIndex()].KeyInfo;
    std::fill(std::begin(info), std::end(info), KeyInfoEntry{});
    const ComboKeys &held = m_combo->comboKeys();
    const HotKeyCodes &codes = m_combo->hotKeyCodes();
    int k = 0;
    for (int slot = 0; slot < kComboSlots; ++slot) {
        if (held[size_t(slot)] == 0)
            continue;
        int usage = 0;
        if (!keyCodeToUsage(codes[size_t(slot)][0], usage))
            continue; // a key the mouse cannot send (F13-F24)
        std::copy_backward(info + k, info + kKeyInfoCount - 2, info + kKeyInfoCount);
        info[k] = KeyInfoEntry{quint8(usage), 5, 0x80};
        info[k + 1] = KeyInfoEntry{quint8(usage), 5, 0};
        ++k;
    }
}

void VornBtnWindow::OnFireBtnValue(quint8 iScan, quint8 iType, quint8 iTimes, quint8 iDelay)
{
    if (!m_record)
        return;
    setSelectedText(FunctionCode::FireKey);
    ButtonInfo &entry = m_record->BUTTON_INFO[entryIndex()];
    if (iType < 3) {
        entry.Res1 = kFiredButton[iType];
    } else {
        int usage = 0;
        keyCodeToUsage(iScan, usage);
        entry.Res1 = quint8(usage);
    }
    entry.LoopNumber = iTimes;
    entry.KeyNumber = iDelay;
}

void VornBtnWindow::OnSniperValue(quint8 iValue)
{
    if (!m_record)
        return;
    setSelectedText(FunctionCode::Sniper);
    m_record->BUTTON_INFO[entryIndex()].Res1 = iValue;
}
