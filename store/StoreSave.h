#pragma once

#include "store/ProfileData.h"

#include <QString>

// Saving a store that other programs may have changed meanwhile: the
// window and korvalen-ctl write the same files. A writer keeps, beside the
// store it edits, the baseline: the store as the files held it when it
// last read or wrote them. What differs from the baseline is what this
// writer changed; only that goes onto the files, on top of what they hold
// at that moment, and every other key stays as the other writer left it.
// Where both changed the same key, this writer's value wins: it was made
// (and confirmed, in the window) last.

// Why a save stopped: the file, and the cause a person can act on.
struct StoreSaveFailure
{
    QString file;
    QString cause;
};

// Puts the changes of `edited` against `baseline` onto `fresh`, key by
// key: the Config keys, the five names and each profile's keys. A mode
// whose name this writer changed takes its whole record (it came from
// another file); a mode whose name only the other writer changed gets this
// writer's changes on the record of its new file, which `fresh` holds.
void mergeStoreChanges(const ProfileStore &edited, const ProfileStore &baseline,
                       ProfileStore &fresh);

// Under the data folder's lock: reads the product's Config.ini and profile
// files afresh, merges (mergeStoreChanges), and writes the files whose
// content changes, each atomically. A folder that cannot be written or a
// disk without room for the files stops it before the first file is
// written. Afterwards `edited` and `baseline` both hold what the files
// hold, other writers' changes included. False with `failure` set when a
// file could not be written; `edited` and `baseline` are then unchanged.
bool saveStoreChanges(ProfileStore &edited, ProfileStore &baseline,
                      StoreSaveFailure *failure = nullptr);

// Why the file at `path` (or a new file there) cannot be written, in
// words: a read-only folder or file system, a full disk, or "it could
// not be written" when nothing more is known.
QString writeFailureCause(const QString &path, qint64 bytesNeeded = 0);
