#include "common/FuzzHome.h"

#include "device/DeviceCatalogue.h"
#include "macro/MacroLibrary.h"
#include "store/ConfigFile.h"
#include "store/DataFolder.h"
#include "store/IniFile.h"

#include <algorithm>
#include <memory>

// The global Config.ini as anything may have left it: language, current
// product, catalogue, fonts, macro list, and the merge with the shipped
// catalogue that every start makes.
namespace {

QString appDir;

bool sameRow(const MouseListRow &a, const MouseListRow &b)
{
    return a.vendorId == b.vendorId && a.productId == b.productId && a.usage0 == b.usage0 &&
           a.usagePage0 == b.usagePage0 && a.usage1 == b.usage1 && a.usagePage1 == b.usagePage1 &&
           a.versionMin == b.versionMin && a.versionMax == b.versionMax &&
           a.productName == b.productName;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    fuzz::start(argc, argv);
    appDir = fuzz::home().path() + QStringLiteral("/app");
    QDir().mkpath(appDir);
    QFile::copy(QStringLiteral(KORVALEN_APP_DIR "/Config.ini"), defaultConfigPath(appDir));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzz::writeInput(globalConfigPath(), data, size);
    readLangId();
    readProductName();
    auto catalogue = std::make_unique<DeviceCatalogue>();
    readCatalogue(*catalogue);
    fuzz::require(catalogue->usedCount() <= DeviceCatalogue::kSlots);
    for (int language = 0; language < 3; ++language)
        readFontEntry(language);
    fuzz::require(macroLibrary().size() <= kMacroLibrarySlots);

    // The merge appends; it never changes or moves a row the user's
    // catalogue counts, nor grows a catalogue past its limit.
    const bool counted = IniFile(globalConfigPath()).contains(QStringLiteral("Mouse_List/Count"));
    const MouseListSection before = readMouseListSection(kMouseListRows);
    seedDataFolder(appDir);
    const MouseListSection after = readMouseListSection(kMouseListRows);
    fuzz::require(after.count == before.count || after.count <= kMouseListRows);
    const int userRows = counted ? int(std::min<quint32>(before.count, kMouseListRows)) : 0;
    for (int n = 0; n < userRows; ++n)
        fuzz::require(sameRow(before.rows[n], after.rows[n]));
    return 0;
}
