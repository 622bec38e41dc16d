#include "app/Shutdown.h"

#include "app/AppContext.h"

namespace zovi {

namespace {

QString finishQuestion(const AppContext& ctx) {
    if (ctx.japanese())
        return ctx.msg(479) + ctx.msg(480);
    return ctx.msg(480) + ctx.msg(479) + QLatin1Char('.');
}

} // namespace

bool mainCloseRefused(AppContext& ctx, CloseReason reason, const CloseHooks& hooks) {
    if (ctx.operation.CtBusyFlag && reason == CloseReason::CloseBox)
        return true;

    if (!ctx.operation.DataChangeFlag) {
        if (ctx.op.message(finishQuestion(ctx), Buttons::OkCancel, Icon::Question) != Answer::Ok)
            return true;
        if (hooks.portIsOpen && hooks.portIsOpen() && hooks.closePort)
            hooks.closePort();
        return false;
    }

    const QString question = ctx.msg(481) + QLatin1Char(' ') + ctx.msg(482);
    switch (ctx.op.message(question, Buttons::YesNoCancel, Icon::Question)) {
    case Answer::Yes:
        return hooks.saveAs && hooks.saveAs();
    case Answer::No:
        return false;
    default:
        return true;
    }
}

void storeSettingsAtUnload(AppContext& ctx) {
    ctx.settings.writeInt(QStringLiteral("PortNo"), ctx.options.PortNo);
    if (ctx.lang.LangChangeFlag)
        ctx.lang.LangNo = ctx.lang.LangNo == 1 ? 2 : 1;
    ctx.settings.writeInt(QStringLiteral("Languege"), ctx.lang.LangNo);
}

} // namespace zovi
