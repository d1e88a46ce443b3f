#pragma once

#include <QString>
#include <QVector>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

// A plain X client for the tests: a mapped window that holds the input
// focus and records the key events the server delivers to it. Like a
// desktop program it reads its events as they come, in a thread of its
// own, and translates each key at once, so a keysym bound only for a
// pulse is seen. Xlib stays inside the .cpp, away from Qt's names.
struct RecordedKey
{
    unsigned long keysym; // of the key's first level
    bool press;
    unsigned long time; // server time, ms
};

class XKeyRecorder
{
public:
    XKeyRecorder() = default;
    ~XKeyRecorder();
    XKeyRecorder(const XKeyRecorder &) = delete;
    XKeyRecorder &operator=(const XKeyRecorder &) = delete;

    // Connects to DISPLAY, maps the window and focuses it.
    bool open();

    // The key events received since the last call, in order. A marker sent
    // through the server first makes sure everything sent before the call
    // has been read.
    QVector<RecordedKey> take();

    // "XF86Back down", "Control_L up": readable in a failed comparison.
    static QString describe(unsigned long keysym, bool press);

private:
    void run();

    struct _XDisplay *m_display = nullptr; // the reading thread's own
    struct _XDisplay *m_control = nullptr; // sends the markers
    unsigned long m_window = 0;
    std::thread m_thread;
    std::atomic<bool> m_stop{false};
    std::mutex m_mutex;
    std::condition_variable m_arrived;
    QVector<RecordedKey> m_keys;
    long m_markersSent = 0;
    long m_markersSeen = 0;
};
