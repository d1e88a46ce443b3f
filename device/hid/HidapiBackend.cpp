#include "device/hid/HidapiBackend.h"

#include "device/DeviceLog.h"
#include "platform/InputReportNode.h"

#include <QAtomicInt>
#include <QReadWriteLock>

#include <hidapi/hidapi.h>

#include <cerrno>

// hidapi does not wake a thread blocked in hid_read() when another thread
// closes the device, and frees the device under it. Input reports are
// therefore read from a node of our own whose wait close() can end (the
// readers then sleep until the mouse sends something); where there is no
// such node, a blocking read is done in short slices that watch the closing
// flag. Either way close() waits for every call in flight before it lets
// hidapi free the device.
class HidapiBackend::Handle final : public HidDevice
{
public:
    Handle(hid_device *device, std::unique_ptr<InputReportNode> node)
        : m_device(device), m_node(std::move(node))
    {}

    hid_device *m_device;
    std::unique_ptr<InputReportNode> m_node;
    QReadWriteLock m_lock; // read: a call in flight; write: closing
    QAtomicInt m_closing = 0;
    QAtomicInt m_nonblocking = 0;
};

namespace {
// Short enough that closing a handle without a node of its own still ends
// a blocked read well within 100 ms.
constexpr int kReadSliceMs = 50;
} // namespace

HidapiBackend::HidapiBackend() = default;

HidapiBackend::~HidapiBackend()
{
    for (auto &h : m_handles)
        close(h.get());
    hid_exit();
}

int HidapiBackend::init()
{
    return hid_init();
}

int HidapiBackend::exit()
{
    return hid_exit();
}

QVector<HidDeviceInfo> HidapiBackend::enumerate(quint16 vendorId, quint16 productId)
{
    QVector<HidDeviceInfo> result;
    hid_device_info *list = hid_enumerate(vendorId, productId);
    for (hid_device_info *d = list; d; d = d->next) {
        HidDeviceInfo info;
        info.path = QByteArray(d->path ? d->path : "");
        info.vendorId = d->vendor_id;
        info.productId = d->product_id;
        info.releaseNumber = d->release_number;
        info.usagePage = d->usage_page;
        info.usage = d->usage;
        info.interfaceNumber = d->interface_number;
        if (d->product_string)
            info.product = QString::fromWCharArray(d->product_string);
        result.append(info);
    }
    hid_free_enumeration(list);
    return result;
}

QByteArray HidapiBackend::normalizePath(const QByteArray &path)
{
    static const QByteArray prefix = QByteArrayLiteral("\\\\?\\");
    QByteArray p = path;
    while (p.startsWith(prefix + prefix))
        p.remove(0, prefix.size());
    return p;
}

HidDevice *HidapiBackend::openPath(const QByteArray &path)
{
    const QByteArray normalized = normalizePath(path);
    hid_device *device = hid_open_path(normalized.constData());
    if (!device) {
        const int libraryErrno = errno;
        HidOpenError error;
        if (const wchar_t *text = hid_error(nullptr))
            error.text = QString::fromWCharArray(text);
        // The library's errno may have been overwritten while it wrote its
        // message; opening the node again ourselves tells for sure.
        error.errorNumber = InputReportNode::openErrno(normalized);
        if (error.errorNumber == 0)
            error.errorNumber = libraryErrno;
        qCDebug(lcHid).noquote() << "cannot open" << normalized << error.errorNumber << error.text;
        QMutexLocker locker(&m_handlesMutex);
        m_openErrors.insert(normalized, error);
        return nullptr;
    }
    auto handle = std::make_unique<Handle>(device, InputReportNode::open(normalized));
    Handle *raw = handle.get();
    QMutexLocker locker(&m_handlesMutex);
    m_openErrors.remove(normalized);
    m_handles.push_back(std::move(handle));
    return raw;
}

HidOpenError HidapiBackend::openError(const QByteArray &path)
{
    QMutexLocker locker(&m_handlesMutex);
    return m_openErrors.value(normalizePath(path));
}

HidapiBackend::Handle *HidapiBackend::handle(HidDevice *device) const
{
    return static_cast<Handle *>(device);
}

void HidapiBackend::close(HidDevice *device)
{
    Handle *h = handle(device);
    if (!h || h->m_closing.fetchAndStoreOrdered(1))
        return;
    if (h->m_node)
        h->m_node->interrupt();
    // Without a node, waits at most one read slice for a blocked reader to
    // notice.
    QWriteLocker locker(&h->m_lock);
    hid_close(h->m_device);
    h->m_device = nullptr;
    h->m_node.reset();
}

int HidapiBackend::setNonblocking(HidDevice *device, int nonblock)
{
    Handle *h = handle(device);
    if (!h)
        return -1;
    QReadLocker locker(&h->m_lock);
    if (!h->m_device)
        return -1;
    h->m_nonblocking = nonblock ? 1 : 0;
    return 0;
}

int HidapiBackend::read(HidDevice *device, unsigned char *data, std::size_t length, int timeoutMs)
{
    Handle *h = handle(device);
    if (!h)
        return -1;
    QReadLocker locker(&h->m_lock);
    if (!h->m_device || h->m_closing.loadAcquire())
        return -1;
    if (timeoutMs < 0 && h->m_nonblocking.loadRelaxed())
        timeoutMs = 0;
    if (h->m_node)
        return h->m_node->read(data, length, timeoutMs);
    if (timeoutMs >= 0 && timeoutMs <= kReadSliceMs)
        return hid_read_timeout(h->m_device, data, length, timeoutMs);

    int remaining = timeoutMs;
    for (;;) {
        const int slice = (remaining < 0 || remaining > kReadSliceMs) ? kReadSliceMs : remaining;
        const int n = hid_read_timeout(h->m_device, data, length, slice);
        if (n != 0)
            return n;
        if (h->m_closing.loadAcquire())
            return -1;
        if (remaining >= 0) {
            remaining -= slice;
            if (remaining <= 0)
                return 0;
        }
    }
}

int HidapiBackend::sendFeatureReport(HidDevice *device, const unsigned char *data,
                                     std::size_t length)
{
    Handle *h = handle(device);
    if (!h)
        return -1;
    QReadLocker locker(&h->m_lock);
    if (!h->m_device)
        return -1;
    return hid_send_feature_report(h->m_device, data, length);
}

int HidapiBackend::getFeatureReport(HidDevice *device, unsigned char *data, std::size_t length)
{
    Handle *h = handle(device);
    if (!h)
        return -1;
    QReadLocker locker(&h->m_lock);
    if (!h->m_device)
        return -1;
    return hid_get_feature_report(h->m_device, data, length);
}

quint16 HidapiBackend::releaseNumber(const QByteArray &path)
{
    hid_device *device = hid_open_path(normalizePath(path).constData());
    if (!device)
        return 0;
    quint16 release = 0;
    if (hid_device_info *info = hid_get_device_info(device))
        release = info->release_number;
    hid_close(device);
    return release;
}
