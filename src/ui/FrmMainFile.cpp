// The main window's position data commands on files: New, Open, Save and Save As, and
// the verification with its choice of a file or the controller.
#include "app/AppContext.h"
#include "position/PositionFiles.h"
#include "session/ControllerSession.h"
#include "ui/FrmDataShogo.h"
#include "ui/FrmMain.h"
#include "ui/MainDeviceView.h"

#include <QGuiApplication>

namespace zovi {

namespace {

// The main window as the file commands see it.
class MainFileView : public PositionFileView {
public:
    explicit MainFileView(FrmMain& main)
        : main_(main)
        , device_(main) {}
    QString deviceTypeName() const override { return main_.deviceLabel(); }
    void setWaitCursor(bool on) override {
        if (on)
            QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        else
            QGuiApplication::restoreOverrideCursor();
    }
    DeviceView& deviceView() override { return device_; }

private:
    FrmMain& main_;
    MainDeviceView device_;
};

} // namespace

struct FrmMain::FileCommands {
    FileCommands(AppContext& ctx, FrmMain& main)
        : view(main)
        , files(ctx, main.positionTable(), view) {}
    MainFileView view;
    PositionFiles files;
};

PositionFiles& FrmMain::positionFiles() {
    if (!fileCommands_)
        fileCommands_ = std::make_shared<FileCommands>(ctx_, *this);
    return fileCommands_->files;
}

void FrmMain::mnuFileNew_Click() {
    runPositionCommand(Busy::No, [this] { positionFiles().newData(); });
}

void FrmMain::mnuFileOpen_Click() {
    if (!devices_)
        return;
    runPositionCommand(Busy::No, [this] { positionFiles().open(*devices_); });
}

void FrmMain::cmdFileOpen_Click() {
    mnuFileOpen_Click();
}

void FrmMain::mnuFileSave_Click() {
    runPositionCommand(Busy::No, [this] { positionFiles().save(); });
}

void FrmMain::mnuFileSaveAs_Click() {
    runPositionCommand(Busy::No, [this] { positionFiles().saveAs(); });
}

void FrmMain::cmdSaveFile_Click() {
    mnuFileSaveAs_Click();
}

bool FrmMain::runSaveAs() {
    bool saved = false;
    runPositionCommand(Busy::No, [this, &saved] { saved = positionFiles().saveAs(); });
    return !saved;
}

int FrmMain::saveFileAs(const QString& path) {
    return positionFiles().SaveFileAs(path);
}

void FrmMain::cmdPosiDataShogo_Click() {
    runPositionCommand(Busy::No, [this] {
        const auto askSource = [this] {
            FrmDataShogo dialog(ctx_, this);
            dialog.exec();
            return dialog.choice();
        };
        const auto releasePort = [this] {
            if (controller_)
                controller_->link.ReleaseCommPort();
        };
        positionFiles().verifyWithChoice(
            askSource, [this] { PosiDataCtShogo(); }, releasePort);
    });
}

void FrmMain::mnuFileShogoFile_Click() {
    runPositionCommand(Busy::No, [this] { PosiDataFileShogo(); });
}

void FrmMain::PosiDataFileShogo() {
    positionFiles().PosiDataFileShogo();
}

} // namespace zovi
