#include "store/ConfigFile.h"

#include "store/ConfigKeys.h"
#include "store/DataFolder.h"
#include "store/StoreContext.h"

#include <QSettings>

void writeLangId(int id)
{
    QSettings settings(globalConfigPath(), QSettings::IniFormat);
    settings.setValue(ConfigKeys::langId(), id);
}

int readLangId()
{
    QSettings settings(globalConfigPath(), QSettings::IniFormat);
    return settings.value(ConfigKeys::langId()).toInt();
}

void writeProductName(const QString &name)
{
    StoreContext::pinProduct(name);
    if (!StoreContext::recordsProductChoice())
        return;
    QSettings settings(globalConfigPath(), QSettings::IniFormat);
    // Every start settles the name; rewriting the whole file, catalogue and
    // all, to store the name it already holds would only cost a disk sync.
    if (settings.contains(ConfigKeys::currentProductName()) &&
        settings.value(ConfigKeys::currentProductName()).toString() == name)
        return;
    settings.setValue(ConfigKeys::currentProductName(), name);
}

QString readProductName()
{
    if (StoreContext::hasPinnedProduct())
        return StoreContext::pinnedProduct();
    QSettings settings(globalConfigPath(), QSettings::IniFormat);
    return settings.value(ConfigKeys::currentProductName()).toString();
}

MouseListSection readMouseListSection(int rows)
{
    QSettings settings(globalConfigPath(), QSettings::IniFormat);
    const auto number = [&](const char *field, int n) {
        return settings.value(ConfigKeys::catalogueField(field, n)).toUInt();
    };
    MouseListSection section;
    section.count = settings.value(ConfigKeys::catalogueCount()).toUInt();
    section.rows.resize(rows);
    for (int n = 0; n < rows; ++n) {
        MouseListRow &row = section.rows[n];
        row.vendorId = number("VID", n);
        row.productId = number("PID", n);
        row.usage0 = number("USAGE_0", n);
        row.usagePage0 = number("USAGEPAGE_0", n);
        row.usage1 = number("USAGE_1", n);
        row.usagePage1 = number("USAGEPAGE_1", n);
        row.versionMin = number("VER_MIN", n);
        row.versionMax = number("VER_MAX", n);
        row.productName = settings.value(ConfigKeys::catalogueField("PRODUCT_NAME", n)).toString();
    }
    return section;
}

FontEntry readFontEntry(int languageIndex)
{
    QSettings settings(globalConfigPath(), QSettings::IniFormat);
    FontEntry font;
    font.family = settings.value(ConfigKeys::fontFamily(languageIndex)).toString();
    font.pixelSize = settings.value(ConfigKeys::fontSize(languageIndex)).toUInt();
    return font;
}
