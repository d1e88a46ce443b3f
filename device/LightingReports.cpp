#include "device/LightingReports.h"

#include "store/ModelTable.h"

#include <algorithm>

namespace {

constexpr quint16 kHeaderAddress = 0x446;
constexpr quint16 kStandardAddress = 0x449;
constexpr int kStandardStride = 8;
constexpr int kOffMode = 7;

struct EffectRow
{
    LedEffect classes0to2;
    LedEffect class3;
};

// Indexed by LedMode 0-8.
constexpr EffectRow kEffects[kLedModeCount] = {
    {{2, 1, true}, {1, 4, true}},  {{3, 1, true}, {1, 8, true}},   {{1, 1, false}, {1, 2, false}},
    {{5, 1, true}, {2, 0, true}},  {{0, 0, false}, {6, 0, true}},  {{0, 0, false}, {7, 0, true}},
    {{4, 1, true}, {1, 16, true}}, {{0, 0, false}, {0, 0, false}}, {{2, 3, true}, {0, 0, false}},
};

// One mode slot of the alternative layouts.
struct Slot
{
    quint16 address;
    int mode;
    quint8 byte0;
    quint8 code;
    quint8 variant;
    bool dark; // colour, speed and brightness sent as 0
};

constexpr Slot kNx13Slots[] = {
    {0x458, 0, 0x81, 2, 1, false}, {0x448, 3, 0x80, 5, 1, false}, {0x450, 8, 0x81, 2, 3, false},
    {0x468, 2, 0x81, 1, 1, false}, {0x460, 6, 0x81, 4, 1, false},
};
constexpr Slot kNx13PreviewSlot = {0x470, 7, 0x80, 0, 0, true};

constexpr Slot kClass4Slots[] = {
    {0x448, 0, 0x81, 2, 1, false}, {0x450, 1, 0x81, 3, 0, false}, {0x458, 2, 0x81, 1, 1, false},
    {0x460, 6, 0x81, 4, 1, false}, {0x468, 7, 0x80, 0, 0, true},
};

int knownMode(int mode)
{
    return mode >= 0 && mode < kLedModeCount ? mode : kOffMode;
}

void appendColour(QByteArray &data, const LedColour &colour)
{
    data.append(char(colour.red()));
    data.append(char(colour.green()));
    data.append(char(colour.blue()));
}

LightingSlotWrite slotWrite(const Slot &slot, const ProfileData &profile)
{
    const LedModeInfo &led = profile.LED_MODE[slot.mode];
    QByteArray data;
    data.append(char(slot.byte0));
    if (slot.dark)
        data.append(3, '\0');
    else
        appendColour(data, led.RGB);
    data.append(char(slot.code));
    data.append(char(slot.dark ? 0 : ledSpeedByte(led.breath)));
    data.append(char(slot.variant));
    const quint32 bright = slot.dark ? 0 : led.bright;
    data.append(char(bright & 0xFF));
    return {MemoryWrite{slot.address, data, kShortReport}, true, bright};
}

} // namespace

LightingLayout lightingLayout(const QString &productName, quint32 lightingClass)
{
    if (usesModeSlotLighting(productName))
        return LightingLayout::Nx13;
    if (lightingClass == 4)
        return LightingLayout::Class4;
    return LightingLayout::Standard;
}

LedEffect standardLedEffect(quint32 lightingClass, int mode)
{
    if (lightingClass > 3)
        return {};
    const EffectRow &row = kEffects[knownMode(mode)];
    return lightingClass == 3 ? row.class3 : row.classes0to2;
}

int ledModeFromEffect(quint32 lightingClass, quint8 code, quint8 variant)
{
    struct Pair
    {
        quint8 code;
        int variant; // -1: any
        int mode;
    };
    static const Pair kClass0to2[] = {{2, 1, 0}, {3, 1, 1}, {1, 1, 2}, {5, 1, 3},
                                      {4, 1, 6}, {2, 3, 8}, {0, -1, 7}};
    static const Pair kClass3[] = {{1, 4, 0},  {1, 8, 1},  {1, 2, 2},  {2, 0, 3},
                                   {1, 16, 6}, {6, -1, 4}, {7, -1, 5}, {0, -1, 7}};
    static const Pair kClass4[] = {{1, 1, 2}, {3, -1, 1}, {4, 1, 6}, {0, -1, 7}};
    auto find = [&](const Pair *begin, const Pair *end) {
        for (const Pair *p = begin; p != end; ++p) {
            if (p->code == code && (p->variant < 0 || p->variant == variant))
                return p->mode;
        }
        return 0;
    };
    switch (lightingClass) {
    case 0:
    case 1:
    case 2:
        return find(std::begin(kClass0to2), std::end(kClass0to2));
    case 3:
        return find(std::begin(kClass3), std::end(kClass3));
    case 4:
        return find(std::begin(kClass4), std::end(kClass4));
    default:
        return 0;
    }
}

quint8 lightingHeaderByte(LightingLayout layout, int activeMode)
{
    switch (layout) {
    case LightingLayout::Standard:
        return 0;
    case LightingLayout::Nx13:
        switch (activeMode) {
        case 0:
            return 0x04;
        case 8:
            return 0x02;
        case 2:
            return 0x10;
        case 6:
            return 0x08;
        case 7:
            return 0x20;
        default:
            return 0x01;
        }
    case LightingLayout::Class4:
        switch (activeMode) {
        case 1:
            return 0x02;
        case 2:
            return 0x04;
        case 6:
            return 0x08;
        case 7:
            return 0x10;
        default:
            return 0x01;
        }
    }
    return 0;
}

quint8 ledSpeedByte(quint32 breath)
{
    return breath <= 9 ? quint8(9 - breath) : 0;
}

QVector<LightingSlotWrite> lightingWrites(const ProfileStore &store, const QString &productName,
                                          quint32 lightingClass, bool preview)
{
    const LightingLayout layout = lightingLayout(productName, lightingClass);
    QVector<LightingSlotWrite> writes;
    QByteArray header(2, '\0');
    if (!preview)
        header[0] = char(lightingHeaderByte(layout, store.profiles[0].LedMode));
    writes.append({MemoryWrite{kHeaderAddress, header, kShortReport}, false, 0});

    if (layout == LightingLayout::Standard) {
        for (int p = 0; p < kProfileCount; ++p) {
            const ProfileData &profile = store.profiles[p];
            const int mode = knownMode(profile.LedMode);
            const LedModeInfo &led = profile.LED_MODE[mode];
            const LedEffect effect = standardLedEffect(lightingClass, mode);
            QByteArray data;
            appendColour(data, led.RGB);
            data.append(char(effect.code));
            data.append(char(effect.speed ? ledSpeedByte(led.breath) : 0));
            data.append(char(effect.variant));
            data.append(char(led.bright & 0xFF));
            writes.append(
                {MemoryWrite{quint16(kStandardAddress + kStandardStride * p), data, kShortReport},
                 false, led.bright});
        }
        return writes;
    }

    const ProfileData &first = store.profiles[0];
    if (layout == LightingLayout::Nx13) {
        for (const Slot &slot : kNx13Slots)
            writes.append(slotWrite(slot, first));
        if (preview)
            writes.append(slotWrite(kNx13PreviewSlot, first));
    } else {
        for (const Slot &slot : kClass4Slots)
            writes.append(slotWrite(slot, first));
    }
    return writes;
}
