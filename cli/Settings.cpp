#include "cli/Settings.h"

#include "cli/ButtonSettings.h"

#include "store/ModelTable.h"

#include <QRegularExpression>
#include <QStringList>

#include <functional>

namespace {

// The ranges of the panels' sliders.
constexpr int kSpeedMin = 1;
constexpr int kSpeedMax = 20;

struct Entry
{
    QString name;
    std::function<QString()> get;
    // Checks and stores; returns the problem, empty when done.
    std::function<QString(const QString &)> set;
};

using Entries = QVector<Entry>;

// The command-line names are the menu texts in lower case without spaces:
// "7-color-breathing", "3mm".
QString effectText(int mode)
{
    return QString::fromLatin1(lightingEffectText(mode))
        .toLower()
        .replace(QLatin1Char(' '), QLatin1Char('-'));
}

QString liftOffText(size_t code)
{
    return QString::fromLatin1(liftOffDistances()[code]).remove(QLatin1Char(' '));
}

QString normalised(const QString &value)
{
    QString v = value.trimmed().toLower();
    v.replace(QLatin1Char(' '), QLatin1Char('-'));
    v.replace(QLatin1Char('_'), QLatin1Char('-'));
    return v;
}

// Digits only: toInt() would take "-5", "+5" and " 5", and a sign that a
// later step strips would turn -1000 into 1000.
bool plainNumber(const QString &text, int *out)
{
    const QString t = text.trimmed();
    if (t.isEmpty() || t.size() > 9)
        return false;
    for (const QChar c : t) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    *out = t.toInt();
    return true;
}

// "1000", "1000hz", "1000 Hz": the number before an optional unit.
bool numberWithUnit(const QString &value, QLatin1String unit, int *out)
{
    QString v = value.trimmed().toLower();
    if (v.endsWith(unit))
        v.chop(unit.size());
    return plainNumber(v, out);
}

QString numberProblem(const QString &value, int min, int max, int *out)
{
    int n = 0;
    const bool ok = plainNumber(value, &n);
    if (!ok || n < min || n > max)
        return QStringLiteral("allowed: %1-%2").arg(min).arg(max);
    *out = n;
    return QString();
}

QString onOffText(quint8 v)
{
    return QLatin1String(v ? "on" : "off");
}

QString onOffProblem(const QString &value, quint8 *out)
{
    const QString v = normalised(value);
    if (v == QLatin1String("on") || v == QLatin1String("1")) {
        *out = 1;
        return QString();
    }
    if (v == QLatin1String("off") || v == QLatin1String("0")) {
        *out = 0;
        return QString();
    }
    return QStringLiteral("allowed: on, off");
}

// The model's DPI scale, as the DPI panel's sliders have it.
struct DpiSteps
{
    quint32 sensor = 0;
    DpiSliderRange range;

    explicit DpiSteps(const QString &product)
    {
        const DpiScale scale = dpiScale(sensorType(product), product);
        sensor = scale.sensor;
        range = scale.range;
    }

    int dpi(quint32 slider) const { return dpiFromSlider(int(slider), sensor); }

