#include "device/DeviceConnection.h"

#include "device/DeviceCatalogue.h"
#include "device/DeviceContext.h"
#include "device/DeviceLog.h"
#include "device/HidNodeNotices.h"
#include "device/hid/HidApi.h"
#include "device/hid/VirtualMouseBackend.h"
#include "platform/DeviceNotices.h"
#include "store/ConfigFile.h"

DeviceConnection::DeviceConnection(QObject *parent) : QObject(parent)
{
    qRegisterMetaType<DeviceNotice>();
    // Virtual mice raise their notices like the operating system does:
    // later, through the event loop.
    if (VirtualMouseBackend *mice = DeviceContext::virtualMice())
        connect(mice, &VirtualMouseBackend::deviceNotice, this, &DeviceConnection::handleNotice,
                Qt::QueuedConnection);
}

DeviceConnection::~DeviceConnection() = default;

QStringList DeviceConnection::refreshDeviceList()
{
    m_names = DeviceContext::catalogue().connectedNames();
    m_connectedCount = m_names.size();
    if (m_names.size() > 1) {
        const QString current = readProductName();
        writeProductName(m_names.contains(current) ? current : m_names.first());
    } else if (m_names.size() == 1) {
        qCDebug(lcDevice).noquote() << QStringLiteral("RefreshMouseList ") + m_names.first();
        writeProductName(m_names.first());
    } else {
        writeProductName(QString());
    }
    emit deviceListRefreshed(m_names);
    return m_names;
}

void DeviceConnection::handleNotice(const DeviceNotice &notice)
{
    qCDebug(lcDevice, "vid = %d, pid = %d", int(notice.vendorId), int(notice.productId));
    if (notice.arrived)
        handleArrival(notice);
    else
        handleRemoval(notice);
}

void DeviceConnection::handleSystemNotice(const RawDeviceNotice &notice)
{
    const QVector<DeviceNotice> notices = noticesFor(notice);
    for (const DeviceNotice &n : notices)
        handleNotice(n);
}

void DeviceConnection::handleArrival(const DeviceNotice &notice)
{
    DeviceCatalogue &catalogue = DeviceContext::catalogue();
    for (int n = 0; n < catalogue.usedCount(); ++n) {
        MouseListEntry &e = catalogue.entries[n];
        if (e.vendorId != notice.vendorId || e.productId != notice.productId)
            continue;
        bool interfaces[2] = {false, false};
        if (notice.identifiedByName) {
            if (notice.interfaceIndex == 0 || notice.interfaceIndex == 1)
                interfaces[notice.interfaceIndex] = true;
        } else {
            interfaces[0] = notice.usage == e.usage0 && notice.usagePage == e.usagePage0;
            interfaces[1] = notice.usage == e.usage1 && notice.usagePage == e.usagePage1;
        }
        if (!interfaces[0] && !interfaces[1])
            continue;
        if (!e.acceptsRelease(DeviceContext::hid().releaseNumber(notice.path)))
            continue;
        for (int i = 0; i < 2; ++i) {
            if (interfaces[i] && e.storePath(i, notice.path))
                e.found(i) = 1;
        }
        if (!e.isConnected())
            continue;
        if (m_connectedCount == 0) {
            refreshDeviceList();
            emit firstMouseArrived();
        } else {
            refreshDeviceList();
        }
    }
}

void DeviceConnection::handleRemoval(const DeviceNotice &notice)
{
    DeviceCatalogue &catalogue = DeviceContext::catalogue();
    for (int n = 0; n < catalogue.usedCount(); ++n) {
        MouseListEntry &e = catalogue.entries[n];
        bool interfaces[2] = {false, false};
        if (notice.identifiedByName) {
            if (e.vendorId != notice.vendorId || e.productId != notice.productId)
                continue;
            if (notice.interfaceIndex == 0 || notice.interfaceIndex == 1)
                interfaces[notice.interfaceIndex] = true;
        } else {
            for (int i = 0; i < 2; ++i)
                interfaces[i] = !notice.path.isEmpty() && notice.path == e.path(i);
        }
        bool cleared = false;
        for (int i = 0; i < 2; ++i) {
            if (interfaces[i] && e.found(i)) {
                e.found(i) = 0;
                cleared = true;
            }
        }
        if (!cleared || e.found0 || e.found1)
            continue;

        // The model is gone.
        const QString removedName = QString::fromUtf8(e.productName);
        const int before = m_connectedCount;
        m_names = catalogue.connectedNames();
        m_connectedCount = m_names.size();
        if (m_connectedCount == 0) {
            // A model that never got both interfaces leaves nothing to
            // close, and the window is already waiting for a mouse.
            if (before > 0)
                emit lastMouseRemoved();
            continue;
        }
        const QString active = readProductName();
        refreshDeviceList();
        if (active == removedName)
            emit activeMouseRemoved(readProductName());
    }
}
