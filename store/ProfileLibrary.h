#pragma once

#include "store/FileNameRule.h"

#include <QString>
#include <QStringList>

// The named profile files of the current product and the rules the profile
// commands (add, delete, copy, rename, export, import) follow. Free of
// widgets, so that the command-line tool applies the same rules as the
// window. Every file operation either does all it says or leaves the disk
// as it was, and says why in `error` when it fails.

constexpr int kMaxProfileNameLength = 100;

// The rule for names the user brings in (typed, copied, imported): the
// rule of every file name (FileNameRule), at most 100 characters and a
// file name of at most 255 bytes. Stricter than isSafeProfileName(), which
// only keeps files inside the Profile folder and still reads files that
// older versions let the user name.
NameLimits profileNameLimits();
NameProblem profileNameProblem(const QString &name);

// "Profile 1" ... "Profile 5" (mode 0 ... 4): the names the modes start
// with; they can be neither renamed nor deleted.
QString defaultProfileName(int mode);
bool isDefaultProfileName(const QString &name);

bool profileFileExists(const QString &name);

// The name of a new profile: "Profile n" for the first n from 1 whose file
// does not exist and that is not in `taken` (the names of the other modes,
// whose files may be missing).
QString firstFreeProfileName(const QStringList &taken = {});

// The name of a copy of `name`: name + " copy", else name + " copy 2",
// " copy 3" ... the first whose file does not exist and not in `taken`.
QString copyProfileName(const QString &name, const QStringList &taken = {});

// The name that takes the place of the deleted entry at `position` of
// `list` (-1 when the deleted name is not in the list). The search starts
// at the next entry (the previous one when the deleted entry is last) and
// steps back over names that `otherModes` use; it skips the deleted entry
// and, past the first entry, goes on from the last. When every remaining
// entry belongs to another mode, the answer is the default name of `mode`,
// or of the first mode whose default name no other mode uses.
QString replacementProfileName(const QStringList &list, int position, const QStringList &otherModes,
                               int mode);

// The profile name an imported file brings: its file name without ".prof".
QString importedProfileName(const QString &path);

// New file `name` from DefaultProfile.prof (written first when missing).
bool createProfileFromDefault(const QString &name, QString *error);
// New file `to` with the bytes of file `from`.
bool copyProfileFile(const QString &from, const QString &to, QString *error);
// Moves file `from` to `to`; a missing `from` moves nothing and succeeds.
bool renameProfileFile(const QString &from, const QString &to, QString *error);
// A missing file is already deleted.
bool deleteProfileFile(const QString &name, QString *error);

// Writes the file of `name`, tagged with the product name, to `target`;
// the profile's own file is not changed. An existing target is replaced
// whole or, on failure, kept as it was; the caller asks the user first.
bool exportProfileFile(const QString &name, const QString &productName, const QString &target,
                       QString *error);
// Copies `source` into the Profile folder as the new file of `name`.
bool importProfileFile(const QString &source, const QString &name, QString *error);
