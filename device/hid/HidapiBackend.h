#pragma once

#include "device/hid/HidApi.h"

#include <QHash>
#include <QMutex>

#include <memory>
#include <vector>

// The real backend over hidapi (hidraw on Linux).
class HidapiBackend final : public HidApi
{
public:
    HidapiBackend();
    ~HidapiBackend() override;

    int init() override;
    int exit() override;
    QVector<HidDeviceInfo> enumerate(quint16 vendorId, quint16 productId) override;
    HidDevice *openPath(const QByteArray &path) override;
    HidOpenError openError(const QByteArray &path) override;
    void close(HidDevice *device) override;
    int setNonblocking(HidDevice *device, int nonblock) override;
    int read(HidDevice *device, unsigned char *data, std::size_t length, int timeoutMs) override;
    int sendFeatureReport(HidDevice *device, const unsigned char *data,
                          std::size_t length) override;
    int getFeatureReport(HidDevice *device, unsigned char *data, std::size_t length) override;
    quint16 releaseNumber(const QByteArray &path) override;

    // A device name from a Windows notice arrives with the "\\?\" prefix
    // put in front of a name that already carries it; hidapi wants one.
    static QByteArray normalizePath(const QByteArray &path);

private:
    class Handle;
    Handle *handle(HidDevice *device) const;

    QMutex m_handlesMutex;
    std::vector<std::unique_ptr<Handle>> m_handles;
    QHash<QByteArray, HidOpenError> m_openErrors; // guarded by m_handlesMutex
};
