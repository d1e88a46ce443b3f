#include "store/ProfileFile.h"

#include "store/ConfigFile.h"
#include "store/DataFolder.h"
#include "store/DataFolderLock.h"
#include "store/IniDocument.h"
#include "store/IniFile.h"
#include "store/StoreLog.h"

#include <QFileInfo>
#include <QVariant>

#include <algorithm>
#include <limits>
#include <vector>

namespace {

const QString kGroup = QStringLiteral("PROFILE");
const QString kPollRate = QStringLiteral("pollrate");
const QString kDpi = QStringLiteral("dpi");
const QString kLedMode = QStringLiteral("LedMode");
const QString kProfileName = QStringLiteral("ProfileName");
const QString kProfilePath = QStringLiteral("ProfilePath");
const QString kMouseName = QStringLiteral("MouseName/Name");
const QString kProfileExtension = QStringLiteral(".prof");
const QString kDefaultProfileName = QStringLiteral("DefaultProfile");

// Key names inside the group. The per-mode keys sit below "LedMode", which
// is itself a value.
QString stageKey(int stage, QLatin1String field)
{
    return QLatin1String("DPI_INFO_") + QString::number(stage) + field;
}

QString buttonKey(int button, QLatin1String field)
{
    return QLatin1String("BUTTON_INFO_") + QString::number(button) + field;
}

// The 7938 KeyInfo keys are most of a file; they are spelled once per run.
const QString &keyInfoKey(int button, int entry, int field)
{
    static const std::vector<QString> keys = [] {
        const QLatin1String fields[] = {QLatin1String("_map"), QLatin1String("_"),
                                        QLatin1String("_H")};
        std::vector<QString> all;
        all.reserve(size_t(kButtonSlotCount * kKeyInfoCount * 3));
        for (int b = 0; b < kButtonSlotCount; ++b) {
            const QString prefix = buttonKey(b, QLatin1String("_KeyInfo_"));
            for (int k = 0; k < kKeyInfoCount; ++k) {
                for (const QLatin1String &f : fields)
                    all.push_back(prefix + QString::number(k) + f);
            }
        }
        return all;
    }();
    return keys[size_t((button * kKeyInfoCount + entry) * 3 + field)];
}

QString ledModeKey(int mode, QLatin1String field)
{
    return kLedMode + QLatin1String("/LED_MODE_") + QString::number(mode) + field;
}

template<typename Mode, typename Visitor>
void walkLedMode(int m, Mode &mode, Visitor &visit)
{
    visit.colour(ledModeKey(m, QLatin1String("_RGB")), mode.RGB);
    visit.uint32(ledModeKey(m, QLatin1String("_h")), mode.h);
    visit.uint32(ledModeKey(m, QLatin1String("_s")), mode.s);
    visit.uint32(ledModeKey(m, QLatin1String("_v")), mode.v);
    visit.uint32(ledModeKey(m, QLatin1String("_bright")), mode.bright);
    visit.uint32(ledModeKey(m, QLatin1String("_breath")), mode.breath);
}

// Writer and reader walk the same keys in the same order, so the file
// layout is spelled out once, here. `Rec` is const for the writer.
template<typename Rec, typename Visitor>
void walkProfile(Rec &rec, Visitor &visit)
{
    visit.byte(kPollRate, rec.pollrate);
    visit.byte(kDpi, rec.dpi);
    for (int s = 0; s < kDpiStageCount; ++s) {
        auto &stage = rec.DPI_INFO[s];
        visit.byte(stageKey(s, QLatin1String("_used")), stage.used);
        visit.byte(stageKey(s, QLatin1String("_link")), stage.link);
        visit.uint32(stageKey(s, QLatin1String("_xy")), stage.xy);
        visit.uint32(stageKey(s, QLatin1String("_x")), stage.x);
        visit.uint32(stageKey(s, QLatin1String("_y")), stage.y);
    }
    visit.byte(QStringLiteral("mousespeed"), rec.mousespeed);
    visit.byte(QStringLiteral("dbclickspeed"), rec.dbclickspeed);
    visit.byte(QStringLiteral("scrollispage"), rec.scrollispage);
    visit.byte(QStringLiteral("scrollspeed"), rec.scrollspeed);
    visit.byte(QStringLiteral("accelenable"), rec.accelenable);
    visit.byte(QStringLiteral("acee"), rec.acee);
    for (int b = 0; b < kButtonSlotCount; ++b) {
        auto &button = rec.BUTTON_INFO[b];
        visit.int32(buttonKey(b, QLatin1String("_ID")), button.ID);
        visit.int32(buttonKey(b, QLatin1String("_Fun")), button.Fun);
        visit.int32(buttonKey(b, QLatin1String("_LoopNumber")), button.LoopNumber);
        visit.int32(buttonKey(b, QLatin1String("_KeyNumber")), button.KeyNumber);
        visit.byte(buttonKey(b, QLatin1String("_Res1")), button.Res1);
        visit.byte(buttonKey(b, QLatin1String("_Res2")), button.Res2);
        visit.byte(buttonKey(b, QLatin1String("_Res3")), button.Res3);
        visit.byte(buttonKey(b, QLatin1String("_Res4")), button.Res4);
        visit.string(buttonKey(b, QLatin1String("_macroname")), button.macroname);
        for (int k = 0; k < kKeyInfoCount; ++k) {
            auto &entry = button.KeyInfo[k];
            // "_map", then the middle byte's key, which really ends in a bare
            // underscore, then "_H".
            visit.byte(keyInfoKey(b, k, 0), entry.map);
            visit.byte(keyInfoKey(b, k, 1), entry.value);
            visit.byte(keyInfoKey(b, k, 2), entry.H);
        }
    }
    visit.string(kProfileName, rec.ProfileName);
    visit.string(kProfilePath, rec.ProfilePath);
    visit.byte(kLedMode, rec.LedMode);
    for (int m = 0; m < kLedModeCount; ++m)
        walkLedMode(m, rec.LED_MODE[m], visit);
}

// Bytes are written as their unsigned value; 32-bit fields as int or
// unsigned int; the colour as a colour variant, which the file holds in its
// serialised @Variant form. `Target` is an IniDocument or a ValueList.
template<typename Target>
struct Writer
{
    Target &target;

