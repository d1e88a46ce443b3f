#pragma once

#include <QObject>

class QLocalServer;
class VirtualMouseBackend;

// Lets tests and demos drive the virtual mice from another process: one
// command per line on a local socket, one line of answer ("ok",
// "error: ...", or the data asked for).
//
//   plug NAME | unplug NAME | profile NAME P | dpi NAME S | rate NAME CODE
//   light NAME CODE VARIANT | host NAME CODE | fail NAME N
//   memory NAME ADDR LEN (answer: hex) | refreshes NAME (answer: area codes)
//
// NAME may contain spaces; numbers are decimal or 0x-prefixed hex.
//
// It lives in korvalen_vmcontrol, outside the core: only the window offers
// the socket, and korvalen-ctl then needs no Qt Network.
class VirtualMouseControl final : public QObject
{
    Q_OBJECT

public:
    VirtualMouseControl(VirtualMouseBackend *backend, QObject *parent = nullptr);
    ~VirtualMouseControl() override;

    bool listen(const QString &socketPath);
    // Carries out one command line and returns the answer line.
    QString execute(const QString &line);

private:
    void onNewConnection();

    VirtualMouseBackend *m_backend;
    QLocalServer *m_server = nullptr;
};

// When KORVALEN_VIRTUAL_MOUSE_CONTROL names a socket and the process-wide
// backend has virtual mice, they listen there. False otherwise, or when the
// socket cannot be made.
bool listenForVirtualMouseControl();
