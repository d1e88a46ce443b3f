// korvalen-ctl: the command-line front end over the same data folder,
// store, files and device code as the window.

#include "cli/CtlCommands.h"
#include "cli/VirtualMemory.h"

#include "device/DeviceCatalogue.h"
#include "device/DeviceContext.h"
#include "device/MouseList.h"
#include "platform/Terminal.h"
#include "store/ConfigFile.h"
#include "store/DataFolder.h"
#include "store/StoreContext.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QLoggingCategory>
#include <QTemporaryFile>

namespace {

// The settings of get and set, shown by both commands' help.
const char kSettingsHelp[] =
    "Settings (NAME), as the model has them:\n"
    "  report-rate      125, 250, 500, 1000 (Hz)\n"
    "  pointer-speed    1-20            scroll-speed   1-20\n"
    "  lift-off         3mm, 2mm, 1mm (device-wide, models that have it)\n"
    "  dpi-stage        the active DPI stage, 1-5\n"
    "  dpiN             stage N's DPI, or XxY; dpiN-enabled, dpiN-link: on, off\n"
    "  effect           lighting effect by its menu name (e.g. breathing, wave)\n"
    "  colour           #rrggbb of the effect; brightness 1-3; effect-speed 1-8\n"
    "  buttonN, sideN, scroll-up, scroll-down\n"
    "                   the button's function by its menu text (Left, Browser Home, DPI +)\n"
    "                   or one of these:\n"
    "                     SINGLE KEY KEY\n"
    "                     COMBO KEY Ctrl+Shift+A\n"
    "                     FIRE KEY Left|Right|Middle|Keyboard Key KEY times 1-255 delay 1-255\n"
    "                     SNIPER DPI\n"
    "                     macro NAME [times 1-255|while-held|until-pressed]\n"
    "                     gunfile NAME [times 1-255|while-held|until-pressed]\n"
    "                   keys by the names the window shows (A, F5, LCtr, Num +, Page Up)\n";

const CtlCommand kCommands[] = {
    {"list", "list                the catalogue rows, and which mice are connected",
     "Prints every row of the device catalogue (the user's Config.ini) with its IDs\n"
     "and whether that mouse is connected, and which one the window would take.\n"
     "--json prints the rows as JSON.\n",
     runList},
    {"devices", "devices             every attached HID collection with its IDs and usages",
     "Prints every HID collection the system shows, with vendor and product ID,\n"
     "release, usage page and usage: what a catalogue row has to match.\n"
     "--json prints them as JSON.\n",
     runDevices},
    {"apply",
     "apply [--mouse N] [--dry-run]\n"
     "                      upload the stored five profiles: the same sequence as the\n"
     "                      window's Apply; --dry-run prints the reports (trace format)\n"
     "                      to a simulated mouse of the model instead",
     "Sends the model's five stored profiles in the window's order. A model met for\n"
     "the first time gets its defaults written first. A failing step does not stop\n"
     "the others; exit status 3 when one failed.\n"
     "  --mouse N   catalogue row or model name (default: the mouse the window takes)\n"
     "  --dry-run   print the reports to a fresh simulated mouse of the model\n",
     runApply},
    {"get",
     "get [--mouse N] [--mode M] [--json] [NAME]\n"
     "                      print one setting of profile M (default: the active one), or all",
     "Prints setting NAME of profile M, or every setting of that profile.\n"
     "  --mouse N   catalogue row or model name\n"
     "  --mode M    profile 1-5 (default: the active one)\n"
     "  --json      one JSON object: model, mode and the settings\n",
     runGet},
    {"set",
     "set [--mouse N] [--mode M] [--apply] NAME VALUE\n"
     "                      change one setting and save it as the window's OK does;\n"
     "                      --apply then uploads as apply does",
     "Changes setting NAME of profile M to VALUE, checked against the connected\n"
     "model, and saves the files the window's OK saves. A refused value names the\n"
     "allowed ones, exits with status 2 and changes no file.\n"
     "  --mouse N   catalogue row or model name\n"
     "  --mode M    profile 1-5 (default: the active one)\n"
     "  --apply     then upload the five profiles as apply does\n",
     runSet},
    {"export",
     "export [--mouse N] [--mode M] [--force] FILE\n"
     "                      write profile M's file, tagged with the model, to FILE",
     "Writes the profile file of profile M (default: the active one) to FILE,\n"
     "tagged with the model so that only the same model imports it.\n"
     "  --force     replace FILE when it exists\n",
     runExport},
    {"import",
     "import [--mouse N] [--mode M] [--apply] FILE\n"
     "                      add a profile file exported from the same model and put\n"
     "                      profile M on it; --apply then uploads",
     "Adds FILE to the model's profile files under its own name and puts profile M\n"
     "(default: the active one) on it, as the window's LOAD does. A file of another\n"
     "model, a name that exists or another mode uses, or a name that cannot be a\n"
     "file name is refused with status 2.\n"
     "  --apply     then upload the five profiles as apply does\n",
     runImport},
    {"profiles",
     "profiles [--mouse N] [--json]\n"
     "                      the profile files of the model and the modes on each",
     "Lists the model's saved profile files and the modes (1-5) that use each.\n"
     "--json prints them with their paths as JSON.\n",
     runProfiles},
    {"program-profiles",
     "program-profiles [--mouse N] list [--json] | add PROGRAM MODE | remove PROGRAM |\n"
     "                      default MODE|stay | on | off\n"
     "                      the modes the mouse takes when a program comes to the front",
     "Lists or changes the model's program profiles: the mode (1-5) the mouse takes\n"
     "when a program comes to the front, named by its executable's file name (tried\n"
     "first) or its window class, without regard to case. add replaces the mode of\n"
     "a program that has a rule; default sets the mode for programs without one\n"
     "(stay: keep the mode); on and off switch following the front program.\n"
     "At most 64 rules, names of up to 255 characters. A refused change exits with\n"
     "status 2 and changes no file.\n"
     "  --mouse N   catalogue row or model name\n"
     "  --json      (list) one JSON object: enabled, defaultMode (0: stay), rules\n",
     runProgramProfiles},
    {"udev-rule",
     "udev-rule [FILE]    the udev rule giving the user access to the catalogue's mice\n"
     "                      (the catalogue of the user's Config.ini), to stdout or FILE",
     "Prints the udev rule that gives the logged-in user access to the hidraw nodes\n"
     "of every mouse in the catalogue, or writes it to FILE. Install it with\n"
     "  korvalen-ctl udev-rule | sudo tee /etc/udev/rules.d/70-korvalen-mice.rules\n",
     runUdevRule},
    {"switch", "switch P            make on-board profile P (1-5) active",
     "Sends the profile switch of the window's mode menu and stores P as the active\n"
     "profile.\n",
     runSwitch},
    {"dump", "dump [--mouse N]    read the configuration memory back and print it decoded",
     "Reads the mouse's configuration memory and prints it decoded. --json prints\n"
     "the same as JSON.\n",
     runDump},
    {"verify",
     "verify [--mouse N]  compare the memory with what apply writes; list every "
     "difference",
     "Reads back every address apply writes and compares it with what apply would\n"
     "write now; exit status 3 when anything differs. --json prints the differences\n"
     "as JSON.\n",
     runVerify},
};

void printCommandUsage(QTextStream &stream, const CtlCommand &command)
{
    stream << "Usage: korvalen-ctl " << command.synopsis << "\n\n" << command.help;
    const QLatin1String name(command.name);
    if (name == QLatin1String("get") || name == QLatin1String("set"))
        stream << '\n' << kSettingsHelp;
    stream.flush();
}

void printUsage(QTextStream &stream)
{
    stream << "Usage: korvalen-ctl [--virtual NAME[,NAME...]] [--trace FILE] COMMAND [ARGS]\n"
              "\n"
              "Options:\n"
              "  --virtual NAMES   use simulated mice of these models instead of real ones\n"
              "  --trace FILE      append every HID report to FILE\n"
              "  -h, --help        show this help\n"
              "  -V, --version     show the version\n"
              "  --json            (list, devices, get, dump, verify, profiles,\n"
              "                    program-profiles list) print JSON\n"
              "\n"
              "Commands:\n";
    for (const CtlCommand &c : kCommands)
        stream << "  " << c.synopsis << '\n';
    stream << "\n"
              "--mouse N takes a catalogue row or a model name as 'list' shows them; get and\n"
              "set take --mouse too. The choice is not remembered. A command's options may\n"
              "stand before or after the command.\n"
              "'korvalen-ctl COMMAND --help' shows a command's options and, for get and set,\n"
              "the settings.\n";
    stream.flush();
}

// The model of `--mouse ROW|NAME`, or the stored current model.
QString dryRunModel(const QStringList &args)
{
    const int at = args.indexOf(QStringLiteral("--mouse"));
    if (at < 0)
        return readProductName();
    const QString wanted = args.value(at + 1);
    const DeviceCatalogue &catalogue = DeviceContext::catalogue();
    bool isRow = false;
    const int row = wanted.toInt(&isRow);
    if (!isRow)
        return catalogue.indexOfName(wanted) >= 0 ? wanted : QString();
    return row >= 0 && row < catalogue.usedCount()
               ? QString::fromUtf8(catalogue.entries[row].productName)
               : QString();
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
    // The protocol's debug messages would bury the tool's own error lines;
    // QT_LOGGING_RULES="korvalen.*.debug=true" brings them back. Set before
    // the application object, which then reads the logging rules only once.
    QLoggingCategory::setFilterRules(QStringLiteral("korvalen.*.debug=false"));
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("korvalen-ctl"));
    QTextStream out(stdout);
    QTextStream err(stderr);

