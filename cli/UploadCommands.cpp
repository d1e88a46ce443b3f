#include "cli/CtlCommands.h"
#include "cli/MouseChoice.h"

#include "device/ButtonUpload.h"
#include "device/StoreUpload.h"
#include "store/ProductConfig.h"
#include "store/ProfileFile.h"
#include "store/StoreCheck.h"
#include "store/StoreContext.h"
#include "store/StoreSave.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace {

UploadProgress progressPrinter(CtlContext &ctx, bool *mouseFailed);
bool refuseBadStore(const MouseChoice &mouse, const QStringList &unreadable, CtlContext &ctx,
                    const char *outcome = "nothing was sent to");
bool refuseUnreadable(const MouseChoice &mouse, const QStringList &unreadable, CtlContext &ctx,
                      const char *outcome);

} // namespace

// The store of the chosen model, as the window loads it: a model met for
// the first time starts from its defaults.
bool loadChosenStore(const MouseChoice &mouse, CtlContext &ctx, QStringList *unreadable)
{
    ProfileStore &store = StoreContext::store();
    QStringList refused;
    const bool loaded = loadProductStore(store, &refused, unreadable);
    // A model met for the first time whose defaults could not be written.
    const QString config = productConfigPath();
    if (!QFileInfo::exists(config)) {
        ctx.err << "korvalen-ctl: the defaults of " << mouse.productName
                << " could not be written to " << QDir::toNativeSeparators(config) << " ("
                << writeFailureCause(config, 1 << 20) << ")" << Qt::endl;
        return false;
    }
    if (loaded)
        return true;
    // A profile whose name cannot be a file name would go out empty.
    for (const QString &name : refused)
        ctx.err << "korvalen-ctl: the profile name \"" << name << "\" of " << mouse.productName
                << " cannot be a file name; rename it in the window" << Qt::endl;
    ctx.err << "korvalen-ctl: the stored profiles of " << mouse.productName << " cannot be read"
            << Qt::endl;
    return false;
}

bool saveChangedStore(ProfileStore &baseline, const MouseChoice &mouse, CtlContext &ctx)
{
    StoreSaveFailure failure;
    if (saveStoreChanges(StoreContext::store(), baseline, &failure))
        return true;
    ctx.err << "korvalen-ctl: " << failure.file << " could not be written: " << failure.cause
            << "; the profiles of " << mouse.productName << " were not saved" << Qt::endl;
    return false;
}

namespace {

// One line per step on a terminal; a failed step always on stderr. Only
// what the mouse did not take makes the command fail: a desktop without a
// pointer-speed setting is worth a warning, not exit status 3.
UploadProgress progressPrinter(CtlContext &ctx, bool *mouseFailed)
{
    return [&ctx, mouseFailed](const UploadStep &step) {
        if (ctx.terminal) {
            ctx.out << QStringLiteral("  %1 %2")
                           .arg(step.name, -26)
                           .arg(QLatin1String(step.ok ? "ok" : "FAILED"))
                    << Qt::endl;
        }
        if (step.ok)
            return;
        ctx.err << "korvalen-ctl: " << (step.hostSetting ? "warning: " : "") << step.name << ": "
                << step.problem << Qt::endl;
        if (!step.hostSetting)
            *mouseFailed = true;
    };
}

// A store read from files that hold nothing, or holding values the mouse
// has no code for, is refused whole before anything is sent: zeros would
// leave every button without a function, the left click included.
// `outcome` says what the command therefore left undone ("nothing was
// sent to", "nothing was compared with"), followed by the model.
bool refuseBadStore(const MouseChoice &mouse, const QStringList &unreadable, CtlContext &ctx,
                    const char *outcome)
{
    const bool refused = refuseUnreadable(mouse, unreadable, ctx, outcome);
    const QVector<StoreProblem> problems = storeProblems(StoreContext::store());
    for (const StoreProblem &p : problems) {
        ctx.err << "korvalen-ctl: " << p.file << ": " << p.key << " = " << p.value
                << " is not a value the mouse knows; allowed: " << p.allowed << Qt::endl;
    }
    if (!problems.isEmpty())
        ctx.err << "korvalen-ctl: " << outcome << " " << mouse.productName << Qt::endl;
    return refused || !problems.isEmpty();
}

bool refuseUnreadable(const MouseChoice &mouse, const QStringList &unreadable, CtlContext &ctx,
                      const char *outcome)
{
    for (const QString &file : unreadable) {
        ctx.err << "korvalen-ctl: " << file << " is missing, empty, unreadable or holds none of "
                << "its keys; " << outcome << " " << mouse.productName
                << " (open the window to start this profile from the model's defaults)" << Qt::endl;
    }
    return !unreadable.isEmpty();
}

} // namespace

int runApply(const QStringList &args, CtlContext &ctx)
{
    const MouseChoice mouse = chooseMouse(args, true, "apply", ctx);
    if (mouse.status != CtlOk)
        return mouse.status;
    QStringList unreadable;
    if (!loadChosenStore(mouse, ctx, &unreadable))
        return CtlFileFailed;
    if (refuseBadStore(mouse, unreadable, ctx))
        return CtlUsage;
    return uploadChosenStore(mouse, ctx);
}

