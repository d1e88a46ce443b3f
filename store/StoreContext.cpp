#include "store/StoreContext.h"

namespace {

ProfileStore &editedStore()
{
    static ProfileStore store;
    return store;
}

ProfileStore &baselineStore()
{
    static ProfileStore store;
    return store;
}

struct ProductChoice
{
    bool pinned = false;
    QString name;
    bool records = true;
};

ProductChoice &productChoice()
{
    static ProductChoice choice;
    return choice;
}

} // namespace

ProfileStore &StoreContext::store()
{
    return editedStore();
}

ProfileStore &StoreContext::baseline()
{
    return baselineStore();
}

bool StoreContext::hasPinnedProduct()
{
    return productChoice().pinned;
}

QString StoreContext::pinnedProduct()
{
    return productChoice().name;
}

void StoreContext::pinProduct(const QString &productName)
{
    productChoice().pinned = true;
    productChoice().name = productName;
}

bool StoreContext::recordsProductChoice()
{
    return productChoice().records;
}

void StoreContext::setRecordsProductChoice(bool records)
{
    productChoice().records = records;
}

void StoreContext::reset()
{
    editedStore() = ProfileStore();
    baselineStore() = ProfileStore();
    productChoice() = ProductChoice();
}
