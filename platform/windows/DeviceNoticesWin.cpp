#include "platform/DeviceNotices.h"

#include "platform/PlatformLog.h"

#include <windows.h>

#include <dbt.h>

namespace {

// {4D1E55B2-F16F-11CF-88CB-001111000030}: the HID device interface class.
const GUID kHidInterfaceClass = {
    0x4D1E55B2, 0xF16F, 0x11CF, {0x88, 0xCB, 0x00, 0x11, 0x11, 0x00, 0x00, 0x30}};

class WindowMessageNoticeService final : public DeviceNoticeService
{
public:
    explicit WindowMessageNoticeService(QObject *parent) : DeviceNoticeService(parent) {}

    ~WindowMessageNoticeService() override
    {
        if (m_notify)
            UnregisterDeviceNotification(m_notify);
    }

    bool start(const std::function<quintptr()> &windowId) override
    {
        if (m_notify)
            return true;
        DEV_BROADCAST_DEVICEINTERFACE_W filter;
        ZeroMemory(&filter, sizeof(filter));
        filter.dbcc_size = sizeof(DEV_BROADCAST_DEVICEINTERFACE_W);
        filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
        filter.dbcc_reserved = 0;
        filter.dbcc_classguid = kHidInterfaceClass;
        filter.dbcc_name[0] = 0;
        m_notify = RegisterDeviceNotificationW(reinterpret_cast<HWND>(windowId()), &filter,
                                               DEVICE_NOTIFY_WINDOW_HANDLE);
        return m_notify != nullptr;
    }

    bool nativeEvent(const QByteArray &eventType, void *message) override
    {
        Q_UNUSED(eventType)
        const MSG *msg = static_cast<const MSG *>(message);
        if (!msg || msg->message != WM_DEVICECHANGE)
            return false;
        const auto *header = reinterpret_cast<const DEV_BROADCAST_HDR *>(msg->lParam);
        if (msg->wParam == DBT_DEVICEARRIVAL) {
            qCDebug(lcPlatform) << "DBT_DEVICEARRIVAL";
            if (header && header->dbch_devicetype == DBT_DEVTYP_DEVICEINTERFACE) {
                const QString name = deviceName(header);
                emit noticeReceived(notice(name, true));
                qCDebug(lcPlatform).noquote() << QString::fromLocal8Bit(name.toLocal8Bit());
            }
        } else if (msg->wParam == DBT_DEVICEREMOVECOMPLETE) {
            if (header && header->dbch_devicetype == DBT_DEVTYP_DEVICEINTERFACE)
                emit noticeReceived(notice(deviceName(header), false));
            qCDebug(lcPlatform) << "DBT_DEVICEREMOVECOMPLETE";
        }
        return false;
    }

private:
    static RawDeviceNotice notice(const QString &name, bool arrived)
    {
        RawDeviceNotice n;
        n.arrived = arrived;
        n.interfaceName = name;
        return n;
    }

    static QString deviceName(const DEV_BROADCAST_HDR *header)
    {
        const auto *iface = reinterpret_cast<const DEV_BROADCAST_DEVICEINTERFACE_W *>(header);
        return QString::fromWCharArray(iface->dbcc_name);
    }

    HDEVNOTIFY m_notify = nullptr;
};

} // namespace

DeviceNoticeService *DeviceNoticeService::create(QObject *parent)
{
    return new WindowMessageNoticeService(parent);
}
