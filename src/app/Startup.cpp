#include "app/Startup.h"

#include "app/AppContext.h"

namespace zovi {

void readStartupSettings(AppContext& ctx) {
    SettingsStore& store = ctx.settings;
    ctx.setLanguage(store.readInt(QStringLiteral("Languege"), 2));
    ctx.options.PortOccupyFlag = store.readInt(QStringLiteral("PortOccupy"), 0) != 0;
    ctx.options.PlsPosFlag = store.readInt(QStringLiteral("PLSPos"), 0) != 0;
    ctx.options.MmRoundUpFlag = store.readInt(QStringLiteral("MmRoundUp"), 1) != 0;
    ctx.operation.MoveDataReadFlag = false;
    ctx.operation.LastPosNo = -1;
}

} // namespace zovi
