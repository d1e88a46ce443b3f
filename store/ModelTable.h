#pragma once

#include <QString>
#include <QVector>
#include <QtGlobal>

#include <optional>
#include <vector>

// Model-dependent facts, keyed by the product name of the connected mouse
// (exact, case-sensitive comparison). The forms without a product name read
// it afresh from the global Config.ini on every call; nothing is cached, so a
// model change is seen at once.

// Optical sensor of the model; unknown models are taken for a 3325.
quint32 sensorType(const QString &productName);
quint32 sensorType();

// DPI shown for a DPI slider value on the given sensor; 0 for an unknown
// sensor type. Stage values in ProfileData are such slider values.
int dpiFromSlider(int value, quint32 sensor);

// Report rates, in menu order: the code the mouse takes (the report
// interval in milliseconds), the rate in Hz and the menu text (English,
// translated in the context "VornReportRate").
struct ReportRate
{
    quint8 code;
    int hz;
    const char *text;
};
const std::vector<ReportRate> &reportRates();
// The rate of a code; nullptr for a code no menu entry has.
const ReportRate *reportRateByCode(quint8 code);

// Lift-off distances by code 0-2 (English menu text, translated in the
// context "VornLiftOffDistance"). A model with fewer distances offers the
// last ones.
const std::vector<const char *> &liftOffDistances();

// The menu text of each lighting mode 0-8 (English, translated in the
// context "VornColorWindow"); nullptr past the last mode.
const char *lightingEffectText(int mode);

// Slider range of a sensor's DPI scale. "NX-48" has a longer 3327 scale, so
// the product name takes part. An unknown sensor gives {0, 0}.
struct DpiSliderRange
{
    int min = 0;
    int max = 0;
};
DpiSliderRange dpiSliderRange(quint32 sensor, const QString &productName);

// The scale the DPI sliders use for a sensor: its own, or the 3325 scale
// for a sensor without one.
struct DpiScale
{
    quint32 sensor = 0;
    DpiSliderRange range;
};
DpiScale dpiScale(quint32 sensor, const QString &productName);

// The SNIPER editor's steps on a sensor's DPI scale, and the step a stored
// value outside the valid ones becomes. Sensors without a scale of their
// own have none: their slider keeps 1-10 and a stored step is taken as it is.
struct SniperScale
{
    int sliderMin = 1;
    int sliderMax = 10;
    int validMin = 1;
    int validMax = 10;
    int fallback = 0;
};
std::optional<SniperScale> sniperScale(quint32 sensor);
// A stored sniper step as the editor settles it for the sensor.
int correctedSniperStep(int step, quint32 sensor);

// Lighting class 0-4 of the model; unknown models give 0.
quint32 lightingClass(const QString &productName);
quint32 lightingClass();

// Lighting modes (0-8, the index of ProfileData::LED_MODE) the effect menu
// offers for a lighting class, in menu order.
QVector<int> lightingEffects(quint32 lightingClass, const QString &productName);

// "NX-13" keeps its lighting in one memory slot per lighting mode, all
// taken from profile 1, and its preview leaves the current profile as it is.
bool usesModeSlotLighting(const QString &productName);

// Models whose lights take only the preset colours.
bool takesPresetColoursOnly(const QString &productName);

// On-board profiles the mouse keeps: 3 for "NX-04", 5 for the others.
int onBoardProfileCount(const QString &productName);

// Whether the lighting settings of every profile live in profile 1's record
// (lighting class 4 and "NX-13") instead of the active profile's.
bool lightingInFirstProfile(const QString &productName);

// The models whose store starts on profile 2 instead of profile 1.
bool startsOnSecondProfile(const QString &productName);

// Most distinct macros a model holds over all five profiles: 7 for a group
// of older models, 20 for every other one.
int macroLimit(const QString &productName);

// One group of five models both takes the lift-off distance from the
// program (nothing is sent to the others) and has the DPI panel's compact
// layout.
bool sendsLiftOff(const QString &productName);
bool usesCompactDpiLayout(const QString &productName);

// DPI stages the mouse really has: "NX-04" lacks the fifth of the five
// stages every record keeps (it is always sent disabled).
int dpiStageCount(const QString &productName);

// Number of lift-off distances the lift-off menu offers (2 or 3).
int liftOffDistanceCount(const QString &productName);

// Whether the picture's scroll markers are drawn as a wheel rather than as
// arrows.
bool usesWheelScrollMarkers(const QString &productName);

// One upload step of a model's button map: the record slot that goes to a
// device button index, or (fixedCode != 0) a fixed function written at a
// device button without position remapping.
struct ButtonMapStep
{
    int slot = -1;
    int index = 0;
    int fixedCode = 0;
};

// The model's steps in upload order; empty for a model the table lacks.
QVector<ButtonMapStep> modelButtonMap(const QString &productName);
// Where a device button index lies in the profile block's button area.
int buttonPosition(const QString &productName, int index);
