// The receive path: the input is the controller's side of the line, replies separated by "|", each
// delivered whole as the answer to the next frame the program writes (an empty one is silence, which
// ends in the time-out). The program reads the device, the move data, the positions, the present
// position and the home state in turn until the replies run out; whatever comes back, every
// transaction ends and what it stores comes from the reply's fields.
#include "FuzzSupport.h"

#include "link/Clock.h"
#include "link/CommLog.h"
#include "link/CtCommands.h"
#include "link/CtLink.h"
#include "link/SerialPort.h"
#include "operation/AlarmPanel.h"

#include <QTimer>

namespace {

class ReplyPort : public zovi::SerialPort {
public:
    QList<QByteArray> replies;
    qsizetype next = 0;
    int writes = 0;
    std::function<void(int)> written;

    bool open(int) override {
        open_ = true;
        return true;
    }
    bool isOpen() const override { return open_; }
    void write(const QByteArray&) override {
        ++writes;
        if (open_ && next < replies.size())
            rx_ += replies[next++];
        if (written)
            written(writes);
        if (!rx_.isEmpty())
            emit readyRead();
    }
    qint64 bytesAvailable() const override { return rx_.size(); }
    QByteArray readAll() override { return std::exchange(rx_, {}); }
    void close() override {
        open_ = false;
        rx_.clear();
    }
    QString errorString() const override { return QStringLiteral("closed"); }

private:
    QByteArray rx_;
    bool open_ = false;
};

class StillClock : public zovi::Clock {
public:
    float secondsSinceMidnight() const override { return 1000.0f; }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    zovi::fuzz::ensureApplication();
    if (size < 1)
        return 0;
    zovi::fuzz::FuzzContext run;
    // The first byte: the port held open between commands or released after each.
    run.ctx.options.PortOccupyFlag = (data[0] & 1) != 0;
    zovi::QuietMainView view;
    zovi::AlarmPanel alarms(run.ctx, view);
    alarms.Get_ErrorList();
    ReplyPort port;
    port.replies = QByteArray(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1)).split('|');
    StillClock clock;
    zovi::CtLink link(run.ctx, port, view, alarms, clock);
    zovi::CommLog log;
    link.setLog(&log);
    // A reply that is not complete would wait out its whole time-out: end that wait at once.
    port.written = [&](int write) {
        QTimer::singleShot(0, &link, [&, write] {
            if (write == port.writes && link.busy())
                link.timerTimeout.start(0);
        });
    };

    zovi::CtCommands commands(link);
    for (int round = 0; port.next < port.replies.size() && round < 4 * port.replies.size(); ++round) {
        switch (round % 5) {
        case 0:
            commands.ReadCtDevice();
            break;
        case 1:
            commands.ReadCtParaForMove();
            break;
        case 2:
            commands.ReadCtPositions();
            break;
        case 3:
            commands.ReadCtPresentPos();
            break;
        default:
            commands.ReadCtHomeState();
            break;
        }
        if (link.busy())
            __builtin_trap();
    }
    const zovi::MoveData& move = commands.move;
    if (move.StrokePulse < 0 || move.StrokePulse > 0xFFFFFF)
        __builtin_trap();
    for (int i = 1; i <= 3; ++i) {
        if (move.PosPulse[i] < 0 || move.PosPulse[i] > 0xFFFFFF)
            __builtin_trap();
    }
    return 0;
}
