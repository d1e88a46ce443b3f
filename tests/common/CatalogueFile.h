#pragma once

#include "store/DataFolder.h"
#include "store/IniFile.h"

#include <QDir>
#include <QSettings>
#include <QString>

// Writes catalogue rows into the global Config.ini of the current
// (temporary) data folder.
struct CatalogueRow
{
    quint32 vid = 0xFFFF;
    quint32 pid = 1;
    quint32 usage0 = 1;
    quint32 usagePage0 = 0xFF01;
    quint32 usage1 = 1;
    quint32 usagePage1 = 0xFF02;
    quint32 versionMin = 0;
    quint32 versionMax = 0;
    QString name;
};

inline void writeCatalogue(const QList<CatalogueRow> &rows, int count = -1)
{
    QDir().mkpath(dataFolder());
    {
        QSettings s(globalConfigPath(), QSettings::IniFormat);
        s.remove(QStringLiteral("Mouse_List"));
        s.setValue(QStringLiteral("Mouse_List/Count"), count < 0 ? rows.size() : count);
        for (int i = 0; i < rows.size(); ++i) {
            const CatalogueRow &r = rows.at(i);
            const QString n = QString::number(i);
            s.setValue(QStringLiteral("Mouse_List/VID_") + n, r.vid);
            s.setValue(QStringLiteral("Mouse_List/PID_") + n, r.pid);
            s.setValue(QStringLiteral("Mouse_List/USAGE_0_") + n, r.usage0);
            s.setValue(QStringLiteral("Mouse_List/USAGEPAGE_0_") + n, r.usagePage0);
            s.setValue(QStringLiteral("Mouse_List/USAGE_1_") + n, r.usage1);
            s.setValue(QStringLiteral("Mouse_List/USAGEPAGE_1_") + n, r.usagePage1);
            s.setValue(QStringLiteral("Mouse_List/VER_MIN_") + n, r.versionMin);
            s.setValue(QStringLiteral("Mouse_List/VER_MAX_") + n, r.versionMax);
        }
    }
    // The names through the program's writer: Qt 6's QSettings writes text
    // past ASCII as UTF-8 where the files have Qt 5's escapes.
    IniFile file(globalConfigPath());
    for (int i = 0; i < rows.size(); ++i)
        file.setValue(QStringLiteral("Mouse_List/PRODUCT_NAME_") + QString::number(i),
                      rows.at(i).name);
    file.commit();
}

inline CatalogueRow row(const QString &name, quint32 pid, quint32 versionMin = 0,
                        quint32 versionMax = 0)
{
    CatalogueRow r;
    r.name = name;
    r.pid = pid;
    r.versionMin = versionMin;
    r.versionMax = versionMax;
    return r;
}
