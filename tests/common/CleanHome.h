#pragma once

#include "common/TestHome.h"

#include "device/DeviceCatalogue.h"
#include "device/DeviceContext.h"
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
