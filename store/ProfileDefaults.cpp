#include "store/ProfileDefaults.h"

#include "store/ConfigFile.h"
#include "store/FunctionCodes.h"
#include "store/ModelTable.h"
#include "store/ProfileFile.h"

#include <QFile>

#include <algorithm>
#include <initializer_list>
#include <iterator>

namespace {

constexpr int kScrollUpSlot = 40;
constexpr int kScrollDownSlot = 41;
constexpr int kSecondBankFirstSlot = 20;

// A button's default: a function code and, for a single key, its key code.
struct ButtonDefault
{
    qint32 fun;
    quint8 keyCode = 0;
};

constexpr ButtonDefault key(quint8 code)
{
    return {FunctionCode::SingleKey, code};
}

constexpr ButtonDefault kLeft{FunctionCode::Left};
constexpr ButtonDefault kRight{FunctionCode::Right};
constexpr ButtonDefault kMiddle{FunctionCode::Middle};
constexpr ButtonDefault kForward{FunctionCode::Forward};
constexpr ButtonDefault kBack{FunctionCode::Back};
constexpr ButtonDefault kFireKey{FunctionCode::FireKey};
constexpr ButtonDefault kVolumeUp{FunctionCode::VolumeUp};
constexpr ButtonDefault kVolumeDown{FunctionCode::VolumeDown};
constexpr ButtonDefault kDpiSwitch{FunctionCode::DpiSwitch};
constexpr ButtonDefault kDpiUp{FunctionCode::DpiUp};
constexpr ButtonDefault kDpiDown{FunctionCode::DpiDown};
constexpr ButtonDefault kLedSwitch{FunctionCode::LedSwitch};

// A run of second-bank defaults, from slot 20.
struct Bank
{
    const ButtonDefault *entries = nullptr;
    int count = 0;
};

// The side keypads: the digit row 1-0, Num + and Num -; the larger pad adds
// =, ., Num * and Num /. Smaller pads take the first entries.
constexpr ButtonDefault kKeypad[] = {key(2),  key(3),  key(4),   key(5),  key(6),  key(7),
                                     key(8),  key(9),  key(10),  key(11), key(78), key(74),
                                     key(13), key(52), key(227), key(226)};
constexpr Bank kKeypad8 = {kKeypad, 8};
constexpr Bank kKeypad12 = {kKeypad, 12};
constexpr Bank kKeypad16 = {kKeypad, 16};

constexpr ButtonDefault kModifierBank[] = {key(56), key(29), key(42), kForward, kBack};
constexpr Bank kModifierBank5 = {kModifierBank, 5};

enum class Lighting { Standard, PatternB, ProfileColour };

// One row per set of models sharing their defaults: stage values 1-5,
// buttons from slot 0, the second bank, LedMode and the lighting pattern.
struct ModelDefaults
{
    std::initializer_list<const char *> models;
    quint32 stages[kDpiStageCount];
    std::initializer_list<ButtonDefault> buttons; // from slot 0
    Bank bank;
    quint8 ledMode;
    Lighting lighting;
};

// clang-format off
const ModelDefaults kModels[] = {
    {{"NX-01"}, {20, 40, 80, 160, 320},
     {kLeft, kRight, kMiddle, kFireKey, kDpiUp, kDpiDown}, kKeypad12, 3, Lighting::Standard},
    {{"NX-02", "NX-38", "NX-47"}, {20, 40, 80, 160, 320},
     {kLeft, kRight, kMiddle, kForward, kBack, kDpiUp, kDpiDown, kLedSwitch},
     {}, 3, Lighting::Standard},
    {{"NX-03", "NX-45"}, {4, 9, 19, 29, 61},
     {kLeft, kRight, kMiddle, kForward, kBack, kDpiUp, kDpiDown, kLedSwitch},
     {}, 3, Lighting::Standard},
    {{"NX-04"}, {10, 20, 30, 50, 0},
     {kLeft, kRight, kMiddle, kForward, kBack, kDpiSwitch, kLedSwitch}, {}, 3, Lighting::Standard},
    {{"NX-05", "NX-08"}, {4, 9, 19, 29, 61},
     {kLeft, kRight, kMiddle, kFireKey, kForward, kBack, kDpiSwitch, kLedSwitch},
     {}, 3, Lighting::Standard},
    {{"NX-06", "NX-15", "NX-22", "NX-28"}, {4, 9, 19, 29, 61},
     {kLeft, kRight, kMiddle, kForward, kBack, kDpiUp, kDpiDown}, {}, 3, Lighting::Standard},
    {{"NX-07"}, {14, 27, 53, 79, 106},
     {kLeft, kRight, kMiddle, kFireKey, kForward, kBack, kDpiUp, kDpiDown, kLedSwitch},
     {}, 3, Lighting::Standard},
    {{"NX-09"}, {10, 20, 40, 80, 160},
     {kLeft, kRight, kMiddle, kFireKey, key(56), key(29), key(42), kDpiUp, kDpiDown},
     {}, 3, Lighting::Standard},
    {{"NX-10"}, {10, 20, 40, 80, 120},
     {kLeft, kRight, kMiddle, kFireKey, key(56), key(29), key(42), kDpiUp, kDpiDown},
     {}, 3, Lighting::Standard},
    {{"NX-11", "NX-52"}, {4, 9, 19, 29, 61},
     {kLeft, kRight, kMiddle, kFireKey, kForward, kBack, kDpiUp, kDpiDown, kLedSwitch},
     {}, 3, Lighting::Standard},
    {{"NX-12"}, {14, 27, 53, 106, 132},
     {kLeft, kRight, kMiddle, kForward, kBack, kDpiUp, kDpiDown}, {}, 3, Lighting::Standard},
    {{"NX-13"}, {14, 27, 53, 79, 106},
     {kLeft, kRight, kMiddle, kFireKey, kForward, kBack, kDpiUp, kDpiDown, kLedSwitch},
     {}, 3, Lighting::PatternB},
    {{"NX-14"}, {4, 9, 19, 29, 61},
     {kLeft, kRight, kMiddle, kFireKey, kDpiUp, kDpiDown, kLedSwitch},
     kKeypad16, 3, Lighting::Standard},
    {{"NX-16"}, {19, 39, 79, 159, 399},
     {kLeft, kRight, kMiddle, kFireKey, kForward, kBack, kDpiUp, kDpiDown, kLedSwitch},
     {}, 3, Lighting::Standard},
    {{"NX-17"}, {20, 40, 80, 160, 320},
     {kLeft, kRight, kMiddle, kForward, kBack, kDpiSwitch}, {}, 3, Lighting::Standard},
    {{"NX-18"}, {19, 39, 79, 159, 519},
     {kLeft, kRight, kMiddle, kForward, kBack, kDpiSwitch}, {}, 3, Lighting::Standard},
    {{"NX-19"}, {19, 39, 79, 159, 399},
     {kLeft, kRight, kMiddle, kForward, kBack, kDpiSwitch}, {}, 3, Lighting::Standard},
    {{"NX-20"}, {4, 9, 19, 29, 61},
     {kLeft, kRight, kMiddle, kForward, kBack, kDpiSwitch}, {}, 3, Lighting::Standard},
    {{"NX-21"}, {4, 9, 19, 29, 61},
     {kLeft, kRight, kMiddle, kForward, kBack, kDpiUp, kDpiDown}, kKeypad8, 3, Lighting::Standard},
    {{"NX-23", "NX-24"}, {4, 9, 19, 29, 61},
     {kLeft, kRight, kMiddle, kForward, kBack, kDpiSwitch}, {}, 0, Lighting::PatternB},
    {{"NX-25"}, {19, 39, 79, 159, 519},
     {kLeft, kRight, kMiddle, kForward, kBack, kDpiSwitch}, {}, 1, Lighting::Standard},
    {{"NX-29"}, {21, 32, 43, 63, 111},
     {kLeft, kRight, kMiddle, kForward, kBack, kDpiSwitch, kLedSwitch}, {}, 3, Lighting::Standard},
    {{"NX-30", "TEST xx"}, {4, 9, 19, 29, 61},
     {kLeft, kRight, kMiddle, kFireKey, kDpiUp, kDpiDown}, kKeypad12, 3, Lighting::Standard},
    {{"NX-31"}, {4, 9, 19, 29, 61},
     {kLeft, kRight, kMiddle, kFireKey, kForward, kBack, kDpiUp, kDpiDown},
     {}, 3, Lighting::Standard},
    {{"NX-32", "NX-39"}, {5, 10, 20, 30, 50},
     {kLeft, kRight, kMiddle, kFireKey, kForward, kBack, kDpiSwitch, kLedSwitch},
     {}, 3, Lighting::Standard},
    {{"NX-33"}, {5, 10, 20, 30, 50},
     {kLeft, kRight, kMiddle, kForward, kBack, kDpiSwitch, kLedSwitch}, {}, 3, Lighting::Standard},
    {{"NX-34"}, {10, 20, 40, 80, 120},
     {kLeft, kRight, kMiddle, kFireKey, kDpiUp, kDpiDown, kLedSwitch},
     kKeypad16, 3, Lighting::Standard},
    {{"NX-35"}, {20, 40, 80, 160, 320},
     {kLeft, kRight, kMiddle, kFireKey, kDpiUp, kDpiDown, kLedSwitch},
     kKeypad16, 3, Lighting::Standard},
    {{"NX-36"}, {5, 10, 20, 30, 50},
     {kLeft, kRight, kMiddle, kForward, kBack, kDpiUp, kDpiDown, kLedSwitch},
     {}, 3, Lighting::Standard},
    {{"NX-37"}, {10, 20, 40, 80, 120},
     {kLeft, kRight, kMiddle, kForward, kBack, kDpiUp, kDpiDown, kLedSwitch},
     {}, 3, Lighting::Standard},
    {{"NX-40"}, {5, 10, 20, 30, 50},
     {kLeft, kRight, kMiddle, kForward, kBack, kDpiUp, kDpiDown}, {}, 3, Lighting::Standard},
    {{"NX-41"}, {5, 10, 20, 30, 50},
     {kLeft, kRight, kMiddle, kForward, kBack, key(42), kDpiUp, kDpiDown},
     {}, 3, Lighting::Standard},
    {{"NX-42"}, {10, 20, 40, 80, 160},
     {kLeft, kRight, kMiddle, kFireKey, kForward, kBack, kDpiUp, kDpiDown, kLedSwitch},
     {}, 3, Lighting::Standard},
    {{"NX-43"}, {5, 10, 20, 30, 50},
     {kLeft, kRight, kMiddle, kFireKey, kForward, kBack, kDpiUp, kDpiDown, kLedSwitch},
     {}, 3, Lighting::Standard},
    {{"NX-44"}, {14, 27, 53, 106, 159},
     {kLeft, kRight, kMiddle, kFireKey, kForward, kBack, kDpiUp, kDpiDown, kLedSwitch},
     {}, 3, Lighting::Standard},
    {{"NX-46"}, {4, 9, 19, 29, 61},
     {kLeft, kRight, kMiddle, kFireKey, key(56), key(29), key(42), kDpiUp, kDpiDown},
     {}, 3, Lighting::Standard},
    {{"NX-48"}, {9, 19, 39, 71, 106},
     {kLeft, kRight, kMiddle, key(56), key(29), key(42), kFireKey, kDpiUp, kDpiDown},
     {}, 1, Lighting::Standard},
    {{"NX-49"}, {10, 20, 40, 80, 120},
     {kLeft, kRight, kMiddle, kFireKey, kDpiUp, kDpiDown}, kKeypad12, 0, Lighting::ProfileColour},
    {{"NX-50"}, {4, 9, 19, 29, 61},
     {kLeft, kRight, kMiddle, kFireKey, kDpiUp, kDpiDown}, kKeypad12, 0, Lighting::ProfileColour},
    {{"NX-51"}, {5, 10, 20, 30, 50},
     {kLeft, kRight, kMiddle, kForward, kBack, kForward, kBack, kDpiUp, kDpiDown, kLedSwitch},
     {}, 3, Lighting::Standard},
    {{"NX-53"}, {4, 9, 19, 29, 61},
     {kLeft, kRight, kMiddle, kFireKey, kVolumeUp, kVolumeDown, kDpiUp, kDpiDown},
     kModifierBank5, 3, Lighting::Standard},
    {{"NX-54"}, {5, 10, 20, 30, 50},
     {kLeft, kRight, kMiddle, kForward, kBack, kDpiSwitch}, {}, 0, Lighting::Standard},
    {{"NX-55", "NX-56"}, {10, 20, 40, 80, 120},
     {kLeft, kRight, kMiddle, key(56), key(29), key(42), kFireKey, kDpiUp, kDpiDown, kLedSwitch},
     {}, 3, Lighting::Standard},
    {{"NX-57"}, {20, 40, 80, 160, 320},
     {kLeft, kRight, kMiddle, key(56), key(29), key(42), kFireKey, kDpiUp, kDpiDown, kLedSwitch},
     {}, 3, Lighting::Standard},
    {{"TEST"}, {10, 20, 30, 40, 50},
     {kLeft, kRight, kMiddle, kForward, kBack, kDpiUp, kDpiDown}, {}, 3, Lighting::Standard},
};
// clang-format on

const ModelDefaults *findModel(const QString &productName)
{
    for (const ModelDefaults &row : kModels) {
        const bool match = std::any_of(row.models.begin(), row.models.end(), [&](const char *m) {
            return productName == QLatin1String(m);
        });
        if (match)
            return &row;
    }
    return nullptr;
}

// Every lighting mode starts red with these levels unless the model says
// otherwise.
constexpr quint32 kDefaultHue = 360;
constexpr quint32 kDefaultBright = 2;
constexpr quint32 kDefaultBreath = 5;

void setLighting(ProfileData &rec, Lighting lighting, quint8 profileIndex)
{
    for (int m = 0; m < kLedModeCount; ++m) {
        LedModeInfo &mode = rec.LED_MODE[m];
        mode.RGB = LedColour::fromRgb(255, 0, 0);
        mode.h = kDefaultHue;
        mode.s = 0;
        mode.v = 0;
        mode.bright = kDefaultBright;
        mode.breath = kDefaultBreath;
        switch (lighting) {
        case Lighting::Standard:
            break;
        case Lighting::PatternB:
            mode.bright = 3;
            mode.breath = (m == 1 || m == 2) ? 4 : 1;
            break;
        case Lighting::ProfileColour:
            mode.RGB = profileColours().at(profileIndex % kProfileCount);
            break;
        }
    }
}

void setButton(ButtonInfo &slot, const ButtonDefault &button)
{
    slot.Fun = button.fun;
    slot.Res1 = button.keyCode;
}

const QString kDefaultProfileNames[kProfileCount] = {
    QStringLiteral("Profile 1"), QStringLiteral("Profile 2"), QStringLiteral("Profile 3"),
    QStringLiteral("Profile 4"), QStringLiteral("Profile 5")};

} // namespace

