#pragma once

#include "device/ReportFrame.h"
#include "store/ProfileData.h"

#include <QString>
#include <QVector>

// The configuration commands of the mouse: one free function per setting,
// each sending its reports to the interface-1 handle and taking its values
// from the device store (DeviceContext::deviceStore()), except the
// lighting preview, which is handed the store to show. Each returns false
// at its first failed report, after writing its debug message; nothing is
// retried. Model-dependent choices read "Config/CurrentProductName" at the
// time of the call.

// 0xF5 with the value in byte 2. Nobody acts on the result; it is
// returned for progress reports.
bool SendMode(quint8 value);
// Two zero bytes at 0x03E.
bool SendKeyMapMode();
// The second form: the key-map mode byte at 0x03C (7 for "NX-04", else 31).
bool SendKeyMapModeByte();
bool SendLedState();
// The lighting preview: the given store's lighting, refresh 4, then the
// current profile again (not for "NX-13"). Its writes are skipped while no
// mouse is open.
bool SendSingleLedStateWithData(const ProfileStore &store);
bool SendPollRate(bool refresh);
bool SendScrollSpeed();
bool SendDpiStageIndex(bool refresh);
bool SendDpi(int profile, bool refresh);
// Only the models that take a lift-off distance get it; the others send
// nothing and succeed.
bool SendLiftOff(quint8 value);
bool SendProfile(quint8 profile);
bool SendCurrentProfile(bool refresh);
// Refreshes 4, 1, 2, 8 and 16.
bool SendButtonRefesh();

// Readers: read the mouse's memory back into the device store. The
// application flow never calls them; korvalen-ctl dump does.
bool QueryCurrentProfile();
bool QueryPollRate();
bool QueryLedState();
// Stage index and the five stages of a profile. The read request is a
// report 3; see the note in the source about its length.
bool QueryDpi(int profile);
// The 4-byte function entry of a device button, into *entry.
bool QuerySingleButton(int profile, int button, QByteArray *entry);

// The writes the senders above make, for a given store and model, so that
// a read-back check compares with exactly what the upload sends.
MemoryWrite keyMapModeWrite();
MemoryWrite keyMapModeByteWrite(const QString &productName);
QVector<MemoryWrite> pollRateWrites(const ProfileStore &store);
MemoryWrite scrollSpeedWrite(const ProfileStore &store);
MemoryWrite dpiStageIndexWrite(const ProfileStore &store, int profile);
MemoryWrite dpiStageWrite(const ProfileStore &store, int profile, int stage,
                          const QString &productName);
MemoryWrite liftOffWrite(quint8 value);
MemoryWrite currentProfileWrite(quint8 profile);
