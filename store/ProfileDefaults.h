#pragma once

#include "store/ProfileData.h"

#include <QString>

#include <array>

// One colour per profile (red, blue, green, magenta, yellow); the models
// with per-profile lighting start each profile in its own colour.
const std::array<LedColour, kProfileCount> &profileColours();

// The seven colours the colour editor offers: red, green, blue, cyan,
// yellow, magenta, white.
const std::array<LedColour, 7> &baseColours();

// Fills `rec` with the connected model's defaults for profile
// `profileIndex` (0-4). A model the table does not know gets the common
// values with disabled stages and no button functions.
void makeDefaultProfile(ProfileData &rec, quint8 profileIndex, const QString &productName);
void makeDefaultProfile(ProfileData &rec, quint8 profileIndex);

// Resets the whole store to the model's defaults: active profile, angle
// snapping, lift-off, the five records and the five default names. `Count`
// keeps its value.
void initProfileStore(ProfileStore &store, const QString &productName);
void initProfileStore(ProfileStore &store);

// Writes the defaults of profile 1 to the product's DefaultProfile.prof,
// unless the file is there and already reads as exactly these defaults.
bool writeDefaultProfileFile();
