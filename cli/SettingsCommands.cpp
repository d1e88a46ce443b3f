#include "cli/CtlCommands.h"
#include "cli/MouseChoice.h"
#include "cli/Settings.h"

#include "store/ProductConfig.h"
#include "store/StoreContext.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace {

// The options get and set share; what is left is the positional part.
struct SettingsArgs
{
    int status = CtlOk;
    QStringList mouse; // "--mouse X" for chooseMouse, or empty
    int mode = -1;     // 0-4, -1 = the active profile
    bool apply = false;
    QStringList positional;
};

SettingsArgs parseArgs(const QStringList &args, bool isSet, CtlContext &ctx)
{
    SettingsArgs parsed;
    const char *command = isSet ? "set" : "get";
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
        } else if (isSet && a == QLatin1String("--apply")) {
            parsed.apply = true;
        } else if (a.startsWith(QLatin1String("--"))) {
            ctx.err << "korvalen-ctl: " << command << ": unknown option " << a << Qt::endl;
            parsed.status = CtlUsage;
            return parsed;
        } else {
            parsed.positional << a;
        }
    }
    const int wanted = isSet ? 2 : 1;
    if (parsed.positional.size() > wanted || (isSet && parsed.positional.size() < wanted)) {
        ctx.err << "korvalen-ctl: " << command
                << (isSet ? " needs a setting name and a value" : " takes at most one setting name")
                << Qt::endl;
        parsed.status = CtlUsage;
    }
    return parsed;
}

} // namespace

int runGet(const QStringList &args, CtlContext &ctx)
{
    const SettingsArgs parsed = parseArgs(args, false, ctx);
    if (parsed.status != CtlOk)
        return parsed.status;
    const MouseChoice mouse = chooseMouse(parsed.mouse, true, "get", ctx);
    if (mouse.status != CtlOk)
        return mouse.status;
    if (!loadChosenStore(mouse, ctx))
        return CtlReportFailed;
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
    const SettingsArgs parsed = parseArgs(args, true, ctx);
    if (parsed.status != CtlOk)
        return parsed.status;
    const MouseChoice mouse = chooseMouse(parsed.mouse, true, "set", ctx);
    if (mouse.status != CtlOk)
        return mouse.status;
    if (!loadChosenStore(mouse, ctx))
        return CtlReportFailed;
    ProfileStore &store = StoreContext::store();
    SettingsTarget target{store, mouse.productName,
                          parsed.mode >= 0 ? parsed.mode : store.curProfile % kProfileCount};
    QString problem;
    if (!writeSetting(target, parsed.positional.at(0), parsed.positional.at(1), &problem)) {
        ctx.err << "korvalen-ctl: " << problem << Qt::endl;
        return CtlUsage;
    }
    // The files the window's OK writes.
    QStringList refused;
    if (!saveStore(store, &refused)) {
        ctx.err << "korvalen-ctl: the profiles of " << mouse.productName << " could not be saved"
                << Qt::endl;
        return CtlReportFailed;
    }
    return parsed.apply ? uploadChosenStore(mouse, ctx) : CtlOk;
}
