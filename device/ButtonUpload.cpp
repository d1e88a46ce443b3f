#include "device/ButtonUpload.h"

#include "device/DeviceLog.h"
#include "device/DpiCodes.h"
#include "device/ProtocolDelay.h"
#include "macro/MacroLibrary.h"
#include "store/ConfigFile.h"
#include "store/FunctionCodes.h"
#include "store/KeyTables.h"
#include "store/ModelTable.h"

#include <QFileInfo>

#include <algorithm>

namespace {

constexpr int kButtonOffset = 66;
constexpr int kButtonPauseMs = 10;
constexpr int kMacroPauseMs = 50;
constexpr quint16 kMacroArea = 0x478;
constexpr int kMacroBlockBytes = 200;
constexpr int kEventsPerDelay = 4;
// DataH 1, DataL 0: 256 units of 10 ms, a delay of 2.56 s.
const MacroEvent kInsertedDelay{kMacroDelay, 1, 0};

struct FunctionRow
{
    int code;
    FunctionEntry entry;
};

// Program function code -> the bytes the mouse takes. Type 0x8F is a
// keyboard key (modifier bits, HID usage), 0x8E a consumer-control usage;
// 31-37 carry 0xFF and a host-action code that the mouse reports back on
// interface 0 for the program to carry out.
constexpr FunctionRow kFunctionTable[] = {
    {FunctionCode::Left, {0x81, 0, 0, 0}},
    {FunctionCode::Right, {0x82, 0, 0, 0}},
    {FunctionCode::Middle, {0x83, 0, 0, 0}},
    {FunctionCode::Forward, {0x85, 0, 0, 0}},
    {FunctionCode::Back, {0x84, 0, 0, 0}},
    {13, {0x30, 0, 0, 0}}, // offered by no menu, known to the mouse all the same
    {FunctionCode::DpiDown, {0x89, 0, 0, 0}},
    {FunctionCode::DpiUp, {0x8A, 0, 0, 0}},
    {FunctionCode::ScrollUp, {0x8B, 0, 0, 0}},
    {FunctionCode::ScrollDown, {0x8C, 0, 0, 0}},
    {FunctionCode::Cut, {0x8F, 1, 27, 0}},
    {FunctionCode::Copy, {0x8F, 1, 6, 0}},
    {FunctionCode::Paste, {0x8F, 1, 25, 0}},
    {FunctionCode::SelectAll, {0x8F, 1, 4, 0}},
    {FunctionCode::Find, {0x8F, 1, 9, 0}},
    {FunctionCode::New, {0x8F, 1, 17, 0}},
    {FunctionCode::Print, {0x8F, 1, 19, 0}},
    {FunctionCode::Save, {0x8F, 1, 22, 0}},
    {FunctionCode::SwitchWindow, {0x8F, 4, 43, 0}},
    {FunctionCode::CloseWindow, {0x8F, 4, 61, 0}},
    {FunctionCode::MyComputer, {0x8F, 8, 8, 0}},
    {FunctionCode::Run, {0x8F, 8, 21, 0}},
    {FunctionCode::ShowDesktop, {0x8F, 8, 7, 0}},
    {FunctionCode::LockPc, {0x8F, 8, 15, 0}},
    {FunctionCode::ComboKey, {0x8F, 0, 0, 0}},
    {FunctionCode::LedSwitch, {0x9B, 4, 0, 0}},
    {FunctionCode::Sniper, {0x9A, 1, 1, 1}},
    {FunctionCode::BrowserHome, {0x8E, 1, 0xFF, 0x1F}},
    {FunctionCode::BrowserBackward, {0x8E, 1, 0xFF, 0x20}},
    {FunctionCode::BrowserForward, {0x8E, 1, 0xFF, 0x21}},
    {FunctionCode::BrowserStop, {0x8E, 1, 0xFF, 0x22}},
    {FunctionCode::BrowserRefresh, {0x8E, 1, 0xFF, 0x23}},
    {FunctionCode::BrowserSearch, {0x8E, 1, 0xFF, 0x24}},
    {FunctionCode::BrowserFavorite, {0x8E, 1, 0xFF, 0x25}},
    {FunctionCode::Mail, {0x8E, 1, 0x8A, 0x01}},
    {FunctionCode::Stop, {0x8E, 1, 0xB7, 0}},
    {FunctionCode::PlayPause, {0x8E, 1, 0xCD, 0}},
    {FunctionCode::PreviousTrack, {0x8E, 1, 0xB6, 0}},
    {FunctionCode::NextTrack, {0x8E, 1, 0xB5, 0}},
    {FunctionCode::VolumeUp, {0x8E, 1, 0xE9, 0}},
    {FunctionCode::VolumeDown, {0x8E, 1, 0xEA, 0}},
    {FunctionCode::Mute, {0x8E, 1, 0xE2, 0}},
    {FunctionCode::MediaPlayer, {0x8E, 1, 0x83, 0x01}},
    {FunctionCode::SingleKey, {0x90, 0, 0, 0}},
    {FunctionCode::Macro, {0x91, 0, 0, 0}},
    {FunctionCode::GunFile, {0x9D, 0, 0, 0}},
    {FunctionCode::FireKey, {0x99, 0, 0, 0}},
    {FunctionCode::ButtonOff, {0x00, 0, 0, 0}},
    {FunctionCode::DpiSwitch, {0x88, 0, 0, 0}},
    {FunctionCode::RateUp, {0x97, 0, 0, 0}},
    {FunctionCode::RateDown, {0x98, 0, 0, 0}},
    {FunctionCode::ProfileSwitch, {0x8D, 0, 0, 0}},
    {FunctionCode::ProfileUp, {0x94, 0, 0, 0}},
    {FunctionCode::ProfileDown, {0x95, 0, 0, 0}},
};
static_assert(std::size(kFunctionTable) == 54, "the function table has 54 rows");

quint8 macroIndexFor(const QString &name, MacroIndexMap &macros)
{
    for (const auto &entry : macros) {
        if (entry.second == name)
            return entry.first;
    }
    const quint8 index = quint8(macros.size());
    macros[index] = name;
    return index;
}

bool isMacroFunction(int code)
{
    return code == FunctionCode::Macro || code == FunctionCode::GunFile;
}

// Modifier bits of the key-combination entry.
int modifierBit(int keyCode)
{
    switch (keyCode) {
    case 29:  // LCtr
    case 238: // RCtr
        return 1;
    case 42: // LShift
    case 54: // RShift
        return 2;
    case 56:  // LAlt
    case 239: // RAlt
        return 4;
    case 91: // LWindows
    case 92: // RWindows
        return 8;
    default:
        return 0;
    }
}

bool sendEntry(int profile, int position, const FunctionEntry &entry)
{
    const QByteArray data(reinterpret_cast<const char *>(entry.data()), int(entry.size()));
    const bool ok = sendWrite(MemoryWrite{buttonAddress(profile, position), data, kShortReport});
    protocolSleep(kButtonPauseMs);
    return ok;
}

MemoryWrite entryWrite(int profile, int position, const FunctionEntry &entry)
{
    return MemoryWrite{buttonAddress(profile, position),
                       QByteArray(reinterpret_cast<const char *>(entry.data()), int(entry.size())),
                       kShortReport};
}

FunctionEntry fixedEntry(int code)
{
    return functionTableRow(code).value_or(FunctionEntry{0, 0, 0, 0});
}

// The macro's index in the upload (kept in Res4) and how it repeats.
void encodeMacro(FunctionEntry &e, ButtonInfo &slot, MacroIndexMap &macros)
{
    const quint8 index = macroIndexFor(slot.macroname, macros);
    slot.Res4 = index;
    const quint8 loopLow = quint8(slot.LoopNumber & 0xFF);
    const quint8 loopHigh = quint8((slot.LoopNumber >> 8) & 0xFF);
    switch (slot.Res1) {
    case 0: // run LoopNumber times
        e[1] = index;
        e[2] = loopLow;
        e[3] = loopHigh;
        break;
    case 1: // repeat while held
        e[1] = quint8(index | 0x80);
        e[2] = e[3] = 0xFF;
        break;
    case 2: // repeat until pressed again
        e[1] = quint8(index | 0x40);
        e[2] = e[3] = 0xFF;
        break;
    default:
        e[1] = 0;
        e[2] = loopLow;
        e[3] = loopHigh;
        break;
    }
}

void encodeCombo(FunctionEntry &e, const ButtonInfo &slot)
{
    // Recorded as press and release of each key, so every modifier is
    // counted twice; the sum is halved.
    int modifiers = 0;
    quint8 key = 0;
    for (const KeyInfoEntry &k : slot.KeyInfo) {
        if (k.map == 0)
            continue;
        int code = 0;
        const int bit = usageToKeyCode(k.map, code) ? modifierBit(code) : 0;
        if (bit)
            modifiers += bit;
        else
            key = k.map;
    }
    e[1] = quint8(modifiers / 2);
    e[2] = key;
    e[3] = 0;
}

} // namespace