    void byte(const QString &key, quint8 value) { target.setValue(key, int(value)); }
    void int32(const QString &key, qint32 value) { target.setValue(key, int(value)); }
    void uint32(const QString &key, quint32 value) { target.setValue(key, uint(value)); }
    void string(const QString &key, const QString &value) { target.setValue(key, value); }
    void colour(const QString &key, const LedColour &value)
    {
        target.setValue(key, QVariant::fromValue(value));
    }
};

// Collects the values in walkProfile's order (that of profileKeys()), for
// writing a new file in one go.
struct ValueList
{
    std::vector<QVariant> values;
    void setValue(const QString &, const QVariant &value) { values.push_back(value); }
};

// The keys of the group inside a whole file.
struct GroupTarget
{
    IniDocument &document;
    void setValue(const QString &key, const QVariant &value)
    {
        document.setValue(kGroup + QLatin1Char('/') + key, value);
    }
};

// Where a reader takes its values from: a whole file, or the keys of the
// group read by the plain reader.
struct DocumentSource
{
    const IniDocument &document;
    QVariant value(const QString &key) { return document.value(kGroup + QLatin1Char('/') + key); }
};

// The values of the group read by the plain reader, in the order in which
// walkProfile asks for them.
struct SectionSource
{
    const std::vector<QVariant> &values;
    size_t next = 0;
    const QVariant &value(const QString &) { return values[next++]; }
};

struct KeyList
{
    QStringList keys;
    template<typename T>
    void add(const QString &key, T &)
    {
        keys << key;
    }
    void byte(const QString &key, quint8 &v) { add(key, v); }
    void int32(const QString &key, qint32 &v) { add(key, v); }
    void uint32(const QString &key, quint32 &v) { add(key, v); }
    void string(const QString &key, QString &v) { add(key, v); }
    void colour(const QString &key, LedColour &v) { add(key, v); }
};

// Every key of a profile file, in walkProfile's order.
const PlainIniKeys &profileKeys()
{
    static const PlainIniKeys keys = [] {
        ProfileData rec;
        KeyList list;
        walkProfile(rec, list);
        return PlainIniKeys(list.keys);
    }();
    return keys;
}

// Bytes keep only the low byte of an int. The colour also converts from
// text ("#rrggbb" and the like).
template<typename Source>
struct Reader
{
    Source &source;

