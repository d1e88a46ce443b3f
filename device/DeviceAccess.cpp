#include "device/DeviceAccess.h"

#include "device/DeviceCatalogue.h"
#include "device/DeviceContext.h"
#include "device/MouseList.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstring>

bool AccessProblem::permissionDenied() const
{
    return error.errorNumber == EACCES || error.errorNumber == EPERM;
}

namespace {

AccessProblem tryOpen(HidApi &hid, const QByteArray &path)
{
    AccessProblem problem;
    if (HidDevice *device = hid.openPath(path)) {
        hid.close(device);
        return problem;
    }
    problem.path = path;
    problem.error = hid.openError(path);
    return problem;
}

const MouseListEntry *presentEntry(const QByteArray &productName)
{
    // The last qualifying row is the one openDeviceByName() takes.
    const DeviceCatalogue &catalogue = DeviceContext::catalogue();
    const MouseListEntry *chosen = nullptr;
    for (int n = 0; n < catalogue.usedCount(); ++n) {
        const MouseListEntry &e = catalogue.entries[n];
        if (productName == e.productName && e.isConnected())
            chosen = &e;
    }
    return chosen;
}

} // namespace

AccessProblem probeAccess(const MouseListEntry &entry)
{
    HidApi &hid = DeviceContext::hid();
    for (int i = 0; i < 2; ++i) {
        AccessProblem problem = tryOpen(hid, QByteArray(entry.path(i)));
        if (!problem.isNull())
            return problem;
    }
    return {};
}

AccessProblem openProblem(const QByteArray &productName)
{
    const MouseListEntry *entry = presentEntry(productName);
    if (!entry)
        return {};
    const HidDevice *handles[2] = {DeviceContext::interface0Handle(),
                                   DeviceContext::interface1Handle()};
    for (int i = 0; i < 2; ++i) {
        if (handles[i])
            continue;
        AccessProblem problem;
        problem.path = QByteArray(entry->path(i));
        problem.error = DeviceContext::hid().openError(problem.path);
        return problem;
    }
    return {};
}

QString udevRulePath()
{
    return QStringLiteral("/usr/local/lib/udev/rules.d/70-korvalen-mice.rules");
}

QString explainAccessProblem(const AccessProblem &problem)
{
    const QString node = QString::fromLocal8Bit(problem.path);
    if (problem.permissionDenied())
        return QCoreApplication::translate(
                   "DeviceAccess",
                   "The mouse is connected, but %1 cannot be opened: permission denied. "
                   "Install the udev rule (sudo cmake --install build puts it at %2), "
                   "then unplug and plug the mouse again.")
            .arg(node, udevRulePath());
    QString cause;
    if (problem.error.errorNumber != 0)
        cause = QString::fromLocal8Bit(std::strerror(problem.error.errorNumber));
    else if (!problem.error.text.isEmpty())
        cause = problem.error.text;
    else
        cause = QCoreApplication::translate("DeviceAccess", "unknown error");
    return QCoreApplication::translate("DeviceAccess",
                                       "The mouse is connected, but %1 cannot be opened: %2. "
                                       "Unplug and plug the mouse again.")
        .arg(node, cause);
}
