#include "common/FuzzHome.h"

#include "device/ButtonUpload.h"
#include "macro/MacroFile.h"

// A .MSMACRO file as anything may have left it: read for the editor and
// for the upload, it never yields more events than a button holds, its
// block always fits the 200 bytes of a macro block, and what the editor
// read it saves and reads back unchanged.
extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    fuzz::start(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString name = QStringLiteral("fuzz");
    fuzz::writeInput(macroFilePath(name), data, size);
    const MacroFileData macro = readMacroFile(name);
    fuzz::require(macro.events.size() <= kMaxMacroEvents);
    for (const MacroEvent &event : macro.events)
        macroEventText(event);
    const QVector<MacroEvent> events = readMacroEventsForUpload(name);
    fuzz::require(events.size() <= kMaxMacroEvents);
    fuzz::require(macroBlockWrite(0, events).data.size() <= 200);
    // Saved as the editor saves it, the macro reads back the same.
    const QString copy = QStringLiteral("copy");
    QFile::remove(macroFilePath(copy));
    fuzz::require(writeMacroFile(copy, macro));
    const MacroFileData again = readMacroFile(copy);
    fuzz::require(again.events == macro.events && again.delayType == macro.delayType &&
                  again.loopType == macro.loopType && again.loopTime == macro.loopTime &&
                  again.defaultDelay == macro.defaultDelay);
    return 0;
}
