// Entry point of the window: one running copy, the data folder, the main
// window, the event loop.

#include "app/MousecfgWidget.h"
#include "device/HostActions.h"
#include "device/hid/VirtualMouseControl.h"
#include "platform/KeyPulses.h"
#include "platform/ShowRequests.h"
#include "platform/SingleInstance.h"
#include "store/DataFolder.h"
#include "store/ProductConfig.h"
#include "widgets/QtCompat.h"
#include "widgets/Skin.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QIcon>
#include <QLoggingCategory>
#include <QTextStream>

namespace {

struct StartOptions
{
    bool answered = false; // -h or -V: printed, nothing else to do
    bool refused = false;  // an unknown option: the usage went to stderr
    bool hidden = false;
};

// Qt's own options, left for QApplication, and whether each takes a value.
const struct
{
    const char *name;
    bool takesValue;
} kQtOptions[] = {{"platform", true},
                  {"platformpluginpath", true},
                  {"platformtheme", true},
                  {"plugin", true},
                  {"qwindowgeometry", true},
                  {"qwindowicon", true},
                  {"qwindowtitle", true},
                  {"display", true},
                  {"geometry", true},
                  {"title", true},
                  {"name", true},
                  {"style", true},
                  {"stylesheet", true},
                  {"session", true},
                  {"qmljsdebugger", true},
                  {"visual", true},
                  {"reverse", false},
                  {"nograb", false},
                  {"dograb", false},
                  {"sync", false},
                  {"widgetcount", false},
                  {"testability", false}};

// -h, --help, -V and --version are answered, and an unknown option is
// refused with status 2, before the window system is asked for: both work
// without a display. Qt's own options (-platform, -style...) are left for
// QApplication.
StartOptions readStartOptions(int argc, char *argv[])
{
    StartOptions options;
    if (argc < 2)
        return options;
    QCoreApplication probe(argc, argv);
    QCommandLineParser parser;
    // "-stylesheet" is one word, not the letters s, t, y, ... and h.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QStringLiteral("KORVALEN Gaming Mouse Config"));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Displays this help."));
    const QCommandLineOption version(QStringList{QStringLiteral("V"), QStringLiteral("version")},
                                     QStringLiteral("Displays the version."));
    const QCommandLineOption hidden(
        QStringLiteral("hidden"),
        QStringLiteral("Starts in the tray without showing the window (for start at login)."));
    parser.addOptions({help, version, hidden});
    for (const auto &qt : kQtOptions) {
        QCommandLineOption option(QLatin1String(qt.name));
        if (qt.takesValue)
            option.setValueName(QStringLiteral("VALUE"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    const bool parsed = parser.parse(QCoreApplication::arguments());
    if (!parsed || !parser.positionalArguments().isEmpty()) {
        const QString what = !parsed ? parser.errorText()
                                     : QStringLiteral("Unexpected argument '%1'.")
                                           .arg(parser.positionalArguments().constFirst());
        QTextStream(stderr) << "korvalen-config: " << what << "\n\n" << parser.helpText();
        options.refused = true;
        return options;
    }
    if (parser.isSet(help)) {
        QTextStream(stdout) << parser.helpText();
        options.answered = true;
    } else if (parser.isSet(version)) {
        QTextStream(stdout) << "korvalen-config " KORVALEN_VERSION "\n";
        options.answered = true;
    }
    options.hidden = parser.isSet(hidden);
    return options;
}

// What the tray icon does for a hidden window; a shown one comes to the
// front.
void bringBack(MousecfgWidget *window)
{
    if (window->isHidden()) {
        window->slotWarning();
        return;
    }
    window->showNormal();
    window->raise();
    window->activateWindow();
}

} // namespace

int main(int argc, char *argv[])
{
    const StartOptions options = readStartOptions(argc, argv);
    if (options.refused)
        return 2;
    if (options.answered)
        return 0;
    // The protocol's and the panels' debug lines are for developers:
    // QT_LOGGING_RULES="korvalen.*.debug=true" turns them on (it is read
    // after these rules and wins).
    QLoggingCategory::setFilterRules(QStringLiteral("korvalen.*.debug=false"));
    // The window draws with the raster engine only; without this the X11
    // platform plugin loads and sets up GLX for the first window, which
    // doubles the time until the window is mapped.
    if (!qEnvironmentVariableIsSet("QT_XCB_GL_INTEGRATION"))
        qputenv("QT_XCB_GL_INTEGRATION", "none");
    // The window scales itself by its own size classes, drawn for each
    // class; Qt's high-DPI scaling stays off. A scale asked for with
    // QT_SCALE_FACTOR picks the class instead of blowing up the 100 % art.
    bool scaleGiven = false;
    const double askedScale = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&scaleGiven);
    if (scaleGiven) {
        Skin::setRequestedScale(askedScale);
        qunsetenv("QT_SCALE_FACTOR");
    }
    if (qEnvironmentVariableIsSet("QT_SCREEN_SCALE_FACTORS")) {
        Skin::setRequestedScreenScales(qEnvironmentVariable("QT_SCREEN_SCALE_FACTORS"));
        qunsetenv("QT_SCREEN_SCALE_FACTORS");
    }
    // Nor does Qt scale by the screens' pixel density: their logical DPI
    // picks the class.
    disableQtHighDpiScaling();
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false); // lives on in the tray

    auto instance = SingleInstance::create();
    if (!instance->tryAcquire()) {
        requestShow();
        return 1;
    }
    auto *showRequests = new ShowRequestListener(&app);
    showRequests->listen();

    // Style sheets name "./skin/..." relative to the current directory.
    const QString appDir = QCoreApplication::applicationDirPath();
    QDir::setCurrent(appDir);
    Skin::setApplicationDir(appDir);
    seedDataFolder(appDir);
    Q_INIT_RESOURCE(resources);
    installHostActions();
    reportKeyPulseLimits();
    listenForVirtualMouseControl();

    auto *window = new MousecfgWidget;
    QObject::connect(showRequests, &ShowRequestListener::showRequested, window,
                     [window] { bringBack(window); });
    if (options.hidden) {
        window->stayInTray();
    } else if (window->connectedCount() != 0) {
        window->setWindowOpacity(1.0);
        window->show();
    }
    auto *icon = new QIcon(QStringLiteral("./skin/icon.ico"));
    window->setWindowIcon(*icon);
    window->setWindowTitle(QStringLiteral("KORVALEN Gaming Mouse Config"));

    const int status = app.exec();
    delete icon;
    delete window;
    return status;
}
