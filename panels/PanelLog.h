#pragma once

#include <QLoggingCategory>

// Debug output of the settings panels.
Q_DECLARE_LOGGING_CATEGORY(lcPanels)
