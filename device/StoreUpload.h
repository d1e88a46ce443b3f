#pragma once

#include "device/ReportFrame.h"
#include "store/ProfileData.h"

#include <QString>
#include <QVector>

#include <functional>

// What the caller is told after each step of an upload.
struct UploadStep
{
    QString name;
    bool ok = true;
    // The host's pointer speed, not a report to the mouse.
    bool hostSetting = false;
    // Why the step failed, for people.
    QString problem;
};
using UploadProgress = std::function<void(const UploadStep &step)>;

// The whole-store upload: copies the store into the device store, then
// mode, key-map mode, lighting, report rates, scroll speeds, DPI stage
// indexes, the host pointer speed, the five DPI tables, lift-off, current
// profile, button maps, refresh of all areas, macros. Every step runs
// whatever the previous one returned. Returns whether every step went
// through (a macro upload stopped by the model's macro limit did not).
bool ApplyStore(const ProfileStore &source, const UploadProgress &progress = {});

// The profile switch of the mode menu: makes profile p (0-4) active on
// the mouse, refreshes every area and applies the pointer speed of
// source's profile p. The device store follows the mouse's active
// profile, so that a later lighting preview does not switch back.
bool SwitchProfile(const ProfileStore &source, quint8 profile, const UploadProgress &progress = {});

// A memory write of the upload with what it is, for read-back checks.
struct PlannedWrite
{
    QString what;
    MemoryWrite write;
};

// Every memory write ApplyStore makes for this store on this model, in
// order (mode command and refreshes leave nothing in memory to check).
// Reads the macro files as the upload does.
QVector<PlannedWrite> plannedUploadWrites(const ProfileStore &source, const QString &productName);

struct UploadDifference
{
    QString what;
    quint16 address = 0;
    QByteArray expected;
    QByteArray actual;
};

// Reads back every range the upload writes and compares it with the
// planned writes (a later write to the same bytes wins, as on the mouse).
// False when a read failed; *differences lists every mismatching run of
// bytes.
bool verifyUpload(const ProfileStore &source, const QString &productName,
                  QVector<UploadDifference> *differences);
