#include "cli/MouseChoice.h"

#include "device/DeviceAccess.h"
#include "device/DeviceCatalogue.h"
#include "device/DeviceConnection.h"
#include "device/DeviceContext.h"
#include "store/ConfigFile.h"
#include "store/ProfileData.h"

MouseChoice chooseMouse(QStringList args, bool allowMouse, const char *command, CtlContext &ctx)
{
    MouseChoice choice;
    int row = -1;
    if (allowMouse && args.size() >= 1 && args.first() == QLatin1String("--mouse")) {
        // A row number or a model name, both as 'list' shows them.
        const QString wanted = args.value(1);
        bool ok = false;
        row = wanted.toInt(&ok);
        if (!ok)
            row = DeviceContext::catalogue().indexOfName(wanted);
        if (row < 0 || row >= DeviceContext::catalogue().usedCount()) {
            ctx.err << "korvalen-ctl: --mouse needs a catalogue row (0-"
                    << DeviceContext::catalogue().usedCount() - 1
                    << ") or a model name as 'list' shows it" << Qt::endl;
            choice.status = CtlUsage;
            return choice;
        }
        args = args.mid(2);
    }
    if (!args.isEmpty()) {
        ctx.err << "korvalen-ctl: " << command << ": unexpected argument " << args.first()
                << Qt::endl;
        choice.status = CtlUsage;
        return choice;
    }

    if (enumerateDevices() != 0) {
        ctx.err << "korvalen-ctl: the HID library could not be initialised" << Qt::endl;
        choice.status = CtlNoMouse;
        return choice;
    }
    const DeviceCatalogue &catalogue = DeviceContext::catalogue();
    if (row >= 0) {
        const MouseListEntry &e = catalogue.entries[row];
        if (!e.isConnected()) {
            ctx.err << "korvalen-ctl: the mouse of row " << row << " ("
                    << QString::fromUtf8(e.productName) << ") is not connected" << Qt::endl;
            choice.status = CtlNoMouse;
            return choice;
        }
        choice.productName = QString::fromUtf8(e.productName);
        writeProductName(choice.productName);
    } else {
        DeviceConnection connection;
        if (connection.refreshDeviceList().isEmpty()) {
            ctx.err << "korvalen-ctl: no supported mouse is connected" << Qt::endl;
            choice.status = CtlNoMouse;
            return choice;
        }
        choice.productName = readProductName();
    }
    choice.row = catalogue.indexOfName(choice.productName);

    openDeviceByName(choice.productName.toUtf8());
    if (!DeviceContext::interface1Handle()) {
        const AccessProblem problem = openProblem(choice.productName.toUtf8());
        if (problem.isNull())
            ctx.err << "korvalen-ctl: " << choice.productName << " cannot be opened" << Qt::endl;
        else
            ctx.err << "korvalen-ctl: " << explainAccessProblem(problem) << Qt::endl;
        choice.status = CtlNoMouse;
    }
    return choice;
}

ModeArgs parseModeArgs(const QStringList &args, const char *command,
                       const QStringList &allowedFlags, int minPositional, int maxPositional,
                       const char *positionalProblem, CtlContext &ctx)
{
    ModeArgs parsed;
    for (int i = 0; i < args.size(); ++i) {
        const QString &a = args.at(i);
        if (a == QLatin1String("--mouse") || a == QLatin1String("--mode")) {
            if (i + 1 >= args.size()) {
                ctx.err << "korvalen-ctl: " << command << ": " << a << " needs a value" << Qt::endl;
                parsed.status = CtlUsage;
                return parsed;
            }
            const QString value = args.at(++i);
            if (a == QLatin1String("--mouse")) {
                parsed.mouse = QStringList{a, value};
                continue;
            }
            bool ok = false;
            parsed.mode = value.toInt(&ok) - 1;
            if (!ok || parsed.mode < 0 || parsed.mode >= kProfileCount) {
                ctx.err << "korvalen-ctl: " << command << ": --mode needs a profile number 1-5"
                        << Qt::endl;
                parsed.status = CtlUsage;
                return parsed;
            }
        } else if (allowedFlags.contains(a)) {
            parsed.flags << a;
        } else if (a.startsWith(QLatin1String("--"))) {
            ctx.err << "korvalen-ctl: " << command << ": unknown option " << a << Qt::endl;
            parsed.status = CtlUsage;
            return parsed;
        } else {
            parsed.positional << a;
        }
    }
    if (parsed.positional.size() < minPositional || parsed.positional.size() > maxPositional) {
        ctx.err << "korvalen-ctl: " << command << ' ' << positionalProblem << Qt::endl;
        parsed.status = CtlUsage;
    }
    return parsed;
}