std::optional<FunctionEntry> functionTableRow(int code)
{
    for (const FunctionRow &row : kFunctionTable) {
        if (row.code == code)
            return row.entry;
    }
    return std::nullopt;
}

quint16 buttonAddress(int profile, int position)
{
    return quint16(profileBase(profile) + kButtonOffset + 4 * position);
}

FunctionEntry encodeButton(ButtonInfo &slot, const QString &productName, MacroIndexMap &macros)
{
    FunctionEntry e = fixedEntry(slot.Fun);
    switch (slot.Fun) {
    case FunctionCode::Macro:
    case FunctionCode::GunFile:
        encodeMacro(e, slot, macros);
        break;
    case FunctionCode::SingleKey: {
        // A key code without a HID usage (F13-F24, mouse buttons) is sent
        // as usage 0, no key, rather than anything made up.
        int usage = 0;
        keyCodeToUsage(slot.Res1, usage);
        e[1] = 0;
        e[2] = quint8(usage);
        e[3] = 0;
        break;
    }
    case FunctionCode::ComboKey:
        encodeCombo(e, slot);
        break;
    case FunctionCode::FireKey:
        if (slot.Res1 == 0) {
            e[1] = 0x81;
            e[2] = 3;
            e[3] = 0;
        } else {
            e[1] = slot.Res1;
            e[2] = quint8(slot.LoopNumber & 0xFF);
            e[3] = quint8((slot.KeyNumber / 10) & 0xFF);
        }
        break;
    case FunctionCode::Sniper: {
        const std::array<quint8, 2> codes = sniperDpiCodes(sensorType(productName), slot.Res1);
        e[1] = 1;
        e[2] = codes[0];
        e[3] = codes[1];
        break;
    }
    case FunctionCode::LedSwitch:
        // The models with profile 1's lighting switch it by a code of its own.
        if (lightingInFirstProfile(productName)) {
            e[0] = 0x9B;
            e[1] = 8;
        }
        break;
    default:
        break;
    }
    return e;
}

