#pragma once

#include <QThread>

#include <atomic>
#include <condition_variable>
#include <mutex>

class HidDevice;

// The loop both reader threads share: wait 100 ms, read one input report
// from the thread's interface (blocking), hand it to decode(). The handle
// is read afresh from the process-wide value before every use, so a closed
// handle makes the read fail and a stopped thread then ends. While the
// mouse sends nothing the thread sleeps in the read and never wakes.
class VornHidReader : public QThread
{
    Q_OBJECT

public:
    static constexpr int kReportSize = 8;

    ~VornHidReader() override;

    // Reader objects in existence: a stopped reader must go once its loop
    // has ended, and never before.
    static int liveCount() { return s_live.load(); }

    // Asks the loop to end; it does once its current read returns, or at
    // once when it is in the pause between reads.
    void stop();
    bool stopRequested() const { return isStop; }

    std::atomic<bool> isStop{false};

protected:
    VornHidReader(int interfaceIndex, const char *name, const char *traceWord,
                  const char *stopMessage);
    void run() override;
    virtual void decode(const unsigned char *report) = 0;

private:
    HidDevice *handle() const;
    void pause();

    static std::atomic<int> s_live;
    std::mutex m_pauseMutex;
    std::condition_variable m_pauseEnd;
    const int m_interfaceIndex;
    const char *m_name;
    const char *m_traceWord;
    const char *m_stopMessage;
};

// Interface 0: performs the host actions the mouse asks for.
class VornHidReadThread : public VornHidReader
{
    Q_OBJECT

public:
    VornHidReadThread();

    // The host-action code of an interface-0 report, or 0 when the report
    // asks for none.
    static quint8 hostActionCode(const unsigned char *report);

protected:
    void decode(const unsigned char *report) override;
};

// Interface 1: turns the mouse's status reports into signals.
class VornHidReadThread2 : public VornHidReader
{
    Q_OBJECT

public:
    VornHidReadThread2();

    // Emits the signal the report stands for; other reports are ignored.
    void decodeReport(const unsigned char *report) { decode(report); }

signals:
    void RefreshProfile(quint8 iProfile);
    void RefreshLightModeSignal(quint8 iBuff1, quint8 iBuff2);
    void RefreshDPIStage(quint8 iDPI);
    void RefreshPollRate(quint8 iRate);

protected:
    void decode(const unsigned char *report) override;
};
