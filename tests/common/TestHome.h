#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QMutex>
#include <QSettings>
#include <QString>
#include <QTemporaryDir>

#include <memory>

// QtTest's message handler keeps its list of expected messages and writes
// its log without a lock, while the store reads and writes profile files on
// two threads and the device readers log from theirs: every message passes
// through here one at a time.
class SerialMessages
{
public:
    static void install()
    {
        const QtMessageHandler previous = qInstallMessageHandler(&SerialMessages::handle);
        if (previous != &SerialMessages::handle)
            s_next = previous;
    }

private:
    static void handle(QtMsgType type, const QMessageLogContext &context, const QString &text)
    {
        static QBasicMutex mutex;
        const QMutexLocker lock(&mutex);
        if (s_next)
            s_next(type, context, text);
    }

    static inline QtMessageHandler s_next = nullptr;
};

// Moves XDG_DATA_HOME (and XDG_RUNTIME_DIR) to fresh temporary folders for
// the life of the object, so that no test reads or writes a real home.
class TestHome
{
public:
    TestHome() : m_dir(std::make_unique<QTemporaryDir>())
    {
        m_oldData = qgetenv("XDG_DATA_HOME");
        m_oldRuntime = qgetenv("XDG_RUNTIME_DIR");
        QDir(m_dir->path()).mkpath(QStringLiteral("data"));
        QDir(m_dir->path()).mkpath(QStringLiteral("runtime"));
        QFile::setPermissions(m_dir->path() + QStringLiteral("/runtime"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_DATA_HOME", dataHome().toLocal8Bit());
        qputenv("XDG_RUNTIME_DIR", runtimeDir().toLocal8Bit());
        SerialMessages::install();
    }

    ~TestHome()
    {
        restore("XDG_DATA_HOME", m_oldData);
        restore("XDG_RUNTIME_DIR", m_oldRuntime);
    }

    QString dataHome() const { return m_dir->path() + QStringLiteral("/data"); }
    QString runtimeDir() const { return m_dir->path() + QStringLiteral("/runtime"); }
    QString path() const { return m_dir->path(); }
    // The program's data folder and a model's folder in it, spelled out
    // here rather than asked of the code under test.
    static QString dataFolderIn(const QString &dataHome)
    {
        return dataHome + QStringLiteral("/KORVALEN Gaming Mouse");
    }
    QString dataFolder() const { return dataFolderIn(dataHome()); }
    QString productFolder(const QString &model) const
    {
        return dataFolder() + QLatin1Char('/') + model;
    }

private:
    static void restore(const char *name, const QByteArray &value)
    {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value);
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    QByteArray m_oldData;
    QByteArray m_oldRuntime;
};
