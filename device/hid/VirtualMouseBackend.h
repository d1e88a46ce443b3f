#pragma once

#include "device/DeviceNotice.h"
#include "device/hid/HidApi.h"

#include <QMutex>
#include <QObject>
#include <QStringList>
#include <QWaitCondition>

#include <functional>
#include <memory>
#include <vector>

// Simulated mice inside the process, for tests and demos on machines
// without hardware. Each mouse takes its identity (IDs, release, usages)
// from the first catalogue entry with its product name in the global
// Config.ini, so discovery finds it exactly as it finds a real one.
//
// The mouse side of the protocol: an 8 KiB configuration memory, zero at
// plug-in; feature reports on interface 1 only, report ID 2 of 16 bytes, 3
// of 64 and 4 of 1024; 0xF3 writes, 0xF2 arms a read that the next
// get-feature returns from byte 8, 0xF1 records a refresh area, 0xF5 a
// mode byte.
class VirtualMouseBackend final : public QObject, public HidApi
{
    Q_OBJECT

public:
    static constexpr int kMemorySize = 8192;
    static constexpr int kInputReportSize = 8;

    // The named models are plugged in when the library is first
    // initialised, as mice attached before the program started.
    explicit VirtualMouseBackend(const QStringList &names, QObject *parent = nullptr);
    ~VirtualMouseBackend() override;

    // HidApi
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

    // Plugging in and out raise the device notices the operating system
    // would: one per collection, interface 0 first.
    bool plug(const QString &name);
    bool unplug(const QString &name);
    bool isPlugged(const QString &name) const;
    QStringList names() const;

    // The mouse's own buttons: each updates the memory and queues the
    // status report of interface 1.
    bool switchProfile(const QString &name, int profile);
    bool switchDpiStage(const QString &name, int stage);
    bool switchReportRate(const QString &name, int code);
    bool switchLighting(const QString &name, int code, int variant);
    // A button with a host action: queues the interface-0 report.
    bool pressHostAction(const QString &name, int code);
    // Queues a raw input report on every open handle of the interface.
    bool queueInputReport(const QString &name, int interfaceIndex, const QByteArray &report);

    // Faults: the n-th next feature report (set or get) fails, 0 clears;
    // every report fails; the mouse is unplugged right after the n-th next
    // report, 0 clears.
    bool failNthReport(const QString &name, int n);
    bool failAllReports(const QString &name, bool fail);
    bool unplugAfterReport(const QString &name, int n);
    // Opening the mouse's collections fails with EACCES while deny is set.
    bool denyAccess(const QString &name, bool deny);

    // What the mouse has received.
    QByteArray memory(const QString &name, int address, int length) const;
    QByteArray refreshes(const QString &name) const;
    // Puts bytes into a plugged mouse's memory without a report, for a
    // memory carried over from an earlier run (korvalen-ctl).
    bool setMemory(const QString &name, int address, const QByteArray &bytes);
    QByteArray modes(const QString &name) const;

    static QByteArray pathOf(const QString &name, int interfaceIndex);

signals:
    // Emitted from whichever thread plugged or unplugged; connect queued.
    void deviceNotice(const DeviceNotice &notice);

private:
    struct Mouse;
    class Handle;

    Mouse *find(const QString &name) const;
    Mouse *findByPath(const QByteArray &path, int *interfaceIndex) const;
    bool resolveIdentity(Mouse &mouse) const;
    bool plugLocked(Mouse &mouse, QVector<DeviceNotice> *notices);
    void unplugLocked(Mouse &mouse, QVector<DeviceNotice> *notices);
    void queueLocked(Mouse &mouse, int interfaceIndex, const QByteArray &report);
    bool beginReportLocked(Mouse &mouse, bool *unplugAfter);
    void finishReportLocked(Mouse &mouse, bool unplugAfter, QVector<DeviceNotice> *notices);
    void emitNotices(const QVector<DeviceNotice> &notices);
    // Runs action under the lock on the named mouse if it is plugged in.
    bool actOnPluggedMouse(const QString &name, const std::function<bool(Mouse &)> &action);
    // The path every feature report takes: handle and interface checks,
    // fault injection, the report-length check, then body.
    int featureReport(HidDevice *device, const unsigned char *data, std::size_t length,
                      const std::function<int(Mouse &)> &body);
    Handle *liveHandle(HidDevice *device) const;

    mutable QMutex m_mutex;
    QWaitCondition m_inputArrived;
    std::vector<std::unique_ptr<Mouse>> m_mice;
    std::vector<std::unique_ptr<Handle>> m_handles;
    bool m_started = false;
};
