#pragma once

#include <QObject>

#include <functional>

// The current user's pointer speed on the scale 1-20, 10 being the system's
// default. Windows: SPI_SETMOUSESPEED / SPI_GETMOUSESPEED. Linux: GNOME's
// org.gnome.desktop.peripherals.mouse speed, through the gsettings program
// so that the library needs no GLib; KORVALEN_GSETTINGS names another
// program to run instead (tests put a stand-in there). Other Linux desktops
// have no common setting, and the calls fail there.

// Sets the speed for the user, persistently and for running programs. On
// failure returns false and puts the system's error code in *error (the
// exit status of gsettings on Linux, -1 when it could not run at all).
bool setSystemPointerSpeed(int speed, int *error);

// The speed in effect, or 0 when it cannot be read.
int systemPointerSpeed();

// The same without waiting for the answer: `done` runs later, on the calling
// thread's event loop, with the speed or 0; not at all once `context` is
// gone. Starting a program costs tens of milliseconds that the window's
// start need not wait for.
void readSystemPointerSpeedLater(QObject *context, std::function<void(int)> done);
