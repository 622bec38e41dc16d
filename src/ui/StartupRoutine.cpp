#include "ui/StartupRoutine.h"

#include "app/AppContext.h"
#include "app/DeviceSettings.h"
#include "app/Startup.h"
#include "ui/FrmMain.h"
#include "ui/FrmSplash.h"
#include "ui/Twips.h"

namespace zovi {

std::unique_ptr<FrmMain> StartupRoutine::run() {
    {
        FrmSplash splash(ctx_);
        splash.showAndWait();
    }
    readStartupSettings(ctx_);

    auto main = std::make_unique<FrmMain>(ctx_, desktop_);
    main->formLoad();
    main->show();
    ctx_.MainLeft = twips(main->x());
    ctx_.MainTop = twips(main->y());

    if (determineDevice)
        determineDevice(*main);
    else
        loadDeviceSettings(ctx_);
    return main;
}

} // namespace zovi
