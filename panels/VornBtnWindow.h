#pragma once

#include "macro/ui/MacroChoice.h"
#include "panels/KeyIndex.h"
#include "panels/ScaledLayout.h"
#include "store/ButtonFunctions.h"
#include "widgets/SettingsPanel.h"

#include <QHash>

#include <array>

class QAction;
class VornComboKeyWindow;
class VornFireKeyWindow;
class VornMenu;
class VornPushButton;
class VornSingleKeyWindow;
class VornSniperWindow;
struct ProfileData;

// The CUSTOMIZE panel: a function for every button of the mouse, picked
// from the function menu (the wheel menu for the two scroll slots) and
// written into the current mode's record at once. Buttons are numbered by
// group (0 the front buttons, 1 the side bank, 2 scroll up and down) and
// index; entry index + 20 x group of the record's BUTTON_INFO holds them.
class VornBtnWindow : public SettingsPanel
{
    Q_OBJECT

public:
    static constexpr int kGroupSize = kButtonGroupSize;
    static constexpr int kScrollButtons = 2;
    static constexpr int kButtons = 42;
    static constexpr quint8 kKeepGroup = 0xFF;

    explicit VornBtnWindow(QWidget *parent = nullptr);

    int tab() const override { return TabCustomize; }
    QRect designRect() const override;
    // Places the markers for the connected model and edits the current
    // mode's record in the store.
    void loadRecord(ProfileStore &store) override;
    void retranslate() override;
    void rescale() override;

    void setRecord(ProfileData *record);
    ProfileData *record() const { return m_record; }
    void placeMarkers(const QString &productName);
    // Follows the window's view: its selected button of the current group.
    void setView(bool front, int index, int group);
    // Shows button (index, group); kKeepGroup keeps the group.
    void selectButton(int index, int group);
    void showKeyEditor();
    void hideKeyEditors();
    void refreshButtonTexts();

    // The macro assignment dialog; without one, macros cannot be assigned.
    void setMacroChooser(MacroChooser chooser) { m_macroChooser = std::move(chooser); }

    int selectedGroup() const { return m_group; }
    int selectedIndex() const { return m_index; }
    // The widgets by record index (0-41), and the actions by function code.
    VornPushButton *functionButton(int entry) const { return m_functionButtons[size_t(entry)]; }
    VornPushButton *marker(int entry) const { return m_markers[size_t(entry)]; }
    QAction *action(qint32 code) const { return m_actions.value(code); }
    VornMenu *functionMenu() const { return m_functionMenu; }
    VornMenu *wheelMenu() const { return m_wheelMenu; }
    VornSingleKeyWindow *singleKeyEditor() const { return m_single; }
    VornComboKeyWindow *comboKeyEditor() const { return m_combo; }
    VornFireKeyWindow *fireKeyEditor() const { return m_fire; }
    VornSniperWindow *sniperEditor() const { return m_sniper; }

signals:
    void SelBtnControl(quint8 iBtn, quint8 iType);
    void GotoMacroTab(quint8 iBtn);
    void PopOneClickBox();

public slots:
    void OnMouseEnterSlot(VornPushButton *button);
    void OnSingleBtnValue(quint8 iScan);
    void OnComboBtnValue(const ComboKeys &iComboKey, const HotKeyCodes &iHotKeyCode);
    void OnFireBtnValue(quint8 iScan, quint8 iType, quint8 iTimes, quint8 iDelay);
    void OnSniperValue(quint8 iValue);

private slots:
    void onMarkerClicked();

private:
    void buildMenus();
    void buildFunctionMenu();
    void onMenuAction(qint32 code);
    void assignMacroFunction(qint32 code);
    int entryIndex() const { return m_index + kGroupSize * m_group; }
    void setSelectedText(qint32 code);
    void warn(const QString &text);

    ProfileData *m_record = nullptr;
    int m_group = 0;
    int m_index = 0;

    VornSingleKeyWindow *m_single;
    VornComboKeyWindow *m_combo;
    VornFireKeyWindow *m_fire;
    VornSniperWindow *m_sniper;

    VornMenu *m_functionMenu = nullptr;
    std::array<VornMenu *, 7> m_submenus{};
    VornMenu *m_wheelMenu = nullptr;
    QHash<qint32, QAction *> m_actions;

    std::array<VornPushButton *, kButtons> m_functionButtons{};
    std::array<VornPushButton *, kButtons> m_markers{};
    std::array<QRect, kButtons> m_markerRects{};
    MacroChooser m_macroChooser;
    ScaledLayout m_layout;
};
