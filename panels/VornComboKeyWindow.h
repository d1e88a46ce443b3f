#pragma once

#include "panels/KeyCaptureEditor.h"
#include "panels/KeyIndex.h"
#include "store/ProfileData.h"

// The COMBO KEY editor: Shift, Ctrl, Windows and Alt (left or right) plus
// one other key, as held together while capturing. STOP hands the
// combination to the button panel.
class VornComboKeyWindow : public KeyCaptureEditor
{
    Q_OBJECT

public:
    explicit VornComboKeyWindow(QWidget *parent = nullptr);

    void showEditor(bool show) override;
    // Shows the combination stored in a button's events.
    void load(const KeyInfoEntry (&keyInfo)[kKeyInfoCount]);
    void retranslate() override;

    // The slot values STOP reports and the key indexes of every slot.
    const ComboKeys &comboKeys() const { return m_result; }
    const HotKeyCodes &hotKeyCodes() const { return m_hotKeyCodes; }

signals:
    void SetComboKeyValue(const ComboKeys &iComboKey, const HotKeyCodes &iHotKeyCode);

protected:
    void keyCaptured(quint8 index, quint32 flags) override;
    void stopClicked() override;
    void editClicked() override;

private:
    void startCapture();
    void showCombination(const ComboKeys &states);

    ComboKeys m_result{};
    ComboKeys m_live{};
    HotKeyCodes m_hotKeyCodes;
    // -1 until capturing has seen a key since EDIT (or construction).
    int m_counter = -1;
};
