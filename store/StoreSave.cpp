#include "store/StoreSave.h"

#include "store/DataFolder.h"
#include "store/DataFolderLock.h"
#include "store/ProductConfig.h"
#include "store/ProfileFile.h"
#include "store/StoreLog.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

#include <algorithm>
#include <array>

namespace {

template<typename T>
void takeChanged(const T &edited, const T &baseline, T &target)
{
    if (!(edited == baseline))
        target = edited;
}

bool sameConfig(const ProfileStore &a, const ProfileStore &b)
{
    for (int i = 0; i < kProfileCount; ++i) {
        if (a.profileNames[i] != b.profileNames[i])
            return false;
    }
    return a.curProfile == b.curProfile && a.AngleValue == b.AngleValue &&
           a.LiftHigh == b.LiftHigh && a.Count == b.Count;
}

// A file that stays as it is needs no room; one written anew needs about
// its size again while the new copy is made beside it.
qint64 sizeOf(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() ? info.size() : 0;
}

bool fail(StoreSaveFailure *failure, const QString &file, const QString &cause)
{
    qCWarning(lcStore).noquote() << "cannot save" << file << cause;
    if (failure)
        *failure = {QDir::toNativeSeparators(file), cause};
    return false;
}

} // namespace

namespace {

// Empty when nothing is known to stop the write.
QString writeProblem(const QString &path, qint64 bytesNeeded)
{
    // The nearest folder that exists is the one a new file or folder needs.
    QFileInfo folder(QFileInfo(path).absolutePath());
    while (!folder.exists() && !folder.isRoot())
        folder = QFileInfo(folder.absolutePath());
    const QStorageInfo storage(folder.absoluteFilePath());
    if (storage.isValid() && storage.isReadOnly())
        return QStringLiteral("the file system is read-only");
    if (!folder.isWritable())
        return QStringLiteral("the folder %1 is read-only")
            .arg(QDir::toNativeSeparators(folder.absoluteFilePath()));
    const QFileInfo file(path);
    if (file.exists() && !file.isWritable())
        return QStringLiteral("the file is read-only");
    // Room for the new copy, and a little for the file system's own needs.
    if (storage.isValid() && storage.bytesAvailable() < bytesNeeded + 4096)
        return QStringLiteral("the disk is full");
    return QString();
}

} // namespace

QString writeFailureCause(const QString &path, qint64 bytesNeeded)
{
    const QString problem = writeProblem(path, bytesNeeded);
    return problem.isEmpty() ? QStringLiteral("it could not be written") : problem;
}

void mergeStoreChanges(const ProfileStore &edited, const ProfileStore &baseline,
                       ProfileStore &fresh)
{
    takeChanged(edited.curProfile, baseline.curProfile, fresh.curProfile);
    takeChanged(edited.AngleValue, baseline.AngleValue, fresh.AngleValue);
    takeChanged(edited.LiftHigh, baseline.LiftHigh, fresh.LiftHigh);
    takeChanged(edited.Count, baseline.Count, fresh.Count);
    for (int i = 0; i < kProfileCount; ++i) {
        if (edited.profileNames[i] != baseline.profileNames[i]) {
            fresh.profileNames[i] = edited.profileNames[i];
            fresh.profiles[i] = edited.profiles[i];
            continue;
        }
        mergeProfileChanges(edited.profiles[i], baseline.profiles[i], fresh.profiles[i]);
    }
}

bool saveStoreChanges(ProfileStore &edited, ProfileStore &baseline, StoreSaveFailure *failure)
{
    const DataFolderLock lock;
    if (!lock.problem().isEmpty())
        return fail(failure, DataFolderLock::path(), lock.problem());
    ProfileStore onDisk;
    QStringList unreadable;
    loadStore(onDisk, nullptr, &unreadable);
    const QString configPath = productConfigPath();
    // The names first: each mode's record then comes from its file.
    ProfileStore merged = onDisk;
    std::array<QString, kProfileCount> paths;
    for (int i = 0; i < kProfileCount; ++i) {
        if (edited.profileNames[i] != baseline.profileNames[i] || unreadable.contains(configPath))
            merged.profileNames[i] = edited.profileNames[i];
        if (merged.profileNames[i] != onDisk.profileNames[i])
            loadProfileFile(merged.profiles[i], merged.profileNames[i]);
        paths[size_t(i)] = profileFilePath(merged.profileNames[i]);
    }
    const QStringList empty = unreadableStoreFiles(merged);
    const ProfileStore stored = merged;
    mergeStoreChanges(edited, baseline, merged);
    // A file that holds nothing has no keys to keep: merging onto its zeros
    // would keep every zero this writer did not touch, so its whole copy
    // goes there.
    for (int i = 0; i < kProfileCount; ++i) {
        if (!paths[size_t(i)].isEmpty() && empty.contains(paths[size_t(i)]) &&
            merged.profileNames[i] == edited.profileNames[i])
            merged.profiles[i] = edited.profiles[i];
    }
    if (unreadable.contains(configPath)) {
        merged.curProfile = edited.curProfile;
        merged.AngleValue = edited.AngleValue;
        merged.LiftHigh = edited.LiftHigh;
        merged.Count = edited.Count;
    }

    // What is to be written, and the room it takes; checked before the
    // first write so that a folder or disk that cannot take them all
    // leaves every file as it was.
    const bool writeConfig = !sameConfig(merged, onDisk) || unreadable.contains(configPath);
    std::array<bool, kProfileCount> writeProfile{};
    QStringList targets;
    qint64 needed = 0;
    if (writeConfig) {
        targets << configPath;
        needed += sizeOf(configPath) + 1024;
    }
    for (int i = 0; i < kProfileCount; ++i) {
        const QString &path = paths[size_t(i)];
        writeProfile[size_t(i)] = !path.isEmpty() && (!(stored.profiles[i] == merged.profiles[i]) ||
                                                      empty.contains(path));
        if (writeProfile[size_t(i)]) {
            targets << path;
            needed += std::max<qint64>(sizeOf(path), 256 * 1024);
        }
    }
    for (const QString &path : targets) {
        const QString problem = writeProblem(path, needed);
        if (!problem.isEmpty())
            return fail(failure, path, problem);
    }
    if (writeConfig && !saveStoreConfig(merged))
        return fail(failure, configPath, writeFailureCause(configPath));
    for (int i = 0; i < kProfileCount; ++i) {
        if (writeProfile[size_t(i)] && !saveProfileFile(merged.profiles[i], merged.profileNames[i]))
            return fail(failure, paths[size_t(i)], writeFailureCause(paths[size_t(i)]));
    }
    edited = merged;
    baseline = merged;
    return true;
}
