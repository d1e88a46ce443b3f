#include "device/FeatureCommands.h"

#include "device/DeviceContext.h"
#include "device/DeviceLog.h"
#include "device/DpiCodes.h"
#include "device/LightingReports.h"
#include "device/ProtocolDelay.h"
#include "store/ConfigFile.h"
#include "store/ModelTable.h"

namespace {

// Pauses the firmware needs after a report before it takes the next one.
constexpr int kShortPauseMs = 10;
constexpr int kRatePauseMs = 50;
constexpr int kLongPauseMs = 100;

constexpr quint16 kScrollSpeedAddress = 0x020;
constexpr quint16 kLiftOffAddress = 0x02A;
constexpr quint16 kCurrentProfileAddress = 0x02C;
constexpr quint16 kRateAddressLow = 0x032;
constexpr quint16 kRateAddressHigh = 0x038;
constexpr quint16 kKeyMapModeAddress = 0x03C;
constexpr quint16 kKeyMapZeroAddress = 0x03E;
constexpr quint16 kLightingAddress = 0x449;
constexpr int kLightingStride = 8;
constexpr int kLightingBytes = 7;
constexpr int kStageIndexOffset = 2;
constexpr int kStageOffset = 4;
constexpr int kStageStride = 6;
constexpr int kStageBytes = 5;
constexpr int kButtonOffset = 66;
// The stage index and the five stages, as one read.
constexpr int kDpiReadBytes = 32;

ProfileStore &device()
{
    return DeviceContext::deviceStore();
}

void debug(const char *message)
{
    qCDebug(lcDevice, "%s", message);
}

MemoryWrite write(quint16 address, const QByteArray &data, quint8 reportId = kShortReport)
{
    return MemoryWrite{address, data, reportId};
}

// Sends a refresh; on failure writes the message (if any) and returns false.
bool refresh(quint8 area, const char *failure)
{
    if (sendFrame(refreshFrame(area)))
        return true;
    if (failure)
        debug(failure);
    return false;
}

bool sendLighting(const ProfileStore &store, bool preview, const char *failure)
{
    const QString product = readProductName();
    const quint32 lightClass = lightingClass(product);
    const LightingLayout layout = lightingLayout(product, lightClass);
    // The class-4 form and the preview write nothing while no mouse is
    // open, so that a preview without a mouse stays quiet.
    const bool skipWithoutMouse = preview || layout == LightingLayout::Class4;
    if (skipWithoutMouse && !DeviceContext::interface1Handle())
        return true;
    const bool logBright =
        preview ? layout != LightingLayout::Standard : layout == LightingLayout::Class4;
    const QVector<LightingSlotWrite> writes = lightingWrites(store, product, lightClass, preview);
    for (const LightingSlotWrite &w : writes) {
        if (w.slot && logBright)
            qCDebug(lcDevice, "bright = %d", int(w.bright));
        if (!sendWrite(w.write)) {
            debug(failure);
            return false;
        }
        protocolSleep(kShortPauseMs);
    }
    return true;
}

} // namespace

MemoryWrite keyMapModeWrite()
{
    return write(kKeyMapZeroAddress, QByteArray(2, '\0'));
}

MemoryWrite keyMapModeByteWrite(const QString &productName)
{
    // 7 for the model with three on-board profiles, 0x1F for five.
    const quint8 mode = onBoardProfileCount(productName) == 3 ? 7 : 0x1F;
    return write(kKeyMapModeAddress, QByteArray(1, char(mode)));
}

QVector<MemoryWrite> pollRateWrites(const ProfileStore &store)
{
    QByteArray low(6, '\0');
    QByteArray high(4, '\0');
    for (int p = 0; p < 3; ++p)
        low[2 * p] = char(store.profiles[p].pollrate);
    for (int p = 3; p < kProfileCount; ++p)
        high[2 * (p - 3)] = char(store.profiles[p].pollrate);
    return {write(kRateAddressLow, low), write(kRateAddressHigh, high)};
}

MemoryWrite scrollSpeedWrite(const ProfileStore &store)
{
    QByteArray data(10, '\0');
    for (int p = 0; p < kProfileCount; ++p)
        data[2 * p] = char(store.profiles[p].scrollspeed);
    return write(kScrollSpeedAddress, data, kLongReport);
}

MemoryWrite dpiStageIndexWrite(const ProfileStore &store, int profile)
{
    return write(quint16(profileBase(profile) + kStageIndexOffset),
                 QByteArray(1, char(store.profiles[profile].dpi)));
}

