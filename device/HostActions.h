#pragma once

#include <QObject>

#include <functional>

// Settings and button functions that take effect on the computer rather
// than in the mouse. Free functions without state of their own; the
// operating-system work is done by the platform services behind them.

// Applies a pointer speed (1-20) to the system; the caller passes the
// mousespeed of the device store's active profile. On failure writes
// "Error in SystemParametersInfo :<code>" and returns false.
bool SetPointerSpeed(int speed);
// The system's pointer speed, 0 when it cannot be read.
int GetPointerSpeed();
// The same, handed to `done` later on this thread's event loop instead of
// waited for; nothing happens once `context` is gone.
void GetPointerSpeedLater(QObject *context, std::function<void(int)> done);

// Key pulses: press, 50 ms, release. False when no key events could be
// sent (the platform service says why in the debug output).
bool BrowserBack();
bool BrowserForward();
bool BrowserStop();
bool BrowserRefresh();
bool BrowserFavorites();
// Ctrl down, F down, F up, Ctrl up, 50 ms apart.
bool FindKeys();

void OpenStartPage();
// true: starts the mail program; false: pulses the mail key instead.
void OpenMail(bool startProgram);

// Carries out the host action a mouse asks for on interface 0 (codes
// 0x1F-0x26), synchronously on the calling thread. Returns false, doing
// nothing, for a code outside the table.
bool performHostAction(quint8 code);
