#pragma once

#include "device/hid/HidApi.h"

#include <QElapsedTimer>
#include <QFile>
#include <QMutex>

#include <memory>

// Wraps a backend and appends every feature report and input report to a
// text file, one line per call:
//
//   <ms> <op> <iface> <hex>[ ERR]
//
// ms: milliseconds since the trace began, one decimal; op: set_feature,
// get_feature or read; iface: the catalogue interface of the handle; hex:
// the bytes passed (set), returned (get) or read, lowercase without
// separators. " ERR" marks a negative result; the hex is then what was
// passed for a set and empty for a get or read.
class HidTrace final : public HidApi
{
public:
    HidTrace(std::unique_ptr<HidApi> inner, const QString &fileName);
    ~HidTrace() override;

    bool isOpen() const { return m_file.isOpen(); }
    HidApi *inner() const { return m_inner.get(); }

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

    // One trace line without its time and newline, e.g. "set_feature 1 02f3".
    static QByteArray formatCall(const char *op, int interfaceTag, const unsigned char *data,
                                 std::size_t length, bool failed);

private:
    void write(const char *op, HidDevice *device, const unsigned char *data, std::size_t length,
               bool failed);

    std::unique_ptr<HidApi> m_inner;
    QFile m_file;
    QMutex m_mutex;
    QElapsedTimer m_clock;
};
