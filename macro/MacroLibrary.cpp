#include "macro/MacroLibrary.h"

#include "store/DataFolder.h"
#include "store/IniFile.h"

#include <QDir>
#include <QFile>

namespace {

QString slotKey(int slot)
{
    return QStringLiteral("MACRO_LIST/") + QString::number(slot);
}

QStringList readSlots()
{
    IniFile file(globalConfigPath());
    QStringList entries;
    for (int i = 0; i < kMacroLibrarySlots; ++i)
        entries << file.settings().value(slotKey(i)).toString();
    return entries;
}

bool macroFileExists(const QString &name)
{
    return QFile::exists(macroFilePath(name));
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
    const int slot = readSlots().indexOf(QString());
    if (slot < 0)
        return false;
    IniFile file(globalConfigPath());
    file.settings().setValue(slotKey(slot), name);
    return file.commit();
}

bool removeFromMacroLibrary(const QString &name)
{
    const int slot = readSlots().indexOf(name);
    if (slot < 0 || name.isEmpty())
        return false;
    IniFile file(globalConfigPath());
    file.settings().setValue(slotKey(slot), QString());
    return file.commit();
}

void renameInMacroLibrary(const QString &oldName, const QString &newName)
{
    const QStringList entries = readSlots();
    IniFile file(globalConfigPath());
    for (int i = 0; i < entries.size(); ++i) {
        if (entries.at(i) == oldName)
            file.settings().setValue(slotKey(i), newName);
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
    const QString path = macroFilePath(name);
    return !QFile::exists(path) || QFile::remove(path);
}

bool renameMacroFile(const QString &oldName, const QString &newName)
{
    const QString oldPath = macroFilePath(oldName);
    if (!QFile::exists(oldPath))
        return false;
    return QFile::rename(oldPath, macroFilePath(newName));
}

QString renameMacro(const QString &oldName, const QString &wanted)
{
    const QString name = uniqueMacroName(wanted);
    renameMacroFile(oldName, name);
    renameInMacroLibrary(oldName, name);
    return name;
}
