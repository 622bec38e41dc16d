// The position data file (".vqd"): any bytes are read or refused with a message, and a file that is
// read is saved by the program as bytes that read back to the same positions.
#include "FuzzSupport.h"

#include "position/PositionFile.h"

namespace {

bool sameRecords(const zovi::PositionFileData& a, const zovi::PositionFileData& b) {
    for (int i = 0; i < zovi::kPositionFileRecords; ++i) {
        const auto& x = a.records[i];
        const auto& y = b.records[i];
        if (x.vel != y.vel || x.acc != y.acc || x.pulses != y.pulses || x.comment != y.comment)
            return false;
    }
    return a.deviceName == b.deviceName && a.newOld == b.newOld;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    zovi::fuzz::ensureApplication();
    if (size < 1 || size > size_t(zovi::kMaxPositionFileBytes))
        return 0;
    // The first byte chooses the run's language, which decides the code page of a file not in UTF-8.
    const bool japanese = (data[0] & 1) != 0;
    const QByteArray bytes(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    const zovi::PositionFileParse parse = zovi::parsePositionFile(bytes, japanese);
    if (!parse.ok()) {
        zovi::fuzz::FuzzContext run(japanese ? 1 : 2);
        (void)zovi::positionFileProblemText(run.ctx.texts, QStringLiteral("fuzz.vqd"), parse.problem);
        return 0;
    }
    const QByteArray saved = zovi::positionFileBytes(parse.data);
    const zovi::PositionFileParse again = zovi::parsePositionFile(saved, japanese);
    if (!again.ok() || !sameRecords(parse.data, again.data) || zovi::positionFileBytes(again.data) != saved)
        __builtin_trap();
    return 0;
}
