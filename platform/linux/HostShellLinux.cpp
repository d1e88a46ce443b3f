#include "platform/HostShell.h"

#include "platform/PlatformLog.h"
#include "platform/linux/DesktopEntries.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

namespace {

constexpr int kTimeoutMs = 5000;

// xdg-settings knows the desktop-specific places where the choice is kept;
// without it, the freedesktop.org association lists say the same on most
// desktops.
QString defaultBrowserId()
{
    QProcess process;
    process.start(QStringLiteral("xdg-settings"),
                  {QStringLiteral("get"), QStringLiteral("default-web-browser")},
                  QIODevice::ReadOnly);
    if (process.waitForStarted(kTimeoutMs) && process.waitForFinished(kTimeoutMs) &&
        process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0) {
        const QString id = QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
        if (id.endsWith(QLatin1String(".desktop")) && !desktopFilePath(id).isEmpty())
            return id;
    } else if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished(kTimeoutMs);
    }
    return defaultApplicationFor(QStringLiteral("x-scheme-handler/http"));
}

bool startCommand(const QStringList &command)
{
    if (command.isEmpty())
        return false;
    return QProcess::startDetached(command.first(), command.mid(1));
}

} // namespace

// A browser started without a URL opens its own start page (home page,
// new-tab page or restored session, as the user set it up); handing a URL
// to xdg-open could not ask for that. Debian's x-www-browser is the last
// resort.
void openBrowserStartPage()
{
    const QString id = defaultBrowserId();
    if (!id.isEmpty()) {
        if (startCommand(desktopFileCommand(id)))
            return;
        qCDebug(lcPlatform).noquote() << "the default web browser" << id << "cannot be started";
    }
    if (startCommand({QStringLiteral("x-www-browser")}))
        return;
    qCDebug(lcPlatform) << "no web browser found; the start page is not opened";
}

void startMailProgram()
{
    const QString program = QStringLiteral("xdg-email");
    qCDebug(lcPlatform).noquote() << program;
    if (QProcess::startDetached(program, QStringList()))
        return;
    if (!QDesktopServices::openUrl(QUrl(QStringLiteral("mailto:"))))
        qCDebug(lcPlatform) << "no mail program found";
}
