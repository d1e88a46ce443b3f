#pragma once

#include "store/ProfileData.h"

#include <QString>
#include <QStringList>

// The product's own Config.ini: active profile, angle snapping, lift-off,
// the five profile names and the saved-profile list. Each operation opens
// the file afresh (the product name may have changed) and is done with it
// before returning. Readers never fail on a missing file or key: numbers read
// as 0 and strings as empty.

// "<data folder>/<CurrentProductName>" and its Config.ini.
QString productFolder();
QString productConfigPath();

// Writes the store's Config keys, then each record to the .prof file named
// by its profile name. Refuses (writing nothing) when a name is unsafe.
bool saveStore(const ProfileStore &store);
// Writes only the active profile, Count and the five names.
bool saveStoreNames(const ProfileStore &store);
bool saveProfileId(int index);

// Reads the Config keys and, for each profile, its name and at once its
// file. When a name is unsafe the store is left exactly as it was.
bool loadStore(ProfileStore &store);

// Starts reading the current product's store on a worker thread. The next
// loadStore takes it over when the product is the same and none of the
// files has changed since it was read; otherwise it reads them itself.
// Start-up calls it before building the window, so that the window need not
// wait for the files.
void prefetchStore();

// What the window does on meeting a product: when the product folder has no
// Config.ini yet, the model's defaults are saved (with the five names as the
// saved-profile list, and the default profile file beside them) and become
// the store, so a new user starts from the real defaults rather than zeros;
// otherwise, or when saving them failed, the store is loaded as usual.
bool loadProductStore(ProfileStore &store);

// The saved-profile list of the profile management.
bool writeSavedNames(const QStringList &names);
void readSavedNames(QStringList &names);

// Whether `name` is in the second, read-only list ("PROFILE_LIST/S%d"),
// which the program never writes.
bool isInSecondList(const QString &name);
