#pragma once

#include "device/hid/HidApi.h"

#include <QByteArray>
#include <QString>

struct MouseListEntry;

// An interface of a present mouse that could not be opened, and why.
struct AccessProblem
{
    QByteArray path;
    HidOpenError error;
    bool isNull() const { return path.isEmpty(); }
    bool permissionDenied() const;
};

// Tries both interfaces of a present mouse and closes them again; the first
// one that does not open, or null when both do. Leaves the open handles of
// DeviceContext alone.
AccessProblem probeAccess(const MouseListEntry &entry);

// After openDeviceByName(): the interface of the mouse that did not open,
// or null when both are open (or no such mouse is present).
AccessProblem openProblem(const QByteArray &productName);

// One paragraph for a person: the node, the cause and what to do about it.
QString explainAccessProblem(const AccessProblem &problem);

// Where `cmake --install` puts the udev rule that opens the nodes to the
// seat's user.
QString udevRulePath();
