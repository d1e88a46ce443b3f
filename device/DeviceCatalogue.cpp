#include "device/DeviceCatalogue.h"

#include "device/DeviceContext.h"
#include "device/DeviceLog.h"
#include "device/hid/HidApi.h"
#include "store/ConfigFile.h"

#include <cstring>

namespace {

// Longest prefix of at most maxBytes bytes that does not split a UTF-8
// sequence.
QByteArray cutUtf8(const QByteArray &text, int maxBytes)
{
    if (text.size() <= maxBytes)
        return text;
    int end = maxBytes;
    // Step back over continuation bytes to the start of the cut character.
    while (end > 0 && (uchar(text.at(end)) & 0xC0) == 0x80)
        --end;
    return text.left(end);
}

} // namespace

void readCatalogue(DeviceCatalogue &catalogue)
{
    const MouseListSection section = readMouseListSection(DeviceCatalogue::kSlots);
    catalogue.clear();
    catalogue.count = section.count;
    if (catalogue.count > quint32(DeviceCatalogue::kSlots)) {
        qCDebug(lcDevice, "Mouse_List/Count %u is more than the %d slots; using %d",
                catalogue.count, DeviceCatalogue::kSlots, DeviceCatalogue::kSlots);
        catalogue.count = DeviceCatalogue::kSlots;
    }
    for (int n = 0; n < DeviceCatalogue::kSlots; ++n) {
        const MouseListRow &row = section.rows.at(n);
        MouseListEntry &e = catalogue.entries[n];
        // Its name would be a folder outside the data folder, or one some
        // system cannot hold: the row stays empty and matches nothing.
        if (!row.refusal.isEmpty()) {
            if (n < catalogue.usedCount())
                qCWarning(lcDevice).noquote()
                    << "catalogue row" << n << "skipped: the name" << row.productName
                    << "cannot be a folder name:" << row.refusal;
            continue;
        }
        e.vendorId = row.vendorId;
        e.productId = row.productId;
        e.usage0 = row.usage0;
        e.usagePage0 = row.usagePage0;
        e.usage1 = row.usage1;
        e.usagePage1 = row.usagePage1;
        e.versionMin = row.versionMin;
        e.versionMax = row.versionMax;
        const QByteArray name = row.productName.toUtf8();
        const QByteArray stored = cutUtf8(name, int(sizeof(e.productName)) - 1);
        if (stored.size() != name.size())
            qCDebug(lcDevice).noquote()
                << "product name cut to 255 bytes:" << QString::fromUtf8(stored);
        std::memcpy(e.productName, stored.constData(), size_t(stored.size()));
    }
}

void loadDeviceCatalogue()
{
    readCatalogue(DeviceContext::catalogue());
}

int enumerateDevices()
{
    HidApi &hid = DeviceContext::hid();
    if (hid.init() != 0)
        return -1;
    DeviceCatalogue &catalogue = DeviceContext::catalogue();
    const QVector<HidDeviceInfo> devices = hid.enumerate(0, 0);
    for (const HidDeviceInfo &d : devices) {
        for (int n = 0; n < catalogue.usedCount(); ++n) {
            MouseListEntry &e = catalogue.entries[n];
            if (d.vendorId != e.vendorId || d.productId != e.productId)
                continue;
            if (!e.acceptsRelease(d.releaseNumber))
                continue;
            if (d.usage == e.usage0 && d.usagePage == e.usagePage0 && e.storePath(0, d.path))
                e.found0 = 1;
            if (d.usage == e.usage1 && d.usagePage == e.usagePage1 && e.storePath(1, d.path))
                e.found1 = 1;
        }
    }
    return 0;
}

void openDeviceByName(const QByteArray &productName)
{
    HidApi &hid = DeviceContext::hid();
    if (hid.init() != 0)
        return;
    // When several entries qualify the last one supplies the handles; only
    // that one is opened, so no handle is left open and unreferenced.
    const DeviceCatalogue &catalogue = DeviceContext::catalogue();
    const MouseListEntry *chosen = nullptr;
    for (int n = 0; n < catalogue.usedCount(); ++n) {
        const MouseListEntry &e = catalogue.entries[n];
        if (productName == e.productName && e.isConnected())
            chosen = &e;
    }
    if (!chosen)
        return;
    HidDevice *h0 = hid.openPath(QByteArray(chosen->path0));
    HidDevice *h1 = hid.openPath(QByteArray(chosen->path1));
    if (h0)
        h0->setInterfaceTag(0);
    if (h1)
        h1->setInterfaceTag(1);
    DeviceContext::setHandles(h0, h1);
}

void closeDevice()
{
    HidDevice *h0 = DeviceContext::interface0Handle();
    HidDevice *h1 = DeviceContext::interface1Handle();
    // Also closes interface 1 when interface 0 failed to open, which would
    // otherwise stay open for the life of the process.
    if (!h0 && !h1)
        return;
    DeviceContext::setHandles(nullptr, nullptr);
    HidApi &hid = DeviceContext::hid();
    hid.close(h0);
    hid.close(h1);
}

void exitDevice()
{
    DeviceContext::hid().exit();
}
