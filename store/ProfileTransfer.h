#pragma once

#include "store/ProfileData.h"

#include <QString>
#include <QStringList>

// Export and import of profile files as the window's SAVE and LOAD and
// korvalen-ctl's export and import do them, over the rules of
// ProfileLibrary and the saved-profile list of ProductConfig.

enum class ProfileImport {
    Imported,
    OtherModel,      // the file's model tag is not the connected model
    UnsafeName,      // its base name may not name a profile (profileNameProblem says why)
    Exists,          // the Profile folder has a file of that name: importing never overwrites
    UsedByOtherMode, // another mode is on that name
    CopyFailed,      // the file could not be copied (see `error`)
    ListNotSaved,    // the saved-profile list could not be written
};

// Imports the file at `path` under its own base name for mode `mode`:
// checks the model tag and the name, copies the file into the Profile
// folder, appends the name to `list` and writes the list, reads the file
// into the mode's record and puts the mode on the name. On any other result
// than Imported the disk, `list` and `store` are as they were.
ProfileImport importProfileForMode(ProfileStore &store, int mode, const QString &path,
                                   const QString &productName, QStringList &list,
                                   QString *error = nullptr);

// Whether exporting profile `name` to `target` replaces another file (one
// that exists and is not the profile's own file): the user is asked first.
bool exportReplacesFile(const QString &name, const QString &target);

// The names of the modes other than `mode`.
QStringList otherModesNames(const ProfileStore &store, int mode);
