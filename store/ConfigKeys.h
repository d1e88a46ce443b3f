#pragma once

#include <QLatin1String>
#include <QString>

#include <iterator>

// Rows of the device catalogue ("Mouse_List") the program reads; a larger
// count is cut to this.
constexpr int kMouseListRows = 200;

// The keys of the global Config.ini, spelled in this one place.
namespace ConfigKeys {

inline QString langId()
{
    return QStringLiteral("Config/LangID");
}

inline QString currentProductName()
{
    return QStringLiteral("Config/CurrentProductName");
}

// The device catalogue: "Mouse_List/Count" and per row n the fields
// "VID_n", "PID_n", "USAGE_0_n", "USAGEPAGE_0_n", "USAGE_1_n",
// "USAGEPAGE_1_n", "VER_MIN_n", "VER_MAX_n" and "PRODUCT_NAME_n".
inline QString catalogueGroup()
{
    return QStringLiteral("Mouse_List");
}

inline QString catalogueCount()
{
    return QStringLiteral("Mouse_List/Count");
}

// The fields of one row, in this order.
inline constexpr const char *kCatalogueFields[] = {"VID",         "PID",     "USAGE_0",
                                                   "USAGEPAGE_0", "USAGE_1", "USAGEPAGE_1",
                                                   "VER_MIN",     "VER_MAX", "PRODUCT_NAME"};
inline constexpr int kCatalogueFieldCount = int(std::size(kCatalogueFields));

inline QString catalogueField(const char *field, int row)
{
    return QStringLiteral("Mouse_List/") + QLatin1String(field) + QLatin1Char('_') +
           QString::number(row);
}

// The fonts: family and pixel size per language index.
inline QString fontGroup()
{
    return QStringLiteral("FONT_LIST");
}

inline QString fontFamily(int languageIndex)
{
    return QStringLiteral("FONT_LIST/FONT_") + QString::number(languageIndex);
}

inline QString fontSize(int languageIndex)
{
    return QStringLiteral("FONT_LIST/FONT_SIZE_") + QString::number(languageIndex);
}

} // namespace ConfigKeys
