#pragma once

#include <QByteArray>
#include <QHash>
#include <QSettings>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>
#include <mutex>
#include <utility>
#include <vector>

class IniDocument;

// Every INI file of the store but the profile files (see IniDocument) is
// opened through this class, so that all of them share one write guarantee.
//
// QSettings (Qt 5.15) writes an INI file through QSaveFile as long as
// atomic sync is required, which is its default: the new text goes to an
// unnamed temporary file in the same folder, is flushed with fdatasync and
// only then linked and renamed over the old file. A crash or power loss
// therefore leaves the old or the new file, never a truncated one. When no
// temporary file can be made there it fails instead of overwriting in place;
// we keep it that way by asking for atomic sync explicitly.
class IniFile
{
public:
    explicit IniFile(const QString &path);

    IniFile(const IniFile &) = delete;
    IniFile &operator=(const IniFile &) = delete;

    QSettings &settings() { return m_settings; }

    // Writes pending changes now. False when the file could not be written;
    // the old file is then untouched. Writers call it; readers just let the
    // object go.
    bool commit();

private:
    QSettings m_settings;
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

// Reads one section of an INI file without QSettings: values[i] becomes
// the variant QSettings would return for keys' entry i (a colour as a
// LedColour), an invalid one where the file lacks it. Several times faster
// than QSettings on the large profile files. It knows only the lines that
// QSettings itself writes for numbers, text and serialised variants, quoted
// or not. For anything else in the file (comments, lists, escaped keys,
// text beyond ASCII, a key of the section spelled from another section, a
// key of the section that is not in the table) it returns false, and the
// caller reads the whole file (IniDocument). A missing file reads as an
// empty section.
bool readPlainIniSection(const QString &path, const QString &section, const PlainIniKeys &keys,
                         std::vector<QVariant> &values);

// The text QSettings writes for a file that holds only `values` in
// `section`, values[i] under keys' entry i (keys of ASCII letters, digits
// and "_"), made without QSettings, for int and unsigned numbers, text and
// colours (LedColour). False for any other value or key.
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
