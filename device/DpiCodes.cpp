#include "device/DpiCodes.h"

#include <algorithm>

namespace {

// Resolution register codes of the sensors whose steps are not linear,
// indexed by stage value (after the range offset of each rule).
constexpr quint8 kT3325[] = {0,  2,  4,  6,  8,  11,  13,  15,  18,  20,  22,  25, 27,
                             29, 32, 34, 36, 39, 41,  43,  46,  48,  50,  52,  55, 57,
                             59, 62, 64, 66, 69, 71,  73,  76,  78,  80,  83,  85, 87,
                             90, 92, 94, 97, 99, 101, 104, 106, 108, 111, 113, 115};

constexpr quint8 kT3327[] = {0,   4,   6,   9,   11,  13,  15,  18,  20,  22,  24,  27,  29,
                             31,  33,  36,  38,  40,  43,  45,  47,  49,  52,  54,  56,  58,
                             61,  63,  65,  67,  70,  72,  74,  77,  79,  81,  83,  86,  88,
                             90,  92,  95,  97,  99,  102, 104, 106, 108, 111, 113, 115, 117,
                             120, 122, 124, 127, 129, 131, 133, 135, 138, 140};

constexpr quint8 kT3333[] = {188, 188, 4,   6,   9,   11,  14,  16,  18,  21,  23,  25,  27,  29,
                             32,  34,  36,  39,  41,  43,  46,  48,  50,  52,  55,  57,  59,  62,
                             64,  66,  69,  72,  74,  77,  78,  81,  84,  85,  88,  91,  93,  95,
                             98,  100, 102, 105, 107, 109, 112, 114, 116, 119, 121, 123, 126, 128,
                             130, 133, 135, 137, 140, 142, 145, 147, 149, 151, 154, 156, 158, 161,
                             163, 165, 168, 171, 173, 175, 178, 180, 182, 185};

constexpr quint8 kT3335[] = {
    0,   0,   2,   3,   4,   5,   6,   7,   9,   10,  11,  12,  13,  14,  16,  17,  18,  19,
    20,  22,  23,  24,  25,  26,  27,  29,  30,  31,  32,  33,  35,  37,  38,  39,  40,  41,
    42,  44,  45,  46,  47,  48,  50,  51,  52,  53,  54,  56,  57,  58,  59,  60,  62,  63,
    64,  65,  66,  68,  69,  70,  71,  72,  74,  75,  76,  77,  78,  80,  81,  82,  83,  84,
    86,  87,  88,  89,  90,  92,  93,  94,  95,  96,  98,  99,  100, 101, 102, 104, 105, 106,
    107, 108, 110, 111, 112, 113, 114, 116, 117, 118, 119, 120, 122, 123, 124, 125, 126, 128,
    129, 130, 131, 132, 134, 135, 136, 137, 138, 140, 141, 142, 143, 144, 146, 147, 148, 149,
    150, 152, 153, 154, 155, 156, 158, 159, 160, 161, 162, 164, 165, 166, 167, 168, 170, 171,
    172, 173, 174, 176, 177, 178, 179, 180, 181, 182, 183, 184, 185, 186, 187, 188, 188};

static_assert(std::size(kT3325) == 51, "T3325 covers stage values 0-50");
static_assert(std::size(kT3327) == 62, "T3327 covers stage values 0-61");
static_assert(std::size(kT3333) == 80, "T3333 covers stage values 0-79");
static_assert(std::size(kT3335) == 161, "T3335 covers stage values 0-160");

template<std::size_t N>
quint8 tableCode(const quint8 (&table)[N], quint32 index)
{
    return table[std::min<quint32>(index, N - 1)];
}

// The sensors with a linear register above a threshold: the value itself
// (low byte, high bits in the range byte), and past the threshold the
// value less an offset with bit 7 of the range byte set.
AxisCode splitCode(quint32 value, quint32 lastPlain, quint32 offset)
{
    if (value <= lastPlain)
        return {quint8(value & 0xFF), quint8((value >> 8) & 0xFF)};
    const quint32 v = value - offset;
    return {quint8(v & 0xFF), quint8(((v >> 8) | 0x80) & 0xFF)};
}

} // namespace

bool operator==(const AxisCode &a, const AxisCode &b)
{
    return a.code == b.code && a.range == b.range;
}

std::optional<AxisCode> dpiAxisCode(quint32 sensor, bool yAxis, quint32 v)
{
    switch (sensor) {
    case 3325:
        if (v <= 50)
            return AxisCode{tableCode(kT3325, v), 0};
        return AxisCode{tableCode(kT3325, v - 25), 1};
    case 3327:
        if (v <= 61)
            return AxisCode{tableCode(kT3327, v), 0};
        if (v <= 92)
            return AxisCode{tableCode(kT3327, v - 31), 1};
        return AxisCode{tableCode(kT3327, v - 52), 4};
    case 3360:
        if (v <= 120)
            return AxisCode{quint8((v - 1) & 0xFF), 0};
        return AxisCode{quint8((v - 61) & 0xFF), 1};
    case 3389:
        return splitCode(v, 320, 160);
    case 3399:
        return splitCode(v, yAxis ? 400 : 399, 200);
    case 3395:
        return splitCode(v, yAxis ? 520 : 519, 260);
    case 3212:
        if (v < 64)
            return AxisCode{quint8(v), 0};
        if (v <= 94)
            return AxisCode{quint8(v - 32), 1};
        return AxisCode{quint8((v - 63) & 0xFF), 2};
    case 3104:
        if (v <= 106)
            return AxisCode{quint8(v), 0};
        return AxisCode{quint8((v - 53) & 0xFF), 1};
    case 3333:
        if (v <= 79)
            return AxisCode{tableCode(kT3333, v), 0};
        return AxisCode{tableCode(kT3333, v - 40), 1};
    case 3335:
        if (v <= 160)
            return AxisCode{tableCode(kT3335, v), 0};
        return AxisCode{tableCode(kT3335, v - 40), 1};
    default:
        return std::nullopt;
    }
}

std::array<quint8, 4> dpiStageBytes(quint32 sensor, quint32 x, quint32 y)
{
    const std::optional<AxisCode> cx = dpiAxisCode(sensor, false, x);
    const std::optional<AxisCode> cy = dpiAxisCode(sensor, true, y);
    if (!cx || !cy)
        return {0, 0, 0, 0};
    if (sensor == 3104)
        return {cy->code, cy->range, cx->code, cx->range};
    if (sensor == 3335)
        return {cx->code, cx->range, 0, 0};
    return {cx->code, cx->range, cy->code, cy->range};
}

std::array<quint8, 2> sniperDpiCodes(quint32 sensor, quint8 value)
{
    switch (sensor) {
    case 3325: {
        const quint8 c = tableCode(kT3325, value);
        return {c, c};
    }
    case 3327: {
        const quint8 c = tableCode(kT3327, value);
        return {c, c};
    }
    case 3335: {
        const quint8 c = tableCode(kT3335, value);
        return {c, c};
    }
    case 3360: {
        const quint8 c = quint8(value - 1);
        return {c, c};
    }
    case 3389:
    case 3399:
    case 3395:
    case 3212:
    case 3104:
        return {value, value};
    default:
        return {4, 4};
    }
}

std::optional<quint32> dpiValueFromCode(quint32 sensor, bool yAxis, AxisCode code)
{
    for (quint32 v = 0; v < 1024; ++v) {
        const std::optional<AxisCode> c = dpiAxisCode(sensor, yAxis, v);
        if (!c)
            return std::nullopt;
        if (*c == code)
            return v;
    }
    return std::nullopt;
}
