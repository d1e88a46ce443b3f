#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class QSettings;

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
    static constexpr int kSlots = 200;

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

// Reads the Mouse_List section into the catalogue (cleared first). A count
// above the table size is cut to it; a product name longer than 255 bytes
// is cut at a character boundary.
void readCatalogue(QSettings &settings, DeviceCatalogue &catalogue);

// Loads the process-wide catalogue from the global Config.ini.
void loadDeviceCatalogue();

// Enumerates the attached HID devices and marks the collections of the
// catalogue that are present. Returns -1 when the HID library cannot be
// initialised, else 0.
int enumerateDevices();

// Opens both interfaces of the connected entry with this product name; the
// last qualifying entry in catalogue order supplies the handles. A name
// that matches no connected entry leaves the handles as they were.
void openDeviceByName(const QByteArray &productName);

// Closes both handles (interface 0 first) and forgets them.
void closeDevice();

// Releases the HID library.
void exitDevice();
