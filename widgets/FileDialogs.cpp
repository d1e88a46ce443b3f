#include "widgets/FileDialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace {

QString &lastFolder()
{
    static QString folder;
    return folder;
}

} // namespace

QString fileDialogFolder()
{
    const QString &last = lastFolder();
    return !last.isEmpty() && QFileInfo(last).isDir() ? last : QDir::homePath();
}

void rememberFileDialogChoice(const QString &path, bool isFolder)
{
    if (path.isEmpty())
        return;
    lastFolder() = isFolder ? path : QFileInfo(path).absolutePath();
}

QString withFileSuffix(const QString &path, const QString &suffix)
{
    if (path.isEmpty() || path.endsWith(suffix, Qt::CaseInsensitive))
        return path;
    return path + suffix;
}

QString saveFileName(QWidget *parent, const QString &caption, const QString &filter,
                     const QString &suffix)
{
    QFileDialog dialog(parent, caption, fileDialogFolder(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(suffix.mid(1)); // without the dot
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().first();
}
