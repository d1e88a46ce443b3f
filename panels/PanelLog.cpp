#include "panels/PanelLog.h"

Q_LOGGING_CATEGORY(lcPanels, "korvalen.panels")
