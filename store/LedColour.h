#pragma once

#include <QByteArray>
#include <QMetaType>
#include <QString>
#include <QtGlobal>

// A lighting colour as the profile files keep it. The files hold each
// colour in the form Qt's QColor serialises itself to (a colour model and
// five 16-bit numbers), and a colour picked in the window keeps 16 bits per
// channel, so this type keeps exactly that form: a file read and written
// again is unchanged, and the 8-bit channels sent to the mouse round as Qt
// rounds them. The window converts to and from QColor at its own edge; the
// core, the device code and the command-line tool never need QtGui.
struct LedColour
{
    // The colour models, numbered as in the serialised form.
    enum Model : qint8 { Invalid = 0, Rgb = 1, Hsv = 2, Cmyk = 3, Hsl = 4, ExtendedRgb = 5 };

    qint8 model = Invalid;
    quint16 alpha = 0xFFFF;
    // Red, green, blue and a pad for Rgb; hue (hundredths of a degree),
    // saturation, value or lightness and a pad for Hsv and Hsl; cyan,
    // magenta, yellow and black for Cmyk; half floats for ExtendedRgb.
    quint16 values[4] = {0, 0, 0, 0};

    static LedColour fromRgb(int red, int green, int blue);
    static LedColour fromRgb16(quint16 red, quint16 green, quint16 blue, quint16 alpha = 0xFFFF);
    // The "#rgb", "#rrggbb", "#aarrggbb", "#rrrgggbbb" and "#rrrrggggbbbb"
    // forms; anything else gives an invalid colour.
    static LedColour fromText(const QString &text);

    bool isValid() const { return model != Invalid; }
    // Whether `model` is one of the models above; a file can hold any byte.
    bool hasKnownModel() const { return model >= Invalid && model <= ExtendedRgb; }

    struct Rgb16
    {
        quint16 red;
        quint16 green;
        quint16 blue;
        quint16 alpha;
    };
    // The colour in 16-bit RGB, converted from its model.
    Rgb16 rgb16() const;
    // 8-bit channels, as the mouse takes them.
    int red() const;
    int green() const;
    int blue() const;
    // "#rrggbb".
    QString name() const;
};

// Field by field: two colours are equal when their files would be.
bool operator==(const LedColour &a, const LedColour &b);
bool operator!=(const LedColour &a, const LedColour &b);

Q_DECLARE_METATYPE(LedColour)

// The bytes QSettings serialises a colour variant to, inside "@Variant(...)"
// of an INI file: the variant's type number, then the colour.
QByteArray colourVariantBytes(const LedColour &colour);
// Reads such bytes. False when they do not hold a colour variant; missing
// bytes at the end read as zero, as they do for Qt.
bool colourFromVariantBytes(const QByteArray &bytes, LedColour &colour);
