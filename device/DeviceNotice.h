#pragma once

#include <QByteArray>
#include <QMetaType>

// An arrival or removal of one HID collection, as the operating system (or
// the virtual mouse) reports it, in a form the hot-plug handler can match
// against the catalogue.
//
// A notice whose device name tells the collection (Windows: col01 or
// col02) is matched by vendor and product ID and that interface only; a
// name that matched neither pattern carries interfaceIndex -1 and matches
// nothing. Other notices (Linux, the virtual mouse) are matched by usage
// and usage page on arrival and by path on removal, since a removed node
// can no longer be asked what it was.
struct DeviceNotice
{
    bool arrived = false;
    bool identifiedByName = false;
    QByteArray path;
    quint16 vendorId = 0;
    quint16 productId = 0;
    int interfaceIndex = -1; // 0 or 1 when identifiedByName
    quint16 usagePage = 0;
    quint16 usage = 0;
};

Q_DECLARE_METATYPE(DeviceNotice)
