#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

#include <cstddef>

// One HID top-level collection as enumeration reports it. Strings are
// copied out of the library at once; nothing points into its buffers.
struct HidDeviceInfo
{
    QByteArray path;
    quint16 vendorId = 0;
    quint16 productId = 0;
    quint16 releaseNumber = 0;
    quint16 usagePage = 0;
    quint16 usage = 0;
    int interfaceNumber = -1;
    QString product;
};

// Why a device could not be opened: the system's error number (0 when
// unknown) and the library's own text, if it gave one.
struct HidOpenError
{
    int errorNumber = 0;
    QString text;
    bool isNull() const { return errorNumber == 0 && text.isEmpty(); }
};

// An open device. The backend that opened it owns it: the pointer stays
// valid (as a closed, failing handle) after close() until the backend is
// destroyed, so a reader thread that still holds it cannot touch freed
// memory.
class HidDevice
{
public:
    virtual ~HidDevice() = default;

    // Which catalogue interface (0 or 1) the opener meant; -1 when unknown.
    // Only the trace reads it.
    int interfaceTag() const { return m_interfaceTag; }
    void setInterfaceTag(int tag) { m_interfaceTag = tag; }

private:
    int m_interfaceTag = -1;
};

// The HID seam. Operations mirror hidapi one to one; results follow its
// conventions (negative on failure). Every operation is safe on a null or
// closed handle and then fails. read() may block in one thread while
// other threads send or fetch feature reports on the same handle; close()
// from another thread makes a blocked read() return -1 within a few
// milliseconds (hidapi without a node of its own: within one 50 ms slice)
// and frees nothing while a read is in flight. A blocked read() sleeps
// until a report comes, the handle is closed or the device goes, except on
// hidapi without a node of its own, where it wakes every slice.
class HidApi
{
public:
    virtual ~HidApi() = default;

    // hid_init: 0 on success, -1 on failure. May be called again.
    virtual int init() = 0;
    // hid_exit: releases the library; handles must be closed first.
    virtual int exit() = 0;
    // hid_enumerate: every collection with this vendor and product ID, 0
    // meaning any; empty when nothing matches or the library failed.
    virtual QVector<HidDeviceInfo> enumerate(quint16 vendorId, quint16 productId) = 0;
    // hid_open_path: null on failure.
    virtual HidDevice *openPath(const QByteArray &path) = 0;
    // Why the last openPath() of this path failed; null after a success or
    // when the backend cannot tell.
    virtual HidOpenError openError(const QByteArray &path)
    {
        Q_UNUSED(path)
        return {};
    }
    // hid_close. Null is ignored.
    virtual void close(HidDevice *device) = 0;
    // hid_set_nonblocking: 0 or -1.
    virtual int setNonblocking(HidDevice *device, int nonblock) = 0;
    // hid_read_timeout: one input report, report ID first. timeoutMs -1
    // blocks (unless the handle is non-blocking), 0 polls. Returns the
    // number of bytes, 0 on timeout, -1 on failure, close or unplug.
    virtual int read(HidDevice *device, unsigned char *data, std::size_t length,
                     int timeoutMs = -1) = 0;
    // hid_send_feature_report: data[0] is the report ID. Returns the bytes
    // sent or -1.
    virtual int sendFeatureReport(HidDevice *device, const unsigned char *data,
                                  std::size_t length) = 0;
    // hid_get_feature_report: data[0] holds the report ID on entry. Returns
    // the bytes read (report ID included) or -1.
    virtual int getFeatureReport(HidDevice *device, unsigned char *data, std::size_t length) = 0;
    // hid_get_release_number: the release number of the device at the
    // path, 0 when it cannot be read.
    virtual quint16 releaseNumber(const QByteArray &path) = 0;
};
