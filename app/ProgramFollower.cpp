#include "app/ProgramFollower.h"

#include "platform/FrontWindow.h"
#include "store/ConfigFile.h"
#include "store/ProductConfig.h"
#include "widgets/UiLog.h"

ProgramFollower::ProgramFollower(QObject *parent, std::function<int()> activeMode)
    : QObject(parent), m_front(new FrontWindow(this)), m_activeMode(std::move(activeMode))
{
    connect(m_front, &FrontWindow::frontChanged, this, &ProgramFollower::frontChanged);
    reloadRules();
}

void ProgramFollower::reloadRules()
{
    // No model yet: no product folder, no rules.
    m_rules = readProductName().isEmpty() ? ProgramRules() : readProgramRules(productConfigPath());
    qCDebug(lcUi, "program rules: %d %s", int(m_rules.rules.size()),
            m_rules.enabled ? "on" : "off");
}

void ProgramFollower::frontChanged(const FrontProgram &program)
{
    qCDebug(lcUi, "front program: %s (%s)%s", qPrintable(program.executable),
            qPrintable(program.windowClass), program.ownWindow ? ", our own window" : "");
    // Our own window or dialogs in front: the person is at work on the
    // modes here.
    if (program.ownWindow || !m_rules.enabled)
        return;
    const int mode = modeForProgram(m_rules, program.executable, program.windowClass);
    const int active = m_activeMode();
    if (mode < 1 || active < 0 || mode - 1 == active)
        return;
    emit modeWanted(mode - 1);
}
