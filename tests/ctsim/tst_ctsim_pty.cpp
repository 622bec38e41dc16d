// The ctsim program on its pseudo-terminal: path line, paced replies, an operator command, port close and
// reopen, termination.

#include <QElapsedTimer>
#include <QProcess>
#include <QtTest>

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace {

// ZOVI_BIN_DIR is set by CTest; run by hand, the test looks beside itself, where the build puts ctsim too.
QString ctsimPath() {
    const QString folder = qEnvironmentVariable("ZOVI_BIN_DIR", QCoreApplication::applicationDirPath());
    return folder + QStringLiteral("/ctsim");
}

// The serial line as a program sees it: the slave end in raw mode.
class Line {
public:
    explicit Line(const QByteArray& path) {
        m_fd = ::open(path.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        if (m_fd < 0)
            return;
        termios settings{};
        ::tcgetattr(m_fd, &settings);
        ::cfmakeraw(&settings);
        ::cfsetspeed(&settings, B9600);
        ::tcsetattr(m_fd, TCSANOW, &settings);
    }
    ~Line() {
        if (m_fd >= 0)
            ::close(m_fd);
    }

    // Sends a command line (CR LF added) and reads until a reply line has ended or 2 s have passed;
    // elapsedMs is the time from sending until the reply was complete.
    QByteArray exchange(const QByteArray& command, qint64* elapsedMs = nullptr) {
        constexpr int waitMs = 2000;
        QElapsedTimer clock;
        clock.start();
        const QByteArray frame = command + "\r\n";
        if (::write(m_fd, frame.constData(), size_t(frame.size())) != frame.size())
            return "write failed";
        QByteArray bytes;
        while (!bytes.endsWith("\r\n") && clock.elapsed() < waitMs) {
            pollfd ready{m_fd, POLLIN, 0};
            if (::poll(&ready, 1, int(waitMs - clock.elapsed())) <= 0)
                continue;
            char buffer[64];
            const ssize_t count = ::read(m_fd, buffer, sizeof buffer);
            if (count > 0)
                bytes.append(buffer, count);
        }
        if (elapsedMs)
            *elapsedMs = clock.elapsed();
        return bytes;
    }

private:
    int m_fd = -1;
};

// A ctsim process, stopped should a failed check leave it running.
class Ctsim : public QProcess {
public:
    ~Ctsim() override {
        if (state() != NotRunning) {
            kill();
            waitForFinished(5000);
        }
    }

    // Starts ctsim and returns the first line it prints: the terminal's path.
    QByteArray startServing(const QStringList& arguments) {
        start(ctsimPath(), arguments);
        return waitForReadyRead(5000) ? readLine().trimmed() : QByteArray();
    }

    // An operator command on standard input and the line that answers it.
    QByteArray command(const QByteArray& line) {
        write(line + '\n');
        if (!canReadLine() && !waitForReadyRead(3000))
            return {};
        return readLine().trimmed();
    }
};

const QByteArray Ok0RV = "0RV120000\r\n";

} // namespace

class TestCtsimPty : public QObject {
    Q_OBJECT

private slots:
    void servesTheControllerOnAPseudoTerminal();
    void commandLineOptions();
};

void TestCtsimPty::servesTheControllerOnAPseudoTerminal() {
    Ctsim ctsim;
    const QByteArray path = ctsim.startServing({});
    QVERIFY2(path.startsWith("/dev/pts/"), path.constData());
    auto line = std::make_unique<Line>(path);
    QCOMPARE(line->exchange("0RV"), Ok0RV);
    // At 9600 baud the 5 characters of the command take 5.2 ms to arrive (up to 1 ms less, as the model
    // counts whole milliseconds), and the last of the 11 of the reply leaves 10.4 ms after the first.
    qint64 elapsedMs = -1;
    QCOMPARE(line->exchange("0RV", &elapsedMs), Ok0RV);
    QVERIFY2(elapsedMs >= 14, qPrintable(QStringLiteral("0RV answered in %1 ms").arg(elapsedMs)));

    QCOMPARE(ctsim.command("split 2 120 once"), QByteArray("ok split 2 120 once"));
    QCOMPARE(line->exchange("0RH", &elapsedMs), QByteArray("0RH0\r\n"));
    QVERIFY2(elapsedMs >= 120, qPrintable(QStringLiteral("split over %1 ms").arg(elapsedMs)));

    // What the controller sends while the port is closed is lost, as on an unplugged line.
    line.reset();
    QTest::qWait(50);
    QCOMPARE(ctsim.command("stray lost"), QByteArray("ok stray lost"));
    QTest::qWait(100);
    line = std::make_unique<Line>(path);
    QCOMPARE(line->exchange("0RV"), Ok0RV);

    ctsim.closeWriteChannel(); // without --exit-on-eof it keeps serving
    QTest::qWait(50);
    QCOMPARE(line->exchange("0RV"), Ok0RV);
    ctsim.terminate();
    QVERIFY(ctsim.waitForFinished(5000));
    QCOMPARE(ctsim.exitStatus(), QProcess::NormalExit);
    QCOMPARE(ctsim.exitCode(), 0);
}

void TestCtsimPty::commandLineOptions() {
    Ctsim ctsim;
    QVERIFY(ctsim.startServing({QStringLiteral("--exit-on-eof")}).startsWith("/dev/pts/"));
    ctsim.closeWriteChannel();
    QVERIFY(ctsim.waitForFinished(5000));
    QCOMPARE(ctsim.exitStatus(), QProcess::NormalExit);
    QCOMPARE(ctsim.exitCode(), 0);

    ctsim.start(ctsimPath(), {QStringLiteral("--help")});
    QVERIFY(ctsim.waitForFinished(5000));
    QCOMPARE(ctsim.exitCode(), 0);
    QVERIFY(ctsim.readAllStandardOutput().startsWith("Usage: ctsim"));
    ctsim.start(ctsimPath(), {QStringLiteral("--bogus")});
    QVERIFY(ctsim.waitForFinished(5000));
    QCOMPARE(ctsim.exitCode(), 2);
    QVERIFY(ctsim.readAllStandardOutput().isEmpty());
}

QTEST_GUILESS_MAIN(TestCtsimPty)
#include "tst_ctsim_pty.moc"
