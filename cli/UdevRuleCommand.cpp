#include "cli/CtlCommands.h"

#include "device/DeviceContext.h"
#include "device/MouseList.h"

#include <QFile>
#include <QSet>

namespace {

// Access for the logged-in user to the hidraw nodes of every model in the
// catalogue, one line per vendor and product ID.
QString udevRules(const DeviceCatalogue &catalogue)
{
    QString rules =
        QStringLiteral("# Generated from the device catalogue: access for the logged-in user to\n"
                       "# the hidraw nodes of the supported mice.\n");
    QSet<quint32> seen;
    for (int n = 0; n < catalogue.usedCount(); ++n) {
        const MouseListEntry &e = catalogue.entries[n];
        const quint32 vid = e.vendorId & 0xffff;
        const quint32 pid = e.productId & 0xffff;
        // A row without IDs matches nothing; a shared pair needs one line.
        if ((vid == 0 && pid == 0) || seen.contains(vid << 16 | pid))
            continue;
        seen.insert(vid << 16 | pid);
        rules += QStringLiteral("# %1\n").arg(QString::fromUtf8(e.productName));
        rules += QStringLiteral("KERNEL==\"hidraw*\", ATTRS{idVendor}==\"%1\", "
                                "ATTRS{idProduct}==\"%2\", TAG+=\"uaccess\"\n")
                     .arg(vid, 4, 16, QLatin1Char('0'))
                     .arg(pid, 4, 16, QLatin1Char('0'));
    }
    return rules;
}

} // namespace

int runUdevRule(const QStringList &args, CtlContext &ctx)
{
    if (args.size() > 1) {
        ctx.err << "korvalen-ctl: udev-rule takes at most an output file" << Qt::endl;
        return CtlUsage;
    }
    const QString rules = udevRules(DeviceContext::catalogue());
    if (args.isEmpty()) {
        ctx.out << rules;
        return CtlOk;
    }
    QFile file(args.first());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(rules.toUtf8()) < 0 ||
        !file.flush()) {
        ctx.err << "korvalen-ctl: " << args.first() << " cannot be written" << Qt::endl;
        return CtlFileFailed;
    }
    return CtlOk;
}
