#include "store/ProductConfig.h"

#include "store/ConfigFile.h"
#include "store/DataFolder.h"
#include "store/DataFolderLock.h"
#include "store/IniFile.h"
#include "store/ProfileDefaults.h"
#include "store/ProfileFile.h"
#include "store/ProfileLibrary.h"

#include <QFile>

#include <algorithm>
#include <array>
#include <future>
#include <iterator>
#include <memory>

namespace {

const QString kProfileId = QStringLiteral("Config/ProfileID");
const QString kAngleValue = QStringLiteral("Config/AngleValue");
const QString kLiftHigh = QStringLiteral("Config/LiftHigh");
const QString kCount = QStringLiteral("Config/Count");
const QString kSavedCount = QStringLiteral("PROFILE_LIST/Count");
const QString kSecondCount = QStringLiteral("PROFILE_LIST/SCount");

// Profile names are numbered from 1 in the file, while ProfileID is 0-based.
QString profileNameKey(int number)
{
    return QStringLiteral("Config/Profile") + QString::number(number);
}

QString savedNameKey(int number)
{
    return QStringLiteral("PROFILE_LIST/") + QString::number(number);
}

QString secondListKey(int number)
{
    return QStringLiteral("PROFILE_LIST/S") + QString::number(number);
}

// A list count as the file says, but never more than the numbered keys of
// that list the file holds: a count of two billion would otherwise be
// walked (and the list grown) entry by entry.
int readListCount(const IniFile &settings, const QString &countKey, const QString &prefix)
{
    const qint64 count = settings.value(countKey).toLongLong();
    const QStringList keys = settings.childKeys(QStringLiteral("PROFILE_LIST"));
    const auto numbered = std::count_if(keys.begin(), keys.end(), [&prefix](const QString &key) {
        bool number = false;
        if (key.startsWith(prefix))
            key.mid(prefix.size()).toInt(&number);
        return number;
    });
    return int(std::clamp<qint64>(count, 0, numbered));
}

quint8 readByte(const IniFile &settings, const QString &key)
{
    return quint8(settings.value(key).toInt() & 0xFF);
}

void writeNames(IniFile &settings, const ProfileStore &store)
{
    for (int i = 0; i < kProfileCount; ++i)
        settings.setValue(profileNameKey(i + 1), store.profileNames[i]);
}

void writeSavedNames(IniFile &settings, const QStringList &names)
{
    settings.setValue(kSavedCount, names.size());
    for (int i = 0; i < names.size(); ++i)
        settings.setValue(savedNameKey(i + 1), names.at(i));
}

// The store's keys of the product's Config.ini; with `savedNames`, the
// list of saved profile files too, in the same write.
bool writeStoreConfig(const ProfileStore &store, const QStringList *savedNames = nullptr)
{
    IniFile settings(productConfigPath());
    settings.setValue(kProfileId, int(store.curProfile));
    settings.setValue(kAngleValue, int(store.AngleValue));
    settings.setValue(kLiftHigh, int(store.LiftHigh));
    settings.setValue(kCount, int(store.Count));
    writeNames(settings, store);
    if (savedNames)
        writeSavedNames(settings, *savedNames);
    return settings.commit();
}

} // namespace

QString productConfigPath()
{
    return productFolder(readProductName()) + QStringLiteral("/Config.ini");
}

bool saveStore(const ProfileStore &store, QStringList *refusedNames)
{
    bool ok = writeStoreConfig(store);
    // The profile files follow only once Config.ini is written and closed.
    // An unsafe name costs only its own file.
    for (int i = 0; i < kProfileCount; ++i) {
        const QString &name = store.profileNames[i];
        if (!isSafeProfileName(name)) {
            if (refusedNames)
                refusedNames->append(name);
            ok = false;
            continue;
        }
        ok = saveProfileFile(store.profiles[i], name) && ok;
    }
    return ok;
}

bool saveStoreConfig(const ProfileStore &store)
{
    return writeStoreConfig(store);
}

bool saveStoreNames(const ProfileStore &store)
{
    IniFile settings(productConfigPath());
    settings.setValue(kProfileId, int(store.curProfile));
    settings.setValue(kCount, int(store.Count));
    writeNames(settings, store);
    return settings.commit();
}

bool saveProfileId(int index)
{
    const DataFolderLock lock;
    IniFile settings(productConfigPath());
    settings.setValue(kProfileId, index);
    return settings.commit();
}

QStringList unreadableStoreFiles(const ProfileStore &store)
{
    QStringList files;
    if (!iniFileHoldsGroup(productConfigPath(), QStringLiteral("Config")))
        files.append(productConfigPath());
    for (const QString &name : store.profileNames) {
        const QString path = profileFilePath(name);
        if (!path.isEmpty() && !files.contains(path) &&
            !iniFileHoldsGroup(path, QStringLiteral("PROFILE")))
            files.append(path);
    }
    return files;
}

