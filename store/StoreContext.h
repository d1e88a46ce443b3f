#pragma once

#include "store/ProfileData.h"

#include <QString>

// The process-wide edited store: the five profiles the window shows, edits
// and saves. Written only on the GUI thread. The device layer keeps its own
// second store, filled from this one on every upload.
namespace StoreContext {

ProfileStore &store();

// The store as the files held it when this process last read or wrote
// them (see StoreSave.h): what differs from it in store() is this
// process's own change.
ProfileStore &baseline();

// The product this process works on. Once a process has settled on a
// mouse it keeps it, whatever another process writes into Config.ini
// meanwhile: a command-line run must not turn the window's uploads to
// another model, nor two runs for two mice into each other's.
bool hasPinnedProduct();
QString pinnedProduct();
void pinProduct(const QString &productName);

// Whether settling on a product also records it as the current product in
// Config.ini. The window records its choice; korvalen-ctl only uses its own.
bool recordsProductChoice();
void setRecordsProductChoice(bool records);

// Back to the all-zero store of a fresh start (tests).
void reset();

} // namespace StoreContext
