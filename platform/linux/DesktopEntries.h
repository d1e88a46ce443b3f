#pragma once

#include <QString>
#include <QStringList>

// Just enough of the freedesktop.org desktop-entry and MIME-association
// formats to find and start the user's default applications.

// The value of key in [group] of a desktop file or mimeapps.list, with the
// escapes \s \n \t \r \\ resolved; a null string when absent.
QString desktopEntryValue(const QString &contents, const QString &group, const QString &key);

// An Exec value split into program and arguments: double quotes group
// words, a backslash in quotes escapes " ` $ and \. Field codes (%u, %F,
// %i ...) are dropped, as the program is started without files or URLs;
// %% is a percent sign. Empty when the value is empty or malformed.
QStringList splitDesktopExec(const QString &exec);

// The desktop-file ID of the default application for a MIME type (or
// x-scheme-handler/...), from the mimeapps.list files in the order of the
// XDG directories, desktop-specific lists first. The first listed ID whose
// desktop file is installed wins; empty when none is.
QString defaultApplicationFor(const QString &mimeType);

// The path of an installed desktop file, empty when it is not installed.
QString desktopFilePath(const QString &desktopId);

// The command line of an installed desktop file, empty when there is none.
QStringList desktopFileCommand(const QString &desktopId);
