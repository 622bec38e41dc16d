// The standard parameter lists ("nvqstdprm.lst", "vqstdprm.lst", "jmstdprm.lst"): any bytes give at
// most 99 rows, each of 28 slots, and a message when the list is unusable.
#include "FuzzSupport.h"

#include "device/DeviceListFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    zovi::fuzz::ensureApplication();
    if (size < 1)
        return 0;
    // The first byte chooses the device kind and whether the actuator is vertical.
    const int kind = data[0] % 3;
    const bool vertical = (data[0] & 0x04) != 0;
    const QByteArray bytes(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    const zovi::StdPrmList list = zovi::readStdPrmList(zovi::fuzz::scratchFile(bytes), kind, vertical);
    if (list.rows.size() > zovi::kMaxListRecords)
        __builtin_trap();
    for (const zovi::StdPrmRow& row : list.rows) {
        if (row.slot[21].toInt() != kind)
            __builtin_trap();
        (void)row.matches(row.slot[25].toString(), row.slot[26].toString(), row.slot[27].toInt());
    }
    zovi::fuzz::FuzzContext run(kind == 2 ? 1 : 2);
    (void)zovi::listProblemText(run.ctx.texts, list.problem);
    return 0;
}
