#pragma once

#include "platform/KeyboardCapture.h"

#include <QtGlobal>

#include <array>

// The five key slots of a key combination, in this order.
enum ComboSlot { ComboShift = 0, ComboCtrl = 1, ComboWin = 2, ComboAlt = 3, ComboKey = 4 };
constexpr int kComboSlots = 5;
// Per slot: 0 not held, 1 the left key, 2 the right key (the key slot: 1
// held).
using ComboKeys = std::array<quint8, kComboSlots>;
// Per slot the key indexes of its left and right key; the key slot holds
// the captured key and 0.
using HotKeyCodes = std::array<std::array<quint8, 2>, kComboSlots>;

// The key index of a captured key: the program key code of its scan code
// and flags, which also replaces the scan code in the record (so that the
// next hook sees the renumbered key). `trace` writes the hook's debug line.
quint8 takeKeyIndex(KeyRecord &record, bool trace);
