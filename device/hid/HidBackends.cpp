#include "device/hid/HidBackends.h"

#include "device/hid/HidTrace.h"
#include "device/hid/HidapiBackend.h"
#include "device/hid/VirtualMouseBackend.h"

#include <QStringList>

HidBackendSelection createHidApiFromEnvironment()
{
    HidBackendSelection selection;
    const QString virtualNames = qEnvironmentVariable("KORVALEN_VIRTUAL_MOUSE").trimmed();
    if (!virtualNames.isEmpty()) {
        QStringList names;
        const QStringList parts = virtualNames.split(QLatin1Char(','), Qt::SkipEmptyParts);
        for (const QString &part : parts)
            names << part.trimmed();
        auto backend = std::make_unique<VirtualMouseBackend>(names);
        // Fault injection for scripted runs that cannot reach the control
        // socket in time: the n-th feature report of the run fails.
        bool failOk = false;
        const int failing = qEnvironmentVariableIntValue("KORVALEN_VIRTUAL_MOUSE_FAIL", &failOk);
        if (failOk && failing > 0) {
            for (const QString &name : names)
                backend->failNthReport(name, failing);
        }
        // ... or the mouse goes away right after the n-th one.
        bool unplugOk = false;
        const int unplugging =
            qEnvironmentVariableIntValue("KORVALEN_VIRTUAL_MOUSE_UNPLUG", &unplugOk);
        if (unplugOk && unplugging > 0) {
            for (const QString &name : names)
                backend->unplugAfterReport(name, unplugging);
        }
        // A system without the udev rule: the mice are there, closed to us.
        if (qEnvironmentVariableIsSet("KORVALEN_VIRTUAL_MOUSE_DENY")) {
            for (const QString &name : names)
                backend->denyAccess(name, true);
        }
        selection.virtualMice = backend.get();
        selection.api = std::move(backend);
    } else {
        selection.api = std::make_unique<HidapiBackend>();
    }

    const QString trace = qEnvironmentVariable("KORVALEN_HID_TRACE");
    if (!trace.isEmpty())
        selection.api = std::make_unique<HidTrace>(std::move(selection.api), trace);
    return selection;
}
