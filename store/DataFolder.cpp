#include "store/DataFolder.h"

#include "store/ConfigKeys.h"
#include "store/StoreLog.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>

QString dataFolder()
{
    // The parent is taken by name: QDir::cdUp() refuses when the folder
    // does not exist yet, as on a fresh account without ~/.local/share.
    const QString appData = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return QDir::cleanPath(appData + QStringLiteral("/..")) +
           QStringLiteral("/KORVALEN Gaming Mouse");
}

QString productFolder(const QString &productName)
{
    return dataFolder() + QLatin1Char('/') + productName;
}

QString globalConfigPath()
{
    return dataFolder() + QStringLiteral("/Config.ini");
}

QString defaultConfigPath(const QString &applicationDir)
{
    return applicationDir + QStringLiteral("/Config.ini");
}

namespace {

// Copies every key of one group that the target lacks.
void fillGroup(QSettings &target, const QSettings &source, const QString &group)
{
    const QStringList keys = source.allKeys();
    const QString prefix = group + QLatin1Char('/');
    for (const QString &key : keys) {
        if (key.startsWith(prefix) && !target.contains(key))
            target.setValue(key, source.value(key));
    }
}

} // namespace

bool seedDataFolder(const QString &applicationDir)
{
    const QString folder = dataFolder();
    if (!QDir().mkpath(folder)) {
        qCWarning(lcStore) << "cannot create the data folder" << folder;
        return false;
    }
    const QString target = globalConfigPath();
    const QString source = defaultConfigPath(applicationDir);
    if (!QFile::exists(source)) {
        qCWarning(lcStore) << "no default Config.ini at" << source;
        return QFile::exists(target);
    }
    if (!QFile::exists(target)) {
        // Another instance (the command-line tool, say) may win the race.
        if (!QFile::copy(source, target) && !QFile::exists(target)) {
            qCWarning(lcStore) << "cannot create" << target;
            return false;
        }
        QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                          QFile::ReadOther);
        return true;
    }

    QSettings defaults(source, QSettings::IniFormat);
    QSettings settings(target, QSettings::IniFormat);
    if (!settings.contains(ConfigKeys::catalogueCount()))
        fillGroup(settings, defaults, ConfigKeys::catalogueGroup());
    if (!settings.contains(ConfigKeys::fontFamily(0)))
        fillGroup(settings, defaults, ConfigKeys::fontGroup());
    settings.sync();
    return settings.status() == QSettings::NoError;
}
