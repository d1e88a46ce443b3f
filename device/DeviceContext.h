#pragma once

#include <memory>

class HidApi;
class HidDevice;
class VirtualMouseBackend;
struct DeviceCatalogue;

// The process-wide state of device access: the catalogue, the HID backend
// and the two device handles. Written on the GUI thread only; the reader
// threads read the handle values.
namespace DeviceContext {

DeviceCatalogue &catalogue();

// The HID backend, created on first use from the environment: the virtual
// mouse when KORVALEN_VIRTUAL_MOUSE names models, else hidapi; wrapped in
// the trace when KORVALEN_HID_TRACE names a file.
HidApi &hid();
// The virtual mice behind hid(), or null when the real backend is in use.
VirtualMouseBackend *virtualMice();

HidDevice *interface0Handle();
HidDevice *interface1Handle();
void setHandles(HidDevice *interface0, HidDevice *interface1);

// Replaces the backend (tests); virtualMice names the virtual backend
// inside it, if any. The previous backend is destroyed.
void installHid(std::unique_ptr<HidApi> api, VirtualMouseBackend *virtualMice = nullptr);

// Forgets everything: handles, catalogue and backend (tests, and the end
// of the command-line tool).
void reset();

} // namespace DeviceContext
