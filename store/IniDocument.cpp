#include "store/IniDocument.h"

#include "store/IniChars.h"
#include "store/LedColour.h"
#include "store/StoreLog.h"

#include <QDataStream>
#include <QDateTime>
#include <QFile>

#include <algorithm>
#include <vector>

namespace {

using IniChars::hexValue;

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool isSpecial(char c)
{
    return c == '\n' || c == '\r' || c == '"' || c == ';' || c == '=' || c == '\\';
}

// One logical line, as QSettings splits them: a line ends at a line break
// or ";" outside quotes, a backslash takes the next character (a line
// break too) with it, a ";" at the start makes the line a comment. Returns
// false at the end of the data.
bool nextLine(const QByteArray &data, int &pos, int &lineStart, int &lineLen, int &equalsPos)
{
    const int size = data.size();
    bool inQuotes = false;
    equalsPos = -1;
    lineStart = pos;
    while (lineStart < size && isSpace(data.at(lineStart)))
        ++lineStart;
    int i = lineStart;
    while (i < size) {
        char ch = data.at(i);
        while (!isSpecial(ch)) {
            if (++i == size)
                goto done;
            ch = data.at(i);
        }
        ++i;
        if (ch == '=') {
            if (!inQuotes && equalsPos == -1)
                equalsPos = i - 1;
        } else if (ch == '\n' || ch == '\r') {
            if (i == lineStart + 1) {
                ++lineStart;
            } else if (!inQuotes) {
                --i;
                goto done;
            }
        } else if (ch == '\\') {
            if (i < size) {
                const char escaped = data.at(i++);
                if (i < size) {
                    const char next = data.at(i);
                    if ((escaped == '\n' && next == '\r') || (escaped == '\r' && next == '\n'))
                        ++i;
                }
            }
        } else if (ch == '"') {
            inQuotes = !inQuotes;
        } else { // ';'
            if (i == lineStart + 1) {
                while (i < size && data.at(i) != '\n' && data.at(i) != '\r')
                    ++i;
                while (i < size && isSpace(data.at(i)))
                    ++i;
                lineStart = i;
            } else if (!inQuotes) {
                --i;
                goto done;
            }
        }
    }
done:
    pos = i;
    lineLen = i - lineStart;
    return lineLen > 0;
}

// A key or section name: "\" stands for "/", "%XX" and "%UXXXX" for
// characters.
void unescapeKey(const QByteArray &key, int from, int to, QString &result)
{
    result.reserve(result.size() + to - from);
    int i = from;
    while (i < to) {
        int plain = i;
        while (plain < to && key.at(plain) != '\\' && key.at(plain) != '%')
            ++plain;
        if (plain > i) {
            result += QLatin1String(key.constData() + i, plain - i);
            i = plain;
            continue;
        }
        const char ch = key.at(i);
        if (ch == '\\') {
            result += QLatin1Char('/');
            ++i;
            continue;
        }
        if (ch != '%' || i == to - 1) {
            result += QLatin1Char(ch);
            ++i;
            continue;
        }
        int digits = 2;
        int first = i + 1;
        if (key.at(i + 1) == 'U') {
            ++first;
            digits = 4;
        }
        bool ok = false;
        const ushort code = first + digits > to ? 0 : key.mid(first, digits).toUShort(&ok, 16);
        if (!ok) {
            result += QLatin1Char('%');
            ++i;
            continue;
        }
        result += QChar(code);
        i = first + digits;
    }
}

void chopTrailingSpaces(QString &text, int limit)
{
    int n = text.size() - 1;
    while (n >= limit && (text.at(n) == QLatin1Char(' ') || text.at(n) == QLatin1Char('\t')))
        text.truncate(n--);
}

// A value: escapes, quotes, and "," between the items of a list. Returns
// whether it is a list.
bool unescapeValue(const QByteArray &str, int from, int to, bool utf8, QString &text,
                   QStringList &list)
{
    static const char named[][2] = {{'a', '\a'}, {'b', '\b'},  {'f', '\f'}, {'n', '\n'},
                                    {'r', '\r'}, {'t', '\t'},  {'v', '\v'}, {'"', '"'},
                                    {'?', '?'},  {'\'', '\''}, {'\\', '\\'}};
    bool isList = false;
    bool inQuotes = false;
    bool quoted = false;
    int i = from;
    auto skipSpaces = [&] {
        while (i < to && (str.at(i) == ' ' || str.at(i) == '\t'))
            ++i;
    };
    skipSpaces();
    int chopLimit = text.size();
    bool chop = true;
    while (i < to) {
        const char ch = str.at(i);
        if (ch == '\\') {
            ++i;
            if (i >= to) {
                chop = false; // QSettings stops short of trimming here
                break;
            }
            const char e = str.at(i++);
            bool isNamed = false;
            for (const auto &n : named) {
                if (e == n[0]) {
                    text += QLatin1Char(n[1]);
                    isNamed = true;
                    break;
                }
            }
            if (isNamed) {
                chopLimit = text.size();
                continue;
            }
            const bool hex = e == 'x' && i < to && hexValue(str.at(i)) >= 0;
            if (hex || (e >= '0' && e <= '7')) {
                uint value = hex ? 0 : uint(e - '0');
                const int base = hex ? 16 : 8;
                while (i < to) {
                    const int digit =
                        hex ? hexValue(str.at(i))
                            : (str.at(i) >= '0' && str.at(i) <= '7' ? str.at(i) - '0' : -1);
                    if (digit < 0)
                        break;
                    value = value * uint(base) + uint(digit);
                    ++i;
                }
                text += QChar(ushort(value & 0xFFFF));
                chopLimit = text.size();
                continue;
            }
            if ((e == '\n' || e == '\r') && i < to) {
                const char next = str.at(i);
                if ((next == '\n' || next == '\r') && next != e)
                    ++i;
            }
            chopLimit = text.size();
            continue;
        }
        if (ch == '"') {
            ++i;
            quoted = true;
            inQuotes = !inQuotes;
            if (!inQuotes) {
                skipSpaces();
                chopLimit = text.size();
            }
            continue;
        }
        if (ch == ',' && !inQuotes) {
            if (!quoted)
                chopTrailingSpaces(text, chopLimit);
            if (!isList) {
                isList = true;
                list.clear();
            }
            list.append(text);
            text.clear();
            quoted = false;
            ++i;
            skipSpaces();
            chopLimit = 0;
            continue;
        }
        int j = i + 1;
        while (j < to && str.at(j) != '\\' && str.at(j) != '"' && str.at(j) != ',')
            ++j;
        if (utf8)
            text += QString::fromUtf8(str.constData() + i, j - i);
        else
            text += QLatin1String(str.constData() + i, j - i);
        i = j;
    }
    if (!quoted && chop)
        chopTrailingSpaces(text, chopLimit);
    if (isList)
        list.append(text);
    return isList;
}

// The serialised types read here: numbers, text, bytes and times, whose
// size the data bounds. Containers are not among them (Qt reserves room
// for the count they give before reading an element, so a few bytes could
// ask for gigabytes), nor is a type named by text, which could name one.
// No file of ours holds any of them but colours.
bool isBoundedVariantType(quint32 type)
{
    switch (type) {
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::QChar:
    case QMetaType::QString:
    case QMetaType::QByteArray:
    case QMetaType::QDate:
    case QMetaType::QTime:
    case QMetaType::QDateTime:
        return true;
    default:
        return false;
    }
}

QVariant streamedVariant(const QString &text, int offset, QDataStream::Version version, bool *exact)
{
    const QByteArray bytes = QStringView(text).mid(offset).toLatin1();
    LedColour colour;
    if (version == QDataStream::Qt_4_0 && colourFromVariantBytes(bytes, colour))
        return QVariant::fromValue(colour);
    const quint32 type = bytes.size() < 4
                             ? 0
                             : quint32(uchar(bytes[0])) << 24 | quint32(uchar(bytes[1])) << 16 |
                                   quint32(uchar(bytes[2])) << 8 | uchar(bytes[3]);
    if (!isBoundedVariantType(type)) {
        if (exact)
            *exact = false;
        return QVariant();
    }
    QDataStream stream(bytes);
    stream.setVersion(version);
    QVariant value;
    stream >> value;
    // Text or bytes longer than the data are no value either.
    if (stream.status() == QDataStream::Ok)
        return value;
    if (exact)
        *exact = false;
    return QVariant();
}

} // namespace

