#pragma once

#include <QLoggingCategory>

// The window and its widgets write their layout and flow traces here.
Q_DECLARE_LOGGING_CATEGORY(lcUi)
