#include "platform/DeviceNotices.h"

#include "platform/PlatformLog.h"

#include <QSocketNotifier>

#include <libudev.h>

namespace {

// udev reports hidraw nodes; on Linux both collections of the mouse share
// one node, so one notice stands for both.
class UdevNoticeService final : public DeviceNoticeService
{
public:
    explicit UdevNoticeService(QObject *parent) : DeviceNoticeService(parent) {}

    ~UdevNoticeService() override
    {
        if (m_monitor)
            udev_monitor_unref(m_monitor);
        if (m_udev)
            udev_unref(m_udev);
    }

    bool start(const std::function<quintptr()> &windowId) override
    {
        Q_UNUSED(windowId)
        if (m_monitor)
            return true;
        m_udev = udev_new();
        if (m_udev)
            m_monitor = udev_monitor_new_from_netlink(m_udev, "udev");
        if (!m_monitor ||
            udev_monitor_filter_add_match_subsystem_devtype(m_monitor, "hidraw", nullptr) < 0 ||
            udev_monitor_enable_receiving(m_monitor) < 0) {
            qCDebug(lcPlatform) << "cannot watch hidraw devices; hot-plugging is not followed";
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
        if (action != "add" && action != "remove")
            return;
        RawDeviceNotice notice;
        notice.arrived = action == "add";
        notice.nodePath = path;
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
