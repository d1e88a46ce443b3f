#include "store/ModelTable.h"

#include "store/ConfigFile.h"
#include "store/FunctionCodes.h"
#include "store/ProfileData.h"

#include <algorithm>
#include <initializer_list>
#include <iterator>

namespace {

bool listed(std::initializer_list<const char *> models, const QString &productName)
{
    return std::any_of(models.begin(), models.end(),
                       [&](const char *model) { return productName == QLatin1String(model); });
}

struct SensorRow
{
    quint32 sensor;
    std::initializer_list<const char *> models;
};

// 3325 is also the answer for every name not listed.
const SensorRow kSensors[] = {
    {3104, {"NX-07", "NX-12", "NX-13", "NX-44"}},
    {3212, {"NX-29"}},
    {3325,
     {"NX-04", "NX-32", "NX-33", "NX-36", "NX-39", "NX-40", "NX-41", "NX-43", "NX-51", "NX-54",
      "TEST xx"}},
    {3327, {"NX-03", "NX-05", "NX-06", "NX-08", "NX-11", "NX-14", "NX-15",
            "NX-20", "NX-21", "NX-22", "NX-23", "NX-24", "NX-28", "NX-30",
            "NX-31", "NX-45", "NX-46", "NX-48", "NX-50", "NX-52", "NX-53"}},
    {3333, {"NX-10", "NX-56"}},
    {3335, {"NX-09", "NX-42"}},
    {3360, {"NX-34", "NX-37", "NX-49", "NX-55"}},
    {3389, {"NX-01", "NX-02", "NX-17", "NX-35", "NX-38", "NX-47", "NX-57", "TEST"}},
    {3395, {"NX-18", "NX-25"}},
    {3399, {"NX-16", "NX-19"}},
};
constexpr quint32 kFallbackSensor = 3325;

struct LightingRow
{
    quint32 lightingClass;
    std::initializer_list<const char *> models;
};

// Class 0 is also the answer for every name not listed.
const LightingRow kLighting[] = {
    {0, {"NX-12", "NX-13", "NX-25", "NX-48", "NX-49", "NX-50", "NX-54", "TEST"}},
    {1, {"NX-01"}},
    {2, {"NX-04", "NX-06", "NX-07", "NX-08", "NX-15", "NX-20", "NX-28", "NX-32"}},
    {3, {"NX-02", "NX-03", "NX-05", "NX-09", "NX-10", "NX-11", "NX-14", "NX-16",  "NX-17", "NX-18",
         "NX-19", "NX-21", "NX-22", "NX-29", "NX-30", "NX-31", "NX-33", "NX-34",  "NX-35", "NX-36",
         "NX-37", "NX-38", "NX-39", "NX-40", "NX-41", "NX-42", "NX-43", "NX-44",  "NX-45", "NX-46",
         "NX-47", "NX-51", "NX-52", "NX-53", "NX-55", "NX-56", "NX-57", "TEST xx"}},
    {4, {"NX-23", "NX-24"}},
};

struct SliderRow
{
    quint32 sensor;
    DpiSliderRange range;
};

const SliderRow kSliderRanges[] = {
    {3325, {1, 75}},  {3327, {1, 92}},  {3333, {2, 120}}, {3335, {1, 240}},  {3360, {1, 180}},
    {3389, {2, 480}}, {3395, {0, 779}}, {3399, {0, 599}}, {3104, {14, 159}}, {3212, {16, 111}},
};

// The wide 3327 scale, 200-16400 DPI.
constexpr DpiSliderRange kWide3327Range = {1, 106};
const std::initializer_list<const char *> kWide3327Models = {"NX-48"};

const std::initializer_list<const char *> kSecondProfileModels = {"NX-14"};
const std::initializer_list<const char *> kModeSlotLightingModels = {"NX-13"};
constexpr quint32 kFirstProfileLightingClass = 4;

const std::initializer_list<const char *> kPresetColourModels = {
    "NX-55", "NX-34", "NX-35", "NX-27", "NX-56", "NX-57", "NX-48", "NX-03"};

const std::initializer_list<const char *> kThreeProfileModels = {"NX-04"};
constexpr int kThreeProfiles = 3;

// The unknown-sensor fallback of the DPI sliders.
constexpr quint32 kFallbackScaleSensor = 3325;

const std::initializer_list<const char *> kSmallMacroLimitModels = {
    "NX-04", "NX-06", "NX-07", "NX-08", "NX-12", "NX-13",
    "NX-15", "NX-20", "NX-23", "NX-24", "NX-32"};
constexpr int kSmallMacroLimit = 7;
constexpr int kMacroLimit = 20;

const std::initializer_list<const char *> kLiftOffModels = {"NX-07", "NX-18", "NX-19", "NX-22",
                                                            "NX-25"};
const std::initializer_list<const char *> kTwoLiftOffDistanceModels = {"NX-18"};

const std::initializer_list<const char *> kFourStageModels = {"NX-04"};
const std::initializer_list<const char *> kWheelMarkerModels = {
    "NX-55", "NX-56", "NX-57", "NX-34", "NX-35", "NX-30", "NX-27", "NX-26", "NX-49",
    "NX-50", "NX-52", "NX-07", "NX-09", "NX-46", "NX-10", "NX-33", "NX-39", "NX-40",
    "NX-41", "NX-51", "NX-42", "NX-43", "NX-44", "NX-53", "NX-31", "NX-28", "NX-08",
    "NX-05", "NX-15", "NX-20", "NX-17", "NX-19", "NX-18", "NX-25", "NX-16", "NX-11",
    "NX-04", "NX-06", "NX-24", "NX-23", "NX-21", "NX-22"};

// The 3104 scale rounds to whole hundreds near them and keeps the values in
// between; two values would round the wrong way and are kept as they are.
int dpi3104(int value)
{
    const int t = (value < 107 ? value * 38 : (value - 53) * 76) / 10;
    const int r = t * 10;
    if (r == 530)
        return 500;
    if (r == 8050)
        return 8000;
    if (r == 2090 || r == 3990)
        return r;
    const int q = r % 100;
    if (q < 21)
        return (r / 100) * 100;
    if (q < 81)
        return r;
    return (r / 100 + 1) * 100;
}

// The 3212 scale's steps fall near round values; these are shown rounded.
// One table serves all three bands: the middle band (64-94, 2430-4710)
// meets none of them.
struct Rounding
{
    int raw;
    int shown;
};
constexpr Rounding k3212Rounding[] = {
    {790, 800}, {1210, 1200}, {1630, 1600}, {2390, 2400}, {7290, 7200}};

int dpi3212(int value)
{
    int r;
    if (value >= 64 && value <= 94)
        r = ((value - 32) * 76 / 10) * 10;
    else if (value < 64)
        r = (value * 38 / 10) * 10;
    else
        r = ((value - 63) * 152 / 10) * 10;
    for (const Rounding &rounding : k3212Rounding) {
        if (rounding.raw == r)
            return rounding.shown;
    }
    return r;
}

// A run of consecutive slots going to consecutive device indexes, or a
// fixed function (fixedCode != 0) at one device button.
struct Run
{
    int firstSlot;
    int lastSlot;
    int firstIndex;
    int fixedCode;
};

struct ButtonMapRow
{
    const char *models[10];
    Run runs[3];
};

constexpr Run kNone = {0, -1, 0, 0};

constexpr ButtonMapRow kButtonMaps[] = {
    {{"NX-01"}, {{0, 5, 0, 0}, {20, 31, 6, 0}, kNone}},
    {{"NX-02", "NX-03", "NX-31", "NX-37", "NX-38", "NX-41", "NX-45", "NX-47"},
     {{0, 7, 0, 0}, {40, 41, 22, 0}, kNone}},
    // The fifth model gets a fixed profile-switch entry at button 8.
    {{"NX-05"}, {{0, 7, 0, 0}, {0, 0, 8, FunctionCode::ProfileSwitch}, {40, 41, 22, 0}}},
    {{"NX-04", "NX-06", "NX-15", "NX-28", "NX-29", "NX-33", "NX-40"},
     {{0, 6, 0, 0}, {40, 41, 10, 0}, kNone}},
    {{"NX-07", "NX-13"}, {{0, 8, 0, 0}, {40, 41, 10, 0}, kNone}},
    {{"NX-08", "NX-32", "NX-36", "NX-39"}, {{0, 7, 0, 0}, {40, 41, 10, 0}, kNone}},
    {{"NX-09", "NX-10", "NX-11", "NX-16", "NX-42", "NX-43", "NX-44", "NX-46", "NX-48", "NX-52"},
     {{0, 8, 0, 0}, {40, 41, 22, 0}, kNone}},
    {{"NX-12", "NX-20", "NX-23", "NX-24"}, {{0, 5, 0, 0}, {40, 41, 10, 0}, kNone}},
    {{"NX-14"}, {{0, 6, 0, 0}, {20, 31, 7, 0}, {40, 41, 22, 0}}},
    {{"NX-17", "NX-18", "NX-19", "NX-25"}, {{0, 5, 0, 0}, {40, 41, 22, 0}, kNone}},
    {{"NX-21"}, {{0, 6, 0, 0}, {20, 27, 8, 0}, {40, 41, 22, 0}}},
    {{"NX-22"}, {{0, 6, 0, 0}, {40, 41, 22, 0}, kNone}},
    {{"NX-30", "NX-49", "NX-50", "TEST xx"}, {{0, 5, 0, 0}, {20, 31, 6, 0}, {40, 41, 22, 0}}},
    {{"NX-34", "NX-35"}, {{0, 6, 0, 0}, {20, 35, 7, 0}, {40, 41, 24, 0}}},
    {{"NX-51"}, {{0, 9, 0, 0}, {40, 41, 20, 0}, kNone}},
    {{"NX-53"}, {{0, 7, 0, 0}, {20, 24, 8, 0}, {40, 41, 22, 0}}},
    {{"NX-54"}, {{0, 5, 0, 0}, {40, 41, 20, 0}, kNone}},
    {{"NX-55", "NX-56", "NX-57"}, {{0, 9, 0, 0}, {40, 41, 22, 0}, kNone}},
    {{"TEST"}, {{0, 6, 0, 0}, kNone, kNone}},
};

struct PositionRow
{
    const char *models[9];
    int firstIndex;
    int lastIndex;
    int positions[16]; // position of firstIndex ... lastIndex
};

constexpr PositionRow kPositions[] = {
    {{"NX-05", "NX-31", "NX-39"}, 3, 7, {7, 3, 4, 5, 6}},
    {{"NX-07", "NX-08", "NX-11", "NX-16", "NX-32", "NX-42", "NX-43", "NX-44", "NX-52"},
     3,
     5,
     {5, 3, 4}},
    {{"NX-29"}, 6, 6, {7}},
    {{"NX-34", "NX-35"}, 7, 22, {8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23}},
    {{"NX-54"}, 3, 5, {6, 7, 4}},
};

template<std::size_t N>
bool listsModel(const char *const (&models)[N], const QString &productName)
{
    for (const char *m : models) {
        if (m && productName == QLatin1String(m))
            return true;
    }
    return false;
}

} // namespace

