#include "panels/VornBtnWindow.h"

#include "macro/MacroAssignment.h"
#include "panels/PanelLog.h"
#include "panels/VornComboKeyWindow.h"
#include "panels/VornFireKeyWindow.h"
#include "panels/VornSingleKeyWindow.h"
#include "panels/VornSniperWindow.h"
#include "store/ButtonFunctions.h"
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

    const QStringList dropDown = Skin::buttonImages("dropdown");
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
    for (const ButtonFunction &item : buttonFunctions()) {
        auto *action = new VornAction(QString(), this);
        const qint32 code = item.code;
        connect(action, &QAction::triggered, this, [this, code](bool) { onMenuAction(code); });
        m_actions.insert(code, action);
        if (item.place >= MenuBasic && item.place < MenuTail)
            m_submenus[size_t(item.place)]->addAction(action);
    }
    for (qint32 code : wheelFunctions())
        m_wheelMenu->addAction(m_actions.value(code));
}

// The function menu follows the language: the gun-file entry only exists
// in the Chinese versions.
void VornBtnWindow::buildFunctionMenu()
{
    m_functionMenu->clear();
    for (const ButtonFunction &item : buttonFunctions()) {
        if (item.place == MenuHead)
            m_functionMenu->addAction(m_actions.value(item.code));
    }
    for (VornMenu *submenu : m_submenus)
        m_functionMenu->addMenu(submenu);
    const bool chinese = UiScale::languageIndex() == 1 || UiScale::languageIndex() == 2;
    for (const ButtonFunction &item : buttonFunctions()) {
        if (item.place != MenuTail || (item.code == FunctionCode::GunFile && !chinese))
            continue;
        m_functionMenu->addAction(m_actions.value(item.code));
    }
}

void VornBtnWindow::retranslate()
{
    for (size_t i = 0; i < m_submenus.size(); ++i)
        m_submenus[i]->setTitle(tr(functionSubmenuTitle(int(i))));
    for (const ButtonFunction &item : buttonFunctions())
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
        m_markers[size_t(entry)]->setGeometry(UiScale::scaled(m_markerRects[size_t(entry)], scale));
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
    // One marker is highlighted: the front and the wheel markers show
    // together.
    for (VornPushButton *marker : m_markers)
        marker->setSelected(false);
    m_markers[size_t(entryIndex())]->setSelected(true);
    // A button the model lacks (the side view of a model without side
    // buttons) offers no function.
    if (m_markerRects[size_t(entryIndex())].isNull()) {
        hideKeyEditors();
        return;
    }
    m_functionButtons[size_t(entryIndex())]->show();
    showKeyEditor();
}

void VornBtnWindow::hideKeyEditors()
{
    m_single->showEditor(false);
    m_combo->showEditor(false);
    m_fire->showEditor(false);
    m_sniper->showEditor(false);
}

void VornBtnWindow::showKeyEditor()
{
    if (!m_record) {
        hideKeyEditors();
        return;
    }
    ButtonInfo &entry = m_record->BUTTON_INFO[entryIndex()];
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
    ButtonAssignment assignment(*m_record);
    if (assignment.takesLastLeftClick(entryIndex(), code)) {
        emit PopOneClickBox();
        return;
    }
    if (code == FunctionCode::Macro || code == FunctionCode::GunFile) {
        assignMacroFunction(code);
        return;
    }
    setSelectedText(code);
    assignment.setFunction(entryIndex(), code);
    showKeyEditor();
    // A fire key just chosen shows its starting values: the button holds them.
    if (code == FunctionCode::FireKey)
        m_fire->report();
}

// A macro or gun file: the record changes only once the dialog has been
// accepted and, for macros, the model's macro limit allows the name.
void VornBtnWindow::assignMacroFunction(qint32 code)
{
    const bool gunFile = code == FunctionCode::GunFile;
    ButtonInfo &entry = m_record->BUTTON_INFO[entryIndex()];
    switch (macroFunctionRefusal(entryIndex(), code)) {
    case MacroRefusal::GunFileOnLeftButton:
        warn(tr("Left Button Can not be Gun Function."));
        return;
    case MacroRefusal::NoMacros:
        emit GotoMacroTab(SettingsPanel::TabMacro);
        return;
    default:
        break;
    }
    const QString title = gunFile ? tr("GUNFILE SELECT") : tr("MACRO SELECT");
    const std::optional<MacroChoice> choice =
        m_macroChooser ? m_macroChooser(this, title, currentMacroChoice(entry, code), gunFile)
                       : std::nullopt;
    if (!choice)
        return;
    const QString product = readProductName();
    if (macroLimitRefusal(StoreContext::store(), product, code, choice->name) ==
        MacroRefusal::LimitReached) {
        warn(macroLimit(product) == 7 ? tr("You can only assign 7 different macros.")
                                      : tr("You can only assign 20 different macros."));
        return;
    }
    assignMacro(entry, code, *choice);
    m_functionButtons[size_t(entryIndex())]->setText(choice->name);
    showKeyEditor();
}

void VornBtnWindow::OnSingleBtnValue(quint8 iScan)
{
    if (!m_record)
        return;
    setSelectedText(FunctionCode::SingleKey);
    ButtonAssignment(*m_record).setSingleKey(entryIndex(), iScan);
    qCDebug(lcPanels, "%d", iScan);
}

// The values come from the editor itself; modifiers are stored by their
// left key. A combination of keys the mouse cannot send stores nothing, and
// the display then shows what the button holds.
void VornBtnWindow::OnComboBtnValue(const ComboKeys &iComboKey, const HotKeyCodes &iHotKeyCode)
{
    Q_UNUSED(iComboKey)
    Q_UNUSED(iHotKeyCode)
    if (!m_record)
        return;
    const ComboKeys &held = m_combo->comboKeys();
    const HotKeyCodes &codes = m_combo->hotKeyCodes();
    QVector<quint8> keys;
    for (int slot = 0; slot < kComboSlots; ++slot) {
        int usage = 0;
        if (held[size_t(slot)] != 0 && keyCodeToUsage(codes[size_t(slot)][0], usage))
            keys << codes[size_t(slot)][0];
    }
    ButtonInfo &entry = m_record->BUTTON_INFO[entryIndex()];
    if (!keys.isEmpty()) {
        setSelectedText(FunctionCode::ComboKey);
        ButtonAssignment(*m_record).setComboKeys(entryIndex(), keys);
    }
    m_combo->load(entry.KeyInfo);
}

void VornBtnWindow::OnFireBtnValue(quint8 iScan, quint8 iType, quint8 iTimes, quint8 iDelay)
{
    if (!m_record)
        return;
    setSelectedText(FunctionCode::FireKey);
    ButtonAssignment(*m_record).setFireKey(entryIndex(), iType, iScan, iTimes, iDelay);
}

void VornBtnWindow::OnSniperValue(quint8 iValue)
{
    if (!m_record)
        return;
    setSelectedText(FunctionCode::Sniper);
    ButtonAssignment(*m_record).setSniper(entryIndex(), iValue);
}
