#pragma once

#include "store/IniDocument.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>
#include <map>
#include <mutex>
#include <utility>
#include <vector>

// One INI file of the program, read now by IniDocument and written by
// commit(). Every file written goes through here or writeWholeFile, so all
// share one write guarantee, the one QSettings (Qt 5.15) gives with atomic
// sync: the new text goes to an unnamed temporary file in the same folder,
// is flushed with fdatasync and only then linked and renamed over the old
// file (QSaveFile). A crash or power loss therefore leaves the old or the
// new file, never a truncated one; when no temporary file can be made there
// the write fails instead of overwriting in place.
//
// As QSettings does, commit() reads the file afresh under the lock file
// QSettings takes ("<file>.lock") and applies only the values set through
// this object, so that writers of the same file, ours or a QSettings one,
// wait for each other and keep each other's keys.
class IniFile
{
public:
    explicit IniFile(const QString &path);

    IniFile(const IniFile &) = delete;
    IniFile &operator=(const IniFile &) = delete;

    // As the file was read, with the values set since. Keys as IniDocument
    // spells them.
    QVariant value(const QString &key, const QVariant &fallback = QVariant()) const;
    bool contains(const QString &key) const { return m_document.contains(key); }
    QStringList childKeys(const QString &group) const { return m_document.childKeys(group); }
    QStringList keys(const QString &group) const { return m_document.keys(group); }
    void setValue(const QString &key, const QVariant &value);

    // False when the file is there but could not be read.
    bool readable() const { return m_readable; }
    // Lines QSettings would report as a format error were skipped.
    bool malformed() const { return m_document.malformed(); }

    // Writes the values set, if any. False when the file could not be
    // written; the old file is then untouched. Writers call it; readers
    // just let the object go.
    bool commit();

private:
    QString m_path;
    IniDocument m_document;
    std::vector<std::pair<QString, QVariant>> m_changes;
    bool m_readable = true;
};

// The keys a plain read looks for, spelled as QSettings takes them ("sub/key"
// within the section), with an index from their spelling in the file. Made
// once for a file layout: the table, not the file, holds the key texts.
class PlainIniKeys
{
public:
    explicit PlainIniKeys(const QStringList &keys);
    // Keys numbered by a function rather than listed, for a layout whose
    // keys follow a rule: no table to build.
    PlainIniKeys(int size, std::function<int(QLatin1String fileForm)> indexOf);
    int size() const { return m_size; }
    // -1 for a key that is not in the table.
    int indexOf(QLatin1String fileForm) const
    {
        return m_rule ? m_rule(fileForm) : m_index.value(fileForm, -1);
    }
    // Of a listed layout only.
    const QByteArray &fileForm(int i) const { return m_fileForms[size_t(i)]; }
    // The entries in the order QSettings writes them (by key), worked out
    // on the first write rather than for every file written.
    const std::vector<int> &writeOrder() const;
    // Whether the keys are listed and each is spelled with the letters a
    // plain file may hold: only then can plainIniText write them.
    bool plainKeys() const { return m_plainKeys; }

private:
    int m_size = 0;
    std::vector<QByteArray> m_fileForms;
    QHash<QLatin1String, int> m_index;
    std::function<int(QLatin1String)> m_rule;
    QStringList m_keys;
    mutable std::vector<int> m_writeOrder;
    mutable std::once_flag m_writeOrderMade;
    bool m_plainKeys = true;
};

// Reads one section of an INI file the quick way: values[i] becomes what
// IniDocument (and QSettings) would give for keys' entry i (a colour as a
// LedColour), an invalid one where the file lacks it. Several times faster
// than the whole-file reader on the large profile files. It knows only the
// lines that QSettings itself writes for numbers, text and serialised
// variants, quoted or not. For anything else in the file (comments, lists, escaped keys,
// text beyond ASCII, a key of the section spelled from another section, a
// key of the section that is not in the table) it returns false, and the
// caller reads the whole file (IniDocument). A missing file reads as an
// empty section.
bool readPlainIniSection(const QString &path, const QString &section, const PlainIniKeys &keys,
                         std::vector<QVariant> &values);

// The text QSettings writes for a file that holds only `values` in
// `section`, values[i] under keys' entry i (keys of ASCII letters, digits
// and "_"), made straight from the values, for int and unsigned numbers,
// text and colours (LedColour). False for any other value or key.
bool plainIniText(const QString &section, const PlainIniKeys &keys,
                  const std::vector<QVariant> &values, QByteArray &text);

// Writes a whole file at once with the same guarantee as IniFile: the old
// file or the new one, never a torn one. Makes the folder when needed.
bool writeWholeFile(const QString &path, const QByteArray &text);

// Whether the INI file at `path` can be read and holds at least one key
// below `group` where QSettings would find it; a file that is missing,
// empty, unreadable or garbage does not, and loads as all zeros.
bool iniFileHoldsGroup(const QString &path, const QString &group);

// Reads the file at `path`, lets `edit` change it and writes it back whole
// (see writeWholeFile), under the lock file QSettings takes for the same
// file. False when the file could not be read or written; it is then
// unchanged.
bool editIniFile(const QString &path, const std::function<void(IniDocument &)> &edit);
