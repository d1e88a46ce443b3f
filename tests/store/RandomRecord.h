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
    for (quint8 *field : {&rec.pollrate, &rec.dpi, &rec.LedMode})
        *field = byte(rng);
    for (DpiInfo &stage : rec.DPI_INFO) {
        stage.used = byte(rng);
        stage.link = byte(rng);
        for (quint32 *field : {&stage.xy, &stage.x, &stage.y})
            *field = level(rng);
    }
    for (quint8 *field : {&rec.mousespeed, &rec.dbclickspeed, &rec.scrollispage, &rec.scrollspeed,
                          &rec.accelenable, &rec.acee})
        *field = byte(rng);
    for (ButtonInfo &button : rec.BUTTON_INFO) {
        for (qint32 *field : {&button.ID, &button.Fun, &button.LoopNumber, &button.KeyNumber})
            *field = number(rng);
        for (KeyInfoEntry &entry : button.KeyInfo) {
            for (quint8 *field : {&entry.map, &entry.value, &entry.H})
                *field = byte(rng);
        }
        for (quint8 *field : {&button.Res1, &button.Res2, &button.Res3, &button.Res4})
            *field = byte(rng);
        button.macroname = text(rng);
    }
    for (LedModeInfo &mode : rec.LED_MODE) {
        mode.RGB = colour(rng);
        for (quint32 *field : {&mode.h, &mode.s, &mode.v, &mode.bright, &mode.breath})
            *field = level(rng);
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
