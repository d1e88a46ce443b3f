#include "store/LedColour.h"

#include <QtEndian>
#include <QtMath>
#include <qfloat16.h>

#include <cstring>

namespace {

constexpr quint16 kMax = 0xFFFF;
// The type number of a colour variant in the serialised form QSettings
// uses (Qt 4.0 streams, where it is the same as today's).
constexpr quint32 kColourVariantType = 67;
constexpr int kColourBytes = 1 + 5 * 2;

quint16 scaled(qreal fraction)
{
    return quint16(qRound(fraction * kMax));
}

int div257(int x)
{
    return (x - (x >> 8) + 0x80) >> 8;
}

qreal halfFloat(quint16 bits)
{
    qfloat16 value;
    static_assert(sizeof value == sizeof bits, "a half float is 16 bits");
    std::memcpy(static_cast<void *>(&value), &bits, sizeof value);
    return qreal(float(value));
}

// The conversions to RGB below follow QColor's arithmetic step for step,
// so that a colour in another model sends the same bytes to the mouse as
// the window shows.
void hsvToRgb(const LedColour &c, quint16 out[3])
{
    const quint16 hue = c.values[0];
    const quint16 saturation = c.values[1];
    const quint16 value = c.values[2];
    if (saturation == 0 || hue == kMax) {
        out[0] = out[1] = out[2] = value;
        return;
    }
    const qreal h = hue == 36000 ? 0 : hue / 6000.;
    const qreal s = saturation / qreal(kMax);
    const qreal v = value / qreal(kMax);
    const int i = int(h);
    const qreal f = h - i;
    const qreal p = v * (1.0 - s);
    const qreal q = v * (1.0 - s * f);
    const qreal t = v * (1.0 - s * (1.0 - f));
    const qreal sextants[6][3] = {{v, t, p}, {q, v, p}, {p, v, t}, {p, q, v}, {t, p, v}, {v, p, q}};
    if (i < 0 || i > 5) {
        out[0] = out[1] = out[2] = 0; // a hue past 360 degrees converts to nothing
        return;
    }
    for (int k = 0; k < 3; ++k)
        out[k] = scaled(sextants[i][k]);
}

void hslToRgb(const LedColour &c, quint16 out[3])
{
    const quint16 hue = c.values[0];
    const quint16 saturation = c.values[1];
    const quint16 lightness = c.values[2];
    if (saturation == 0 || hue == kMax) {
        out[0] = out[1] = out[2] = lightness;
        return;
    }
    if (lightness == 0) {
        out[0] = out[1] = out[2] = 0;
        return;
    }
    const qreal h = hue == 36000 ? 0 : hue / 36000.;
    const qreal s = saturation / qreal(kMax);
    const qreal l = lightness / qreal(kMax);
    const qreal temp2 = l < 0.5 ? l * (1.0 + s) : l + s - l * s;
    const qreal temp1 = 2.0 * l - temp2;
    qreal temp3[3] = {h + 1.0 / 3.0, h, h - 1.0 / 3.0};
    for (int k = 0; k < 3; ++k) {
        if (temp3[k] < 0.0)
            temp3[k] += 1.0;
        else if (temp3[k] > 1.0)
            temp3[k] -= 1.0;
        const qreal sixTemp3 = temp3[k] * 6.0;
        if (sixTemp3 < 1.0)
            out[k] = scaled(temp1 + (temp2 - temp1) * sixTemp3);
        else if (temp3[k] * 2.0 < 1.0)
            out[k] = scaled(temp2);
        else if (temp3[k] * 3.0 < 2.0)
            out[k] = scaled(temp1 + (temp2 - temp1) * (2.0 / 3.0 - temp3[k]) * 6.0);
        else
            out[k] = scaled(temp1);
        if (out[k] == 1)
            out[k] = 0;
    }
}

void cmykToRgb(const LedColour &c, quint16 out[3])
{
    const qreal k = c.values[3] / qreal(kMax);
    for (int i = 0; i < 3; ++i) {
        const qreal ink = c.values[i] / qreal(kMax);
        out[i] = scaled(1.0 - (ink * (1.0 - k) + k));
    }
}

// The hex number of `count` characters at `from`; -1 unless all are hex
// digits.
int hexDigits(const QString &text, int from, int count)
{
    int value = 0;
    for (int i = from; i < from + count; ++i) {
        const ushort c = text.at(i).unicode();
        int digit = -1;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        if (digit < 0)
            return -1;
        value = value * 16 + digit;
    }
    return value;
}

} // namespace

LedColour LedColour::fromRgb(int red, int green, int blue)
{
    return fromRgb16(quint16(qBound(0, red, 255) * 0x101), quint16(qBound(0, green, 255) * 0x101),
                     quint16(qBound(0, blue, 255) * 0x101));
}