    // The slider step showing exactly `dpi`, or a problem naming the
    // range and the nearest steps.
    QString slider(const QString &text, quint32 *out) const
    {
        int wanted = 0;
        const bool ok = plainNumber(text, &wanted);
        int below = -1;
        int above = -1;
        for (int v = range.min; v <= range.max; ++v) {
            const int d = dpiFromSlider(v, sensor);
            if (ok && d == wanted) {
                *out = quint32(v);
                return QString();
            }
            if (d < wanted)
                below = d;
            else if (above < 0)
                above = d;
        }
        QString problem = QStringLiteral("allowed: %1-%2 DPI in the steps of the %3 sensor")
                              .arg(dpiFromSlider(range.min, sensor))
                              .arg(dpiFromSlider(range.max, sensor))
                              .arg(sensor);
        if (ok && (below >= 0 || above >= 0)) {
            QStringList near;
            for (int d : {below, above}) {
                if (d >= 0)
                    near << QString::number(d);
            }
            problem += QStringLiteral(" (nearest: %1)").arg(near.join(QLatin1String(", ")));
        }
        return problem;
    }
};

Entry numberEntry(const char *name, quint8 &field, int min, int max)
{
    return {QString::fromLatin1(name), [&field] { return QString::number(field); },
            [&field, min, max](const QString &v) {
                int n = 0;
                const QString p = numberProblem(v, min, max, &n);
                if (p.isEmpty())
                    field = quint8(n);
                return p;
            }};
}

void addRateAndSpeeds(Entries &list, ProfileData &rec)
{
    list.push_back({QStringLiteral("report-rate"),
                    [&rec] {
                        const ReportRate *rate = reportRateByCode(rec.pollrate);
                        return rate ? QString::number(rate->hz) : QStringLiteral("unknown");
                    },
                    [&rec](const QString &v) {
                        int hz = 0;
                        const bool ok = numberWithUnit(v, QLatin1String("hz"), &hz);
                        for (const ReportRate &r : reportRates()) {
                            if (ok && hz == r.hz) {
                                rec.pollrate = r.code;
                                return QString();
                            }
                        }
                        return QStringLiteral("allowed: %1 (Hz)").arg(reportRateChoices());
                    }});
    list.push_back(numberEntry("pointer-speed", rec.mousespeed, kSpeedMin, kSpeedMax));
    list.push_back(numberEntry("scroll-speed", rec.scrollspeed, kSpeedMin, kSpeedMax));
}

void addLiftOff(Entries &list, ProfileStore &store, const QString &product)
{
    if (!sendsLiftOff(product))
        return;
    const size_t count = liftOffDistances().size();
    const size_t first = count - size_t(liftOffDistanceCount(product));
    list.push_back({QStringLiteral("lift-off"),
                    [&store, count] {
                        return store.LiftHigh < count ? liftOffText(store.LiftHigh)
                                                      : QStringLiteral("unknown");
                    },
                    [&store, first, count](const QString &v) {
                        int n = 0;
                        const QString mm = numberWithUnit(v, QLatin1String("mm"), &n)
                                               ? QString::number(n) + QLatin1String("mm")
                                               : QString();
                        QStringList allowed;
                        for (size_t c = first; c < count; ++c) {
                            allowed << liftOffText(c);
                            if (mm == allowed.constLast()) {
                                store.LiftHigh = quint8(c);
                                return QString();
                            }
                        }
                        return QStringLiteral("allowed: ") + allowed.join(QLatin1String(", "));
                    }});
}

// One number sets X and Y alike; "XxY" sets them apart.
Entry dpiEntry(const QString &stage, DpiInfo &info, const DpiSteps &scale)
{
    return {stage,
            [&info, scale] {
                const int x = scale.dpi(info.x);
                const int y = scale.dpi(info.y);
                return x == y ? QString::number(x) : QStringLiteral("%1x%2").arg(x).arg(y);
            },
            [&info, scale, stage](const QString &v) {
                const QStringList parts = v.toLower().split(QLatin1Char('x'));
                if (parts.size() > 2)
                    return QStringLiteral("give DPI or XxY DPI");
                quint32 x = 0;
                QString p = scale.slider(parts.first(), &x);
                quint32 y = x;
                if (p.isEmpty() && parts.size() == 2)
                    p = scale.slider(parts.last(), &y);
                if (!p.isEmpty())
                    return p;
                if (info.link && x != y)
                    return QStringLiteral("X and Y are linked; give one value or set "
                                          "%1-link off first")
                        .arg(stage);
                info.x = x;
                info.y = y;
                return QString();
            }};
}

void addDpi(Entries &list, ProfileData &rec, const QString &product)
{
    const int stages = dpiStageCount(product);
    const DpiSteps scale(product);
    list.push_back({QStringLiteral("dpi-stage"), [&rec] { return QString::number(rec.dpi + 1); },
                    [&rec, stages](const QString &v) {
                        int n = 0;
                        const QString p = numberProblem(v, 1, stages, &n);
                        if (p.isEmpty())
                            rec.dpi = quint8(n - 1);
                        return p;
                    }});
    for (int s = 0; s < stages; ++s) {
        DpiInfo &info = rec.DPI_INFO[s];
        const QString stage = QStringLiteral("dpi%1").arg(s + 1);
        list.push_back(dpiEntry(stage, info, scale));
        list.push_back({stage + QStringLiteral("-enabled"),
                        [&info] { return onOffText(info.used); },
                        [&info](const QString &v) { return onOffProblem(v, &info.used); }});
        list.push_back({stage + QStringLiteral("-link"), [&info] { return onOffText(info.link); },
                        [&info](const QString &v) {
                            quint8 on = 0;
                            const QString p = onOffProblem(v, &on);
                            if (!p.isEmpty())
                                return p;
                            // Linking the bars moves X to Y, as the panel's does.
                            if (on && !info.link)
                                info.x = info.y;
                            info.link = on;
                            return QString();
                        }});
    }
}

void addEffect(Entries &list, ProfileData &light, const QString &product)
{
    const QVector<int> effects = lightingEffects(lightingClass(product), product);
    list.push_back({QStringLiteral("effect"),
                    [&light] {
                        return light.LedMode < kLedModeCount ? effectText(light.LedMode)
                                                             : QStringLiteral("unknown");
                    },
                    [&light, effects](const QString &v) {
                        QStringList allowed;
                        for (int mode : effects) {
                            allowed << effectText(mode);
                            if (normalised(v) == allowed.constLast()) {
                                light.LedMode = quint8(mode);
                                return QString();
                            }
                        }
                        return QStringLiteral("allowed: ") + allowed.join(QLatin1String(", "));
                    }});
}

// Colour, brightness and speed belong to the effect now chosen.
void addEffectLevels(Entries &list, ProfileData &light)
{
    const auto mode = [&light]() -> LedModeInfo * {
        return light.LedMode < kLedModeCount ? &light.LED_MODE[light.LedMode] : nullptr;
    };
    const QString noEffect = QStringLiteral("the profile has no known effect; set effect first");
    list.push_back({QStringLiteral("colour"),
                    [mode] {
                        const LedModeInfo *m = mode();
                        return m && m->RGB.isValid() ? m->RGB.name() : QStringLiteral("none");
                    },
                    [mode, noEffect](const QString &v) {
                        static const QRegularExpression hex(QStringLiteral("^#[0-9a-fA-F]{6}$"));
                        if (!hex.match(v.trimmed()).hasMatch())
                            return QStringLiteral("allowed: #rrggbb");
                        LedModeInfo *m = mode();
                        if (!m)
                            return noEffect;
                        m->RGB = LedColour::fromText(v.trimmed());
                        return QString();
                    }});
    const struct
    {
        const char *name;
        quint32 LedModeInfo::*field;
        int min;
        int max;
    } levels[] = {{"brightness", &LedModeInfo::bright, int(kMinBright), int(kMaxBright)},
                  {"effect-speed", &LedModeInfo::breath, int(kMinBreath), int(kMaxBreath)}};
    for (const auto &level : levels) {
        const auto field = level.field;
        const int min = level.min;
        const int max = level.max;
        list.push_back({QString::fromLatin1(level.name),
                        [mode, field] {
                            const LedModeInfo *m = mode();
                            return m ? QString::number(m->*field) : QStringLiteral("none");
                        },
                        [mode, field, min, max, noEffect](const QString &v) {
                            int n = 0;
                            const QString p = numberProblem(v, min, max, &n);
                            if (!p.isEmpty())
                                return p;
                            LedModeInfo *m = mode();
                            if (!m)
                                return noEffect;
                            m->*field = quint32(n);
                            return QString();
                        }});
    }
}

// The buttons, as the CUSTOMIZE panel shows them.
void addButtons(Entries &list, ProfileStore &store, int modeIndex, const QString &product)
{
    const ProfileData &rec = store.profiles[modeIndex];
    for (const ButtonSetting &button : modelButtons(product)) {
        const int entry = button.entry;
        const ButtonInfo &info = rec.BUTTON_INFO[entry];
        list.push_back({button.name, [&info, product] { return buttonFunctionText(info, product); },
                        [&store, modeIndex, entry, product](const QString &v) {
                            return setButtonFunction(store, modeIndex, entry, product, v);
                        }});
    }
}

// The target's store is reached through its reference; set() is only
// called from writeSetting.
Entries entries(const SettingsTarget &target)
{
    ProfileStore &store = target.store;
    ProfileData &rec = store.profiles[target.mode];
    const QString &product = target.productName;
    Entries list;
    addRateAndSpeeds(list, rec);
    addLiftOff(list, store, product);
    addDpi(list, rec, product);
    // Some models keep every profile's lighting in profile 1's record.
    ProfileData &light = store.profiles[lightingInFirstProfile(product) ? 0 : target.mode];
    addEffect(list, light, product);
    addEffectLevels(list, light);
    addButtons(list, store, target.mode, product);
    return list;
}

QString canonicalName(const QString &name)
{
    const QString n = normalised(name);
    return n == QLatin1String("color") ? QStringLiteral("colour") : n;
}

} // namespace

