#pragma once

#include <QString>

// Operations on the global Config.ini. Each opens its own QSettings and
// lets it go (which flushes the file) before returning; a missing key reads
// as 0 or an empty string.
void writeLangId(int id);
int readLangId();
void writeProductName(const QString &name);
QString readProductName();
