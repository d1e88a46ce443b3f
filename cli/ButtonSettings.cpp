#include "cli/ButtonSettings.h"

#include "device/ButtonUpload.h"
#include "macro/MacroAssignment.h"
#include "macro/MacroLibrary.h"
#include "store/ButtonFunctions.h"
#include "store/FunctionCodes.h"
#include "store/KeyTables.h"
#include "store/ModelTable.h"

#include <QRegularExpression>
#include <QStringList>

#include <algorithm>

namespace {

constexpr int kMaxRepeat = 255;

const char *const kComboModifierNames[kComboModifiers] = {"Shift", "Ctrl", "Win", "Alt"};
// The right-hand twins of the modifiers, which a combination made elsewhere
// may hold; they print as the modifier.
const quint8 kRightModifierCodes[kComboModifiers] = {0x36, 0xEE, 0x5C, 0xEF};
const char *const kFireTypeNames[] = {"Left", "Right", "Middle"};
const char *const kLoopModeNames[] = {"times", "while-held", "until-pressed"};

// The words a function with parameters is introduced by, longer ones first
// so that "Macro Manager m1" is not read as the macro "Manager m1".
struct Introducer
{
    qint32 code;
    QStringList words;
};

const QVector<Introducer> &introducers()
{
    static const QVector<Introducer> list = {
        {FunctionCode::SingleKey, {QStringLiteral("SINGLE KEY"), QStringLiteral("single-key")}},
        {FunctionCode::ComboKey,
         {QStringLiteral("COMBO KEY"), QStringLiteral("combo-key"), QStringLiteral("combo")}},
        {FunctionCode::FireKey,
         {QStringLiteral("FIRE KEY"), QStringLiteral("fire-key"), QStringLiteral("fire")}},
        {FunctionCode::Sniper, {QStringLiteral("SNIPER")}},
        {FunctionCode::Macro, {QStringLiteral("Macro Manager"), QStringLiteral("macro")}},
        {FunctionCode::GunFile,
         {QStringLiteral("GunFile Manager"), QStringLiteral("gun file"),
          QStringLiteral("gunfile")}},
    };
    return list;
}

bool hasParameters(qint32 code)
{
    return opensKeyEditor(code) || code == FunctionCode::Macro || code == FunctionCode::GunFile;
}

QString menuText(qint32 code)
{
    const ButtonFunction *f = buttonFunction(code);
    return f ? QString::fromLatin1(f->text) : QString();
}

bool sameText(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// A menu text as typed: any case, and "-" for the spaces ("browser-home").
bool matchesMenuText(const QString &value, const QString &text)
{
    return sameText(value, text) ||
           sameText(value, QString(text).replace(QLatin1Char(' '), QLatin1Char('-')));
}

// Keys the mouse can hold, by the name the window shows.
bool keyByName(const QString &name, quint8 *code)
{
    for (const KeyUsagePair &pair : keyUsageTable()) {
        if (sameText(keyName(pair.code), name.trimmed())) {
            *code = pair.code;
            return true;
        }
    }
    return false;
}

QString keyNamesProblem()
{
    QStringList names;
    for (const KeyUsagePair &pair : keyUsageTable())
        names << keyName(pair.code);
    return QStringLiteral("keys by the window's names: ") + names.join(QLatin1String(", "));
}

QString comboText(const ButtonInfo &entry)
{
    QStringList names;
    for (quint8 code : comboKeyCodes(entry)) {
        QString name = keyName(code);
        for (int m = 0; m < kComboModifiers; ++m) {
            if (code == kComboModifierCodes[m] || code == kRightModifierCodes[m])
                name = QString::fromLatin1(kComboModifierNames[m]);
        }
        names << name;
    }
    return names.join(QLatin1Char('+'));
}

// "Ctrl+Shift+A": modifiers in any order, at most one other key, which may
// itself hold a "+" (Num +). Returns the key codes in slot order.
QString parseCombo(const QString &text, QVector<quint8> *codes)
{
    const QString allowed =
        QStringLiteral("give Shift, Ctrl, Win and Alt and one other key joined by +, e.g. "
                       "Ctrl+Shift+A");
    bool held[kComboModifiers] = {};
    QString rest = text.trimmed();
    quint8 key = 0;
    bool hasKey = false;
    while (!rest.isEmpty()) {
        bool modifier = false;
        for (int m = 0; m < kComboModifiers && !modifier; ++m) {
            // The window's own names of the left and right keys mean the
            // modifier too (LCtr+LShift+A).
            const QString names[] = {QString::fromLatin1(kComboModifierNames[m]),
                                     keyName(kComboModifierCodes[m]),
                                     keyName(kRightModifierCodes[m])};
            for (const QString &name : names) {
                if (modifier || !rest.startsWith(name, Qt::CaseInsensitive))
                    continue;
                const QString after = rest.mid(name.size()).trimmed();
                if (after.isEmpty() || after.startsWith(QLatin1Char('+'))) {
                    held[m] = true;
                    rest = after.mid(1).trimmed();
                    modifier = true;
                }
            }
        }
        if (modifier)
            continue;
        if (hasKey || !keyByName(rest, &key))
            return allowed + QStringLiteral("; ") + keyNamesProblem();
        hasKey = true;
        rest.clear();
    }
    for (int m = 0; m < kComboModifiers; ++m) {
        if (held[m])
            *codes << kComboModifierCodes[m];
    }
    if (hasKey)
        *codes << key;
    return codes->isEmpty() ? allowed : QString();
}

// "times N", "while-held" or "until-pressed" at the end of a macro value.
QString parseLoop(const QString &text, MacroChoice *choice)
{
    static const QRegularExpression times(QStringLiteral("^(.*)\\s+times\\s+(\\d+)$"),
                                          QRegularExpression::CaseInsensitiveOption);
    choice->name = text;
    choice->loopCount = 1;
    choice->loopMode = 0;
    const QRegularExpressionMatch m = times.match(text);
    if (m.hasMatch()) {
        const int count = m.captured(2).toInt();
        if (count < 1 || count > kMaxRepeat)
            return QStringLiteral("times takes 1-255");
        choice->name = m.captured(1).trimmed();
        choice->loopCount = count;
        return QString();
    }
    for (int mode = 1; mode < 3; ++mode) {
        const QString word = QLatin1Char(' ') + QString::fromLatin1(kLoopModeNames[mode]);
        if (text.endsWith(word, Qt::CaseInsensitive)) {
            choice->name = text.chopped(word.size()).trimmed();
            choice->loopMode = mode;
        }
    }
    return QString();
}

QString loopText(const ButtonInfo &entry)
{
    if (entry.Res1 == 0)
        return QStringLiteral("times %1").arg(entry.LoopNumber);
    return entry.Res1 < 3 ? QString::fromLatin1(kLoopModeNames[entry.Res1])
                          : QStringLiteral("loop mode %1").arg(entry.Res1);
}

// The sniper steps of the model's scale with their DPI.
QVector<QPair<int, int>> sniperSteps(const QString &productName)
{
    const quint32 sensor = sensorType(productName);
    const SniperScale scale = sniperScale(sensor).value_or(SniperScale{});
    QVector<QPair<int, int>> steps;
    for (int step = scale.sliderMin; step <= scale.sliderMax; ++step)
        steps.append({step, dpiFromSlider(step, sensor)});
    return steps;
}

QString allowedFunctions(int entry)
{
    QStringList texts;
    const bool wheel = isWheelSlot(entry);
    for (const ButtonFunction &f : buttonFunctions()) {
        const bool offered = wheel ? wheelFunctions().contains(f.code) : f.place != MenuWheelOnly;
        if (offered && !hasParameters(f.code))
            texts << QString::fromLatin1(f.text);
    }
    QStringList parameters;
    parameters << QStringLiteral("SINGLE KEY <key>") << QStringLiteral("COMBO KEY <keys>");
    if (!wheel) {
        parameters << QStringLiteral(
                          "FIRE KEY <Left|Right|Middle|Keyboard Key <key>> times <n> delay <n>")
                   << QStringLiteral("SNIPER <DPI>")
                   << QStringLiteral("macro <name> [times <n>|while-held|until-pressed]");
        if (entry != 0)
            parameters << QStringLiteral("gunfile <name> [times <n>|while-held|until-pressed]");
    }
    return QStringLiteral("functions: ") + texts.join(QLatin1String(", ")) +
           QStringLiteral("; with parameters: ") + parameters.join(QLatin1String(", "));
}

QString fireProblem()
{
    return QStringLiteral("give FIRE KEY Left, Right, Middle or Keyboard Key <key>, then "
                          "times <1-255> delay <1-255>");
}

// The function a value names: a menu text, or a function with parameters
// by its introducing words (the rest goes to `argument`). None when
// nothing matches.
qint32 functionByText(const QString &v, QString *argument)
{
    qint32 code = FunctionCode::None;
    for (const ButtonFunction &f : buttonFunctions()) {
        if (!hasParameters(f.code) && matchesMenuText(v, QString::fromLatin1(f.text)))
            code = f.code;
    }
    for (const Introducer &intro : introducers()) {
        for (const QString &word : intro.words) {
            if (code == FunctionCode::None && v.size() > word.size() &&
                v.startsWith(word + QLatin1Char(' '), Qt::CaseInsensitive)) {
                code = intro.code;
                *argument = v.mid(word.size() + 1);
            }
        }
    }
    return code;
}

QString setMacroFunction(const ProfileStore &store, int entry, qint32 code,
                         const QString &productName, const QString &argument, ProfileData &record)
{
    switch (macroFunctionRefusal(entry, code)) {
    case MacroRefusal::GunFileOnLeftButton:
        return QStringLiteral("the left button cannot fire a gun file");
    case MacroRefusal::NoMacros:
        return QStringLiteral("no macro exists yet; record one in the window's MACRO tab");
    default:
        break;
    }
    MacroChoice choice;
    const QString loopProblem = parseLoop(argument, &choice);
    if (!loopProblem.isEmpty())
        return loopProblem;
    const QStringList library = macroLibrary();
    if (!library.contains(choice.name))
        return QStringLiteral("there is no macro %1; the macros are: %2")
            .arg(choice.name, library.join(QLatin1String(", ")));
    if (macroLimitRefusal(store, productName, code, choice.name) == MacroRefusal::LimitReached)
        return QStringLiteral("%1 holds at most %2 different macros; assign one of %3")
            .arg(productName)
            .arg(macroLimit(productName))
            .arg(assignedMacros(store).join(QLatin1String(", ")));
    assignMacro(record.BUTTON_INFO[entry], code, choice);
    return QString();
}

// The parameters of a key, fire or sniper function.
struct FunctionParameters
{
    QVector<quint8> combo;
    quint8 key = 0;
    int fireType = FireLeft;
    int times = 0;
    int delay = 0;
    int sniper = 0;
};

// "<Left|Right|Middle|Keyboard Key KEY> times N delay N".
QString parseFireKey(const QString &argument, FunctionParameters *p)
{
    static const QRegularExpression fire(
        QStringLiteral("^(.+)\\s+times\\s+(\\d+)\\s+delay\\s+(\\d+)$"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = fire.match(argument);
    if (!m.hasMatch())
        return fireProblem();
    p->times = m.captured(2).toInt();
    p->delay = m.captured(3).toInt();
    if (p->times < 1 || p->times > kMaxRepeat || p->delay < 1 || p->delay > kMaxRepeat)
        return fireProblem();
    const QString what = m.captured(1).trimmed();
    p->fireType = -1;
    for (int t = FireLeft; t < FireKeyboard; ++t) {
        if (sameText(what, QString::fromLatin1(kFireTypeNames[t])))
            p->fireType = t;
    }
    const QString keyboard = QStringLiteral("Keyboard Key ");
    if (p->fireType < 0) {
        if (!what.startsWith(keyboard, Qt::CaseInsensitive))
            return fireProblem();
        if (!keyByName(what.mid(keyboard.size()), &p->key))
            return keyNamesProblem();
        p->fireType = FireKeyboard;
    }
    return QString();
}

QString parseParameters(qint32 code, const QString &argument, int entry, const QString &productName,
                        FunctionParameters *p)
{
    switch (code) {
    case FunctionCode::SingleKey:
        return keyByName(argument, &p->key) ? QString() : keyNamesProblem();
    case FunctionCode::ComboKey:
        return parseCombo(argument, &p->combo);
    case FunctionCode::FireKey:
        return parseFireKey(argument, p);
    case FunctionCode::Sniper: {
        QStringList allowed;
        p->sniper = -1;
        for (const auto &step : sniperSteps(productName)) {
            allowed << QString::number(step.second);
            if (argument == allowed.constLast() && p->sniper < 0)
                p->sniper = step.first;
        }
        return p->sniper < 0 ? QStringLiteral("sniper DPI: ") + allowed.join(QLatin1String(", "))
                             : QString();
    }
    default:
        return argument.isEmpty() ? QString() : allowedFunctions(entry);
    }
}

} // namespace

QVector<ButtonSetting> modelButtons(const QString &productName)
{
    QVector<int> present;
    for (const ButtonMapStep &step : modelButtonMap(productName)) {
        if (step.slot >= 0 && step.slot < kButtonSlotCount && !present.contains(step.slot))
            present << step.slot;
    }
    std::sort(present.begin(), present.end());
    QVector<ButtonSetting> buttons;
    for (int slot : present) {
        QString name;
        if (slot < kButtonGroupSize)
            name = QStringLiteral("button%1").arg(slot + 1);
        else if (slot < 2 * kButtonGroupSize)
            name = QStringLiteral("side%1").arg(slot - kButtonGroupSize + 1);
        else
            name = slot == 2 * kButtonGroupSize ? QStringLiteral("scroll-up")
                                                : QStringLiteral("scroll-down");
        buttons.append({name, slot});
    }
    return buttons;
}

QString buttonFunctionText(const ButtonInfo &entry, const QString &productName)
{
    switch (entry.Fun) {
    case FunctionCode::None:
        return QStringLiteral("none");
    case FunctionCode::SingleKey:
        return menuText(entry.Fun) + QLatin1Char(' ') + keyName(entry.Res1);
    case FunctionCode::ComboKey:
        return menuText(entry.Fun) + QLatin1Char(' ') + comboText(entry);
    case FunctionCode::FireKey: {
        quint8 key = 0;
        const int type = fireKeyType(entry, &key);
        const QString what = type == FireKeyboard ? QStringLiteral("Keyboard Key ") + keyName(key)
                                                  : QString::fromLatin1(kFireTypeNames[type]);
        return QStringLiteral("%1 %2 times %3 delay %4")
            .arg(menuText(entry.Fun), what)
            .arg(entry.LoopNumber)
            .arg(entry.KeyNumber);
    }
    case FunctionCode::Sniper:
        return menuText(entry.Fun) + QLatin1Char(' ') +
               QString::number(dpiFromSlider(entry.Res1, sensorType(productName)));
    case FunctionCode::Macro:
    case FunctionCode::GunFile:
        return QStringLiteral("%1 %2 %3")
            .arg(QLatin1String(entry.Fun == FunctionCode::Macro ? "macro" : "gunfile"),
                 entry.macroname, loopText(entry));
    default:
        break;
    }
    const QString text = menuText(entry.Fun);
    return text.isEmpty() ? QStringLiteral("code %1").arg(entry.Fun) : text;
}

QString setButtonFunction(ProfileStore &store, int mode, int entry, const QString &productName,
                          const QString &value)
{
    QString argument;
    const qint32 code = functionByText(value.simplified(), &argument);
    const bool wheel = isWheelSlot(entry);
    if (code == FunctionCode::None ||
        (wheel ? !wheelFunctions().contains(code) : buttonFunction(code)->place == MenuWheelOnly))
        return allowedFunctions(entry);

    ProfileData &record = store.profiles[mode];
    ButtonAssignment assignment(record);
    if (assignment.takesLastLeftClick(entry, code))
        return QStringLiteral("it holds the profile's last Left click; give another button Left "
                              "first");
    if (code == FunctionCode::Macro || code == FunctionCode::GunFile)
        return setMacroFunction(store, entry, code, productName, argument, record);

    // Parsed before anything changes: a refused parameter keeps the button.
    FunctionParameters p;
    const QString problem = parseParameters(code, argument, entry, productName, &p);
    if (!problem.isEmpty())
        return problem;
    assignment.setFunction(entry, code);
    switch (code) {
    case FunctionCode::SingleKey:
        assignment.setSingleKey(entry, p.key);
        break;
    case FunctionCode::ComboKey:
        assignment.setComboKeys(entry, p.combo);
        break;
    case FunctionCode::FireKey:
        assignment.setFireKey(entry, p.fireType, p.key, quint8(p.times), quint8(p.delay));
        break;
    case FunctionCode::Sniper:
        assignment.setSniper(entry, quint8(p.sniper));
        break;
    default:
        break;
    }
    return QString();
}
