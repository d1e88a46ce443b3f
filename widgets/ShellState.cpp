#include "widgets/ShellState.h"

namespace {

struct State
{
    bool warningOpen = false;
    bool deviceOpen = false;
};

State &state()
{
    static State s;
    return s;
}

} // namespace

namespace ShellState {

bool warningOpen()
{
    return state().warningOpen;
}

void setWarningOpen(bool open)
{
    state().warningOpen = open;
}

bool deviceOpen()
{
    return state().deviceOpen;
}

void setDeviceOpen(bool open)
{
    state().deviceOpen = open;
}

void reset()
{
    state() = State();
}

} // namespace ShellState