bool loadStore(ProfileStore &store, QStringList *refusedNames, QStringList *unreadableFiles)
{
    bool ok = true;
    IniFile settings(productConfigPath());
    store.curProfile = readByte(settings, kProfileId);
    store.AngleValue = readByte(settings, kAngleValue);
    store.LiftHigh = readByte(settings, kLiftHigh);
    store.Count = readByte(settings, kCount);
    std::array<QString, kProfileCount> paths;
    for (int i = 0; i < kProfileCount; ++i) {
        store.profileNames[i] = settings.value(profileNameKey(i + 1)).toString();
        paths[size_t(i)] = profileFilePath(store.profileNames[i]);
        // A name that may not be a file name keeps its place in the store
        // (the user can rename it) with the record of a missing file.
        if (paths[size_t(i)].isEmpty()) {
            store.profiles[i] = ProfileData();
            if (refusedNames)
                refusedNames->append(store.profileNames[i]);
            ok = false;
        }
    }
    // The five files are large and independent: a worker reads the last
    // ones while this thread reads the first, which takes a sixth of the
    // window's start off its critical path.
    const auto readRange = [&store, &paths](int first, int end) {
        for (int i = first; i < end; ++i) {
            if (!paths[size_t(i)].isEmpty())
                readProfile(store.profiles[i], paths[size_t(i)]);
        }
    };
    constexpr int kSplit = (kProfileCount + 1) / 2;
    auto rest = std::async(std::launch::async, readRange, kSplit, kProfileCount);
    readRange(0, kSplit);
    rest.wait();
    if (unreadableFiles)
        *unreadableFiles = unreadableStoreFiles(store);
    return ok;
}

bool loadProductStore(ProfileStore &store, QStringList *refusedNames, QStringList *unreadableFiles)
{
    // Without a product name the product file would be the global one.
    // The window and korvalen-ctl may meet a new model at once: one seeds.
    std::unique_ptr<DataFolderLock> lock;
    if (!readProductName().isEmpty() && !QFile::exists(productConfigPath()))
        lock = std::make_unique<DataFolderLock>();
    if (lock && !QFile::exists(productConfigPath())) {
        ProfileStore defaults;
        initProfileStore(defaults);
        const QStringList names(std::begin(defaults.profileNames), std::end(defaults.profileNames));
        // Profile files the user already has (Config.ini alone was lost, or
        // they were written by hand) are theirs: only missing ones are seeded.
        // Config.ini, whose presence marks the product as met, comes last, so
        // that a first start cut short meets the product again.
        // Two threads write the files: each waits mostly for the disk.
        std::array<QString, kProfileCount> paths;
        std::array<bool, kProfileCount> seeded{};
        for (int i = 0; i < kProfileCount; ++i)
            paths[size_t(i)] =
                profileFileExists(names.at(i)) ? QString() : profileFilePath(names.at(i));
        const auto seedRange = [&](int first, int end) {
            for (int i = first; i < end; ++i) {
                const QString &path = paths[size_t(i)];
                seeded[size_t(i)] = !path.isEmpty() && writeProfile(defaults.profiles[i], path);
            }
        };
        constexpr int kSplit = (kProfileCount + 1) / 2;
        auto rest = std::async(std::launch::async, seedRange, kSplit, kProfileCount);
        seedRange(0, kSplit);
        rest.wait();
        bool seededAll = std::all_of(seeded.begin(), seeded.end(), [](bool b) { return b; });
        seededAll = writeStoreConfig(defaults, &names) && seededAll;
        // Reading back what was just written would give the same store.
        if (seededAll) {
            store = defaults;
            return true;
        }
    }
    return loadStore(store, refusedNames, unreadableFiles);
}

bool writeSavedNames(const QStringList &names)
{
    if (!std::all_of(names.begin(), names.end(), isSafeProfileName))
        return false;
    const DataFolderLock lock;
    IniFile settings(productConfigPath());
    writeSavedNames(settings, names);
    return settings.commit();
}

void readSavedNames(QStringList &names)
{
    names.clear();
    IniFile settings(productConfigPath());
    const int count = readListCount(settings, kSavedCount, QString());
    for (int i = 1; i <= count; ++i)
        names.append(settings.value(savedNameKey(i)).toString());
}

bool isInSecondList(const QString &name)
{
    if (!isSafeProfileName(name))
        return false;
    IniFile settings(productConfigPath());
    const int count = readListCount(settings, kSecondCount, QStringLiteral("S"));
    for (int i = 1; i <= count; ++i) {
        if (settings.value(secondListKey(i)).toString() == name)
            return true;
    }
    return false;
}
