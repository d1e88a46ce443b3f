#pragma once

#include <memory>

class HidApi;
class VirtualMouseBackend;

struct HidBackendSelection
{
    std::unique_ptr<HidApi> api;
    VirtualMouseBackend *virtualMice = nullptr; // inside api, or null
};

// Chooses the backend from the environment:
//   KORVALEN_VIRTUAL_MOUSE=NX-19[,NX-05...]  virtual mice instead of hidapi
//   KORVALEN_VIRTUAL_MOUSE_CONTROL=PATH      their control socket (opened by
//                                            listenForVirtualMouseControl())
//   KORVALEN_VIRTUAL_MOUSE_FAIL=N            their n-th feature report fails
//   KORVALEN_VIRTUAL_MOUSE_UNPLUG=N          they are unplugged after their
//                                            n-th feature report
//   KORVALEN_VIRTUAL_MOUSE_DENY=1            they cannot be opened (EACCES)
//   KORVALEN_HID_TRACE=FILE                  trace every report to FILE
HidBackendSelection createHidApiFromEnvironment();
