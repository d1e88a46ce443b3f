// korvalen-ctl: the command-line front end over the same data folder,
// store, files and device code as the window.

#include "cli/CtlCommands.h"
#include "cli/VirtualMemory.h"

#include "device/DeviceCatalogue.h"
#include "device/DeviceContext.h"
#include "platform/Terminal.h"
#include "store/DataFolder.h"
#include "store/StoreContext.h"

#include <QCoreApplication>
#include <QLoggingCategory>

namespace {

const CtlCommand kCommands[] = {
    {"list", "list                the catalogue rows, and which mice are connected", runList},
    {"devices", "devices             every attached HID collection with its IDs and usages",
     runDevices},
    {"apply",
     "apply [--mouse N]   upload the stored five profiles: the same sequence as the "
     "window's Apply",
     runApply},
    {"switch", "switch P            make on-board profile P (1-5) active", runSwitch},
    {"dump", "dump [--mouse N]    read the configuration memory back and print it decoded",
     runDump},
    {"verify",
     "verify [--mouse N]  compare the memory with what apply writes; list every "
     "difference",
     runVerify},
};

void printUsage(QTextStream &stream)
{
    stream << "Usage: korvalen-ctl [--virtual NAME[,NAME...]] [--trace FILE] COMMAND [ARGS]\n"
              "\n"
              "Options:\n"
              "  --virtual NAMES   use simulated mice of these models instead of real ones\n"
              "  --trace FILE      append every HID report to FILE\n"
              "  --help            show this help\n"
              "\n"
              "Commands:\n";
    for (const CtlCommand &c : kCommands)
        stream << "  " << c.synopsis << '\n';
    stream.flush();
}

int usageError(QTextStream &err, const QString &message)
{
    err << "korvalen-ctl: " << message << '\n';
    err << "Try 'korvalen-ctl --help'." << Qt::endl;
    return CtlUsage;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("korvalen-ctl"));
    // The protocol's debug messages would bury the tool's own error lines;
    // QT_LOGGING_RULES="korvalen.*.debug=true" brings them back.
    QLoggingCategory::setFilterRules(QStringLiteral("korvalen.*.debug=false"));
    QTextStream out(stdout);
    QTextStream err(stderr);

    QStringList args = app.arguments().mid(1);
    while (!args.isEmpty() && args.first().startsWith(QLatin1String("--"))) {
        const QString option = args.takeFirst();
        if (option == QLatin1String("--help")) {
            printUsage(out);
            return CtlOk;
        }
        if (option != QLatin1String("--virtual") && option != QLatin1String("--trace"))
            return usageError(err, QStringLiteral("unknown option ") + option);
        if (args.isEmpty() || args.first().isEmpty())
            return usageError(err, option + QStringLiteral(" needs a value"));
        const QString value = args.takeFirst();
        qputenv(option == QLatin1String("--virtual") ? "KORVALEN_VIRTUAL_MOUSE"
                                                     : "KORVALEN_HID_TRACE",
                value.toLocal8Bit());
    }
    if (args.isEmpty())
        return usageError(err, QStringLiteral("no command given"));

    const QString name = args.takeFirst();
    const CtlCommand *command = nullptr;
    for (const CtlCommand &c : kCommands) {
        if (name == QLatin1String(c.name))
            command = &c;
    }
    if (!command)
        return usageError(err, QStringLiteral("unknown command ") + name);

    // The mouse a run works on is its own choice: it never becomes the
    // window's current product.
    StoreContext::setRecordsProductChoice(false);
    seedDataFolder(QCoreApplication::applicationDirPath());
    loadDeviceCatalogue();
    restoreVirtualMemory();

    CtlContext ctx{out, err, isStandardOutputTerminal()};
    const int status = command->run(args, ctx);
    keepVirtualMemory();
    out.flush();
    err.flush();
    closeDevice();
    exitDevice();
    DeviceContext::reset();
    return status;
}
