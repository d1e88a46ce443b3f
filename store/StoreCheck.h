#pragma once

#include "store/ProfileData.h"

#include <QString>
#include <QVector>

// Checks made before a store goes to the mouse: values its tables hold no
// code for, and files that hold nothing to upload. Both only look; the
// caller refuses the upload and says why.

// One value the mouse has no code for.
struct StoreProblem
{
    QString file;    // the file the value is kept in
    QString key;     // its key there
    QString value;   // as the file holds it, when it still does
    QString allowed; // the values that are
};

// Every value of `store` that the upload would send although the mouse's
// tables have no code for it: the active profile, the lift-off code, and
// per profile the report rate, the active DPI stage and lighting mode, and
// the brightness and speed of every lighting mode.
// Values the upload has a rule for (an
// odd loop mode, a DPI value past its table) are not listed.
QVector<StoreProblem> storeProblems(const ProfileStore &store);
