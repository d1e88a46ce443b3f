#include "store/IniFile.h"

#include "store/IniChars.h"
#include "store/IniDocument.h"
#include "store/LedColour.h"
#include "store/StoreLog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>

#include <algorithm>
#include <numeric>

IniFile::IniFile(const QString &path) : m_path(path)
{
    m_readable = m_document.load(path);
}

QVariant IniFile::value(const QString &key, const QVariant &fallback) const
{
    return m_document.contains(key) ? m_document.value(key) : fallback;
}

void IniFile::setValue(const QString &key, const QVariant &value)
{
    m_document.setValue(key, value);
    m_changes.emplace_back(key, value);
}

bool IniFile::commit()
{
    if (m_changes.empty())
        return true;
    const bool written = editIniFile(m_path, [this](IniDocument &document) {
        for (const auto &change : m_changes)
            document.setValue(change.first, change.second);
    });
    if (written)
        m_changes.clear();
    return written;
}

namespace {

using IniChars::hexValue;

bool isKeyChar(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

// A key as QSettings spells it in the file: names of [A-Za-z0-9_] joined by
// single backslashes, which stand for "/".
bool isPlainKey(const char *p, const char *end)
{
    if (p == end || *p == '\\' || end[-1] == '\\')
        return false;
    for (char prev = 0; p < end; prev = *p++) {
        if (*p == '\\' ? prev == '\\' : !isKeyChar(*p))
            return false;
    }
    return true;
}

// A value as QSettings unescapes it, for the escapes its writer uses: the
// named ones, \x with hex digits and \0-\7 with octal ones, both taking as
// many digits as follow (the writer escapes a digit after them too). Runs
// of more than four hex or three octal digits are left to QSettings.
bool plainValue(const char *p, const char *end, QString &text)
{
    if (p < end && (*p == ' ' || *p == '\t' || end[-1] == ' ' || end[-1] == '\t'))
        return false; // QSettings trims these
    // A value wholly in quotes, as QSettings writes one holding ";", ","
    // or "=" (a colour's bytes can): inside them those are plain text.
    const bool quoted = end - p >= 2 && *p == '"' && end[-1] == '"';
    if (quoted) {
        ++p;
        --end;
    }
    const char *c = p;
    while (c < end && *c != '\\' && *c != '"' && *c != ',' && *c != ';' && *c != '=')
        ++c;
    if (c == end && !quoted) {
        // Numbers and plain text, nearly every line.
        text = QString::fromLatin1(p, int(end - p));
        return true;
    }
    text.clear();
    text.reserve(int(end - p));
    while (p < end) {
        const char c = *p++;
        if (c != '\\') {
            // Quotes, lists and comments are QSettings' own business.
            if (c == '"' || (!quoted && (c == ',' || c == ';' || c == '=')))
                return false;
            text += QLatin1Char(c);
            continue;
        }
        if (p == end)
            return false; // a line continued on the next
        const char e = *p++;
        static const char named[][2] = {{'a', '\a'}, {'b', '\b'},  {'f', '\f'}, {'n', '\n'},
                                        {'r', '\r'}, {'t', '\t'},  {'v', '\v'}, {'"', '"'},
                                        {'?', '?'},  {'\'', '\''}, {'\\', '\\'}};
        bool known = false;
        for (const auto &n : named) {
            if (e == n[0]) {
                text += QLatin1Char(n[1]);
                known = true;
                break;
            }
        }
        if (known)
            continue;
        int value = 0;
        int digits = 0;
        if (e == 'x') {
            for (; p < end && hexValue(*p) >= 0 && digits < 5; ++p, ++digits)
                value = value * 16 + hexValue(*p);
        } else if (e >= '0' && e <= '7') {
            value = e - '0';
            for (digits = 1; p < end && *p >= '0' && *p <= '7' && digits < 4; ++p, ++digits)
                value = value * 8 + (*p - '0');
        }
        if (digits == 0 || digits > (e == 'x' ? 4 : 3))
            return false;
        text += QChar(value);
    }
    return true;
}

// What QSettings makes of an unescaped value: text, or for "@Variant(...)"
// the variant serialised in it (a colour as a LedColour). Other "@" forms
// are left to the full reader.
bool plainVariant(const QString &text, QVariant &value)
{
    if (text.startsWith(QLatin1Char('@')) && !text.startsWith(QLatin1String("@Variant(")))
        return false;
    bool exact = true;
    value = iniTextValue(text, &exact);
    return exact;
}

} // namespace

PlainIniKeys::PlainIniKeys(int size, std::function<int(QLatin1String)> indexOf)
    : m_size(size), m_rule(std::move(indexOf)), m_plainKeys(false)
{}

PlainIniKeys::PlainIniKeys(const QStringList &keys) : m_size(int(keys.size()))
{
    m_fileForms.reserve(size_t(keys.size()));
    for (const QString &key : keys) {
        QByteArray form = key.toLatin1();
        form.replace('/', '\\');
        m_fileForms.push_back(form);
    }
    // The views point into m_fileForms, which no longer changes.
    m_index.reserve(keys.size());
    for (size_t i = 0; i < m_fileForms.size(); ++i)
        m_index.insert(QLatin1String(m_fileForms[i]), int(i));
    m_keys = keys;
    for (const QString &key : keys) {
        for (const QChar ch : key) {
            const ushort c = ch.unicode();
            if (c != '/' && (c >= 0x80 || !isKeyChar(char(c))))
                m_plainKeys = false;
        }
    }
}

const std::vector<int> &PlainIniKeys::writeOrder() const
{
    std::call_once(m_writeOrderMade, [this] {
        m_writeOrder.resize(m_fileForms.size());
        std::iota(m_writeOrder.begin(), m_writeOrder.end(), 0);
        std::sort(m_writeOrder.begin(), m_writeOrder.end(),
                  [this](int a, int b) { return m_keys[a] < m_keys[b]; });
    });
    return m_writeOrder;
}

bool readPlainIniSection(const QString &path, const QString &section, const PlainIniKeys &keys,
                         std::vector<QVariant> &values)
{
    values.assign(size_t(keys.size()), QVariant());
    QFile file(path);
    if (!file.exists())
        return true;
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray data = file.readAll();
    const QByteArray wanted = section.toLatin1();
    const QByteArray nestedElsewhere = wanted + '\\';
    bool inSection = false;
    QString text;
    const char *p = data.constData();
    const char *const end = p + data.size();
    while (p < end) {
        const char *eol = static_cast<const char *>(memchr(p, '\n', size_t(end - p)));
        if (!eol)
            eol = end;
        const char *lineEnd = eol;
        if (lineEnd > p && lineEnd[-1] == '\r')
            --lineEnd;
        const char *line = p;
        p = eol + 1;
        if (line == lineEnd)
            continue;
        for (const char *c = line; c < lineEnd; ++c) {
            if (uchar(*c) < 0x20 || uchar(*c) > 0x7E)
                return false;
        }
        if (*line == '[') {
            if (lineEnd[-1] != ']' || lineEnd - line < 3)
                return false;
            const QByteArray name(line + 1, int(lineEnd - line - 2));
            for (char c : name) {
                if (!isKeyChar(c))
                    return false;
            }
            // QSettings on Windows does not tell the case of section names.
            if (name != wanted && name.compare(wanted, Qt::CaseInsensitive) == 0)
                return false;
            inSection = name == wanted;
            continue;
        }
        const char *equals = static_cast<const char *>(memchr(line, '=', size_t(lineEnd - line)));
        if (!equals || !isPlainKey(line, equals))
            return false;
        if (!inSection) {
            // "[General]" or an unnamed start may still spell one of ours.
            if (QByteArray::fromRawData(line, int(equals - line)).startsWith(nestedElsewhere))
                return false;
            // Another section's value matters only where it could join
            // lines: a quote, or a backslash at the end. Lists and the like
            // are its own business.
            if (memchr(equals + 1, '"', size_t(lineEnd - equals - 1)) || lineEnd[-1] == '\\')
                return false;
            continue;
        }
        if (!plainValue(equals + 1, lineEnd, text))
            return false;
        const int index = keys.indexOf(QLatin1String(line, int(equals - line)));
        if (index < 0 || !plainVariant(text, values[size_t(index)]))
            return false;
    }
    return true;
}

namespace {

bool appendPlainValue(const QVariant &value, QByteArray &out)
{
    switch (value.userType()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::QString:
        break;
    default:
        if (value.userType() != qMetaTypeId<LedColour>())
            return false;
    }
    appendIniEscaped(iniValueText(value), out);
    return true;
}

} // namespace

bool plainIniText(const QString &section, const PlainIniKeys &keys,
                  const std::vector<QVariant> &values, QByteArray &text)
{
    if (!keys.plainKeys() || values.size() != size_t(keys.size()))
        return false;
    text.clear();
    text.reserve(int(values.size()) * 32);
    text += '[' + section.toLatin1() + "]\n";
    for (const int i : keys.writeOrder()) {
        text += keys.fileForm(i);
        text += '=';
        if (!appendPlainValue(values[size_t(i)], text))
            return false;
        text += '\n';
    }
    return true;
}

bool writeWholeFile(const QString &path, const QByteArray &text)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit()) {
        qCWarning(lcStore).noquote() << "cannot write" << path;
        return false;
    }
    return true;
}

bool iniFileHoldsGroup(const QString &path, const QString &group)
{
    const QFileInfo info(path);
    if (!info.isFile() || !info.isReadable() || info.size() == 0)
        return false;
    IniDocument document;
    return document.load(path) && !document.malformed() && !document.keys(group).isEmpty();
}

bool editIniFile(const QString &path, const std::function<void(IniDocument &)> &edit)
{
    // The same lock file QSettings takes, so that a QSettings writer of the
    // same file elsewhere waits for us and we for it.
    QLockFile lock(path + QStringLiteral(".lock"));
    QDir().mkpath(QFileInfo(path).absolutePath());
    IniDocument document;
    if (!lock.lock() || !document.load(path)) {
        qCWarning(lcStore).noquote() << "cannot write" << path;
        return false;
    }
    if (document.malformed())
        qCWarning(lcStore).noquote() << "rewrote malformed file" << path;
    edit(document);
    return writeWholeFile(path, document.text());
}
