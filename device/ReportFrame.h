#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>
#include <QtGlobal>

// The feature-report frame every configuration command uses:
//
//   byte 0   report ID (2: 16 bytes, 3: 64 bytes, 4: 1024 bytes)
//   byte 1   command (0xF3 write, 0xF2 read, 0xF1 refresh, 0xF5 mode)
//   byte 2-3 address, low byte first (refresh: 2 and the area code)
//   byte 4   number of data bytes
//   byte 5-7 0
//   byte 8.. data
//
// Frames go to the interface-1 handle of DeviceContext.

enum ReportId : quint8 {
    kShortReport = 2, // 16 bytes
    kLongReport = 3,  // 64 bytes
    kBlockReport = 4, // 1024 bytes
};

enum ReportCommand : quint8 {
    kCommandRefresh = 0xF1,
    kCommandRead = 0xF2,
    kCommandWrite = 0xF3,
    kCommandMode = 0xF5,
};

// Areas a refresh tells the firmware to reload from its memory.
enum RefreshArea : quint8 {
    kRefreshProfile = 1,
    kRefreshDpi = 2,
    kRefreshLighting = 4,
    kRefreshRateAndLiftOff = 8,
    kRefreshStageAndLighting = 0x10,
};

constexpr int kFrameHeaderSize = 8;

// Bytes a report of this ID has on the wire, report ID included; 0 for an
// ID the mouse does not know.
int reportLength(quint8 reportId);

// Start of profile p's block in the configuration memory (p is clamped to
// 0-4).
int profileBase(int profile);

// One write into the configuration memory.
struct MemoryWrite
{
    quint16 address = 0;
    QByteArray data;
    quint8 reportId = kShortReport;
};

bool operator==(const MemoryWrite &a, const MemoryWrite &b);

// A write frame; data that do not fit the report are cut (never the case
// for the commands of this program).
QByteArray writeFrame(const MemoryWrite &write);
QByteArray refreshFrame(quint8 area);
QByteArray modeFrame(quint8 value);
// The read request; sendLength is the number of bytes put on the wire.
QByteArray readRequestFrame(quint8 reportId, quint16 address, quint8 count, int sendLength);

// Sends a frame as a feature report on the interface-1 handle. True when
// the HID layer took it.
bool sendFrame(const QByteArray &frame);
bool sendWrite(const MemoryWrite &write);

// One read: sends the request (sendLength bytes of report reportId), waits
// the protocol's 10 ms, then fetches fetchLength bytes of the same report
// ID. On success *data holds the count data bytes from byte 8 on.
bool readMemory(quint8 reportId, quint16 address, quint8 count, int sendLength, int fetchLength,
                QByteArray *data);

// Reads any range in as many 64-byte reads as it takes (56 data bytes
// each); for read-back checks that go beyond the protocol's own readers.
bool readMemoryRange(quint16 address, int length, QByteArray *data);

// Lowercase hex with a space between bytes, for messages and dumps.
QString hexBytes(const QByteArray &bytes);
