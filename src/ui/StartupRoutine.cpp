#include "ui/StartupRoutine.h"

#include "app/AppContext.h"
#include "app/Startup.h"
#include "device/DeviceCatalogue.h"
#include "device/DeviceSettings.h"
#include "session/ControllerSession.h"
#include "ui/FrmMain.h"
#include "ui/FrmSplash.h"
#include "ui/QtTranslations.h"
#include "ui/Twips.h"

namespace zovi {

MainProgram::MainProgram() = default;
MainProgram::MainProgram(MainProgram&&) noexcept = default;
MainProgram::~MainProgram() = default;

MainProgram StartupRoutine::run() {
    // The settings come first: the splash already speaks the run's language.
    readStartupSettings(ctx_);
    installQtTranslations(ctx_.japanese());
    {
        FrmSplash splash(ctx_);
        splash.showAndWait();
    }

    MainProgram program;
    program.window = std::make_unique<FrmMain>(ctx_, desktop_);
    FrmMain& main = *program.window;
    program.controller = std::make_unique<ControllerSession>(ctx_, main, main);
    main.attachController(*program.controller);
    main.formLoad();
    main.show();
    ctx_.MainLeft = twips(main.x());
    ctx_.MainTop = twips(main.y());

    if (determineDevice)
        determineDevice(program);
    else {
        DeviceCatalogue lists(ctx_);
        loadDeviceSettings(ctx_, lists);
    }
    return program;
}

} // namespace zovi
