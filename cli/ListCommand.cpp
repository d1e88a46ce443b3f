#include "cli/CtlCommands.h"

#include "device/DeviceAccess.h"
#include "device/DeviceCatalogue.h"
#include "device/DeviceContext.h"
#include "store/ConfigFile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

// IDs in decimal, as Config.ini writes them: a row is copied from here.
QString releaseRange(const MouseListEntry &e)
{
    if (e.versionMax == 0)
        return QStringLiteral("any");
    return QString::number(e.versionMin) + QLatin1Char('-') + QString::number(e.versionMax);
}

QString state(const MouseListEntry &e, const AccessProblem &problem)
{
    if (e.isConnected()) {
        if (problem.isNull())
            return QStringLiteral("connected");
        return problem.permissionDenied() ? QStringLiteral("present, no access (permission denied)")
                                          : QStringLiteral("present, cannot be opened");
    }
    if (e.found0 || e.found1)
        return QStringLiteral("half present");
    return QStringLiteral("absent");
}

QString headerLine(int nameWidth)
{
    return QStringLiteral("%1  %2  %3  %4  %5  %6  %7  %8")
        .arg(QStringLiteral("ROW"), 3)
        .arg(QStringLiteral("PRODUCT"), -nameWidth)
        .arg(QStringLiteral("VID"), -5)
        .arg(QStringLiteral("PID"), -5)
        .arg(QStringLiteral("RELEASE"), -9)
        .arg(QStringLiteral("IF0"), -6)
        .arg(QStringLiteral("IF1"), -6)
        .arg(QStringLiteral("STATE"));
}

QJsonObject rowObject(int n, const QString &name, const MouseListEntry &e, const QString &state,
                      bool active)
{
    return QJsonObject{
        {QStringLiteral("row"), n},
        {QStringLiteral("product"), name},
        {QStringLiteral("vid"), int(e.vendorId)},
        {QStringLiteral("pid"), int(e.productId)},
        {QStringLiteral("release"), releaseRange(e)},
        {QStringLiteral("if0"), bool(e.found0)},
        {QStringLiteral("if1"), bool(e.found1)},
        {QStringLiteral("state"), state},
        {QStringLiteral("active"), active},
    };
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

    // Skipped rows are empty in the catalogue; the file still has their
    // names, and `list` says why they were skipped.
    const MouseListSection section = readMouseListSection(catalogue.usedCount());
    const auto nameOf = [&](int n) {
        const QString &refused = section.rows.value(n).productName;
        return section.rows.value(n).refusal.isEmpty()
                   ? QString::fromUtf8(catalogue.entries[n].productName)
                   : refused;
    };
    int nameWidth = 7;
    for (int n = 0; n < catalogue.usedCount(); ++n)
        nameWidth = qMax(nameWidth, nameOf(n).size());

    QString discarded;
    QTextStream nowhere(&discarded);
    // With --json the lines for people go nowhere and the rows are gathered.
    QTextStream &lines = ctx.json ? nowhere : ctx.out;
    QJsonArray rows;
    lines << headerLine(nameWidth) << '\n'; // one write at the end, not one a line
    int connected = 0;
    AccessProblem firstProblem;
    for (int n = 0; n < catalogue.usedCount(); ++n) {
        const MouseListEntry &e = catalogue.entries[n];
        const QString name = nameOf(n);
        // A mouse whose nodes are there but closed to this user is the usual
        // first meeting on Linux: say so instead of calling it connected.
        const AccessProblem problem = e.isConnected() ? probeAccess(e) : AccessProblem();
        if (firstProblem.isNull())
            firstProblem = problem;
        const QString &refusal = section.rows.value(n).refusal;
        QString st = refusal.isEmpty()
                         ? state(e, problem)
                         : QStringLiteral("skipped: the name cannot be a folder name, ") + refusal;
        if (ctx.json) {
            rows.append(
                rowObject(n, name, e, st, e.isConnected() && problem.isNull() && name == active));
        }
        if (e.isConnected() && problem.isNull()) {
            ++connected;
            if (name == active)
                st += QStringLiteral(" (active)");
        }
        // One arg() for all: a name holding "%3" is text, not a place.
        lines << QStringLiteral("%1  %2  %3  %4  %5  %6  %7  %8")
                     .arg(QString::number(n).rightJustified(3), name.leftJustified(nameWidth),
                          QString::number(e.vendorId).leftJustified(5),
                          QString::number(e.productId).leftJustified(5),
                          releaseRange(e).leftJustified(9),
                          QLatin1String(e.found0 ? "found " : "-     "),
                          QLatin1String(e.found1 ? "found " : "-     "), st)
              << '\n';
    }
    lines << catalogue.usedCount() << " catalogue rows, " << connected
          << " connected (IDs in decimal, as Config.ini has them)" << Qt::endl;
    if (ctx.json)
        printJson(ctx, QJsonDocument(QJsonObject{{QStringLiteral("rows"), rows}}));
    if (!firstProblem.isNull())
        ctx.err << "korvalen-ctl: " << explainAccessProblem(firstProblem) << Qt::endl;
    if (!hidOk) {
        ctx.err << "korvalen-ctl: the HID library could not be initialised" << Qt::endl;
        return CtlNoMouse;
    }
    return CtlOk;
}
