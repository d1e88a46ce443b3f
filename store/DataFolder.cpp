#include "store/DataFolder.h"

#include "store/ConfigKeys.h"
#include "store/StoreLog.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QSet>
#include <QStandardPaths>

#include <algorithm>

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

NameLimits productNameLimits()
{
    return {100, 255};
}

NameProblem productNameProblem(const QString &name)
{
    return nameProblem(name, productNameLimits());
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
void fillGroup(IniFile &target, const IniFile &source, const QString &group)
{
    const QString prefix = group + QLatin1Char('/');
    for (const QString &key : source.keys(group)) {
        if (!target.contains(prefix + key))
            target.setValue(prefix + key, source.value(prefix + key));
    }
}

// The rows a catalogue really has: its count, bounded as the readers bound
// it.
int catalogueRows(const IniFile &settings)
{
    bool ok = false;
    const qlonglong count = settings.value(ConfigKeys::catalogueCount()).toLongLong(&ok);
    if (!ok || count < 0)
        return 0;
    return int(std::min<qlonglong>(count, kMouseListRows));
}

int appendMissingRows(IniFile &user, const IniFile &shipped)
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
        for (const char *field : ConfigKeys::kCatalogueFields) {
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

// The bounded row count of a catalogue read by the plain reader.
int plainCatalogueRows(const std::vector<QVariant> &values)
{
    bool ok = false;
    const qlonglong count = values[0].toLongLong(&ok);
    return ok && count >= 0 ? int(std::min<qlonglong>(count, kMouseListRows)) : 0;
}

// Whether the user's Config.ini already has all that seedDataFolder would
// add, told by the plain reader: most starts need nothing, and the
// whole-file reader would take a good part of korvalen-ctl's run to parse
// two catalogues.
bool nothingToAdd(const QString &target, const QString &source)
{
    std::vector<QVariant> user;
    std::vector<QVariant> shipped;
    const QString group = ConfigKeys::catalogueGroup();
    if (!readPlainIniSection(target, group, catalogueKeys(), user) || !user[0].isValid() ||
        !readPlainIniSection(source, group, catalogueKeys(), shipped))
        return false;
    const int userRows = plainCatalogueRows(user);
    if (userRows < kMouseListRows) {
        const auto name = [](const std::vector<QVariant> &values, int row) {
            return values[size_t(1 + row * ConfigKeys::kCatalogueFieldCount +
                                 ConfigKeys::kCatalogueFieldCount - 1)]
                .toString();
        };
        QSet<QString> known;
        for (int row = 0; row < userRows; ++row)
            known.insert(name(user, row));
        const int shippedRows = plainCatalogueRows(shipped);
        for (int row = 0; row < shippedRows; ++row) {
            const QString product = name(shipped, row);
            if (!product.isEmpty() && !known.contains(product))
                return false;
        }
    }
    // The font list holds lists, which the plain reader leaves alone.
    const IniFile settings(target);
    return settings.contains(ConfigKeys::fontFamily(0)) && settings.readable() &&
           !settings.malformed();
}

} // namespace

const PlainIniKeys &catalogueKeys()
{
    // "Count", or "<field>_<row>" with the row spelled as QString::number
    // spells it.
    static const PlainIniKeys keys(
        1 + kMouseListRows * ConfigKeys::kCatalogueFieldCount, [](QLatin1String key) {
            if (key == QLatin1String("Count"))
                return 0;
            const int underscore = key.lastIndexOf(QLatin1Char('_'));
            const QLatin1String digits = key.mid(underscore + 1);
            if (underscore < 0 || digits.isEmpty() || digits.size() > 3 ||
                (digits.size() > 1 && digits.front() == '0'))
                return -1;
            int row = 0;
            for (const char c : digits) {
                if (c < '0' || c > '9')
                    return -1;
                row = row * 10 + (c - '0');
            }
            const QLatin1String field = key.left(underscore);
            for (int f = 0; f < ConfigKeys::kCatalogueFieldCount; ++f) {
                if (row < kMouseListRows && field == QLatin1String(ConfigKeys::kCatalogueFields[f]))
                    return 1 + row * ConfigKeys::kCatalogueFieldCount + f;
            }
            return -1;
        });
    return keys;
}

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
        IniFile settings(target);
        const int language = languageIdForLocale(QLocale::system());
        if (settings.value(ConfigKeys::langId()).toString() != QString::number(language))
            settings.setValue(ConfigKeys::langId(), language);
        return settings.commit() && settings.readable() && !settings.malformed();
    }

    if (nothingToAdd(target, source))
        return true;
    const IniFile defaults(source);
    IniFile settings(target);
    if (!settings.contains(ConfigKeys::catalogueCount()))
        fillGroup(settings, defaults, ConfigKeys::catalogueGroup());
    if (!settings.contains(ConfigKeys::fontFamily(0)))
        fillGroup(settings, defaults, ConfigKeys::fontGroup());
    // A newer program knows more models than the catalogue an older one
    // seeded.
    appendMissingRows(settings, defaults);
    return settings.commit() && settings.readable() && !settings.malformed();
}
