#pragma once

#include "store/ProfileData.h"

#include <QString>
#include <QStringList>

// The product's own Config.ini: active profile, angle snapping, lift-off,
// the five profile names and the saved-profile list. Each operation opens
// the file afresh (the product name may have changed) and is done with it
// before returning. Readers never fail on a missing file or key: numbers read
// as 0 and strings as empty.

// The Config.ini in the folder of "Config/CurrentProductName".
QString productConfigPath();

// Writes the store's Config keys, then each record to the .prof file named
// by its profile name. A name that may not be a file name (see
// isSafeProfileName) skips only its own file and is listed in
// `refusedNames`; the result is then false.
bool saveStore(const ProfileStore &store, QStringList *refusedNames = nullptr);
// Writes only the store's Config keys (active profile, angle snapping,
// lift-off, Count and the five names).
bool saveStoreConfig(const ProfileStore &store);
// Writes only the active profile, Count and the five names.
bool saveStoreNames(const ProfileStore &store);
bool saveProfileId(int index);

// Reads the Config keys and, for each profile, its name and at once its
// file. A name that may not be a file name keeps its place with the record
// of a missing file (all zero) and is listed in `refusedNames`; the other
// profiles load as usual and the result is false. Config.ini or a profile
// file that is missing, empty, unreadable or holds none of its keys loads as
// zeros as always, and its path is listed in `unreadableFiles`: such a store
// must not go to the mouse as it is.
bool loadStore(ProfileStore &store, QStringList *refusedNames = nullptr,
               QStringList *unreadableFiles = nullptr);

// What the window does on meeting a product: when the product folder has no
// Config.ini yet, it is written from the model's defaults (with the five
// names as the saved-profile list) and each default profile file that does
// not exist yet is written, so a new user starts from the real defaults
// rather than zeros while files already there are kept; then the store is
// loaded as usual.
bool loadProductStore(ProfileStore &store, QStringList *refusedNames = nullptr,
                      QStringList *unreadableFiles = nullptr);

// The paths of the store's files that hold nothing to load (see loadStore),
// as they are on disk now: Config.ini, then the files of the five names.
QStringList unreadableStoreFiles(const ProfileStore &store);

// The saved-profile list of the profile management.
bool writeSavedNames(const QStringList &names);
void readSavedNames(QStringList &names);

// Whether `name` is in the second, read-only list ("PROFILE_LIST/S%d"),
// which the program never writes.
bool isInSecondList(const QString &name);
