#include "device/ReportFrame.h"

#include "device/DeviceContext.h"
#include "device/ProtocolDelay.h"
#include "device/hid/HidApi.h"

#include <algorithm>

namespace {

// The firmware needs this long to put the requested bytes in place
// before they can be fetched.
constexpr int kReadSettleMs = 10;

QByteArray commandFrame(quint8 reportId, quint8 command, quint8 b2, quint8 b3, quint8 b4)
{
    QByteArray frame(reportLength(reportId), '\0');
    frame[0] = char(reportId);
    frame[1] = char(command);
    frame[2] = char(b2);
    frame[3] = char(b3);
    frame[4] = char(b4);
    return frame;
}

} // namespace

int reportLength(quint8 reportId)
{
    switch (reportId) {
    case kShortReport:
        return 16;
    case kLongReport:
        return 64;
    case kBlockReport:
        return 1024;
    default:
        return 0;
    }
}

int profileBase(int profile)
{
    static const int kBases[5] = {0x040, 0x100, 0x1B0, 0x260, 0x310};
    return kBases[std::clamp(profile, 0, 4)];
}

bool operator==(const MemoryWrite &a, const MemoryWrite &b)
{
    return a.address == b.address && a.data == b.data && a.reportId == b.reportId;
}

QByteArray writeFrame(const MemoryWrite &write)
{
    const int length = reportLength(write.reportId);
    const int count = std::min({int(write.data.size()), length - kFrameHeaderSize, 255});
    QByteArray frame = commandFrame(write.reportId, kCommandWrite, quint8(write.address & 0xFF),
                                    quint8(write.address >> 8), quint8(count));
    frame.replace(kFrameHeaderSize, count, write.data.left(count));
    return frame;
}

QByteArray refreshFrame(quint8 area)
{
    return commandFrame(kShortReport, kCommandRefresh, 2, area, 0);
}

QByteArray modeFrame(quint8 value)
{
    return commandFrame(kShortReport, kCommandMode, value, 0, 0);
}

QByteArray readRequestFrame(quint8 reportId, quint16 address, quint8 count, int sendLength)
{
    QByteArray frame(std::max(sendLength, kFrameHeaderSize), '\0');
    frame[0] = char(reportId);
    frame[1] = char(kCommandRead);
    frame[2] = char(address & 0xFF);
    frame[3] = char(address >> 8);
    frame[4] = char(count);
    return frame;
}

bool sendFrame(const QByteArray &frame)
{
    const int result = DeviceContext::hid().sendFeatureReport(
        DeviceContext::interface1Handle(),
        reinterpret_cast<const unsigned char *>(frame.constData()), std::size_t(frame.size()));
    return result >= 0;
}

bool sendWrite(const MemoryWrite &write)
{
    return sendFrame(writeFrame(write));
}

bool readMemory(quint8 reportId, quint16 address, quint8 count, int sendLength, int fetchLength,
                QByteArray *data)
{
    if (!sendFrame(readRequestFrame(reportId, address, count, sendLength)))
        return false;
    protocolSleep(kReadSettleMs);
    QByteArray buffer(std::max(fetchLength, kFrameHeaderSize), '\0');
    buffer[0] = char(reportId);
    buffer[1] = char(kCommandRead);
    const int result = DeviceContext::hid().getFeatureReport(
        DeviceContext::interface1Handle(), reinterpret_cast<unsigned char *>(buffer.data()),
        std::size_t(fetchLength));
    if (result < 0)
        return false;
    // A short answer leaves the missing bytes zero rather than reading
    // past what arrived.
    const int available = std::max(0, std::min(result, int(buffer.size())) - kFrameHeaderSize);
    QByteArray bytes = buffer.mid(kFrameHeaderSize, std::min(int(count), available));
    bytes.append(QByteArray(count - bytes.size(), '\0'));
    *data = bytes;
    return true;
}

bool readMemoryRange(quint16 address, int length, QByteArray *data)
{
    const int perRead = reportLength(kLongReport) - kFrameHeaderSize;
    QByteArray result;
    for (int offset = 0; offset < length; offset += perRead) {
        const int count = std::min(perRead, length - offset);
        QByteArray chunk;
        if (!readMemory(kLongReport, quint16(address + offset), quint8(count),
                        reportLength(kLongReport), reportLength(kLongReport), &chunk))
            return false;
        result += chunk;
    }
    *data = result;
    return true;
}

QString hexBytes(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.toHex(' '));
}
