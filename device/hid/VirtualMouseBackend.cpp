#include "device/hid/VirtualMouseBackend.h"

#include "device/DeviceLog.h"
#include "store/ConfigFile.h"

#include <QDeadlineTimer>

#include <algorithm>
#include <cerrno>
#include <cstring>

struct VirtualMouseBackend::Mouse
{
    QString name;
    quint16 vendorId = 0;
    quint16 productId = 0;
    quint16 release = 0;
    quint16 usage[2] = {0, 0};
    quint16 usagePage[2] = {0, 0};

    bool plugged = false;
    quint64 generation = 0; // bumped at every plug and unplug
    QByteArray memory = QByteArray(kMemorySize, '\0');
    bool readArmed = false;
    int readAddress = 0;
    int readLength = 0;
    QByteArray refreshes;
    QByteArray modes;

    int failCountdown = 0;
    bool denied = false; // opening fails with EACCES, as without a udev rule
    bool failAll = false;
    int unplugCountdown = 0;
};

class VirtualMouseBackend::Handle final : public HidDevice
{
public:
    Mouse *mouse = nullptr;
    int interfaceIndex = 0;
    quint64 generation = 0;
    bool closed = false;
    bool nonblocking = false;
    QList<QByteArray> queue;
};

namespace {

int reportLength(unsigned char reportId)
{
    switch (reportId) {
    case 2:
        return 16;
    case 3:
        return 64;
    case 4:
        return 1024;
    default:
        return -1;
    }
}

int profileBase(int profile)
{
    static const int bases[5] = {0x040, 0x100, 0x1B0, 0x260, 0x310};
    return bases[std::clamp(profile, 0, 4)];
}

} // namespace

VirtualMouseBackend::VirtualMouseBackend(const QStringList &names, QObject *parent)
    : QObject(parent)
{
    qRegisterMetaType<DeviceNotice>();
    for (const QString &name : names) {
        auto mouse = std::make_unique<Mouse>();
        mouse->name = name;
        m_mice.push_back(std::move(mouse));
    }
}

VirtualMouseBackend::~VirtualMouseBackend() = default;

QByteArray VirtualMouseBackend::pathOf(const QString &name, int interfaceIndex)
{
    return "virtual/" + name.toUtf8() + '/' + QByteArray::number(interfaceIndex);
}

bool VirtualMouseBackend::resolveIdentity(Mouse &mouse) const
{
    // The first row with the name among those the count admits, as the
    // catalogue itself would find it.
    const MouseListSection list = readMouseListSection(kMouseListRows);
    const auto end = list.rows.cbegin() + int(qMin(list.count, quint32(kMouseListRows)));
    const auto e = std::find_if(list.rows.cbegin(), end, [&](const MouseListRow &row) {
        return row.productName == mouse.name && row.refusal.isEmpty();
    });
    if (e == end) {
        qCWarning(lcHid) << "virtual mouse" << mouse.name << "has no catalogue entry";
        return false;
    }
    mouse.vendorId = quint16(e->vendorId);
    mouse.productId = quint16(e->productId);
    mouse.release = quint16(e->versionMax == 0 ? 0x0100 : e->versionMin);
    mouse.usage[0] = quint16(e->usage0);
    mouse.usagePage[0] = quint16(e->usagePage0);
    mouse.usage[1] = quint16(e->usage1);
    mouse.usagePage[1] = quint16(e->usagePage1);
    return true;
}

VirtualMouseBackend::Mouse *VirtualMouseBackend::find(const QString &name) const
{
    for (const auto &m : m_mice) {
        if (m->name == name)
            return m.get();
    }
    return nullptr;
}

VirtualMouseBackend::Mouse *VirtualMouseBackend::findByPath(const QByteArray &path,
                                                            int *interfaceIndex) const
{
    for (const auto &m : m_mice) {
        for (int i = 0; i < 2; ++i) {
            if (pathOf(m->name, i) == path) {
                *interfaceIndex = i;
                return m.get();
            }
        }
    }
    return nullptr;
}

