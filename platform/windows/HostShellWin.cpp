#include "platform/HostShell.h"

#include "platform/MailCommandLine.h"
#include "platform/PlatformLog.h"

#include <QDesktopServices>
#include <QProcess>
#include <QSettings>
#include <QUrl>

// Both registry reads default to true, so a missing value comes out as
// the text "true" and is opened or started as it stands.

void openBrowserStartPage()
{
    QSettings settings(
        QStringLiteral("HKEY_CURRENT_USER\\Software\\Microsoft\\Internet Explorer\\Main"),
        QSettings::NativeFormat);
    const QString page = settings.value(QStringLiteral("Start Page"), QVariant(true)).toString();
    QDesktopServices::openUrl(QUrl(page));
}

void startMailProgram()
{
    QSettings settings(QStringLiteral("HKEY_CLASSES_ROOT\\mailto\\shell\\open\\command"),
                       QSettings::NativeFormat);
    const QString commandLine = settings.value(QStringLiteral("."), QVariant(true)).toString();
    const QString program = mailProgramFromCommandLine(commandLine);
    qCDebug(lcPlatform).noquote() << QString::fromLocal8Bit(program.toLocal8Bit());
    QProcess::startDetached(program, QStringList());
}