void forEachButtonEntry(ProfileStore &store, MacroIndexMap &macros, const QString &productName,
                        const std::function<void(const MemoryWrite &)> &visit)
{
    macros.clear();
    const QVector<ButtonMapStep> steps = modelButtonMap(productName);
    for (int p = 0; p < kProfileCount; ++p) {
        for (const ButtonMapStep &step : steps) {
            if (step.fixedCode) {
                visit(entryWrite(p, step.index, fixedEntry(step.fixedCode)));
                continue;
            }
            ButtonInfo &slot = store.profiles[p].BUTTON_INFO[step.slot];
            const FunctionEntry e = encodeButton(slot, productName, macros);
            visit(entryWrite(p, buttonPosition(productName, step.index), e));
        }
    }
}

bool SendButton(int profile, int slot, int index)
{
    if (profile < 0 || profile >= kProfileCount || slot < 0 || slot >= kButtonSlotCount)
        return true;
    const QString product = readProductName();
    ButtonInfo &info = DeviceContext::deviceStore().profiles[profile].BUTTON_INFO[slot];
    const FunctionEntry e = encodeButton(info, product, DeviceContext::macroIndexMap());
    sendEntry(profile, buttonPosition(product, index), e);
    return true;
}

bool SendFixedButton(int profile, int button, int code)
{
    return sendEntry(profile, button, fixedEntry(code));
}

bool UploadButtonMaps()
{
    bool all = true;
    forEachButtonEntry(DeviceContext::deviceStore(), DeviceContext::macroIndexMap(),
                       readProductName(), [&all](const MemoryWrite &w) {
                           if (!sendWrite(w))
                               all = false;
                           protocolSleep(kButtonPauseMs);
                       });
    return all;
}

