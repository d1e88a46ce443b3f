#include "platform/SingleInstance.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

namespace {

// Per user: the runtime directory belongs to the user alone.
QString runtimeDir()
{
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return dir.isEmpty() ? QDir::tempPath() : dir;
}

class LockFileInstance final : public SingleInstance
{
public:
    LockFileInstance() : m_lock(lockPath())
    {
        // Only a lock whose process is gone counts as stale, however old.
        m_lock.setStaleLockTime(0);
    }

    bool tryAcquire() override { return m_lock.isLocked() || m_lock.tryLock(0); }

private:
    static QString lockPath() { return runtimeDir() + QStringLiteral("/korvalen-config.lock"); }

    QLockFile m_lock;
};

} // namespace

QString SingleInstance::showChannelName()
{
    return runtimeDir() + QStringLiteral("/korvalen-config.show");
}

std::unique_ptr<SingleInstance> SingleInstance::create()
{
    return std::make_unique<LockFileInstance>();
}
