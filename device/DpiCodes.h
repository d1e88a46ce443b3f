#pragma once

#include "store/ProfileData.h"

#include <QtGlobal>

#include <array>
#include <optional>

// How the mouse wants a DPI stage value: per axis a code byte and a range
// byte, which the sensor's firmware combines into its resolution register.
// Stage values are the slider steps of the model's DPI scale.

struct AxisCode
{
    quint8 code = 0;
    quint8 range = 0;
};

bool operator==(const AxisCode &a, const AxisCode &b);

// The code of one axis for a stage value, or nothing for a sensor type
// without a rule (its stage data stay zero). The 3399 and 3395 rules put
// the switch to the upper range one step later on Y than on X, so the axis
// matters. Values past the end of a sensor's code table take the table's
// last code (the highest resolution the table knows) instead of reading
// past it.
std::optional<AxisCode> dpiAxisCode(quint32 sensor, bool yAxis, quint32 value);

// Data bytes 1-4 of a stage write: X code, X range, Y code, Y range in the
// usual order; the 3104 wants Y first, the 3335 takes X only.
std::array<quint8, 4> dpiStageBytes(quint32 sensor, quint32 x, quint32 y);

// The code pair of the sniper function (function code 55) for the stage
// value `value`: table code or plain value by sensor, 4 and 4 for a sensor
// without a rule. Table indexes past the end take the last code.
std::array<quint8, 2> sniperDpiCodes(quint32 sensor, quint8 value);

// The stage value that encodes to these bytes (the inverse of
// dpiStageBytes for one axis), searching the values 0-1023 from the
// bottom; nothing when no value gives them.
std::optional<quint32> dpiValueFromCode(quint32 sensor, bool yAxis, AxisCode code);
