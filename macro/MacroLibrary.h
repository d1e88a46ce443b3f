#pragma once

#include "macro/MacroFile.h"

#include <QString>
#include <QStringList>

// The macro library: 50 slots "MACRO_LIST/0" ... "MACRO_LIST/49" in the
// global Config.ini, each a macro name or empty (a missing key is an empty
// slot). The library shows the non-empty slots in slot order; a listed
// name whose file is missing is still listed.

constexpr int kMacroLibrarySlots = 50;

int macroLibraryCount();
QStringList macroLibrary();
// Puts the name into the first empty slot; false (nothing stored) when
// every slot is taken.
bool addToMacroLibrary(const QString &name);
// Empties the first slot holding the name; false when none does.
bool removeFromMacroLibrary(const QString &name);
// Every slot holding oldName gets newName.
void renameInMacroLibrary(const QString &oldName, const QString &newName);

// "name_1", "name_2", ...: the first whose file does not exist.
QString newMacroName();
// The wanted name when its file does not exist, else wanted + "_2",
// "_3", ...: the first free one (renames and gun files).
QString uniqueMacroName(const QString &wanted);

// Removes the macro's file when it exists.
bool deleteMacroFile(const QString &name);
// Renames the file when the old one exists; the path stored inside keeps
// the old name, as nothing reads it.
bool renameMacroFile(const QString &oldName, const QString &newName);
// Rename as the editor does it: a free name from the wanted one, the file,
// and every library slot. Returns the name used, or an empty string when
// either name is not safe (nothing changed).
QString renameMacro(const QString &oldName, const QString &wanted);

enum class MacroImport {
    Imported,     // copied and listed
    Shortened,    // listed; the copy keeps only the first 63 events
    NotMacroFile, // unreadable, or no "Setting/Count"
    UnsafeName,   // the file's base name is not a safe macro name
    Exists,       // MacroDB already has a file of that name
    LibraryFull,  // all 50 slots are taken
    CopyFailed,   // the file could not be written into MacroDB
};

// Imports a macro file under its own base name: checks it, copies it into
// MacroDB and adds the name to the library. On any refusal neither the
// folder nor the library changes.
MacroImport importMacroFile(const QString &sourcePath, QString *name = nullptr);
// The message for an import result; empty for Imported. `name` is the
// name the import gave (importMacroFile's).
QString macroImportMessage(MacroImport result, const QString &name);
