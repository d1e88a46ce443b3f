#pragma once

#include <QString>

class QWidget;

// Where the file dialogs open: the folder of the last file or folder
// chosen in one during this run, else the home folder; never the
// program's folder, which is read-only once installed.
QString fileDialogFolder();
// Remembers the folder of a chosen file (or the chosen folder itself).
void rememberFileDialogChoice(const QString &path, bool isFolder = false);

// `path` with `suffix` (".prof") added unless it already ends in it, in
// any case: the import dialogs list only files that carry it.
QString withFileSuffix(const QString &path, const QString &suffix);

// A save dialog in fileDialogFolder() that adds `suffix` to a name typed
// without it (and asks before replacing the file of that full name).
QString saveFileName(QWidget *parent, const QString &caption, const QString &filter,
                     const QString &suffix);
