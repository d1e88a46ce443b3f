#pragma once

#include "store/ProfileData.h"

#include <QString>

// Profile files: one INI file per profile, every key under [PROFILE].
// Readers never fail: a missing file or key reads as 0, an empty string or
// an invalid colour. Bytes keep the low byte of the number, 32-bit fields
// are clamped to their range, and a colour Qt cannot hold reads as black. Writers return false when
// the file could not be written; the file on disk then keeps its old content.

// Whether `name` may be used as a profile file name: it must not lead out of
// the Profile folder ("/", "\", "." or "..") nor hold control characters.
// Every operation that takes a profile name checks it here and refuses an
// unsafe name without touching the disk or the record.
bool isSafeProfileName(const QString &name);

// "<product folder>/Profile".
QString profileFolder();

// "<product folder>/Profile/<name>.prof"; an empty string for an unsafe name.
QString profileFilePath(const QString &name);
// The same in a given Profile folder, for threads that must not look up the
// product name themselves.
QString profileFilePath(const QString &folder, const QString &name);

// "<product folder>/Profile/DefaultProfile.prof".
QString defaultProfilePath();

bool writeProfile(const ProfileData &rec, const QString &path);

// Sets each field (file key) of `target` to that of `edited` where `edited`
// differs from `baseline`: one writer's changes on top of what the file
// holds now, the other keys as they are there.
void mergeProfileChanges(const ProfileData &edited, const ProfileData &baseline,
                         ProfileData &target);
void readProfile(ProfileData &rec, const QString &path);

bool saveProfileFile(const ProfileData &rec, const QString &name);
// False (and `rec` untouched) only for an unsafe name.
bool loadProfileFile(ProfileData &rec, const QString &name);

// Partial writers: they update the named keys and leave the rest of the
// file as it was.
bool writeLedModeToFile(const QString &name, quint8 mode, const LedColour &rgb, quint32 h,
                        quint32 s, quint32 v, quint32 bright, quint32 breath);
bool writeDpiStageToFile(const QString &name, int stage);

// The model tag of exported files ("MouseName/Name").
bool writeMouseName(const QString &productName, const QString &path);
// The text of the file at `path` with the tag set, as writeMouseName would
// leave the file, without writing it; false when it cannot be read.
bool taggedProfileText(const QString &productName, const QString &path, QByteArray *text);
QString readMouseName(const QString &path);
