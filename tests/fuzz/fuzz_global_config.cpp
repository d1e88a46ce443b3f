#include "common/FuzzHome.h"

#include "device/DeviceCatalogue.h"
#include "macro/MacroLibrary.h"
#include "store/ConfigFile.h"
#include "store/DataFolder.h"

#include <memory>

// The global Config.ini as anything may have left it: language, current
// product, catalogue, fonts, macro list, and the merge with the shipped
// catalogue that every start makes.
namespace {

QString appDir;

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
    seedDataFolder(appDir);
    readCatalogue(*catalogue);
    return 0;
}
