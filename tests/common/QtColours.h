#pragma once

#include "store/LedColour.h"

#include <QColor>
#include <QDataStream>
#include <QIODevice>
#include <QVariant>

// QColor and the store's colours, converted through QColor's own stream
// operators field by field, so that a test's expectation never goes
// through the store's colour code.
inline QColor qColorOf(const LedColour &colour)
{
    QByteArray bytes;
    {
        QDataStream out(&bytes, QIODevice::WriteOnly);
        out << colour.model << colour.alpha;
        for (quint16 value : colour.values)
            out << value;
    }
    QDataStream in(bytes);
    QColor result;
    in >> result;
    return result;
}

inline LedColour ledColourOf(const QColor &colour)
{
    QByteArray bytes;
    {
        QDataStream out(&bytes, QIODevice::WriteOnly);
        out << colour;
    }
    QDataStream in(bytes);
    LedColour result;
    in >> result.model >> result.alpha;
    for (quint16 &value : result.values)
        in >> value;
    return result;
}

// The same for a colour variant as QSettings reads it, streamed by Qt
// itself: a file may hold any model number, and copying a QColor whose
// model Qt does not know is undefined.
inline LedColour ledColourOf(const QVariant &stored)
{
    QByteArray bytes;
    {
        QDataStream out(&bytes, QIODevice::WriteOnly);
        out << stored;
    }
    QDataStream in(bytes);
    quint32 type = 0;
    qint8 isNull = 0;
    LedColour result;
    in >> type >> isNull >> result.model >> result.alpha;
    for (quint16 &value : result.values)
        in >> value;
    return result;
}
