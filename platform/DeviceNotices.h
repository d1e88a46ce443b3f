#pragma once

#include <QByteArray>
#include <QMetaType>
#include <QObject>
#include <QString>

// One arrival or removal exactly as the system names it; what the device
// was is worked out by the device layer. Windows names the device
// interface ("HID#VID_xxxx&PID_xxxx&..."), Linux the hidraw node.
struct RawDeviceNotice
{
    bool arrived = false;
    QString interfaceName; // Windows
    QByteArray nodePath;   // Linux
};

Q_DECLARE_METATYPE(RawDeviceNotice)

#include <functional>

// Arrival and removal of HID devices, as the operating system reports
// them. Windows: RegisterDeviceNotificationW and WM_DEVICECHANGE, which the
// main window hands over from nativeEvent. Linux: a udev monitor on the
// hidraw subsystem.
class DeviceNoticeService : public QObject
{
    Q_OBJECT

public:
    static DeviceNoticeService *create(QObject *parent = nullptr);
    ~DeviceNoticeService() override = default;

    // Starts listening. windowId gives the native window that receives the
    // notices where the system delivers them as window messages; it is
    // asked for only there, since making a window's native window early
    // costs a second one when the window's flags change before it is
    // shown. Returns false when the registration failed; the program then
    // runs without hot-plug detection.
    virtual bool start(const std::function<quintptr()> &windowId) = 0;

    // The main window passes its native events here. Always false, so that
    // Qt's own handling continues.
    virtual bool nativeEvent(const QByteArray &eventType, void *message)
    {
        Q_UNUSED(eventType)
        Q_UNUSED(message)
        return false;
    }

signals:
    void noticeReceived(const RawDeviceNotice &notice);

protected:
    explicit DeviceNoticeService(QObject *parent) : QObject(parent) {}
};
