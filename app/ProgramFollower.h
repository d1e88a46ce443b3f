#pragma once

#include "store/ProgramRules.h"

#include <QObject>

#include <functional>

class FrontWindow;
struct FrontProgram;

// Takes the mouse to the mode linked to the program in front. Holds the
// rules of the current model, read again when the mouse or its Config.ini
// changes; wakes only when the front window changes.
class ProgramFollower final : public QObject
{
    Q_OBJECT

public:
    // `activeMode`: the mode shown now (0-based), or -1 when no mouse is
    // connected.
    ProgramFollower(QObject *parent, std::function<int()> activeMode);

    FrontWindow *frontWindow() const { return m_front; }
    const ProgramRules &rules() const { return m_rules; }
    // Reads the current model's rules again.
    void reloadRules();

signals:
    // The program in front wants mode `index` (0-based), which is not the
    // active one.
    void modeWanted(int index);

private:
    void frontChanged(const FrontProgram &program);

    FrontWindow *m_front;
    std::function<int()> m_activeMode;
    ProgramRules m_rules;
};
