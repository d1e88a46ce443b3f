#pragma once

#include <QString>

#include <functional>
#include <optional>

class QWidget;

// What the macro assignment dialog hands back: the macro (or gun file)
// chosen, how often it runs and its loop mode (0 the loop count, 1 repeat
// while the button is held, 2 repeat until the button is pressed again).
struct MacroChoice
{
    QString name;
    int loopCount = 1;
    int loopMode = 0;
};

// Runs the assignment dialog for a button: `title` heads it, `current` is
// what the button holds (an empty name, 1 and 0 for a button without one)
// and `gunFile` picks gun files instead of macros. Nothing when the user
// cancelled.
using MacroChooser = std::function<std::optional<MacroChoice>(
    QWidget *parent, const QString &title, const MacroChoice &current, bool gunFile)>;
