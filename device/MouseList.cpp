#include "device/MouseList.h"

#include "device/DeviceLog.h"

#include <cstring>

bool MouseListEntry::acceptsRelease(quint32 release) const
{
    return versionMax == 0 || (versionMin <= release && release <= versionMax);
}

bool MouseListEntry::storePath(int interfaceIndex, const QByteArray &path)
{
    char *field = interfaceIndex == 0 ? path0 : path1;
    if (path.size() >= int(sizeof(path0))) {
        qCDebug(lcDevice) << "device path too long for the catalogue, ignored:" << path;
        return false;
    }
    std::memset(field, 0, sizeof(path0));
    std::memcpy(field, path.constData(), size_t(path.size()));
    return true;
}

void DeviceCatalogue::clear()
{
    std::memset(static_cast<void *>(this), 0, sizeof(*this));
}

QStringList DeviceCatalogue::connectedNames() const
{
    QStringList names;
    for (int i = 0; i < usedCount(); ++i) {
        if (entries[i].isConnected())
            names << QString::fromUtf8(entries[i].productName);
    }
    return names;
}

int DeviceCatalogue::indexOfName(const QString &productName) const
{
    const QByteArray name = productName.toUtf8();
    for (int i = 0; i < usedCount(); ++i) {
        if (name == entries[i].productName)
            return i;
    }
    return -1;
}
