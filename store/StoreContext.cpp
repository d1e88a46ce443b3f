#include "store/StoreContext.h"

namespace {

ProfileStore &editedStore()
{
    static ProfileStore store;
    return store;
}

std::future<StoreContext::PrefetchedStore> &pendingPrefetch()
{
    static std::future<StoreContext::PrefetchedStore> pending;
    return pending;
}

} // namespace

std::future<StoreContext::PrefetchedStore> &StoreContext::prefetched()
{
    return pendingPrefetch();
}

ProfileStore &StoreContext::store()
{
    return editedStore();
}

void StoreContext::reset()
{
    editedStore() = ProfileStore();
    if (pendingPrefetch().valid())
        pendingPrefetch().wait();
    pendingPrefetch() = {};
}
