#include "panels/QtColour.h"

#include <QDataStream>
#include <QIODevice>
#include <QVariant>

QColor toQColor(const LedColour &colour)
{
    QByteArray bytes = colourVariantBytes(colour);
    QDataStream stream(&bytes, QIODevice::ReadOnly);
    stream.setVersion(QDataStream::Qt_4_0);
    QVariant value;
    stream >> value;
    return value.value<QColor>();
}

LedColour toLedColour(const QColor &colour)
{
    QByteArray bytes;
    {
        QDataStream stream(&bytes, QIODevice::WriteOnly);
        stream.setVersion(QDataStream::Qt_4_0);
        stream << QVariant(colour);
    }
    LedColour result;
    colourFromVariantBytes(bytes, result);
    return result;
}
