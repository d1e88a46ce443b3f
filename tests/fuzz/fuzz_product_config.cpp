#include "common/FuzzHome.h"

#include "store/ConfigFile.h"
#include "store/ProductConfig.h"
#include "store/ProfileFile.h"
#include "store/StoreCheck.h"

#include <memory>

// A product's Config.ini as anything may have left it. No name it holds
// may lead a file operation out of the product's Profile folder.
namespace {

void requireInsideProfileFolder(const QString &name)
{
    const QString path = profileFilePath(name);
    fuzz::require(path.isEmpty() || QFileInfo(path).absolutePath() == profileFolder());
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    fuzz::start(argc, argv);
    writeProductName(QStringLiteral("NX-19"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzz::writeInput(productConfigPath(), data, size);
    auto store = std::make_unique<ProfileStore>();
    QStringList refused;
    QStringList unreadable;
    loadStore(*store, &refused, &unreadable);
    storeProblems(*store);
    unreadableStoreFiles(*store);
    QStringList saved;
    readSavedNames(saved);
    for (const QString &name : saved) {
        requireInsideProfileFolder(name);
        isInSecondList(name);
    }
    for (const QString &name : store->profileNames)
        requireInsideProfileFolder(name);
    return 0;
}
