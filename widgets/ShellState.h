#pragma once

// Flags of the application shell that dialogs and the tray logic share
// with the main window.
namespace ShellState {

// Set while the "NO MOUSE DETECTED!" warning is open; a tray click then
// does nothing.
bool warningOpen();
void setWarningOpen(bool open);

// Set once a newly arrived mouse has been opened; a waiting warning box
// closes itself when it sees it.
bool deviceOpen();
void setDeviceOpen(bool open);

void reset();

} // namespace ShellState
