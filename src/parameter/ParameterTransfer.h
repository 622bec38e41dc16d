#pragma once

#include "parameter/ParameterBlocks.h"

#include <functional>

namespace zovi {

class AppContext;
class CtLink;
class ProgressView;

// The parameter exchanges with the controller: the six "0RD" block reads into the staging table, the
// check of the stored positions against a new stroke ("0RP" for positions 1 to 3), and the six "0WD"
// block writes. Every failed exchange has been reported by the link; the port is released after a
// failure. The progress window shows each step.
class ParameterTransfer {
public:
    ParameterTransfer(AppContext& ctx, CtLink& link, ProgressView& progress);

    // The waits after a write and a successful check (500 ms each); tests may record them instead.
    std::function<void(int)> wait;

    // GetParametaValueProc: 0 when all six blocks were read into ParaFileData (slot 0 emptied), else
    // 1. A reply whose block number or digits cannot be used fails the read with a message and leaves
    // the staging table as it was.
    int GetParametaValueProc();
    // The same read into another staging table (the backup before a write): the window's staging
    // table, set and form are not touched.
    int GetParametaValueProc(ParaSlots& staging);
    // ParaKakikomimaeCheck: 0 when no stored position lies beyond the set's Stroke, 1 when some do
    // (OverStrokeList "2,"), -1 when the exchange failed. The progress window stays open unless the
    // exchange failed.
    int ParaKakikomimaeCheck();
    // WriteParadataToCt: the six block texts in order; 0 written, 1 failed.
    int WriteParadataToCt(const BlockTexts& blocks);

    // The digits of each block as last read.
    BlockTexts ParaBlockText;

private:
    AppContext& ctx_;
    CtLink& link_;
    ProgressView& progress_;
};

} // namespace zovi