bool VirtualMouseBackend::plugLocked(Mouse &mouse, QVector<DeviceNotice> *notices)
{
    if (mouse.plugged || !resolveIdentity(mouse))
        return false;
    mouse.plugged = true;
    ++mouse.generation;
    mouse.memory.fill('\0');
    mouse.readArmed = false;
    mouse.refreshes.clear();
    mouse.modes.clear();
    if (notices) {
        for (int i = 0; i < 2; ++i) {
            DeviceNotice n;
            n.arrived = true;
            n.path = pathOf(mouse.name, i);
            n.vendorId = mouse.vendorId;
            n.productId = mouse.productId;
            n.usagePage = mouse.usagePage[i];
            n.usage = mouse.usage[i];
            notices->append(n);
        }
    }
    return true;
}

void VirtualMouseBackend::unplugLocked(Mouse &mouse, QVector<DeviceNotice> *notices)
{
    mouse.plugged = false;
    ++mouse.generation;
    m_inputArrived.wakeAll();
    for (int i = 0; i < 2; ++i) {
        DeviceNotice n;
        n.arrived = false;
        n.path = pathOf(mouse.name, i);
        n.vendorId = mouse.vendorId;
        n.productId = mouse.productId;
        notices->append(n);
    }
}

void VirtualMouseBackend::emitNotices(const QVector<DeviceNotice> &notices)
{
    for (const DeviceNotice &n : notices)
        emit deviceNotice(n);
}

int VirtualMouseBackend::init()
{
    QMutexLocker locker(&m_mutex);
    if (!m_started) {
        m_started = true;
        for (auto &m : m_mice)
            plugLocked(*m, nullptr);
    }
    return 0;
}

int VirtualMouseBackend::exit()
{
    return 0;
}

QVector<HidDeviceInfo> VirtualMouseBackend::enumerate(quint16 vendorId, quint16 productId)
{
    QMutexLocker locker(&m_mutex);
    QVector<HidDeviceInfo> result;
    for (const auto &m : m_mice) {
        if (!m->plugged)
            continue;
        if ((vendorId && vendorId != m->vendorId) || (productId && productId != m->productId))
            continue;
        for (int i = 0; i < 2; ++i) {
            HidDeviceInfo info;
            info.path = pathOf(m->name, i);
            info.vendorId = m->vendorId;
            info.productId = m->productId;
            info.releaseNumber = m->release;
            info.usagePage = m->usagePage[i];
            info.usage = m->usage[i];
            info.interfaceNumber = i; // one interface a collection, as the mouse has
            info.product = m->name;
            result.append(info);
        }
    }
    return result;
}

HidDevice *VirtualMouseBackend::openPath(const QByteArray &path)
{
    QMutexLocker locker(&m_mutex);
    int interfaceIndex = 0;
    Mouse *mouse = findByPath(path, &interfaceIndex);
    if (!mouse || !mouse->plugged || mouse->denied)
        return nullptr;
    auto handle = std::make_unique<Handle>();
    handle->mouse = mouse;
    handle->interfaceIndex = interfaceIndex;
    handle->generation = mouse->generation;
    m_handles.push_back(std::move(handle));
    return m_handles.back().get();
}

VirtualMouseBackend::Handle *VirtualMouseBackend::liveHandle(HidDevice *device) const
{
    auto *h = static_cast<Handle *>(device);
    if (!h || h->closed || !h->mouse->plugged || h->generation != h->mouse->generation)
        return nullptr;
    return h;
}

void VirtualMouseBackend::close(HidDevice *device)
{
    if (!device)
        return;
    QMutexLocker locker(&m_mutex);
    auto *h = static_cast<Handle *>(device);
    h->closed = true;
    h->queue.clear();
    m_inputArrived.wakeAll();
}