    // Options stand before the command; what follows the command is its
    // own (apply --mouse 2), so the parser stops at the first positional.
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    const QCommandLineOption helpOption(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption virtualOption(QStringLiteral("virtual"), QString(),
                                           QStringLiteral("NAMES"));
    const QCommandLineOption traceOption(QStringLiteral("trace"), QString(),
                                         QStringLiteral("FILE"));
    const QCommandLineOption versionOption(
        QStringList{QStringLiteral("V"), QStringLiteral("version")});
    parser.addOptions({helpOption, versionOption, virtualOption, traceOption});
    // The commands' own options may also stand before the command; they are
    // handed to it as if written after it.
    const QStringList commandFlags{QStringLiteral("json"), QStringLiteral("dry-run"),
                                   QStringLiteral("apply"), QStringLiteral("force")};
    const QStringList commandValues{QStringLiteral("mouse"), QStringLiteral("mode")};
    for (const QString &flag : commandFlags)
        parser.addOption(QCommandLineOption(flag));
    for (const QString &option : commandValues)
        parser.addOption(QCommandLineOption(option, QString(), QStringLiteral("VALUE")));
    if (!parser.parse(app.arguments())) {
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty()) {
            const QString dashes =
                unknown.first().size() == 1 ? QStringLiteral("-") : QStringLiteral("--");
            return usageError(err, QStringLiteral("unknown option ") + dashes + unknown.first());
        }
        // Otherwise an option came last, without its value.
        return usageError(err, app.arguments().constLast() + QStringLiteral(" needs a value"));
    }
    if (parser.isSet(helpOption)) {
        printUsage(out);
        return CtlOk;
    }
    if (parser.isSet(versionOption)) {
        out << "korvalen-ctl " KORVALEN_VERSION << Qt::endl;
        return CtlOk;
    }
    const struct
    {
        const QCommandLineOption &option;
        const char *variable;
    } environment[] = {{virtualOption, "KORVALEN_VIRTUAL_MOUSE"},
                       {traceOption, "KORVALEN_HID_TRACE"}};
    for (const auto &e : environment) {
        if (!parser.isSet(e.option))
            continue;
        const QString value = parser.value(e.option);
        if (value.isEmpty())
            return usageError(err, QStringLiteral("--") + e.option.names().constFirst() +
                                       QStringLiteral(" needs a value"));
        qputenv(e.variable, value.toLocal8Bit());
    }
    // The trace is what support asks for: a run that cannot keep it does
    // not start.
    if (parser.isSet(traceOption)) {
        QFile trace(parser.value(traceOption));
        if (!trace.open(QIODevice::Append))
            return usageError(err, QStringLiteral("--trace: cannot open %1: %2")
                                       .arg(parser.value(traceOption), trace.errorString()));
    }
    QStringList args = parser.positionalArguments();
    if (args.isEmpty())
        return usageError(err, QStringLiteral("no command given"));

