#pragma once

#include "store/ProfileData.h"

// The process-wide edited store: the five profiles the window shows, edits
// and saves. Written only on the GUI thread. The device layer keeps its own
// second store, filled from this one on every upload.
namespace StoreContext {

ProfileStore &store();

// Back to the all-zero store of a fresh start (tests).
void reset();

} // namespace StoreContext
