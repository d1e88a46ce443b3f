#include "widgets/UiLog.h"

Q_LOGGING_CATEGORY(lcUi, "korvalen.ui")
