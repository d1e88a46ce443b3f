#include "panels/KeyIndex.h"

#include "panels/PanelLog.h"
#include "store/KeyTables.h"

quint8 takeKeyIndex(KeyRecord &record, bool trace)
{
    if (trace) {
        qCDebug(lcPanels, "l->vkCode %x l->scanCode %x %x", record.vkCode, record.scanCode,
                record.flags);
    }
    const quint8 index = keyCodeFromHook(record.scanCode, record.flags);
    record.scanCode = index;
    return index;
}