QVariant iniTextValue(const QString &text, bool *exact)
{
    if (exact)
        *exact = true;
    if (!text.startsWith(QLatin1Char('@')))
        return text;
    if (text.endsWith(QLatin1Char(')'))) {
        if (text.startsWith(QLatin1String("@ByteArray(")))
            return QStringView(text).mid(11, text.size() - 12).toLatin1();
        if (text.startsWith(QLatin1String("@String(")))
            return text.mid(8, text.size() - 9);
        if (text.startsWith(QLatin1String("@Variant(")))
            return streamedVariant(text, 9, QDataStream::Qt_4_0, exact);
        if (text.startsWith(QLatin1String("@DateTime(")))
            return streamedVariant(text, 10, QDataStream::Qt_5_6, exact);
        if (text.startsWith(QLatin1String("@Rect(")) || text.startsWith(QLatin1String("@Size(")) ||
            text.startsWith(QLatin1String("@Point("))) {
            if (exact)
                *exact = false;
            return QVariant();
        }
        if (text == QLatin1String("@Invalid()"))
            return QVariant();
    }
    if (text.startsWith(QLatin1String("@@")))
        return text.mid(1);
    return text;
}

QString iniValueText(const QVariant &value)
{
    switch (value.userType()) {
    case QMetaType::UnknownType:
        return QStringLiteral("@Invalid()");
    case QMetaType::QByteArray: {
        const QByteArray bytes = value.toByteArray();
        return QLatin1String("@ByteArray(") + QLatin1String(bytes.constData(), bytes.size()) +
               QLatin1Char(')');
    }
    case QMetaType::QString:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Bool:
    case QMetaType::Double: {
        const QString text = value.toString();
        if (text.contains(QChar::Null))
            return QLatin1String("@String(") + text + QLatin1Char(')');
        return text.startsWith(QLatin1Char('@')) ? QLatin1Char('@') + text : text;
    }
    default:
        break;
    }
    QByteArray bytes;
    const bool isDateTime = value.userType() == QMetaType::QDateTime;
    if (value.userType() == qMetaTypeId<LedColour>()) {
        bytes = colourVariantBytes(value.value<LedColour>());
    } else if (value.userType() <= QMetaType::LastCoreType) {
        // Pinned to the versions Qt 5 writes, so that either Qt reads what
        // the other wrote: Qt 6 numbers its types as Qt 5 did in them.
        QDataStream stream(&bytes, QIODevice::WriteOnly);
        stream.setVersion(isDateTime ? QDataStream::Qt_5_6 : QDataStream::Qt_4_0);
        stream << value;
    } else {
        return QString();
    }
    return QLatin1String(isDateTime ? "@DateTime(" : "@Variant(") +
           QLatin1String(bytes.constData(), bytes.size()) + QLatin1Char(')');
}