int uploadChosenStore(const MouseChoice &mouse, CtlContext &ctx)
{
    if (refuseBadStore(mouse, {}, ctx))
        return CtlUsage;
    for (const QString &name : missingMacros(StoreContext::store())) {
        ctx.err << "korvalen-ctl: warning: the macro \"" << name
                << "\" has no file; its block goes up with the pause events only" << Qt::endl;
    }
    if (ctx.terminal)
        ctx.out << "Uploading the stored profiles to " << mouse.productName << Qt::endl;
    bool failed = false;
    ApplyStore(StoreContext::store(), progressPrinter(ctx, &failed));
    if (failed)
        return CtlReportFailed;
    if (ctx.terminal)
        ctx.out << "Done." << Qt::endl;
    return CtlOk;
}

int runSwitch(const QStringList &args, CtlContext &ctx)
{
    bool ok = false;
    const int profile = args.value(0).toInt(&ok);
    if (args.size() < 1 || !ok || profile < 1 || profile > kProfileCount) {
        ctx.err << "korvalen-ctl: switch needs a profile number 1-5" << Qt::endl;
        return CtlUsage;
    }
    const MouseChoice mouse = chooseMouse(args.mid(1), false, "switch", ctx);
    if (mouse.status != CtlOk)
        return mouse.status;
    QStringList unreadable;
    if (!loadChosenStore(mouse, ctx, &unreadable))
        return CtlFileFailed;
    // The mouse gets only the index, which is checked above, and holds
    // its profiles already: their values are apply's business. But the
    // desktop gets that profile's pointer speed, so Config.ini (which names
    // the file) and that file must hold something; the others may not.
    const ProfileStore &store = StoreContext::store();
    const QStringList needed{productConfigPath(), profileFilePath(store.profileNames[profile - 1])};
    unreadable.erase(std::remove_if(unreadable.begin(), unreadable.end(),
                                    [&](const QString &file) { return !needed.contains(file); }),
                     unreadable.end());
    if (refuseUnreadable(mouse, unreadable, ctx, "nothing was sent to"))
        return CtlUsage;
    // The window and the next upload start from the profile now active, so
    // ProfileID is saved first: a switch the files would not know of is
    // not sent at all.
    const int previous = store.curProfile;
    if (!saveProfileId(profile - 1)) {
        ctx.err << "korvalen-ctl: ProfileID could not be saved to "
                << QDir::toNativeSeparators(productConfigPath()) << " ("
                << writeFailureCause(productConfigPath()) << "); nothing was sent to "
                << mouse.productName << Qt::endl;
        return CtlFileFailed;
    }
    bool failed = false;
    SwitchProfile(StoreContext::store(), quint8(profile - 1), progressPrinter(ctx, &failed));
    if (failed) {
        saveProfileId(previous);
        return CtlReportFailed;
    }
    StoreContext::store().curProfile = quint8(profile - 1);
    if (ctx.terminal)
        ctx.out << mouse.productName << " is on profile " << profile << Qt::endl;
    return CtlOk;
}

int runVerify(const QStringList &args, CtlContext &ctx)
{
    const MouseChoice mouse = chooseMouse(args, true, "verify", ctx);
    if (mouse.status != CtlOk)
        return mouse.status;
    // What apply would refuse to write is nothing to compare with.
    QStringList unreadable;
    if (!loadChosenStore(mouse, ctx, &unreadable))
        return CtlFileFailed;
    if (refuseBadStore(mouse, unreadable, ctx, "nothing was compared with"))
        return CtlUsage;
    QVector<UploadDifference> differences;
    if (!verifyUpload(StoreContext::store(), mouse.productName, &differences)) {
        ctx.err << "korvalen-ctl: reading the mouse's memory failed" << Qt::endl;
        return CtlReportFailed;
    }
    if (ctx.json) {
        QJsonArray list;
        for (const UploadDifference &d : differences) {
            list.append(QJsonObject{
                {QStringLiteral("what"), d.what},
                {QStringLiteral("address"), int(d.address)},
                {QStringLiteral("expected"), hexBytes(d.expected)},
                {QStringLiteral("read"), hexBytes(d.actual)},
            });
        }
        printJson(ctx, QJsonDocument(QJsonObject{{QStringLiteral("model"), mouse.productName},
                                                 {QStringLiteral("differences"), list}}));
    }
    for (const UploadDifference &d : differences) {
        if (ctx.json)
            break;
        ctx.out << QStringLiteral("%1 at 0x%2: expected %3, read %4")
                       .arg(d.what)
                       .arg(d.address, 4, 16, QLatin1Char('0'))
                       .arg(hexBytes(d.expected), hexBytes(d.actual))
                << Qt::endl;
    }
    if (!differences.isEmpty()) {
        ctx.err << "korvalen-ctl: " << mouse.productName << " differs from the stored profiles in "
                << differences.size() << (differences.size() == 1 ? " place" : " places")
                << Qt::endl;
        return CtlReportFailed;
    }
    if (!ctx.json)
        ctx.out << mouse.productName << " holds what apply writes for the stored profiles"
                << Qt::endl;
    return CtlOk;
}
