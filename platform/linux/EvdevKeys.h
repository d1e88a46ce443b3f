#pragma once

#include "platform/KeyboardCapture.h"

// The keyboard record a Windows low-level hook delivers for the key with
// this Linux input code (the X11 and Wayland native scan code minus 8):
// set-1 make code, the extended flag and the virtual key. Keypad keys take
// their Num Lock on virtual keys. Returns false for keys no table of the
// program knows (media keys, language keys...); the record is then left
// as it was.
bool keyRecordFromEvdev(quint32 evdevCode, KeyRecord &record);
