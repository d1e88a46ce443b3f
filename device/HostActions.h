#pragma once

#include "device/HostPointerSpeed.h"

#include <QtGlobal>

// Button functions that take effect on the computer rather than in the
// mouse. Free functions without state of their own; the operating-system
// work is done by the platform services behind them. They live in the
// window's library (korvalen_host), not in the core: only the window
// performs them, and the command-line tool then loads no display library.

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

// Makes the interface-0 reader carry out the actions the mouse asks for.
void installHostActions();
