#include "platform/PlatformLog.h"

Q_LOGGING_CATEGORY(lcPlatform, "korvalen.platform")
