#include "cli/CtlCommands.h"
#include "cli/MouseChoice.h"

#include "store/DataFolderLock.h"
#include "store/ProductConfig.h"
#include "store/ProgramRules.h"
#include "store/StoreSave.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

struct Subcommand
{
    const char *name;
    int arguments;
    const char *usage;
};

const Subcommand kSubcommands[] = {
    {"list", 0, "list [--json]"},
    {"add", 2, "add PROGRAM MODE"},
    {"remove", 1, "remove PROGRAM"},
    {"default", 1, "default MODE|stay"},
    {"on", 0, "on"},
    {"off", 0, "off"},
};

int refuse(CtlContext &ctx, const QString &message)
{
    ctx.err << "korvalen-ctl: program-profiles: " << message << Qt::endl;
    return CtlUsage;
}

// 1-5, or 0 for "stay" where `stay` allows it; -1 for anything else.
int parseMode(const QString &text, bool stay)
{
    if (stay && text == QLatin1String("stay"))
        return 0;
    bool ok = false;
    const int mode = text.toInt(&ok);
    return ok && mode >= 1 && mode <= 5 && text == QString::number(mode) ? mode : -1;
}

QString nameProblem(const QString &name)
{
    if (name.trimmed().isEmpty())
        return QStringLiteral("the program's name is empty");
    if (name.size() > kMaxProgramNameLength)
        return QStringLiteral("a program's name has at most %1 characters")
            .arg(kMaxProgramNameLength);
    return QStringLiteral("a program's name may not hold control or invisible characters");
}

int indexOfRule(const ProgramRules &rules, const QString &program)
{
    for (int i = 0; i < rules.rules.size(); ++i) {
        if (rules.rules[i].program.compare(program, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

void printRules(const ProgramRules &rules, const QString &model, const QString &path,
                CtlContext &ctx)
{
    if (ctx.json) {
        QJsonArray rows;
        for (const ProgramRule &rule : rules.rules)
            rows.append(QJsonObject{{QStringLiteral("program"), rule.program},
                                    {QStringLiteral("mode"), rule.mode}});
        printJson(ctx, QJsonDocument(QJsonObject{{QStringLiteral("model"), model},
                                                 {QStringLiteral("file"), path},
                                                 {QStringLiteral("enabled"), rules.enabled},
                                                 {QStringLiteral("defaultMode"), rules.defaultMode},
                                                 {QStringLiteral("rules"), rows}}));
        return;
    }
    ctx.out << "following the front program: " << (rules.enabled ? "on" : "off") << '\n'
            << "default: "
            << (rules.defaultMode == 0 ? QStringLiteral("stay")
                                       : QStringLiteral("mode %1").arg(rules.defaultMode))
            << '\n';
    for (const ProgramRule &rule : rules.rules)
        ctx.out << rule.program.leftJustified(24) << " mode " << rule.mode << '\n';
}

// Applies one change to `rules`; an empty text, or why it is refused.
QString change(ProgramRules &rules, const QString &command, const QStringList &values)
{
    if (command == QLatin1String("on") || command == QLatin1String("off")) {
        rules.enabled = command == QLatin1String("on");
    } else if (command == QLatin1String("default")) {
        rules.defaultMode = parseMode(values[0], true);
    } else if (command == QLatin1String("remove")) {
        const int at = indexOfRule(rules, values[0]);
        if (at < 0)
            return QStringLiteral("there is no rule for \"%1\"").arg(values[0]);
        rules.rules.remove(at);
    } else {
        const int at = indexOfRule(rules, values[0]);
        if (at >= 0)
            rules.rules[at].mode = parseMode(values[1], false);
        else if (rules.rules.size() >= kMaxProgramRules)
            return QStringLiteral("there are %1 rules already, the most kept; remove one first")
                .arg(kMaxProgramRules);
        else
            rules.rules.append({values[0], parseMode(values[1], false)});
    }
    return QString();
}

} // namespace

int runProgramProfiles(const QStringList &args, CtlContext &ctx)
{
    const ModeArgs parsed = parseModeArgs(
        args, "program-profiles", {}, 1, 3,
        "needs list, add PROGRAM MODE, remove PROGRAM, default MODE|stay, on or off", ctx);
    if (parsed.status != CtlOk)
        return parsed.status;
    if (parsed.mode >= 0)
        return refuse(ctx, QStringLiteral("unknown option --mode"));
    const QString command = parsed.positional.first();
    const QStringList values = parsed.positional.mid(1);
    const Subcommand *sub = nullptr;
    for (const Subcommand &s : kSubcommands) {
        if (command == QLatin1String(s.name))
            sub = &s;
    }
    if (!sub)
        return refuse(ctx, QStringLiteral("unknown command %1; one of list, add, remove, "
                                          "default, on, off")
                               .arg(command));
    if (values.size() != sub->arguments)
        return refuse(ctx,
                      QStringLiteral("usage: program-profiles %1").arg(QLatin1String(sub->usage)));
    if (ctx.json && command != QLatin1String("list"))
        return refuse(ctx, command + QStringLiteral(" has no --json output"));
    // Everything a person typed is checked before any file is opened.
    if ((command == QLatin1String("add") || command == QLatin1String("remove")) &&
        !isValidProgramName(values[0]))
        return refuse(ctx, nameProblem(values[0]));
    if (command == QLatin1String("add") && parseMode(values[1], false) < 0)
        return refuse(ctx, QStringLiteral("unknown mode %1; modes are 1-5").arg(values[1]));
    if (command == QLatin1String("default") && parseMode(values[0], true) < 0)
        return refuse(ctx,
                      QStringLiteral("unknown mode %1; modes are 1-5, or stay").arg(values[0]));

    const MouseChoice mouse = chooseMouse(parsed.mouse, true, "program-profiles", ctx);
    if (mouse.status != CtlOk)
        return mouse.status;
    // A model met for the first time gets its defaults before its rules.
    if (!loadChosenStore(mouse, ctx))
        return CtlFileFailed;
    const QString path = productConfigPath();
    if (command == QLatin1String("list")) {
        printRules(readProgramRules(path), mouse.productName, path, ctx);
        return CtlOk;
    }
    // Read and written under one lock, so that no other writer's rule is lost.
    const DataFolderLock lock;
    if (!lock.problem().isEmpty()) {
        ctx.err << "korvalen-ctl: " << lock.problem() << Qt::endl;
        return CtlFileFailed;
    }
    ProgramRules rules = readProgramRules(path);
    const QString problem = change(rules, command, values);
    if (!problem.isEmpty())
        return refuse(ctx, problem);
    if (!writeProgramRules(path, rules)) {
        ctx.err << "korvalen-ctl: the program profiles could not be saved to "
                << QDir::toNativeSeparators(path) << ": " << writeFailureCause(path) << Qt::endl;
        return CtlFileFailed;
    }
    return CtlOk;
}
