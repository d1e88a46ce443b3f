#include "panels/VornComboKeyWindow.h"

#include "platform/KeyboardCapture.h"
#include "store/KeyTables.h"
#include "widgets/VornLabel.h"
#include "widgets/VornLineEdit.h"
#include "widgets/VornPushButton.h"

namespace {

// The slot of a modifier key index and whether it is the right-hand key;
// -1 for any other key.
int modifierSlot(const HotKeyCodes &codes, quint8 index, bool *right)
{
    for (int slot = ComboShift; slot <= ComboAlt; ++slot) {
        for (int side = 0; side < 2; ++side) {
            if (codes[size_t(slot)][size_t(side)] == index) {
                *right = side == 1;
                return slot;
            }
        }
    }
    return -1;
}

} // namespace

VornComboKeyWindow::VornComboKeyWindow(QWidget *parent) : KeyCaptureEditor(false, parent)
{
    setObjectName(QStringLiteral("comboKeyEditor"));
    m_hotKeyCodes = {{{0x2A, 0x36}, {0x1D, 0xEE}, {0x5B, 0x5C}, {0x38, 0xEF}, {0, 0}}};
    m_layout.add(m_title, QRect(0, 0, 200, 20));
    m_layout.add(m_keyDisplay, QRect(0, 28, 240, 26));
    m_layout.add(m_stop, QRect(250, 28, 100, 26));
    m_layout.add(m_edit, QRect(250, 28, 100, 26));
    retranslate();
    rescale();
    setCapturing(true);
}

void VornComboKeyWindow::showEditor(bool show)
{
    if (show)
        startCapture();
    KeyCaptureEditor::showEditor(show);
}

// Shown for a button or EDIT: what was captured before belongs to another
// button or was already stored.
void VornComboKeyWindow::startCapture()
{
    m_counter = -1;
    m_result = {};
    m_lastIndex = 0;
    m_lastFlags = 0;
    setCapturing(true);
}

void VornComboKeyWindow::retranslate()
{
    m_title->setText(tr("Combo Key"));
    setStopEditTexts();
}

void VornComboKeyWindow::keyCaptured(quint8 index, quint32 flags)
{
    if (index == m_lastIndex && flags == m_lastFlags)
        return;
    m_lastIndex = index;
    m_lastFlags = flags;
    // The key-up bit alone tells a release: with Alt held every event
    // carries the Alt-down flag, presses too.
    const bool release = flags & kKeyUp;
    if (m_counter == -1) {
        // A release of a key held from before (the click on EDIT) is no
        // capture; STOP keeps refusing until a key is pressed.
        if (release)
            return;
        m_result = {};
        m_live = {};
    }
    m_counter = 0;

    bool right = false;
    const int slot = modifierSlot(m_hotKeyCodes, index, &right);
    if (release) {
        if (slot >= 0) {
            quint8 &state = m_live[size_t(slot)];
            const quint8 step = right ? 2 : 1;
            state = state > step ? quint8(state - step) : 0;
        } else {
            m_live[ComboKey] = 0;
        }
        return;
    }
    if (slot >= 0) {
        m_live[size_t(slot)] = right ? 2 : 1;
    } else {
        m_hotKeyCodes[ComboKey][0] = index;
        m_live[ComboKey] = 1;
    }
    showCombination(m_live);
    m_result = m_live;
}

void VornComboKeyWindow::showCombination(const ComboKeys &states)
{
    QStringList names;
    for (int slot = 0; slot < kComboSlots; ++slot) {
        const quint8 state = states[size_t(slot)];
        if (state == 0)
            continue;
        names << keyName(m_hotKeyCodes[size_t(slot)][state == 2 ? 1 : 0]);
    }
    setDisplayText(names.join(QStringLiteral(" + ")));
}

void VornComboKeyWindow::stopClicked()
{
    if (m_counter == -1)
        return;
    setCapturing(false);
    emit SetComboKeyValue(m_result, m_hotKeyCodes);
}

void VornComboKeyWindow::editClicked()
{
    startCapture();
}

// The stored events hold each key's press and release; the first five
// name every key of a combination of up to three.
void VornComboKeyWindow::load(const KeyInfoEntry (&keyInfo)[kKeyInfoCount])
{
    ComboKeys states{};
    m_hotKeyCodes[ComboKey][0] = 0;
    for (int i = 0; i < kComboSlots; ++i) {
        if (keyInfo[i].map == 0)
            continue;
        int code = 0;
        usageToKeyCode(keyInfo[i].map, code);
        bool right = false;
        const int slot = modifierSlot(m_hotKeyCodes, quint8(code), &right);
        if (slot >= 0) {
            states[size_t(slot)] = right ? 2 : 1;
        } else {
            m_hotKeyCodes[ComboKey][0] = quint8(code);
            states[ComboKey] = 1;
        }
    }
    m_live = states;
    showCombination(states);
}
