#pragma once

#include "common/CleanHome.h"

#include "widgets/ShellState.h"
#include "widgets/Skin.h"
#include "widgets/UiScale.h"

// A clean home for widget tests: the skin of the built application folder,
// and the interface scale and shell state at their defaults.
class UiHome : public CleanHome
{
public:
    UiHome()
    {
        Skin::setApplicationDir(QStringLiteral(KORVALEN_APP_DIR));
        resetUi();
    }
    ~UiHome() { resetUi(); }

private:
    static void resetUi()
    {
        UiScale::reset();
        ShellState::reset();
    }
};
