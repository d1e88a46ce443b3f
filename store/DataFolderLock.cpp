#include "store/DataFolderLock.h"

#include "store/DataFolder.h"
#include "store/StoreLog.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QLockFile>
#include <QMutex>
#include <QThread>

#include <memory>

namespace {

constexpr int kWaitMs = 10000;
constexpr int kPollMs = 10;

// The process's one hold on the lock file, shared by nested locks: a
// QLockFile of the same file would wait for this very process.
struct ProcessHold
{
    QRecursiveMutex mutex;
    int depth = 0;
    std::unique_ptr<QLockFile> file;
};

ProcessHold &hold()
{
    static ProcessHold h;
    return h;
}

} // namespace

QString DataFolderLock::path()
{
    return dataFolder() + QStringLiteral("/.lock");
}

DataFolderLock::DataFolderLock()
{
    ProcessHold &h = hold();
    h.mutex.lock();
    if (h.depth++ > 0) {
        m_locked = h.file != nullptr;
        return;
    }
    QDir().mkpath(dataFolder());
    auto file = std::make_unique<QLockFile>(path());
    // QLockFile's own wait doubles its sleep up to seconds; writers hold the
    // lock for a fraction of a second, so a short steady poll hands it on
    // sooner.
    QDeadlineTimer deadline(kWaitMs);
    while (!file->tryLock(0)) {
        if (file->error() != QLockFile::LockFailedError || deadline.hasExpired())
            break;
        QThread::msleep(kPollMs);
    }
    if (file->error() == QLockFile::NoError) {
        h.file = std::move(file);
        m_locked = true;
        return;
    }
    if (file->error() == QLockFile::LockFailedError) {
        m_problem = QStringLiteral("another program has held %1 for more than ten seconds")
                        .arg(QDir::toNativeSeparators(path()));
        qCWarning(lcStore).noquote() << "no writers' lock:" << m_problem;
        return;
    }
    // Without the lock file the folder cannot take the writes either; they
    // fail on their own and name their file.
    qCDebug(lcStore).noquote() << "cannot make the writers' lock" << path();
}

DataFolderLock::~DataFolderLock()
{
    ProcessHold &h = hold();
    if (--h.depth == 0)
        h.file.reset(); // unlocks and removes the file
    h.mutex.unlock();
}
