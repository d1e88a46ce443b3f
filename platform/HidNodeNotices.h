#pragma once

#include "device/DeviceNotice.h"

#include <QVector>

// Notices for a device node that appeared or went away, where the system
// names only the node (Linux hidraw). An added node is looked up through
// HID enumeration, one notice per collection it carries; a removed node
// can no longer be asked, so its IDs come from the catalogue entry that
// recorded its path.
QVector<DeviceNotice> noticesForAddedNode(const QByteArray &path);
DeviceNotice noticeForRemovedNode(const QByteArray &path);
