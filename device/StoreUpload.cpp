#include "device/StoreUpload.h"

#include "device/ButtonUpload.h"
#include "device/DeviceContext.h"
#include "device/FeatureCommands.h"
#include "device/HostPointerSpeed.h"
#include "device/LightingReports.h"
#include "store/ModelTable.h"

#include <algorithm>
#include <map>

namespace {

// Runs one step and reports it.
class StepRunner
{
public:
    explicit StepRunner(const UploadProgress &progress) : m_progress(progress) {}

    void run(const QString &name, bool ok, const QString &problem = reportFailed())
    {
        report(UploadStep{name, ok, false, ok ? QString() : problem});
    }

    void runHostSetting(const QString &name, bool ok, const QString &problem)
    {
        report(UploadStep{name, ok, true, ok ? QString() : problem});
    }

    static QString reportFailed() { return QStringLiteral("a report to the mouse failed"); }

    bool allOk() const { return m_allOk; }

private:
    void report(const UploadStep &step)
    {
        if (!step.ok)
            m_allOk = false;
        if (m_progress)
            m_progress(step);
    }

    const UploadProgress &m_progress;
    bool m_allOk = true;
};

int activeProfile(const ProfileStore &store)
{
    return std::min<int>(store.curProfile, kProfileCount - 1);
}

} // namespace

bool ApplyStore(const ProfileStore &source, const UploadProgress &progress)
{
    ProfileStore &device = DeviceContext::deviceStore();
    device = source;
    StepRunner steps(progress);

    steps.run(QStringLiteral("mode"), SendMode(0));
    const bool keyMapZero = SendKeyMapMode();
    const bool keyMapByte = SendKeyMapModeByte();
    steps.run(QStringLiteral("key-map mode"), keyMapZero && keyMapByte);
    steps.run(QStringLiteral("lighting"), SendLedState());
    steps.run(QStringLiteral("report rates"), SendPollRate(false));
    steps.run(QStringLiteral("scroll speeds"), SendScrollSpeed());
    steps.run(QStringLiteral("DPI stage indexes"), SendDpiStageIndex(true));
    steps.runHostSetting(QStringLiteral("pointer speed"),
                         SetPointerSpeed(device.profiles[activeProfile(device)].mousespeed),
                         QStringLiteral("the desktop's pointer speed could not be set"));
    for (int p = 0; p < kProfileCount; ++p)
        steps.run(QStringLiteral("DPI stages of profile %1").arg(p + 1), SendDpi(p, false));
    steps.run(QStringLiteral("lift-off distance"), SendLiftOff(device.LiftHigh));
    steps.run(QStringLiteral("current profile"), SendCurrentProfile(false));
    steps.run(QStringLiteral("button maps"), UploadButtonMaps());
    steps.run(QStringLiteral("refresh"), SendButtonRefesh());
    bool limitReached = false;
    const bool macros = UploadMacros(&limitReached);
    steps.run(QStringLiteral("macros"), macros,
              limitReached ? QStringLiteral("more macros than the model holds; the rest were not "
                                            "uploaded")
                           : StepRunner::reportFailed());
    return steps.allOk();
}

bool SwitchProfile(const ProfileStore &source, quint8 profile, const UploadProgress &progress)
{
    const int p = std::min<int>(profile, kProfileCount - 1);
    StepRunner steps(progress);
    const bool switched = SendProfile(quint8(p));
    if (switched)
        DeviceContext::deviceStore().curProfile = quint8(p);
    steps.run(QStringLiteral("profile"), switched);
    steps.run(QStringLiteral("refresh"), SendButtonRefesh());
    steps.runHostSetting(QStringLiteral("pointer speed"),
                         SetPointerSpeed(source.profiles[p].mousespeed),
                         QStringLiteral("the desktop's pointer speed could not be set"));
    return steps.allOk();
}