QString reportRateChoices()
{
    QStringList rates;
    for (const ReportRate &rate : reportRates())
        rates << QString::number(rate.hz);
    return rates.join(QLatin1String(", "));
}

QString liftOffChoices()
{
    QStringList distances;
    for (size_t code = 0; code < liftOffDistances().size(); ++code)
        distances << liftOffText(code);
    return distances.join(QLatin1String(", "));
}

QVector<SettingValue> readSettings(const SettingsTarget &target)
{
    QVector<SettingValue> values;
    for (const Entry &e : entries(target))
        values.push_back({e.name, e.get()});
    return values;
}

bool readSetting(const SettingsTarget &target, const QString &name, QString *value)
{
    const QString wanted = canonicalName(name);
    for (const Entry &e : entries(target)) {
        if (e.name == wanted) {
            *value = e.get();
            return true;
        }
    }
    return false;
}

bool writeSetting(SettingsTarget &target, const QString &name, const QString &value,
                  QString *problem)
{
    const QString wanted = canonicalName(name);
    const QVector<Entry> list = entries(target);
    for (const Entry &e : list) {
        if (e.name != wanted)
            continue;
        // Checked on a copy, so a refused value leaves the store as it was.
        const ProfileStore before = target.store;
        *problem = e.set(value);
        if (problem->isEmpty())
            return true;
        target.store = before;
        *problem = QStringLiteral("%1: %2 is not allowed for %3; %4")
                       .arg(e.name, value, target.productName, *problem);
        return false;
    }
    QStringList names;
    for (const Entry &e : list)
        names << e.name;
    *problem = QStringLiteral("%1 has no setting %2; the settings are: %3")
                   .arg(target.productName, name, names.join(QLatin1String(", ")));
    return false;
}