const std::vector<ReportRate> &reportRates()
{
    static const std::vector<ReportRate> rates = {
        {8, 125, QT_TRANSLATE_NOOP("VornReportRate", "125 HZ")},
        {4, 250, QT_TRANSLATE_NOOP("VornReportRate", "250 HZ")},
        {2, 500, QT_TRANSLATE_NOOP("VornReportRate", "500 HZ")},
        {1, 1000, QT_TRANSLATE_NOOP("VornReportRate", "1000 HZ")},
    };
    return rates;
}

const ReportRate *reportRateByCode(quint8 code)
{
    for (const ReportRate &rate : reportRates()) {
        if (rate.code == code)
            return &rate;
    }
    return nullptr;
}

const std::vector<const char *> &liftOffDistances()
{
    static const std::vector<const char *> distances = {
        QT_TRANSLATE_NOOP("VornLiftOffDistance", "3 mm"),
        QT_TRANSLATE_NOOP("VornLiftOffDistance", "2 mm"),
        QT_TRANSLATE_NOOP("VornLiftOffDistance", "1 mm"),
    };
    return distances;
}

const char *lightingEffectText(int mode)
{
    static const char *const texts[kLedModeCount] = {
        QT_TRANSLATE_NOOP("VornColorWindow", "BREATHING"),
        QT_TRANSLATE_NOOP("VornColorWindow", "RAINBOW"),
        QT_TRANSLATE_NOOP("VornColorWindow", "FULL LIGHTED"),
        QT_TRANSLATE_NOOP("VornColorWindow", "WAVE"),
        QT_TRANSLATE_NOOP("VornColorWindow", "GO WITHOUT TRACE"),
        QT_TRANSLATE_NOOP("VornColorWindow", "REACTIVE"),
        QT_TRANSLATE_NOOP("VornColorWindow", "FLASH"),
        QT_TRANSLATE_NOOP("VornColorWindow", "OFF"),
        QT_TRANSLATE_NOOP("VornColorWindow", "7 COLOR BREATHING"),
    };
    return mode >= 0 && mode < kLedModeCount ? texts[mode] : nullptr;
}

