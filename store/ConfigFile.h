#pragma once

#include "store/ConfigKeys.h"

#include <QString>
#include <QStringList>
#include <QVector>

// Operations on the global Config.ini. Each reads the file afresh and
// writes what it changes before returning; a missing key reads as 0 or an
// empty string.
void writeLangId(int id);
int readLangId();
// The current product. Writing settles this process on it (see
// StoreContext::pinProduct) and, where the process records its choice,
// stores it as "Config/CurrentProductName"; reading gives the settled
// product, or the stored one while the process has settled on none.
// A name that cannot be a folder name is neither settled on nor stored,
// and a stored one reads as empty: it would put the product's files
// outside the data folder.
void writeProductName(const QString &name);
QString readProductName();

// One row of the device catalogue.
struct MouseListRow
{
    quint32 vendorId = 0;
    quint32 productId = 0;
    quint32 usage0 = 0;
    quint32 usagePage0 = 0;
    quint32 usage1 = 0;
    quint32 usagePage1 = 0;
    quint32 versionMin = 0;
    quint32 versionMax = 0;
    QString productName;
    // Why the name cannot be a folder name (see productNameProblem); empty
    // for a usable row. A refused row matches no mouse.
    QString refusal;
};

// The catalogue as written: its count, which may be anything, and the
// first `rows` rows whatever the count says.
struct MouseListSection
{
    quint32 count = 0;
    QVector<MouseListRow> rows;
};
MouseListSection readMouseListSection(int rows);

// The font of a language index ("FONT_LIST"): family and pixel size. The
// entry may name several families separated by commas, so that one file
// serves Windows and Linux: the first is `family`, the rest are tried in
// order where it is missing.
struct FontEntry
{
    QString family;
    QStringList fallbacks;
    uint pixelSize = 0;
};
FontEntry readFontEntry(int languageIndex);
