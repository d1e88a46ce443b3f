#include "common/FuzzHome.h"

#include "device/LightingReports.h"
#include "device/VornHidReadThread.h"

#include <cstring>

// Input reports as a mouse, or something that claims to be one, may send
// them: every 8 bytes of the input are one report to each reader. A host
// action is one of the eight the mouse has; a lighting report names one of
// the nine modes whatever its bytes.
extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    fuzz::start(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    VornHidReadThread2 reader;
    QObject::connect(&reader, &VornHidReadThread2::RefreshLightModeSignal,
                     [](quint8 code, quint8 variant) {
                         for (quint32 lightingClass = 0; lightingClass < 6; ++lightingClass) {
                             const int mode = ledModeFromEffect(lightingClass, code, variant);
                             fuzz::require(mode >= 0 && mode < kLedModeCount);
                         }
                     });
    for (size_t at = 0; at < size; at += VornHidReader::kReportSize) {
        unsigned char report[VornHidReader::kReportSize] = {};
        std::memcpy(report, data + at, std::min<size_t>(sizeof report, size - at));
        const quint8 action = VornHidReadThread::hostActionCode(report);
        fuzz::require(action == 0 || (action >= 0x1F && action <= 0x26));
        reader.decodeReport(report);
    }
    return 0;
}
