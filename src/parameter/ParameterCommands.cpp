#include "parameter/ParameterCommands.h"

#include "app/AppContext.h"
#include "app/ProgressView.h"
#include "device/Conversion.h"
#include "device/CurrentDevice.h"
#include "device/DeviceCatalogue.h"
#include "device/DeviceSettings.h"
#include "device/DeviceView.h"
#include "link/CtCommands.h"
#include "link/CtLink.h"
#include "operation/ControllerModes.h"
#include "parameter/ParameterChecks.h"
#include "parameter/ParameterDiff.h"
#include "parameter/ParameterFile.h"
#include "parameter/ParameterForm.h"

#include <QDir>
#include <QFileInfo>

namespace zovi {

namespace {

constexpr int kResetMs = 3000;
const QString kLineEnd = QStringLiteral("\r\n");

FileDialogRequest parameterFileDialog(const AppContext& ctx, int titleId) {
    FileDialogRequest request;
    request.title = ctx.msg(titleId);
    request.filter = ctx.msg(423);
    request.defaultExtension = ctx.msg(422);
    return request;
}

bool talksToController(ParameterCommand command) {
    return command == ParameterCommand::ReadCt || command == ParameterCommand::WriteCt ||
           command == ParameterCommand::VerifyCt;
}

// After a verification's result: both sides of the parameters it compared, when some differ.
void showDifferences(AppContext& ctx, int lastNumber, const QString& theirsHeading) {
    const ParameterState& state = ctx.parameters;
    if (!state.UnmatchedParaList.isEmpty())
        ctx.op.showDifferences(parameterDiff(ctx, state, lastNumber, ctx.options.ParametaShow, theirsHeading),
                               ctx.texts);
}

} // namespace

ParameterCommands::ParameterCommands(AppContext& ctx, DeviceCatalogue& catalogue, ParameterFormModel& model,
                                     ParameterWindowView& window, ParameterLink link)
    : exchangeBracket([](const std::function<void()>& exchange) { exchange(); })
    , transfer(ctx, link.link, link.progress)
    , ctx_(ctx)
    , catalogue_(catalogue)
    , model_(model)
    , window_(window)
    , link_(link) {}

void ParameterCommands::run(ParameterCommand command) {
    runBracketed(talksToController(command), [this, command] {
        switch (command) {
        case ParameterCommand::ReadFile:
            ReadParaFileProc();
            break;
        case ParameterCommand::SaveFile:
            SaveParaFileProc();
            break;
        case ParameterCommand::VerifyFile:
            ParaFileShogoProc();
            break;
        case ParameterCommand::ReadCt:
            GetParametaValue();
            break;
        case ParameterCommand::WriteCt:
            ParametaWriteProc();
            break;
        case ParameterCommand::VerifyCt:
            ParaCtShogoProc();
            break;
        }
    });
}

void ParameterCommands::openChosenFile(const QString& path) {
    runBracketed(false, [this, &path] { ReadParaFileProc(path); });
}

void ParameterCommands::runBracketed(bool withController, const std::function<void()>& operation) {
    if (model_.ParaBusyFlag || ctx_.operation.CtBusyFlag || link_.link.busy()) {
        ctx_.op.beep();
        return;
    }
    model_.ParametaCMDBTN_Muko();
    model_.ParaBusyFlag = true;
    window_.showModel();
    if (withController) {
        ctx_.operation.CtBusyFlag = true;
        exchangeBracket(operation);
        ctx_.operation.CtBusyFlag = false;
    } else {
        operation();
    }
    model_.ParaBusyFlag = false;
    model_.ParametaCMDBTN_Yuko();
    window_.showModel();
}

int ParameterCommands::checkAndTakeIn() {
    ParameterForm& form = model_.form;
    ParameterState& state = ctx_.parameters;
    if (Check_ParaDataUmu(form) != 0) {
        ctx_.op.message(ctx_.texts.joined({412, 413}));
        return 1;
    }
    if (CheckParaDataValue(form, catalogue_, state.InvalidParaList) != 0) {
        ctx_.op.message(ctx_.msg(414) + state.InvalidParaList + ctx_.msg(415) + kParagraph + ctx_.msg(416));
        return 1;
    }
    // The question does not stop the operation: Yes chooses sensor homing first.
    if (Check_VType(form) != 0 &&
        ctx_.op.message(ctx_.texts.joined({367, 368}), Buttons::YesNo, Icon::Exclamation) == Answer::Yes) {
        model_.optVertical_Click(1);
        window_.showModel();
    }
    if (TorikomiParaData(form, state.set) != 0) {
        ctx_.op.message(ctx_.msg(417));
        return 1;
    }
    return 0;
}

bool ParameterCommands::openFile(const QString& path, bool forWindow) {
    ParameterState read = ctx_.parameters;
    ParameterFileProblem problem;
    const QString named = ctx_.msg(424) + kParagraph + ctx_.msg(760).arg(QDir::toNativeSeparators(path));
    if (OpenParaFile(path, read, &problem) != 0) {
        if (problem.fault == ParameterFileFault::NotParameterFile) {
            ctx_.op.message(ctx_.texts.joined({362, 363}), Buttons::Ok, Icon::Exclamation);
            ctx_.op.message(ctx_.msg(424));
        } else {
            ctx_.op.message(ctx_.msg(424) + kParagraph + parameterFileProblemText(ctx_.texts, path, problem));
        }
        return false;
    }
    if (forWindow && read.ParaItemCount != kParameterFileValues + 1) {
        ctx_.op.message(named + kParagraph + ctx_.msg(768));
        return false;
    }
    if (forWindow) {
        const int type = read.ParaFileData[21].toInt();
        const QString series = type == 2 ? QStringLiteral("JM") : QStringLiteral("VQ");
        const QString code = read.ParaFileData[22].toString();
        const auto parts = parseModelCode(code);
        if (!parts ||
            catalogue_.devicePresent(series, type == 0, parts->size, parts->speed, parts->stroke) != 0) {
            ctx_.op.message(named + kParagraph +
                            ctx_.msg(767).arg(code, deviceListFileName(series, type == 0)));
            return false;
        }
    }
    ctx_.parameters.ParaFileData = read.ParaFileData;
    ctx_.parameters.ParaItemCount = read.ParaItemCount;
    return true;
}

bool ParameterCommands::ReadParaFileProc(const std::optional<QString>& chosen) {
    ParameterState& state = ctx_.parameters;
    if (state.ParaChangeFlag) {
        switch (ctx_.op.message(ctx_.msg(429), Buttons::YesNoCancel, Icon::Question)) {
        case Answer::Yes:
            // The edits are not dropped unless they were saved.
            if (!SaveParaFileProc())
                return false;
            break;
        case Answer::No:
            break;
        default:
            return false;
        }
    }
    std::optional<QString> path = chosen;
    if (!path) {
        FileDialogRequest request = parameterFileDialog(ctx_, 430);
        request.mustExist = true;
        path = ctx_.op.openFile(request);
    }
    if (!path || !openFile(*path, true))
        return false;
    ParaDA2Hensu(state);
    model_.title = titleWithoutExtension(state.ParaFileData[0].toString());
    model_.Disp_ParaData();
    state.ParaChangeFlag = false;
    window_.showModel();
    return true;
}

bool ParameterCommands::SaveParaFileProc() {
    if (checkAndTakeIn() != 0)
        return false;
    FileDialogRequest request = parameterFileDialog(ctx_, 431);
    request.initialName = ctx_.msg(432);
    request.overwritePrompt = true;
    const auto path = ctx_.op.saveFile(request);
    if (!path)
        return false;
    if (SaveParaFileAs(*path, ctx_.parameters.set) != 0) {
        ctx_.op.message(ctx_.msg(769).arg(QDir::toNativeSeparators(*path)), Buttons::Ok, Icon::Exclamation);
        return false;
    }
    model_.title = titleWithoutExtension(QFileInfo(*path).fileName());
    ctx_.parameters.ParaChangeFlag = false;
    window_.showModel();
    return true;
}

QString ParameterCommands::verificationResult(const QString& heading, const QString& source) const {
    if (ctx_.parameters.UnmatchedParaList.isEmpty())
        return heading + source + kParagraph + ctx_.msg(410);
    return heading + kParagraph + ctx_.msg(407) + kParagraph + ctx_.msg(420) + kLineEnd +
           ctx_.parameters.UnmatchedParaList;
}

int ParameterCommands::ParaFileShogoProc() {
    if (checkAndTakeIn() != 0)
        return 1;
    FileDialogRequest request = parameterFileDialog(ctx_, 421);
    request.mustExist = true;
    const auto path = ctx_.op.openFile(request);
    if (!path || !openFile(*path, false))
        return 1;
    ParameterState& state = ctx_.parameters;
    const bool olderJmFile = state.ParaItemCount == kOlderJmFileValues + 1;
    if (ctx_.device.IsVqSeries && olderJmFile &&
        ctx_.op.message(ctx_.texts.joined({425, 426, 427}), Buttons::OkCancel, Icon::Question) != Answer::Ok)
        return 1;
    // An older JM file holds parameters 1 to 15 only; what lies beyond is not compared.
    ParametaShogoProc(state, state.ParaItemCount - 1, ctx_.options.ParametaShow);
    const QString source = QLatin1Char('(') + state.ParaFileData[0].toString() + QLatin1Char(')');
    ctx_.op.message(verificationResult(ctx_.msg(428), source));
    showDifferences(ctx_, state.ParaItemCount - 1, ctx_.msg(822).arg(state.ParaFileData[0].toString()));
    return 0;
}

int ParameterCommands::GetParametaValue() {
    ParameterState& state = ctx_.parameters;
    const int result = transfer.GetParametaValueProc();
    if (result == 0) {
        model_.title = ctx_.msg(433);
        ParaDA2Hensu(state);
        model_.Disp_ParaData();
        state.ParaChangeFlag = false;
        window_.showModel();
        if (link_.commands.ReadCtDevice() == 0)
            reconcileDevice();
    }
    link_.link.ReleaseCommPort();
    return result;
}

int ParameterCommands::ParametaWriteProc() {
    ParameterState& state = ctx_.parameters;
    if (ctx_.op.message(ctx_.msg(435), Buttons::YesNo, Icon::Question) != Answer::Yes) {
        link_.link.ReleaseCommPort();
        return 1;
    }
    if (checkAndTakeIn() != 0)
        return 1;
    const auto blocks = SetParaData2LngData(state.set, model_.form.useDefault);
    if (!blocks) {
        ctx_.op.message(ctx_.msg(436));
        return 1;
    }
    const int positions = transfer.ParaKakikomimaeCheck();
    if (positions == -1)
        return 1;
    if (positions == 1) {
        const QString question = ctx_.msg(437) + kParagraph + QLatin1Char('<') + ctx_.msg(409) +
                                 state.OverStrokeList + QLatin1Char('>') + kParagraph + ctx_.msg(438) +
                                 kParagraph + ctx_.msg(439);
        if (ctx_.op.message(question, Buttons::YesNo, Icon::Question) != Answer::Yes) {
            link_.progress.close();
            return 1;
        }
    }
    if (beforeWrite && !beforeWrite()) {
        link_.progress.close();
        link_.link.ReleaseCommPort();
        return 1;
    }
    if (transfer.WriteParadataToCt(*blocks) != 0)
        return 1;
    ctx_.operation.MoveDataReadFlag = false;
    link_.modes.ResetCtByCommand(window_);
    transfer.wait(kResetMs);
    const int read = link_.commands.ReadCtDevice();
    window_.setParaWinStatus(QString());
    if (read == 0)
        reconcileDevice();
    link_.link.ReleaseCommPort();
    return 0;
}

int ParameterCommands::ParaCtShogoProc() {
    if (checkAndTakeIn() != 0)
        return 1;
    if (transfer.GetParametaValueProc() != 0) {
        ctx_.op.message(ctx_.msg(418));
        return 1;
    }
    ParametaShogoProc(ctx_.parameters, kParameterCount, ctx_.options.ParametaShow);
    ctx_.op.message(verificationResult(ctx_.msg(419), QString()));
    showDifferences(ctx_, kParameterCount, ctx_.msg(823));
    return 0;
}

void ParameterCommands::reconcileDevice() {
    const CtDevice& reply = link_.commands.device;
    if (!ctDeviceUsable(reply)) {
        ctx_.op.message(ctx_.msg(591) + kParagraph + ctx_.msg(909).arg(reply.modelCode()));
        return;
    }
    if (compareCtDevice(ctx_.device, reply) == 0)
        return;
    if (ctx_.op.message(ctx_.texts.joined({592, 593}), Buttons::OkCancel, Icon::Question) == Answer::Ok)
        adoptControllerDevice();
}

void ParameterCommands::adoptControllerDevice() {
    DeviceState& dev = ctx_.device;
    DeviceView& view = link_.deviceView;
    adoptCtDevice(dev, link_.commands.device, view);
    saveDeviceSettings(ctx_);
    conv::recomputeLimits(dev);
    showFullDeviceLabel(ctx_, catalogue_, view);
    showUnitLine(ctx_, view);
    if (link_.positions)
        refreshMmColumn(dev, *link_.positions);
    view.repaintGrids();
}

} // namespace zovi
