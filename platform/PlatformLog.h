#pragma once

#include <QLoggingCategory>

// The operating-system services write here what the host could not do for
// them (no display, no settings store, no browser...).
Q_DECLARE_LOGGING_CATEGORY(lcPlatform)