QVector<MacroEvent> macroBlockEvents(const QVector<MacroEvent> &events)
{
    const bool ownDelays = std::any_of(events.cbegin(), events.cend(),
                                       [](const MacroEvent &e) { return e.Map == kMacroDelay; });
    QVector<MacroEvent> data;
    if (ownDelays) {
        data = events;
    } else {
        // A macro without delays of its own gets a delay event after each
        // four events and two at the end. Each is {Map 6, DataH 1, DataL 0}:
        // 256 units of 10 ms, so 2.56 s, not a short breath. These are the
        // bytes the mouse has always been sent, so they stay as they are.
        const int n = events.size();
        const int groups = n / kEventsPerDelay + 1;
        for (int g = 0; g < groups; ++g) {
            for (int i = 0; i < kEventsPerDelay; ++i) {
                const int at = g * kEventsPerDelay + i;
                data.append(at < n ? events.at(at) : MacroEvent{});
            }
            data.append(kInsertedDelay);
        }
        data[n + n / kEventsPerDelay] = kInsertedDelay;
        data.resize(n + n / kEventsPerDelay + 2);
    }
    if (data.size() > kMacroBlockEvents)
        data.resize(kMacroBlockEvents);
    return data;
}

MemoryWrite macroBlockWrite(quint8 index, const QVector<MacroEvent> &events)
{
    QByteArray data(kMacroBlockBytes, '\0');
    const QVector<MacroEvent> block = macroBlockEvents(events);
    for (int i = 0; i < block.size(); ++i) {
        data[3 * i] = char(block.at(i).Map);
        data[3 * i + 1] = char(block.at(i).DataL);
        data[3 * i + 2] = char(block.at(i).DataH);
    }
    return MemoryWrite{quint16(kMacroArea + kMacroBlockBytes * index), data, kBlockReport};
}

bool SendMacro(const ButtonInfo &slot, const QVector<MacroEvent> &events)
{
    if (!sendWrite(macroBlockWrite(slot.Res4, events))) {
        qCDebug(lcDevice, "SendButtonRefesh Unable to send a feature report 3");
        return false;
    }
    return true;
}

const char *
forEachMacroBlock(const ProfileStore &store, MacroIndexMap &macros, const QString &productName,
                  const std::function<void(const ButtonInfo &, const QVector<MacroEvent> &)> &visit)
{
    const int limit = macroLimit(productName);
    for (int p = 0; p < kProfileCount; ++p) {
        for (const ButtonInfo &slot : store.profiles[p].BUTTON_INFO) {
            if (!isMacroFunction(slot.Fun) || macros.empty())
                continue;
            auto found = std::find_if(macros.begin(), macros.end(), [&](const auto &entry) {
                return entry.second == slot.macroname;
            });
            if (found != macros.end() && found->first >= limit)
                return limit <= 7 ? "iIndex>=MAX_MACRO_NUMBER_550" : "iIndex>=MAX_MACRO_NUMBER_560";
            // A name already sent goes to the slot's stored index; one left
            // over from another model may point past this model's macro
            // area, where the block would overwrite whatever lies there.
            if (found == macros.end() && slot.Res4 >= limit) {
                qCWarning(lcDevice).noquote()
                    << QStringLiteral("not writing the macro \"%1\" of profile %2, button slot %3: "
                                      "its block %4 lies past the %5 macro blocks of %6")
                           .arg(slot.macroname)
                           .arg(p + 1)
                           .arg(int(&slot - store.profiles[p].BUTTON_INFO))
                           .arg(slot.Res4)
                           .arg(limit)
                           .arg(productName);
                continue;
            }
            visit(slot, readMacroEventsForUpload(slot.macroname));
            if (found != macros.end())
                macros.erase(found);
        }
    }
    return nullptr;
}

bool UploadMacros(bool *limitReached)
{
    bool all = true;
    const char *stop = forEachMacroBlock(
        DeviceContext::deviceStore(), DeviceContext::macroIndexMap(), readProductName(),
        [&all](const ButtonInfo &slot, const QVector<MacroEvent> &events) {
            if (!SendMacro(slot, events))
                all = false;
            protocolSleep(kMacroPauseMs);
        });
    if (limitReached)
        *limitReached = stop != nullptr;
    if (stop) {
        qCDebug(lcDevice, "%s", stop);
        return false;
    }
    return all;
}

QStringList missingMacros(const ProfileStore &store)
{
    QStringList names;
    for (const ProfileData &profile : store.profiles) {
        for (const ButtonInfo &slot : profile.BUTTON_INFO) {
            // A button given no name has no file to miss.
            if (!isMacroFunction(slot.Fun) || slot.macroname.isEmpty() ||
                names.contains(slot.macroname))
                continue;
            if (!isSafeMacroName(slot.macroname) ||
                !QFileInfo::exists(macroFilePath(slot.macroname)))
                names.append(slot.macroname);
        }
    }
    return names;
}
