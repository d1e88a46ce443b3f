#pragma once

#include <QString>

// Operations on the global Config.ini. Each opens its own QSettings and
// lets it go (which flushes the file) before returning; a missing key reads
// as 0 or an empty string.
void writeLangId(int id);
int readLangId();
// The current product. Writing settles this process on it (see
// StoreContext::pinProduct) and, where the process records its choice,
// stores it as "Config/CurrentProductName"; reading gives the settled
// product, or the stored one while the process has settled on none.
void writeProductName(const QString &name);
QString readProductName();
