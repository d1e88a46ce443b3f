#include "device/DeviceContext.h"

#include "device/MouseList.h"
#include "device/hid/HidApi.h"
#include "device/hid/HidBackends.h"
#include "store/ProfileData.h"

#include <atomic>
#include <cstring>

namespace {

struct State
{
    DeviceCatalogue catalogue;
    std::unique_ptr<HidApi> hid;
    VirtualMouseBackend *virtualMice = nullptr;
    std::atomic<HidDevice *> interface0{nullptr};
    std::atomic<HidDevice *> interface1{nullptr};
    ProfileStore deviceStore;
    MacroIndexMap macroIndexMap;
    ProtocolDelayHook delayHook;
    std::atomic<HostActionHandler> hostActions{nullptr};

    State() { catalogue.clear(); }
};

State &state()
{
    static State s;
    return s;
}

} // namespace

namespace DeviceContext {

DeviceCatalogue &catalogue()
{
    return state().catalogue;
}

HidApi &hid()
{
    State &s = state();
    if (!s.hid) {
        HidBackendSelection selection = createHidApiFromEnvironment();
        s.hid = std::move(selection.api);
        s.virtualMice = selection.virtualMice;
    }
    return *s.hid;
}

VirtualMouseBackend *virtualMice()
{
    hid();
    return state().virtualMice;
}

HidDevice *interface0Handle()
{
    return state().interface0.load();
}

HidDevice *interface1Handle()
{
    return state().interface1.load();
}

void setHandles(HidDevice *interface0, HidDevice *interface1)
{
    state().interface0.store(interface0);
    state().interface1.store(interface1);
}

void installHid(std::unique_ptr<HidApi> api, VirtualMouseBackend *virtualMice)
{
    State &s = state();
    s.interface0.store(nullptr);
    s.interface1.store(nullptr);
    s.hid = std::move(api);
    s.virtualMice = virtualMice;
}

ProfileStore &deviceStore()
{
    return state().deviceStore;
}

MacroIndexMap &macroIndexMap()
{
    return state().macroIndexMap;
}

void setProtocolDelayHook(ProtocolDelayHook hook)
{
    state().delayHook = std::move(hook);
}

const ProtocolDelayHook &protocolDelayHook()
{
    return state().delayHook;
}

void setHostActionHandler(HostActionHandler handler)
{
    state().hostActions.store(handler);
}

HostActionHandler hostActionHandler()
{
    return state().hostActions.load();
}

void reset()
{
    installHid(nullptr);
    State &s = state();
    s.catalogue.clear();
    s.deviceStore = ProfileStore();
    s.macroIndexMap.clear();
    s.delayHook = nullptr;
    s.hostActions.store(nullptr);
}

} // namespace DeviceContext
