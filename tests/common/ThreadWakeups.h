#pragma once

#include <QDir>
#include <QFile>
#include <QMap>
#include <QString>

// The threads of this process as the kernel counts them. A thread that
// blocks and is woken again adds one voluntary context switch: the count
// a laptop's power report sums up as wake-ups.
struct ThreadWakeups
{
    QString name; // as the thread named itself, cut to 15 characters
    qint64 wakeups = 0;
};

// Thread ID -> name and wake-ups so far, for the threads whose name starts
// with prefix (every thread for an empty prefix), of this process or of
// process `pid`.
inline QMap<int, ThreadWakeups> threadWakeups(const QString &prefix = QString(), qint64 pid = 0)
{
    QMap<int, ThreadWakeups> threads;
    const QDir tasks(pid ? QStringLiteral("/proc/%1/task").arg(pid)
                         : QStringLiteral("/proc/self/task"));
    const QStringList ids = tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &id : ids) {
        QFile comm(tasks.filePath(id + QStringLiteral("/comm")));
        QFile status(tasks.filePath(id + QStringLiteral("/status")));
        if (!comm.open(QIODevice::ReadOnly) || !status.open(QIODevice::ReadOnly))
            continue; // ended meanwhile
        ThreadWakeups thread;
        thread.name = QString::fromLocal8Bit(comm.readAll()).trimmed();
        if (!thread.name.startsWith(prefix))
            continue;
        const QList<QByteArray> lines = status.readAll().split('\n');
        for (const QByteArray &line : lines) {
            if (line.startsWith("voluntary_ctxt_switches:"))
                thread.wakeups = line.mid(line.indexOf(':') + 1).trimmed().toLongLong();
        }
        threads.insert(id.toInt(), thread);
    }
    return threads;
}

// Wake-ups the threads named by prefix had between two samples; threads
// that started in between count from zero.
inline qint64 wakeupsBetween(const QMap<int, ThreadWakeups> &before,
                             const QMap<int, ThreadWakeups> &after)
{
    qint64 total = 0;
    for (auto it = after.cbegin(); it != after.cend(); ++it)
        total += it->wakeups - before.value(it.key()).wakeups;
    return total;
}
