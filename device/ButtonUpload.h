#pragma once

#include "device/DeviceContext.h"
#include "device/ReportFrame.h"
#include "macro/MacroFile.h"
#include "store/ModelTable.h"
#include "store/ProfileData.h"

#include <QString>
#include <QStringList>
#include <QVector>

#include <array>
#include <functional>
#include <optional>

// The function entries of the buttons (4 bytes per device button in each
// profile block) and the macro blocks (200 bytes each from 0x478).

// A function code's entry: type byte and three parameters.
using FunctionEntry = std::array<quint8, 4>;

// The row of the function table for a code, or nothing for a code the
// table lacks (its entry is four zero bytes).
std::optional<FunctionEntry> functionTableRow(int code);

// Address of a device button's entry in a profile block.
quint16 buttonAddress(int profile, int position);

// Encodes one slot. Macro functions take (or get) the macro's index from
// the map and store it in the slot's Res4.
FunctionEntry encodeButton(ButtonInfo &slot, const QString &productName, MacroIndexMap &macros);

// Writes the function entry of a slot of profile p of the device store at
// the device button index; 10 ms after. Always true: a lost entry is not
// worth stopping the upload for (UploadButtonMaps says whether all went).
bool SendButton(int profile, int slot, int index);
// Writes the table row of a function code at device button b, unmapped.
bool SendFixedButton(int profile, int button, int code);
// Clears the macro index map and writes every profile's button map.
// Returns whether every entry was taken (all are sent regardless).
bool UploadButtonMaps();

// The events of a macro block: unchanged when the macro has delays of its
// own, else with a 2.56 s delay event {Map 6, DataH 1, DataL 0} after every
// four events and two at the end.
// A block holds 66 events; a longer list is cut there.
constexpr int kMacroBlockEvents = 66;
QVector<MacroEvent> macroBlockEvents(const QVector<MacroEvent> &events);
MemoryWrite macroBlockWrite(quint8 index, const QVector<MacroEvent> &events);

// Sends one macro block to the slot's Res4.
bool SendMacro(const ButtonInfo &slot, const QVector<MacroEvent> &events);
// Sends the macro of every macro button, as the index map of the last
// button-map upload assigned them. Returns false when a block failed or
// the model's macro limit stopped the upload (*limitReached tells which).
bool UploadMacros(bool *limitReached = nullptr);

// The macro names assigned to buttons of `store` whose files do not exist:
// the upload still writes their blocks, with the pause events only.
QStringList missingMacros(const ProfileStore &store);

// The walks behind UploadButtonMaps and UploadMacros, over any store and
// map, so that a read-back check can see what an upload writes.
void forEachButtonEntry(ProfileStore &store, MacroIndexMap &macros, const QString &productName,
                        const std::function<void(const MemoryWrite &)> &visit);
// Returns the limit message when the macro limit ended the walk, else null.
const char *forEachMacroBlock(
    const ProfileStore &store, MacroIndexMap &macros, const QString &productName,
    const std::function<void(const ButtonInfo &, const QVector<MacroEvent> &)> &visit);
