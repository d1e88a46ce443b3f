#pragma once

#include "common/TestHome.h"

#include "device/DeviceCatalogue.h"
#include "device/DeviceContext.h"
#include "device/hid/VirtualMouseBackend.h"
#include "store/StoreContext.h"

// A fresh temporary home with the process-wide state of the device and
// store layers reset when it is made and again when it goes, so that no
// test sees a mouse, a backend or a store an earlier one left behind.
class CleanHome : public TestHome
{
public:
    CleanHome() { reset(); }
    ~CleanHome()
    {
        closeDevice();
        reset();
    }

    CleanHome(const CleanHome &) = delete;
    CleanHome &operator=(const CleanHome &) = delete;

private:
    static void reset()
    {
        DeviceContext::reset();
        StoreContext::reset();
    }
};

// Virtual mice of these models as the process's HID backend.
inline VirtualMouseBackend *installVirtualMice(const QStringList &models)
{
    auto backend = std::make_unique<VirtualMouseBackend>(models);
    VirtualMouseBackend *mice = backend.get();
    DeviceContext::installHid(std::move(backend), mice);
    return mice;
}
