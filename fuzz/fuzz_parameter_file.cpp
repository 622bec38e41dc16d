// The parameter file (".pmt"): any bytes are read or refused with a message, the window's Open agrees
// with the reader on every file, and a file of 24 values that is opened and saved reads back to the
// same set.
#include "FuzzSupport.h"

#include "app/ParameterState.h"
#include "parameter/ParameterChecks.h"
#include "parameter/ParameterFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    zovi::fuzz::ensureApplication();
    if (size > size_t(zovi::kMaxParameterFileBytes))
        return 0;
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const zovi::ParameterFileParse parse = zovi::parseParameterFile(bytes);
    if (parse.ok() && parse.values.size() != zovi::kParameterFileValues &&
        parse.values.size() != zovi::kOlderJmFileValues)
        __builtin_trap();

    zovi::ParameterState state;
    zovi::ParameterFileProblem problem;
    const int opened = zovi::OpenParaFile(zovi::fuzz::scratchFile(bytes), state, &problem);
    if ((opened == 0) != parse.ok() || problem.fault != parse.problem.fault)
        __builtin_trap();
    if (!parse.ok()) {
        zovi::fuzz::FuzzContext run(size % 2 ? 1 : 2);
        (void)zovi::parameterFileProblemText(run.ctx.texts, QStringLiteral("fuzz.pmt"), problem);
        return 0;
    }
    if (parse.values.size() != zovi::kParameterFileValues)
        return 0;
    // Numbers are taken into the set rounded (a speed of ".1" becomes 0): saving what was opened and
    // opening that again must give the same bytes.
    zovi::ParaDA2Hensu(state);
    const QByteArray saved = zovi::parameterFileBytes(state.set);
    zovi::ParameterState reopened;
    if (zovi::OpenParaFile(zovi::fuzz::scratchFile(saved), reopened) != 0)
        __builtin_trap();
    zovi::ParaDA2Hensu(reopened);
    if (zovi::parameterFileBytes(reopened.set) != saved)
        __builtin_trap();
    return 0;
}
