#include "store/ProductConfig.h"

#include "store/ConfigFile.h"
#include "store/DataFolder.h"
#include "store/IniFile.h"
#include "store/ProfileDefaults.h"
#include "store/ProfileFile.h"
#include "store/StoreContext.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <future>
#include <iterator>
#include <thread>
#include <utility>
#include <vector>

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

quint8 readByte(QSettings &settings, const QString &key)
{
    return quint8(settings.value(key).toInt() & 0xFF);
}

bool allNamesSafe(const ProfileStore &store)
{
    return std::all_of(std::begin(store.profileNames), std::end(store.profileNames),
                       isSafeProfileName);
}

void writeNames(QSettings &settings, const ProfileStore &store)
{
    for (int i = 0; i < kProfileCount; ++i)
        settings.setValue(profileNameKey(i + 1), store.profileNames[i]);
}

void writeStoreKeys(QSettings &settings, const ProfileStore &store)
{
    settings.setValue(kProfileId, int(store.curProfile));
    settings.setValue(kAngleValue, int(store.AngleValue));
    settings.setValue(kLiftHigh, int(store.LiftHigh));
    settings.setValue(kCount, int(store.Count));
    writeNames(settings, store);
}

void writeNameList(QSettings &settings, const QStringList &names)
{
    settings.setValue(kSavedCount, names.size());
    for (int i = 0; i < names.size(); ++i)
        settings.setValue(savedNameKey(i + 1), names.at(i));
}

// A product met for the first time: its five profile files and the default
// profile file are written side by side, so that their syncs to disk
// overlap, and Config.ini, whose presence marks the product as met, only
// once they are all on disk. A start cut short before that meets the
// product again.
bool writeFirstContact(const ProfileStore &defaults)
{
    if (!allNamesSafe(defaults))
        return false;
    std::vector<std::pair<ProfileData, QString>> files;
    for (int i = 0; i < kProfileCount; ++i)
        files.emplace_back(defaults.profiles[i], profileFilePath(defaults.profileNames[i]));
    ProfileData defaultProfile;
    makeDefaultProfile(defaultProfile, 0);
    files.emplace_back(defaultProfile, defaultProfilePath());
    QDir().mkpath(profileFolder());
    std::vector<char> written(files.size(), 0);
    std::vector<std::thread> writers;
    for (size_t i = 0; i < files.size(); ++i)
        writers.emplace_back(
            [&files, &written, i] { written[i] = writeProfile(files[i].first, files[i].second); });
    for (std::thread &writer : writers)
        writer.join();
    if (std::find(written.begin(), written.end(), 0) != written.end())
        return false;

    IniFile ini(productConfigPath());
    writeStoreKeys(ini.settings(), defaults);
    writeNameList(ini.settings(),
                  QStringList(std::begin(defaults.profileNames), std::end(defaults.profileNames)));
    return ini.commit();
}

// Size and modification time of each file, -1 for a missing one.
std::vector<qint64> stampsOf(const QStringList &files)
{
    std::vector<qint64> stamps;
    for (const QString &file : files) {
        const QFileInfo info(file);
        stamps.push_back(info.exists() ? info.size() : -1);
        stamps.push_back(info.exists() ? info.lastModified().toMSecsSinceEpoch() : -1);
    }
    return stamps;
}

// What loadStore reads, from a product folder given rather than looked up.
StoreContext::PrefetchedStore readAhead(const QString &folder, const QString &configPath)
{
    StoreContext::PrefetchedStore ahead;
    ahead.configPath = configPath;
    ahead.files << configPath;
    std::vector<qint64> stamps = stampsOf(ahead.files);
    IniFile ini(configPath);
    QSettings &settings = ini.settings();
    ProfileStore &loaded = ahead.store;
    loaded.curProfile = readByte(settings, kProfileId);
    loaded.AngleValue = readByte(settings, kAngleValue);
    loaded.LiftHigh = readByte(settings, kLiftHigh);
    loaded.Count = readByte(settings, kCount);
    for (int i = 0; i < kProfileCount; ++i) {
        loaded.profileNames[i] = settings.value(profileNameKey(i + 1)).toString();
        const QString path =
            profileFilePath(folder + QStringLiteral("/Profile"), loaded.profileNames[i]);
        if (path.isEmpty())
            return ahead;
        // Stamped before reading, so that a change while reading shows.
        const std::vector<qint64> stamp = stampsOf({path});
        stamps.insert(stamps.end(), stamp.begin(), stamp.end());
        ahead.files << path;
        readProfile(loaded.profiles[i], path);
    }
    ahead.stamps = std::move(stamps);
    ahead.ok = true;
    return ahead;
}