void appendIniEscaped(const QString &text, QByteArray &out, bool utf8)
{
    // Serialised bytes are escaped even in a UTF-8 file.
    const bool useCodec = utf8 && !text.startsWith(QLatin1String("@ByteArray(")) &&
                          !text.startsWith(QLatin1String("@Variant("));
    bool needsQuotes = false;
    bool escapeNextIfDigit = false;
    const int start = out.size();
    out.reserve(start + text.size() * 3 / 2);
    for (const QChar qc : text) {
        const ushort ch = qc.unicode();
        if (ch == ';' || ch == ',' || ch == '=')
            needsQuotes = true;
        if (escapeNextIfDigit && ch < 0x80 && hexValue(char(ch)) >= 0) {
            out += "\\x" + QByteArray::number(ch, 16);
            continue;
        }
        escapeNextIfDigit = false;
        switch (ch) {
        case '\0':
            out += "\\0";
            escapeNextIfDigit = true;
            break;
        case '\a':
            out += "\\a";
            break;
        case '\b':
            out += "\\b";
            break;
        case '\f':
            out += "\\f";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\v':
            out += "\\v";
            break;
        case '"':
        case '\\':
            out += '\\';
            out += char(ch);
            break;
        default:
            if (ch <= 0x1F || (ch >= 0x7F && !useCodec)) {
                out += "\\x" + QByteArray::number(ch, 16);
                escapeNextIfDigit = true;
            } else if (useCodec) {
                out += QString(qc).toUtf8();
            } else {
                out += char(ch);
            }
        }
    }
    if (needsQuotes || (start < out.size() && (out.at(start) == ' ' || out.endsWith(' ')))) {
        out.insert(start, '"');
        out += '"';
    }
}

