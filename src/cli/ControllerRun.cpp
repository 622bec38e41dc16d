#include "cli/ControllerRun.h"
#include "app/WholeFile.h"

#include "app/AppContext.h"
#include "app/Options.h"
#include "app/Startup.h"
#include "cli/CliTexts.h"
#include "cli/CliViews.h"
#include "cli/ConsoleOperator.h"
#include "cli/RunReport.h"
#include "device/Conversion.h"
#include "device/CurrentDevice.h"
#include "device/DeviceCatalogue.h"
#include "device/DeviceSettings.h"
#include "device/DeviceStartup.h"
#include "link/QtSerialPort.h"
#include "operation/MoveCommands.h"
#include "operation/ProgramGridModel.h"
#include "parameter/ParameterForm.h"
#include "position/PositionGridModel.h"
#include "position/PositionTable.h"
#include "position/PositionTransfer.h"
#include "session/ControllerSession.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QRegularExpression>

namespace zovi::cli {

namespace {

// The names of the files in a backup folder: the window's default names.
const QString kPositionFile = QStringLiteral("vqdata.vqd");
const QString kParameterFile = QStringLiteral("Parameta.pmt");
const QString kDeviceFile = QStringLiteral("device.txt");

std::unique_ptr<SerialPort> portFor(const PortArgument& port) {
    if (port.comNumber)
        return {}; // the session's own: COM n as the settings map it
    return std::make_unique<QtSerialPort>([device = port.device](int) { return device; });
}

QString folderPart(const QString& portName) {
    QString part = portName;
    part.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9]+")), QStringLiteral("_"));
    while (part.startsWith(QLatin1Char('_')))
        part.remove(0, 1);
    return part;
}

class Run {
public:
    Run(const RunBasis& basis, const CliRequest& request, const PortArgument& port)
        : basis_(basis)
        , request_(request)
        , portName_(port.name())
        , op_(basis.sink, basis.headed ? portName_ : QString(), request.yes)
        , ctx_(settings_, basis.catalogue, op_)
        , grid_(ctx_.texts)
        , table_(ctx_, grid_)
        , files_(ctx_, table_, fileView_)
        , steps_(ctx_.texts)
        , devices_(ctx_)
        , parameterModel_(ctx_, devices_, ctx_.parameters) {
        for (auto it = basis.settings.begin(); it != basis.settings.end(); ++it)
            settings_.writeText(it.key(), it.value());
        if (!request.lang.isEmpty())
            settings_.writeInt(QStringLiteral("Languege"), request.lang == QLatin1String("ja") ? 1 : 2);
        readStartupSettings(ctx_);
        op_.setTexts(ctx_.texts);
        ctx_.options.PortNo =
            port.comNumber ? qint16(port.comNumber) : ctx_.settings.readInt(QStringLiteral("PortNo"), 1);
        session_ = std::make_unique<ControllerSession>(ctx_, view_, controls_, portFor(port));
        session_->alarms.Get_ErrorList();
        ParameterLink link{session_->link, session_->commands, session_->modes,
                           progress_,      deviceView_,        &table_};
        parameters_ =
            std::make_unique<ParameterCommands>(ctx_, devices_, parameterModel_, parameterWindow_, link);
    }

    ~Run() {
        parameters_.reset();
        session_.reset();
    }

    PortResult run() {
        PortResult result;
        result.port = portName_;
        result.verb = verbText(request_);
        if (needsDevice(request_.verb) && !readDevice()) {
            result.outcome = ended(false);
            result.message = op_.lastMessage();
            return result;
        }
        const QString& verb = request_.verb;
        if (verb == QLatin1String("positions"))
            result.outcome = positions(request_.action, request_.path);
        else if (verb == QLatin1String("params"))
            result.outcome = params(request_.action, request_.path);
        else if (verb == QLatin1String("backup"))
            result.outcome = backup(request_.path);
        else if (verb == QLatin1String("restore"))
            result.outcome = restore(request_.path);
        else if (verb == QLatin1String("version"))
            result.outcome = ended(session_->modes.mnuShowCtversion_Click() == 0);
        else if (verb == QLatin1String("alarm"))
            result.outcome = alarm();
        else if (verb == QLatin1String("device"))
            result.outcome = Outcome::Done;
        else if (verb == QLatin1String("mode"))
            result.outcome = ended((request_.action == QLatin1String("external")
                                        ? session_->modes.mnuModeGaibu_Click()
                                        : session_->modes.mnuModeTrancefer_Click()) == 0);
        else if (verb == QLatin1String("move"))
            result.outcome = move(request_.position);
        if (result.outcome == Outcome::Refused)
            result.message = op_.declinedQuestion();
        else
            result.message = message_.isEmpty() ? op_.lastMessage() : message_;
        result.file = file_;
        if (!request_.logPath.isEmpty())
            writeLog(result);
        return result;
    }

private:
    // The session's frames into the --log file; a log that cannot be written fails the run.
    void writeLog(PortResult& result) {
        QString path = request_.logPath;
        if (basis_.headed) {
            const QFileInfo info(path);
            const QString suffix = info.suffix().isEmpty() ? QString() : QLatin1Char('.') + info.suffix();
            path = info.dir().filePath(info.completeBaseName() + QLatin1Char('-') + folderPart(portName_) +
                                       suffix);
        }
        const QString why = session_->log.writeFile(path);
        if (why.isEmpty())
            return;
        result.outcome = Outcome::Failed;
        result.message = ctx_.msg(kLogFailed).arg(QDir::toNativeSeparators(path), why);
        ctx_.op.message(result.message, Buttons::Ok, Icon::Exclamation);
    }

