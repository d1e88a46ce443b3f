#pragma once

#include <QString>

#include <memory>

// One running copy per user session. Windows: the named mutex "KORVALEN
// Gaming Mouse Mutex". Linux: a lock file in the runtime directory; the
// lock of a process that died is taken over.
class SingleInstance
{
public:
    static std::unique_ptr<SingleInstance> create();
    virtual ~SingleInstance() = default;

    // True when this process is now the only instance. The claim is held
    // until the object is destroyed.
    virtual bool tryAcquire() = 0;

    // The local socket over which a later start asks the running instance
    // to show its window (see ShowRequests.h); one per user.
    static QString showChannelName();
};
