#pragma once

#include "macro/MacroAssignment.h"

#include <QString>

#include <functional>
#include <optional>

class QWidget;

// Runs the assignment dialog for a button: `title` heads it, `current` is
// what the button holds (an empty name, 1 and 0 for a button without one)
// and `gunFile` picks gun files instead of macros. Nothing when the user
// cancelled.
using MacroChooser = std::function<std::optional<MacroChoice>(
    QWidget *parent, const QString &title, const MacroChoice &current, bool gunFile)>;
