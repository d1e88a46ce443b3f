#pragma once

#include <QString>
#include <QVector>

// A plain X client for the tests: a mapped window that holds the input
// focus and records the key events the server delivers to it. Xlib stays
// inside the .cpp, away from Qt's names.
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

    // The key events received since the last call, in order. A round trip
    // first makes sure everything sent before the call has arrived.
    QVector<RecordedKey> take();

    // "XF86Back down", "Control_L up": readable in a failed comparison.
    static QString describe(unsigned long keysym, bool press);

private:
    struct _XDisplay *m_display = nullptr;
    unsigned long m_window = 0;
};
