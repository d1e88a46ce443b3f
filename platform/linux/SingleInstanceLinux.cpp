#include "platform/SingleInstance.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

namespace {

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
    static QString lockPath()
    {
        QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
        if (dir.isEmpty())
            dir = QDir::tempPath();
        return dir + QStringLiteral("/korvalen-config.lock");
    }

    QLockFile m_lock;
};

} // namespace

std::unique_ptr<SingleInstance> SingleInstance::create()
{
    return std::make_unique<LockFileInstance>();
}
