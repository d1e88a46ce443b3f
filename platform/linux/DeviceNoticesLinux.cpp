#include "platform/DeviceNotices.h"

#include "device/DeviceCatalogue.h"
#include "device/DeviceContext.h"
#include "device/DeviceLog.h"
#include "device/hid/HidApi.h"

#include <QSocketNotifier>

#include <libudev.h>

namespace {

// udev reports hidraw nodes; enumeration through the HID seam tells what
// collections a new node carries, exactly as at start-up.
class UdevNoticeService final : public DeviceNoticeService
{
public:
    explicit UdevNoticeService(QObject *parent)
        : DeviceNoticeService(parent)
    {}

    ~UdevNoticeService() override
    {
        if (m_monitor)
            udev_monitor_unref(m_monitor);
        if (m_udev)
            udev_unref(m_udev);
    }

    bool start(quintptr windowId) override
    {
        Q_UNUSED(windowId)
        if (m_monitor)
            return true;
        m_udev = udev_new();
        if (m_udev)
            m_monitor = udev_monitor_new_from_netlink(m_udev, "udev");
        if (!m_monitor
            || udev_monitor_filter_add_match_subsystem_devtype(m_monitor, "hidraw", nullptr) < 0
            || udev_monitor_enable_receiving(m_monitor) < 0) {
            qCDebug(lcDevice) << "cannot watch hidraw devices; hot-plugging is not followed";
            return false;
        }
        auto *notifier =
            new QSocketNotifier(udev_monitor_get_fd(m_monitor), QSocketNotifier::Read, this);
        connect(notifier, &QSocketNotifier::activated, this, &UdevNoticeService::receive);
        return true;
    }

private:
    void receive()
    {
        udev_device *device = udev_monitor_receive_device(m_monitor);
        if (!device)
            return;
        const QByteArray action(udev_device_get_action(device));
        const char *node = udev_device_get_devnode(device);
        const QByteArray path(node ? node : "");
        udev_device_unref(device);
        if (path.isEmpty())
            return;
        if (action == "add")
            announceArrival(path);
        else if (action == "remove")
            announceRemoval(path);
    }

    void announceArrival(const QByteArray &path)
    {
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
            emit noticeReceived(notice);
        }
    }

    void announceRemoval(const QByteArray &path)
    {
        // The node is gone and cannot be asked for its IDs; the catalogue
        // remembers them with the path.
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
        emit noticeReceived(notice);
    }

    udev *m_udev = nullptr;
    udev_monitor *m_monitor = nullptr;
};

} // namespace

DeviceNoticeService *DeviceNoticeService::create(QObject *parent)
{
    return new UdevNoticeService(parent);
}
