#pragma once

#include <QString>

// The lock every writer of the data folder's files holds for its
// read-modify-write: the window's saves and profile commands, and each
// korvalen-ctl command that writes. One lock file for the whole folder,
// because one change may span a model's Config.ini and its profile files.
// A lock left by a process that died is taken over. The lock is
// re-entrant within a process (any thread), so a writer may call other
// writers while it holds it.
class DataFolderLock
{
public:
    // Waits up to ten seconds for another process to let go.
    DataFolderLock();
    ~DataFolderLock();

    DataFolderLock(const DataFolderLock &) = delete;
    DataFolderLock &operator=(const DataFolderLock &) = delete;

    // False when another process held the lock past the wait, or the lock
    // file could not be made (a read-only folder: the writes that follow
    // then fail and say so themselves).
    bool isLocked() const { return m_locked; }
    // Set only when another process held the lock past the wait: the
    // writer must not go on.
    QString problem() const { return m_problem; }

    // "<data folder>/.lock".
    static QString path();

private:
    bool m_locked = false;
    QString m_problem;
};
