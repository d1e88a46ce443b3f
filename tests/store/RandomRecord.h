#pragma once

#include "common/QtColours.h"
#include "store/ProfileData.h"

#include <QRandomGenerator>

#include <limits>

// Records with every field set, for round trips. Strings carry the
// characters INI files must escape; 32-bit unsigned fields stay within int
// range because the file format reads every number back with toInt().
namespace RandomRecord {

inline QString text(QRandomGenerator &rng)
{
    static const QString pieces[] = {
        QStringLiteral("Macro"), QStringLiteral(" "),  QStringLiteral("="),
        QStringLiteral(";"),     QStringLiteral("#"),  QStringLiteral("\""),
        QStringLiteral("\\"),    QStringLiteral(","),  QStringLiteral("\n"),
        QStringLiteral("[x]"),   QStringLiteral("ü"),  QStringLiteral("中文"),
        QStringLiteral("@"),     QStringLiteral("%1"), QStringLiteral("/"),
    };
    QString out;
    const int count = rng.bounded(0, 6);
    for (int i = 0; i < count; ++i)
        out += pieces[rng.bounded(int(std::size(pieces)))];
    return out;
}

inline quint8 byte(QRandomGenerator &rng)
{
    return quint8(rng.bounded(256));
}

inline quint32 level(QRandomGenerator &rng)
{
    return quint32(rng.bounded(std::numeric_limits<int>::max()));
}

inline qint32 number(QRandomGenerator &rng)
{
    return qint32(rng.generate());
}

// Colours as the window makes them (16 bits a channel, converted from HSV)
// and as files can hold them (other models, ";", "," or "=" among the
// bytes, which makes QSettings quote the value).
inline LedColour colour(QRandomGenerator &rng)
{
    QColor hsv;
    hsv.setHsv(rng.bounded(360), rng.bounded(256), rng.bounded(256));
    switch (rng.bounded(6)) {
    case 0:
        return LedColour(); // invalid, as in a fresh record
    case 1:
        return ledColourOf(hsv);
    case 2:
        return ledColourOf(hsv.toRgb());
    case 3:
        return ledColourOf(QColor(59, 44, 61, rng.bounded(256)));
    default:
        return ledColourOf(
            QColor(rng.bounded(256), rng.bounded(256), rng.bounded(256), rng.bounded(256)));
    }
}

inline ProfileData profile(QRandomGenerator &rng)
{
    ProfileData rec;
    rec.pollrate = byte(rng);
    rec.dpi = byte(rng);
    rec.LedMode = byte(rng);
    for (DpiInfo &stage : rec.DPI_INFO) {
        stage.used = byte(rng);
        stage.link = byte(rng);
        stage.xy = level(rng);
        stage.x = level(rng);
        stage.y = level(rng);
    }
    rec.mousespeed = byte(rng);
    rec.dbclickspeed = byte(rng);
    rec.scrollispage = byte(rng);
    rec.scrollspeed = byte(rng);
    rec.accelenable = byte(rng);
    rec.acee = byte(rng);
    for (ButtonInfo &button : rec.BUTTON_INFO) {
        button.ID = number(rng);
        button.Fun = number(rng);
        button.LoopNumber = number(rng);
        button.KeyNumber = number(rng);
        for (KeyInfoEntry &entry : button.KeyInfo) {
            entry.map = byte(rng);
            entry.value = byte(rng);
            entry.H = byte(rng);
        }
        button.Res1 = byte(rng);
        button.Res2 = byte(rng);
        button.Res3 = byte(rng);
        button.Res4 = byte(rng);
        button.macroname = text(rng);
    }
    for (LedModeInfo &mode : rec.LED_MODE) {
        mode.RGB = colour(rng);
        mode.h = level(rng);
        mode.s = level(rng);
        mode.v = level(rng);
        mode.bright = level(rng);
        mode.breath = level(rng);
    }
    rec.ProfileName = text(rng);
    rec.ProfilePath = text(rng);
    return rec;
}

// A store of five such records named after `pattern` ("Game %1": "Game 1"
// to "Game 5"), on profile 4, with angle snapping, lift-off and a count set.
inline ProfileStore store(quint32 seed, const QString &pattern)
{
    QRandomGenerator rng(seed);
    ProfileStore s;
    s.curProfile = 3;
    s.AngleValue = 1;
    s.LiftHigh = 2;
    s.Count = 9;
    for (int i = 0; i < kProfileCount; ++i) {
        s.profiles[i] = profile(rng);
        s.profileNames[i] = pattern.arg(i + 1);
    }
    return s;
}

} // namespace RandomRecord
