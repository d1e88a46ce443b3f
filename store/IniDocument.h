#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <map>

// An INI file read and written exactly as QSettings (Qt 5.15, no text
// codec) reads and writes it, for the profile files. Those hold colours as
// serialised colour variants, which QSettings can only read and write with
// QtGui loaded: without it every colour of a file it rewrites is lost. The
// store decodes them itself (see LedColour) and keeps QtGui out of the
// command-line tool.
//
// Keys are spelled as QSettings takes them: "Section/key" for a key of
// [Section], the bare key for one of [General]. Values come back as
// QSettings returns them, but a colour variant comes back as a LedColour;
// values set may be numbers, text or LedColour. A file written back keeps
// the other keys, as QSettings keeps them.
class IniDocument
{
public:
    // Reads the file; a missing one is an empty document. False when the
    // file is there but cannot be read.
    bool load(const QString &path);
    void parse(const QByteArray &data);
    // Lines QSettings would report as a format error were skipped.
    bool malformed() const { return m_malformed; }

    QVariant value(const QString &key) const;
    // Every key below `group` ("Section" or "Section/sub"), without it.
    QStringList keys(const QString &group) const;
    void setValue(const QString &key, const QVariant &value);

    QByteArray text() const;

private:
    struct Entry
    {
        QStringList texts; // the value's text(s) as QSettings would write them
        bool isList = false;
    };
    using Keys = std::map<QString, Entry>;
    const Entry *find(const QString &key) const;

    std::map<QString, Keys> m_sections; // by "Section/" ("" for [General])
    Keys m_added;                       // set since the file was read
    bool m_malformed = false;
    bool m_utf8 = false;
};

// The text QSettings stores for a value (a number, text, a byte array or a
// LedColour), before INI escaping. Null for a value it would store another way.
QString iniValueText(const QVariant &value);
// What QSettings makes of a value's unescaped text: text, numbers stay
// text; a colour variant becomes a LedColour. `exact` (if given) is false
// for forms this reader does not decode (geometry and variants of types
// that need QtGui); they read as an invalid value.
QVariant iniTextValue(const QString &text, bool *exact = nullptr);
// Appends `text` escaped and, where QSettings would, quoted; `utf8` for a
// file that started with a UTF-8 mark.
void appendIniEscaped(const QString &text, QByteArray &out, bool utf8 = false);
