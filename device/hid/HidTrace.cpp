#include "device/hid/HidTrace.h"

#include "device/DeviceLog.h"

HidTrace::HidTrace(std::unique_ptr<HidApi> inner, const QString &fileName)
    : m_inner(std::move(inner)), m_file(fileName)
{
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text))
        qCWarning(lcHid) << "cannot open the HID trace" << fileName << ":" << m_file.errorString();
    m_clock.start();
}

HidTrace::~HidTrace() = default;

QByteArray HidTrace::formatCall(const char *op, int interfaceTag, const unsigned char *data,
                                std::size_t length, bool failed)
{
    QByteArray line(op);
    line += ' ';
    line += QByteArray::number(interfaceTag);
    line += ' ';
    if (data && length)
        line += QByteArray::fromRawData(reinterpret_cast<const char *>(data), int(length)).toHex();
    if (failed)
        line += " ERR";
    return line;
}

void HidTrace::write(const char *op, HidDevice *device, const unsigned char *data,
                     std::size_t length, bool failed)
{
    QMutexLocker locker(&m_mutex);
    if (!m_file.isOpen())
        return;
    const qint64 ns = m_clock.nsecsElapsed();
    QByteArray line = QByteArray::number(double(ns / 100000) / 10.0, 'f', 1);
    line += ' ';
    line += formatCall(op, device ? device->interfaceTag() : -1, data, length, failed);
    line += '\n';
    m_file.write(line);
    // Flushed per line so that a crash or a hang still leaves the trace.
    m_file.flush();
}

int HidTrace::init()
{
    return m_inner->init();
}

int HidTrace::exit()
{
    return m_inner->exit();
}

QVector<HidDeviceInfo> HidTrace::enumerate(quint16 vendorId, quint16 productId)
{
    return m_inner->enumerate(vendorId, productId);
}

HidDevice *HidTrace::openPath(const QByteArray &path)
{
    return m_inner->openPath(path);
}

HidOpenError HidTrace::openError(const QByteArray &path)
{
    return m_inner->openError(path);
}

void HidTrace::close(HidDevice *device)
{
    m_inner->close(device);
}

int HidTrace::setNonblocking(HidDevice *device, int nonblock)
{
    return m_inner->setNonblocking(device, nonblock);
}

int HidTrace::read(HidDevice *device, unsigned char *data, std::size_t length, int timeoutMs)
{
    const int n = m_inner->read(device, data, length, timeoutMs);
    // A read that timed out carried no report and leaves no line.
    if (n != 0)
        write("read", device, data, n > 0 ? std::size_t(n) : 0, n < 0);
    return n;
}

int HidTrace::sendFeatureReport(HidDevice *device, const unsigned char *data, std::size_t length)
{
    const int n = m_inner->sendFeatureReport(device, data, length);
    write("set_feature", device, data, length, n < 0);
    return n;
}

int HidTrace::getFeatureReport(HidDevice *device, unsigned char *data, std::size_t length)
{
    const int n = m_inner->getFeatureReport(device, data, length);
    write("get_feature", device, data, n > 0 ? std::size_t(n) : 0, n < 0);
    return n;
}

quint16 HidTrace::releaseNumber(const QByteArray &path)
{
    return m_inner->releaseNumber(path);
}
