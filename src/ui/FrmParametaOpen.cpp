// The main window's View > Parameter: the parameter window, modeless over the main window, with the
// controller link, the device catalogue and the main window's device displays of the run.
#include "position/PositionTable.h"
#include "session/ControllerSession.h"
#include "ui/FrmMain.h"
#include "ui/FrmParameta.h"
#include "ui/MainDeviceView.h"

namespace zovi {

namespace {

// What the parameter window uses of the main window; it lives as long as the parameter window.
class MainWindowParts : public QObject {
public:
    MainWindowParts(AppContext& ctx, FrmMain& main)
        : view(main)
        , progress(ctx, main) {}
    MainDeviceView view;
    TranceProgress progress;
};

} // namespace

void FrmMain::mnuShowParameta_Click() {
    if (auto* open = findChild<FrmParameta*>(QStringLiteral("frmParameta"), Qt::FindDirectChildrenOnly)) {
        open->show();
        open->raise();
        open->activateWindow();
        return;
    }
    if (!controller_ || !devices_)
        return;
    auto* parts = new MainWindowParts(ctx_, *this);
    ParameterLink link{controller_->link, controller_->commands, controller_->modes,
                       parts->progress,   parts->view,           positionTable_.get()};
    auto* window = new FrmParameta(ctx_, *devices_, link, this);
    parts->setParent(window);
    // While the parameter window talks to the controller, nothing here can start another exchange.
    window->commands().exchangeBracket = [this](const std::function<void()>& exchange) {
        runExchange(exchange);
    };
    backUpBeforeWriting(window->commands());
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
}

} // namespace zovi