// The store read ahead, when it is still what the files hold.
bool takePrefetched(ProfileStore &store)
{
    std::future<StoreContext::PrefetchedStore> &pending = StoreContext::prefetched();
    if (!pending.valid())
        return false;
    const StoreContext::PrefetchedStore ahead = pending.get();
    if (!ahead.ok || ahead.configPath != productConfigPath() ||
        stampsOf(ahead.files) != ahead.stamps)
        return false;
    store = ahead.store;
    return true;
}

} // namespace

void prefetchStore()
{
    const QString folder = productFolder();
    const QString configPath = productConfigPath();
    std::future<StoreContext::PrefetchedStore> &pending = StoreContext::prefetched();
    if (pending.valid())
        pending.wait();
    pending = std::async(std::launch::async,
                         [folder, configPath] { return readAhead(folder, configPath); });
}

QString productFolder()
{
    return dataFolder() + QLatin1Char('/') + readProductName();
}

QString productConfigPath()
{
    return productFolder() + QStringLiteral("/Config.ini");
}

bool saveStore(const ProfileStore &store)
{
    if (!allNamesSafe(store))
        return false;
    bool ok;
    {
        IniFile ini(productConfigPath());
        writeStoreKeys(ini.settings(), store);
        ok = ini.commit();
    }
    // The profile files follow only once Config.ini is written and closed.
    for (int i = 0; i < kProfileCount; ++i)
        ok = saveProfileFile(store.profiles[i], store.profileNames[i]) && ok;
    return ok;
}

bool saveStoreNames(const ProfileStore &store)
{
    if (!allNamesSafe(store))
        return false;
    IniFile ini(productConfigPath());
    QSettings &settings = ini.settings();
    settings.setValue(kProfileId, int(store.curProfile));
    settings.setValue(kCount, int(store.Count));
    writeNames(settings, store);
    return ini.commit();
}

bool saveProfileId(int index)
{
    IniFile ini(productConfigPath());
    ini.settings().setValue(kProfileId, index);
    return ini.commit();
}

bool loadStore(ProfileStore &store)
{
    if (takePrefetched(store))
        return true;
    // Filled aside so that a refused name leaves the caller's store whole.
    ProfileStore loaded = store;
    IniFile ini(productConfigPath());
    QSettings &settings = ini.settings();
    loaded.curProfile = readByte(settings, kProfileId);
    loaded.AngleValue = readByte(settings, kAngleValue);
    loaded.LiftHigh = readByte(settings, kLiftHigh);
    loaded.Count = readByte(settings, kCount);
    QString paths[kProfileCount];
    for (int i = 0; i < kProfileCount; ++i) {
        loaded.profileNames[i] = settings.value(profileNameKey(i + 1)).toString();
        paths[i] = profileFilePath(loaded.profileNames[i]);
        if (paths[i].isEmpty())
            return false;
    }
    // Reading has no effects of its own, so the five files are read side by
    // side.
    std::vector<std::thread> readers;
    for (int i = 1; i < kProfileCount; ++i)
        readers.emplace_back([&loaded, &paths, i] { readProfile(loaded.profiles[i], paths[i]); });
    readProfile(loaded.profiles[0], paths[0]);
    for (std::thread &reader : readers)
        reader.join();
    store = loaded;
    return true;
}

bool loadProductStore(ProfileStore &store)
{
    // Without a product name the product file would be the global one.
    if (!readProductName().isEmpty() && !QFile::exists(productConfigPath())) {
        ProfileStore defaults;
        initProfileStore(defaults);
        // Reading back what was just written would give the same store.
        if (writeFirstContact(defaults)) {
            store = defaults;
            return true;
        }
    }
    return loadStore(store);
}

bool writeSavedNames(const QStringList &names)
{
    if (!std::all_of(names.begin(), names.end(), isSafeProfileName))
        return false;
    IniFile ini(productConfigPath());
    writeNameList(ini.settings(), names);
    return ini.commit();
}

void readSavedNames(QStringList &names)
{
    names.clear();
    IniFile ini(productConfigPath());
    QSettings &settings = ini.settings();
    const int count = settings.value(kSavedCount).toInt();
    for (int i = 1; i <= count; ++i)
        names.append(settings.value(savedNameKey(i)).toString());
}

bool isInSecondList(const QString &name)
{
    if (!isSafeProfileName(name))
        return false;
    IniFile ini(productConfigPath());
    QSettings &settings = ini.settings();
    const int count = settings.value(kSecondCount).toInt();
    for (int i = 1; i <= count; ++i) {
        if (settings.value(secondListKey(i)).toString() == name)
            return true;
    }
    return false;
}
