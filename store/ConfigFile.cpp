#include "store/ConfigFile.h"

#include "store/DataFolder.h"

#include <QSettings>

namespace {
const QString kLangId = QStringLiteral("Config/LangID");
const QString kProductName = QStringLiteral("Config/CurrentProductName");
} // namespace

void writeLangId(int id)
{
    QSettings settings(globalConfigPath(), QSettings::IniFormat);
    settings.setValue(kLangId, id);
}

int readLangId()
{
    QSettings settings(globalConfigPath(), QSettings::IniFormat);
    return settings.value(kLangId).toInt();
}

void writeProductName(const QString &name)
{
    QSettings settings(globalConfigPath(), QSettings::IniFormat);
    // Every start settles the name; rewriting the whole file, catalogue and
    // all, to store the name it already holds would only cost a disk sync.
    if (settings.contains(kProductName) && settings.value(kProductName).toString() == name)
        return;
    settings.setValue(kProductName, name);
}

QString readProductName()
{
    QSettings settings(globalConfigPath(), QSettings::IniFormat);
    return settings.value(kProductName).toString();
}
