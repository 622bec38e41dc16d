// The main window's device change.
#include "device/DeviceChange.h"
#include "position/PositionTable.h"
#include "ui/FrmDevice2.h"
#include "ui/FrmMain.h"
#include "ui/MainDeviceView.h"

namespace zovi {

void FrmMain::attachDevices(DeviceCatalogue& catalogue) {
    devices_ = &catalogue;
}

void FrmMain::cmdChangeDev_Click() {
    if (!devices_)
        return;
    MainDeviceView view(*this);
    DeviceChange change(ctx_, *devices_, view);
    change.positions = positionTable_.get();
    change.run([this] {
        FrmDevice2 dialog(ctx_, *devices_, this);
        dialog.exec();
        return dialog.cancelled();
    });
}

} // namespace zovi
