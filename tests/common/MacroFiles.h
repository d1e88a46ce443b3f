#pragma once

#include "store/DataFolder.h"

#include <QDir>
#include <QList>
#include <QSettings>
#include <QString>

#include <optional>

// Macro files of the current (temporary) data folder, written as another
// program writes them: plain QSettings, Count, then Map, DataH and DataL
// of each event.
inline QString macroFilePath(const QString &name)
{
    return dataFolder() + QStringLiteral("/MacroDB/") + name + QStringLiteral(".MSMACRO");
}

// Count defaults to the number of events; a delay type is written when given.
inline void writeRawMacro(const QString &name, const QList<QList<int>> &events,
                          std::optional<int> count = {}, std::optional<int> delayType = {})
{
    QDir().mkpath(dataFolder() + QStringLiteral("/MacroDB"));
    QSettings s(macroFilePath(name), QSettings::IniFormat);
    if (delayType)
        s.setValue(QStringLiteral("Setting/DelayType"), *delayType);
    s.setValue(QStringLiteral("Setting/Count"), count.value_or(events.size()));
    for (int i = 0; i < events.size(); ++i) {
        s.setValue(QStringLiteral("Setting/Map_%1").arg(i), events[i][0]);
        s.setValue(QStringLiteral("Setting/DataH_%1").arg(i), events[i][1]);
        s.setValue(QStringLiteral("Setting/DataL_%1").arg(i), events[i][2]);
    }
}
