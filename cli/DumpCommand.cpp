#include "cli/CtlCommands.h"
#include "cli/MouseChoice.h"

#include "device/ButtonUpload.h"
#include "device/DeviceContext.h"
#include "device/FeatureCommands.h"
#include "device/LightingReports.h"
#include "store/ModelTable.h"

namespace {

constexpr int kMacroBlocks = 20;
constexpr quint16 kMacroArea = 0x478;
constexpr int kMacroBlockBytes = 200;

QString hex16(int value)
{
    return QStringLiteral("0x%1").arg(value, 3, 16, QLatin1Char('0'));
}

// The function code whose table row is exactly these bytes, if any.
QString functionOf(const QByteArray &entry)
{
    // An empty entry would read as function 16, which is only one of the
    // ways a button can be left without a function.
    if (entry == QByteArray(4, '\0'))
        return QString();
    for (int code = 1; code <= 510; ++code) {
        const std::optional<FunctionEntry> row = functionTableRow(code);
        if (row && QByteArray(reinterpret_cast<const char *>(row->data()), 4) == entry)
            return QStringLiteral(" (function %1)").arg(code);
    }
    return QString();
}

// Raw bytes of an area the readers do not decode.
bool printRaw(CtlContext &ctx, const char *what, quint16 address, int length)
{
    QByteArray bytes;
    if (!readMemoryRange(address, length, &bytes))
        return false;
    ctx.out << what << " (" << hex16(address) << "): " << hexBytes(bytes) << Qt::endl;
    return true;
}

bool dumpProfile(CtlContext &ctx, int p, const QString &product)
{
    const ProfileData &rec = DeviceContext::deviceStore().profiles[p];
    const quint32 sensor = sensorType(product);
    ctx.out << "profile " << p + 1 << ":" << Qt::endl;
    ctx.out << "  report rate code " << rec.pollrate << ", DPI stage " << rec.dpi + 1 << Qt::endl;
    QByteArray stages;
    if (!readMemoryRange(quint16(profileBase(p) + 4), 30, &stages))
        return false;
    for (int s = 0; s < kDpiStageCount; ++s) {
        const DpiInfo &st = rec.DPI_INFO[s];
        ctx.out << QStringLiteral("  stage %1: %2 X %3 Y %4 (%5 x %6 DPI) [%7]")
                       .arg(s + 1)
                       .arg(QLatin1String(st.used ? "on " : "off"))
                       .arg(st.x)
                       .arg(st.y)
                       .arg(dpiFromSlider(int(st.x), sensor))
                       .arg(dpiFromSlider(int(st.y), sensor))
                       .arg(hexBytes(stages.mid(6 * s, 5)))
                << Qt::endl;
    }
    const LedModeInfo &led = rec.LED_MODE[rec.LedMode < kLedModeCount ? rec.LedMode : 0];
    ctx.out << "  lighting mode " << rec.LedMode << ", speed byte " << led.breath << ", brightness "
            << led.bright << Qt::endl;
    const QVector<ButtonMapStep> steps = modelButtonMap(product);
    for (const ButtonMapStep &step : steps) {
        const int position = step.fixedCode ? step.index : buttonPosition(product, step.index);
        QByteArray entry;
        if (!QuerySingleButton(p, position, &entry))
            return false;
        ctx.out << QStringLiteral("  button %1 at %2: %3%4")
                       .arg(step.index)
                       .arg(hex16(buttonAddress(p, position)), hexBytes(entry), functionOf(entry))
                << Qt::endl;
    }
    return true;
}

bool dumpMacros(CtlContext &ctx)
{
    for (int b = 0; b < kMacroBlocks; ++b) {
        const quint16 address = quint16(kMacroArea + kMacroBlockBytes * b);
        QByteArray block;
        if (!readMemoryRange(address, kMacroBlockBytes, &block))
            return false;
        // Events up to the first empty one.
        int end = 0;
        while (end + 3 <= block.size() && block.mid(end, 3) != QByteArray(3, '\0'))
            end += 3;
        if (end > 0)
            ctx.out << "macro block " << b << " (" << hex16(address)
                    << "): " << hexBytes(block.left(end)) << Qt::endl;
    }
    return true;
}

} // namespace

int runDump(const QStringList &args, CtlContext &ctx)
{
    const MouseChoice mouse = chooseMouse(args, true, "dump", ctx);
    if (mouse.status != CtlOk)
        return mouse.status;
    const QString &product = mouse.productName;
    ctx.out << product << " (catalogue row " << mouse.row << "), sensor " << sensorType(product)
            << ", lighting class " << lightingClass(product) << Qt::endl;

    bool ok = QueryCurrentProfile() && QueryPollRate() && QueryLedState();
    for (int p = 0; ok && p < kProfileCount; ++p)
        ok = QueryDpi(p);
    if (ok) {
        ctx.out << "current profile " << DeviceContext::deviceStore().curProfile + 1 << Qt::endl;
        ok = printRaw(ctx, "scroll speeds", 0x020, 10) &&
             printRaw(ctx, "lift-off distance", 0x02A, 1) &&
             printRaw(ctx, "key-map mode", 0x03C, 4) &&
             printRaw(ctx, "lighting", 0x446, 0x478 - 0x446);
    }
    for (int p = 0; ok && p < kProfileCount; ++p)
        ok = dumpProfile(ctx, p, product);
    ok = ok && dumpMacros(ctx);
    if (!ok) {
        ctx.err << "korvalen-ctl: reading the mouse's memory failed" << Qt::endl;
        return CtlReportFailed;
    }
    return CtlOk;
}
