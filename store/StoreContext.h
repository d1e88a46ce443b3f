#pragma once

#include "store/ProfileData.h"

#include <QString>
#include <QStringList>

#include <future>
#include <vector>

// The process-wide edited store: the five profiles the window shows, edits
// and saves. Written only on the GUI thread. The device layer keeps its own
// second store, filled from this one on every upload.
namespace StoreContext {

ProfileStore &store();

// A store read ahead of need (prefetchStore), with the files it came from
// and their size and modification time when they were read (-1 when
// missing).
struct PrefetchedStore
{
    bool ok = false;
    QString configPath;
    QStringList files;
    std::vector<qint64> stamps;
    ProfileStore store;
};
std::future<PrefetchedStore> &prefetched();

// Back to the all-zero store of a fresh start, nothing read ahead (tests).
void reset();

} // namespace StoreContext