MemoryWrite dpiStageWrite(const ProfileStore &store, int profile, int stage,
                          const QString &productName)
{
    const DpiInfo &info = store.profiles[profile].DPI_INFO[stage];
    QByteArray data(kStageBytes, '\0');
    // A stage the model lacks is always sent disabled.
    data[0] = char(stage >= dpiStageCount(productName) ? 0 : info.used);
    const std::array<quint8, 4> codes = dpiStageBytes(sensorType(productName), info.x, info.y);
    for (int i = 0; i < 4; ++i)
        data[1 + i] = char(codes[size_t(i)]);
    return write(quint16(profileBase(profile) + kStageOffset + kStageStride * stage), data);
}

MemoryWrite liftOffWrite(quint8 value)
{
    return write(kLiftOffAddress, QByteArray(1, char(value)));
}

MemoryWrite currentProfileWrite(quint8 profile)
{
    return write(kCurrentProfileAddress, QByteArray(1, char(profile)));
}

bool SendMode(quint8 value)
{
    const bool ok = sendFrame(modeFrame(value));
    if (!ok)
        debug("Unable to send a feature report.");
    protocolSleep(kShortPauseMs);
    return ok;
}

bool SendKeyMapMode()
{
    if (!sendWrite(keyMapModeWrite())) {
        debug("SendKeyMapMode Unable to send a feature report.");
        return false;
    }
    protocolSleep(kShortPauseMs);
    return true;
}

bool SendKeyMapModeByte()
{
    if (!sendWrite(keyMapModeByteWrite(readProductName()))) {
        debug("SendKeyMapMode Unable to send a feature report.");
        return false;
    }
    protocolSleep(kShortPauseMs);
    return true;
}

bool SendLedState()
{
    const QString product = readProductName();
    const bool class4 = lightingLayout(product, lightingClass(product)) == LightingLayout::Class4;
    return sendLighting(device(), false,
                        class4 ? "SendSingleLedStateWithData Unable to send a feature report."
                               : "SendLedState Unable to send a feature report.");
}

bool SendSingleLedStateWithData(const ProfileStore &store)
{
    if (!sendLighting(store, true, "SendSingleLedStateWithData Unable to send a feature report."))
        return false;
    if (!refresh(kRefreshLighting, "SendButtonRefesh Unable to send a feature report 1"))
        return false;
    if (usesModeSlotLighting(readProductName()))
        return true;
    return SendCurrentProfile(false);
}

bool SendPollRate(bool withRefresh)
{
    const QVector<MemoryWrite> writes = pollRateWrites(device());
    if (!sendWrite(writes[0])) {
        debug("SendPollRate Unable to send a feature report 1.");
        return false;
    }
    protocolSleep(kRatePauseMs);
    if (!sendWrite(writes[1])) {
        debug("SendPollRate Unable to send a feature report 2.");
        return false;
    }
    protocolSleep(kRatePauseMs);
    if (withRefresh)
        return refresh(kRefreshRateAndLiftOff, "SendPollRate Unable to send a feature report 3.");
    return true;
}

bool SendScrollSpeed()
{
    if (!sendWrite(scrollSpeedWrite(device()))) {
        debug("SendScrollSpeed Unable to send a feature report");
        return false;
    }
    protocolSleep(kLongPauseMs);
    return true;
}

bool SendDpiStageIndex(bool withRefresh)
{
    for (int p = 0; p < kProfileCount; ++p) {
        if (!sendWrite(dpiStageIndexWrite(device(), p)))
            return false;
    }
    if (!withRefresh)
        return true;
    return refresh(kRefreshDpi, nullptr) && refresh(kRefreshStageAndLighting, nullptr);
}

bool SendDpi(int profile, bool withRefresh)
{
    if (profile < 0 || profile >= kProfileCount)
        return false;
    const QString product = readProductName();
    for (int s = 0; s < kDpiStageCount; ++s) {
        if (!sendWrite(dpiStageWrite(device(), profile, s, product)))
            return false;
    }
    return withRefresh ? refresh(kRefreshDpi, nullptr) : true;
}

bool SendLiftOff(quint8 value)
{
    if (!sendsLiftOff(readProductName()))
        return true;
    if (!sendWrite(liftOffWrite(value)) || !refresh(kRefreshRateAndLiftOff, nullptr))
        return false;
    protocolSleep(kLongPauseMs);
    return true;
}

bool SendProfile(quint8 profile)
{
    if (!sendWrite(currentProfileWrite(profile)) || !refresh(kRefreshProfile, nullptr))
        return false;
    protocolSleep(kLongPauseMs);
    return true;
}

bool SendCurrentProfile(bool withRefresh)
{
    if (!sendWrite(currentProfileWrite(device().curProfile)))
        return false;
    if (withRefresh && !refresh(kRefreshProfile, nullptr))
        return false;
    protocolSleep(kLongPauseMs);
    return true;
}

