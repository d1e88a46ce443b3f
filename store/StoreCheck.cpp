#include "store/StoreCheck.h"

#include "store/IniDocument.h"
#include "store/ModelTable.h"
#include "store/ProductConfig.h"
#include "store/ProfileFile.h"

#include <QFileInfo>
#include <QStringList>
#include <QVector>

#include <algorithm>
#include <limits>

namespace {

// The text the file holds for `key` when it still reads as `held`: a
// report rate of 999 is held as 231, a speed of 2^32 + 1 as 2^32 - 1, but
// each is shown as written. A value changed since (in the window) is shown
// as held.
QString heldText(const QString &path, const QString &key, qint64 held)
{
    if (!path.isEmpty() && QFileInfo::exists(path)) {
        // The file as written, for the text the user put there.
        IniDocument document;
        document.load(path);
        const QString raw = document.value(key).toString().trimmed();
        bool ok = false;
        const qlonglong number = raw.toLongLong(&ok);
        const qint64 clamped = std::clamp<qint64>(number, 0, std::numeric_limits<quint32>::max());
        if (ok && (number == held || (number & 0xFF) == held || clamped == held))
            return raw;
    }
    return QString::number(held);
}

// The codes a key may hold, and how a problem names them: "0 (3 mm), ...".
struct AllowedCodes
{
    QVector<int> codes;
    QString text;
};

AllowedCodes liftOffCodes()
{
    AllowedCodes allowed;
    QStringList texts;
    const std::vector<const char *> &distances = liftOffDistances();
    for (int code = 0; code < int(distances.size()); ++code) {
        allowed.codes << code;
        texts << QStringLiteral("%1 (%2)").arg(code).arg(QLatin1String(distances[size_t(code)]));
    }
    allowed.text = texts.join(QLatin1String(", "));
    return allowed;
}

// By rising code: "1 (1000 Hz), 2 (500 Hz), ...".
AllowedCodes reportRateCodes()
{
    std::vector<ReportRate> rates = reportRates();
    std::sort(rates.begin(), rates.end(),
              [](const ReportRate &a, const ReportRate &b) { return a.code < b.code; });
    AllowedCodes allowed;
    QStringList texts;
    for (const ReportRate &rate : rates) {
        allowed.codes << rate.code;
        texts << QStringLiteral("%1 (%2 Hz)").arg(rate.code).arg(rate.hz);
    }
    allowed.text = texts.join(QLatin1String(", "));
    return allowed;
}

struct Collector
{
    QVector<StoreProblem> problems;

    void oneOf(const QString &path, const QString &key, int held, const AllowedCodes &allowed)
    {
        if (!allowed.codes.contains(held))
            problems.append({path, key, heldText(path, key, held), allowed.text});
    }
    void range(const QString &path, const QString &key, qint64 held, qint64 low, qint64 high)
    {
        if (held < low || held > high) {
            problems.append(
                {path, key, heldText(path, key, held), QStringLiteral("%1-%2").arg(low).arg(high)});
        }
    }
    // A level the file does not hold at all goes up as 0, as it always
    // has: a file written by hand may leave the lighting out.
    void level(const QString &path, const QString &key, qint64 held, qint64 low, qint64 high)
    {
        if (held >= low && held <= high)
            return;
        if (held == 0) {
            IniDocument document;
            document.load(path);
            if (!document.value(key).isValid())
                return;
        }
        range(path, key, held, low, high);
    }
};

} // namespace

QVector<StoreProblem> storeProblems(const ProfileStore &store)
{
    Collector c;
    const QString config = productConfigPath();
    c.range(config, QStringLiteral("Config/ProfileID"), store.curProfile, 0, kProfileCount - 1);
    c.oneOf(config, QStringLiteral("Config/LiftHigh"), store.LiftHigh, liftOffCodes());
    const AllowedCodes rates = reportRateCodes();
    for (int i = 0; i < kProfileCount; ++i) {
        const ProfileData &rec = store.profiles[i];
        QString file = profileFilePath(store.profileNames[i]);
        if (file.isEmpty())
            file = store.profileNames[i];
        const auto key = [](const QString &name) { return QStringLiteral("PROFILE/") + name; };
        c.oneOf(file, key(QStringLiteral("pollrate")), rec.pollrate, rates);
        c.range(file, key(QStringLiteral("dpi")), rec.dpi, 0, kDpiStageCount - 1);
        c.range(file, key(QStringLiteral("LedMode")), rec.LedMode, 0, kLedModeCount - 1);
        // Every mode, not only the active one: the single-slot layouts send
        // all of profile 1's modes, and a mode chosen later goes up as stored.
        for (int m = 0; m < kLedModeCount; ++m) {
            const LedModeInfo &led = rec.LED_MODE[m];
            const QString mode = QStringLiteral("LedMode/LED_MODE_%1_").arg(m);
            c.level(file, key(mode + QLatin1String("bright")), led.bright, kMinBright, kMaxBright);
            c.level(file, key(mode + QLatin1String("breath")), led.breath, kMinBreath, kMaxBreath);
        }
    }
    return c.problems;
}
