#pragma once

#include "device/DeviceNotice.h"

#include <QVector>

struct RawDeviceNotice;

// What a system notice was: a Linux node is looked up as below; otherwise
// the Windows interface name tells vendor, product and collection itself
// (DeviceNameParser.h).
QVector<DeviceNotice> noticesFor(const RawDeviceNotice &raw);

// Notices for a device node that appeared or went away, where the system
// names only the node (Linux hidraw). An added node is looked up through
// HID enumeration, one notice per collection it carries; a removed node
// can no longer be asked, so its IDs come from the catalogue entry that
// recorded its path.
QVector<DeviceNotice> noticesForAddedNode(const QByteArray &path);
DeviceNotice noticeForRemovedNode(const QByteArray &path);
