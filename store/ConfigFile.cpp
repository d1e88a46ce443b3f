#include "store/ConfigFile.h"

#include "store/DataFolder.h"
#include "store/StoreContext.h"

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
    StoreContext::pinProduct(name);
    if (!StoreContext::recordsProductChoice())
        return;
    QSettings settings(globalConfigPath(), QSettings::IniFormat);
    settings.setValue(kProductName, name);
}

QString readProductName()
{
    if (StoreContext::hasPinnedProduct())
        return StoreContext::pinnedProduct();
    QSettings settings(globalConfigPath(), QSettings::IniFormat);
    return settings.value(kProductName).toString();
}
