#include "macro/MacroLibrary.h"

#include "store/DataFolder.h"
#include "store/IniDocument.h"
#include "store/IniFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QString slotKey(int slot)
{
    return QStringLiteral("MACRO_LIST/") + QString::number(slot);
}

QStringList readSlots()
{
    const IniFile file(globalConfigPath());
    QStringList entries;
    for (int i = 0; i < kMacroLibrarySlots; ++i)
        entries << file.value(slotKey(i)).toString();
    return entries;
}

bool macroFileExists(const QString &name)
{
    return QFile::exists(macroFilePath(name));
}

// A file is taken for a macro file when it parses as INI and says how many
// events it holds.
bool readsAsMacroFile(const IniDocument &file, int *count)
{
    if (file.malformed())
        return false;
    bool ok = false;
    *count = file.value(QStringLiteral("Setting/Count")).toInt(&ok);
    return ok && *count >= 0;
}

} // namespace

int macroLibraryCount()
{
    return macroLibrary().size();
}

QStringList macroLibrary()
{
    QStringList names;
    for (const QString &name : readSlots()) {
        if (!name.isEmpty())
            names << name;
    }
    return names;
}

bool addToMacroLibrary(const QString &name)
{
    if (!isSafeMacroName(name))
        return false;
    const int slot = readSlots().indexOf(QString());
    if (slot < 0)
        return false;
    IniFile file(globalConfigPath());
    file.setValue(slotKey(slot), name);
    return file.commit();
}

bool removeFromMacroLibrary(const QString &name)
{
    const int slot = readSlots().indexOf(name);
    if (slot < 0 || name.isEmpty())
        return false;
    IniFile file(globalConfigPath());
    file.setValue(slotKey(slot), QString());
    return file.commit();
}

void renameInMacroLibrary(const QString &oldName, const QString &newName)
{
    const QStringList entries = readSlots();
    IniFile file(globalConfigPath());
    for (int i = 0; i < entries.size(); ++i) {
        if (entries.at(i) == oldName)
            file.setValue(slotKey(i), newName);
    }
    file.commit();
}

QString newMacroName()
{
    for (int n = 1;; ++n) {
        const QString name = QStringLiteral("name_%1").arg(n);
        if (!macroFileExists(name))
            return name;
    }
}

QString uniqueMacroName(const QString &wanted)
{
    if (!macroFileExists(wanted))
        return wanted;
    for (int n = 2;; ++n) {
        const QString name = wanted + QStringLiteral("_%1").arg(n);
        if (!macroFileExists(name))
            return name;
    }
}

bool deleteMacroFile(const QString &name)
{
    if (!isSafeMacroName(name))
        return false;
    const QString path = macroFilePath(name);
    return !QFile::exists(path) || QFile::remove(path);
}

bool renameMacroFile(const QString &oldName, const QString &newName)
{
    if (!isSafeMacroName(oldName) || !isSafeMacroName(newName))
        return false;
    const QString oldPath = macroFilePath(oldName);
    if (!QFile::exists(oldPath))
        return false;
    return QFile::rename(oldPath, macroFilePath(newName));
}

QString renameMacro(const QString &oldName, const QString &wanted)
{
    if (!isSafeMacroName(oldName) || !isSafeMacroName(wanted))
        return QString();
    const QString name = uniqueMacroName(wanted);
    renameMacroFile(oldName, name);
    renameInMacroLibrary(oldName, name);
    return name;
}

MacroImport importMacroFile(const QString &sourcePath, QString *name)
{
    const QString base = QFileInfo(sourcePath).completeBaseName();
    if (name)
        *name = base;
    int count = 0;
    IniDocument in;
    if (!QFileInfo(sourcePath).isFile() || !in.load(sourcePath) || !readsAsMacroFile(in, &count))
        return MacroImport::NotMacroFile;
    if (!isSafeMacroName(base))
        return MacroImport::UnsafeName;
    if (macroFileExists(base))
        return MacroImport::Exists;
    if (macroLibraryCount() >= kMacroLibrarySlots)
        return MacroImport::LibraryFull;
    if (!QDir().mkpath(macroFolder()))
        return MacroImport::CopyFailed;

    const QString target = macroFilePath(base);
    bool copied = false;
    if (count <= kMaxMacroEvents) {
        copied = QFile::copy(sourcePath, target);
    } else {
        // Written anew with the first 63 events as they stand, the settings
        // kept; the copy then reads and uploads like any other macro.
        MacroFileData macro;
        macro.defaultDelay = in.value(QStringLiteral("Setting/DefaultDelay")).toInt();
        macro.delayType = in.value(QStringLiteral("Setting/DelayType")).toInt();
        macro.loopType = in.value(QStringLiteral("Setting/LoopType")).toInt();
        macro.loopTime = in.value(QStringLiteral("Setting/LoopTime")).toInt();
        for (int i = 0; i < kMaxMacroEvents; ++i) {
            const auto byte = [&in, i](const char *field) {
                return quint8(
                    in.value(QStringLiteral("Setting/%1_%2").arg(QLatin1String(field)).arg(i))
                        .toInt());
            };
            macro.events.append(MacroEvent{byte("Map"), byte("DataH"), byte("DataL")});
        }
        copied = writeMacroFile(base, macro);
    }
    if (!copied) {
        QFile::remove(target);
        return MacroImport::CopyFailed;
    }
    if (!addToMacroLibrary(base)) {
        QFile::remove(target);
        return MacroImport::LibraryFull;
    }
    return count <= kMaxMacroEvents ? MacroImport::Imported : MacroImport::Shortened;
}

QString macroImportMessage(MacroImport result, const QString &name)
{
    switch (result) {
    case MacroImport::Imported:
        return QString();
    case MacroImport::Shortened:
        return QCoreApplication::translate(
            "Macro", "THE FILE HOLDS MORE THAN 63 EVENTS; ONLY THE FIRST 63 WERE KEPT.");
    case MacroImport::NotMacroFile:
        return QCoreApplication::translate("Macro", "THIS IS NOT A MACRO FILE.");
    case MacroImport::UnsafeName:
        return unsafeMacroNameMessage(name);
    case MacroImport::Exists:
        return QCoreApplication::translate("Macro", "Macro Exist!");
    case MacroImport::LibraryFull:
        return QCoreApplication::translate("Macro", "TOO MANY MACROS TO BE CREATE!");
    case MacroImport::CopyFailed:
        return QCoreApplication::translate("Macro", "THE MACRO FILE COULD NOT BE WRITTEN.");
    }
    return QString();
}
