#include "cli/CtlCommands.h"

#include "device/DeviceCatalogue.h"
#include "device/DeviceContext.h"
#include "store/ConfigFile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

QString hex4(quint32 value)
{
    return QStringLiteral("%1").arg(value, 4, 16, QLatin1Char('0'));
}

QString releaseRange(const MouseListEntry &e)
{
    if (e.versionMax == 0)
        return QStringLiteral("any");
    return hex4(e.versionMin) + QLatin1Char('-') + hex4(e.versionMax);
}

QString state(const MouseListEntry &e)
{
    if (e.isConnected())
        return QStringLiteral("connected");
    if (e.found0 || e.found1)
        return QStringLiteral("half present");
    return QStringLiteral("absent");
}

} // namespace

void printJson(CtlContext &ctx, const QJsonDocument &document)
{
    ctx.out << document.toJson(QJsonDocument::Indented);
}

int runList(const QStringList &args, CtlContext &ctx)
{
    if (!args.isEmpty()) {
        ctx.err << "korvalen-ctl: list takes no arguments" << Qt::endl;
        return CtlUsage;
    }
    const bool hidOk = enumerateDevices() == 0;
    const DeviceCatalogue &catalogue = DeviceContext::catalogue();
    const QString active = readProductName();

    if (ctx.json) {
        QJsonArray rows;
        for (int n = 0; n < catalogue.usedCount(); ++n) {
            const MouseListEntry &e = catalogue.entries[n];
            const QString name = QString::fromUtf8(e.productName);
            rows.append(QJsonObject{
                {QStringLiteral("row"), n},
                {QStringLiteral("product"), name},
                {QStringLiteral("vid"), hex4(e.vendorId)},
                {QStringLiteral("pid"), hex4(e.productId)},
                {QStringLiteral("release"), releaseRange(e)},
                {QStringLiteral("if0"), e.found0},
                {QStringLiteral("if1"), e.found1},
                {QStringLiteral("state"), state(e)},
                {QStringLiteral("active"), e.isConnected() && name == active},
            });
        }
        printJson(ctx, QJsonDocument(QJsonObject{{QStringLiteral("rows"), rows}}));
    }
    int nameWidth = 7;
    for (int n = 0; n < catalogue.usedCount(); ++n)
        nameWidth = qMax(nameWidth, QString::fromUtf8(catalogue.entries[n].productName).size());

    if (!ctx.json) {
        ctx.out << QStringLiteral("%1  %2  %3  %4  %5  %6  %7  %8")
                       .arg(QStringLiteral("ROW"), 3)
                       .arg(QStringLiteral("PRODUCT"), -nameWidth)
                       .arg(QStringLiteral("VID"), -4)
                       .arg(QStringLiteral("PID"), -4)
                       .arg(QStringLiteral("RELEASE"), -9)
                       .arg(QStringLiteral("IF0"), -6)
                       .arg(QStringLiteral("IF1"), -6)
                       .arg(QStringLiteral("STATE"))
                << Qt::endl;
        int connected = 0;
        for (int n = 0; n < catalogue.usedCount(); ++n) {
            const MouseListEntry &e = catalogue.entries[n];
            const QString name = QString::fromUtf8(e.productName);
            QString st = state(e);
            if (e.isConnected()) {
                ++connected;
                if (name == active)
                    st += QStringLiteral(" (active)");
            }
            ctx.out << QStringLiteral("%1  %2  %3  %4  %5  %6  %7  %8")
                           .arg(n, 3)
                           .arg(name, -nameWidth)
                           .arg(hex4(e.vendorId), -4)
                           .arg(hex4(e.productId), -4)
                           .arg(releaseRange(e), -9)
                           .arg(e.found0 ? QStringLiteral("found") : QStringLiteral("-"), -6)
                           .arg(e.found1 ? QStringLiteral("found") : QStringLiteral("-"), -6)
                           .arg(st)
                    << Qt::endl;
        }
        ctx.out << catalogue.usedCount() << " catalogue rows, " << connected << " connected"
                << Qt::endl;
    }
    if (!hidOk) {
        ctx.err << "korvalen-ctl: the HID library could not be initialised" << Qt::endl;
        return CtlNoMouse;
    }
    return CtlOk;
}
