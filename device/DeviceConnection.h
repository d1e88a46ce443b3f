#pragma once

#include "device/DeviceNotice.h"

#include <QObject>
#include <QStringList>

struct RawDeviceNotice;

// Keeps the catalogue's found flags current as mice come and go, decides
// which mouse is active, and tells the window what it has to do about it.
// Lives on the GUI thread.
class DeviceConnection final : public QObject
{
    Q_OBJECT

public:
    explicit DeviceConnection(QObject *parent = nullptr);
    ~DeviceConnection() override;

    // The device list refresh: recounts the connected models and settles
    // "Config/CurrentProductName" (kept when it names a connected model,
    // else the first connected one, empty when none is connected).
    QStringList refreshDeviceList();

    int connectedCount() const { return m_connectedCount; }
    QStringList connectedNames() const { return m_names; }

public slots:
    // The hot-plug handler.
    void handleNotice(const DeviceNotice &notice);
    // A notice of the operating system (platform/DeviceNotices.h), handled
    // as the notices it stands for.
    void handleSystemNotice(const RawDeviceNotice &notice);

signals:
    // After every device list refresh; the window shows its mouse selector
    // when more than one name is listed.
    void deviceListRefreshed(const QStringList &names);
    // Both interfaces of a model arrived while no mouse was connected. The
    // window opens it and reloads 200 ms later.
    void firstMouseArrived();
    // The last connected model went away. The window stops its readers,
    // closes the device and warns 200 ms later.
    void lastMouseRemoved();
    // The active model went away while another remains, which is now
    // "Config/CurrentProductName". The window switches to it.
    void activeMouseRemoved(const QString &newProductName);

private:
    void handleArrival(const DeviceNotice &notice);
    void handleRemoval(const DeviceNotice &notice);

    int m_connectedCount = 0;
    QStringList m_names;
};
