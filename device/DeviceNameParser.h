#pragma once

#include "device/DeviceNotice.h"

#include <QString>

// Turns the device-interface name of a Windows notice into a notice:
// "HID#VID_xxxx&PID_xxxx&mi_02&col01" names interface 0, "...&col02"
// interface 1 (any case). A name that matches neither gives vendor and
// product ID 0 and matches no catalogue entry. The path is the name with
// "\\?\" put in front, in Latin-1.
DeviceNotice parseDeviceInterfaceName(const QString &name, bool arrived);
