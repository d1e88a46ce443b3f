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

    // Starts listening. windowId is the native window that receives the
    // notices where the system delivers them as window messages. Returns
    // false when the registration failed; the program then runs without
    // hot-plug detection.
    virtual bool start(quintptr windowId) = 0;

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