    Outcome ended(bool done) const {
        if (done)
            return Outcome::Done;
        return op_.declined() ? Outcome::Refused : Outcome::Failed;
    }

    // The window's start "Reading from C/T": the actuator the controller drives becomes the device the
    // positions and parameters are converted and checked with.
    bool readDevice() {
        DeviceStartup startup(ctx_, devices_, session_->link, session_->commands, deviceView_, progress_, {});
        if (!startup.readFromController())
            return false;
        parameterModel_.Form_Load();
        const DeviceState& dev = ctx_.device;
        message_ = ctx_.msg(kDeviceLine)
                       .arg(deviceLabelShort(dev), dev.IsVqSeries ? dev.NewOldText : QString())
                       .arg(dev.DevLead)
                       .arg(dev.DevPPR);
        return true;
    }

    Outcome positions(const QString& action, const QString& path) {
        message_.clear();
        file_ = path;
        op_.setFileAnswer(path);
        QuietProgress progress;
        PositionTransfer transfer(ctx_, table_, devices_, session_->link, session_->commands, session_->modes,
                                  progress, deviceView_);
        transfer.saveAs = [this] {
            files_.saveAs();
        };
        ctx_.operation.CtBusyFlag = true;
        Outcome outcome = Outcome::Failed;
        if (action == QLatin1String("read")) {
            outcome = ended(transfer.readFromCt() == 0 && files_.saveAs());
        } else if (action == QLatin1String("write")) {
            outcome = ended(files_.openFile(path, devices_) == 0 && transfer.writeToCt() == 0);
        } else {
            outcome = ended(files_.openFile(path, devices_) == 0 && transfer.PosiDataCtShogo() == 0);
            if (outcome == Outcome::Done && !table_.VerifyResultList.isEmpty())
                outcome = Outcome::Differs;
        }
        ctx_.operation.CtBusyFlag = false;
        return outcome;
    }

    Outcome params(const QString& action, const QString& path) {
        message_.clear();
        file_ = path;
        op_.setFileAnswer(path);
        ParameterCommands& commands = *parameters_;
        ctx_.operation.CtBusyFlag = true;
        Outcome outcome = Outcome::Failed;
        if (action == QLatin1String("read")) {
            outcome = ended(commands.GetParametaValue() == 0 && commands.SaveParaFileProc());
        } else if (action == QLatin1String("write")) {
            outcome = ended(commands.ReadParaFileProc() && commands.ParametaWriteProc() == 0);
        } else {
            outcome = ended(commands.GetParametaValue() == 0 && commands.ParaFileShogoProc() == 0);
            if (outcome == Outcome::Done && !ctx_.parameters.UnmatchedParaList.isEmpty())
                outcome = Outcome::Differs;
        }
        ctx_.operation.CtBusyFlag = false;
        return outcome;
    }

    // A new folder in `parent` named by the time and the port.
    QString makeBackupFolder(const QString& parent) {
        const QString stem = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")) +
                             QLatin1Char('-') + folderPart(portName_);
        QDir dir(parent);
        QString name = stem;
        for (int n = 2; dir.exists(name); ++n)
            name = stem + QLatin1Char('-') + QString::number(n);
        if (!dir.mkpath(name))
            return {};
        return QDir::cleanPath(dir.filePath(name));
    }

