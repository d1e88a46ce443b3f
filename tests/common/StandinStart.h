#pragma once

#include "common/StandinMouse.h"

#include "device/DeviceContext.h"
#include "device/hid/HidapiBackend.h"
#include "store/ConfigFile.h"
#include "store/DataFolder.h"
#include "store/StoreContext.h"
#include "widgets/ShellState.h"
#include "widgets/Skin.h"
#include "widgets/UiScale.h"

#include <memory>

// The window's start over the stand-in hidapi library: the shipped data
// folder, an NX-19 in the catalogue and as the product, the real hidapi
// backend without protocol waits, and fresh contexts. Null when the data
// folder or the mouse's nodes cannot be made.
inline std::unique_ptr<StandinMouse> startWithStandinMouse(const QString &folder)
{
    Skin::setApplicationDir(QStringLiteral(KORVALEN_APP_DIR));
    if (!seedDataFolder(QStringLiteral(KORVALEN_APP_DIR)))
        return nullptr;
    const CatalogueRow mouse = row(QStringLiteral("NX-19"), 0x13);
    writeCatalogue({mouse});
    writeProductName(mouse.name);
    auto standin = std::make_unique<StandinMouse>(folder, mouse);
    if (!standin->isValid())
        return nullptr;
    DeviceContext::reset();
    DeviceContext::installHid(std::make_unique<HidapiBackend>());
    DeviceContext::setProtocolDelayHook([](int) {});
    StoreContext::reset();
    ShellState::reset();
    UiScale::reset();
    return standin;
}
