#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <map>

// The program's one INI reader and writer, for every file of the data
// folder and every file imported or exported: it reads and writes them
// exactly as QSettings (Qt 5.15, no text codec), where the format comes
// from, would, but decodes serialised values itself. Colours (see
// LedColour) are decoded without QtGui, which keeps it out of the
// command-line tool; numbers, text, bytes and times too. Any other
// serialised value (lists, maps, widget types, a type named by text) reads
// as no value and is written back as it stands: Qt would reserve room for
// whatever count a list claims, so a few bytes could ask for gigabytes.
//
// Keys are spelled as QSettings takes them: "Section/key" for a key of
// [Section], the bare key for one of [General]. Values come back as
// QSettings returns them (a text list as a QStringList), but a colour comes
// back as a LedColour; values set may be numbers, text, byte arrays, text
// lists or LedColour. A file written back keeps the other keys, as
// QSettings keeps them. Files are written through IniFile or editIniFile
// (IniFile.h), which share the write guarantee.
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
    bool contains(const QString &key) const;
    // Every key below `group` ("Section" or "Section/sub"), without it.
    QStringList keys(const QString &group) const;
    // The keys directly below `group`, not those of its subgroups.
    QStringList childKeys(const QString &group) const;
    void setValue(const QString &key, const QVariant &value);
    // Takes out `key` and every key below it, as QSettings' remove does,
    // wherever the file spells them.
    void remove(const QString &key);

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
// for forms this reader does not decode (geometry, lists and maps,
// variants of types that need QtGui); they read as an invalid value, as
// does a serialised text longer than its data.
QVariant iniTextValue(const QString &text, bool *exact = nullptr);
// Appends `text` escaped and, where QSettings would, quoted; `utf8` for a
// file that started with a UTF-8 mark.
void appendIniEscaped(const QString &text, QByteArray &out, bool utf8 = false);
