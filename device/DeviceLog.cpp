#include "device/DeviceLog.h"

Q_LOGGING_CATEGORY(lcDevice, "korvalen.device")
Q_LOGGING_CATEGORY(lcHid, "korvalen.hid")
