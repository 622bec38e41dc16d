#pragma once

#include "app/DiffTable.h"

namespace zovi {

class AppContext;
struct ParameterState;

// The parameters a verification compared, side by side: the window's set against the staging slots
// filled from the file or the controller. The rows and what differs follow the verification itself
// (parameters 1 to `lastNumber`; 23 and 24 only `withDetails`; numbers as numbers, the actuator as
// text). The options (homing method, type, emergency-stop input and logic) show their captions.
DiffTable parameterDiff(const AppContext& ctx, const ParameterState& state, int lastNumber, bool withDetails,
                        const QString& theirsHeading);

} // namespace zovi