    void byte(const QString &key, quint8 &value)
    {
        // Past the int range nothing converts and the byte reads 0.
        value = quint8(source.value(key).toInt() & 0xFF);
    }
    // The 32-bit fields are clamped to their range, so that a huge number in
    // the file never wraps into another value.
    void int32(const QString &key, qint32 &value)
    {
        value = qint32(std::clamp<qint64>(source.value(key).toLongLong(),
                                          std::numeric_limits<qint32>::min(),
                                          std::numeric_limits<qint32>::max()));
    }
    void uint32(const QString &key, quint32 &value)
    {
        value = quint32(std::clamp<qint64>(source.value(key).toLongLong(), 0,
                                           std::numeric_limits<quint32>::max()));
    }
    void string(const QString &key, QString &value) { value = source.value(key).toString(); }
    void colour(const QString &key, LedColour &value)
    {
        const QVariant stored = source.value(key);
        if (stored.userType() == qMetaTypeId<LedColour>()) {
            value = stored.value<LedColour>();
            // A colour model outside the known ones is no colour at all.
            if (!value.hasKnownModel()) {
                qCWarning(lcStore) << "the colour" << key << "is not a colour; it reads as black";
                value = LedColour::fromRgb(0, 0, 0);
            }
        } else if (stored.userType() == QMetaType::QString ||
                   stored.userType() == QMetaType::QByteArray) {
            value = LedColour::fromText(stored.toString());
        } else {
            value = LedColour();
        }
    }
};

// Every field of a record in walkProfile's order, so that three records
// can be compared key by key.
struct FieldList
{
    enum Kind { Byte, Int32, UInt32, String, Colour };
    struct Field
    {
        Kind kind;
        void *value;
    };
    std::vector<Field> fields;

    void byte(const QString &, quint8 &v) { fields.push_back({Byte, &v}); }
    void int32(const QString &, qint32 &v) { fields.push_back({Int32, &v}); }
    void uint32(const QString &, quint32 &v) { fields.push_back({UInt32, &v}); }
    void string(const QString &, QString &v) { fields.push_back({String, &v}); }
    void colour(const QString &, LedColour &v) { fields.push_back({Colour, &v}); }
};

std::vector<FieldList::Field> fieldsOf(ProfileData &rec)
{
    FieldList list;
    list.fields.reserve(size_t(profileKeys().size()));
    walkProfile(rec, list);
    return std::move(list.fields);
}

template<typename T>
void takeChanged(const FieldList::Field &edited, const FieldList::Field &baseline,
                 const FieldList::Field &target)
{
    const T &value = *static_cast<const T *>(edited.value);
    if (!(value == *static_cast<const T *>(baseline.value)))
        *static_cast<T *>(target.value) = value;
}

} // namespace

void mergeProfileChanges(const ProfileData &edited, const ProfileData &baseline,
                         ProfileData &target)
{
    ProfileData e = edited;
    ProfileData b = baseline;
    const auto from = fieldsOf(e);
    const auto base = fieldsOf(b);
    const auto to = fieldsOf(target);
    for (size_t i = 0; i < to.size(); ++i) {
        switch (to[i].kind) {
        case FieldList::Byte:
            takeChanged<quint8>(from[i], base[i], to[i]);
            break;
        case FieldList::Int32:
            takeChanged<qint32>(from[i], base[i], to[i]);
            break;
        case FieldList::UInt32:
            takeChanged<quint32>(from[i], base[i], to[i]);
            break;
        case FieldList::String:
            takeChanged<QString>(from[i], base[i], to[i]);
            break;
        case FieldList::Colour:
            takeChanged<LedColour>(from[i], base[i], to[i]);
            break;
        }
    }
}

