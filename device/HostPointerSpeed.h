#pragma once

// The pointer speed belongs to each profile but is a setting of the
// computer; the upload, the profile switch and the window apply it.

// Applies a pointer speed (1-20) to the system; the caller passes the
// mousespeed of the device store's active profile. On failure writes
// "Error in SystemParametersInfo :<code>" and returns false.
bool SetPointerSpeed(int speed);
// The system's pointer speed, 0 when it cannot be read.
int GetPointerSpeed();
