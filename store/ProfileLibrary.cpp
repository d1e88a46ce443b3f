#include "store/ProfileLibrary.h"

#include "store/ProfileDefaults.h"
#include "store/ProfileFile.h"
#include "store/StoreLog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

const QString kExtension = QStringLiteral(".prof");

// Most file systems take names of up to 255 bytes.
constexpr int kMaxFileNameBytes = 255;

bool fail(QString *error, const QString &path, const QString &reason)
{
    if (error)
        *error = QDir::toNativeSeparators(path) + QStringLiteral(": ") + reason;
    qCWarning(lcStore).noquote() << "profile file" << path << reason;
    return false;
}

} // namespace

NameLimits profileNameLimits()
{
    return {kMaxProfileNameLength, kMaxFileNameBytes - int(kExtension.size())};
}

NameProblem profileNameProblem(const QString &name)
{
    return nameProblem(name, profileNameLimits());
}

QString defaultProfileName(int mode)
{
    return QStringLiteral("Profile %1").arg(mode + 1);
}

bool isDefaultProfileName(const QString &name)
{
    for (int mode = 0; mode < kProfileCount; ++mode) {
        if (name == defaultProfileName(mode))
            return true;
    }
    return false;
}

bool profileFileExists(const QString &name)
{
    const QString path = profileFilePath(name);
    return !path.isEmpty() && QFileInfo::exists(path);
}

QString firstFreeProfileName(const QStringList &taken)
{
    for (int n = 1;; ++n) {
        const QString name = QStringLiteral("Profile %1").arg(n);
        if (!profileFileExists(name) && !taken.contains(name))
            return name;
    }
}

QString copyProfileName(const QString &name, const QStringList &taken)
{
    QString target = name + QStringLiteral(" copy");
    for (int k = 2; profileFileExists(target) || taken.contains(target); ++k)
        target = name + QStringLiteral(" copy %1").arg(k);
    return target;
}

QString replacementProfileName(const QStringList &list, int position, const QStringList &otherModes,
                               int mode)
{
    const int size = list.size();
    auto usable = [&](int i) {
        const QString &name = list.at(i);
        return i != position && !name.isEmpty() && isSafeProfileName(name) &&
               !otherModes.contains(name);
    };
    if (position < 0) {
        for (int i = 0; i < size; ++i) {
            if (usable(i))
                return list.at(i);
        }
    } else if (size > 0) {
        const int start = position == size - 1 ? position - 1 : position + 1;
        // Step back from the start, once round the list.
        for (int step = 0; step < size; ++step) {
            const int i = ((start - step) % size + size) % size;
            if (usable(i))
                return list.at(i);
        }
    }
    if (!otherModes.contains(defaultProfileName(mode)))
        return defaultProfileName(mode);
    for (int m = 0; m < kProfileCount; ++m) {
        if (!otherModes.contains(defaultProfileName(m)))
            return defaultProfileName(m);
    }
    return defaultProfileName(mode); // five other modes cannot happen
}

QString importedProfileName(const QString &path)
{
    const QFileInfo info(path);
    if (info.fileName().endsWith(kExtension, Qt::CaseInsensitive))
        return info.fileName().chopped(kExtension.size());
    return info.fileName();
}

bool createProfileFromDefault(const QString &name, QString *error)
{
    if (!QFileInfo::exists(defaultProfilePath()) && !writeDefaultProfileFile())
        return fail(error, defaultProfilePath(), QStringLiteral("cannot be written"));
    return copyProfileFile(defaultProfilePath(), profileFilePath(name), error);
}

bool copyProfileFile(const QString &from, const QString &to, QString *error)
{
    if (to.isEmpty())
        return fail(error, to, QStringLiteral("unsafe name"));
    if (QFileInfo::exists(to))
        return fail(error, to, QStringLiteral("already exists"));
    QDir().mkpath(QFileInfo(to).absolutePath());
    QFile source(from);
    // QFile::copy goes through a temporary file: a failed copy leaves no
    // partial target behind.
    if (!source.copy(to))
        return fail(error, to, source.errorString());
    return true;
}

bool renameProfileFile(const QString &from, const QString &to, QString *error)
{
    if (to.isEmpty())
        return fail(error, to, QStringLiteral("unsafe name"));
    if (from.isEmpty() || !QFileInfo::exists(from))
        return true;
    if (QFileInfo::exists(to))
        return fail(error, to, QStringLiteral("already exists"));
    QFile file(from);
    if (!file.rename(to))
        return fail(error, to, file.errorString());
    return true;
}

bool deleteProfileFile(const QString &name, QString *error)
{
    const QString path = profileFilePath(name);
    if (path.isEmpty())
        return fail(error, name, QStringLiteral("unsafe name"));
    QFile file(path);
    if (file.exists() && !file.remove())
        return fail(error, path, file.errorString());
    return true;
}

bool exportProfileFile(const QString &name, const QString &productName, const QString &target,
                       QString *error)
{
    const QString path = profileFilePath(name);
    if (path.isEmpty() || !QFileInfo::exists(path))
        return fail(error, path.isEmpty() ? name : path, QStringLiteral("no such profile file"));
    // Refused before the tag is written, so that a failed export leaves the
    // profile file untouched.
    const QFileInfo targetInfo(target);
    if (!QFileInfo(targetInfo.absolutePath()).isDir())
        return fail(error, target, QStringLiteral("the folder does not exist"));
    // The tag goes into the copy only: the profile's own file is not the
    // export's to change (and may sit in a folder that cannot be written).
    QByteArray bytes;
    if (!taggedProfileText(productName, path, &bytes))
        return fail(error, path, QStringLiteral("cannot be read"));
    // Written aside and renamed over the target at the end: the old target
    // survives any failure on the way.
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit())
        return fail(error, target, out.errorString());
    return true;
}

bool importProfileFile(const QString &source, const QString &name, QString *error)
{
    if (!QFileInfo(source).isFile())
        return fail(error, source, QStringLiteral("no such file"));
    return copyProfileFile(source, profileFilePath(name), error);
}
