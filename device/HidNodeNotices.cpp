#include "device/HidNodeNotices.h"

#include "device/DeviceCatalogue.h"
#include "device/DeviceContext.h"
#include "device/DeviceNameParser.h"
#include "device/hid/HidApi.h"
#include "platform/DeviceNotices.h"

QVector<DeviceNotice> noticesFor(const RawDeviceNotice &raw)
{
    if (raw.nodePath.isEmpty())
        return {parseDeviceInterfaceName(raw.interfaceName, raw.arrived)};
    if (raw.arrived)
        return noticesForAddedNode(raw.nodePath);
    return {noticeForRemovedNode(raw.nodePath)};
}

QVector<DeviceNotice> noticesForAddedNode(const QByteArray &path)
{
    QVector<DeviceNotice> notices;
    const QVector<HidDeviceInfo> devices = DeviceContext::hid().enumerate(0, 0);
    for (const HidDeviceInfo &d : devices) {
        if (d.path != path)
            continue;
        DeviceNotice notice;
        notice.arrived = true;
        notice.path = path;
        notice.vendorId = d.vendorId;
        notice.productId = d.productId;
        notice.usagePage = d.usagePage;
        notice.usage = d.usage;
        notices.append(notice);
    }
    return notices;
}

DeviceNotice noticeForRemovedNode(const QByteArray &path)
{
    DeviceNotice notice;
    notice.arrived = false;
    notice.path = path;
    const DeviceCatalogue &catalogue = DeviceContext::catalogue();
    for (int n = 0; n < catalogue.usedCount(); ++n) {
        const MouseListEntry &e = catalogue.entries[n];
        if (path == e.path0 || path == e.path1) {
            notice.vendorId = quint16(e.vendorId);
            notice.productId = quint16(e.productId);
            break;
        }
    }
    return notice;
}
