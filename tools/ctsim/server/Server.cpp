#include "server/Server.h"

#include "model/ConsoleCommands.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <ctime>
#include <poll.h>
#include <unistd.h>

namespace ctsim {

namespace {

constexpr qint64 PortCheckNs = 10'000'000; // how often a closed port is looked at again
constexpr qint64 NapNs = 2'000'000;        // a pacing deadline this close is slept to exactly

timespec toTimespec(qint64 ns) {
    return {time_t(ns / 1'000'000'000), long(ns % 1'000'000'000)};
}

} // namespace

volatile std::sig_atomic_t Server::s_stop = 0;

Server::Server(const ServerOptions& options)
    : m_options(options)
    , m_pacer(options.paced) {
    m_model.setMoveTimeScale(options.moveTimeScale);
}

qint64 Server::nowNs() const {
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    return qint64(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

bool Server::open(QString* error) {
    if (!m_options.logTarget.isEmpty() && !m_log.open(m_options.logTarget)) {
        *error = QStringLiteral("cannot open the log file %1").arg(m_options.logTarget);
        return false;
    }
    if (!m_terminal.open(error))
        return false;
    m_originNs = nowNs();
    m_portOpen = m_terminal.slaveOpen();
    m_log.note(QStringLiteral("serving %1").arg(slavePath()));
    return true;
}

int Server::run(const sigset_t& waitMask) {
    while (!s_stop && !m_quit) {
        serviceTimers();
        const qint64 now = nowNs();
        std::optional<qint64> wake;
        const auto consider = [&wake](std::optional<qint64> at) {
            if (at && (!wake || *at < *wake))
                wake = at;
        };
        if (const std::optional<qint64> moveEnd = m_model.nextDeadlineMs())
            consider(fromModelMs(*moveEnd));
        // Bytes the terminal could not take wait for room (POLLOUT), not for a deadline.
        const std::optional<qint64> paceAt =
            m_unwritten.isEmpty() ? m_pacer.nextDeadlineNs() : std::optional<qint64>();
        consider(paceAt);
        if (!m_portOpen)
            consider(now + PortCheckNs);

        // A close pacing deadline is met with an absolute sleep after a look at the inputs.
        const bool nap = paceAt && wake == paceAt && *paceAt - now <= NapNs;
        const short masterEvents = short(m_unwritten.isEmpty() ? POLLIN : POLLIN | POLLOUT);
        pollfd fds[2] = {{m_portOpen ? m_terminal.masterFd() : -1, masterEvents, 0},
                         {m_consoleOpen ? STDIN_FILENO : -1, POLLIN, 0}};
        const timespec timeout = toTimespec(nap || !wake ? 0 : std::max<qint64>(0, *wake - now));
        const int ready = ::ppoll(fds, 2, nap || wake ? &timeout : nullptr, &waitMask);
        if (ready < 0) {
            if (errno == EINTR)
                continue;
            std::perror("ctsim: ppoll");
            return 1;
        }
        if (fds[0].revents)
            readMaster();
        if (fds[1].revents)
            readConsole();
        if (!m_portOpen)
            checkPort();
        if (nap && ready == 0) {
            const timespec deadline = toTimespec(*paceAt);
            ::clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &deadline, nullptr);
        }
    }
    m_log.note(QStringLiteral("stopped"));
    return 0;
}

void Server::queue(const Outputs& outputs) {
    for (const Output& output : outputs)
        m_pacer.enqueue(output.bytes, fromModelMs(output.atMs));
}

void Server::serviceTimers() {
    const qint64 now = nowNs();
    if (const std::optional<qint64> moveEnd = m_model.nextDeadlineMs();
        moveEnd && fromModelMs(*moveEnd) <= now)
        queue(m_model.tick(toModelMs(now)));
    while (writeOut()) {
        const std::optional<Pacer::Due> due = m_pacer.takeDue(nowNs());
        if (!due)
            break;
        if (!due->startedChunk.isEmpty())
            m_log.sent(due->startedChunk, !m_portOpen);
        if (m_portOpen) // a closed port loses what is sent, as a line without a listener does
            m_unwritten = due->bytes;
    }
}

// Writes what the terminal takes of the due bytes; false while some are left for lack of room.
bool Server::writeOut() {
    while (!m_unwritten.isEmpty() && m_portOpen) {
        const ssize_t count =
            ::write(m_terminal.masterFd(), m_unwritten.constData(), size_t(m_unwritten.size()));
        if (count > 0) {
            m_sentBytes += count;
            m_unwritten.remove(0, count);
        } else if (count < 0 && errno == EAGAIN) {
            return false;
        } else if (!(count < 0 && errno == EINTR)) {
            m_portOpen = false;
            m_log.note(QStringLiteral("port closed"));
        }
    }
    m_unwritten.clear();
    return true;
}

// A pseudo-terminal delivers the program's line at once; a controller on a 9600-baud line has it only
// when its last character has arrived, so paced replies start no earlier than that.
qint64 Server::arrivalNs(qsizetype count) {
    const qint64 now = nowNs();
    if (!m_options.paced)
        return now;
    m_receiveLineFreeNs = std::max(m_receiveLineFreeNs, now) + qint64(count) * Pacer::CharNs;
    return m_receiveLineFreeNs;
}

void Server::readMaster() {
    char buffer[512];
    for (;;) {
        const ssize_t count = ::read(m_terminal.masterFd(), buffer, sizeof buffer);
        if (count > 0) {
            m_log.received(QByteArrayView(buffer, count));
            queue(m_model.receive(QByteArrayView(buffer, count), toModelMs(arrivalNs(count))));
            continue;
        }
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0 && errno == EAGAIN)
            break;
        // End of data or EIO: the program has closed the port.
        m_portOpen = false;
        m_log.note(QStringLiteral("port closed"));
        break;
    }
}

void Server::checkPort() {
    if (!m_terminal.slaveOpen())
        return;
    m_portOpen = true;
    m_log.note(QStringLiteral("port opened"));
}

void Server::readConsole() {
    char buffer[1024];
    const ssize_t count = ::read(STDIN_FILENO, buffer, sizeof buffer);
    if (count < 0 && (errno == EINTR || errno == EAGAIN))
        return;
    if (count <= 0) {
        m_consoleOpen = false;
        m_log.note(QStringLiteral("standard input closed"));
        if (m_options.exitOnEof)
            m_quit = true;
        return;
    }
    m_consoleBuffer.append(buffer, count);
    qsizetype end;
    while (!m_quit && (end = m_consoleBuffer.indexOf('\n')) >= 0) {
        QByteArray line = m_consoleBuffer.left(end);
        m_consoleBuffer.remove(0, end + 1);
        if (line.endsWith('\r'))
            line.chop(1);
        runConsoleLine(QString::fromLocal8Bit(line));
    }
}

void Server::runConsoleLine(const QString& line) {
    ConsoleResult result = runConsoleCommand(m_model, line, toModelMs(nowNs()));
    queue(result.outputs);
    if (result.reply.startsWith(QStringLiteral("status ")))
        result.reply += QStringLiteral(" sending=%1 sent=%2")
                            .arg(m_pacer.queuedBytes() + m_unwritten.size())
                            .arg(m_sentBytes);
    m_log.note(line + QStringLiteral(" => ") + result.reply);
    printLine(result.reply);
    if (result.quit)
        m_quit = true;
}

// Exactly one line whatever the answer holds: it may repeat a command with control characters or
// NUL in it, which are written as \xHH (the escapes "stray" takes).
void Server::printLine(const QString& line) {
    QByteArray bytes;
    for (const char c : line.toLocal8Bit()) {
        const auto code = static_cast<unsigned char>(c);
        if (code < 0x20 || code == 0x7f)
            bytes += "\\x" + QByteArray::number(code, 16).rightJustified(2, '0').toUpper();
        else
            bytes += c;
    }
    bytes += '\n';
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    std::fflush(stdout);
}

} // namespace ctsim
