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
        const QString control = qEnvironmentVariable("KORVALEN_VIRTUAL_MOUSE_CONTROL");
        if (!control.isEmpty())
            backend->listen(control);
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