quint32 sensorType(const QString &productName)
{
    for (const SensorRow &row : kSensors) {
        if (listed(row.models, productName))
            return row.sensor;
    }
    return kFallbackSensor;
}

quint32 sensorType()
{
    return sensorType(readProductName());
}

int dpiFromSlider(int value, quint32 sensor)
{
    // Each scale steps faster above the sensor's native resolution.
    switch (sensor) {
    case 3325:
        return value <= 50 ? value * 100 : 5000 + (value - 50) * 200;
    case 3327:
        if (value < 62)
            return (value + 1) * 100;
        if (value < 93)
            return 6200 + (value - 61) * 200;
        return value == 106 ? 16400 : 12300 + (value - 92) * 300;
    case 3333:
        return value <= 80 ? value * 100 : 8000 + (value - 80) * 200;
    case 3335:
        return value <= 160 ? value * 100 : 16000 + (value - 160) * 200;
    case 3360:
        return value <= 120 ? value * 100 : 12000 + (value - 120) * 200;
    case 3389:
        return value <= 320 ? value * 50 : 16000 + (value - 320) * 100;
    case 3395:
        return value <= 519 ? (value + 1) * 50 : 26000 + (value - 519) * 100;
    case 3399:
        return value <= 399 ? (value + 1) * 50 : 20000 + (value - 399) * 100;
    case 3104:
        return dpi3104(value);
    case 3212:
        return dpi3212(value);
    default:
        return 0;
    }
}

