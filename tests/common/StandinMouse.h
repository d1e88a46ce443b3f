#pragma once

#include "common/CatalogueFile.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// Provided by the stand-in hidapi library (StandinHidapi.cpp), which the
// program under test must be linked with ahead of the real one.
extern "C" long korvalen_standin_read_calls(void);

// One mouse of the stand-in hidapi library: the two collections of a
// catalogue row, each with a FIFO as its node. It opens and answers every
// feature report, and sends an input report only when queueReport() says
// so. Sets KORVALEN_STANDIN_HID for its lifetime.
class StandinMouse
{
public:
    StandinMouse(const QString &folder, const CatalogueRow &row) : m_folder(folder)
    {
        QDir().mkpath(folder);
        QFile devices(folder + QStringLiteral("/devices"));
        if (!devices.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return;
        const quint32 usages[2][2] = {{row.usagePage0, row.usage0}, {row.usagePage1, row.usage1}};
        for (int i = 0; i < 2; ++i) {
            const QByteArray path = QFile::encodeName(node(i));
            ::unlink(path.constData());
            if (::mkfifo(path.constData(), 0600) != 0)
                return;
            devices.write(
                path + ' ' + QByteArray::number(row.vid, 16) + ' ' +
                QByteArray::number(row.pid, 16) + " 100 " + QByteArray::number(usages[i][0], 16) +
                ' ' + QByteArray::number(usages[i][1], 16) + ' ' + QByteArray::number(i) + '\n');
        }
        m_ok = true;
        qputenv("KORVALEN_STANDIN_HID", QFile::encodeName(folder));
    }
    ~StandinMouse() { qunsetenv("KORVALEN_STANDIN_HID"); }

    bool isValid() const { return m_ok; }
    QString node(int interfaceIndex) const
    {
        return m_folder + QStringLiteral("/hidraw-if") + QString::number(interfaceIndex);
    }

    // Hands one input report to whoever reads the interface's node. Fails
    // when nobody has the node open.
    bool queueReport(int interfaceIndex, const QByteArray &report) const
    {
        const int fd = ::open(QFile::encodeName(node(interfaceIndex)).constData(),
                              O_WRONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            return false;
        const bool written =
            ::write(fd, report.constData(), size_t(report.size())) == ssize_t(report.size());
        ::close(fd);
        return written;
    }

    static long readCalls() { return korvalen_standin_read_calls(); }

private:
    QString m_folder;
    bool m_ok = false;
};
