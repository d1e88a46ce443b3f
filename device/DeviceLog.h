#pragma once

#include <QLoggingCategory>

// Device access writes its protocol and hot-plug diagnostics here; the
// texts are kept stable because users quote them in bug reports.
Q_DECLARE_LOGGING_CATEGORY(lcDevice)
Q_DECLARE_LOGGING_CATEGORY(lcHid)