bool SendButtonRefesh()
{
    return refresh(kRefreshLighting, "SendButtonRefesh Unable to send a feature report 1") &&
           refresh(kRefreshProfile, "SendButtonRefesh Unable to send a feature report 2") &&
           refresh(kRefreshDpi, "SendButtonRefesh Unable to send a feature report 3") &&
           refresh(kRefreshRateAndLiftOff, "SendButtonRefesh Unable to send a feature report 4") &&
           refresh(kRefreshStageAndLighting, "SendButtonRefesh Unable to send a feature report 4");
}

namespace {

bool readShort(quint16 address, quint8 count, QByteArray *data)
{
    const int length = reportLength(kShortReport);
    return readMemory(kShortReport, address, count, length, length, data);
}

// Reads that fetch a 64-byte report. The request is a report 3 as well;
// the Windows HID stack pads a short feature report to the length the
// device declares, so the mouse has only ever seen it as 64 bytes, and we
// send it so on every platform (hidraw passes lengths through unchanged).
bool readLong(quint16 address, quint8 count, QByteArray *data)
{
    const int length = reportLength(kLongReport);
    return readMemory(kLongReport, address, count, length, length, data);
}

} // namespace

bool QueryCurrentProfile()
{
    QByteArray data;
    if (!readShort(kCurrentProfileAddress, 1, &data))
        return false;
    device().curProfile = quint8(data[0]);
    return true;
}

bool QueryPollRate()
{
    QByteArray low;
    QByteArray high;
    if (!readShort(kRateAddressLow, 6, &low) || !readShort(kRateAddressHigh, 4, &high)) {
        debug("QueryPollRate Unable to send a feature report.");
        return false;
    }
    for (int p = 0; p < 3; ++p)
        device().profiles[p].pollrate = quint8(low[2 * p]);
    for (int p = 3; p < kProfileCount; ++p)
        device().profiles[p].pollrate = quint8(high[2 * (p - 3)]);
    return true;
}

bool QueryLedState()
{
    const quint32 lightClass = lightingClass(readProductName());
    for (int p = 0; p < kProfileCount; ++p) {
        QByteArray data;
        if (!readShort(quint16(kLightingAddress + kLightingStride * p), kLightingBytes, &data)) {
            debug("QueryLedState Unable to send a feature report.");
            return false;
        }
        ProfileData &profile = device().profiles[p];
        const int mode = ledModeFromEffect(lightClass, quint8(data[3]), quint8(data[5]));
        profile.LedMode = quint8(mode);
        LedModeInfo &led = profile.LED_MODE[mode];
        if (lightClass <= 1)
            led.RGB = LedColour::fromRgb(quint8(data[0]), quint8(data[1]), quint8(data[2]));
        // The mouse holds the speed as 9 - breath; it is kept as read, so
        // that a dump shows the memory.
        led.breath = quint8(data[4]);
        led.bright = quint8(data[6]);
    }
    return true;
}

bool QueryDpi(int profile)
{
    if (profile < 0 || profile >= kProfileCount)
        return false;
    QByteArray data;
    if (!readLong(quint16(profileBase(profile) + kStageIndexOffset), kDpiReadBytes, &data)) {
        debug("QueryDpi Unable to send a feature report.");
        return false;
    }
    const quint32 sensor = sensorType(readProductName());
    ProfileData &rec = device().profiles[profile];
    rec.dpi = quint8(data[0]);
    for (int s = 0; s < kDpiStageCount; ++s) {
        const int at = kStageOffset - kStageIndexOffset + kStageStride * s;
        DpiInfo &stage = rec.DPI_INFO[s];
        stage.used = quint8(data[at]);
        AxisCode x{quint8(data[at + 1]), quint8(data[at + 2])};
        AxisCode y{quint8(data[at + 3]), quint8(data[at + 4])};
        if (sensor == 3104)
            std::swap(x, y);
        stage.x = dpiValueFromCode(sensor, false, x).value_or(0);
        // The 3335 takes X only; its Y follows X.
        stage.y = sensor == 3335 ? stage.x : dpiValueFromCode(sensor, true, y).value_or(0);
        stage.link = stage.x == stage.y ? 1 : 0;
        stage.xy = stage.x;
    }
    return true;
}

bool QuerySingleButton(int profile, int button, QByteArray *entry)
{
    const int address = profileBase(profile) + kButtonOffset + 4 * button;
    if (button < 0 || address > 0xFFFF || !readLong(quint16(address), 4, entry)) {
        debug("QuerySingleButton Unable to send a feature report.");
        return false;
    }
    return true;
}