bool isSafeProfileName(const QString &name)
{
    if (name == QLatin1String(".") || name == QLatin1String(".."))
        return false;
    for (const QChar ch : name) {
        if (ch == QLatin1Char('/') || ch == QLatin1Char('\\') ||
            ch.category() == QChar::Other_Control)
            return false;
    }
    return true;
}

QString profileFolder()
{
    return productFolder(readProductName()) + QStringLiteral("/Profile");
}

QString profileFilePath(const QString &name)
{
    return profileFilePath(profileFolder(), name);
}

QString profileFilePath(const QString &folder, const QString &name)
{
    if (!isSafeProfileName(name)) {
        qCWarning(lcStore) << "refusing profile name" << name;
        return QString();
    }
    return folder + QLatin1Char('/') + name + kProfileExtension;
}

QString defaultProfilePath()
{
    return profileFolder() + QLatin1Char('/') + kDefaultProfileName + kProfileExtension;
}

bool writeProfile(const ProfileData &rec, const QString &path)
{
    // A new file holds nothing but the record, so its text is made straight
    // from the values, the quick way. An existing file is edited, which
    // keeps its other keys.
    if (!QFileInfo::exists(path)) {
        ValueList list;
        list.values.reserve(size_t(profileKeys().size()));
        Writer<ValueList> writer{list};
        walkProfile(rec, writer);
        QByteArray text;
        if (plainIniText(kGroup, profileKeys(), list.values, text))
            return writeWholeFile(path, text);
    }
    return editIniFile(path, [&rec](IniDocument &document) {
        GroupTarget target{document};
        Writer<GroupTarget> writer{target};
        walkProfile(rec, writer);
    });
}

void readProfile(ProfileData &rec, const QString &path)
{
    // The plain reader is the fast way; the whole file is the authority.
    std::vector<QVariant> values;
    if (readPlainIniSection(path, kGroup, profileKeys(), values)) {
        SectionSource source{values};
        Reader<SectionSource> reader{source};
        walkProfile(rec, reader);
        return;
    }
    IniDocument document;
    document.load(path);
    DocumentSource source{document};
    Reader<DocumentSource> reader{source};
    walkProfile(rec, reader);
}

bool saveProfileFile(const ProfileData &rec, const QString &name)
{
    const QString path = profileFilePath(name);
    return !path.isEmpty() && writeProfile(rec, path);
}

bool loadProfileFile(ProfileData &rec, const QString &name)
{
    const QString path = profileFilePath(name);
    if (path.isEmpty())
        return false;
    readProfile(rec, path);
    return true;
}

bool writeLedModeToFile(const QString &name, quint8 mode, const LedColour &rgb, quint32 h,
                        quint32 s, quint32 v, quint32 bright, quint32 breath)
{
    const QString path = profileFilePath(name);
    if (path.isEmpty())
        return false;
    // Another program's save must not put the old values back.
    const DataFolderLock lock;
    return editIniFile(path, [&](IniDocument &document) {
        GroupTarget target{document};
        Writer<GroupTarget> writer{target};
        writer.byte(kLedMode, mode);
        const LedModeInfo info{rgb, h, s, v, bright, breath};
        walkLedMode(mode, info, writer);
    });
}

bool writeDpiStageToFile(const QString &name, int stage)
{
    const QString path = profileFilePath(name);
    if (path.isEmpty())
        return false;
    const DataFolderLock lock;
    return editIniFile(path, [stage](IniDocument &document) {
        document.setValue(kGroup + QLatin1Char('/') + kDpi, stage);
    });
}

bool writeMouseName(const QString &productName, const QString &path)
{
    return editIniFile(path, [&productName](IniDocument &document) {
        document.setValue(kMouseName, productName);
    });
}

bool taggedProfileText(const QString &productName, const QString &path, QByteArray *text)
{
    IniDocument document;
    if (!document.load(path))
        return false;
    document.setValue(kMouseName, productName);
    *text = document.text();
    return true;
}

QString readMouseName(const QString &path)
{
    IniDocument document;
    document.load(path);
    return document.value(kMouseName).toString();
}
