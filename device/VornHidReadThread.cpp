#include "device/VornHidReadThread.h"

#include "device/DeviceContext.h"
#include "device/DeviceLog.h"
#include "device/hid/HidApi.h"

std::atomic<int> VornHidReader::s_live{0};

namespace {
// The pause before every read; a stop request ends it early, so that a
// reader between two reports never holds up a switch of mice.
constexpr std::chrono::milliseconds kPause{100};
} // namespace

VornHidReader::VornHidReader(int interfaceIndex, const char *name, const char *traceWord,
                             const char *stopMessage)
    : QThread(nullptr)
    , m_interfaceIndex(interfaceIndex)
    , m_name(name)
    , m_traceWord(traceWord)
    , m_stopMessage(stopMessage)
{
    ++s_live;
}

VornHidReader::~VornHidReader()
{
    --s_live;
}

void VornHidReader::stop()
{
    {
        std::lock_guard<std::mutex> lock(m_pauseMutex);
        isStop = true;
    }
    m_pauseEnd.notify_all();
}

void VornHidReader::pause()
{
    std::unique_lock<std::mutex> lock(m_pauseMutex);
    m_pauseEnd.wait_for(lock, kPause, [this] { return isStop.load(); });
}

HidDevice *VornHidReader::handle() const
{
    return m_interfaceIndex == 0 ? DeviceContext::interface0Handle()
                                 : DeviceContext::interface1Handle();
}

void VornHidReader::run()
{
    HidApi &hid = DeviceContext::hid();
    if (!handle())
        return;
    hid.setNonblocking(handle(), 0);
    qCDebug(lcDevice, "%s.", m_name);
    while (!isStop) {
        pause();
        if (isStop)
            break;
        HidDevice *h = handle();
        if (!h)
            continue;
        unsigned char report[kReportSize] = {};
        const int n = hid.read(h, report, kReportSize, -1);
        // A failed read (closed handle, unplugged mouse) is not an error
        // here: the next turn of the loop sees whether to stop.
        if (n <= 0)
            continue;
        qCDebug(lcDevice, "%s %x %x %x %x %x %x %x %x", m_traceWord, report[0], report[1],
                report[2], report[3], report[4], report[5], report[6], report[7]);
        decode(report);
    }
    qCDebug(lcDevice, "%s", m_stopMessage);
}

VornHidReadThread::VornHidReadThread()
    : VornHidReader(0, "VornHidReadThread", "Threadread1", "VornHidReadThread isStop.")
{}

quint8 VornHidReadThread::hostActionCode(const unsigned char *report)
{
    if (report[1] == 0xFF && report[2] >= 0x1F && report[2] <= 0x26)
        return report[2];
    return 0;
}

void VornHidReadThread::decode(const unsigned char *report)
{
    const quint8 code = hostActionCode(report);
    if (!code)
        return;
    if (const HostActionHandler perform = DeviceContext::hostActionHandler())
        perform(code);
}

VornHidReadThread2::VornHidReadThread2()
    : VornHidReader(1, "VornHidReadThread2", "Threadread2", "VornHidReadThread 2 isStop.")
{}

void VornHidReadThread2::decode(const unsigned char *report)
{
    if (report[0] != 8)
        return;
    switch (report[1]) {
    case 1:
        emit RefreshProfile(report[2]);
        break;
    case 2:
        emit RefreshDPIStage(report[2]);
        break;
    case 6:
        emit RefreshPollRate(report[2]);
        break;
    case 9:
        emit RefreshLightModeSignal(report[3], report[5]);
        break;
    default:
        break;
    }
}
