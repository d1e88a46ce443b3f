#pragma once

#include <functional>

class QObject;

// The pointer speed belongs to each profile but is a setting of the
// computer; the upload, the profile switch and the window apply it.

// Applies a pointer speed (1-20) to the system; the caller passes the
// mousespeed of the device store's active profile. On failure writes
// "Error in SystemParametersInfo :<code>" and returns false.
bool SetPointerSpeed(int speed);
// The system's pointer speed, 0 when it cannot be read.
int GetPointerSpeed();
// The same, handed to `done` later on this thread's event loop instead of
// waited for; nothing happens once `context` is gone.
void GetPointerSpeedLater(QObject *context, std::function<void(int)> done);