DpiSliderRange dpiSliderRange(quint32 sensor, const QString &productName)
{
    if (sensor == 3327 && listed(kWide3327Models, productName))
        return kWide3327Range;
    for (const SliderRow &row : kSliderRanges) {
        if (row.sensor == sensor)
            return row.range;
    }
    return {};
}

DpiScale dpiScale(quint32 sensor, const QString &productName)
{
    DpiScale scale{sensor, dpiSliderRange(sensor, productName)};
    if (scale.range.max == 0)
        scale = {kFallbackScaleSensor, dpiSliderRange(kFallbackScaleSensor, productName)};
    return scale;
}

quint32 lightingClass(const QString &productName)
{
    for (const LightingRow &row : kLighting) {
        if (listed(row.models, productName))
            return row.lightingClass;
    }
    return 0;
}

quint32 lightingClass()
{
    return lightingClass(readProductName());
}

QVector<int> lightingEffects(quint32 lightingClass, const QString &productName)
{
    // Mode numbers: 0 breathing, 1 rainbow, 2 full lighted, 3 wave, 4 go
    // without trace, 5 reactive, 6 flash, 7 off, 8 seven-colour breathing.
    switch (lightingClass) {
    case 0:
        if (usesModeSlotLighting(productName))
            return {0, 3, 8, 2, 6, 7};
        return {0, 1, 8, 2, 6, 7};
    case 2:
        return {0, 1, 2, 3, 6, 7};
    case 4:
        return {0, 1, 2, 6, 7};
    default:
        return {0, 1, 2, 3, 4, 5, 6, 7};
    }
}

