#include "ui/FrmInputOutput.h"

#include "app/AppContext.h"
#include "ui/Captions.h"
#include "ui/MainLayout.h"

#include <QCloseEvent>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

namespace zovi {

using mainlayout::named;
using mainlayout::place;

namespace {

constexpr int kWindowWidth = 5760;
constexpr int kWindowHeight = 3930;
constexpr int kLampSize = 360;
constexpr int kPictureSize = 540;
constexpr int kTimerIo2Ms = 1000;

// Texts of the window: signal names (PEND and POSITION 4 are this program's own), the hints on the
// output pictures and the lamp state told to accessibility.
constexpr int kPendCaption = 780;
constexpr int kPosition4Caption = 781;
constexpr int kLitText = 782;
constexpr int kOffText = 783;
constexpr int kOutputHint = 346;
constexpr int kTurnsOffHint = 347;
constexpr int kTurnsOnHint = 348;

constexpr std::array<IoOutput, 3> kOutputs = {IoOutput::Pend, IoOutput::Out1, IoOutput::Out2};

int index(IoSignal signal) {
    return static_cast<int>(signal);
}

int index(IoOutput output) {
    return static_cast<int>(output);
}

} // namespace

FrmInputOutput::FrmInputOutput(AppContext& ctx, CtLink& link, QWidget* parent)
    : QDialog(parent)
    , ctx_(ctx)
    , monitor_(ctx, link, *this) {
    setObjectName(QStringLiteral("frmInputOutput"));
    setModal(true);
    const auto image = [&ctx](const char* name) {
        return QPixmap(ctx.folder.file(QStringLiteral("images/") + QLatin1String(name)));
    };
    litLamp_ = image("lamp_green_24.png");
    alarmLamp_ = image("lamp_red_24.png");
    offLamp_ = image("lamp_white_24.png");
    outputOn_ = image("output_on.png");
    outputOff_ = image("output_off.png");
    buildControls();
    setFixedSize(px(kWindowWidth), px(kWindowHeight));
    move(px(ctx.MainLeft + 500), px(ctx.MainTop + 500));
    applyCaptions(this, ctx.texts);
    allLampsOff();
}

void FrmInputOutput::buildControls() {
    const Texts& texts = ctx_.texts;
    setCaption(this, 161, texts);

    auto* fraInput = named(new QGroupBox(this), "fraInput");
    setCaption(fraInput, 162, texts);
    place(fraInput, 120, 120, 2700, 2520);
    struct Row {
        IoSignal signal;
        const char* name;
        int captionId;
    };
    const Row inputs[] = {{IoSignal::HomeLs, "imgHomeLsLed", 163},
                          {IoSignal::Posi1, "imgPosi1Led", 165},
                          {IoSignal::Posi2, "imgPosi2Led", 166},
                          {IoSignal::Posi4, "imgPosi4Led", kPosition4Caption},
                          {IoSignal::EmgStop, "imgEmgStopLed", 164}};
    int top = 390;
    for (const Row& row : inputs) {
        lamps_[index(row.signal)] = lamp(fraInput, row.name, row.captionId, 240, top);
        captionIds_[index(row.signal)] = row.captionId;
        top += 420;
    }

    auto* fraOutput = named(new QGroupBox(this), "fraOutput");
    setCaption(fraOutput, 171, texts);
    place(fraOutput, 2940, 120, 2700, 2520);
    const Row outputs[] = {{IoSignal::Pend, "imgPend", kPendCaption},
                           {IoSignal::Out1, "imgOut1", 174},
                           {IoSignal::Out2, "imgOut2", 175}};
    top = 420;
    for (const IoOutput output : kOutputs) {
        const Row& row = outputs[index(output)];
        auto* picture = named(new QToolButton(fraOutput), row.name);
        picture->setAutoRaise(true);
        picture->setIconSize(outputOff_.size());
        place(picture, 150, top, kPictureSize, kPictureSize);
        connect(picture, &QToolButton::clicked, this, [this, output] { monitor_.output_Click(output); });
        outputPictures_[index(output)] = picture;
        const QByteArray lampName = QByteArray(row.name) + "Led";
        QLabel* outputLamp = lamp(fraOutput, lampName.constData(), row.captionId, 840, top + 90);
        outputLamp->installEventFilter(this); // the lamp switches its output like the picture
        lamps_[index(row.signal)] = outputLamp;
        captionIds_[index(row.signal)] = row.captionId;
        top += 660;
    }

    auto* lblOutputHint = named(new QLabel(this), "lblOutputHint");
    setCaption(lblOutputHint, kOutputHint, texts);
    lblOutputHint->setWordWrap(true);
    place(lblOutputHint, 120, 2700, 5520, 540);

    cmdIoCheck = named(new QPushButton(this), "cmdIoCheck");
    setCaption(cmdIoCheck, 176, texts);
    place(cmdIoCheck, 120, 3330, 1800, 450);
    cmdIoWinClose = named(new QPushButton(this), "cmdIoWinClose");
    setCaption(cmdIoWinClose, 177, texts);
    place(cmdIoWinClose, 3840, 3330, 1800, 450);
    for (QPushButton* button : {cmdIoCheck, cmdIoWinClose})
        button->setAutoDefault(false);
    connect(cmdIoCheck, &QPushButton::clicked, &monitor_, &IoMonitor::cmdIoCheck_Click);
    connect(cmdIoWinClose, &QPushButton::clicked, this, &QDialog::close);

    // Ticks once a second after the window opens and stops at its first tick.
    timerIo2 = named(new QTimer(this), "timerIo2");
    timerIo2->setInterval(kTimerIo2Ms);
    connect(timerIo2, &QTimer::timeout, timerIo2, &QTimer::stop);
}

// A lamp: one picture, lit or white, with the signal's name beside it.
QLabel* FrmInputOutput::lamp(QWidget* parent, const char* name, int captionId, int left, int top) {
    auto* picture = named(new QLabel(parent), name);
    picture->setScaledContents(true);
    place(picture, left, top, kLampSize, kLampSize);
    auto* caption = new QLabel(parent);
    caption->setObjectName(QStringLiteral("lbl") +
                           QLatin1String(name).mid(3).chopped(3)); // imgPendLed: lblPend
    setCaption(caption, captionId, ctx_.texts);
    place(caption, left + kLampSize + 180, top - 30, 1800, kLampSize + 60);
    return picture;
}

void FrmInputOutput::setLamp(IoSignal signal, bool lit) {
    QLabel* picture = lamps_[index(signal)];
    picture->setPixmap(!lit ? offLamp_ : signal == IoSignal::EmgStop ? alarmLamp_ : litLamp_);
    picture->setProperty("lit", lit);
    picture->setAccessibleDescription(ctx_.msg(lit ? kLitText : kOffText));
}

void FrmInputOutput::showLamps(const IoState& state) {
    for (int signal = 0; signal < kIoSignalCount; ++signal)
        setLamp(static_cast<IoSignal>(signal), state.active[signal]);
    nameLamps();
}

void FrmInputOutput::allLampsOff() {
    showLamps(IoState{});
}

// Lamps and pictures show no text: their tool tips name them, to accessibility too. An output's tip
// says what a click on it does now.
void FrmInputOutput::nameLamps() {
    for (int signal = 0; signal < kIoSignalCount; ++signal) {
        QLabel* picture = lamps_[signal];
        QString tip = ctx_.msg(captionIds_[signal]);
        picture->setToolTip(tip);
        picture->setAccessibleName(tip);
    }
    for (const IoOutput output : kOutputs) {
        const int signal = index(signalOf(output));
        const bool lit = lamps_[signal]->property("lit").toBool();
        const QString tip = ctx_.msg(captionIds_[signal]) + QStringLiteral(": ") +
                            ctx_.msg(lit ? kTurnsOffHint : kTurnsOnHint);
        for (QWidget* control :
             {static_cast<QWidget*>(outputPictures_[index(output)]), static_cast<QWidget*>(lamps_[signal])}) {
            control->setToolTip(tip);
            control->setAccessibleName(tip);
        }
        outputPictures_[index(output)]->setIcon(lit ? outputOn_ : outputOff_);
    }
}

void FrmInputOutput::setCheckCaption(const QString& text) {
    cmdIoCheck->setText(text);
}

void FrmInputOutput::setCheckEnabled(bool enabled) {
    cmdIoCheck->setEnabled(enabled);
}

void FrmInputOutput::setCloseEnabled(bool enabled) {
    cmdIoWinClose->setEnabled(enabled);
}

bool FrmInputOutput::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        for (const IoOutput output : kOutputs) {
            if (watched == lamps_[index(signalOf(output))]) {
                monitor_.output_Click(output);
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void FrmInputOutput::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!monitor_.timerInputOutput.isActive())
        monitor_.timerInputOutput.start();
    if (!timerIo2->isActive())
        timerIo2->start();
}

// Escape and the close button end up here: refused while monitoring runs.
void FrmInputOutput::reject() {
    if (monitor_.closeAllowed())
        QDialog::reject();
}

void FrmInputOutput::closeEvent(QCloseEvent* event) {
    if (!monitor_.closeAllowed()) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void FrmInputOutput::done(int result) {
    monitor_.timerInputOutput.stop();
    monitor_.TimerBtnOff.stop();
    timerIo2->stop();
    QDialog::done(result);
}

} // namespace zovi
