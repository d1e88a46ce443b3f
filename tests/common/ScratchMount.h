#pragma once

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QString>

// A small tmpfs mounted over a folder, with the folder's files copied in,
// made read-only or full on request: tests run as root, whom a folder
// without write permission does not stop. Mounting needs root and a
// kernel that lets the test do it; ok() is false where it cannot.
class ScratchMount
{
public:
    enum Fault { ReadOnly, Full };

    ScratchMount(const QString &folder, Fault fault) : m_folder(folder)
    {
        QMap<QString, QByteArray> files;
        QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile f(it.next());
            if (f.open(QIODevice::ReadOnly))
                files.insert(QDir(folder).relativeFilePath(f.fileName()), f.readAll());
        }
        if (!run({QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                  QStringLiteral("size=4m"), QStringLiteral("tmpfs"), folder}))
            return;
        m_mounted = true;
        for (auto f = files.cbegin(); f != files.cend(); ++f) {
            const QString path = folder + QLatin1Char('/') + f.key();
            QDir().mkpath(QFileInfo(path).path());
            QFile out(path);
            if (!out.open(QIODevice::WriteOnly) || out.write(f.value()) != f.value().size())
                return;
        }
        if (fault == ReadOnly) {
            m_ok = run({QStringLiteral("-o"), QStringLiteral("remount,ro"), folder});
            return;
        }
        // Filled to the last block.
        QFile filler(folder + QStringLiteral("/.filler"));
        if (!filler.open(QIODevice::WriteOnly))
            return;
        const QByteArray block(4096, 'x');
        while (filler.write(block) == block.size() && filler.flush()) {
        }
        m_ok = true;
    }

    ~ScratchMount()
    {
        if (m_mounted)
            QProcess::execute(QStringLiteral("umount"), {m_folder});
    }

    ScratchMount(const ScratchMount &) = delete;
    ScratchMount &operator=(const ScratchMount &) = delete;

    bool ok() const { return m_ok; }

private:
    static bool run(const QStringList &args)
    {
        QProcess mount;
        mount.start(QStringLiteral("mount"), args);
        return mount.waitForFinished(10000) && mount.exitStatus() == QProcess::NormalExit &&
               mount.exitCode() == 0;
    }

    QString m_folder;
    bool m_mounted = false;
    bool m_ok = false;
};