LedColour LedColour::fromRgb16(quint16 red, quint16 green, quint16 blue, quint16 alpha)
{
    LedColour c;
    c.model = Rgb;
    c.alpha = alpha;
    c.values[0] = red;
    c.values[1] = green;
    c.values[2] = blue;
    return c;
}

LedColour LedColour::fromText(const QString &text)
{
    if (!text.startsWith(QLatin1Char('#')))
        return LedColour();
    const int len = text.size() - 1;
    int r = -1;
    int g = -1;
    int b = -1;
    int a = 0xFFFF;
    switch (len) {
    case 12:
        r = hexDigits(text, 1, 4);
        g = hexDigits(text, 5, 4);
        b = hexDigits(text, 9, 4);
        break;
    case 9:
        r = hexDigits(text, 1, 3);
        g = hexDigits(text, 4, 3);
        b = hexDigits(text, 7, 3);
        if (r < 0 || g < 0 || b < 0)
            return LedColour();
        r = (r << 4) | (r >> 8);
        g = (g << 4) | (g >> 8);
        b = (b << 4) | (b >> 8);
        break;
    case 8:
        a = hexDigits(text, 1, 2) * 0x101;
        r = hexDigits(text, 3, 2) * 0x101;
        g = hexDigits(text, 5, 2) * 0x101;
        b = hexDigits(text, 7, 2) * 0x101;
        break;
    case 6:
        r = hexDigits(text, 1, 2) * 0x101;
        g = hexDigits(text, 3, 2) * 0x101;
        b = hexDigits(text, 5, 2) * 0x101;
        break;
    case 3:
        r = hexDigits(text, 1, 1) * 0x1111;
        g = hexDigits(text, 2, 1) * 0x1111;
        b = hexDigits(text, 3, 1) * 0x1111;
        break;
    default:
        return LedColour();
    }
    if (r < 0 || g < 0 || b < 0 || a < 0)
        return LedColour();
    return fromRgb16(quint16(r), quint16(g), quint16(b), quint16(a));
}

LedColour::Rgb16 LedColour::rgb16() const
{
    quint16 rgb[3] = {values[0], values[1], values[2]};
    quint16 a = alpha;
    switch (model) {
    case Hsv:
        hsvToRgb(*this, rgb);
        break;
    case Hsl:
        hslToRgb(*this, rgb);
        break;
    case Cmyk:
        cmykToRgb(*this, rgb);
        break;
    case ExtendedRgb:
        a = scaled(halfFloat(alpha));
        for (int i = 0; i < 3; ++i)
            rgb[i] = scaled(qBound(qreal(0), halfFloat(values[i]), qreal(1)));
        break;
    default:
        break;
    }
    return {rgb[0], rgb[1], rgb[2], a};
}

int LedColour::red() const
{
    return div257(rgb16().red);
}

int LedColour::green() const
{
    return div257(rgb16().green);
}

int LedColour::blue() const
{
    return div257(rgb16().blue);
}

QString LedColour::name() const
{
    const Rgb16 c = rgb16();
    return QString::asprintf("#%02x%02x%02x", div257(c.red), div257(c.green), div257(c.blue));
}

bool operator==(const LedColour &a, const LedColour &b)
{
    return a.model == b.model && a.alpha == b.alpha &&
           std::equal(std::begin(a.values), std::end(a.values), std::begin(b.values));
}

bool operator!=(const LedColour &a, const LedColour &b)
{
    return !(a == b);
}

QByteArray colourVariantBytes(const LedColour &colour)
{
    // Big-endian, as QDataStream writes: type, model, alpha, four values.
    QByteArray bytes(4 + kColourBytes, '\0');
    uchar *out = reinterpret_cast<uchar *>(bytes.data());
    qToBigEndian(kColourVariantType, out);
    out[4] = uchar(colour.model);
    qToBigEndian(colour.alpha, out + 5);
    for (int i = 0; i < 4; ++i)
        qToBigEndian(colour.values[i], out + 7 + 2 * i);
    return bytes;
}

bool colourFromVariantBytes(const QByteArray &bytes, LedColour &colour)
{
    QByteArray padded = bytes.left(4 + kColourBytes);
    padded.append(4 + kColourBytes - padded.size(), '\0');
    const uchar *in = reinterpret_cast<const uchar *>(padded.constData());
    if (bytes.size() < 4 || qFromBigEndian<quint32>(in) != kColourVariantType)
        return false;
    colour.model = qint8(in[4]);
    colour.alpha = qFromBigEndian<quint16>(in + 5);
    for (int i = 0; i < 4; ++i)
        colour.values[i] = qFromBigEndian<quint16>(in + 7 + 2 * i);
    return true;
}
