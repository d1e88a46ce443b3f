#include "store/StoreContext.h"

namespace {

ProfileStore &editedStore()
{
    static ProfileStore store;
    return store;
}

} // namespace

ProfileStore &StoreContext::store()
{
    return editedStore();
}

void StoreContext::reset()
{
    editedStore() = ProfileStore();
}