QVector<PlannedWrite> plannedUploadWrites(const ProfileStore &source, const QString &productName)
{
    QVector<PlannedWrite> plan;
    auto add = [&plan](const QString &what, const MemoryWrite &w) { plan.append({what, w}); };

    add(QStringLiteral("key-map mode"), keyMapModeWrite());
    add(QStringLiteral("key-map mode"), keyMapModeByteWrite(productName));
    const QVector<LightingSlotWrite> lighting =
        lightingWrites(source, productName, lightingClass(productName), false);
    for (const LightingSlotWrite &w : lighting)
        add(QStringLiteral("lighting"), w.write);
    for (const MemoryWrite &w : pollRateWrites(source))
        add(QStringLiteral("report rates"), w);
    add(QStringLiteral("scroll speeds"), scrollSpeedWrite(source));
    for (int p = 0; p < kProfileCount; ++p)
        add(QStringLiteral("DPI stage index of profile %1").arg(p + 1),
            dpiStageIndexWrite(source, p));
    for (int p = 0; p < kProfileCount; ++p) {
        for (int s = 0; s < kDpiStageCount; ++s)
            add(QStringLiteral("DPI stage %1 of profile %2").arg(s + 1).arg(p + 1),
                dpiStageWrite(source, p, s, productName));
    }
    if (sendsLiftOff(productName))
        add(QStringLiteral("lift-off distance"), liftOffWrite(source.LiftHigh));
    add(QStringLiteral("current profile"), currentProfileWrite(source.curProfile));

    // The button walk numbers the macros and notes each index in the
    // slots, which the macro walk then follows: run both on one copy.
    ProfileStore copy = source;
    MacroIndexMap macros;
    int entry = 0;
    const int perProfile = std::max(1, int(modelButtonMap(productName).size()));
    forEachButtonEntry(copy, macros, productName, [&](const MemoryWrite &w) {
        add(QStringLiteral("button entry %1 of profile %2")
                .arg(entry % perProfile + 1)
                .arg(entry / perProfile + 1),
            w);
        ++entry;
    });
    forEachMacroBlock(
        copy, macros, productName, [&](const ButtonInfo &slot, const QVector<MacroEvent> &events) {
            add(QStringLiteral("macro block %1 (%2)").arg(slot.Res4).arg(slot.macroname),
                macroBlockWrite(slot.Res4, events));
        });
    return plan;
}

bool verifyUpload(const ProfileStore &source, const QString &productName,
                  QVector<UploadDifference> *differences)
{
    struct Expected
    {
        quint8 value;
        int write; // index into the plan
    };
    const QVector<PlannedWrite> plan = plannedUploadWrites(source, productName);
    std::map<int, Expected> image;
    for (int i = 0; i < plan.size(); ++i) {
        const MemoryWrite &w = plan.at(i).write;
        for (int b = 0; b < w.data.size(); ++b)
            image[w.address + b] = Expected{quint8(w.data.at(b)), i};
    }

    // Neighbouring writes are read together; a gap this small costs less
    // than another report.
    constexpr int kMaxGap = 8;
    differences->clear();
    auto it = image.cbegin();
    while (it != image.cend()) {
        const int start = it->first;
        int end = start;
        auto last = it;
        for (auto next = std::next(it); next != image.cend() && next->first - end <= kMaxGap;
             ++next) {
            end = next->first;
            last = next;
        }
        QByteArray actual;
        if (!readMemoryRange(quint16(start), end - start + 1, &actual))
            return false;
        UploadDifference *open = nullptr;
        for (auto at = it; at != std::next(last); ++at) {
            const quint8 got = quint8(actual.at(at->first - start));
            const bool same = got == at->second.value;
            const QString &what = plan.at(at->second.write).what;
            const bool continues =
                open && open->what == what && open->address + open->expected.size() == at->first;
            if (same) {
                open = nullptr;
                continue;
            }
            if (!continues) {
                differences->append(UploadDifference{what, quint16(at->first), {}, {}});
                open = &differences->last();
            }
            open->expected.append(char(at->second.value));
            open->actual.append(char(got));
        }
        it = std::next(last);
    }
    return true;
}