int VirtualMouseBackend::setNonblocking(HidDevice *device, int nonblock)
{
    QMutexLocker locker(&m_mutex);
    Handle *h = liveHandle(device);
    if (!h)
        return -1;
    h->nonblocking = nonblock != 0;
    return 0;
}

int VirtualMouseBackend::read(HidDevice *device, unsigned char *data, std::size_t length,
                              int timeoutMs)
{
    QMutexLocker locker(&m_mutex);
    if (timeoutMs < 0 && device && static_cast<Handle *>(device)->nonblocking)
        timeoutMs = 0;
    QDeadlineTimer deadline(timeoutMs < 0 ? QDeadlineTimer::Forever
                                          : QDeadlineTimer(qint64(timeoutMs)));
    for (;;) {
        Handle *h = liveHandle(device);
        if (!h)
            return -1;
        if (!h->queue.isEmpty()) {
            const QByteArray report = h->queue.takeFirst();
            const std::size_t n = std::min(length, std::size_t(report.size()));
            std::memcpy(data, report.constData(), n);
            return int(n);
        }
        if (deadline.hasExpired())
            return 0;
        m_inputArrived.wait(&m_mutex, deadline);
    }
}

bool VirtualMouseBackend::beginReportLocked(Mouse &mouse, bool *unplugAfter)
{
    *unplugAfter = mouse.unplugCountdown > 0 && --mouse.unplugCountdown == 0;
    if (mouse.failAll)
        return false;
    if (mouse.failCountdown > 0 && --mouse.failCountdown == 0)
        return false;
    return true;
}

void VirtualMouseBackend::finishReportLocked(Mouse &mouse, bool unplugAfter,
                                             QVector<DeviceNotice> *notices)
{
    if (unplugAfter && mouse.plugged)
        unplugLocked(mouse, notices);
}

int VirtualMouseBackend::featureReport(HidDevice *device, const unsigned char *data,
                                       std::size_t length, const std::function<int(Mouse &)> &body)
{
    QVector<DeviceNotice> notices;
    int result = -1;
    {
        QMutexLocker locker(&m_mutex);
        Handle *h = liveHandle(device);
        if (!h || h->interfaceIndex != 1 || !data || length == 0)
            return -1;
        Mouse &m = *h->mouse;
        bool unplugAfter = false;
        if (beginReportLocked(m, &unplugAfter) && reportLength(data[0]) == int(length))
            result = body(m);
        finishReportLocked(m, unplugAfter, &notices);
    }
    emitNotices(notices);
    return result;
}

int VirtualMouseBackend::sendFeatureReport(HidDevice *device, const unsigned char *data,
                                           std::size_t length)
{
    return featureReport(device, data, length, [data, length](Mouse &m) {
        const int address = data[2] | (data[3] << 8);
        const int count = data[4];
        switch (data[1]) {
        case 0xF3:
            if (8 + count > int(length) || address + count > kMemorySize)
                return -1;
            std::memcpy(m.memory.data() + address, data + 8, size_t(count));
            return int(length);
        case 0xF2:
            if (address + count > kMemorySize)
                return -1;
            m.readArmed = true;
            m.readAddress = address;
            m.readLength = count;
            return int(length);
        case 0xF1:
            m.refreshes.append(char(data[3]));
            return int(length);
        case 0xF5:
            m.modes.append(char(data[2]));
            return int(length);
        default:
            return -1;
        }
    });
}

int VirtualMouseBackend::getFeatureReport(HidDevice *device, unsigned char *data,
                                          std::size_t length)
{
    return featureReport(device, data, length, [data, length](Mouse &m) {
        const unsigned char reportId = data[0];
        std::memset(data, 0, length);
        data[0] = reportId;
        data[1] = 0xF2;
        if (m.readArmed && 8 + m.readLength <= int(length)) {
            data[2] = uchar(m.readAddress & 0xFF);
            data[3] = uchar(m.readAddress >> 8);
            data[4] = uchar(m.readLength);
            std::memcpy(data + 8, m.memory.constData() + m.readAddress, size_t(m.readLength));
        }
        m.readArmed = false;
        return int(length);
    });
}

