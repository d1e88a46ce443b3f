#include "store/ProgramRules.h"

#include "store/DataFolderLock.h"
#include "store/IniFile.h"

#include <algorithm>
#include <limits>

namespace {

QString key(const char *name, int index = 0)
{
    return index > 0 ? QStringLiteral("Program_Profiles/%1_%2").arg(QLatin1String(name)).arg(index)
                     : QStringLiteral("Program_Profiles/") + QLatin1String(name);
}

// A number as the file spells it; anything else (a list, a serialised
// value, text) is no number. One too large for 64 bits is the largest.
qint64 numberOr(const IniFile &settings, const QString &key, qint64 fallback)
{
    const QVariant value = settings.value(key);
    if (value.userType() != QMetaType::QString)
        return fallback;
    const QString text = value.toString();
    bool ok = false;
    const qint64 number = text.toLongLong(&ok);
    if (ok)
        return number;
    const bool digits = !text.isEmpty() &&
                        std::all_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); });
    return digits ? std::numeric_limits<qint64>::max() : fallback;
}

bool hasRule(const QVector<ProgramRule> &rules, const QString &program)
{
    return std::any_of(rules.begin(), rules.end(), [&program](const ProgramRule &rule) {
        return rule.program.compare(program, Qt::CaseInsensitive) == 0;
    });
}

// Appends the rule if it may stand in the list: a valid name and mode,
// room left, and no earlier rule for the same program.
void keepRule(QVector<ProgramRule> &rules, const ProgramRule &rule)
{
    if (rules.size() < kMaxProgramRules && rule.mode >= 1 && rule.mode <= 5 &&
        isValidProgramName(rule.program) && !hasRule(rules, rule.program))
        rules.append(rule);
}

int ruleFor(const ProgramRules &rules, const QString &program)
{
    if (program.isEmpty())
        return 0;
    for (const ProgramRule &rule : rules.rules) {
        if (rule.program.compare(program, Qt::CaseInsensitive) == 0)
            return rule.mode;
    }
    return 0;
}

} // namespace

bool isValidProgramName(const QString &name)
{
    if (name.trimmed().isEmpty() || name.size() > kMaxProgramNameLength)
        return false;
    // Invisible characters would make two rules look alike in the list.
    return std::none_of(name.begin(), name.end(), [](QChar c) {
        return c.category() == QChar::Other_Control || c.category() == QChar::Other_Format;
    });
}

ProgramRules readProgramRules(const QString &configPath)
{
    const IniFile settings(configPath);
    ProgramRules rules;
    rules.enabled = numberOr(settings, key("Enabled"), 0) != 0;
    const qint64 defaultMode = numberOr(settings, key("Default"), 0);
    rules.defaultMode = defaultMode >= 0 && defaultMode <= 5 ? int(defaultMode) : 0;
    // Only the first rows are looked at, whatever count the file claims.
    const qint64 count =
        std::clamp<qint64>(numberOr(settings, key("Count"), 0), 0, kMaxProgramRules);
    for (int i = 1; i <= count; ++i) {
        const QVariant program = settings.value(key("Program", i));
        if (program.userType() == QMetaType::QString)
            keepRule(rules.rules,
                     {program.toString(),
                      int(std::clamp<qint64>(numberOr(settings, key("Mode", i), 0), 0, 6))});
    }
    return rules;
}

bool writeProgramRules(const QString &configPath, const ProgramRules &rules)
{
    QVector<ProgramRule> kept;
    for (const ProgramRule &rule : rules.rules)
        keepRule(kept, rule);
    const DataFolderLock lock;
    if (!lock.problem().isEmpty())
        return false;
    // The whole section is replaced, so rows of a longer list go too.
    return editIniFile(configPath, [&](IniDocument &document) {
        document.remove(QStringLiteral("Program_Profiles"));
        document.setValue(key("Enabled"), rules.enabled ? 1 : 0);
        document.setValue(key("Default"),
                          rules.defaultMode >= 0 && rules.defaultMode <= 5 ? rules.defaultMode : 0);
        document.setValue(key("Count"), kept.size());
        for (int i = 0; i < kept.size(); ++i) {
            document.setValue(key("Program", i + 1), kept[i].program);
            document.setValue(key("Mode", i + 1), kept[i].mode);
        }
    });
}

int modeForProgram(const ProgramRules &rules, const QString &executable, const QString &windowClass)
{
    if (!rules.enabled)
        return 0;
    // A path is cut to its file name; on Windows "cs2.exe" also matches
    // a rule for "cs2".
    QString file = executable.mid(std::max(executable.lastIndexOf(QLatin1Char('/')),
                                           executable.lastIndexOf(QLatin1Char('\\'))) +
                                  1);
    int mode = ruleFor(rules, file);
    if (mode == 0 && file.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive)) {
        file.chop(4);
        mode = ruleFor(rules, file);
    }
    if (mode == 0)
        mode = ruleFor(rules, windowClass);
    return mode != 0 ? mode : rules.defaultMode;
}
