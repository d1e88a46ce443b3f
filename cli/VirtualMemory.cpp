#include "cli/VirtualMemory.h"

#include "device/DeviceContext.h"
#include "device/hid/HidApi.h"
#include "device/hid/VirtualMouseBackend.h"
#include "store/DataFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

// Empty for a model name that cannot be a file name: nothing is kept.
QString memoryFile(const QString &model)
{
    if (productNameProblem(model) != NameProblem::None)
        return QString();
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) +
           QStringLiteral("/korvalen-ctl/") + model + QStringLiteral(".mem");
}

} // namespace

void restoreVirtualMemory()
{
    VirtualMouseBackend *mice = DeviceContext::virtualMice();
    if (!mice)
        return;
    // The mice are plugged in when the library starts.
    DeviceContext::hid().init();
    for (const QString &model : mice->names()) {
        QFile file(memoryFile(model));
        if (file.fileName().isEmpty() || !file.open(QIODevice::ReadOnly))
            continue;
        const QByteArray memory = file.readAll();
        if (memory.size() == VirtualMouseBackend::kMemorySize)
            mice->setMemory(model, 0, memory);
    }
}

void keepVirtualMemory()
{
    VirtualMouseBackend *mice = DeviceContext::virtualMice();
    if (!mice)
        return;
    for (const QString &model : mice->names()) {
        if (!mice->isPlugged(model))
            continue;
        const QString path = memoryFile(model);
        if (path.isEmpty())
            continue;
        const QByteArray memory = mice->memory(model, 0, VirtualMouseBackend::kMemorySize);
        // Most runs only read the mouse: a file that holds its memory
        // already is left alone, which spares the flush to disk.
        QFile kept(path);
        if (kept.open(QIODevice::ReadOnly) && kept.readAll() == memory)
            continue;
        QDir().mkpath(QFileInfo(path).path());
        QSaveFile file(path);
        if (file.open(QIODevice::WriteOnly)) {
            file.write(memory);
            file.commit();
        }
    }
}
