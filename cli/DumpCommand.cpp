#include "cli/CtlCommands.h"
#include "cli/MouseChoice.h"

#include "device/ButtonUpload.h"
#include "device/DeviceContext.h"
#include "device/FeatureCommands.h"
#include "device/LightingReports.h"
#include "store/ModelTable.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

constexpr int kMacroBlocks = 20;
constexpr quint16 kMacroArea = 0x478;
constexpr int kMacroBlockBytes = 200;

// What dump found, printed line by line for people or gathered into one
// JSON document for --json.
struct DumpOutput
{
    CtlContext &ctx;
    QJsonObject root;
    QJsonObject areas;
    QJsonArray profiles;
    QJsonArray macros;

    void line(const QString &text)
    {
        if (!ctx.json)
            ctx.out << text << Qt::endl;
    }
};

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
bool printRaw(DumpOutput &out, const char *what, quint16 address, int length)
{
    QByteArray bytes;
    if (!readMemoryRange(address, length, &bytes))
        return false;
    out.line(
        QStringLiteral("%1 (%2): %3").arg(QLatin1String(what), hex16(address), hexBytes(bytes)));
    out.areas.insert(QLatin1String(what), QJsonObject{{QStringLiteral("address"), int(address)},
                                                      {QStringLiteral("bytes"), hexBytes(bytes)}});
    return true;
}

bool dumpProfile(DumpOutput &out, int p, const QString &product)
{
    const ProfileData &rec = DeviceContext::deviceStore().profiles[p];
    const quint32 sensor = sensorType(product);
    QJsonObject profile{{QStringLiteral("profile"), p + 1},
                        {QStringLiteral("reportRateCode"), rec.pollrate},
                        {QStringLiteral("dpiStage"), rec.dpi + 1}};
    out.line(QStringLiteral("profile %1:").arg(p + 1));
    out.line(
        QStringLiteral("  report rate code %1, DPI stage %2").arg(rec.pollrate).arg(rec.dpi + 1));
    QByteArray stages;
    if (!readMemoryRange(quint16(profileBase(p) + 4), 30, &stages))
        return false;
    QJsonArray stageList;
    for (int s = 0; s < kDpiStageCount; ++s) {
        const DpiInfo &st = rec.DPI_INFO[s];
        stageList.append(QJsonObject{{QStringLiteral("stage"), s + 1},
                                     {QStringLiteral("enabled"), st.used != 0},
                                     {QStringLiteral("x"), int(st.x)},
                                     {QStringLiteral("y"), int(st.y)},
                                     {QStringLiteral("xDpi"), dpiFromSlider(int(st.x), sensor)},
                                     {QStringLiteral("yDpi"), dpiFromSlider(int(st.y), sensor)},
                                     {QStringLiteral("bytes"), hexBytes(stages.mid(6 * s, 5))}});
        out.line(QStringLiteral("  stage %1: %2 X %3 Y %4 (%5 x %6 DPI) [%7]")
                     .arg(s + 1)
                     .arg(QLatin1String(st.used ? "on " : "off"))
                     .arg(st.x)
                     .arg(st.y)
                     .arg(dpiFromSlider(int(st.x), sensor))
                     .arg(dpiFromSlider(int(st.y), sensor))
                     .arg(hexBytes(stages.mid(6 * s, 5))));
    }
    profile.insert(QStringLiteral("dpiStages"), stageList);
    const LedModeInfo &led = rec.LED_MODE[rec.LedMode < kLedModeCount ? rec.LedMode : 0];
    out.line(QStringLiteral("  lighting mode %1, speed byte %2, brightness %3")
                 .arg(rec.LedMode)
                 .arg(led.breath)
                 .arg(led.bright));
    profile.insert(QStringLiteral("lightingMode"), rec.LedMode);
    profile.insert(QStringLiteral("speedByte"), int(led.breath));
    profile.insert(QStringLiteral("brightness"), int(led.bright));
    QJsonArray buttons;
    const QVector<ButtonMapStep> steps = modelButtonMap(product);
    for (const ButtonMapStep &step : steps) {
        const int position = step.fixedCode ? step.index : buttonPosition(product, step.index);
        QByteArray entry;
        if (!QuerySingleButton(p, position, &entry))
            return false;
        out.line(QStringLiteral("  button %1 at %2: %3%4")
                     .arg(step.index)
                     .arg(hex16(buttonAddress(p, position)), hexBytes(entry), functionOf(entry)));
        buttons.append(QJsonObject{{QStringLiteral("button"), step.index},
                                   {QStringLiteral("address"), buttonAddress(p, position)},
                                   {QStringLiteral("bytes"), hexBytes(entry)},
                                   {QStringLiteral("function"), functionOf(entry).trimmed()}});
    }
    profile.insert(QStringLiteral("buttons"), buttons);
    out.profiles.append(profile);
    return true;
}

bool dumpMacros(DumpOutput &out)
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
        if (end == 0)
            continue;
        out.line(QStringLiteral("macro block %1 (%2): %3")
                     .arg(b)
                     .arg(hex16(address), hexBytes(block.left(end))));
        out.macros.append(QJsonObject{{QStringLiteral("block"), b},
                                      {QStringLiteral("address"), int(address)},
                                      {QStringLiteral("bytes"), hexBytes(block.left(end))}});
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
    DumpOutput out{ctx, {}, {}, {}, {}};
    out.line(QStringLiteral("%1 (catalogue row %2), sensor %3, lighting class %4")
                 .arg(product)
                 .arg(mouse.row)
                 .arg(sensorType(product))
                 .arg(lightingClass(product)));
    out.root = QJsonObject{{QStringLiteral("model"), product},
                           {QStringLiteral("row"), mouse.row},
                           {QStringLiteral("sensor"), int(sensorType(product))},
                           {QStringLiteral("lightingClass"), int(lightingClass(product))}};

    bool ok = QueryCurrentProfile() && QueryPollRate() && QueryLedState();
    for (int p = 0; ok && p < kProfileCount; ++p)
        ok = QueryDpi(p);
    if (ok) {
        const int current = DeviceContext::deviceStore().curProfile + 1;
        out.line(QStringLiteral("current profile %1").arg(current));
        out.root.insert(QStringLiteral("currentProfile"), current);
        ok = printRaw(out, "scroll speeds", 0x020, 10) &&
             printRaw(out, "lift-off distance", 0x02A, 1) &&
             printRaw(out, "key-map mode", 0x03C, 4) &&
             printRaw(out, "lighting", 0x446, 0x478 - 0x446);
    }
    for (int p = 0; ok && p < kProfileCount; ++p)
        ok = dumpProfile(out, p, product);
    ok = ok && dumpMacros(out);
    if (!ok) {
        ctx.err << "korvalen-ctl: reading the mouse's memory failed" << Qt::endl;
        return CtlReportFailed;
    }
    if (ctx.json) {
        out.root.insert(QStringLiteral("areas"), out.areas);
        out.root.insert(QStringLiteral("profiles"), out.profiles);
        out.root.insert(QStringLiteral("macroBlocks"), out.macros);
        printJson(ctx, QJsonDocument(out.root));
    }
    return CtlOk;
}