const std::array<LedColour, kProfileCount> &profileColours()
{
    static const std::array<LedColour, kProfileCount> colours = {
        LedColour::fromRgb(255, 0, 0), LedColour::fromRgb(0, 0, 255), LedColour::fromRgb(0, 255, 0),
        LedColour::fromRgb(255, 0, 255), LedColour::fromRgb(255, 255, 0)};
    return colours;
}

const std::array<LedColour, 7> &baseColours()
{
    static const std::array<LedColour, 7> colours = {
        LedColour::fromRgb(255, 0, 0),    LedColour::fromRgb(0, 255, 0),
        LedColour::fromRgb(0, 0, 255),    LedColour::fromRgb(0, 255, 255),
        LedColour::fromRgb(255, 255, 0),  LedColour::fromRgb(255, 0, 255),
        LedColour::fromRgb(255, 255, 255)};
    return colours;
}

void makeDefaultProfile(ProfileData &rec, quint8 profileIndex, const QString &productName)
{
    rec = ProfileData();
    rec.pollrate = 2;
    rec.dpi = profileIndex;
    rec.LedMode = 3;
    rec.mousespeed = 10;
    rec.dbclickspeed = 5;
    rec.scrollispage = 0;
    rec.scrollspeed = 1;
    rec.accelenable = 1;
    rec.acee = 1;

    const ModelDefaults *model = findModel(productName);
    if (!model) {
        // Unknown models: no stages, no buttons, plain red lighting.
        for (LedModeInfo &mode : rec.LED_MODE) {
            mode.RGB = LedColour::fromRgb(255, 0, 0);
            mode.bright = kDefaultBright;
            mode.breath = kDefaultBreath;
        }
        return;
    }

    for (int s = 0; s < kDpiStageCount; ++s) {
        DpiInfo &stage = rec.DPI_INFO[s];
        stage.used = 1;
        stage.link = 1;
        stage.xy = stage.x = stage.y = model->stages[s];
    }
    int slot = 0;
    for (const ButtonDefault &button : model->buttons)
        setButton(rec.BUTTON_INFO[slot++], button);
    for (int i = 0; i < model->bank.count; ++i)
        setButton(rec.BUTTON_INFO[kSecondBankFirstSlot + i], model->bank.entries[i]);
    rec.BUTTON_INFO[kScrollUpSlot].Fun = FunctionCode::ScrollUp;
    rec.BUTTON_INFO[kScrollDownSlot].Fun = FunctionCode::ScrollDown;
    rec.LedMode = model->ledMode;
    setLighting(rec, model->lighting, profileIndex);
}

void makeDefaultProfile(ProfileData &rec, quint8 profileIndex)
{
    makeDefaultProfile(rec, profileIndex, readProductName());
}

void initProfileStore(ProfileStore &store, const QString &productName)
{
    store.curProfile = startsOnSecondProfile(productName) ? 1 : 0;
    store.LiftHigh = 2;
    store.AngleValue = 0;
    for (int i = 0; i < kProfileCount; ++i) {
        makeDefaultProfile(store.profiles[i], quint8(i), productName);
        store.profileNames[i] = kDefaultProfileNames[i];
    }
}

void initProfileStore(ProfileStore &store)
{
    initProfileStore(store, readProductName());
}

bool writeDefaultProfileFile()
{
    ProfileData rec;
    makeDefaultProfile(rec, 0);
    // A file that already reads as these defaults is left alone: rewriting
    // its 8406 keys and syncing them to disk on every start costs more than
    // reading them.
    const QString path = defaultProfilePath();
    if (QFile::exists(path)) {
        ProfileData onDisk;
        readProfile(onDisk, path);
        if (onDisk == rec)
            return true;
    }
    return writeProfile(rec, path);
}