namespace {

void appendEscapedKey(const QString &key, QByteArray &out)
{
    static const char hex[] = "0123456789ABCDEF";
    for (const QChar qc : key) {
        uint ch = qc.unicode();
        if (ch == '/') {
            out += '\\';
        } else if ((ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') ||
                   (ch >= '0' && ch <= '9') || ch == '_' || ch == '-' || ch == '.') {
            out += char(ch);
        } else if (ch <= 0xFF) {
            out += '%';
            out += hex[ch / 16];
            out += hex[ch % 16];
        } else {
            out += "%U";
            char code[4];
            for (int i = 3; i >= 0; --i, ch >>= 4)
                code[i] = hex[ch % 16];
            out.append(code, 4);
        }
    }
}

// The text a value read from a file is written back as: QSettings writes
// what it read, in its own spelling.
QString rewrittenText(const QString &text)
{
    // Text, nearly every value, is written as it was read.
    if (!text.startsWith(QLatin1Char('@')) && !text.contains(QChar::Null))
        return text;
    bool exact = true;
    const QVariant value = iniTextValue(text, &exact);
    if (!exact)
        return text;
    const QString written = iniValueText(value);
    return written.isNull() ? text : written;
}

} // namespace

bool IniDocument::load(const QString &path)
{
    QFile file(path);
    if (!file.exists()) {
        parse(QByteArray());
        return true;
    }
    if (!file.open(QIODevice::ReadOnly))
        return false;
    parse(file.readAll());
    return true;
}

void IniDocument::parse(const QByteArray &data)
{
    m_sections.clear();
    m_added.clear();
    m_malformed = false;
    // A UTF-8 mark makes QSettings read and write the file's text as UTF-8.
    m_utf8 = data.startsWith("\xef\xbb\xbf");
    // The lines of each section, a repeated section joined to the first.
    std::map<QString, QByteArray> lines;
    QString current;
    int currentStart = 0;
    int pos = m_utf8 ? 3 : 0;
    int lineStart = 0;
    int lineLen = 0;
    int equalsPos = 0;
    const auto flush = [&] {
        QByteArray &text = lines[current];
        if (!text.isEmpty())
            text.append('\n');
        text += data.mid(currentStart, lineStart - currentStart);
    };
    while (nextLine(data, pos, lineStart, lineLen, equalsPos)) {
        if (data.at(lineStart) != '[')
            continue;
        flush();
        const int close = data.indexOf(']', lineStart);
        QByteArray name;
        if (close == -1 || close >= lineStart + lineLen) {
            m_malformed = true;
            name = data.mid(lineStart + 1, lineLen - 1);
        } else {
            name = data.mid(lineStart + 1, close - lineStart - 1);
        }
        name = name.trimmed();
        current.clear();
        if (name.compare("general", Qt::CaseInsensitive) != 0) {
            if (name.compare("%general", Qt::CaseInsensitive) == 0)
                current = QLatin1String(name.constData() + 1);
            else
                unescapeKey(name, 0, name.size(), current);
            current += QLatin1Char('/');
        }
        currentStart = pos;
    }
    lineStart = data.size();
    flush();

    for (const auto &section : lines) {
        Keys &keys = m_sections[section.first];
        const QByteArray &text = section.second;
        int at = 0;
        while (nextLine(text, at, lineStart, lineLen, equalsPos)) {
            if (equalsPos == -1) {
                if (text.at(lineStart) != ';')
                    m_malformed = true;
                continue;
            }
            int keyEnd = equalsPos;
            while (keyEnd > lineStart &&
                   (text.at(keyEnd - 1) == ' ' || text.at(keyEnd - 1) == '\t'))
                --keyEnd;
            QString key = section.first;
            unescapeKey(text, lineStart, keyEnd, key);
            QString value;
            QStringList list;
            Entry entry;
            entry.isList =
                unescapeValue(text, equalsPos + 1, lineStart + lineLen, m_utf8, value, list);
            if (entry.isList) {
                for (const QString &item : qAsConst(list))
                    entry.texts << rewrittenText(item);
            } else {
                entry.texts << rewrittenText(value);
            }
            keys[key] = entry; // a repeated key takes the last value
        }
    }
}

const IniDocument::Entry *IniDocument::find(const QString &key) const
{
    const auto added = m_added.find(key);
    if (added != m_added.end())
        return &added->second;
    // QSettings looks a key up in one section only: the last one by name
    // that the key starts with ([General] for a key without "/"). A key of
    // another section spelled "Section\\key" is not found there.
    auto section = m_sections.end();
    if (key.contains(QLatin1Char('/'))) {
        section = m_sections.upper_bound(key);
        if (section == m_sections.begin())
            return nullptr;
        --section;
        if (section->first.isEmpty() || !key.startsWith(section->first))
            return nullptr;
    } else {
        section = m_sections.find(QString());
        if (section == m_sections.end())
            return nullptr;
    }
    const auto it = section->second.find(key);
    return it == section->second.end() ? nullptr : &it->second;
}

QVariant IniDocument::value(const QString &key) const
{
    const Entry *entry = find(key);
    if (!entry)
        return QVariant();
    if (!entry->isList)
        return iniTextValue(entry->texts.first());
    // A list of text, unless an item is a value of another kind.
    QStringList texts;
    QVariantList values;
    bool plain = true;
    for (const QString &text : entry->texts) {
        plain =
            plain && (!text.startsWith(QLatin1Char('@')) || text.startsWith(QLatin1String("@@")));
        texts << (text.startsWith(QLatin1String("@@")) ? text.mid(1) : text);
        bool exact = true;
        values << iniTextValue(text, &exact);
        if (!exact)
            return QVariant(); // a list holding a value we do not read is none
    }
    return plain ? QVariant(texts) : QVariant(values);
}

bool IniDocument::contains(const QString &key) const
{
    return find(key) != nullptr;
}

QStringList IniDocument::childKeys(const QString &group) const
{
    QStringList children = keys(group);
    children.erase(
        std::remove_if(children.begin(), children.end(),
                       [](const QString &key) { return key.contains(QLatin1Char('/')); }),
        children.end());
    return children;
}

QStringList IniDocument::keys(const QString &group) const
{
    // As QSettings lists them: the keys below the group in the section it
    // looks the group up in, and those set since.
    const QString prefix = group + QLatin1Char('/');
    QStringList keys;
    auto section = m_sections.upper_bound(prefix);
    if (section != m_sections.begin()) {
        --section;
        if (!section->first.isEmpty() && prefix.startsWith(section->first)) {
            for (const auto &entry : section->second) {
                if (entry.first.startsWith(prefix))
                    keys << entry.first.mid(prefix.size());
            }
        }
    }
    for (const auto &entry : m_added) {
        if (entry.first.startsWith(prefix) && !keys.contains(entry.first.mid(prefix.size())))
            keys << entry.first.mid(prefix.size());
    }
    return keys;
}

void IniDocument::setValue(const QString &key, const QVariant &value)
{
    Entry &entry = m_added[key];
    entry.texts.clear();
    // Text lists, and lists of other than one value, are written item by
    // item; an empty one as no value, which reads back as an empty list.
    const int type = value.userType();
    const QVariantList items = type == QMetaType::QStringList || type == QMetaType::QVariantList
                                   ? value.toList()
                                   : QVariantList();
    entry.isList =
        type == QMetaType::QStringList || (type == QMetaType::QVariantList && items.size() != 1);
    if (entry.isList) {
        for (const QVariant &item : items)
            entry.texts << iniValueText(item);
        if (items.isEmpty()) {
            entry.isList = false;
            entry.texts << iniValueText(QVariant());
        }
    } else {
        entry.texts << iniValueText(value);
    }
}

void IniDocument::remove(const QString &key)
{
    const QString below = key + QLatin1Char('/');
    const auto erase = [&](Keys &keys) {
        for (auto it = keys.begin(); it != keys.end();) {
            if (it->first == key || it->first.startsWith(below))
                it = keys.erase(it);
            else
                ++it;
        }
    };
    for (auto &section : m_sections)
        erase(section.second);
    erase(m_added);
}

QByteArray IniDocument::text() const
{
    // Every key of every section (a key in two, as the later section by
    // name has it), then the keys set since; written by section, each
    // section and each key in order of name.
    std::map<QString, const Entry *> merged;
    for (const auto &section : m_sections) {
        for (const auto &entry : section.second)
            merged[entry.first] = &entry.second;
    }
    for (const auto &entry : m_added)
        merged[entry.first] = &entry.second;
    std::map<QString, std::map<QString, const Entry *>> sections;
    for (const auto &entry : merged) {
        const int slash = entry.first.indexOf(QLatin1Char('/'));
        sections[slash < 0 ? QString() : entry.first.left(slash)][entry.first.mid(slash + 1)] =
            entry.second;
    }
    QByteArray out;
    for (const auto &section : sections) {
        QByteArray header;
        appendEscapedKey(section.first, header);
        if (header.isEmpty())
            header = "[General]";
        else if (header.compare("general", Qt::CaseInsensitive) == 0)
            header = "[%General]";
        else
            header = '[' + header + ']';
        if (!out.isEmpty())
            out += '\n';
        out += header + '\n';
        for (const auto &key : section.second) {
            appendEscapedKey(key.first, out);
            out += '=';
            const QStringList &texts = key.second->texts;
            if (key.second->isList) {
                for (int i = 0; i < texts.size(); ++i) {
                    if (i != 0)
                        out += ", ";
                    appendIniEscaped(texts[i], out, m_utf8);
                }
            } else {
                appendIniEscaped(texts.first(), out, m_utf8);
            }
            out += '\n';
        }
    }
    return out;
}