quint16 VirtualMouseBackend::releaseNumber(const QByteArray &path)
{
    QMutexLocker locker(&m_mutex);
    int interfaceIndex = 0;
    const Mouse *mouse = findByPath(path, &interfaceIndex);
    return mouse && mouse->plugged ? mouse->release : 0;
}

bool VirtualMouseBackend::plug(const QString &name)
{
    QVector<DeviceNotice> notices;
    bool ok = false;
    {
        QMutexLocker locker(&m_mutex);
        m_started = true;
        Mouse *m = find(name);
        if (!m) {
            m_mice.push_back(std::make_unique<Mouse>());
            m = m_mice.back().get();
            m->name = name;
        }
        ok = plugLocked(*m, &notices);
    }
    emitNotices(notices);
    return ok;
}

bool VirtualMouseBackend::unplug(const QString &name)
{
    QVector<DeviceNotice> notices;
    {
        QMutexLocker locker(&m_mutex);
        Mouse *m = find(name);
        if (!m || !m->plugged)
            return false;
        unplugLocked(*m, &notices);
    }
    emitNotices(notices);
    return true;
}

bool VirtualMouseBackend::isPlugged(const QString &name) const
{
    QMutexLocker locker(&m_mutex);
    const Mouse *m = find(name);
    return m && m->plugged;
}

QStringList VirtualMouseBackend::names() const
{
    QMutexLocker locker(&m_mutex);
    QStringList result;
    for (const auto &m : m_mice)
        result << m->name;
    return result;
}

void VirtualMouseBackend::queueLocked(Mouse &mouse, int interfaceIndex, const QByteArray &report)
{
    // Like an operating system, each open handle gets its own copy, and a
    // report nobody has open is lost.
    for (const auto &h : m_handles) {
        if (h->mouse == &mouse && h->interfaceIndex == interfaceIndex && !h->closed &&
            h->generation == mouse.generation)
            h->queue.append(report);
    }
    m_inputArrived.wakeAll();
}

bool VirtualMouseBackend::queueInputReport(const QString &name, int interfaceIndex,
                                           const QByteArray &report)
{
    return actOnPluggedMouse(name, [this, interfaceIndex, &report](Mouse &m) {
        if (interfaceIndex < 0 || interfaceIndex > 1)
            return false;
        queueLocked(m, interfaceIndex, report);
        return true;
    });
}

namespace {

QByteArray statusReport(int kind, int b2, int b3 = 0, int b5 = 0)
{
    QByteArray report(VirtualMouseBackend::kInputReportSize, '\0');
    report[0] = char(8);
    report[1] = char(kind);
    report[2] = char(b2);
    report[3] = char(b3);
    report[5] = char(b5);
    return report;
}

int reportRateAddress(int profile)
{
    return profile < 3 ? 0x032 + 2 * profile : 0x038 + 2 * (profile - 3);
}

} // namespace

bool VirtualMouseBackend::actOnPluggedMouse(const QString &name,
                                            const std::function<bool(Mouse &)> &action)
{
    QMutexLocker locker(&m_mutex);
    Mouse *m = find(name);
    return m && m->plugged && action(*m);
}

bool VirtualMouseBackend::switchProfile(const QString &name, int profile)
{
    return actOnPluggedMouse(name, [this, profile](Mouse &m) {
        if (profile < 0 || profile > 4)
            return false;
        m.memory[0x02C] = char(profile);
        queueLocked(m, 1, statusReport(1, profile));
        return true;
    });
}

bool VirtualMouseBackend::switchDpiStage(const QString &name, int stage)
{
    return actOnPluggedMouse(name, [this, stage](Mouse &m) {
        if (stage < 0 || stage > 4)
            return false;
        m.memory[profileBase(m.memory.at(0x02C)) + 2] = char(stage);
        queueLocked(m, 1, statusReport(2, stage));
        return true;
    });
}

