#include "cli/CtlCommands.h"
#include "cli/MouseChoice.h"

#include "store/DataFolderLock.h"
#include "store/ProductConfig.h"
#include "store/ProfileFile.h"
#include "store/ProfileLibrary.h"
#include "store/ProfileTransfer.h"
#include "store/StoreContext.h"
#include "store/StoreSave.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

// The chosen mouse with its stored profiles; status CtlOk when both are
// there.
int openStore(const ModeArgs &parsed, const char *command, CtlContext &ctx, MouseChoice *mouse)
{
    if (parsed.status != CtlOk)
        return parsed.status;
    *mouse = chooseMouse(parsed.mouse, true, command, ctx);
    if (mouse->status != CtlOk)
        return mouse->status;
    return loadChosenStore(*mouse, ctx) ? CtlOk : CtlFileFailed;
}

int modeOf(const ModeArgs &parsed)
{
    return parsed.mode >= 0 ? parsed.mode : StoreContext::store().curProfile % kProfileCount;
}

} // namespace

int runExport(const QStringList &args, CtlContext &ctx)
{
    const ModeArgs parsed = parseModeArgs(args, "export", {QStringLiteral("--force")}, 1, 1,
                                          "needs the file to write", ctx);
    MouseChoice mouse;
    if (const int status = openStore(parsed, "export", ctx, &mouse))
        return status;
    const int mode = modeOf(parsed);
    const QString name = StoreContext::store().profileNames[mode];
    const QString target = parsed.positional.first();
    if (exportReplacesFile(name, target) && !parsed.flags.contains(QLatin1String("--force"))) {
        ctx.err << "korvalen-ctl: " << QDir::toNativeSeparators(target)
                << " exists; --force replaces it" << Qt::endl;
        return CtlUsage;
    }
    QString error;
    if (!exportProfileFile(name, mouse.productName, target, &error)) {
        ctx.err << "korvalen-ctl: profile \"" << name << "\" could not be exported: " << error
                << " (" << writeFailureCause(target) << ')' << Qt::endl;
        return CtlFileFailed;
    }
    return CtlOk;
}

int runImport(const QStringList &args, CtlContext &ctx)
{
    const ModeArgs parsed = parseModeArgs(args, "import", {QStringLiteral("--apply")}, 1, 1,
                                          "needs the profile file to import", ctx);
    // Told before the model tag is read: a missing file has no tag either.
    if (parsed.status == CtlOk && !QFileInfo(parsed.positional.first()).isFile()) {
        ctx.err << "korvalen-ctl: " << QDir::toNativeSeparators(parsed.positional.first())
                << " is missing (no such file)" << Qt::endl;
        return CtlUsage;
    }
    MouseChoice mouse;
    if (const int status = openStore(parsed, "import", ctx, &mouse))
        return status;
    // The saved list and the store are read and written under one lock:
    // another run's import or the window's save must not lose this one.
    const DataFolderLock lock;
    if (!lock.problem().isEmpty()) {
        ctx.err << "korvalen-ctl: " << lock.problem() << Qt::endl;
        return CtlFileFailed;
    }
    if (!loadChosenStore(mouse, ctx))
        return CtlFileFailed;
    ProfileStore &store = StoreContext::store();
    ProfileStore baseline = store;
    const int mode = modeOf(parsed);
    const QString path = parsed.positional.first();
    const QString name = importedProfileName(path);
    QStringList list;
    readSavedNames(list);
    QString error;
    QString problem;
    switch (importProfileForMode(store, mode, path, mouse.productName, list, &error)) {
    case ProfileImport::Imported:
        break;
    case ProfileImport::OtherModel: {
        const QString tag = readMouseName(path);
        problem = QStringLiteral("%1 was not exported from %2 (its model: %3)")
                      .arg(path, mouse.productName, tag.isEmpty() ? QStringLiteral("none") : tag);
        break;
    }
    case ProfileImport::UnsafeName:
        problem = QStringLiteral("\"%1\" cannot name a profile: %2")
                      .arg(name, nameProblemText(profileNameProblem(name), profileNameLimits()));
        break;
    case ProfileImport::Exists:
        problem =
            QStringLiteral("profile \"%1\" exists already; rename the file to import it").arg(name);
        break;
    case ProfileImport::UsedByOtherMode:
        problem = QStringLiteral("profile \"%1\" is used by another mode").arg(name);
        break;
    case ProfileImport::CopyFailed:
        ctx.err << "korvalen-ctl: " << path << " could not be imported: " << error << " ("
                << writeFailureCause(profileFilePath(name), QFileInfo(path).size()) << ')'
                << Qt::endl;
        return CtlFileFailed;
    case ProfileImport::ListNotSaved:
        ctx.err << "korvalen-ctl: the profile list could not be saved to "
                << QDir::toNativeSeparators(productConfigPath()) << ": "
                << writeFailureCause(productConfigPath()) << Qt::endl;
        return CtlFileFailed;
    }
    if (!problem.isEmpty()) {
        ctx.err << "korvalen-ctl: " << problem << Qt::endl;
        return CtlUsage;
    }
    // The window's LOAD saves the store and uploads it; here --apply uploads.
    if (!saveChangedStore(baseline, mouse, ctx))
        return CtlFileFailed;
    return parsed.flags.contains(QLatin1String("--apply")) ? uploadChosenStore(mouse, ctx) : CtlOk;
}

int runProfiles(const QStringList &args, CtlContext &ctx)
{
    ModeArgs parsed = parseModeArgs(args, "profiles", {}, 0, 0, "takes no arguments", ctx);
    if (parsed.mode >= 0) {
        ctx.err << "korvalen-ctl: profiles: unknown option --mode" << Qt::endl;
        parsed.status = CtlUsage;
    }
    MouseChoice mouse;
    if (const int status = openStore(parsed, "profiles", ctx, &mouse))
        return status;
    const ProfileStore &store = StoreContext::store();
    // The saved list, then any mode's name the list lacks.
    QStringList names;
    readSavedNames(names);
    for (const QString &name : store.profileNames) {
        if (!names.contains(name))
            names << name;
    }
    const int active = store.curProfile % kProfileCount;
    QJsonArray rows;
    for (const QString &name : names) {
        QJsonArray modes;
        QStringList modeTexts;
        for (int m = 0; m < kProfileCount; ++m) {
            if (store.profileNames[m] != name)
                continue;
            modes.append(m + 1);
            modeTexts << QString::number(m + 1) + QLatin1String(m == active ? " (active)" : "");
        }
        const bool exists = isSafeProfileName(name) && profileFileExists(name);
        if (ctx.json) {
            rows.append(QJsonObject{{QStringLiteral("name"), name},
                                    {QStringLiteral("modes"), modes},
                                    {QStringLiteral("file"), profileFilePath(name)},
                                    {QStringLiteral("exists"), exists}});
            continue;
        }
        // One arg() for all: a name holding "%2" is text, not a place.
        ctx.out << QStringLiteral("%1 %2%3").arg(name.leftJustified(24),
                                                 modeTexts.isEmpty()
                                                     ? QStringLiteral("-")
                                                     : QStringLiteral("mode ") +
                                                           modeTexts.join(QLatin1String(", ")),
                                                 QLatin1String(exists ? "" : "  (no file)"))
                << '\n';
    }
    if (ctx.json) {
        printJson(ctx, QJsonDocument(QJsonObject{{QStringLiteral("model"), mouse.productName},
                                                 {QStringLiteral("activeMode"), active + 1},
                                                 {QStringLiteral("profiles"), rows}}));
    }
    return CtlOk;
}
