#pragma once

#include "device/hid/HidApi.h"

#include <QHash>
#include <QList>

#include <memory>
#include <vector>

// A scripted HID backend: a fixed device list, a release number per path,
// and a record of what was opened and closed.
class FakeHid final : public HidApi
{
public:
    class Handle final : public HidDevice
    {
    public:
        QByteArray path;
        bool closed = false;
    };

    QVector<HidDeviceInfo> devices;
    QHash<QByteArray, quint16> releases;
    int initResult = 0;
    QList<QByteArray> opened;
    QList<QByteArray> closed;

    static HidDeviceInfo device(const QByteArray &path, quint16 vid, quint16 pid, quint16 usagePage,
                                quint16 usage, quint16 release = 0x100)
    {
        HidDeviceInfo d;
        d.path = path;
        d.vendorId = vid;
        d.productId = pid;
        d.usagePage = usagePage;
        d.usage = usage;
        d.releaseNumber = release;
        return d;
    }

    int init() override { return initResult; }
    int exit() override { return 0; }
    QVector<HidDeviceInfo> enumerate(quint16, quint16) override { return devices; }
    HidDevice *openPath(const QByteArray &path) override
    {
        opened << path;
        m_handles.push_back(std::make_unique<Handle>());
        m_handles.back()->path = path;
        return m_handles.back().get();
    }
    void close(HidDevice *device) override
    {
        if (auto *h = static_cast<Handle *>(device)) {
            h->closed = true;
            closed << h->path;
        }
    }
    int setNonblocking(HidDevice *, int) override { return 0; }
    int read(HidDevice *, unsigned char *, std::size_t, int) override { return -1; }
    int sendFeatureReport(HidDevice *, const unsigned char *, std::size_t) override { return -1; }
    int getFeatureReport(HidDevice *, unsigned char *, std::size_t) override { return -1; }
    quint16 releaseNumber(const QByteArray &path) override { return releases.value(path, 0); }

private:
    std::vector<std::unique_ptr<Handle>> m_handles;
};