    bool writeDeviceFile(const QString& path) const {
        const DeviceState& dev = ctx_.device;
        QByteArray bytes;
        const auto line = [&bytes](const char* key, const QString& value) {
            bytes += key + QByteArray("=") + value.toUtf8() + "\r\n";
        };
        line("Model", deviceLabelShort(dev));
        line("Series", dev.SeriesText);
        line("Type", dev.NewOldText);
        line("Size", dev.DevSize);
        line("Speed", dev.DevSpeed);
        line("Stroke", QString::number(dev.DevStroke));
        line("Lead", QString::number(dev.DevLead));
        line("PulsesPerRevolution", QString::number(dev.DevPPR));
        line("Vertical", dev.VerticalFlag ? QStringLiteral("1") : QStringLiteral("0"));
        return writeWholeFile(path, bytes).isEmpty();
    }

    Outcome backup(const QString& parent) {
        const QString deviceText = message_;
        const QString folder = makeBackupFolder(parent);
        if (folder.isEmpty()) {
            op_.message(ctx_.msg(kFolderFailed).arg(QDir::toNativeSeparators(parent)), Buttons::Ok,
                        Icon::Exclamation, {});
            file_ = parent;
            return Outcome::Failed;
        }
        Outcome outcome = positions(QStringLiteral("read"), QDir(folder).filePath(kPositionFile));
        if (outcome == Outcome::Done)
            outcome = params(QStringLiteral("read"), QDir(folder).filePath(kParameterFile));
        if (outcome == Outcome::Done && !writeDeviceFile(QDir(folder).filePath(kDeviceFile))) {
            op_.message(ctx_.msg(kFolderFailed).arg(QDir::toNativeSeparators(folder)), Buttons::Ok,
                        Icon::Exclamation, {});
            outcome = Outcome::Failed;
        }
        if (outcome == Outcome::Done)
            message_ = deviceText;
        file_ = folder;
        return outcome;
    }

    // Parameters first: the positions are checked against the stroke the parameters set.
    Outcome restore(const QString& folder) {
        Outcome outcome = params(QStringLiteral("write"), QDir(folder).filePath(kParameterFile));
        if (outcome == Outcome::Done)
            outcome = positions(QStringLiteral("write"), QDir(folder).filePath(kPositionFile));
        file_ = folder;
        return outcome;
    }

    Outcome alarm() {
        if (request_.reset)
            return ended(session_->modes.cmdReset_Click() == 0);
        // The controller answers the port check in any state, but refuses a read with its alarm: the
        // homing state is asked, which changes nothing.
        CtLink& link = session_->link;
        const bool answered = link.OpenCommPort() == 0 && link.CheckCommPort() == 0 &&
                              session_->commands.ReadCtHomeState() >= 0;
        link.ReleaseCommPort();
        if (!view_.alarmNo.isEmpty()) {
            message_ = ctx_.msg(720) + view_.alarmNo + QLatin1Char(' ') + view_.errorComment;
            return Outcome::Failed;
        }
        if (answered)
            message_ = view_.errorComment;
        return answered ? Outcome::Done : Outcome::Failed;
    }

    Outcome move(int position) {
        session_->attachMoves(moveView_, steps_, nullptr, nullptr);
        ctx_.operation.CtBusyFlag = true;
        session_->moves()->SelectMove(position);
        ctx_.operation.CtBusyFlag = false;
        return ended(ctx_.operation.LastPosNo == position);
    }

    const RunBasis& basis_;
    const CliRequest& request_;
    QString portName_;
    MemorySettingsStore settings_;
    ConsoleOperator op_;
    AppContext ctx_;
    CliMainView view_;
    QuietControls controls_;
    QuietProgress progress_;
    CliDeviceView deviceView_;
    CliFileView fileView_{deviceView_};
    CliMoveView moveView_;
    CliParameterWindow parameterWindow_;
    PositionGridModel grid_;
    PositionTable table_;
    PositionFiles files_;
    ProgramGridModel steps_;
    DeviceCatalogue devices_;
    ParameterFormModel parameterModel_;
    std::unique_ptr<ControllerSession> session_;
    std::unique_ptr<ParameterCommands> parameters_;
    QString message_;
    QString file_;
};

} // namespace

PortResult runOnController(const RunBasis& basis, const CliRequest& request, const PortArgument& port) {
    QElapsedTimer clock;
    clock.start();
    PortResult result;
    {
        Run run(basis, request, port);
        result = run.run();
    }
    result.durationMs = clock.elapsed();
    return result;
}

} // namespace zovi::cli
