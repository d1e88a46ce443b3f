#include "cli/CtlCommands.h"
#include "cli/MouseChoice.h"
#include "cli/Settings.h"

#include "store/ProductConfig.h"
#include "store/ProfileFile.h"
#include "store/StoreContext.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>

int runGet(const QStringList &args, CtlContext &ctx)
{
    const ModeArgs parsed =
        parseModeArgs(args, "get", {}, 0, 1, "takes at most one setting name", ctx);
    if (parsed.status != CtlOk)
        return parsed.status;
    const MouseChoice mouse = chooseMouse(parsed.mouse, true, "get", ctx);
    if (mouse.status != CtlOk)
        return mouse.status;
    if (!loadChosenStore(mouse, ctx))
        return CtlFileFailed;
    ProfileStore &store = StoreContext::store();
    const SettingsTarget target{store, mouse.productName,
                                parsed.mode >= 0 ? parsed.mode : store.curProfile % kProfileCount};
    QVector<SettingValue> values;
    if (parsed.positional.isEmpty()) {
        values = readSettings(target);
    } else {
        QString value;
        if (!readSetting(target, parsed.positional.first(), &value)) {
            QString problem;
            SettingsTarget probe = target;
            // The refusal names the model's settings; nothing is stored.
            writeSetting(probe, parsed.positional.first(), QString(), &problem);
            ctx.err << "korvalen-ctl: " << problem << Qt::endl;
            return CtlUsage;
        }
        values.push_back({parsed.positional.first(), value});
    }
    if (ctx.json) {
        QJsonObject settings;
        for (const SettingValue &v : values) {
            bool isNumber = false;
            const int n = v.value.toInt(&isNumber);
            settings.insert(v.name, isNumber ? QJsonValue(n) : QJsonValue(v.value));
        }
        const QJsonObject root{{QStringLiteral("model"), mouse.productName},
                               {QStringLiteral("mode"), target.mode + 1},
                               {QStringLiteral("settings"), settings}};
        printJson(ctx, QJsonDocument(root));
        return CtlOk;
    }
    if (values.size() == 1 && !parsed.positional.isEmpty()) {
        ctx.out << values.first().value << '\n';
        return CtlOk;
    }
    for (const SettingValue &v : values)
        ctx.out << QStringLiteral("%1 %2").arg(v.name, -16).arg(v.value) << '\n';
    return CtlOk;
}

int runSet(const QStringList &args, CtlContext &ctx)
{
    const ModeArgs parsed = parseModeArgs(args, "set", {QStringLiteral("--apply")}, 2, 2,
                                          "needs a setting name and a value", ctx);
    if (parsed.status != CtlOk)
        return parsed.status;
    const MouseChoice mouse = chooseMouse(parsed.mouse, true, "set", ctx);
    if (mouse.status != CtlOk)
        return mouse.status;
    QStringList unreadable;
    if (!loadChosenStore(mouse, ctx, &unreadable))
        return CtlFileFailed;
    ProfileStore &store = StoreContext::store();
    SettingsTarget target{store, mouse.productName,
                          parsed.mode >= 0 ? parsed.mode : store.curProfile % kProfileCount};
    // A file that holds nothing loaded as zeros: one setting written on top
    // would make a profile of zeros that apply then refuses.
    for (const QString &file :
         {productConfigPath(), profileFilePath(store.profileNames[target.mode])}) {
        if (!unreadable.contains(file))
            continue;
        ctx.err << "korvalen-ctl: " << QDir::toNativeSeparators(file)
                << " is missing, empty, unreadable or holds none of its keys; nothing was "
                   "changed. Open the window and press Apply to start it from the model's "
                   "defaults, or import a saved copy"
                << Qt::endl;
        return CtlUsage;
    }
    ProfileStore baseline = store;
    QString problem;
    if (!writeSetting(target, parsed.positional.at(0), parsed.positional.at(1), &problem)) {
        ctx.err << "korvalen-ctl: " << problem << Qt::endl;
        return CtlUsage;
    }
    // Only this setting goes onto the files, as they are now: the window or
    // another run may have changed others since they were read.
    if (!saveChangedStore(baseline, mouse, ctx))
        return CtlFileFailed;
    return parsed.flags.contains(QLatin1String("--apply")) ? uploadChosenStore(mouse, ctx) : CtlOk;
}
