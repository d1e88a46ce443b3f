#include "store/StoreCheck.h"

#include "store/IniDocument.h"
#include "store/ProductConfig.h"
#include "store/ProfileFile.h"

#include <QFileInfo>

#include <algorithm>
#include <initializer_list>

namespace {

// The text the file holds for `key` when it still reads as `held`: a
// report rate of 999 is held as 231 but is shown as the 999 written.
QString heldText(const QString &path, const QString &key, int held)
{
    if (!path.isEmpty() && QFileInfo::exists(path)) {
        // Profile files hold colours, which QSettings cannot read here.
        IniDocument document;
        document.load(path);
        const QString raw = document.value(key).toString().trimmed();
        bool ok = false;
        const qlonglong number = raw.toLongLong(&ok);
        if (ok && (number & 0xFF) == held)
            return raw;
    }
    return QString::number(held);
}

struct Collector
{
    QVector<StoreProblem> problems;

    void oneOf(const QString &path, const QString &key, int held, std::initializer_list<int> codes,
               const QString &allowed)
    {
        if (std::find(codes.begin(), codes.end(), held) == codes.end())
            problems.append({path, key, heldText(path, key, held), allowed});
    }
    void range(const QString &path, const QString &key, int held, int low, int high)
    {
        if (held < low || held > high) {
            problems.append(
                {path, key, heldText(path, key, held), QStringLiteral("%1-%2").arg(low).arg(high)});
        }
    }
};

} // namespace

QVector<StoreProblem> storeProblems(const ProfileStore &store)
{
    Collector c;
    const QString config = productConfigPath();
    c.range(config, QStringLiteral("Config/ProfileID"), store.curProfile, 0, kProfileCount - 1);
    c.oneOf(config, QStringLiteral("Config/LiftHigh"), store.LiftHigh, {0, 1, 2},
            QStringLiteral("0 (3 mm), 1 (2 mm), 2 (1 mm)"));
    for (int i = 0; i < kProfileCount; ++i) {
        const ProfileData &rec = store.profiles[i];
        QString file = profileFilePath(store.profileNames[i]);
        if (file.isEmpty())
            file = store.profileNames[i];
        const auto key = [](const QString &name) { return QStringLiteral("PROFILE/") + name; };
        c.oneOf(file, key(QStringLiteral("pollrate")), rec.pollrate, {1, 2, 4, 8},
                QStringLiteral("1 (1000 Hz), 2 (500 Hz), 4 (250 Hz), 8 (125 Hz)"));
        c.range(file, key(QStringLiteral("dpi")), rec.dpi, 0, kDpiStageCount - 1);
        c.range(file, key(QStringLiteral("LedMode")), rec.LedMode, 0, kLedModeCount - 1);
    }
    return c.problems;
}
