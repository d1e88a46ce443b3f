#pragma once

#include "store/ProfileData.h"

#include <QString>
#include <QVector>
#include <QtGlobal>

// The functions a button can be given and the rules for giving them, free
// of widgets: the button panel and korvalen-ctl both change a record only
// through ButtonAssignment, so the two front ends cannot drift apart.

// Where a function sits in the button panel's function menu: before the
// submenus, in one of the seven submenus, after them, or only on the wheel
// menu.
enum FunctionMenuPlace {
    MenuHead = -1,
    MenuBasic = 0,
    MenuWindows,
    MenuAdvance,
    MenuMedia,
    MenuDpi,
    MenuProfile,
    MenuPollingRate,
    MenuTail = 7,
    MenuWheelOnly = 8,
};
constexpr int kFunctionSubmenus = 7;

struct ButtonFunction
{
    qint32 code;
    const char *text; // English menu text, translated in the context "VornBtnWindow"
    int place;        // FunctionMenuPlace
};

// Record entries 0-19 are the main buttons, 20-39 a side bank, 40 and 41
// the scroll slots.
constexpr int kButtonGroupSize = 20;

// Every function of the panel, in menu order.
const QVector<ButtonFunction> &buttonFunctions();
// The entry of a code; nullptr for a code the panel does not offer.
const ButtonFunction *buttonFunction(qint32 code);
// The titles of the seven submenus, in menu order (context "VornBtnWindow").
const char *functionSubmenuTitle(int submenu);
// The wheel menu of the two scroll slots, in menu order.
const QVector<qint32> &wheelFunctions();
// Whether a slot takes only the wheel menu's functions (slots 40 and 41).
bool isWheelSlot(int entry);

// The functions whose parameters come from a key editor.
bool opensKeyEditor(qint32 code);

// What a fire key stores in Res1 for the left, right and middle mouse
// button; a keyboard key is stored as its USB usage.
enum FireType { FireLeft = 0, FireRight = 1, FireMiddle = 2, FireKeyboard = 3 };
constexpr quint8 kFiredButton[3] = {0x81, 0x82, 0x84};

// The key slots of a key combination in the order the mouse gets them, and
// the key code each modifier slot is stored with (its left key).
constexpr int kComboModifiers = 4;
constexpr quint8 kComboModifierCodes[kComboModifiers] = {0x2A, 0x1D, 0x5B, 0x38};

// Changes the functions of one record's buttons. Entries are record
// indexes 0-41 (index + 20 x group).
class ButtonAssignment
{
public:
    explicit ButtonAssignment(ProfileData &record) : m_record(record) {}

    // Whether an entry other than `entry` holds a left click.
    bool anotherLeftClick(int entry) const;
    // A record keeps at least one left click: giving its last one another
    // function is refused.
    bool takesLastLeftClick(int entry, qint32 code) const;

    // Writes the code. A key-editor function that replaces another function
    // starts from cleared parameters; the same one keeps them. Refused
    // (false, nothing changed) when it would take the last left click.
    bool setFunction(int entry, qint32 code);

    // The parameters the key editors report.
    void setSingleKey(int entry, quint8 keyCode);
    // Keys by key code in slot order (Shift, Ctrl, Win, Alt, the other
    // key): press events in that order, releases in reverse. A key without
    // a USB usage is left out. Returns the number of keys stored.
    int setComboKeys(int entry, const QVector<quint8> &keyCodes);
    void setFireKey(int entry, int type, quint8 keyCode, quint8 times, quint8 delay);
    void setSniper(int entry, quint8 step);

private:
    ProfileData &m_record;
};

// The key codes of a stored combination's presses, in stored order.
QVector<quint8> comboKeyCodes(const ButtonInfo &entry);
// The fire key's type and, for a keyboard key, its key code.
int fireKeyType(const ButtonInfo &entry, quint8 *keyCode = nullptr);
