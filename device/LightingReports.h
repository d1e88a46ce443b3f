#pragma once

#include "device/ReportFrame.h"
#include "store/ProfileData.h"

#include <QString>
#include <QVector>

// The lighting part of the configuration memory comes in three layouts:
//
// - standard (lighting classes 0-3 and above 4): a 2-byte header at 0x446
//   with a zero mode byte, then 7 bytes per profile at 0x449 + 8 p;
// - "NX-13": the header carries the bit of profile 1's active mode, then
//   one 8-byte slot per lighting mode, all from profile 1;
// - lighting class 4: the same slot form at other addresses and bits.

enum class LightingLayout { Standard, Nx13, Class4 };

LightingLayout lightingLayout(const QString &productName, quint32 lightingClass);

// Effect code, variant and whether the speed byte is sent, for a mode of
// the standard layout. A mode past 8 is sent as mode 7 (lighting off).
struct LedEffect
{
    quint8 code = 0;
    quint8 variant = 0;
    bool speed = false;
};
LedEffect standardLedEffect(quint32 lightingClass, int mode);

// The mode a (code, variant) pair read from the mouse stands for, by
// lighting class (the inverse of the encoding; unknown pairs give 0).
int ledModeFromEffect(quint32 lightingClass, quint8 code, quint8 variant);

// Data byte 0 of the header.
quint8 lightingHeaderByte(LightingLayout layout, int activeMode);

// The speed byte: 9 - breath; a breath level above 9 has no meaning on
// the mouse and is sent as 0 rather than wrapping around.
quint8 ledSpeedByte(quint32 breath);

// Every lighting write of SendLedState for this store, header first.
// `preview` gives the form of the lighting preview: header byte always 0,
// and for "NX-13" the extra slot of mode 7.
struct LightingSlotWrite
{
    MemoryWrite write;
    bool slot = false; // an 8-byte mode slot of the alternative layouts
    quint32 bright = 0;
};
QVector<LightingSlotWrite> lightingWrites(const ProfileStore &store, const QString &productName,
                                          quint32 lightingClass, bool preview);
