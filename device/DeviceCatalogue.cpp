#include "device/DeviceCatalogue.h"

#include "device/DeviceContext.h"
#include "device/DeviceLog.h"
#include "device/hid/HidApi.h"
#include "store/DataFolder.h"

#include <QSettings>

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

quint32 readUInt(QSettings &settings, const QString &key)
{
    return settings.value(key).toUInt();
}

} // namespace

bool MouseListEntry::acceptsRelease(quint32 release) const
{
    return versionMax == 0 || (versionMin <= release && release <= versionMax);
}

bool MouseListEntry::storePath(int interfaceIndex, const QByteArray &path)
{
    char *field = interfaceIndex == 0 ? path0 : path1;
    if (path.size() >= int(sizeof(path0))) {
        qCDebug(lcDevice) << "device path too long for the catalogue, ignored:" << path;
        return false;
    }
    std::memset(field, 0, sizeof(path0));
    std::memcpy(field, path.constData(), size_t(path.size()));
    return true;
}

void DeviceCatalogue::clear()
{
    std::memset(static_cast<void *>(this), 0, sizeof(*this));
}

QStringList DeviceCatalogue::connectedNames() const
{
    QStringList names;
    for (int i = 0; i < usedCount(); ++i) {
        if (entries[i].isConnected())
            names << QString::fromUtf8(entries[i].productName);
    }
    return names;
}

int DeviceCatalogue::indexOfName(const QString &productName) const
{
    const QByteArray name = productName.toUtf8();
    for (int i = 0; i < usedCount(); ++i) {
        if (name == entries[i].productName)
            return i;
    }
    return -1;
}

void readCatalogue(QSettings &settings, DeviceCatalogue &catalogue)
{
    catalogue.clear();
    catalogue.count = readUInt(settings, QStringLiteral("Mouse_List/Count"));
    if (catalogue.count > quint32(DeviceCatalogue::kSlots)) {
        qCDebug(lcDevice, "Mouse_List/Count %u is more than the %d slots; using %d",
                catalogue.count, DeviceCatalogue::kSlots, DeviceCatalogue::kSlots);
        catalogue.count = DeviceCatalogue::kSlots;
    }
    for (int n = 0; n < DeviceCatalogue::kSlots; ++n) {
        MouseListEntry &e = catalogue.entries[n];
        const QString i = QString::number(n);
        e.vendorId = readUInt(settings, QStringLiteral("Mouse_List/VID_") + i);
        e.productId = readUInt(settings, QStringLiteral("Mouse_List/PID_") + i);
        e.usage0 = readUInt(settings, QStringLiteral("Mouse_List/USAGE_0_") + i);
        e.usagePage0 = readUInt(settings, QStringLiteral("Mouse_List/USAGEPAGE_0_") + i);
        e.usage1 = readUInt(settings, QStringLiteral("Mouse_List/USAGE_1_") + i);
        e.usagePage1 = readUInt(settings, QStringLiteral("Mouse_List/USAGEPAGE_1_") + i);
        e.versionMin = readUInt(settings, QStringLiteral("Mouse_List/VER_MIN_") + i);
        e.versionMax = readUInt(settings, QStringLiteral("Mouse_List/VER_MAX_") + i);
        const QByteArray name =
            settings.value(QStringLiteral("Mouse_List/PRODUCT_NAME_") + i).toString().toUtf8();
        const QByteArray stored = cutUtf8(name, int(sizeof(e.productName)) - 1);
        if (stored.size() != name.size())
            qCDebug(lcDevice).noquote()
                << "product name cut to 255 bytes:" << QString::fromUtf8(stored);
        std::memcpy(e.productName, stored.constData(), size_t(stored.size()));
    }
}

void loadDeviceCatalogue()
{
    QSettings settings(globalConfigPath(), QSettings::IniFormat);
    readCatalogue(settings, DeviceContext::catalogue());
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
