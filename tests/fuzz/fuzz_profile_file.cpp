#include "common/FuzzHome.h"

#include "device/StoreUpload.h"
#include "store/IniDocument.h"
#include "store/IniFile.h"
#include "store/LedColour.h"
#include "store/ProfileFile.h"

#include <memory>

// A .prof file as anything may have left it. The record it reads must
// come back whole from the file it is saved to, and turn into memory
// writes inside the mouse's 8 KiB for every layout; and the two ways of
// reading such a file must agree.
namespace {

QString path;
QString copyPath;

// Keys of the seeds: a few of each kind the reader knows.
const QStringList kKeys = {
    QStringLiteral("pollrate"),
    QStringLiteral("dpi"),
    QStringLiteral("DPI_INFO_0_x"),
    QStringLiteral("BUTTON_INFO_0_Fun"),
    QStringLiteral("BUTTON_INFO_0_KeyNumber"),
    QStringLiteral("BUTTON_INFO_0_Res4"),
    QStringLiteral("BUTTON_INFO_0_macroname"),
    QStringLiteral("BUTTON_INFO_0_KeyInfo_0_"),
    QStringLiteral("ProfileName"),
    QStringLiteral("LedMode"),
    QStringLiteral("LedMode/LED_MODE_0_RGB"),
    QStringLiteral("LedMode/LED_MODE_0_bright"),
};

bool sameValue(const QVariant &a, const QVariant &b)
{
    if (a.userType() != b.userType())
        return false;
    if (a.userType() == qMetaTypeId<LedColour>())
        return a.value<LedColour>() == b.value<LedColour>();
    return a == b;
}

// The fast reader, where it takes a file, reads what the whole-file reader
// reads.
void compareReaders()
{
    IniDocument document;
    document.load(path);
    static const PlainIniKeys keys(kKeys);
    std::vector<QVariant> plain;
    if (readPlainIniSection(path, QStringLiteral("PROFILE"), keys, plain)) {
        for (int i = 0; i < kKeys.size(); ++i) {
            fuzz::require(
                sameValue(plain[size_t(i)], document.value(QStringLiteral("PROFILE/") + kKeys[i])));
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    fuzz::start(argc, argv);
    path = fuzz::home().dataFolder() + QStringLiteral("/NX-19/Profile/fuzz.prof");
    copyPath = fuzz::home().dataFolder() + QStringLiteral("/NX-19/Profile/copy.prof");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzz::writeInput(path, data, size);
    compareReaders();
    auto store = std::make_unique<ProfileStore>();
    readProfile(store->profiles[0], path);
    readMouseName(path);
    // What was read comes back from the file the window would save it to.
    QFile::remove(copyPath);
    fuzz::require(writeProfile(store->profiles[0], copyPath));
    auto again = std::make_unique<ProfileData>();
    readProfile(*again, copyPath);
    fuzz::require(*again == store->profiles[0]);
    for (int p = 1; p < kProfileCount; ++p)
        store->profiles[p] = store->profiles[0];
    // The standard and the alternative layout, and a model no table lists.
    for (const char *model : {"NX-19", "NX-13", "NX-99"}) {
        for (const PlannedWrite &w : plannedUploadWrites(*store, QLatin1String(model)))
            fuzz::require(w.write.address + w.write.data.size() <= 0x2000);
    }
    return 0;
}
