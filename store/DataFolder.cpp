#include "store/DataFolder.h"

#include "store/ConfigKeys.h"
#include "store/StoreLog.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QSet>
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

// The fields of one catalogue row, as ConfigKeys::catalogueField spells
// them.
const char *const kRowFields[] = {"VID",         "PID",     "USAGE_0", "USAGEPAGE_0", "USAGE_1",
                                  "USAGEPAGE_1", "VER_MIN", "VER_MAX", "PRODUCT_NAME"};

// The rows a catalogue really has: its count, bounded as the readers bound
// it.
int catalogueRows(const QSettings &settings)
{
    bool ok = false;
    const qlonglong count = settings.value(ConfigKeys::catalogueCount()).toLongLong(&ok);
    if (!ok || count < 0)
        return 0;
    return int(qMin<qlonglong>(count, kMouseListRows));
}

int appendMissingRows(QSettings &user, const QSettings &shipped)
{
    int userRows = catalogueRows(user);
    QSet<QString> known;
    for (int row = 0; row < userRows; ++row)
        known.insert(user.value(ConfigKeys::catalogueField("PRODUCT_NAME", row)).toString());

    const int shippedRows = catalogueRows(shipped);
    int appended = 0;
    for (int row = 0; row < shippedRows && userRows < kMouseListRows; ++row) {
        const QString name =
            shipped.value(ConfigKeys::catalogueField("PRODUCT_NAME", row)).toString();
        if (name.isEmpty() || known.contains(name))
            continue;
        for (const char *field : kRowFields) {
            const QString from = ConfigKeys::catalogueField(field, row);
            if (shipped.contains(from))
                user.setValue(ConfigKeys::catalogueField(field, userRows), shipped.value(from));
        }
        known.insert(name);
        ++userRows;
        ++appended;
    }
    if (appended != 0) {
        user.setValue(ConfigKeys::catalogueCount(), userRows);
        qCInfo(lcStore) << "added" << appended << "models to the catalogue";
    }
    return appended;
}

} // namespace

int languageIdForLocale(const QLocale &locale)
{
    if (locale.language() != QLocale::Chinese)
        return 0;
    const QLocale::Country country = locale.country();
    if (locale.script() == QLocale::TraditionalChineseScript || country == QLocale::Taiwan ||
        country == QLocale::HongKong || country == QLocale::Macau)
        return 2;
    return 1;
}

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
        // A first start speaks the desktop's language (written only where
        // it is not the default's: each write waits for the disk).
        QSettings settings(target, QSettings::IniFormat);
        const int language = languageIdForLocale(QLocale::system());
        if (settings.value(ConfigKeys::langId()).toString() != QString::number(language)) {
            settings.setValue(ConfigKeys::langId(), language);
            settings.sync();
        }
        return settings.status() == QSettings::NoError;
    }

    QSettings defaults(source, QSettings::IniFormat);
    QSettings settings(target, QSettings::IniFormat);
    if (!settings.contains(ConfigKeys::catalogueCount()))
        fillGroup(settings, defaults, ConfigKeys::catalogueGroup());
    if (!settings.contains(ConfigKeys::fontFamily(0)))
        fillGroup(settings, defaults, ConfigKeys::fontGroup());
    // A newer program knows more models than the catalogue an older one
    // seeded.
    appendMissingRows(settings, defaults);
    settings.sync();
    return settings.status() == QSettings::NoError;
}
