// The device lists ("nvqdevice.lst", "vqdevice.lst", "jmdevice.lst"): any bytes give at most 99 rows
// and six sizes, every row found again by its own size, speed and stroke, and every row's lead and
// pulses a revolution usable by the millimetre conversion without a fault.
#include "FuzzSupport.h"

#include "device/Conversion.h"
#include "device/DeviceListFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    zovi::fuzz::ensureApplication();
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const zovi::DeviceList list = zovi::readDeviceList(zovi::fuzz::scratchFile(bytes));
    if (list.rows.size() > zovi::kMaxListRecords || list.sizes.size() > zovi::kMaxListSizes)
        __builtin_trap();
    for (const zovi::DeviceRecord& row : list.rows) {
        if (!list.find(row.size, row.speed, row.stroke))
            __builtin_trap();
        (void)zovi::parseModelCode(row.code);
        const qint64 maxPulse = zovi::conv::devMaxPulse(row.stroke, row.lead, row.ppr);
        (void)zovi::conv::maxMm(row.lead, row.ppr, maxPulse);
        (void)zovi::conv::mmCellText(row.lead, row.ppr, double(maxPulse));
        (void)zovi::conv::mmToPulse(row.lead, row.ppr, row.stroke);
        for (int mode = 0; mode < 3; ++mode)
            (void)zovi::conv::snapMmToPulseStep(row.lead, mode, row.ppr, row.stroke / 3.0);
        (void)zovi::conv::unitLine(row.lead, row.ppr, QStringLiteral("pulse"));
    }
    zovi::fuzz::FuzzContext run;
    (void)zovi::listProblemText(run.ctx.texts, list.problem);
    return 0;
}
