#pragma once

#include <QByteArray>

#include <cstddef>
#include <memory>

// Input reports read straight from a HID device's node, with a wait that
// another thread can cut short. A reader blocked here costs nothing while
// the mouse is silent, and closing the device wakes it at once.
//
// Linux: a second open file of the hidraw node (every open file receives
// every input report, so the hidapi handle on the same node loses nothing
// it needs) polled together with an eventfd. Windows: not available;
// open() returns null and the caller reads through hidapi.
class InputReportNode
{
public:
    // Null when the node cannot be opened this way.
    static std::unique_ptr<InputReportNode> open(const QByteArray &path);

    // The error number with which opening the node for reading and writing
    // fails (EACCES without a udev rule), 0 when it opens or cannot tell.
    static int openErrno(const QByteArray &path);

    virtual ~InputReportNode() = default;

    // One input report, as the node delivers it. timeoutMs -1 waits for
    // ever, 0 only looks. Returns the number of bytes, 0 on timeout, -1 on
    // failure, unplug, or once interrupt() was called.
    virtual int read(unsigned char *data, std::size_t length, int timeoutMs) = 0;

    // Makes a read in flight, and every later one, return -1 at once.
    // Callable from any thread.
    virtual void interrupt() = 0;
};
