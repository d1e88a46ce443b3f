#include "cli/CtlCommands.h"

#include "device/DeviceContext.h"
#include "device/hid/HidApi.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

// Every HID collection attached, with the numbers a catalogue row needs;
// this is how a user finds the values for a mouse the catalogue lacks.
int runDevices(const QStringList &args, CtlContext &ctx)
{
    if (!args.isEmpty()) {
        ctx.err << "korvalen-ctl: devices takes no arguments" << Qt::endl;
        return CtlUsage;
    }
    HidApi &hid = DeviceContext::hid();
    if (hid.init() != 0) {
        ctx.err << "korvalen-ctl: the HID library could not be initialised" << Qt::endl;
        return CtlNoMouse;
    }
    const QVector<HidDeviceInfo> devices = hid.enumerate(0, 0);
    if (ctx.json) {
        QJsonArray list;
        for (const HidDeviceInfo &d : devices) {
            list.append(QJsonObject{
                {QStringLiteral("vid"), int(d.vendorId)},
                {QStringLiteral("pid"), int(d.productId)},
                {QStringLiteral("release"), int(d.releaseNumber)},
                {QStringLiteral("usagePage"), int(d.usagePage)},
                {QStringLiteral("usage"), int(d.usage)},
                {QStringLiteral("interface"), int(d.interfaceNumber)},
                {QStringLiteral("path"), QString::fromLocal8Bit(d.path)},
                {QStringLiteral("product"), d.product},
            });
        }
        printJson(ctx, QJsonDocument(list));
        return CtlOk;
    }
    ctx.out << "VID    PID    RELEASE  USAGEPAGE  USAGE  IFACE  PATH  PRODUCT" << Qt::endl;
    for (const HidDeviceInfo &d : devices) {
        ctx.out << QStringLiteral("%1  %2  %3  %4  %5  %6  %7  %8")
                       .arg(d.vendorId, -5)
                       .arg(d.productId, -5)
                       .arg(d.releaseNumber, -7)
                       .arg(d.usagePage, -9)
                       .arg(d.usage, -5)
                       .arg(d.interfaceNumber, -5)
                       .arg(QString::fromLocal8Bit(d.path), d.product)
                << Qt::endl;
    }
    ctx.out << devices.size() << " HID collections (numbers in decimal, as Config.ini wants them)"
            << Qt::endl;
    return CtlOk;
}
