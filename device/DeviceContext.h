#pragma once

#include <QString>

#include <functional>
#include <map>
#include <memory>

class HidApi;
class HidDevice;
class VirtualMouseBackend;
struct DeviceCatalogue;
struct ProfileStore;

// Macro index -> macro name, in index order; rebuilt by every button-map
// upload and consumed by the macro upload that follows it.
using MacroIndexMap = std::map<quint8, QString>;

// Receives each protocol delay instead of sleeping (tests).
using ProtocolDelayHook = std::function<void(int ms)>;

// Carries out a host action the mouse asks for (codes 0x1F-0x26); false for
// a code it does not know.
using HostActionHandler = bool (*)(quint8 code);

// The process-wide state of device access: the catalogue, the HID backend,
// the two device handles, the device store and the macro index map. Written on the GUI thread only;
// the reader threads read the handle values.
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

// The device layer's own copy of the profiles: every report sender reads
// from it, and the whole-store upload refreshes it from the edited store.
// All zero until the first upload.
ProfileStore &deviceStore();

MacroIndexMap &macroIndexMap();

// Null (the default) makes the protocol delays real sleeps.
void setProtocolDelayHook(ProtocolDelayHook hook);
const ProtocolDelayHook &protocolDelayHook();

// The host actions live with the window, the only program that performs
// them, so that the command-line tool needs no display libraries; the
// window installs them before it starts the readers. Null (the default):
// the interface-0 reader decodes the requests and does nothing.
void setHostActionHandler(HostActionHandler handler);
HostActionHandler hostActionHandler();

// Forgets everything: handles, catalogue, backend, device store, macro
// index map, delay hook and host-action handler (tests, and the end of the
// command-line tool).
void reset();

} // namespace DeviceContext
