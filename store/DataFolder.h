#pragma once

#include "store/FileNameRule.h"
#include "store/IniFile.h"

#include <QString>

// The per-user data folder: the parent of the application-data location
// plus "/KORVALEN Gaming Mouse". Built afresh on every call so that a test
// that changes XDG_DATA_HOME sees its own folder.
QString dataFolder();

// "<data folder>/<product name>", the folder of one model's Config.ini and
// profile files.
QString productFolder(const QString &productName);

// The rule for product names, which become folder names: that of every
// file name (FileNameRule), at most 100 characters and 255 bytes. A
// catalogue row whose name breaks it is skipped.
NameLimits productNameLimits();
NameProblem productNameProblem(const QString &name);

// "<data folder>/Config.ini", the global configuration file.
QString globalConfigPath();

// The default global Config.ini shipped beside the executable.
QString defaultConfigPath(const QString &applicationDir);

// The catalogue's keys within its group ("Mouse_List") for the plain
// reader: "Count", then the fields of every row up to kMouseListRows,
// row by row in ConfigKeys::kCatalogueFields' order.
const PlainIniKeys &catalogueKeys();

class QLocale;

// Makes sure the data folder exists and holds a usable global Config.ini:
// a missing file is copied from the shipped default, with the language
// chosen from the system locale; a file whose device catalogue or font
// list is missing gets those sections from it; and the shipped catalogue
// rows whose product name the user's catalogue lacks are appended after
// the user's rows (never changed or moved) while it has fewer than
// kMouseListRows rows. Returns false when the folder or file cannot be
// written.
bool seedDataFolder(const QString &applicationDir);

// The language index ("Config/LangID") for a locale: 1 for Simplified
// Chinese, 2 for Traditional Chinese (Taiwan, Hong Kong, Macao), else 0.
int languageIdForLocale(const QLocale &locale);