bool lightingInFirstProfile(const QString &productName)
{
    return lightingClass(productName) == kFirstProfileLightingClass ||
           usesModeSlotLighting(productName);
}

bool usesModeSlotLighting(const QString &productName)
{
    return listed(kModeSlotLightingModels, productName);
}

bool takesPresetColoursOnly(const QString &productName)
{
    return listed(kPresetColourModels, productName);
}

int onBoardProfileCount(const QString &productName)
{
    return listed(kThreeProfileModels, productName) ? kThreeProfiles : kProfileCount;
}

bool startsOnSecondProfile(const QString &productName)
{
    return listed(kSecondProfileModels, productName);
}

std::optional<SniperScale> sniperScale(quint32 sensor)
{
    struct Row
    {
        quint32 sensors[3];
        SniperScale scale;
    };
    static const Row kRows[] = {
        {{3325, 3327, 3360}, {1, 10, 1, 10, 3}}, {{3333, 0, 0}, {2, 10, 1, 10, 3}},
        {{3335, 0, 0}, {1, 10, 1, 10, 3}},       {{3389, 0, 0}, {2, 20, 2, 20, 6}},
        {{3395, 3399, 0}, {0, 19, 0, 19, 6}},    {{3212, 0, 0}, {16, 32, 17, 32, 16}},
        {{3104, 0, 0}, {14, 26, 15, 26, 14}},
    };
    for (const Row &row : kRows) {
        if (sensor != 0 && std::find(std::begin(row.sensors), std::end(row.sensors), sensor) !=
                               std::end(row.sensors))
            return row.scale;
    }
    return std::nullopt;
}

int correctedSniperStep(int step, quint32 sensor)
{
    const std::optional<SniperScale> scale = sniperScale(sensor);
    if (scale && (step < scale->validMin || step > scale->validMax))
        return scale->fallback;
    return step;
}

int macroLimit(const QString &productName)
{
    return listed(kSmallMacroLimitModels, productName) ? kSmallMacroLimit : kMacroLimit;
}

bool sendsLiftOff(const QString &productName)
{
    return listed(kLiftOffModels, productName);
}

bool usesCompactDpiLayout(const QString &productName)
{
    return listed(kLiftOffModels, productName);
}

int liftOffDistanceCount(const QString &productName)
{
    return listed(kTwoLiftOffDistanceModels, productName) ? 2 : 3;
}

int dpiStageCount(const QString &productName)
{
    return listed(kFourStageModels, productName) ? kDpiStageCount - 1 : kDpiStageCount;
}

bool usesWheelScrollMarkers(const QString &productName)
{
    return listed(kWheelMarkerModels, productName);
}

QVector<ButtonMapStep> modelButtonMap(const QString &productName)
{
    QVector<ButtonMapStep> steps;
    for (const ButtonMapRow &row : kButtonMaps) {
        if (!listsModel(row.models, productName))
            continue;
        for (const Run &run : row.runs) {
            if (run.fixedCode) {
                steps.append({-1, run.firstIndex, run.fixedCode});
                continue;
            }
            for (int slot = run.firstSlot; slot <= run.lastSlot; ++slot)
                steps.append({slot, run.firstIndex + slot - run.firstSlot, 0});
        }
        break;
    }
    return steps;
}

int buttonPosition(const QString &productName, int index)
{
    for (const PositionRow &row : kPositions) {
        if (listsModel(row.models, productName)) {
            if (index >= row.firstIndex && index <= row.lastIndex)
                return row.positions[index - row.firstIndex];
            return index;
        }
    }
    return index;
}