    const QString name = args.takeFirst();
    QStringList early;
    for (const QString &flag : commandFlags) {
        if (parser.isSet(flag))
            early << QStringLiteral("--") + flag;
    }
    for (const QString &option : commandValues) {
        if (parser.isSet(option))
            early << QStringLiteral("--") + option << parser.value(option);
    }
    args = early + args;
    const CtlCommand *command = nullptr;
    for (const CtlCommand &c : kCommands) {
        if (name == QLatin1String(c.name))
            command = &c;
    }
    if (!command)
        return usageError(err, QStringLiteral("unknown command ") + name);
    if (args.contains(QLatin1String("-h")) || args.contains(QLatin1String("--help"))) {
        printCommandUsage(out, *command);
        return CtlOk;
    }

    // The mouse a run works on is its own choice: it never becomes the
    // window's current product.
    StoreContext::setRecordsProductChoice(false);
    seedDataFolder(QCoreApplication::applicationDirPath());
    loadDeviceCatalogue();
    // apply --dry-run: the upload goes to a fresh virtual mouse of the model
    // and its trace is what gets printed.
    QTemporaryFile dryRunTrace;
    const bool dryRun =
        name == QLatin1String("apply") && args.removeAll(QStringLiteral("--dry-run"));
    if (dryRun) {
        const QString model = dryRunModel(args);
        if (model.isEmpty() || !dryRunTrace.open())
            return usageError(err,
                              QStringLiteral("apply --dry-run needs --mouse with a catalogue row "
                                             "or model name, or a stored current model"));
        qputenv("KORVALEN_VIRTUAL_MOUSE", model.toUtf8());
        qputenv("KORVALEN_HID_TRACE", dryRunTrace.fileName().toLocal8Bit());
    } else {
        restoreVirtualMemory();
    }

    CtlContext ctx{out, err, isStandardOutputTerminal()};
    // --json may stand anywhere after the command.
    ctx.json = args.removeAll(QStringLiteral("--json")) > 0;
    const QStringList jsonCommands{QStringLiteral("list"),
                                   QStringLiteral("devices"),
                                   QStringLiteral("get"),
                                   QStringLiteral("dump"),
                                   QStringLiteral("verify"),
                                   QStringLiteral("profiles"),
                                   QStringLiteral("program-profiles")};
    if (ctx.json && !jsonCommands.contains(name))
        return usageError(err, name + QStringLiteral(" has no --json output"));
    const int status = command->run(args, ctx);
    if (!dryRun)
        keepVirtualMemory();
    out.flush();
    err.flush();
    closeDevice();
    exitDevice();
    DeviceContext::reset();
    if (dryRun) {
        // The trace is complete once the device layer is gone.
        dryRunTrace.seek(0);
        out << QString::fromUtf8(dryRunTrace.readAll());
        out.flush();
    }
    return status;
}
