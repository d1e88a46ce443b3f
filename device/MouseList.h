#pragma once

#include "store/ConfigFile.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// One supported model: how to recognise its two HID collections, and
// where they were found.
struct MouseListEntry
{
    quint32 vendorId;
    quint32 productId;
    quint32 versionMin;
    quint32 versionMax; // 0: any release
    quint32 usage0;
    quint32 usagePage0;
    quint32 usage1;
    quint32 usagePage1;
    char path0[255];
    char path1[255];
    qint32 found0;
    qint32 found1;
    char productName[256]; // UTF-8

    bool isConnected() const { return found0 == 1 && found1 == 1; }
    // The release check: inclusive range, or any release when the upper
    // bound is 0.
    bool acceptsRelease(quint32 release) const;
    // Stores a found path for interface 0 or 1. A path that does not fit
    // the field is refused and the interface stays absent.
    bool storePath(int interfaceIndex, const QByteArray &path);
    const char *path(int interfaceIndex) const { return interfaceIndex == 0 ? path0 : path1; }
    qint32 &found(int interfaceIndex) { return interfaceIndex == 0 ? found0 : found1; }
};

struct DeviceCatalogue
{
    static constexpr int kSlots = kMouseListRows;

    quint32 count;
    MouseListEntry entries[kSlots];

    void clear();
    // Entries below count only: the rest never take part in matching.
    int usedCount() const { return count > quint32(kSlots) ? kSlots : int(count); }
    // Product names of the connected entries, in catalogue order.
    QStringList connectedNames() const;
    // Index of the first entry with this product name, or -1.
    int indexOfName(const QString &productName) const;
};
