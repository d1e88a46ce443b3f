#include "macro/MacroAssignment.h"

#include "macro/MacroFile.h"
#include "macro/MacroLibrary.h"
#include "store/FunctionCodes.h"
#include "store/ModelTable.h"

QStringList assignedMacros(const ProfileStore &store)
{
    QStringList names;
    for (const ProfileData &profile : store.profiles) {
        for (const ButtonInfo &info : profile.BUTTON_INFO) {
            // A button given no macro name plays nothing and takes no place.
            if (info.Fun == FunctionCode::Macro && !info.macroname.isEmpty() &&
                !names.contains(info.macroname))
                names << info.macroname;
        }
    }
    return names;
}

MacroRefusal macroFunctionRefusal(int entry, qint32 code)
{
    if (code == FunctionCode::GunFile && entry == 0)
        return MacroRefusal::GunFileOnLeftButton;
    if (macroLibraryCount() <= 0)
        return MacroRefusal::NoMacros;
    return MacroRefusal::None;
}

MacroRefusal macroLimitRefusal(const ProfileStore &store, const QString &productName, qint32 code,
                               const QString &name)
{
    if (code != FunctionCode::Macro)
        return MacroRefusal::None;
    const QStringList assigned = assignedMacros(store);
    return assigned.size() >= macroLimit(productName) && !assigned.contains(name)
               ? MacroRefusal::LimitReached
               : MacroRefusal::None;
}

MacroChoice currentMacroChoice(const ButtonInfo &entry, qint32 code)
{
    MacroChoice current;
    if (entry.Fun == code) {
        current.name = entry.macroname;
        current.loopCount = entry.LoopNumber;
        current.loopMode = entry.Res1;
    }
    return current;
}

void assignMacro(ButtonInfo &entry, qint32 code, const MacroChoice &choice)
{
    entry.Fun = code;
    entry.LoopNumber = choice.loopCount;
    entry.Res1 = quint8(choice.loopMode);
    entry.macroname = choice.name;
    const QVector<MacroEvent> events = readMacroEventsForUpload(choice.name);
    entry.KeyNumber = events.size();
    // Nothing of the button's previous events stays behind the new ones.
    for (int i = 0; i < kKeyInfoCount; ++i) {
        entry.KeyInfo[i] = i < events.size()
                               ? KeyInfoEntry{events[i].Map, events[i].DataL, events[i].DataH}
                               : KeyInfoEntry{};
    }
}
