#pragma once

#include <QtGlobal>

// One keyboard event as a Windows low-level keyboard hook reports it: the
// key editors and the macro recorder convert these, whatever the system.
struct KeyRecord
{
    quint32 vkCode = 0;   // virtual key (0xA5 for right Alt)
    quint32 scanCode = 0; // set-1 make code
    quint32 flags = 0;    // kKeyExtended | kKeyAltDown | kKeyUp
    // The event's own time in ms where the system stamps it, else 0. A
    // server's key repeat stamps its release and press alike.
    quint32 time = 0;
};

constexpr quint32 kKeyExtended = 0x01;
constexpr quint32 kKeyAltDown = 0x20;
constexpr quint32 kKeyUp = 0x80;
