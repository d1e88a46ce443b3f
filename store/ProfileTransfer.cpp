#include "store/ProfileTransfer.h"

#include "store/ProductConfig.h"
#include "store/ProfileFile.h"
#include "store/ProfileLibrary.h"

#include <QFileInfo>

ProfileImport importProfileForMode(ProfileStore &store, int mode, const QString &path,
                                   const QString &productName, QStringList &list, QString *error)
{
    const QString name = importedProfileName(path);
    if (readMouseName(path) != productName)
        return ProfileImport::OtherModel;
    if (profileNameProblem(name) != NameProblem::None)
        return ProfileImport::UnsafeName;
    if (profileFileExists(name))
        return ProfileImport::Exists;
    if (otherModesNames(store, mode).contains(name))
        return ProfileImport::UsedByOtherMode;
    if (!importProfileFile(path, name, error))
        return ProfileImport::CopyFailed;
    QStringList updated = list;
    if (!updated.contains(name))
        updated.append(name);
    if (!writeSavedNames(updated)) {
        deleteProfileFile(name, nullptr);
        return ProfileImport::ListNotSaved;
    }
    list = updated;
    readProfile(store.profiles[mode], profileFilePath(name));
    store.profileNames[mode] = name;
    return ProfileImport::Imported;
}

bool exportReplacesFile(const QString &name, const QString &target)
{
    const QFileInfo info(target);
    return info.exists() &&
           info.canonicalFilePath() != QFileInfo(profileFilePath(name)).canonicalFilePath();
}

QStringList otherModesNames(const ProfileStore &store, int mode)
{
    QStringList names;
    for (int j = 0; j < kProfileCount; ++j) {
        if (j != mode)
            names << store.profileNames[j];
    }
    return names;
}
