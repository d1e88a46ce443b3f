#include "store/ConfigFile.h"

#include "store/ConfigKeys.h"
#include "store/DataFolder.h"
#include "store/FileNameRule.h"
#include "store/IniFile.h"
#include "store/StoreContext.h"
#include "store/StoreLog.h"

#include <functional>

namespace {

constexpr int kFieldCount = ConfigKeys::kCatalogueFieldCount;

void fillRow(MouseListRow &row, const std::function<QVariant(int field)> &value)
{
    quint32 *const numbers[] = {&row.vendorId, &row.productId,  &row.usage0,     &row.usagePage0,
                                &row.usage1,   &row.usagePage1, &row.versionMin, &row.versionMax};
    for (int f = 0; f < kFieldCount - 1; ++f)
        *numbers[f] = value(f).toUInt();
    row.productName = value(kFieldCount - 1).toString();
    // An empty name is an unused row, not a refused one.
    const NameProblem problem = productNameProblem(row.productName);
    if (!row.productName.isEmpty() && problem != NameProblem::None)
        row.refusal = nameProblemText(problem, productNameLimits());
}

bool usableProductName(const QString &name)
{
    return name.isEmpty() || productNameProblem(name) == NameProblem::None;
}

} // namespace

void writeLangId(int id)
{
    IniFile settings(globalConfigPath());
    settings.setValue(ConfigKeys::langId(), id);
    settings.commit();
}

int readLangId()
{
    return IniFile(globalConfigPath()).value(ConfigKeys::langId()).toInt();
}

void writeProductName(const QString &name)
{
    if (!usableProductName(name)) {
        qCWarning(lcStore) << "refusing product name" << name;
        return;
    }
    StoreContext::pinProduct(name);
    if (!StoreContext::recordsProductChoice())
        return;
    IniFile settings(globalConfigPath());
    // Every start settles the name; rewriting the whole file, catalogue and
    // all, to store the name it already holds would only cost a disk sync.
    if (settings.contains(ConfigKeys::currentProductName()) &&
        settings.value(ConfigKeys::currentProductName()).toString() == name)
        return;
    settings.setValue(ConfigKeys::currentProductName(), name);
    settings.commit();
}

QString readProductName()
{
    if (StoreContext::hasPinnedProduct())
        return StoreContext::pinnedProduct();
    const QString name =
        IniFile(globalConfigPath()).value(ConfigKeys::currentProductName()).toString();
    return usableProductName(name) ? name : QString();
}

MouseListSection readMouseListSection(int rows)
{
    MouseListSection section;
    section.rows.resize(rows);
    // Every start of korvalen-ctl reads the catalogue, most of them more
    // than once: the plain reader does it several times faster than the
    // whole-file reader, which remains for files it does not take on.
    std::vector<QVariant> values;
    if (rows <= kMouseListRows &&
        readPlainIniSection(globalConfigPath(), ConfigKeys::catalogueGroup(), catalogueKeys(),
                            values)) {
        section.count = values[0].toUInt();
        for (int n = 0; n < rows; ++n) {
            fillRow(section.rows[n],
                    [&](int field) { return values[size_t(1 + n * kFieldCount + field)]; });
        }
        return section;
    }
    const IniFile settings(globalConfigPath());
    section.count = settings.value(ConfigKeys::catalogueCount()).toUInt();
    for (int n = 0; n < rows; ++n) {
        fillRow(section.rows[n], [&](int field) {
            return settings.value(
                ConfigKeys::catalogueField(ConfigKeys::kCatalogueFields[field], n));
        });
    }
    return section;
}

FontEntry readFontEntry(int languageIndex)
{
    const IniFile settings(globalConfigPath());
    FontEntry font;
    // An unquoted list reads as a string list, a single name as a string.
    const QStringList families =
        settings.value(ConfigKeys::fontFamily(languageIndex)).toStringList();
    for (const QString &family : families) {
        const QString name = family.trimmed();
        if (name.isEmpty())
            continue;
        if (font.family.isEmpty())
            font.family = name;
        else
            font.fallbacks << name;
    }
    font.pixelSize = settings.value(ConfigKeys::fontSize(languageIndex)).toUInt();
    return font;
}
