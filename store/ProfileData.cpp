#include "store/ProfileData.h"

#include <algorithm>
#include <iterator>

namespace {

template<typename T, std::size_t N>
bool sameArray(const T (&a)[N], const T (&b)[N])
{
    return std::equal(std::begin(a), std::end(a), std::begin(b));
}

} // namespace

bool operator==(const DpiInfo &a, const DpiInfo &b)
{
    return a.used == b.used && a.link == b.link && a.xy == b.xy && a.x == b.x && a.y == b.y;
}

bool operator==(const KeyInfoEntry &a, const KeyInfoEntry &b)
{
    return a.map == b.map && a.value == b.value && a.H == b.H;
}

bool operator==(const ButtonInfo &a, const ButtonInfo &b)
{
    return a.ID == b.ID && a.Fun == b.Fun && a.LoopNumber == b.LoopNumber &&
           a.KeyNumber == b.KeyNumber && sameArray(a.KeyInfo, b.KeyInfo) && a.Res1 == b.Res1 &&
           a.Res2 == b.Res2 && a.Res3 == b.Res3 && a.Res4 == b.Res4 && a.macroname == b.macroname;
}

bool operator==(const LedModeInfo &a, const LedModeInfo &b)
{
    return a.RGB == b.RGB && a.h == b.h && a.s == b.s && a.v == b.v && a.bright == b.bright &&
           a.breath == b.breath;
}

bool operator==(const ProfileData &a, const ProfileData &b)
{
    return a.pollrate == b.pollrate && a.dpi == b.dpi && a.LedMode == b.LedMode &&
           sameArray(a.DPI_INFO, b.DPI_INFO) && a.mousespeed == b.mousespeed &&
           a.dbclickspeed == b.dbclickspeed && a.scrollispage == b.scrollispage &&
           a.scrollspeed == b.scrollspeed && a.accelenable == b.accelenable && a.acee == b.acee &&
           sameArray(a.BUTTON_INFO, b.BUTTON_INFO) && sameArray(a.LED_MODE, b.LED_MODE) &&
           a.ProfileName == b.ProfileName && a.ProfilePath == b.ProfilePath;
}

bool operator==(const ProfileStore &a, const ProfileStore &b)
{
    return a.curProfile == b.curProfile && sameArray(a.profiles, b.profiles) &&
           a.AngleValue == b.AngleValue && a.LiftHigh == b.LiftHigh && a.Count == b.Count &&
           sameArray(a.profileNames, b.profileNames);
}
