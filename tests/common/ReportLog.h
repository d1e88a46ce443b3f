#pragma once

#include "common/CatalogueFile.h"
#include "common/TestHome.h"

#include "device/DeviceCatalogue.h"
#include "device/DeviceContext.h"
#include "device/hid/HidApi.h"
#include "device/hid/VirtualMouseBackend.h"
#include "store/ConfigFile.h"

#include <QStringList>

#include <memory>

// Passes every call to a backend and records, in one list, each feature
// report sent ("set <hex>"), each one fetched ("get <hex>"), failures
// (" ERR"), and each protocol delay asked for ("sleep <ms>"), so a test
// sees exactly what reached the mouse and how long the program waited in
// between, without waiting.
class ReportLog final : public HidApi
{
public:
    ReportLog(std::unique_ptr<HidApi> inner, QStringList *log)
        : m_inner(std::move(inner)), m_log(log)
    {}

    int init() override { return m_inner->init(); }
    int exit() override { return m_inner->exit(); }
    QVector<HidDeviceInfo> enumerate(quint16 v, quint16 p) override
    {
        return m_inner->enumerate(v, p);
    }
    HidDevice *openPath(const QByteArray &path) override { return m_inner->openPath(path); }
    void close(HidDevice *device) override { m_inner->close(device); }
    int setNonblocking(HidDevice *device, int nonblock) override
    {
        return m_inner->setNonblocking(device, nonblock);
    }
    int read(HidDevice *device, unsigned char *data, std::size_t length, int timeoutMs) override
    {
        return m_inner->read(device, data, length, timeoutMs);
    }
    int sendFeatureReport(HidDevice *device, const unsigned char *data, std::size_t length) override
    {
        const int result = m_inner->sendFeatureReport(device, data, length);
        record("set ", data, length, result);
        return result;
    }
    int getFeatureReport(HidDevice *device, unsigned char *data, std::size_t length) override
    {
        const int result = m_inner->getFeatureReport(device, data, length);
        record("get ", data, result < 0 ? 0 : std::size_t(result), result);
        return result;
    }
    quint16 releaseNumber(const QByteArray &path) override { return m_inner->releaseNumber(path); }

private:
    void record(const char *op, const unsigned char *data, std::size_t length, int result)
    {
        QString line = QLatin1String(op) +
                       QString::fromLatin1(
                           QByteArray(reinterpret_cast<const char *>(data), int(length)).toHex());
        if (result < 0)
            line += QStringLiteral(" ERR");
        m_log->append(line);
    }

    std::unique_ptr<HidApi> m_inner;
    QStringList *m_log;
};

// One virtual mouse of a model, opened as the program opens a mouse, in a
// temporary data folder, with every report and delay going to log.
class LoggedMouse
{
public:
    explicit LoggedMouse(const QString &model) : m_model(model)
    {
        DeviceContext::reset();
        writeCatalogue({row(model, 1)});
        writeProductName(model);
        loadDeviceCatalogue();
        auto backend = std::make_unique<VirtualMouseBackend>(QStringList{model});
        m_mice = backend.get();
        DeviceContext::installHid(std::make_unique<ReportLog>(std::move(backend), &log), m_mice);
        enumerateDevices();
        openDeviceByName(model.toUtf8());
        DeviceContext::setProtocolDelayHook(
            [this](int ms) { log.append(QStringLiteral("sleep %1").arg(ms)); });
    }

    ~LoggedMouse()
    {
        closeDevice();
        DeviceContext::reset();
    }

    bool isOpen() const { return DeviceContext::interface1Handle() != nullptr; }
    VirtualMouseBackend &mice() { return *m_mice; }
    QByteArray memory(int address, int length) const
    {
        return m_mice->memory(m_model, address, length);
    }
    QByteArray refreshes() const { return m_mice->refreshes(m_model); }
    // The n-th next feature report fails.
    void failReport(int n) { m_mice->failNthReport(m_model, n); }

    QStringList log;

private:
    QString m_model;
    VirtualMouseBackend *m_mice = nullptr;
};

// Expected frames, built by hand from the frame layout: report ID,
// command, address low and high, count, three zeros, data, zero padding.
namespace Frames {

inline QByteArray bytes(const char *hex)
{
    return QByteArray::fromHex(hex);
}

inline QByteArray raw(int reportId, int length, int command, int b2, int b3, int count,
                      const QByteArray &data = {})
{
    QByteArray f(length, '\0');
    f[0] = char(reportId);
    f[1] = char(command);
    f[2] = char(b2);
    f[3] = char(b3);
    f[4] = char(count);
    f.replace(8, data.size(), data);
    return f;
}

// A write of data at an address, as the mouse receives it.
inline QByteArray rawWrite(int reportId, int length, int address, const QByteArray &data)
{
    return raw(reportId, length, 0xF3, address & 0xFF, address >> 8, data.size(), data);
}

inline QString frame(int reportId, int length, int command, int b2, int b3, int count,
                     const QByteArray &data)
{
    return QStringLiteral("set ") +
           QString::fromLatin1(raw(reportId, length, command, b2, b3, count, data).toHex());
}

// A write of report 2 (16 bytes).
inline QString W(int address, const char *hex)
{
    const QByteArray data = bytes(hex);
    return frame(2, 16, 0xF3, address & 0xFF, address >> 8, data.size(), data);
}

// A write of report 3 (64 bytes).
inline QString W64(int address, const char *hex)
{
    const QByteArray data = bytes(hex);
    return frame(3, 64, 0xF3, address & 0xFF, address >> 8, data.size(), data);
}

// A macro block write of report 4 (1024 bytes, data length 200).
inline QString block(int index, const QByteArray &events)
{
    const int address = 0x478 + 200 * index;
    return frame(4, 1024, 0xF3, address & 0xFF, address >> 8, 200, events);
}

inline QString R(int area)
{
    return frame(2, 16, 0xF1, 2, area, 0, {});
}

inline QString M(int value)
{
    return frame(2, 16, 0xF5, value, 0, 0, {});
}

inline QString S(int ms)
{
    return QStringLiteral("sleep %1").arg(ms);
}

inline QString failed(const QString &line)
{
    return line + QStringLiteral(" ERR");
}

} // namespace Frames
