#pragma once

#include "device/MouseList.h"

// The catalogue operations on the process-wide catalogue and handles
// (DeviceContext); the table itself is in MouseList.h.

// Reads the catalogue of the global Config.ini into `catalogue` (cleared
// first). A count above the table size is cut to it; a row whose product
// name cannot be a folder name (productNameProblem) stays empty and
// matches no mouse.
void readCatalogue(DeviceCatalogue &catalogue);

// Loads the process-wide catalogue from the global Config.ini.
void loadDeviceCatalogue();

// Enumerates the attached HID devices and marks the collections of the
// catalogue that are present. Returns -1 when the HID library cannot be
// initialised, else 0.
int enumerateDevices();

// Opens both interfaces of the connected entry with this product name; the
// last qualifying entry in catalogue order supplies the handles. A name
// that matches no connected entry leaves the handles as they were.
void openDeviceByName(const QByteArray &productName);

// Closes both handles (interface 0 first) and forgets them.
void closeDevice();

// Releases the HID library.
void exitDevice();
