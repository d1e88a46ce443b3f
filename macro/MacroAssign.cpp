#include "macro/MacroAssign.h"

#include "macro/MacroFile.h"
#include "store/ProfileData.h"

void assignMacroToButton(ButtonInfo &button, int function, const QString &name, int loopCount,
                         int loopType)
{
    button.Fun = function;
    button.LoopNumber = loopCount;
    button.Res1 = quint8(loopType);
    button.macroname = name;
    const QVector<MacroEvent> events = readMacroEventsForUpload(name);
    button.KeyNumber = events.size();
    for (int i = 0; i < kKeyInfoCount; ++i) {
        const MacroEvent e = i < events.size() ? events.at(i) : MacroEvent{};
        button.KeyInfo[i] = KeyInfoEntry{e.Map, e.DataL, e.DataH};
    }
}
