#include "device/DeviceNameParser.h"

#include <QRegularExpression>

DeviceNotice parseDeviceInterfaceName(const QString &name, bool arrived)
{
    static const QRegularExpression patterns[2] = {
        QRegularExpression(QStringLiteral("HID#VID_(?<vid>\\w{4})&PID_(?<pid>\\w{4})&mi_02&col01"),
                           QRegularExpression::CaseInsensitiveOption),
        QRegularExpression(QStringLiteral("HID#VID_(?<vid>\\w{4})&PID_(?<pid>\\w{4})&mi_02&col02"),
                           QRegularExpression::CaseInsensitiveOption),
    };

    DeviceNotice notice;
    notice.arrived = arrived;
    notice.identifiedByName = true;
    notice.path = QByteArrayLiteral("\\\\?\\") + name.toLatin1();
    for (int i = 0; i < 2; ++i) {
        const QRegularExpressionMatch match = patterns[i].match(name);
        if (!match.hasMatch())
            continue;
        notice.interfaceIndex = i;
        notice.vendorId = quint16(match.captured(QStringLiteral("vid")).toUInt(nullptr, 16));
        notice.productId = quint16(match.captured(QStringLiteral("pid")).toUInt(nullptr, 16));
        break;
    }
    return notice;
}