bool VirtualMouseBackend::switchReportRate(const QString &name, int code)
{
    return actOnPluggedMouse(name, [this, code](Mouse &m) {
        if (code < 0 || code > 255)
            return false;
        m.memory[reportRateAddress(std::clamp(int(m.memory.at(0x02C)), 0, 4))] = char(code);
        queueLocked(m, 1, statusReport(6, code));
        return true;
    });
}

bool VirtualMouseBackend::switchLighting(const QString &name, int code, int variant)
{
    return actOnPluggedMouse(name, [this, code, variant](Mouse &m) {
        if (code < 0 || code > 255 || variant < 0 || variant > 255)
            return false;
        const int address = 0x449 + 8 * std::clamp(int(m.memory.at(0x02C)), 0, 4);
        m.memory[address + 3] = char(code);
        m.memory[address + 5] = char(variant);
        queueLocked(m, 1, statusReport(9, 0, code, variant));
        return true;
    });
}

bool VirtualMouseBackend::pressHostAction(const QString &name, int code)
{
    return actOnPluggedMouse(name, [this, code](Mouse &m) {
        if (code < 0 || code > 255)
            return false;
        QByteArray report(kInputReportSize, '\0');
        report[0] = char(1);
        report[1] = char(0xFF);
        report[2] = char(code);
        queueLocked(m, 0, report);
        return true;
    });
}

bool VirtualMouseBackend::failNthReport(const QString &name, int n)
{
    QMutexLocker locker(&m_mutex);
    Mouse *m = find(name);
    if (!m || n < 0)
        return false;
    m->failCountdown = n;
    return true;
}

HidOpenError VirtualMouseBackend::openError(const QByteArray &path)
{
    QMutexLocker locker(&m_mutex);
    int interfaceIndex = 0;
    const Mouse *mouse = findByPath(path, &interfaceIndex);
    if (!mouse || !mouse->plugged || !mouse->denied)
        return {};
    return {EACCES, QStringLiteral("Permission denied")};
}

bool VirtualMouseBackend::denyAccess(const QString &name, bool deny)
{
    QMutexLocker locker(&m_mutex);
    Mouse *m = find(name);
    if (!m)
        return false;
    m->denied = deny;
    return true;
}

bool VirtualMouseBackend::failAllReports(const QString &name, bool fail)
{
    QMutexLocker locker(&m_mutex);
    Mouse *m = find(name);
    if (!m)
        return false;
    m->failAll = fail;
    return true;
}

bool VirtualMouseBackend::unplugAfterReport(const QString &name, int n)
{
    QMutexLocker locker(&m_mutex);
    Mouse *m = find(name);
    if (!m || n < 0)
        return false;
    m->unplugCountdown = n;
    return true;
}

QByteArray VirtualMouseBackend::memory(const QString &name, int address, int length) const
{
    QMutexLocker locker(&m_mutex);
    const Mouse *m = find(name);
    if (!m || address < 0 || length < 0 || address + length > kMemorySize)
        return QByteArray();
    return m->memory.mid(address, length);
}

bool VirtualMouseBackend::setMemory(const QString &name, int address, const QByteArray &bytes)
{
    QMutexLocker locker(&m_mutex);
    Mouse *m = find(name);
    if (!m || !m->plugged || address < 0 || address + bytes.size() > kMemorySize)
        return false;
    m->memory.replace(address, bytes.size(), bytes);
    return true;
}

QByteArray VirtualMouseBackend::refreshes(const QString &name) const
{
    QMutexLocker locker(&m_mutex);
    const Mouse *m = find(name);
    return m ? m->refreshes : QByteArray();
}

QByteArray VirtualMouseBackend::modes(const QString &name) const
{
    QMutexLocker locker(&m_mutex);
    const Mouse *m = find(name);
    return m ? m->modes : QByteArray();
}
